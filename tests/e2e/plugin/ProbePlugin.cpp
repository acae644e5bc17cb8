// A plug-in for the end-to-end tests of the host, built several times with different definitions:
// PROBE_NAME (the library), PROBE_ORDER, PROBE_RAISES (naming its second item raises), PROBE_DATA (works on
// the shared data manager), PROBE_BLANK (a main name of blanks and control characters: it logs every question
// about its items, which a host must not ask). Its menu has a name and items in English and Russian, a glyph per item (coloured,
// white in its top-left corner) and a click handler; it writes clicks, data updates and what it finds in the
// data manager to the file named by ORMEL_TEST_PLUGIN_LOG. PROBE_FAILS_IN names an entry that fails, with an
// EInOutError or, with PROBE_THROWS_NUMBER, a number; PROBE_ITEMS sets the number of items.

#include "PluginContract.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "rtl/Codec1251.h"
#include "rtl/Exceptions.h"
#ifdef PROBE_DATA
#include "Records.h"
#endif

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
void Log(const QString &event)
{
    const char *fileName = std::getenv("ORMEL_TEST_PLUGIN_LOG");
    if (!fileName)
        return;
    if (FILE *file = std::fopen(fileName, "a")) {
        std::fprintf(file, "%s %s\n", PROBE_NAME, event.toUtf8().constData());
        std::fclose(file);
    }
}

void FailIn([[maybe_unused]] const char *entry)
{
#ifdef PROBE_FAILS_IN
    if (std::strcmp(entry, PROBE_FAILS_IN) != 0)
        return;
#ifdef PROBE_THROWS_NUMBER
    throw 42;
#else
    throw EInOutError(QStringLiteral("%1 fails in %2").arg(QLatin1String(PROBE_NAME), QLatin1String(entry)));
#endif
#endif
}

QByteArray text;
const char *Text(const QString &s)
{
    text = ToCp1251(s);
    return text.constData();
}

const char *InLanguage(std::int32_t lang, const QString &english, const QString &russian)
{
    return Text(lang == 2 ? russian : english);
}

#ifdef PROBE_DATA
constexpr int ItemCount = 3;
TDataManager **managerCell = nullptr;

// 1 reports the records, 2 deletes the first tuning, 3 adds the journal line of the file named by
// ORMEL_TEST_DATA_LINE.
void Command(int item)
{
    TDataManager *manager = managerCell ? *managerCell : nullptr;
    if (!manager) {
        Log(QStringLiteral("no manager"));
        return;
    }
    if (item == 2 && manager->TuningCount > 0)
        manager->DeleteTuning(manager->TuningMessages[0]);
    if (item == 3) {
        QFile file(qEnvironmentVariable("ORMEL_TEST_DATA_LINE"));
        const QByteArray line = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        manager->AddDataLine(line.constData(), qint32(line.size()));
    }
    Log(QStringLiteral("manager tunings=%1 images=%2 modified=%3")
            .arg(manager->TuningCount)
            .arg(manager->ImageCount)
            .arg(int(manager->Modified)));
}
#else
#ifdef PROBE_ITEMS
constexpr int ItemCount = PROBE_ITEMS;
#else
constexpr int ItemCount = 2;
#endif
void Command(int item) { Log(QStringLiteral("click %1").arg(item)); }
#endif

void ItemClick(void *data, TObject *) { Command(int(reinterpret_cast<std::intptr_t>(data))); }
} // namespace

ORMEL_EXPORT std::int32_t RegisterPlugin(HWND, TDataLineProc *, std::uint8_t *, TDataManager **dataManager,
                                         TmlLangDispatcher *)
{
    FailIn("RegisterPlugin");
#ifdef PROBE_DATA
    managerCell = dataManager;
#else
    (void)dataManager;
#endif
    return ItemCount;
}

ORMEL_EXPORT std::int32_t GetPluginOrder()
{
    FailIn("GetPluginOrder");
    return PROBE_ORDER;
}

// Logs a question the host should not ask a plug-in without a menu.
void Asked([[maybe_unused]] const char *entry)
{
#ifdef PROBE_BLANK
    Log(QStringLiteral("asked %1").arg(QLatin1String(entry)));
#endif
}

ORMEL_EXPORT const char *GetMainName(std::int32_t lang)
{
    FailIn("GetMainName");
#ifdef PROBE_BLANK
    return " \t\r ";
#endif
    return InLanguage(lang, QStringLiteral("&Probe %1").arg(PROBE_ORDER), QStringLiteral("&Зонд %1").arg(PROBE_ORDER));
}

ORMEL_EXPORT const char *GetItemName(std::int32_t item, std::int32_t lang)
{
    Asked("GetItemName");
#ifdef PROBE_RAISES
    if (item == 2)
        throw EConvertError(QStringLiteral("The probe cannot name item 2"));
#endif
    return InLanguage(lang, QStringLiteral("Item %1").arg(item), QStringLiteral("Пункт %1").arg(item));
}

ORMEL_EXPORT const char *GetItemHint(std::int32_t item, std::int32_t lang)
{
    Asked("GetItemHint");
    return InLanguage(lang, QStringLiteral("Probe hint %1").arg(item), QStringLiteral("Подсказка %1").arg(item));
}

ORMEL_EXPORT HBITMAP GetItemBitmap(std::int32_t item)
{
    Asked("GetItemBitmap");
    FailIn("GetItemBitmap");
    auto *glyph = new TBitmap;
    glyph->SetSize(16, 16);
    glyph->Canvas()->Brush()->SetColor(item == 1 ? clRed : clBlue);
    glyph->Canvas()->FillRect(Rect(0, 0, 16, 16));
    glyph->Canvas()->Brush()->SetColor(clWhite);
    glyph->Canvas()->FillRect(Rect(0, 0, 4, 4));
    return glyph->Handle();
}

ORMEL_EXPORT void GetItemCommand(TNotifyEvent *command, std::int32_t item)
{
    Asked("GetItemCommand");
    command->Code = &ItemClick;
    command->Data = reinterpret_cast<void *>(std::intptr_t(item));
}

ORMEL_EXPORT void OnDataUpdate() { Log(QStringLiteral("update")); }
