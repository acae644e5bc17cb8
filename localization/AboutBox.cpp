#include "AboutBox.h"

#include "LangEntry.h"
#include "controls/Bevel.h"
#include "controls/Button.h"
#include "controls/Label.h"
#include "mlLabel.h"
#include "mlLang.h"
#include "platform/MemoryStatus.h"
#include "platform/Shell.h"

TmlLabel *TAboutBox::NewTitle(const QString &name, int left, int top, int width, int height, int fontHeight,
                              const QString &caption)
{
    title_ = new TmlLabel(this);
    title_->SetName(name);
    title_->SetParent(this);
    title_->SetAutoSize(false);
    title_->SetBounds(left, top, width, height);
    title_->SetCaption(caption);
    title_->Font()->SetName(QStringLiteral("Times New Roman"));
    title_->Font()->SetStyle(fsBold);
    title_->Font()->SetHeight(fontHeight);
    title_->Font()->SetColor(clBlue);
    title_->SetTextStyle(tsRaised);
    title_->SetWordWrap(true);
    title_->SetTransparent(true);
    return title_;
}

void TAboutBox::AddFigures(const TAboutLayout &layout, const QString &version, const QString &maker,
                           const QString &webAddress)
{
    Label3 = NewLabel(QStringLiteral("Label3"), layout.Left, layout.VersionTop, version);
    Label4 = NewLabel(QStringLiteral("Label4"), layout.Left, layout.MakerTop, maker);
    Label5 = NewLabel(QStringLiteral("Label5"), layout.Left, layout.LinkTop, webAddress);
    Label5->Font()->SetColor(clBlue);
    Label5->Font()->SetStyle(fsUnderline);
    Label5->SetCursor(crHandPoint);
    Label5->SetHint(QStringLiteral("Go to KELMAR's Home Page"));
    Label5->SetShowHint(true);
    Label5->SetOnClick(MakeEvent<&TAboutBox::Label5Click>(this));

    Bevel1 = new TBevel(this);
    Bevel1->SetName(QStringLiteral("Bevel1"));
    Bevel1->SetParent(this);
    Bevel1->SetBounds(layout.RuleLeft, layout.RuleTop, layout.RuleWidth, 2);
    Bevel1->SetShape(bsTopLine);

    Label6 = NewLabel(QStringLiteral("Label6"), layout.Left, layout.MemoryTop,
                      QStringLiteral("Memory Available to Windows:"));
    PhysMem = NewLabel(QStringLiteral("PhysMem"), layout.Left, layout.PhysMemTop, QStringLiteral("PhysMem"));
    Label7 = NewLabel(QStringLiteral("Label7"), layout.Left, layout.InUseTop, QStringLiteral("Memory in Use:"));
    FreeRes = NewLabel(QStringLiteral("FreeRes"), layout.Left, layout.FreeResTop, QStringLiteral("FreeRes"));
}

void TAboutBox::AddOkButton(int left, int top)
{
    Button1 = new TButton(this);
    Button1->SetName(QStringLiteral("Button1"));
    Button1->SetParent(this);
    Button1->SetBounds(left, top, 75, 25);
    Button1->SetCaption(QStringLiteral("&OK"));
    Button1->SetDefault(true);
    Button1->SetCancel(true);
    Button1->SetModalResult(mrOk);
}

void TAboutBox::AddLangEntries(TmlCustomLang *lang, const QString &titleRussian,
                               const QString &versionRussian)
{
    const QString boxClass = QString::fromLatin1(metaObject()->className());
    TStrings *captions = lang->Captions();
    AddLangEntry(lang, captions, boxClass, Caption(), "О программе...");
    AddLangEntry(lang, captions, title_->Name(), title_->Caption(), titleRussian);
    AddLangEntry(lang, captions, Label3->Name(), Label3->Caption(), versionRussian);
    AddLangEntry(lang, captions, Label6->Name(), Label6->Caption(), "Доступная память:");
    AddLangEntry(lang, captions, Label7->Name(), Label7->Caption(), "Используемая память:");
    AddLangEntry(lang, captions, Button1->Name(), Button1->Caption());
    TStrings *hints = lang->Hints();
    AddLangEntry(lang, hints, boxClass, QString());
    AddLangEntry(lang, hints, Label5->Name(), Label5->Hint(),
                 "Открыть домашнюю страницу компании Кельмар");
}

void TAboutBox::FormCreate(TObject *)
{
    TMemoryStatus status;
    GlobalMemoryStatus(status);
    PhysMem->SetCaption(PhysMemText(status));
    FreeRes->SetCaption(MemoryLoadText(status));
}

void TAboutBox::Label5Click(TObject *)
{
    ShellExecute(Handle(), QStringLiteral("open"), Label5->Caption(), QString(), QString(), SW_SHOWNORMAL);
}

TLabel *TAboutBox::NewLabel(const QString &name, int left, int top, const QString &caption)
{
    auto *label = new TLabel(this);
    label->SetName(name);
    label->SetParent(this);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}
