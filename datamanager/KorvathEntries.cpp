// The plug-in entries of korvath: no menu, one data manager for the whole process, loaded from the journal
// beside the host program at registration and handed to the host.

#include "DataManager.h"
#include "JournalProgress.h"
#include "PluginContract.h"
#include "dynlib/DynLib.h"
#include "mlLangDispatcher.h"
#include "rtl/Codec1251.h"

#include <QPointer>
#include <cstring>
#include <utility>

namespace {
TOrmelDataManager *Manager = nullptr;
// The host's, read for the language of the journal's progress texts; it may go before this library.
QPointer<TmlLangDispatcher> Dispatcher;
constexpr char EmptyText[] = "";

// Frees the manager when the library is unloaded, which rewrites a modified journal. Made at the first
// registration, so it goes before the module's other globals, which that rewrite still uses.
struct TManagerFinalization {
    TManagerFinalization() = default;
    TManagerFinalization(const TManagerFinalization &) = delete;
    TManagerFinalization &operator=(const TManagerFinalization &) = delete;
    ~TManagerFinalization() { delete std::exchange(Manager, nullptr); }
};

void DataLineProc(const char *line, std::int32_t length)
{
    if (Manager)
        Manager->AddDataLine(line, length);
}
} // namespace

ORMEL_EXPORT std::int32_t GetPluginOrder() { return -1; }

ORMEL_EXPORT std::int32_t RegisterPlugin(HWND, TDataLineProc *dataLineEntry, std::uint8_t *isDataManager,
                                         TDataManager **dataManager, TmlLangDispatcher *dispatcher)
{
    static TManagerFinalization finalization;
    Dispatcher = dispatcher;
    TJournalProgress::SetLanguage([] { return Dispatcher ? Dispatcher->ActiveLanguage : 1; });
    *isDataManager = 1;
    Manager = NewObject<TOrmelDataManager>(&TOrmelDataManager::CreateFromFile, ProgramFolder() + "ormeldata.txt");
    *dataManager = Manager;
    *dataLineEntry = &DataLineProc;
    return 0;
}

ORMEL_EXPORT const char *GetMainName(std::int32_t) { return EmptyText; }

ORMEL_EXPORT const char *GetItemName(std::int32_t, std::int32_t) { return EmptyText; }

ORMEL_EXPORT const char *GetItemHint(std::int32_t, std::int32_t) { return EmptyText; }

ORMEL_EXPORT HBITMAP GetItemBitmap(std::int32_t) { return nullptr; }

ORMEL_EXPORT void GetItemCommand(TNotifyEvent *command, std::int32_t)
{
    command->Code = nullptr;
    command->Data = nullptr;
}

ORMEL_EXPORT void LoadDataFromFile(const char *fileName)
{
    if (!Manager)
        return;
    Manager->ClearAll();
    Manager->LoadDataFile(fileName ? FromCp1251(fileName, qsizetype(std::strlen(fileName))) : QString());
}

ORMEL_EXPORT void RegisterChangeDataEvent(TChangeDataProc proc)
{
    if (Manager)
        Manager->OnChangeData = proc;
}

ORMEL_EXPORT TDataManager *GetDataManager() { return Manager; }
