#pragma once

#include "classes/Strings.h"
#include "controls/WinControl.h"

#include <memory>

class QPlainTextEdit;

// A multi-line text field whose lines are Lines. Its Text is the lines, each ended by CR LF.
class TMemo : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TStrings *Lines READ Lines WRITE SetLines)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

public:
    explicit TMemo(TComponent *owner);
    ~TMemo() override;

    TStrings *Lines() const { return lines_.get(); }
    void SetLines(TStrings *lines) { lines_->Assign(*lines); }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

    TNotifyEvent OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent event) { onChange_ = event; }

protected:
    QString GetText() const override { return lines_->Text(); }
    void TextChanged() override { lines_->SetText(text_); }

private:
    QPlainTextEdit *Editor() const;
    void LinesChanged(TObject *);
    void EditorChanged();

    std::unique_ptr<TStringList> lines_;
    bool wordWrap_ = true;
    bool syncing_ = false;
    TNotifyEvent onChange_;
};
