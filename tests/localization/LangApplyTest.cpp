#include "LangTestSupport.h"

#include "classes/Action.h"
#include "controls/ComboBox.h"
#include "graphics/Font.h"
#include "rtl/FormatSettings.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"
#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace langtest;

namespace {
// A component whose list property keeps its lines sorted.
class TSortedHolder : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TStrings *Names READ Names)
public:
    explicit TSortedHolder(TComponent *owner) : TComponent(owner) { names_.SetSorted(true); }
    TStrings *Names() { return &names_; }
    TStringList &List() { return names_; }

private:
    TStringList names_;
};
} // namespace

TEST(LangApply, AnEmptyTextLeavesThePropertyOrTakesTheFirstLanguagesText)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.Button1->SetCaption("Custom");
    form.Button1->SetHint("Own hint");
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "", ""}), Entry({"Button1", "OK", ""})});
    SetLines(lang->Hints(), {Entry({"TfrmLangTest", "", ""}), Entry({"Button1", "Press", "Нажать"})});
    lang->SetActiveLanguage(2);
    EXPECT_EQ(form.Button1->Caption(), "Custom");
    EXPECT_EQ(form.Button1->Hint(), "Нажать");

    lang->SetActiveLanguage(1);
    EXPECT_EQ(form.Button1->Caption(), "OK");
    form.Button1->SetCaption("Custom");
    lang->SetTranslateType(ttGetDefault);
    lang->SetActiveLanguage(2);
    EXPECT_EQ(form.Button1->Caption(), "OK");

    // An empty caption of the form leaves the form's caption too.
    form.SetCaption("Window");
    lang->SetTranslateType(ttNoChange);
    lang->SetActiveLanguage(1);
    EXPECT_EQ(form.Caption(), "Window");
}

