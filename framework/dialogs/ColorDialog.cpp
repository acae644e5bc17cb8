#include "dialogs/ColorDialog.h"

#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"

#include <QColorDialog>

TColorDialog::TColorDialog(TComponent *owner) : TComponent(owner) {}

bool TColorDialog::Execute()
{
    const TForm *active = Screen->ActiveForm();
    QColorDialog dialog(ColorToQColor(ColorToRGB(color_)), active ? active->Widget() : nullptr);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    int answer = 0;
    bool accepted = false;
    if (AnswerModal({mkCommonDialog, this, &dialog, dialog.windowTitle(), {}}, answer))
        accepted = answer != 0;
    else
        accepted = dialog.exec() == QDialog::Accepted;
    if (accepted)
        color_ = QColorToColor(dialog.currentColor());
    return accepted;
}
