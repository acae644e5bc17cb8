#pragma once

#include "controls/WinControl.h"

class QSpinBox;

// A number field with up and down arrows. Value stays within MinValue .. MaxValue unless the two are equal,
// which means no limits. OnChange runs after every change of the text, typed or set in code.
class TSpinEdit : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TSpinEdit(TComponent *owner);

    int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    int Value() const;
    void SetValue(int value);
    int Increment() const;
    void SetIncrement(int increment);

    TNotifyEvent OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent event) { onChange_ = event; }

protected:
    QString GetText() const override;
    void TextChanged() override;

private:
    QSpinBox *Spin() const;
    void ApplyLimits();

    int minValue_ = 0;
    int maxValue_ = 0;
    TNotifyEvent onChange_;
};
