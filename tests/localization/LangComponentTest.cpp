#include "LangTestSupport.h"
#include "mlLangTables.h"

#include "classes/Action.h"
#include "rtl/FormatSettings.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <memory>

using namespace langtest;

namespace {
const QChar D(1);

// A language component whose file loads fail half-way, after adding an entry.
class TFailingLang : public TmlLang {
    Q_OBJECT
public:
    using TmlLang::TmlLang;
    int LoadKindFromFile(TStringsType kind, const QString &, bool clearFirst) override
    {
        if (clearFirst)
            GetKindList(kind)->Clear();
        GetKindList(kind)->Add(Entry({"Half", "read"}));
        return -1;
    }
};
} // namespace

TEST(LangComponent, NewComponentHasOneLanguageTheMessageBoxCaptionsAndTheLocale)
{
    FormatSettingsGuard guard;
    FormatSettings.CurrencyString = "$";
    FormatSettings.ShortMonthNames[0] = "Jan";
    FormatSettings.ShortMonthNames[11] = "Dec";
    TComponent owner(nullptr);
    TmlLang lang(&owner);

    EXPECT_EQ(Lines(lang.LangNames()), QStringList{"Language N1"});
    EXPECT_EQ(lang.Language(), "Language N1");
    EXPECT_EQ(lang.ActiveLanguage(), 1);
    EXPECT_EQ(lang.NumOfLanguages(), 1);
    EXPECT_EQ(lang.LangDelim(), 1);
    EXPECT_EQ(lang.ChangedKind(), -1);
    EXPECT_EQ(lang.ChangingCursor(), -1);
    EXPECT_EQ(lang.TranslateType(), ttNoChange);
    EXPECT_EQ(lang.HoldingList(), nullptr);
    lang.SetVersion("v1");
    EXPECT_EQ(lang.Version(), "v4.9.3");

    ASSERT_EQ(lang.DlgsCaptions()->Count(), 15);
    EXPECT_EQ(lang.DlgsCaptions()->Strings(0), Entry({"Warning", "Warning"}));
    EXPECT_EQ(lang.DlgsCaptions()->Strings(4), Entry({"Yes", "&Yes"}));
    EXPECT_EQ(lang.DlgsCaptions()->Strings(12), Entry({"No To All", "N&o To All"}));
    EXPECT_EQ(lang.DlgsCaptions()->Strings(14), Entry({"Help", "&Help"}));

    ASSERT_EQ(lang.Locales()->Count(), 15);
    EXPECT_EQ(lang.Locales()->Strings(0), Entry({"Currency String", "$"}));
    EXPECT_EQ(lang.Locales()->Strings(2), Entry({"Decimal Separator", "."}));
    EXPECT_TRUE(lang.Locales()->Strings(11).startsWith(Entry({"Short Month Names"}) + "Jan,"));
    EXPECT_TRUE(lang.Locales()->Strings(11).endsWith(",Dec" + QString(D)));
    EXPECT_EQ(lang.InitialLocale(11).count(u','), 11);
    EXPECT_EQ(lang.InitialLocale(14).count(u','), 6);
}

TEST(LangComponent, OnlyOneLanguageComponentPerOwnerAndTheKindListsItPublishes)
{
    TComponent owner(nullptr);
    auto *first = new TmlLang(&owner);
    try {
        new TmlLang(&owner);
        FAIL() << "a second language component came into being";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), "Only one TmlCustomLang component per Form/DataModule allowed!");
    }
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), first);
    EXPECT_THROW(TmlLang(nullptr), Exception);

    EXPECT_EQ(first->GetKindList(stCaptions), first->Captions());
    EXPECT_EQ(first->GetKindList(stDlgsCaptions), first->DlgsCaptions());
    EXPECT_EQ(first->GetKindList(stCharSets), first->CharSets());
    EXPECT_EQ(first->GetKindList(stListView_TreeView_Items), nullptr);
    TComponent other(nullptr);
    TmlCustomLang custom(&other);
    for (int kind = 0; kind < StringsTypeCount; ++kind)
        EXPECT_EQ(custom.GetKindList(TStringsType(kind)), nullptr) << kind;
    EXPECT_TRUE(custom.IsStringListClass("TStringList"));
    EXPECT_TRUE(custom.IsStringListClass("tib_stringlist"));
    EXPECT_FALSE(custom.IsStringListClass("TStrings"));
}

