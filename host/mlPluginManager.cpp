#include "mlPluginManager.h"

#include "classes/MetaTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>
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
} // namespace

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
        TPluginInfo *info = Bind(names[i]);
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

// Null when the file is not a plug-in; the file is then released.
TPluginInfo *TmlPluginManager::Bind(const QString &name)
{
    const QString path = folder_ + name;
    auto info = std::make_unique<TPluginInfo>();
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

    // An exception from here on leaves the library loaded: the exception object may live in its memory.
    info->Order = info->GetPluginOrder();
    info->OnDataUpdate = Entry<TOnDataUpdateProc>(module, PluginEntry::OnDataUpdate);
    info->MenuItem = nullptr;
    return info.release();
}
