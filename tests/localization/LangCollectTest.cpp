#include "LangTestSupport.h"

#include "classes/Action.h"
#include "graphics/Font.h"
#include "menus/Menus.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

using namespace langtest;

namespace {
const QChar D(1);

// A data module: an owner that is not a form, with a text of its own.
class TdmTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
public:
    TdmTexts() : TComponent(nullptr) { SetName("dmTexts"); }
    QString Title() const { return title_; }
    void SetTitle(const QString &title) { title_ = title; }

private:
    QString title_;
};

int IndexOfName(const TStrings *list, const QString &name)
{
    for (int i = 0; i < list->Count(); ++i)
        if (list->Strings(i).startsWith(name + D))
            return i;
    return -1;
}

QString EntryOf(const TStrings *list, const QString &name)
{
    const int index = IndexOfName(list, name);
    return index < 0 ? QString() : list->Strings(index);
}
} // namespace

TEST(LangCollect, TheFormsOwnEntriesComeFirstUnderItsClassName)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.SetCaption("Test form");
    form.SetHint("About the form");
    lang->CollectStrings();
    EXPECT_EQ(lang->Captions()->Strings(0), Entry({"TfrmLangTest", "Test form", ""}));
    EXPECT_EQ(lang->Hints()->Strings(0), Entry({"TfrmLangTest", "About the form", ""}));
    EXPECT_EQ(lang->Fonts()->Strings(0), Entry({"TfrmLangTest", "MS Sans Serif", ""}));
    EXPECT_EQ(lang->CharSets()->Strings(0), Entry({"TfrmLangTest", "DEFAULT_CHARSET", ""}));
    EXPECT_EQ(lang->OtherStrings()->Strings(0), Entry({"TfrmLangTest.HelpFile", "", ""}));

    // A first entry keyed by the form's name, or by another name that holds the caption, is re-keyed.
    SetLines(lang->Captions(), {Entry({"frmLangTest", "Test form", "Тест"})});
    SetLines(lang->Hints(), {Entry({"Renamed", "About the form", "О форме"})});
    lang->CollectStrings();
    EXPECT_EQ(lang->Captions()->Strings(0), Entry({"TfrmLangTest", "Test form", "Тест"}));
    EXPECT_EQ(lang->Hints()->Strings(0), Entry({"TfrmLangTest", "About the form", "О форме"}));

    // A first entry of a component gets the own entry in front of it.
    SetLines(lang->Captions(), {Entry({"Button1", "OK", "Да"})});
    lang->CollectStrings();
    EXPECT_EQ(Lines(lang->Captions()).mid(0, 2),
              QStringList({Entry({"TfrmLangTest", "Test form", ""}), Entry({"Button1", "OK", "Да"})}));

    // A new own font entry brings its character-set entry to the front, where the sweeps keep it, also when
    // only the components have character-set entries.
    lang->Fonts()->Clear();
    SetLines(lang->CharSets(), {Entry({"Button1", "RUSSIAN_CHARSET"})});
    lang->CollectStrings();
    EXPECT_EQ(lang->Fonts()->Strings(0), Entry({"TfrmLangTest", "MS Sans Serif", ""}));
    EXPECT_EQ(Lines(lang->CharSets()).mid(0, 2),
              QStringList({Entry({"TfrmLangTest", "DEFAULT_CHARSET", ""}), Entry({"Button1", "RUSSIAN_CHARSET"})}));

    // At run time the form's own entry takes the current caption in the active language, also an empty text.
    lang->SetActiveLanguage(2);
    form.SetCaption("Changed");
    lang->CollectStrings();
    EXPECT_EQ(lang->Captions()->Strings(0), Entry({"TfrmLangTest", "Test form", "Changed"}));
}