TEST(LangComponent, NumberOfLanguagesNamesAndLanguage)
{
    TComponent owner(nullptr);
    TmlLang lang(&owner);
    TStringList names;
    names.Add("ENGLISH");
    names.Add("RUSSIAN");
    lang.SetNumOfLanguages(2);
    lang.SetLangNames(&names);
    EXPECT_EQ(lang.Language(), "ENGLISH");

    lang.SetNumOfLanguages(3);
    EXPECT_EQ(Lines(lang.LangNames()), QStringList({"ENGLISH", "RUSSIAN", "Language N3"}));
    lang.SetNumOfLanguages(1);
    EXPECT_EQ(Lines(lang.LangNames()), QStringList{"ENGLISH"});
    try {
        lang.SetNumOfLanguages(0);
        FAIL() << "0 languages accepted";
    } catch (const ELanguageError &e) {
        EXPECT_EQ(e.Message(), "0 - is not a valid property value !\rValue must be more than ZERO !");
    }
    EXPECT_EQ(lang.NumOfLanguages(), 1);
    EXPECT_THROW(lang.SetNumOfLanguages(-2), ELanguageError);

    lang.SetNumOfLanguages(2);
    lang.SetLangNames(&names);
    try {
        lang.SetLanguage("GERMAN");
        FAIL() << "a name outside LangNames accepted";
    } catch (const ELanguageError &e) {
        EXPECT_EQ(e.Message(), "Language name shall be included in LangNames property!");
    }
    // The switch names the language as LangNames spells it; a name of the active language stays as typed.
    lang.SetLanguage("russian");
    EXPECT_EQ(lang.Language(), "RUSSIAN");
    EXPECT_EQ(lang.ActiveLanguage(), 2);
    lang.SetLanguage("Russian");
    EXPECT_EQ(lang.Language(), "Russian");

    // Fewer names than the active language: the names are taken, the list's own error passes, Language stays.
    TStringList one;
    one.Add("ONLY");
    EXPECT_THROW(lang.SetLangNames(&one), EListError);
    EXPECT_EQ(Lines(lang.LangNames()), QStringList{"ONLY"});
    EXPECT_EQ(lang.Language(), "Russian");
}

TEST(LangComponent, DialogCaptionsFollowNeedAllDlgs)
{
    TComponent owner(nullptr);
    TmlLang lang(&owner);
    lang.SetNeedAllDlgs(true);
    ASSERT_EQ(lang.DlgsCaptions()->Count(), 79);
    EXPECT_EQ(lang.DlgsCaptions()->Strings(15), Entry({"Open", "&Open"}));
    EXPECT_EQ(lang.DlgsCaptions()->Strings(28), Entry({"|Solid", "|S&olid"}));
    EXPECT_EQ(lang.DlgsCaptions()->Strings(78), Entry({"Preview", "Preview"}));
    for (const QString &caption : DefaultDlgsCaptions)
        EXPECT_FALSE(caption.isEmpty());
    lang.SetNeedAllDlgs(false);
    EXPECT_EQ(lang.DlgsCaptions()->Count(), 15);

    // Any other count is the user's own choice of captions.
    for (int i = 0; i < 5; ++i)
        lang.DlgsCaptions()->Add(Entry({"Extra", "x"}));
    lang.SetNeedAllDlgs(true);
    EXPECT_EQ(lang.DlgsCaptions()->Count(), 20);
    lang.SetNeedAllDlgs(false);
    EXPECT_EQ(lang.DlgsCaptions()->Count(), 20);
}

