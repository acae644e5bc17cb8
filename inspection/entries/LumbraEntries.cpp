// The plug-in entries of lumbra: one menu, "&LUMBRA", with the data management window behind its first item.

#include "PluginContract.h"
#include "controls/ImageList.h"
#include "graphics/Bitmap.h"
#include "mainwindow/LumbraWindow.h"
#include "mlLangDispatcher.h"
#include "mlLngLnk.h"
#include "rtl/Codec1251.h"

#include <cstring>
#include <memory>

namespace {
// The last text handed out. The host copies a text before its next call, so one block at a time is kept
// instead of a new one for every call that is never freed.
std::unique_ptr<char[]> TextBlock;

const char *NewTextBlock(const QString &text)
{
    const QByteArray bytes = ToCp1251(text);
    TextBlock.reset(new char[bytes.size() + 1]);
    std::memcpy(TextBlock.get(), bytes.constData(), size_t(bytes.size()) + 1);
    return TextBlock.get();
}

const char *LookupText(const char *name)
{
    return NewTextBlock(frmLumbra ? frmLumbra->mlLangLinked1->LookupString(QString::fromLatin1(name)) : QString());
}

// A language the window does not have leaves it in the one it shows.
void SwitchLanguage(std::int32_t lang)
{
    if (!frmLumbra)
        return;
    try {
        frmLumbra->mlLangDispatcher1->SetActiveLanguage(lang);
    } catch (const Exception &) {
    }
}
} // namespace

ORMEL_EXPORT std::int32_t GetPluginOrder() { return 1; }

ORMEL_EXPORT std::int32_t RegisterPlugin(HWND appHandle, TDataLineProc *, std::uint8_t *isDataManager,
                                         TDataManager **dataManager, TmlLangDispatcher *dispatcher)
{
    return RegisterLumbra(appHandle, isDataManager, dataManager, dispatcher);
}

ORMEL_EXPORT const char *GetMainName(std::int32_t lang)
{
    SwitchLanguage(lang);
    return LookupText("IDS_0");
}

ORMEL_EXPORT const char *GetItemName(std::int32_t item, std::int32_t lang)
{
    SwitchLanguage(lang);
    static const char *const names[] = {"IDS_1", "IDS_2", "IDS_3"};
    return LookupText(item >= 1 && item <= 3 ? names[item - 1] : "IDS_4");
}

ORMEL_EXPORT const char *GetItemHint(std::int32_t item, std::int32_t)
{
    static const char *const hints[] = {"IDS_5", "IDS_6", "IDS_7"};
    if (item >= 1 && item <= 3)
        return LookupText(hints[item - 1]);
    return NewTextBlock(QStringLiteral("This item shouldn't be visible!"));
}

// An item without a picture in the list gets none.
ORMEL_EXPORT HBITMAP GetItemBitmap(std::int32_t item)
{
    if (!frmLumbra || item < 1 || item > frmLumbra->ImageList1->Count())
        return nullptr;
    auto *bitmap = new TBitmap;
    frmLumbra->ImageList1->GetBitmap(item - 1, bitmap);
    return bitmap;
}

ORMEL_EXPORT void GetItemCommand(TNotifyEvent *command, std::int32_t item)
{
    if (item == 1 || item == 3)
        *command = MakeEvent<&TTmpObj::DoConfigAction>(TmpObj);
    else if (item == 2)
        *command = MakeEvent<&TTmpObj::DoTestAction>(TmpObj);
    else
        *command = {};
}

ORMEL_EXPORT void OnDataUpdate() { lumbra_u::OnDataChanged(); }
