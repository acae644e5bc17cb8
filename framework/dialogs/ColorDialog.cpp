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
    const bool accepted = ExecuteCommonDialog(this, dialog);
    if (accepted)
        color_ = QColorToColor(dialog.currentColor());
    return accepted;
}
