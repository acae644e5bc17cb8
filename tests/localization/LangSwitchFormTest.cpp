#include "LangTestSupport.h"

#include "controls/ComboBox.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "graphics/Font.h"
#include "menus/Menus.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"
#include "TempDir.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace langtest;

namespace {
QString Tabbed(std::initializer_list<QString> fields) { return Entry(fields, u'\t'); }

// English and, when the form carries them, Russian.
QString Texts(const QString &name, const QString &english, const QString &russian, bool withRussian)
{
    return Tabbed({name, english, withRussian ? russian : QString()});
}

// A window holding every kind of text, built as a form resource builds it: the language component's lists
// arrive filled, separated by TABs (a component whose delimiter was never changed), and it registers with
// the dispatcher when its reference is read.
class TfrmSwitchTest : public TForm {
    Q_OBJECT
public:
    TfrmSwitchTest(TmlLangDispatcher *dispatcher, bool withRussian) : TForm(nullptr)
    {
        BeginLoading();
        SetName("frmSwitchTest");
        SetCaption("Switch test");
        SetHint("Every kind of text");
        SetHelpFile("ROSTREL.hlp");

        auto *menu = new TMainMenu(this);
        menu->SetName("MainMenu1");
        SetMenu(menu);
        File1 = MenuItem(menu->Items(), "File1", "&File", "File operations");
        Open1 = MenuItem(File1, "Open1", "&Open...", "Open a file");
        N1 = MenuItem(File1, "N1", "-", "");
        Exit1 = MenuItem(File1, "Exit1", "E&xit", "Close the window");

        Label1 = new TLabel(this);
        Label1->SetName("Label1");
        Label1->SetParent(this);
        Label1->SetCaption("&Name:");
        Button1 = new TButton(this);
        Button1->SetName("Button1");
        Button1->SetParent(this);
        Button1->SetCaption("&OK");
        Button1->SetHint("Confirm|Confirm the choice");
        ComboBox1 = new TComboBox(this);
        ComboBox1->SetName("ComboBox1");
        ComboBox1->SetParent(this);
        SetLines(ComboBox1->Items(), {"Red", "Green", "Blue"});
        ComboBox1->SetItemIndex(1);
        Memo1 = new TMemo(this);
        Memo1->SetName("Memo1");
        Memo1->SetParent(this);
        Memo1->SetHint("Notes");
        SetLines(Memo1->Lines(), {"First line", "Second line"});
        Panel1 = new TPanel(this);
        Panel1->SetName("Panel1");
        Panel1->SetParent(this);
        Panel1->SetCaption("Keep");
        StatusBar1 = new TStatusBar(this);
        StatusBar1->SetName("StatusBar1");
        StatusBar1->SetParent(this);
        StatusBar1->Panels()->Add()->SetText("Ready");
        StatusBar1->Panels()->Add()->SetText("Records: 0");
        StatusBar1->Font()->SetName("Tahoma");
        StatusBar1->Font()->SetCharset(RUSSIAN_CHARSET);

        Lang = new TmlLang(this);
        Lang->SetName("mlLang1");
        Lang->SetNumOfLanguages(2);
        SetLines(Lang->LangNames(), {"ENGLISH", "RUSSIAN"});
        Lang->SetLanguage("ENGLISH");
        Lang->SetChangeLocales(true);
        SetLines(Lang->DoNotTranslate(), {"PANEL1"});
        const bool ru = withRussian;
        SetLines(Lang->Captions(), {Texts("TfrmSwitchTest", "Switch test", "Проверка переключения", ru),
                                    Texts("File1", "&File", "&Файл", ru), Texts("Open1", "&Open...", "&Открыть...", ru),
                                    Texts("Exit1", "E&xit", "В&ыход", ru), Texts("Label1", "&Name:", "&Имя:", ru),
                                    Texts("Button1", "&OK", "&Да", ru), Texts("Panel1", "Keep", "Не трогать", ru)});
        SetLines(Lang->Hints(), {Texts("TfrmSwitchTest", "Every kind of text", "Все виды текстов", ru),
                                 Texts("File1", "File operations", "Действия с файлами", ru),
                                 Texts("Button1", "Confirm|Confirm the choice", "Подтвердить|Подтвердить выбор", ru),
                                 Texts("Memo1", "Notes", "Заметки\r\nв две строки", ru)});
        SetLines(Lang->Fonts(),
                 {Texts("TfrmSwitchTest", "MS Sans Serif", "Tahoma", ru), Texts("StatusBar1", "Tahoma", "", ru)});
        SetLines(Lang->CharSets(), {Texts("TfrmSwitchTest", "DEFAULT_CHARSET", "RUSSIAN_CHARSET", ru),
                                    Texts("StatusBar1", "RUSSIAN_CHARSET", "RUSSIAN_CHARSET", ru)});
        SetLines(Lang->MultiLines(),
                 {Texts("ComboBox1.Items", "Red,Green,Blue", "Красный,Зелёный,Синий", ru),
                  Texts("Memo1.Lines", "\"First line\",\"Second line\"", "\"Первая строка\",\"Вторая строка\"", ru)});
        SetLines(Lang->OtherStrings(), {Texts("TfrmSwitchTest.HelpFile", "ROSTREL.hlp", "rostrel_ru.hlp", ru)});
        SetLines(Lang->Collections(), {Texts("StatusBar1.Panels[0].Text", "Ready", "Готово", ru),
                                       Texts("StatusBar1.Panels[1].Text", "Records: 0", "Записей: 0", ru)});
        SetLines(Lang->Strings(), {Texts("IDS_0", "All plugins loaded.", "Все модули загружены.", ru)});
        SetLines(Lang->Locales(),
                 {Texts("Currency String", "$", "р.", ru), Texts("Thousand Separator", ",", " ", ru),
                  Texts("Decimal Separator", ".", ",", ru), Texts("Date Separator", "/", ".", ru),
                  Texts("Short Date Format", "M/d/yyyy", "dd.MM.yyyy", ru),
                  Texts("Long Date Format", "dddd, MMMM d, yyyy", "d MMMM yyyy", ru),
                  Texts("Time Separator", ":", ":", ru), Texts("Time AM String", "AM", "", ru),
                  Texts("Time PM String", "PM", "", ru), Texts("Short Time Format", "h:mm AMPM", "H:mm", ru),
                  Texts("Long Time Format", "h:mm:ss AMPM", "H:mm:ss", ru),
                  Texts("Short Month Names", "Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec",
                        "янв,фев,мар,апр,май,июн,июл,авг,сен,окт,ноя,дек", ru),
                  Texts("Long Month Names",
                        "January,February,March,April,May,June,July,August,September,October,November,December",
                        "январь,февраль,март,апрель,май,июнь,июль,август,сентябрь,октябрь,ноябрь,декабрь", ru),
                  Texts("Short Day Names", "Sun,Mon,Tue,Wed,Thu,Fri,Sat", "Вс,Пн,Вт,Ср,Чт,Пт,Сб", ru),
                  Texts("Long Day Names", "Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday",
                        "воскресенье,понедельник,вторник,среда,четверг,пятница,суббота", ru)});
        Lang->SetLangDispatcher(dispatcher);
        EndLoading();
    }

