// A plug-in for the host's tests, built several times with different definitions:
// PLUGIN_NAME, PLUGIN_ORDER, PLUGIN_DATA_UPDATE (exports OnDataUpdate), PLUGIN_NO_ITEM_HINT (lacks a required
// entry), PLUGIN_NOT_A_PLUGIN (every entry but RegisterPlugin), PLUGIN_ORDER_RAISES (GetPluginOrder raises). It
// links the framework and the contract as the real plug-ins do, and writes its load, unload and data updates to
// the file named by ORMEL_TEST_PLUGIN_LOG.

#include "DeviceKinds.h"
#include "PluginContract.h"
#include "classes/Strings.h"
#include "rtl/Codec1251.h"
#include "rtl/Exceptions.h"

#include <cstdio>
#include <cstdlib>

namespace {
void Log(const char *event)
{
    const char *fileName = std::getenv("ORMEL_TEST_PLUGIN_LOG");
    if (!fileName)
        return;
    if (FILE *file = std::fopen(fileName, "a")) {
        std::fprintf(file, "%s %s\n", event, PLUGIN_NAME);
        std::fclose(file);
    }
}

struct TState {
    TState()
    {
        Log("load");
        items = new TStringList;
        items->SetCommaText("First,Second");
    }
    ~TState()
    {
        delete items;
        Log("unload");
    }
    const char *Text(const QString &s)
    {
        text = ToCp1251(s);
        return text.constData();
    }
    TStringList *items;
    QByteArray text;
} state;

bool ValidItem(std::int32_t item) { return item >= 1 && item <= state.items->Count(); }
} // namespace

#ifndef PLUGIN_NOT_A_PLUGIN
ORMEL_EXPORT std::int32_t RegisterPlugin(HWND, TDataLineProc *, std::uint8_t *isDataManager, TDataManager **,
                                         TmlLangDispatcher *)
{
    *isDataManager = PLUGIN_ORDER < 0;
    return state.items->Count();
}
#endif

ORMEL_EXPORT std::int32_t GetPluginOrder()
{
#ifdef PLUGIN_ORDER_RAISES
    throw EConvertError(QStringLiteral("no order"));
#endif
    return PLUGIN_ORDER;
}

ORMEL_EXPORT const char *GetMainName(std::int32_t) { return PLUGIN_ORDER < 0 ? "" : PLUGIN_NAME; }

ORMEL_EXPORT const char *GetItemName(std::int32_t item, std::int32_t)
{
    return ValidItem(item) ? state.Text(state.items->Strings(item - 1)) : "";
}

#ifndef PLUGIN_NO_ITEM_HINT
// The device kind of this module's own constant table, so tests see that every module agrees on it.
ORMEL_EXPORT const char *GetItemHint(std::int32_t item, std::int32_t)
{
    return ValidItem(item) ? state.Text(DeviceKindNames[item % 2]) : "";
}
#endif

ORMEL_EXPORT HBITMAP GetItemBitmap(std::int32_t) { return nullptr; }

ORMEL_EXPORT void GetItemCommand(TNotifyEvent *command, std::int32_t item)
{
    command->Code = nullptr;
    command->Data = reinterpret_cast<void *>(std::intptr_t(item));
}

#ifdef PLUGIN_DATA_UPDATE
ORMEL_EXPORT void OnDataUpdate() { Log("update"); }
#endif
