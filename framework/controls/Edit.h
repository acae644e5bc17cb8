#pragma once

#include "controls/WinControl.h"

class QLineEdit;

// A one-line text field. OnChange runs after every change of the text, typed or set in code; MaxLength (0 = no
// limit) cuts typed text. A text set in code is shown from its beginning.
class TEdit : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TEdit(TComponent *owner);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    TNotifyEvent OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent event) { onChange_ = event; }

protected:
    QString GetText() const override;
    void TextChanged() override;

private:
    QLineEdit *LineEdit() const;
    int maxLength_ = 0;
    TNotifyEvent onChange_;
};