TEST(LangComponent, LoadedNormalisesWhatTheFormRead)
{
    // Stored with TABs and LangDelim 9, which equals the published default and so was not written: the
    // component reads back with 1 and converts.
    {
        TfrmLangTest form(true);
        TmlLang *lang = form.Lang;
        lang->SetNumOfLanguages(2);
        lang->SetNeedAllDlgs(true);
        lang->SetOptions(loUseExtUDStrings);
        lang->Captions()->Add("TfrmLangTest\tForm\tФорма\t");
        lang->Hints()->Add("Button1\tPress\t\t");
        lang->OtherStrings()->Add("TfrmLangTest.HelpFile\ta.hlp\tb.hlp\t");
        while (lang->Locales()->Count() > 11)
            lang->Locales()->Delete(lang->Locales()->Count() - 1);
        EXPECT_EQ(lang->DlgsCaptions()->Count(), 15);
        form.EndLoading();

        EXPECT_EQ(lang->LangDelim(), 1);
        EXPECT_EQ(Lines(lang->Captions()), QStringList{Entry({"TfrmLangTest", "Form", "Форма"})});
        EXPECT_EQ(Lines(lang->Hints()), QStringList{Entry({"Button1", "Press", ""})});
        EXPECT_EQ(Lines(lang->OtherStrings()), QStringList{Entry({"TfrmLangTest.HelpFile", "a.hlp", "b.hlp"})});
        EXPECT_EQ(lang->DlgsCaptions()->Count(), 79);
        ASSERT_EQ(lang->Locales()->Count(), 15);
        EXPECT_EQ(lang->Locales()->Strings(11), Entry({"Short Month Names", lang->InitialLocale(11)}));
        EXPECT_EQ(lang->Locales()->Strings(14), Entry({"Long Day Names", lang->InitialLocale(14)}));
    }
    // LangDelim 9 written explicitly while reading is only stored; Loaded turns it into 1.
    {
        TfrmLangTest form(true);
        form.Lang->SetLangDelim(9);
        form.Lang->Captions()->Add("TfrmLangTest\tForm\t");
        EXPECT_EQ(form.Lang->LangDelim(), 9);
        form.EndLoading();
        EXPECT_EQ(form.Lang->LangDelim(), 1);
        EXPECT_EQ(form.Lang->Captions()->Strings(0), Entry({"TfrmLangTest", "Form"}));
    }
    // Common strings come from the dispatcher; the excluded properties go.
    {
        TfrmLangTest form(true);
        form.Lang->SetOptions(loUseExtCommonStrings);
        form.Lang->ExcludedProperties()->Add("Hint");
        form.Lang->Hints()->Add(Entry({"Button1", "Press"}));
        form.EndLoading();
        EXPECT_EQ(form.Lang->DlgsCaptions()->Count(), 0);
        EXPECT_EQ(form.Lang->Locales()->Count(), 0);
        EXPECT_EQ(form.Lang->Hints()->Count(), 0);
    }
}

TEST(LangComponent, ChangingTheDelimiterRewritesEveryKindList)
{
    TComponent owner(nullptr);
    TmlLang lang(&owner);
    lang.Strings()->Add(Entry({"IDS_0", "Hello", "Привет"}));
    lang.SetLangDelim(2);
    EXPECT_EQ(lang.Strings()->Strings(0), Entry({"IDS_0", "Hello", "Привет"}, QChar(2)));
    EXPECT_EQ(lang.DlgsCaptions()->Strings(4), Entry({"Yes", "&Yes"}, QChar(2)));
    EXPECT_EQ(lang.Locales()->Strings(0).count(QChar(2)), 2);
}

TEST(LangComponent, EntryTextsByName)
{
    TComponent owner(nullptr);
    TmlLang lang(&owner);
    TStrings *list = lang.Captions();
    list->Add(Entry({"Other", "x", "y"}));
    list->Add(Entry({"Name", "a", "b"}));
    lang.SetEntryText(list, "T", "name", 1);
    EXPECT_EQ(list->Strings(1), Entry({"Name", "T", "b"}));
    lang.SetEntryText(list, "U", "NAME", 2);
    EXPECT_EQ(list->Strings(1), Entry({"Name", "T", "U"}));
    lang.SetEntryText(list, "V", "Missing", 1);
    EXPECT_EQ(list->Strings(0), Entry({"Other", "x", "y"}));

    // Entries that end before the language's text keep their other texts.
    list->Add(Entry({"Short", "a"}));
    lang.SetEntryText(list, "B", "Short", 2);
    EXPECT_EQ(list->Strings(2), Entry({"Short", "a", "B"}));
    list->Add("Open" + QString(D) + "a");
    lang.SetEntryText(list, "C", "Open", 3);
    EXPECT_EQ(list->Strings(3), Entry({"Open", "a", "", "C"}));

    EXPECT_EQ(lang.GetNamedEntryText(list, "NAME", 2), "U");
    EXPECT_EQ(lang.GetNamedEntryText(list, "Name", 3), "");
    EXPECT_EQ(lang.GetNamedEntryText(list, "Nobody", 1), "");
}

