#include "controls/Memo.h"

#include "forms/Application.h"

#include <QPlainTextEdit>

TMemo::TMemo(TComponent *owner) : TWinControl(owner, new QPlainTextEdit), lines_(new TStringList)
{
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    lines_->SetOnChange(MakeEvent<&TMemo::LinesChanged>(this));
    QObject::connect(Editor(), &QPlainTextEdit::textChanged, this,
                     [this] { CallHandler(this, [this] { EditorChanged(); }); });
}

TMemo::~TMemo() { lines_->SetOnChange({}); }

QPlainTextEdit *TMemo::Editor() const { return static_cast<QPlainTextEdit *>(Widget()); }

bool TMemo::ReadOnly() const { return Editor() && Editor()->isReadOnly(); }

void TMemo::SetReadOnly(bool readOnly)
{
    if (Editor())
        Editor()->setReadOnly(readOnly);
}

void TMemo::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    if (Editor())
        Editor()->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::LinesChanged(TObject *)
{
    if (syncing_ || !Editor())
        return;
    syncing_ = true;
    Editor()->setPlainText(lines_->ToStringList().join(u'\n'));
    syncing_ = false;
    onChange_(this);
}

void TMemo::EditorChanged()
{
    if (syncing_)
        return;
    syncing_ = true;
    lines_->BeginUpdate();
    lines_->Clear();
    const QString text = Editor()->toPlainText();
    if (!text.isEmpty())
        for (const QString &line : text.split(u'\n'))
            lines_->Add(line);
    lines_->EndUpdate();
    syncing_ = false;
    onChange_(this);
}