TEST(LangCollect, NewEntriesHoldTheCurrentValueAsTheFirstLanguagesText)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.Button1->SetCaption("OK");
    form.Button1->SetHint("Confirm");
    form.Button1->Font()->SetCharset(RUSSIAN_CHARSET);
    form.Memo1->Lines()->SetText("first line\r\nsecond");
    form.Memo1->Font()->SetCharset(5);
    form.StatusBar1->Panels()->Items(0)->SetText("Ready");
    lang->CollectStrings();
    // In another language too, the value goes to the first language's text.
    lang->SetActiveLanguage(2);
    auto *later = new TButton(&form);
    later->SetName("Button2");
    later->SetCaption("Later");
    lang->CollectStrings();
    EXPECT_EQ(EntryOf(lang->Captions(), "Button2"), Entry({"Button2", "Later", ""}));

    EXPECT_EQ(EntryOf(lang->Captions(), "Button1"), Entry({"Button1", "OK", ""}));
    EXPECT_EQ(EntryOf(lang->Hints(), "Button1"), Entry({"Button1", "Confirm", ""}));
    EXPECT_EQ(EntryOf(lang->Fonts(), "Button1"), Entry({"Button1", "MS Sans Serif", ""}));
    // A known character set by name, with one text only; an unknown one gets no entry.
    EXPECT_EQ(EntryOf(lang->CharSets(), "Button1"), Entry({"Button1", "RUSSIAN_CHARSET"}));
    EXPECT_EQ(IndexOfName(lang->CharSets(), "Memo1"), -1);
    EXPECT_EQ(Lines(lang->MultiLines()), QStringList{Entry({"Memo1.Lines", "\"first line\",second", ""})});
    EXPECT_EQ(Lines(lang->Collections()), QStringList({Entry({"StatusBar1.Panels[0].Text", "Ready", ""}),
                                                       Entry({"StatusBar1.Panels[1].Text", "", ""}),
                                                       Entry({"StatusBar1.Panels[2].Text", "", ""})}));
    // The owner's own other strings come before those of its components.
    EXPECT_EQ(Lines(lang->OtherStrings()),
              QStringList({Entry({"TfrmLangTest.HelpFile", "", ""}), Entry({"StatusBar1.SimpleText", "", ""})}));
    // A language component collects nothing of itself.
    EXPECT_EQ(IndexOfName(lang->Captions(), "mlLang1"), -1);
    EXPECT_EQ(IndexOfName(lang->Fonts(), "mlLang1"), -1);
    EXPECT_EQ(lang->HoldingList(), nullptr);
}

TEST(LangCollect, ExistingEntriesFollowTheirPropertiesOnlyInTheDesigner)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.Button1->SetCaption("OK");
    lang->Captions()->Add(Entry({"Button1", "OK", "Да"}));
    form.Button1->SetCaption("Okay");
    lang->CollectStrings();
    EXPECT_EQ(EntryOf(lang->Captions(), "Button1"), Entry({"Button1", "OK", "Да"}));

    form.SetDesigning(true);
    lang->CollectStrings();
    EXPECT_EQ(EntryOf(lang->Captions(), "Button1"), Entry({"Button1", "Okay", "Да"}));

    // In another language an empty text stays empty; a text that is there follows the property.
    lang->SetActiveLanguage(2);
    SetLines(lang->Captions(), {Entry({"Button1", "Okay", ""})});
    form.Button1->SetCaption("Fine");
    lang->CollectStrings();
    EXPECT_EQ(EntryOf(lang->Captions(), "Button1"), Entry({"Button1", "Okay", ""}));
    SetLines(lang->Captions(), {Entry({"Button1", "Okay", "Хорошо"})});
    lang->CollectStrings();
    EXPECT_EQ(EntryOf(lang->Captions(), "Button1"), Entry({"Button1", "Okay", "Fine"}));
}

TEST(LangCollect, TranslationsOfAVanishedComponentTravelToTheOneThatShowsItsText)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.Button1->SetCaption("OK");
    form.Button1->Font()->SetName("Arial");
    form.Button1->Font()->SetCharset(ANSI_CHARSET);
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "", ""}), Entry({"Button1", "OK", "Да"})});
    SetLines(lang->Fonts(), {Entry({"TfrmLangTest", "MS Sans Serif", ""}), Entry({"Button1", "Arial", "Arial Cyr"})});
    SetLines(lang->CharSets(),
             {Entry({"TfrmLangTest", "DEFAULT_CHARSET", ""}), Entry({"Button1", "ANSI_CHARSET", "RUSSIAN_CHARSET"})});
    delete form.Button1;
    auto *replacement = new TButton(&form);
    replacement->SetName("btOK");
    replacement->SetCaption("OK");
    replacement->Font()->SetName("Arial");
    lang->CollectStrings();

    EXPECT_EQ(Lines(lang->Captions()), QStringList({Entry({"TfrmLangTest", "", ""}), Entry({"btOK", "OK", "Да"})}));
    EXPECT_EQ(EntryOf(lang->Fonts(), "btOK"), Entry({"btOK", "Arial", "Arial Cyr"}));
    EXPECT_EQ(EntryOf(lang->CharSets(), "btOK"), Entry({"btOK", "ANSI_CHARSET", "RUSSIAN_CHARSET"}));
    EXPECT_EQ(IndexOfName(lang->Fonts(), "Button1"), -1);
    EXPECT_EQ(IndexOfName(lang->CharSets(), "Button1"), -1);
    EXPECT_EQ(lang->HoldingList(), nullptr);
}

