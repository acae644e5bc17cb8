#include "dialogs/OpenDialog.h"

#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QStringList QtNameFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString masks = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        const QString &name = parts[i];
        // A name that already shows its masks in parentheses keeps them; Qt reads the masks from there.
        if (name.endsWith(QStringLiteral("(%1)").arg(parts[i + 1])))
            result << name.left(name.lastIndexOf(u'(')) + "(" + masks + ")";
        else
            result << QStringLiteral("%1 (%2)").arg(name, masks);
    }
    return result;
}

TOpenDialog::TOpenDialog(TComponent *owner) : TComponent(owner) {}

TOpenDialog::~TOpenDialog() { delete dialog_.data(); }

void TOpenDialog::DoShow() { onShow_(this); }

bool TOpenDialog::SetControlText(int control, const QString &text)
{
    if (!dialog_)
        return false;
    controlTexts_[control] = text;
    const bool oldStyle = options_ & ofOldStyleDialog;
    switch (control) {
    case stc2:
        dialog_->setLabelText(QFileDialog::FileType, text);
        break;
    case stc3:
        dialog_->setLabelText(QFileDialog::FileName, text);
        break;
    case stc4:
        if (!oldStyle)
            dialog_->setLabelText(QFileDialog::LookIn, text);
        break;
    case stcNoId:
        if (oldStyle)
            dialog_->setLabelText(QFileDialog::LookIn, text);
        break;
    case IDOK_BUTTON:
        dialog_->setLabelText(QFileDialog::Accept, text);
        break;
    case IDCANCEL_BUTTON:
        dialog_->setLabelText(QFileDialog::Reject, text);
        break;
    default:
        break;
    }
    return true;
}

bool TOpenDialog::Execute()
{
    const TForm *active = Screen->ActiveForm();
    QFileDialog dialog(active ? active->Widget() : nullptr, title_.isEmpty() ? QStringLiteral("Open") : title_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((options_ & ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = QtNameFilters(filter_);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(std::clamp(filterIndex_, 1, int(filters.size())) - 1));
    }
    if (!defaultExt_.isEmpty())
        dialog.setDefaultSuffix(defaultExt_);
    const QFileInfo current(fileName_);
    if (!initialDir_.isEmpty())
        dialog.setDirectory(initialDir_);
    else if (!fileName_.isEmpty() && current.dir().exists())
        dialog.setDirectory(current.absolutePath());
    if (!fileName_.isEmpty())
        dialog.selectFile(current.fileName());

    dialog_ = &dialog;
    controlTexts_.clear();
    DoShow();
    const bool accepted = ExecuteCommonDialog(this, dialog);
    dialog_ = nullptr;
    if (!accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName_ = QDir::toNativeSeparators(dialog.selectedFiles().first());
    filterIndex_ = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}
