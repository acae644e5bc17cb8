#include "about.h"

#include "LangEntry.h"
#include "common_u.h"
#include "controls/Bevel.h"
#include "controls/Button.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "graphics/Bitmap.h"
#include "main.h"
#include "mlLabel.h"
#include "mlLang.h"
#include "mlLangDispatcher.h"
#include "platform/MemoryStatus.h"
#include "platform/Shell.h"

namespace {
TLabel *NewLabel(TForm *form, const QString &name, int left, int top, const QString &caption)
{
    auto *label = new TLabel(form);
    label->SetName(name);
    label->SetParent(form);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}
} // namespace

TfrmAbout::TfrmAbout(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmAbout"));
    SetCaption(QStringLiteral("About..."));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(442);
    SetClientHeight(332);
    SetHelpContext(20);

    mlLabel1 = new TmlLabel(this);
    mlLabel1->SetName(QStringLiteral("mlLabel1"));
    mlLabel1->SetParent(this);
    mlLabel1->SetAutoSize(false);
    mlLabel1->SetBounds(214, 8, 225, 81);
    mlLabel1->SetCaption(QStringLiteral("Ormel Software Environment"));
    mlLabel1->Font()->SetName(QStringLiteral("Times New Roman"));
    mlLabel1->Font()->SetStyle(fsBold);
    mlLabel1->Font()->SetHeight(35);
    mlLabel1->Font()->SetColor(clBlue);
    mlLabel1->SetTextStyle(tsRaised);
    mlLabel1->SetWordWrap(true);
    mlLabel1->SetTransparent(true);

    Label3 = NewLabel(this, QStringLiteral("Label3"), 218, 100, QStringLiteral("Version 1.03"));
    Label4 = NewLabel(this, QStringLiteral("Label4"), 218, 122, MakerLine);
    Label5 = NewLabel(this, QStringLiteral("Label5"), 218, 144, MakerWebAddress);
    Label5->Font()->SetColor(clBlue);
    Label5->Font()->SetStyle(fsUnderline);
    Label5->SetCursor(crHandPoint);
    Label5->SetHint(QStringLiteral("Go to KELMAR's Home Page"));
    Label5->SetShowHint(true);
    Label5->SetOnClick(MakeEvent<&TfrmAbout::Label5Click>(this));

    Bevel1 = new TBevel(this);
    Bevel1->SetName(QStringLiteral("Bevel1"));
    Bevel1->SetParent(this);
    Bevel1->SetBounds(216, 168, 218, 2);
    Bevel1->SetShape(bsTopLine);

    Label6 = NewLabel(this, QStringLiteral("Label6"), 218, 182, QStringLiteral("Memory Available to Windows:"));
    PhysMem = NewLabel(this, QStringLiteral("PhysMem"), 218, 200, QStringLiteral("PhysMem"));
    Label7 = NewLabel(this, QStringLiteral("Label7"), 218, 226, QStringLiteral("Memory in Use:"));
    FreeRes = NewLabel(this, QStringLiteral("FreeRes"), 218, 244, QStringLiteral("FreeRes"));

    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->SetParent(this);
    Panel1->SetBounds(3, 3, 205, 326);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetCaption(QString());

    Image1 = new TImage(this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->SetParent(Panel1);
    Image1->SetBounds(2, 2, 201, 322);
    Image1->Picture()->Bitmap()->LoadFromResourceName(QStringLiteral("ABOUT"));

    Button1 = new TButton(this);
    Button1->SetName(QStringLiteral("Button1"));
    Button1->SetParent(this);
    Button1->SetBounds(359, 299, 75, 25);
    Button1->SetCaption(QStringLiteral("&OK"));
    Button1->SetDefault(true);
    Button1->SetCancel(true);
    Button1->SetModalResult(mrOk);

    mlLang1 = new TmlLang(this);
    mlLang1->SetName(QStringLiteral("mlLang1"));
    mlLang1->SetLangDelim(2);
    const auto add = [this](TStrings *list, const QString &name, const QString &english, const QString &russian) {
        AddLangEntry(mlLang1, list, name, english, russian);
    };
    add(mlLang1->Captions(), "TfrmAbout", "About...", "О программе...");
    add(mlLang1->Captions(), "mlLabel1", "Ormel Software Environment", "");
    add(mlLang1->Captions(), "Label3", "Version 1.03", "Версия 1.03");
    add(mlLang1->Captions(), "Label6", "Memory Available to Windows:", "Доступная память:");
    add(mlLang1->Captions(), "Label7", "Memory in Use:", "Используемая память:");
    add(mlLang1->Captions(), "Button1", "&OK", "");
    add(mlLang1->Hints(), "TfrmAbout", "", "");
    add(mlLang1->Hints(), "Label5", "Go to KELMAR's Home Page", "Открыть домашнюю страницу компании Кельмар");
    mlLang1->SetNumOfLanguages(2);
    mlLang1->SetOptions(loUseExtCommonStrings);
    if (frmMain)
        mlLang1->SetLangDispatcher(frmMain->mlLangDispatcher1);

    SetOnCreate(MakeEvent<&TfrmAbout::FormCreate>(this));
    EndLoading();
}

void TfrmAbout::FormCreate(TObject *)
{
    TMemoryStatus status;
    GlobalMemoryStatus(status);
    PhysMem->SetCaption(PhysMemText(status));
    FreeRes->SetCaption(MemoryLoadText(status));
}

void TfrmAbout::Label5Click(TObject *)
{
    ShellExecute(Handle(), QStringLiteral("open"), Label5->Caption(), QString(), QString(), SW_SHOWNORMAL);
}
