#include "lumbraab_u.h"

#include "LangEntry.h"
#include "common_u.h"
#include "controls/Bevel.h"
#include "controls/Button.h"
#include "controls/Label.h"
#include "mlLabel.h"
#include "mlLngLnk.h"
#include "platform/MemoryStatus.h"
#include "platform/Shell.h"

#include <memory>

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

TfrmLumbraAbout::TfrmLumbraAbout(TComponent *owner, TmlCustomLang *commonLang) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmLumbraAbout"));
    SetCaption(QStringLiteral("About..."));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(330);
    SetClientHeight(224);
    SetHelpContext(20);

    Label1 = new TmlLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetParent(this);
    Label1->SetAutoSize(false);
    Label1->SetBounds(8, 8, 314, 40);
    Label1->SetCaption(QStringLiteral("LUMBRA Data Management"));
    Label1->Font()->SetName(QStringLiteral("Times New Roman"));
    Label1->Font()->SetStyle(fsBold);
    Label1->Font()->SetHeight(28);
    Label1->Font()->SetColor(clBlue);
    Label1->SetTextStyle(tsRaised);
    Label1->SetWordWrap(true);
    Label1->SetTransparent(true);

    Label3 = NewLabel(this, QStringLiteral("Label3"), 12, 58, QStringLiteral("Version 1.0"));
    Label4 = NewLabel(this, QStringLiteral("Label4"), 12, 80, MakerLine);
    Label5 = NewLabel(this, QStringLiteral("Label5"), 12, 100, MakerWebAddress);
    Label5->Font()->SetColor(clBlue);
    Label5->Font()->SetStyle(fsUnderline);
    Label5->SetCursor(crHandPoint);
    Label5->SetHint(QStringLiteral("Go to KELMAR's Home Page"));
    Label5->SetShowHint(true);
    Label5->SetOnClick(MakeEvent<&TfrmLumbraAbout::Label5Click>(this));

    Bevel1 = new TBevel(this);
    Bevel1->SetName(QStringLiteral("Bevel1"));
    Bevel1->SetParent(this);
    Bevel1->SetBounds(8, 124, 314, 2);
    Bevel1->SetShape(bsTopLine);

    Label6 = NewLabel(this, QStringLiteral("Label6"), 12, 134, QStringLiteral("Memory Available to Windows:"));
    PhysMem = NewLabel(this, QStringLiteral("PhysMem"), 12, 152, QStringLiteral("PhysMem"));
    Label7 = NewLabel(this, QStringLiteral("Label7"), 12, 174, QStringLiteral("Memory in Use:"));
    FreeRes = NewLabel(this, QStringLiteral("FreeRes"), 12, 192, QStringLiteral("FreeRes"));

    Button1 = new TButton(this);
    Button1->SetName(QStringLiteral("Button1"));
    Button1->SetParent(this);
    Button1->SetBounds(247, 191, 75, 25);
    Button1->SetCaption(QStringLiteral("&OK"));
    Button1->SetDefault(true);
    Button1->SetCancel(true);
    Button1->SetModalResult(mrOk);

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    const auto add = [this](TStrings *list, const QString &name, const QString &english, const QString &russian) {
        AddLangEntry(mlLangLinked1, list, name, english, russian);
    };
    add(mlLangLinked1->Captions(), "TfrmLumbraAbout", "About...", "О программе...");
    add(mlLangLinked1->Captions(), "Label1", "LUMBRA Data Management", "Управление данными ЛУМБРА");
    add(mlLangLinked1->Captions(), "Label3", "Version 1.0", "Версия 1.0");
    add(mlLangLinked1->Captions(), "Label6", "Memory Available to Windows:", "Доступная память:");
    add(mlLangLinked1->Captions(), "Label7", "Memory in Use:", "Используемая память:");
    add(mlLangLinked1->Captions(), "Button1", "&OK", "");
    add(mlLangLinked1->Hints(), "TfrmLumbraAbout", "", "");
    add(mlLangLinked1->Hints(), "Label5", "Go to KELMAR's Home Page", "Открыть домашнюю страницу компании Кельмар");
    mlLangLinked1->SetNumOfLanguages(2);
    if (commonLang) {
        mlLangLinked1->SetCommonContainer(commonLang);
        mlLangLinked1->SetLangDispatcher(commonLang->LangDispatcher());
    }

    SetOnCreate(MakeEvent<&TfrmLumbraAbout::FormCreate>(this));
    EndLoading();
}

void TfrmLumbraAbout::FormCreate(TObject *)
{
    TMemoryStatus status;
    GlobalMemoryStatus(status);
    PhysMem->SetCaption(PhysMemText(status));
    FreeRes->SetCaption(MemoryLoadText(status));
}

void TfrmLumbraAbout::Label5Click(TObject *)
{
    ShellExecute(Handle(), QStringLiteral("open"), Label5->Caption(), QString(), QString(), SW_SHOWNORMAL);
}

void ShowLumbraAbout(TmlCustomLang *commonLang)
{
    const std::unique_ptr<TfrmLumbraAbout> box(new TfrmLumbraAbout(nullptr, commonLang));
    box->ShowModal();
}