    TMenuItem *File1;
    TMenuItem *Open1;
    TMenuItem *N1;
    TMenuItem *Exit1;
    TLabel *Label1;
    TButton *Button1;
    TComboBox *ComboBox1;
    TMemo *Memo1;
    TPanel *Panel1;
    TStatusBar *StatusBar1;
    TmlLang *Lang;

private:
    TMenuItem *MenuItem(TMenuItem *parent, const QString &name, const QString &caption, const QString &hint)
    {
        auto *item = new TMenuItem(this);
        item->SetName(name);
        item->SetCaption(caption);
        item->SetHint(hint);
        parent->Add(item);
        return item;
    }
};

struct Shown {
    QString Title, Hint, File, Open, Exit, Label, Button, ButtonHint, MemoHint, Memo, Panel, Status0, Status1, HelpFile;
    QStringList Combo;
    int ComboIndex;
    QString ComboText, FormFont, ButtonFont, StatusFont;
    int FormCharset, StatusCharset;
};

// What the window shows, read from the widgets where Qt shows the text and from the controls that paint it.
Shown Read(const TfrmSwitchTest &form)
{
    auto *combo = qobject_cast<QComboBox *>(form.ComboBox1->Widget());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return {form.Widget()->windowTitle(),
            form.Hint(),
            form.File1->QtAction()->text(),
            form.Open1->QtAction()->text(),
            form.Exit1->QtAction()->text(),
            form.Label1->Caption(),
            qobject_cast<QPushButton *>(form.Button1->Widget())->text(),
            form.Button1->Hint(),
            form.Memo1->Hint(),
            qobject_cast<QPlainTextEdit *>(form.Memo1->Widget())->toPlainText(),
            form.Panel1->Caption(),
            form.StatusBar1->Panels()->Items(0)->Text(),
            form.StatusBar1->Panels()->Items(1)->Text(),
            form.HelpFile(),
            items,
            combo->currentIndex(),
            combo->currentText(),
            form.Widget()->font().family(),
            form.Button1->Widget()->font().family(),
            form.StatusBar1->Widget()->font().family(),
            form.Font()->Charset(),
            form.StatusBar1->Font()->Charset()};
}

void ExpectEnglish(const TfrmSwitchTest &form)
{
    const Shown shown = Read(form);
    EXPECT_EQ(shown.Title, "Switch test");
    EXPECT_EQ(shown.Hint, "Every kind of text");
    EXPECT_EQ(shown.File, "&File");
    EXPECT_EQ(shown.Open, "&Open...");
    EXPECT_EQ(shown.Exit, "E&xit");
    EXPECT_EQ(shown.Label, "&Name:");
    EXPECT_EQ(shown.Button, "&OK");
    EXPECT_EQ(shown.ButtonHint, "Confirm|Confirm the choice");
    EXPECT_EQ(shown.MemoHint, "Notes");
    EXPECT_EQ(shown.Memo, "First line\nSecond line");
    EXPECT_EQ(shown.Panel, "Keep");
    EXPECT_EQ(shown.Status0, "Ready");
    EXPECT_EQ(shown.Status1, "Records: 0");
    EXPECT_EQ(shown.HelpFile, "ROSTREL.hlp");
    EXPECT_EQ(shown.Combo, QStringList({"Red", "Green", "Blue"}));
    EXPECT_EQ(shown.ComboIndex, 1);
    EXPECT_EQ(shown.ComboText, "Green");
    EXPECT_EQ(shown.FormFont, "MS Sans Serif");
    EXPECT_EQ(shown.ButtonFont, "MS Sans Serif");
    EXPECT_EQ(shown.StatusFont, "Tahoma");
    EXPECT_EQ(shown.FormCharset, DEFAULT_CHARSET);
    EXPECT_EQ(shown.StatusCharset, RUSSIAN_CHARSET);
}

void ExpectRussian(const TfrmSwitchTest &form)
{
    const Shown shown = Read(form);
    EXPECT_EQ(shown.Title, "Проверка переключения");
    EXPECT_EQ(shown.Hint, "Все виды текстов");
    EXPECT_EQ(shown.File, "&Файл");
    EXPECT_EQ(shown.Open, "&Открыть...");
    EXPECT_EQ(shown.Exit, "В&ыход");
    EXPECT_EQ(shown.Label, "&Имя:");
    EXPECT_EQ(shown.Button, "&Да");
    EXPECT_EQ(shown.ButtonHint, "Подтвердить|Подтвердить выбор");
    EXPECT_EQ(shown.MemoHint, "Заметки\r\nв две строки");
    EXPECT_EQ(shown.Memo, "Первая строка\nВторая строка");
    EXPECT_EQ(shown.Panel, "Keep");
    EXPECT_EQ(shown.Status0, "Готово");
    EXPECT_EQ(shown.Status1, "Записей: 0");
    EXPECT_EQ(shown.HelpFile, "rostrel_ru.hlp");
    EXPECT_EQ(shown.Combo, QStringList({"Красный", "Зелёный", "Синий"}));
    EXPECT_EQ(shown.ComboIndex, 1);
    EXPECT_EQ(shown.ComboText, "Зелёный");
    EXPECT_EQ(shown.FormFont, "Tahoma");
    EXPECT_EQ(shown.ButtonFont, "Tahoma");
    EXPECT_EQ(shown.StatusFont, "Tahoma");
    EXPECT_EQ(shown.FormCharset, RUSSIAN_CHARSET);
    EXPECT_EQ(shown.StatusCharset, RUSSIAN_CHARSET);
}

QStringList AllEntries(TmlLang *lang)
{
    QStringList entries;
    for (int kind = 0; kind < StringsTypeCount; ++kind)
        if (const TStrings *list = lang->GetKindList(TStringsType(kind)))
            entries << Lines(list) << QString();
    return entries;
}
} // namespace