TEST(LangApply, ActionLinkedAndParentFontControlsKeepWhatTheyHave)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.Button1->SetParent(&form);
    form.Memo1->SetParent(&form);
    TBasicAction action(&form);
    auto *linked = new TButton(&form);
    linked->SetName("Linked");
    linked->SetCaption("From action");
    linked->SetAction(&action);
    form.Memo1->Font()->SetName("Arial");
    form.Memo1->Font()->SetCharset(ANSI_CHARSET);
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "", ""}), Entry({"Linked", "Go", "Пуск"})});
    SetLines(lang->Fonts(), {Entry({"TfrmLangTest", "MS Sans Serif", "Tahoma"}), Entry({"Button1", "Arial", "Courier"}),
                             Entry({"Memo1", "Arial", "Arial Cyr"})});
    SetLines(lang->CharSets(), {Entry({"TfrmLangTest", "DEFAULT_CHARSET", "RUSSIAN_CHARSET"}),
                                Entry({"Button1", "ANSI_CHARSET", "GREEK_CHARSET"}),
                                Entry({"Memo1", "ANSI_CHARSET", "RUSSIAN_CHARSET"})});
    lang->SetActiveLanguage(2);

    EXPECT_EQ(linked->Caption(), "From action");
    EXPECT_EQ(Lines(lang->Captions()).filter("Linked"), QStringList());
    EXPECT_EQ(form.Font()->Name(), "Tahoma");
    EXPECT_EQ(form.Font()->Charset(), RUSSIAN_CHARSET);
    // A control that shows its parent's font follows the form, not its own entries.
    EXPECT_TRUE(form.Button1->ParentFont());
    EXPECT_EQ(form.Button1->Font()->Name(), "Tahoma");
    EXPECT_EQ(form.Button1->Font()->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(form.Memo1->Font()->Name(), "Arial Cyr");
    EXPECT_EQ(form.Memo1->Font()->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(form.Memo1->Widget()->font().family(), "Arial Cyr");
}

TEST(LangApply, LocalesGoToTheModulesSettingsByPositionOnlyWithChangeLocales)
{
    FormatSettingsGuard guard;
    FormatSettings.CurrencyString = "$";
    FormatSettings.ShortMonthNames[2] = "Mar";
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    SetLines(lang->Locales(), {Entry({"Currency String", "$", "р."}), Entry({"Not the name", ",", "."}),
                               Entry({"Decimal Separator", ".", ","})});
    for (int i = 4; i < 12; ++i)
        lang->Locales()->Add(Entry({"Item", "", ""}));
    lang->Locales()->Add(Entry({"Short Month Names", "", "янв,\"фев\""}));
    for (int i = 13; i < 16; ++i)
        lang->Locales()->Add(Entry({"Item", "", ""}));
    lang->Locales()->Add(Entry({"Beyond the table", "", "x"}));
    lang->SetActiveLanguage(2);
    EXPECT_EQ(FormatSettings.CurrencyString, "$");

    lang->SetActiveLanguage(1);
    lang->SetChangeLocales(true);
    lang->SetActiveLanguage(2);
    EXPECT_EQ(FormatSettings.CurrencyString, "р.");
    EXPECT_EQ(FormatSettings.ThousandSeparator, u'.');
    EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
    EXPECT_EQ(FormatSettings.ShortMonthNames[0], "янв");
    EXPECT_EQ(FormatSettings.ShortMonthNames[1], "фев");
    EXPECT_EQ(FormatSettings.ShortMonthNames[2], "Mar");
}

TEST(LangApply, ListsAreRefilledLineByLineKeepingSelectionAndOrder)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    auto *combo = new TComboBox(&form);
    combo->SetName("ComboBox1");
    SetLines(combo->Items(), {"One", "Two", "Three"});
    combo->SetItemIndex(1);
    auto *holder = new TSortedHolder(&form);
    holder->SetName("Holder1");
    SetLines(holder->Names(), {"a", "b"});
    SetLines(lang->MultiLines(),
             {Entry({"ComboBox1.Items", "One,Two,Three", "Один,Два"}), Entry({"Holder1.Names", "a,b", "в,б,а"})});
    lang->SetActiveLanguage(2);

    EXPECT_EQ(Lines(combo->Items()), QStringList({"Один", "Два"}));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Два");
    EXPECT_EQ(Lines(holder->Names()), QStringList({"а", "б", "в"}));
    EXPECT_TRUE(holder->List().Sorted());

    lang->SetActiveLanguage(1);
    EXPECT_EQ(Lines(combo->Items()), QStringList({"One", "Two", "Three"}));
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST(LangApply, CollectionItemsAndOtherStrings)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.StatusBar1->Panels()->Items(0)->SetText("Ready");
    form.SetHelpFile("ROSTREL.hlp");
    SetLines(lang->Collections(), {Entry({"StatusBar1.Panels[0].Text", "Ready", "Готово"}),
                                   Entry({"StatusBar1.Panels[1].Bogus", "x", "y"})});
    SetLines(lang->OtherStrings(), {Entry({"TfrmLangTest.HelpFile", "ROSTREL.hlp", "rostrel_ru.hlp"})});
    lang->SetActiveLanguage(2);
    EXPECT_EQ(form.StatusBar1->Panels()->Items(0)->Text(), "Готово");
    EXPECT_EQ(form.HelpFile(), "rostrel_ru.hlp");
    EXPECT_EQ(Lines(lang->Collections()).filter("Bogus"), QStringList());

    // A relative path is not written over the full path it names.
    const QString full = QDir::cleanPath(QDir::currentPath() + "/../help/rostrel_ru.hlp");
    SetLines(lang->OtherStrings(), {Entry({"TfrmLangTest.HelpFile", "ROSTREL.hlp", "../help/rostrel_ru.hlp"})});
    lang->SetActiveLanguage(1);
    form.SetHelpFile(full);
    lang->ApplyLanguage();
    EXPECT_EQ(form.HelpFile(), "ROSTREL.hlp");
    lang->SetActiveLanguage(2);
    form.SetHelpFile(full);
    lang->ApplyLanguage();
    EXPECT_EQ(form.HelpFile(), full);

    // An entry whose collection index is not a number (a hand-edited language file) is passed over and kept:
    // every later entry and every later switch still apply.
    SetLines(lang->Collections(), {Entry({"StatusBar1.Panels[x].Text", "a", "b"}),
                                   Entry({"StatusBar1.Panels[0].Text", "Ready", "Готово"})});
    EXPECT_NO_THROW(lang->ApplyLanguage());
    EXPECT_NO_THROW(lang->SetActiveLanguage(2));
    EXPECT_EQ(form.StatusBar1->Panels()->Items(0)->Text(), "Готово");
    EXPECT_NO_THROW(lang->SetActiveLanguage(1));
    EXPECT_EQ(form.StatusBar1->Panels()->Items(0)->Text(), "Ready");
    EXPECT_EQ(Lines(lang->Collections()).filter("[x]").size(), 1);
}

TEST(LangApply, AListWrittenInCodeNarrowsTheAppliesToItsKindUntilTheNextSwitch)
{
    TempDir dir;
    const QString file = dir.File("texts.lng");
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.Button1->SetCaption("OK");
    lang->SetActiveLanguage(2);
    TStringList hints;
    hints.Add(Entry({"TfrmLangTest", "", ""}));
    hints.Add(Entry({"Button1", "Press", "Нажать"}));
    lang->SetHints(&hints);
    EXPECT_EQ(form.Button1->Hint(), "Нажать");

    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "", ""}), Entry({"Button1", "OK", "Да"})});
    lang->SaveToFile(file, "|");
    lang->LoadFromFile(file, true);
    EXPECT_EQ(form.Button1->Caption(), "OK");

    lang->SetActiveLanguage(1);
    lang->SetActiveLanguage(2);
    EXPECT_EQ(form.Button1->Caption(), "Да");
}

#include "LangApplyTest.moc"
