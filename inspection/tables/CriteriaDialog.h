#pragma once

#include "controls/ComboBox.h"
#include "forms/Form.h"
#include "tables/FieldSettings.h"

class TButton;
class TCheckBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPageControl;
class TPanel;
class TmlLangLinked;

// Edits the column settings of one table, a page a column (page index = column index): visibility, cell
// colours and the filter criterion. It works on the caller's array directly; the caller keeps or drops the
// result by the modal result.
class TfrmGridCrit : public TForm {
    Q_OBJECT
public:
    explicit TfrmGridCrit(TComponent *owner);

    TPanel *Panel2;
    TPageControl *pcFields;
    TPanel *pnControls;
    TCheckBox *ckbVisFld;
    TGroupBox *gbColors;
    TLabel *Label1;
    TComboBox *cbBGColor;
    TLabel *Label2;
    TComboBox *cbTextColor;
    TGroupBox *GroupBox1;
    TLabel *Label3;
    TComboBox *cbDataCrit;
    TEdit *edDataValue;
    TButton *btOK;
    TButton *btCancel;
    TButton *btHelp;
    TButton *btDefault;
    TmlLangLinked *mlLangLinked1;

    // The settings being edited, one a column; not owned.
    TFieldSettings *Settings = nullptr;

    void FormCreate(TObject *sender);
    void cbTextColorDrawItem(TWinControl *control, int index, TRect rect, TOwnerDrawState state);
    void pcFieldsChange(TObject *sender);
    void cbBGColorChange(TObject *sender);
    void ckbVisFldClick(TObject *sender);
    void btDefaultClick(TObject *sender);
    void btHelpClick(TObject *sender);
    void btOKClick(TObject *sender);

private:
    // The setting of the active page; null without one.
    TFieldSetting *ActiveSetting() const;
};