TEST(LangSwitchForm, EnglishToRussianAndBackOnEveryKindOfText)
{
    FormatSettingsGuard guard;
    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    SetLines(dispatcher.LangNames(), {"ENGLISH", "RUSSIAN"});
    dispatcher.SetNumOfLanguages(2);
    TfrmSwitchTest form(&dispatcher, true);
    form.Show();
    EXPECT_EQ(form.Lang->LangDelim(), 1);
    EXPECT_EQ(form.Lang->Captions()->Strings(1), Entry({"File1", "&File", "&Файл"}));
    ExpectEnglish(form);

    dispatcher.SetActiveLanguage(2);
    ExpectRussian(form);
    EXPECT_EQ(form.Lang->Language(), "RUSSIAN");
    EXPECT_EQ(form.Lang->LookupString("ids_0"), "Все модули загружены.");
    EXPECT_EQ(form.N1->Caption(), "-");
    EXPECT_TRUE(form.N1->QtAction()->isSeparator());
    EXPECT_EQ(Lines(form.Lang->Captions()).filter(QStringLiteral("N1") + QChar(1)), QStringList());
    EXPECT_EQ(FormatSettings.CurrencyString, "р.");
    EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
    EXPECT_EQ(FormatSettings.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(FormatSettings.LongMonthNames[11], "декабрь");
    EXPECT_EQ(FormatSettings.ShortDayNames[1], "Пн");
    EXPECT_EQ(FormatSettings.TimeAMString, "AM");
    EXPECT_EQ(FormatFloat("#,###", 524288), "524 288");

    dispatcher.SetActiveLanguage(1);
    ExpectEnglish(form);
    EXPECT_EQ(FormatSettings.CurrencyString, "$");
    EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
    EXPECT_EQ(FormatSettings.LongMonthNames[11], "December");
    EXPECT_EQ(FormatFloat("#,###", 524288), "524,288");

    // Switching collects what the window shows; once collected, the lists stay as they are.
    const QStringList collected = AllEntries(form.Lang);
    dispatcher.SetActiveLanguage(2);
    dispatcher.SetActiveLanguage(1);
    EXPECT_EQ(AllEntries(form.Lang), collected);
    EXPECT_EQ(Lines(form.Lang->OtherStrings()).filter("ComboBox1.Text"),
              QStringList{Entry({"ComboBox1.Text", "Green", ""})});
}

TEST(LangSwitchForm, ALanguageFileCarriesTheRussianTextsToAnEnglishOnlyWindow)
{
    FormatSettingsGuard guard;
    TempDir dir;
    const QString file = dir.File("switch.lng");
    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    SetLines(dispatcher.LangNames(), {"ENGLISH", "RUSSIAN"});
    dispatcher.SetNumOfLanguages(2);
    {
        TfrmSwitchTest translated(&dispatcher, true);
        translated.Lang->SaveToFile(file, "^");
    }
    TfrmSwitchTest form(&dispatcher, false);
    dispatcher.SetActiveLanguage(2);
    EXPECT_EQ(Read(form).Title, "Switch test");

    dispatcher.SetActiveLanguage(1);
    form.Lang->LoadFromFile(file, true);
    ExpectEnglish(form);
    dispatcher.SetActiveLanguage(2);
    ExpectRussian(form);
    dispatcher.SetActiveLanguage(1);
    ExpectEnglish(form);
}

#include "LangSwitchFormTest.moc"