TEST(LangComponent, SweepMovesEntriesOfVanishedComponentsAndDropsActionLinkedOnes)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    TBasicAction action(&form);
    auto *linked = new TButton(&form);
    linked->SetName("Linked");
    linked->SetAction(&action);
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Form", "Форма"}), Entry({"Gone", "Old", "Старый"}),
                                Entry({"button1", "OK", "Да"}), Entry({"Linked", "Go", "Пуск"})});
    lang->SweepKindList(lang->Captions(), stCaptions);
    EXPECT_EQ(Lines(lang->Captions()),
              QStringList({Entry({"TfrmLangTest", "Form", "Форма"}), Entry({"button1", "OK", "Да"})}));
    ASSERT_NE(lang->HoldingList(), nullptr);
    EXPECT_EQ(Lines(lang->HoldingList()), QStringList{Entry({"Gone", "Old", "Старый"})});

    // Component.Property kinds keep the owner's own class-named entries.
    SetLines(lang->OtherStrings(), {Entry({"TfrmLangTest.HelpFile", "a"}), Entry({"Gone.Text", "b"}),
                                    Entry({"Memo1.Text", "c"})});
    lang->SweepKindList(lang->OtherStrings(), stOtherStrings);
    EXPECT_EQ(Lines(lang->OtherStrings()),
              QStringList({Entry({"TfrmLangTest.HelpFile", "a"}), Entry({"Memo1.Text", "c"})}));

    // Collection items: index 3 of three panels is gone, index 2 stays.
    SetLines(lang->Collections(), {Entry({"StatusBar1.Panels[3].Text", "d"}),
                                   Entry({"StatusBar1.Panels[2].Text", "e"}), Entry({"Gone.Panels[0].Text", "f"})});
    lang->SweepKindList(lang->Collections(), stCollections);
    EXPECT_EQ(Lines(lang->Collections()), QStringList{Entry({"StatusBar1.Panels[2].Text", "e"})});
    form.StatusBar1->Panels()->Add();
    lang->Collections()->Add(Entry({"StatusBar1.Panels[3].Text", "d"}));
    lang->SweepKindList(lang->Collections(), stCollections);
    EXPECT_EQ(lang->Collections()->Count(), 2);

    // Strings, dialog captions and locales name no component.
    lang->Strings()->Add(Entry({"IDS_0", "Hello"}));
    lang->SweepKindList(lang->Strings(), stStrings);
    lang->SweepKindList(lang->DlgsCaptions(), stDlgsCaptions);
    EXPECT_EQ(lang->Strings()->Count(), 1);
    EXPECT_EQ(lang->DlgsCaptions()->Count(), 15);

    // Not on a form, the first entry has no privilege.
    TComponent module(nullptr);
    TmlLang moduleLang(&module);
    moduleLang.Captions()->Add(Entry({"TComponent", "x"}));
    moduleLang.SweepKindList(moduleLang.Captions(), stCaptions);
    EXPECT_EQ(moduleLang.Captions()->Count(), 0);
}

