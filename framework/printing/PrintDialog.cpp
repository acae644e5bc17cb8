#include "printing/PrintDialog.h"

#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"
#include "printing/Printer.h"

#include <QPrintDialog>

TPrintDialog::TPrintDialog(TComponent *owner) : TComponent(owner) {}

bool TPrintDialog::Execute()
{
    const TForm *active = Screen->ActiveForm();
    QPrinter *printer = Printer()->QtPrinter();
    ApplyPrintToPdf(printer);
    QPrintDialog dialog(printer, active ? active->Widget() : nullptr);
    dialog_ = &dialog;
    int answer = 0;
    bool accepted = false;
    if (AnswerModal({mkCommonDialog, this, &dialog, dialog.windowTitle(), {}}, answer))
        accepted = answer != 0;
    else
        accepted = dialog.exec() == QDialog::Accepted;
    dialog_ = nullptr;
    return accepted;
}
