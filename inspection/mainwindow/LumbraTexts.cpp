#include "mainwindow/LumbraTexts.h"

#include "LangEntry.h"
#include "mlLang.h"

namespace {
struct TTextEntry {
    const char *Name;
    const char *English;
    const char *Russian;
};

// In TLumbraText order.
constexpr TTextEntry TextEntries[LumbraTextCount] = {
    {"strSTUNSTAT", "Tunings: %d (%d hidden)", "Настройки: %d (%d скрыто)"},
    {"strSIMGSTAT", "Images: %d (%d hidden)", "Изображения: %d (%d скрыто)"},
    {"strSDELCONFIRM", "This operation can't be canceled.\r\nDelete selected record?",
     "Данная операция не может быть отменена.\r\nУдалить выбранную запись?"},
    {"strSDEVICETYPE", "Device type", "Тип прибора"},
    {"strSDEVICENUMBER", "Device number", "Номер прибора"},
    {"strSIMAGEID", "Image ID", "ID изображения"},
    {"strSTUNINGID", "Tuning ID", "ID настройки"},
    {"strSNAME", "Name", "Название"},
    {"strSBEGINDATE", "Inspection started at", "Дата начала"},
    {"strSENDDATE", "Inspection ended at", "Дата окончания"},
    {"strSSIZEX", "Size_X", "Размер по X"},
    {"strSSIZEY", "Size_Y", "Размер по Y"},
    {"strSSTEPX", "Step_X", "Шаг по X"},
    {"strSSTEPY", "Step_Y", "Шаг по Y"},
    {"strSIMAGETYPE", "Image type", "Тип изображения"},
    {"strSDATE", "Date", "Дата"},
    {"strSFREQUENCY", "Frequency", "Частота"},
    {"strSAMPLITUDE", "Gain", "Коэф-т усиления"},
    {"strSPERIOD", "Pulse", "Импульсы"},
    {"strSTRANSDUCERID", "Transducer ID", "ID преобразователя"},
    {"strSATTENUATION", "Attenuation", "Ослабление"},
    {"strSSTARTPNT", "Start-point", "Начало интервала"},
    {"strSENDPNT", "End-point", "Окончание интервала"},
    {"strSCOMMENTS", "Comments", "Замечания"},
    {"strControlMade", "Control has made", "Контроль произвел"},
    {"strConclusion", "Conclusion", "Заключение"},
    {"strSALWAYS", "Always", "Всегда"},
    {"strSLESSTHAN", "Less than", "Меньше, чем"},
    {"strSEQUALTO", "Equal to", "Равно"},
    {"strSMORETHAN", "More than", "Больше, чем"},
    {"strSLESSOREQUALTO", "Less or Equal to", "Меньше либо равно"},
    {"strSMOREOREQUALTO", "More or Equal to", "Больше либо равно"},
    {"strSNOTEQUALTO", "Not Equal to", "Отлично от"},
    {"strSCONTAINS", "Contains", "Содержит"},
};

// What the exports answer: main name, item names, item hints.
constexpr TTextEntry ExportEntries[] = {
    {"IDS_0", "&LUMBRA", "&ЛУМБРА"},
    {"IDS_1", "&Data management", "&Обработка данных"},
    {"IDS_2", "&SSSSS", ""},
    {"IDS_3", "&EEEE", ""},
    {"IDS_4", "Wrong Index!", ""},
    {"IDS_5", "View and edit LUMBRA data archive", "Просмотр и редактирование архива ЛУМБРА"},
    {"IDS_6", "Hint2.", ""},
    {"IDS_7", "Hint3.", ""},
};

std::array<QString, LumbraTextCount> Texts;
} // namespace

const QString &LumbraText(TLumbraText text) { return Texts[text]; }

void ReadLumbraTexts(TmlCustomLang *lang)
{
    for (int i = 0; i < LumbraTextCount; ++i)
        Texts[i] = lang->LookupString(QString::fromUtf8(TextEntries[i].Name));
}

void AddLumbraStrings(TmlCustomLang *lang)
{
    for (const TTextEntry &entry : ExportEntries)
        AddLangEntry(lang, lang->Strings(), entry.Name, QString::fromUtf8(entry.English),
                     QString::fromUtf8(entry.Russian));
    for (const TTextEntry &entry : TextEntries)
        AddLangEntry(lang, lang->Strings(), entry.Name, QString::fromUtf8(entry.English),
                     QString::fromUtf8(entry.Russian));
}
