#include "PluginManager.h"

#include "classes/MetaTypes.h"
#include "forms/Application.h"
#include "rtl/Exceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <utility>

namespace {
template <typename Proc>
Proc Entry(HMODULE module, const char *name)
{
    return reinterpret_cast<Proc>(GetProcAddress(module, name));
}

QString OrderKey(std::int32_t order) { return order < 0 ? QStringLiteral(" ") : QString::number(order); }

QString WithDelimiter(const QString &folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

// A copy that shares nothing with the original, whose characters may lie in a library about to be freed.
QString Detached(const QString &text) { return QString(text.constData(), text.size()); }
} // namespace

QString PluginFailure(const QString &fileName)
{
    QString error;
    try {
        throw;
    } catch (const Exception &e) {
        error = Detached(e.Message());
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    } catch (...) {
        error = QStringLiteral("it raised something that is not an exception");
    }
    return QStringLiteral("The plug-in %1 failed and is left out: %2").arg(fileName, error);
}

TmlPluginManager::TmlPluginManager(TComponent *owner)
    : TComponent(owner), plugIns_(new TStringList(true)), folder_(ProgramFolder())
{
    plugIns_->SetDuplicates(TDuplicates::dupAccept);
    plugIns_->SetSorted(true);
}

TmlPluginManager::~TmlPluginManager()
{
    UnloadPlugins();
    delete plugIns_;
}

void TmlPluginManager::Loaded()
{
    TComponent::Loaded();
    if (!HasState(csDesigning))
        LoadPlugins();
}

void TmlPluginManager::SetFolder(const QString &folder) { folder_ = WithDelimiter(folder); }

void TmlPluginManager::LoadPlugins()
{
    RegisterFrameworkMetaTypes();
    const QStringList names = ListLibraries();
    UnloadPlugins();
    const int count = int(names.size());
    infos_ = QList<TPluginInfo *>(count, nullptr);
    for (int i = 0; i < count; ++i) {
        QString failure;
        TPluginInfo *info = Bind(names[i], failure);
        if (!failure.isEmpty())
            Application->HandleException(this, std::make_exception_ptr(Exception(failure)));
        if (!info)
            continue;
        infos_[i] = info;
        plugIns_->AddObject(OrderKey(info->Order), info);
        onLoadPlugIn_(this, names[i], i + 1, count);
    }
    onLoadComplete_(this);
}

// Last in the list first, so the data manager (key " ") goes after every plug-in that uses its objects.
// An entry leaves the list together with its library, so pending events never meet a freed plug-in.
void TmlPluginManager::UnloadPlugins()
{
    while (plugIns_->Count() > 0) {
        const int last = plugIns_->Count() - 1;
        TPluginInfo *info = PlugIn(last);
        if (!info->WasLoaded)
            FreeLibrary(info->ModuleHandle);
        plugIns_->Delete(last);
        QCoreApplication::processEvents();
    }
    infos_.clear();
}

// Every entry with the suffix, hidden ones and folders included; sorted by name, so runs are repeatable.
QStringList TmlPluginManager::ListLibraries() const
{
    QStringList names = QDir(folder_).entryList({QStringLiteral("*") + QLatin1String(SharedLibrarySuffix)},
                                                QDir::AllEntries | QDir::Hidden | QDir::System
                                                    | QDir::NoDotAndDotDot | QDir::CaseSensitive,
                                                QDir::NoSort);
    std::sort(names.begin(), names.end());
    return names;
}

// Null when the file is not a plug-in, or when its order cannot be had (`failure` then says why); the file is
// then released.
TPluginInfo *TmlPluginManager::Bind(const QString &name, QString &failure)
{
    const QString path = folder_ + name;
    if (!QFileInfo(path).isFile()) {
        std::fprintf(stderr, "%s is not a regular file; it is not loaded.\n",
                     qPrintable(QDir::toNativeSeparators(path)));
        return nullptr;
    }
    auto info = std::make_unique<TPluginInfo>();
    info->FileName = name;
    info->ModuleHandle = GetModuleHandle(path);
    info->WasLoaded = info->ModuleHandle != nullptr;
    if (!info->WasLoaded)
        info->ModuleHandle = LoadLibrary(path);
    const HMODULE module = info->ModuleHandle;
    const auto release = [&] {
        if (module && !info->WasLoaded)
            FreeLibrary(module);
    };

    info->RegisterPlugin = Entry<TRegisterPluginProc>(module, PluginEntry::RegisterPlugin);
    if (!info->RegisterPlugin) {
        release();
        return nullptr;
    }
    info->GetMainName = Entry<TGetMainNameProc>(module, PluginEntry::GetMainName);
    info->GetItemName = Entry<TGetItemNameProc>(module, PluginEntry::GetItemName);
    info->GetItemBitmap = Entry<TGetItemBitmapProc>(module, PluginEntry::GetItemBitmap);
    info->GetItemCommand = Entry<TGetItemCommandProc>(module, PluginEntry::GetItemCommand);
    info->GetItemHint = Entry<TGetItemHintProc>(module, PluginEntry::GetItemHint);
    info->GetPluginOrder = Entry<TGetPluginOrderProc>(module, PluginEntry::GetPluginOrder);

    // Calling a missing entry would crash the host later, so such a library is no plug-in.
    const std::pair<bool, const char *> required[] = {
        {info->GetMainName != nullptr, PluginEntry::GetMainName},
        {info->GetItemName != nullptr, PluginEntry::GetItemName},
        {info->GetItemBitmap != nullptr, PluginEntry::GetItemBitmap},
        {info->GetItemCommand != nullptr, PluginEntry::GetItemCommand},
        {info->GetItemHint != nullptr, PluginEntry::GetItemHint},
        {info->GetPluginOrder != nullptr, PluginEntry::GetPluginOrder},
    };
    for (const auto &[bound, entry] : required)
        if (!bound) {
            std::fprintf(stderr, "%s exports %s but not %s; it is not taken as a plug-in.\n",
                         qPrintable(QDir::toNativeSeparators(path)), PluginEntry::RegisterPlugin, entry);
            release();
            return nullptr;
        }

    try {
        info->Order = info->GetPluginOrder();
    } catch (...) {
        failure = PluginFailure(name);
    }
    // Only now, with the exception object gone, may the library that made it go.
    if (!failure.isEmpty()) {
        release();
        return nullptr;
    }
    info->OnDataUpdate = Entry<TOnDataUpdateProc>(module, PluginEntry::OnDataUpdate);
    info->MenuItem = nullptr;
    return info.release();
}
