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
    const bool accepted = ExecuteCommonDialog(this, dialog);
    dialog_ = nullptr;
    return accepted;
}
