#include "reports/PrintFailure.h"

#include "mainwindow/FormBuilder.h"
#include "mlMessageDialog.h"
#include "printing/Printer.h"

namespace {
// By TPrintFault.
const TLangPair Causes[] = {
    {"the folder does not exist", "папка не существует"},
    {"writing there is not permitted", "нет прав на запись"},
    {"the file cannot be written", "файл не удаётся записать"},
    {"the printer did not take the job", "принтер не принял задание"},
};
const TLangPair DefaultPrinter{"the default printer", "принтер по умолчанию"};
const TLangPair Message{"Cannot print to %1: %2.", "Не удалось выполнить печать (%1): %2."};
} // namespace

QString PrintFailureText(const EPrintFailed &failure, int language)
{
    const QString target = failure.Target().isEmpty() ? InLanguage(DefaultPrinter, language)
                                                      : u'"' + failure.Target() + u'"';
    return InLanguage(Message, language).arg(target, InLanguage(Causes[failure.Fault()], language));
}

void ShowPrintFailure(TmlCustomLang *lang, const EPrintFailed &failure)
{
    ShowMessageDlg(lang, PrintFailureText(failure, lang->ActiveLanguage()), mtError, MsgDlgButtons({mbOK}), 0);
}
