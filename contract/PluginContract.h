#pragma once

// The contract between the host and its plug-ins: the entries a plug-in library exports, bound by name.
// Texts cross it as zero-terminated Windows-1251 strings; a text a plug-in returns stays the plug-in's and
// must stay unchanged until the host's next call into that plug-in.

#include "classes/Events.h"

#include <cstdint>

class QWidget;
class TBitmap;
class TDataManager;
class TmlLangDispatcher;

// The host application's window: a plug-in makes it the owner of its own windows.
using HWND = QWidget *;
// A bitmap handle is the bitmap object itself; whoever receives it owns it and frees it.
using HBITMAP = TBitmap *;

// Marks a plug-in's contract entries; a plug-in library exports nothing else.
#define ORMEL_EXPORT extern "C" __attribute__((visibility("default")))

extern "C" {
// The data manager's entry for new data lines; handed to the host, which keeps it and never calls it.
typedef void (*TDataLineProc)(const char *line, std::int32_t length);
// The host's routine that a data manager calls after every change of its data.
typedef void (*TChangeDataProc)();
}

// Every plug-in exports these. RegisterPlugin returns the number of items (numbered 1 to n); the host sets the
// byte at isDataManager to 0 before the call; the cell at dataManager holds the one data manager of the
// process and is passed to every plug-in in turn. A blank main name means no menu, and then the item entries
// are never called. GetItemCommand fills the click handler of an item (nil code: the click does nothing).
ORMEL_EXPORT std::int32_t RegisterPlugin(HWND appHandle, TDataLineProc *dataLineEntry, std::uint8_t *isDataManager,
                                         TDataManager **dataManager, TmlLangDispatcher *dispatcher);
ORMEL_EXPORT std::int32_t GetPluginOrder();
ORMEL_EXPORT const char *GetMainName(std::int32_t lang);
ORMEL_EXPORT const char *GetItemName(std::int32_t item, std::int32_t lang);
ORMEL_EXPORT const char *GetItemHint(std::int32_t item, std::int32_t lang);
ORMEL_EXPORT HBITMAP GetItemBitmap(std::int32_t item);
ORMEL_EXPORT void GetItemCommand(TNotifyEvent *command, std::int32_t item);
// Optional: rebuild the plug-in's views from the shared data manager.
ORMEL_EXPORT void OnDataUpdate();
// A data-manager plug-in's entries, looked up when it has registered.
ORMEL_EXPORT void LoadDataFromFile(const char *fileName);
ORMEL_EXPORT void RegisterChangeDataEvent(TChangeDataProc proc);
ORMEL_EXPORT TDataManager *GetDataManager();

// No entry: a plug-in that works for long while the host starts or ends tells how far it is by setting this
// dynamic property of the application object to a line of text in the active language (an empty text when it
// is done); the host shows it on its splash, or in a small window of its own.
inline constexpr char PluginProgressProperty[] = "ormelPluginProgress";

using TRegisterPluginProc = decltype(&RegisterPlugin);
using TGetPluginOrderProc = decltype(&GetPluginOrder);
using TGetMainNameProc = decltype(&GetMainName);
using TGetItemNameProc = decltype(&GetItemName);
using TGetItemHintProc = decltype(&GetItemHint);
using TGetItemBitmapProc = decltype(&GetItemBitmap);
using TGetItemCommandProc = decltype(&GetItemCommand);
using TOnDataUpdateProc = decltype(&OnDataUpdate);
using TLoadDataFromFileProc = decltype(&LoadDataFromFile);
using TRegisterChangeDataEventProc = decltype(&RegisterChangeDataEvent);
using TGetDataManagerProc = decltype(&GetDataManager);

// The names the entries are bound by.
namespace PluginEntry {
inline constexpr char RegisterPlugin[] = "RegisterPlugin";
inline constexpr char GetPluginOrder[] = "GetPluginOrder";
inline constexpr char GetMainName[] = "GetMainName";
inline constexpr char GetItemName[] = "GetItemName";
inline constexpr char GetItemHint[] = "GetItemHint";
inline constexpr char GetItemBitmap[] = "GetItemBitmap";
inline constexpr char GetItemCommand[] = "GetItemCommand";
inline constexpr char OnDataUpdate[] = "OnDataUpdate";
inline constexpr char LoadDataFromFile[] = "LoadDataFromFile";
inline constexpr char RegisterChangeDataEvent[] = "RegisterChangeDataEvent";
inline constexpr char GetDataManager[] = "GetDataManager";
} // namespace PluginEntry