TEST(LangComponent, RenamingAndRemovingComponentsKeepsTheListsInStep)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Form"}), Entry({"Button1", "OK"}),
                                Entry({"Button10", "Ten"})});
    lang->OtherStrings()->Add(Entry({"TfrmLangTest.HelpFile", "a.hlp"}));
    lang->RenameComponentEntries("frmLangTest", "frmMain");
    EXPECT_EQ(lang->Captions()->Strings(0), Entry({"TfrmMain", "Form"}));
    EXPECT_EQ(lang->OtherStrings()->Strings(0), Entry({"TfrmMain.HelpFile", "a.hlp"}));
    lang->RenameComponentEntries("Button1", "btnOk");
    EXPECT_EQ(Lines(lang->Captions()).mid(1), QStringList({Entry({"btnOk", "OK"}), Entry({"Button10", "Ten"})}));

    // At run time a removed component keeps its entries (the sweep holds them); at design time they go.
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Form"}), Entry({"Button1", "OK"})});
    lang->MultiLines()->Add(Entry({"Memo1.Lines", "a"}));
    lang->DoNotTranslate()->Add("Memo1");
    delete form.Memo1;
    EXPECT_EQ(lang->MultiLines()->Count(), 1);
    EXPECT_EQ(lang->DoNotTranslate()->Count(), 0);
    form.SetDesigning(true);
    lang->Fonts()->Add(Entry({"Button1", "Arial"}));
    lang->CharSets()->Add(Entry({"Button1", "RUSSIAN_CHARSET"}));
    delete form.Button1;
    EXPECT_EQ(Lines(lang->Captions()), QStringList{Entry({"TfrmLangTest", "Form"})});
    EXPECT_EQ(lang->Fonts()->Count(), 0);
    EXPECT_EQ(lang->CharSets()->Count(), 0);
}

TEST(LangComponent, DoNotTranslateAndExcludedPropertiesDropEntries)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.SetDesigning(true);
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Form"}), Entry({"Button1", "OK"})});
    lang->OtherStrings()->Add(Entry({"TfrmLangTest.HelpFile", "a.hlp"}));
    TStringList names;
    names.Add("button1");
    names.Add("TfrmLangTest");
    lang->SetDoNotTranslate(&names);
    EXPECT_EQ(lang->Captions()->Count(), 0);
    EXPECT_EQ(lang->OtherStrings()->Count(), 0);
    form.SetDesigning(false);

    SetLines(lang->MultiLines(), {Entry({"PageControl1.ActivePage", "x"}), Entry({"Memo1.Lines", "y"})});
    SetLines(lang->OtherStrings(), {Entry({"PageControl1.ActivePage", "x"}), Entry({"Memo1.Hint", "y"})});
    SetLines(lang->Collections(), {Entry({"Grid1.ActivePage[0].Text", "x"}), Entry({"StatusBar1.Panels[0].Text", "y"})});
    SetLines(lang->Strings(), {Entry({"IDS_0", "ActivePage"}), Entry({"IDS_1", "Other"})});
    lang->ExcludedProperties()->Add("activepage");
    lang->ApplyExcludedProperties();
    EXPECT_EQ(Lines(lang->MultiLines()), QStringList{Entry({"Memo1.Lines", "y"})});
    EXPECT_EQ(Lines(lang->OtherStrings()), QStringList{Entry({"Memo1.Hint", "y"})});
    EXPECT_EQ(Lines(lang->Collections()), QStringList{Entry({"StatusBar1.Panels[0].Text", "y"})});
    // A string entry has no property part: its first text stands in its place.
    EXPECT_EQ(Lines(lang->Strings()), QStringList{Entry({"IDS_1", "Other"})});

    lang->Fonts()->Add(Entry({"Button1", "Arial"}));
    lang->CharSets()->Add(Entry({"Button1", "ANSI_CHARSET"}));
    TStringList excluded;
    excluded.Add("Font");
    lang->SetExcludedProperties(&excluded);
    EXPECT_EQ(Lines(lang->ExcludedProperties()), QStringList{"Font"});
    EXPECT_EQ(lang->Fonts()->Count(), 0);
    EXPECT_EQ(lang->CharSets()->Count(), 0);
}

TEST(LangComponent, StaleEntriesGoWhenTheirPropertyIsNotPublished)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    SetLines(lang->OtherStrings(), {Entry({"TfrmLangTest.HelpFile", "a"}), Entry({"frmLangTest.NoSuch", "b"}),
                                    Entry({"Memo1.Hint", "c"}), Entry({"Gone.Text", "d"})});
    SetLines(lang->Collections(), {Entry({"StatusBar1.Panels[0].Text", "e"}), Entry({"StatusBar1.Bands[0].Text", "f"})});
    SetLines(lang->DisplayLabels(), {Entry({"Button1", "g"})});
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Form"}), Entry({"Memo1", "h"})});
    lang->RemoveStaleEntries();
    EXPECT_EQ(Lines(lang->OtherStrings()), QStringList({Entry({"TfrmLangTest.HelpFile", "a"}),
                                                        Entry({"Memo1.Hint", "c"}), Entry({"Gone.Text", "d"})}));
    EXPECT_EQ(Lines(lang->Collections()), QStringList{Entry({"StatusBar1.Panels[0].Text", "e"})});
    EXPECT_EQ(lang->DisplayLabels()->Count(), 0);
    EXPECT_EQ(Lines(lang->Captions()), QStringList{Entry({"TfrmLangTest", "Form"})});
}

