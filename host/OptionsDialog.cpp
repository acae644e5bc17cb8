#include "OptionsDialog.h"

#include "LangEntry.h"
#include "MainWindow.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Label.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "forms/Application.h"
#include "mlDialog.h"
#include "mlLang.h"
#include "mlLngLnk.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

namespace {
TButton *NewButton(TForm *form, TWinControl *parent, const QString &name, int left, const QString &caption)
{
    auto *button = new TButton(form);
    button->SetName(name);
    button->SetParent(parent);
    button->SetBounds(left, 6, 75, 25);
    button->SetCaption(caption);
    return button;
}
} // namespace

TfrmOptions::TfrmOptions(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmOptions"));
    SetCaption(QStringLiteral("Options"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    SetClientWidth(309);
    SetClientHeight(168);
    SetHelpContext(10);

    PageControl1 = new TPageControl(this);
    PageControl1->SetName(QStringLiteral("PageControl1"));
    PageControl1->SetParent(this);
    PageControl1->SetBounds(4, 4, 301, 123);
    TabSheet1 = new TTabSheet(this);
    TabSheet1->SetName(QStringLiteral("TabSheet1"));
    TabSheet1->SetPageControl(PageControl1);
    TabSheet1->SetCaption(QStringLiteral("Data Manager"));

    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetParent(TabSheet1);
    Label1->SetLeft(8);
    Label1->SetTop(8);
    Label1->SetTransparent(true);
    Label1->SetCaption(QStringLiteral("&Default data file (leave empty for default):"));
    edFile = new TEdit(this);
    edFile->SetName(QStringLiteral("edFile"));
    edFile->SetParent(TabSheet1);
    edFile->SetBounds(8, 26, 225, 21);
    Label1->SetFocusControl(edFile);
    Button4 = new TButton(this);
    Button4->SetName(QStringLiteral("Button4"));
    Button4->SetParent(TabSheet1);
    Button4->SetBounds(238, 24, 51, 25);
    Button4->SetCaption(QStringLiteral("&Browse"));
    Button4->SetOnClick(MakeEvent<&TfrmOptions::Button4Click>(this));
    Label2 = new TLabel(this);
    Label2->SetName(QStringLiteral("Label2"));
    Label2->SetParent(TabSheet1);
    Label2->SetAutoSize(false);
    Label2->SetBounds(8, 56, 281, 32);
    Label2->SetWordWrap(true);
    Label2->SetTransparent(true);
    Label2->Font()->SetColor(clRed);
    Label2->SetCaption(QStringLiteral("(New data file name will be used only after application restart!)"));

    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->SetParent(this);
    Panel1->SetAlign(alBottom);
    Panel1->SetHeight(37);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetCaption(QString());
    Button1 = NewButton(this, Panel1, QStringLiteral("Button1"), 68, QStringLiteral("&OK"));
    Button1->SetDefault(true);
    // OK closes the dialog only when the data manager can take the name (Button1Click).
    Button1->SetOnClick(MakeEvent<&TfrmOptions::Button1Click>(this));
    Button2 = NewButton(this, Panel1, QStringLiteral("Button2"), 148, QStringLiteral("&Cancel"));
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);
    Button3 = NewButton(this, Panel1, QStringLiteral("Button3"), 228, QStringLiteral("&Help"));
    Button3->SetOnClick(MakeEvent<&TfrmOptions::Button3Click>(this));

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    const auto add = [this](TStrings *list, const QString &name, const QString &english, const QString &russian) {
        AddLangEntry(mlLangLinked1, list, name, english, russian);
    };
    TStrings *captions = mlLangLinked1->Captions();
    add(captions, "TfrmOptions", "Options", "Настройки");
    add(captions, "TabSheet1", "Data Manager", "Менеджер Данных");
    add(captions, "Label1", "&Default data file (leave empty for default):", "&Файл данных (пусто- по умолчанию):");
    add(captions, "Button4", "&Browse", "&Выбор");
    add(captions, "Label2", "(New data file name will be used only after application restart!)",
        "(Новый файл данных будет использован только после перезапуска приложения!)");
    add(captions, "Button1", "&OK", "&OK");
    add(captions, "Button2", "&Cancel", "О&тмена");
    add(captions, "Button3", "&Help", "&Помощь");
    add(mlLangLinked1->OtherStrings(), "mlOpenDialog1.Filter", "Text files (*.txt)|*.txt|All files (*.*)|*.*",
        "Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*");
    add(mlLangLinked1->OtherStrings(), "mlOpenDialog1.Title", "Select default data file...", "Выбор файла данных...");
    add(mlLangLinked1->Strings(), "sNotInCodePage",
        "The data manager takes the file name in the Windows-1251 code page, which has no place for these "
        "characters:\r\n%s\r\nChoose another name.",
        "Менеджер данных получает имя файла в кодовой странице Windows-1251, в которой нет этих символов:\r\n%s\r\n"
        "Выберите другое имя.");
    mlLangLinked1->SetNumOfLanguages(2);

    mlOpenDialog1 = new TmlOpenDialog(this);
    mlOpenDialog1->SetName(QStringLiteral("mlOpenDialog1"));
    mlOpenDialog1->SetFilter(QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*"));
    mlOpenDialog1->SetTitle(QStringLiteral("Select default data file..."));
    mlOpenDialog1->SetmlLang(mlLangLinked1);

    if (frmMain) {
        mlLangLinked1->SetLangDispatcher(frmMain->mlLangDispatcher1);
        mlLangLinked1->SetCommonContainer(frmMain->mlLang1);
    }
    EndLoading();
}

// The name crosses to the data manager in Windows-1251: a character the code page lacks would name another file.
// Such a name is refused by its characters and the dialog stays open. A name is taken as given, never composed:
// a file's name is its bytes, and a letter and a combining mark name another file than the one letter.
void TfrmOptions::Button1Click(TObject *)
{
    if (const QString outside = CharactersOutsideCp1251(edFile->Text()); !outside.isEmpty()) {
        Application->MessageBox(Format(mlLangLinked1->LookupString(QStringLiteral("sNotInCodePage")), {outside}),
                                Application->Title(), MB_OK | MB_ICONSTOP);
        return;
    }
    SetModalResult(mrOk);
}

void TfrmOptions::Button4Click(TObject *)
{
    mlOpenDialog1->SetFileName(edFile->Text());
    if (mlOpenDialog1->Execute())
        edFile->SetText(mlOpenDialog1->FileName());
}

void TfrmOptions::Button3Click(TObject *) { Application->HelpContext(HelpContext()); }
