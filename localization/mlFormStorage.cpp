#include "mlFormStorage.h"

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Screen.h"
#include "registry/Registry.h"
#include "registry/RegistryStore.h"
#include "rtl/Exceptions.h"

#include <algorithm>
#include <climits>

namespace {
HKEY PredefinedKey(TMyHKeyType type)
{
    switch (type) {
    case mlHKEY_CLASSES_ROOT:
        return HKEY_CLASSES_ROOT;
    case mlHKEY_LOCAL_MACHINE:
        return HKEY_LOCAL_MACHINE;
    case mlHKEY_USERS:
        return HKEY_USERS;
    case mlHKEY_CURRENT_CONFIG:
        return HKEY_CURRENT_CONFIG;
    case mlHKEY_DYN_DATA:
        return HKEY_DYN_DATA;
    default:
        return HKEY_CURRENT_USER;
    }
}

// The stored place as far as the screen can show it: a window off every screen would be lost to the user, and
// one larger than the screen could take more memory than the machine has. A place of no size is no place.
TRect PlaceOnScreen(int left, int top, int width, int height)
{
    const auto middle = [](int start, int size) {
        return int(std::clamp(qint64(start) + size / 2, qint64(INT_MIN), qint64(INT_MAX)));
    };
    const TRect area = Screen->WorkAreaAt(middle(left, width), middle(top, height));
    if (width <= 0 || height <= 0 || area.IsEmpty())
        throw ERangeError(QStringLiteral("Range check error"));
    width = std::min(width, area.Width());
    height = std::min(height, area.Height());
    left = std::clamp(left, area.Left, area.Right - width);
    top = std::clamp(top, area.Top, area.Bottom - height);
    return {left, top, left + width, top + height};
}
} // namespace

TmlFormStorage::TmlFormStorage(TComponent *owner) : TComponent(owner)
{
    if (owner) {
        form_ = dynamic_cast<TForm *>(owner);
        if (!form_)
            throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    }
}

TmlFormStorage::~TmlFormStorage()
{
    // A destructor cannot pass the failure on: it is reported like any failure of handler code.
    try {
        SaveFormState();
    } catch (...) {
        Application->HandleException(this);
    }
}

void TmlFormStorage::SetRegRootKey(TMyHKeyType rootKey)
{
    if (rootKey == regRootKey_)
        return;
    regRootKey_ = rootKey;
    rootKey_ = PredefinedKey(rootKey);
}

bool TmlFormStorage::Working() const { return active_ && form_ && !HasState(csDesigning); }

void TmlFormStorage::SaveFormState()
{
    if (!Working())
        return;
    TRegistryUpdate update;
    TRegistry registry;
    registry.SetRootKey(rootKey_);
    if (!registry.OpenKey(subKey_, true)) {
        const QString cause = registry.LastError();
        throw ERegistryException(QStringLiteral("Failed to open key %1").arg(subKey_)
                                 + (cause.isEmpty() ? QString() : QStringLiteral(": ") + cause));
    }
    switch (form_->WindowState()) {
    case wsMinimized:
        registry.WriteString(QStringLiteral("State"), QStringLiteral("Minimized"));
        return;
    case wsMaximized:
        registry.WriteString(QStringLiteral("State"), QStringLiteral("Maximized"));
        return;
    default:
        registry.WriteString(QStringLiteral("State"), QStringLiteral("Normal"));
        break;
    }
    registry.WriteInteger(QStringLiteral("Top"), form_->Top());
    registry.WriteInteger(QStringLiteral("Left"), form_->Left());
    registry.WriteInteger(QStringLiteral("Height"), form_->Height());
    registry.WriteInteger(QStringLiteral("Width"), form_->Width());
}

void TmlFormStorage::Loaded()
{
    TComponent::Loaded();
    RestoreFormState();
}

void TmlFormStorage::RestoreFormState()
{
    if (!Working())
        return;
    const int left = form_->Left();
    const int top = form_->Top();
    const int height = form_->Height();
    const int width = form_->Width();
    const TWindowState state = form_->WindowState();
    try {
        TRegistry registry;
        registry.SetRootKey(rootKey_);
        if (!registry.OpenKey(subKey_, true))
            return;
        if (registry.ReadString(QStringLiteral("State")).isEmpty())
            return;
        const int storedTop = registry.ReadInteger(QStringLiteral("Top"));
        const int storedLeft = registry.ReadInteger(QStringLiteral("Left"));
        const int storedHeight = registry.ReadInteger(QStringLiteral("Height"));
        const int storedWidth = registry.ReadInteger(QStringLiteral("Width"));
        const TRect place = PlaceOnScreen(storedLeft, storedTop, storedWidth, storedHeight);
        form_->SetBounds(place.Left, place.Top, place.Width(), place.Height());
        const QString stored = registry.ReadString(QStringLiteral("State"));
        if (stored.size() < 3)
            throw ERangeError(QStringLiteral("Range check error"));
        switch (stored[2].unicode()) {
        case u'n':
            form_->SetWindowState(wsMinimized);
            break;
        case u'r':
            form_->SetWindowState(wsNormal);
            break;
        case u'x':
            form_->SetWindowState(wsMaximized);
            break;
        default:
            break;
        }
    } catch (const std::exception &) {
        form_->SetBounds(left, top, width, height);
        form_->SetWindowState(state);
    }
}