TEST(LangCollect, SkipsSeparatorsActionLinkedTextsExcludedPropertiesAndUntranslatedComponents)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    auto *separator = new TMenuItem(&form);
    separator->SetName("N1");
    separator->SetCaption("-");
    auto *item = new TMenuItem(&form);
    item->SetName("Exit1");
    item->SetCaption("E&xit");
    TBasicAction action(&form);
    auto *linked = new TButton(&form);
    linked->SetName("Linked");
    linked->SetCaption("Go");
    linked->SetHint("Go on");
    linked->SetAction(&action);
    lang->DoNotTranslate()->Add("memo1");
    lang->CollectStrings();

    EXPECT_EQ(IndexOfName(lang->Captions(), "N1"), -1);
    EXPECT_EQ(EntryOf(lang->Captions(), "Exit1"), Entry({"Exit1", "E&xit", ""}));
    EXPECT_EQ(IndexOfName(lang->Captions(), "Linked"), -1);
    EXPECT_EQ(IndexOfName(lang->Hints(), "Linked"), -1);
    EXPECT_NE(IndexOfName(lang->Fonts(), "Linked"), -1);
    EXPECT_EQ(IndexOfName(lang->Hints(), "Memo1"), -1);
    EXPECT_EQ(lang->MultiLines()->Count(), 0);

    // An excluded property gets no entry; setting the list collects at once.
    lang->DoNotTranslate()->Clear();
    TStringList excluded;
    excluded.Add("Lines");
    excluded.Add("SimpleText");
    excluded.Add("Panels");
    lang->SetExcludedProperties(&excluded);
    EXPECT_EQ(lang->MultiLines()->Count(), 0);
    EXPECT_EQ(IndexOfName(lang->OtherStrings(), "StatusBar1.SimpleText"), -1);
    EXPECT_EQ(lang->Collections()->Count(), 0);
    EXPECT_NE(IndexOfName(lang->Hints(), "Memo1"), -1);

    // The form's class name in DoNotTranslate: no own entries, and its own properties are not walked.
    TfrmLangTest untranslated;
    untranslated.Lang->DoNotTranslate()->Add("TfrmLangTest");
    untranslated.SetCaption("Kept");
    untranslated.Lang->CollectStrings();
    EXPECT_EQ(IndexOfName(untranslated.Lang->Captions(), "TfrmLangTest"), -1);
    EXPECT_EQ(IndexOfName(untranslated.Lang->OtherStrings(), "TfrmLangTest.HelpFile"), -1);
}

TEST(LangCollect, AnOwnerThatIsNotAFormHasNoOwnEntriesButItsTextsAreWalked)
{
    TdmTexts module;
    module.SetTitle("Module title");
    auto *button = new TButton(&module);
    button->SetName("Button1");
    button->SetCaption("OK");
    TmlLang lang(&module);
    lang.SetNumOfLanguages(2);
    lang.CollectStrings();
    EXPECT_EQ(Lines(lang.Captions()), QStringList{Entry({"Button1", "OK", ""})});
    EXPECT_EQ(IndexOfName(lang.Hints(), "TdmTexts"), -1);
    EXPECT_EQ(IndexOfName(lang.Fonts(), "TdmTexts"), -1);
    EXPECT_EQ(IndexOfName(lang.CharSets(), "TdmTexts"), -1);
    EXPECT_EQ(lang.OtherStrings()->Strings(0), Entry({"TdmTexts.Title", "Module title", ""}));
}

#include "LangCollectTest.moc"