TEST(LangComponent, ListWritesCopyAndApplyTheirKind)
{
    TfrmLangTest form;
    ChangeCounter applied;
    form.Lang->SetOnChangeLanguage(applied.Event());
    TStringList hints;
    hints.Add(Entry({"Button1", "Press", "Нажать"}));
    form.Lang->SetHints(&hints);
    EXPECT_EQ(Lines(form.Lang->Hints()), Lines(&hints));
    EXPECT_EQ(form.Lang->ChangedKind(), stHints);
    EXPECT_EQ(applied.Count, 1);
    form.Lang->SetHints(form.Lang->Hints());
    EXPECT_EQ(applied.Count, 1);
    form.Lang->SetDlgsCaptions(&hints);
    EXPECT_EQ(form.Lang->DlgsCaptions()->Count(), 1);
    EXPECT_EQ(form.Lang->ChangedKind(), stHints);
    EXPECT_EQ(applied.Count, 1);
    // No list at all empties the list.
    form.Lang->SetHints(nullptr);
    EXPECT_EQ(form.Lang->Hints()->Count(), 0);
    form.Lang->SetDoNotTranslate(nullptr);
    EXPECT_EQ(form.Lang->DoNotTranslate()->Count(), 0);
}

TEST(LangComponent, MergingKeepsTheEntriesTheFileLacks)
{
    TempDir dir;
    const QString file = dir.File("merge.lng");
    TfrmLangTest saved;
    SetLines(saved.Lang->Captions(), {Entry({"TfrmLangTest", "Form", "Форма"}), Entry({"Button1", "OK", "Да"})});
    saved.Lang->SaveToFile(file, "|");

    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Old", ""}), Entry({"Memo1", "Memo", "Мемо"})});
    EXPECT_FALSE(lang->MergeKindFromFile(stCaptions, dir.File("missing.lng")));
    EXPECT_FALSE(lang->MergeKindFromFile(stListView_TreeView_Items, file));
    ASSERT_TRUE(lang->MergeKindFromFile(stCaptions, file));
    EXPECT_EQ(Lines(lang->Captions()), QStringList({Entry({"TfrmLangTest", "Form", "Форма"}),
                                                    Entry({"Button1", "OK", "Да"}),
                                                    Entry({"Memo1", "Memo", "Мемо"})}));

    ChangeCounter applied;
    lang->SetOnChangeLanguage(applied.Event());
    EXPECT_FALSE(lang->MergeFromFile(dir.File("missing.lng")));
    EXPECT_FALSE(lang->FileLoading());
    EXPECT_EQ(applied.Count, 0);
    EXPECT_TRUE(lang->MergeFromFile(file));
    EXPECT_FALSE(lang->FileLoading());
    EXPECT_EQ(applied.Count, 1);
    EXPECT_EQ(lang->Captions()->Count(), 3);
    EXPECT_EQ(lang->DlgsCaptions()->Count(), 15);
    EXPECT_TRUE(lang->MergeFromFileNoApply(file));
    EXPECT_EQ(applied.Count, 1);

    // A load that fails half-way leaves the list exactly as it was.
    TComponent owner(nullptr);
    TFailingLang failing(&owner);
    failing.Captions()->Add(Entry({"Kept", "k"}));
    EXPECT_FALSE(failing.MergeKindFromFile(stCaptions, file));
    EXPECT_EQ(Lines(failing.Captions()), QStringList{Entry({"Kept", "k"})});
    EXPECT_FALSE(failing.MergeFromFile(file));
    EXPECT_FALSE(failing.FileLoading());
}

#include "LangComponentTest.moc"
