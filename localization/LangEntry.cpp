#include "LangEntry.h"

#include "classes/Strings.h"
#include "menus/Menus.h"
#include "mlLang.h"
#include "platform/Help.h"

namespace {
const QString HelpNotInstalled = QStringLiteral("sHelpNotInstalled");
} // namespace

void AddLangEntry(const TmlCustomLang *lang, TStrings *list, const QString &name, const QString &english,
                  const QString &russian)
{
    const QChar delim(lang->LangDelim());
    list->Add(name + delim + english + delim + russian + delim);
}

void AddMessageBoxCaptions(const TmlCustomLang *lang, TStrings *dialogs)
{
    static const struct {
        const char *Name, *English, *Russian;
    } captions[] = {
        {"Warning", "Warning", "Предупреждение"},
        {"Error", "Error", "Ошибка"},
        {"Information", "Information", "Информация"},
        {"Confirm", "Confirm", "Подтверждение"},
        {"Yes", "&Yes", "&Да"},
        {"No", "&No", "&Нет"},
        {"OK", "OK", "OK"},
        {"Cancel", "Cancel", "Отмена"},
        {"Abort", "&Abort", "&Прервать"},
        {"Retry", "&Retry", "По&втор"},
        {"Ignore", "&Ignore", "&Игнорировать"},
        {"All", "&All", "&Все"},
        {"No To All", "No To All", "Нет для всех"},
        {"Yes To All", "Yes To All", "Да для всех"},
        {"Help", "&Help", "&Помощь"},
    };
    for (const auto &caption : captions) {
        const QString name = QString::fromUtf8(caption.Name);
        for (int i = dialogs->Count() - 1; i >= 0; --i)
            if (dialogs->Strings(i).startsWith(name + QChar(lang->LangDelim())))
                dialogs->Delete(i);
        AddLangEntry(lang, dialogs, name, QString::fromUtf8(caption.English), QString::fromUtf8(caption.Russian));
    }
}

void AddHelpStrings(TmlCustomLang *lang)
{
    AddLangEntry(lang, lang->Strings(), HelpNotInstalled, QStringLiteral("The help file \"%1\" is not installed."),
                 QStringLiteral("Файл помощи \"%1\" не установлен."));
}

void ApplyHelpStrings(TmlCustomLang *lang)
{
    SetMissingHelpTexts(StripHotkey(lang->LookupListEntry(lang->DlgsCaptions(), QStringLiteral("Help"), true)),
                        lang->LookupString(HelpNotInstalled));
}
