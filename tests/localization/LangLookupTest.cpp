#include "LangTestSupport.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

using namespace langtest;

TEST(LangLookup, NamedStringsInTheActiveLanguageWithTheirFallBacks)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    SetLines(lang->Strings(), {Entry({"IDS_0", "Hello", "Привет"}), Entry({"IDS_1", "Only English", ""}),
                               Entry({"Ключ", "Key", "Ключ"}), QString(QChar(1)) + Entry({"Lead", "after"})});
    EXPECT_EQ(lang->LookupString("ids_0"), "Hello");
    EXPECT_EQ(lang->LookupString("кЛЮЧ"), "Key");
    // An entry that begins with the delimiter is named by the text after it.
    EXPECT_EQ(lang->LookupString("Lead"), "after");

    lang->SetActiveLanguage(2);
    EXPECT_EQ(lang->LookupString("IDS_0"), "Привет");
    EXPECT_EQ(lang->LookupString("IDS_1"), "");
    lang->SetTranslateType(ttGetDefault);
    EXPECT_EQ(lang->LookupString("IDS_1"), "Only English");
    EXPECT_EQ(lang->LookupListEntry(lang->Strings(), "IDS_1", false), "");

    EXPECT_EQ(lang->LookupString("IDS_9"), "");
    lang->SetDoRaiseExceptions(true);
    try {
        lang->LookupString("ids_9");
        FAIL() << "a missing name answered";
    } catch (const ELanguageError &e) {
        EXPECT_EQ(e.Message(), "String identifier \"ids_9\" not found!");
    }
    // An empty text that is found is an answer, not a miss.
    lang->SetTranslateType(ttNoChange);
    EXPECT_EQ(lang->LookupString("IDS_1"), "");
}

TEST(LangLookup, ByIndex)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    form.SetCaption("Form");
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Form", ""}), Entry({"Button1", "OK", "Да"})});
    lang->SetActiveLanguage(2);
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->Captions(), 1, false), "Да");
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->Captions(), 0, false), "");
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->Captions(), 0, true), "Form");
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->Captions(), -1, true), "");
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->Captions(), 2, true), "");
}

TEST(LangLookup, SharedListsComeFromTheFirstRegisteredComponentThatHasThem)
{
    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    dispatcher.SetNumOfLanguages(2);
    TfrmOther main;
    SetLines(main.Lang->DlgsCaptions(), {Entry({"Yes", "&Yes", "&Да"})});
    SetLines(main.Lang->Locales(), {Entry({"Currency String", "$", "р."})});
    SetLines(main.Lang->Strings(), {Entry({"IDS_0", "Main", "Главная"})});
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    SetLines(lang->DlgsCaptions(), {Entry({"Yes", "Mine", "Моё"}), Entry({"Own", "own", "своё"})});
    SetLines(lang->Strings(), {Entry({"IDS_0", "Form", "Форма"})});
    lang->SetOptions(loUseExtCommonStrings);

    // Without a dispatcher the shared lists answer nothing, not even the component's own entries.
    lang->SetDoRaiseExceptions(true);
    EXPECT_EQ(lang->LookupListEntry(lang->DlgsCaptions(), "Yes", true), "");
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->Locales(), 0, true), "");
    EXPECT_EQ(lang->LookupString("IDS_0"), "Form");

    // The component itself is the first with a non-empty list: its own list answers.
    lang->SetLangDispatcher(&dispatcher);
    main.Lang->SetLangDispatcher(&dispatcher);
    EXPECT_EQ(lang->LookupListEntry(lang->DlgsCaptions(), "Yes", true), "Mine");

    // The main form's component registered first answers, in this component's language.
    lang->SetLangDispatcher(nullptr);
    lang->SetLangDispatcher(&dispatcher);
    ASSERT_EQ(dispatcher.LangComponents(0), main.Lang);
    lang->SetActiveLanguage(2);
    main.Lang->SetActiveLanguage(1);
    EXPECT_EQ(lang->LookupListEntry(lang->DlgsCaptions(), "yes", true), "&Да");
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->DlgsCaptions(), 0, false), "&Да");
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->Locales(), 0, false), "р.");
    EXPECT_THROW(lang->LookupListEntry(lang->DlgsCaptions(), "Own", true), ELanguageError);
    EXPECT_EQ(lang->LookupString("IDS_0"), "Форма");
    lang->SetOptions(loUseExtCommonStrings | loUseExtUDStrings);
    EXPECT_EQ(lang->LookupString("IDS_0"), "Главная");
    // Strings are never shared by position.
    EXPECT_EQ(lang->LookupListEntryByIndex(lang->Strings(), 0, false), "Форма");

    // The other list is split with this component's delimiter.
    lang->SetLangDelim(2);
    lang->SetDoRaiseExceptions(false);
    EXPECT_EQ(lang->LookupListEntry(lang->DlgsCaptions(), "Yes", true), "");

    // A main list that is empty passes the lookup on to the next component, here the own one.
    main.Lang->DlgsCaptions()->Clear();
    EXPECT_EQ(lang->LookupListEntry(lang->DlgsCaptions(), "Yes", false), "Моё");
}

TEST(LangLookup, OwnerTranslatable)
{
    TfrmLangTest form;
    EXPECT_TRUE(form.Lang->OwnerTranslatable());
    form.Lang->DoNotTranslate()->Add("tfrmlangtest");
    EXPECT_FALSE(form.Lang->OwnerTranslatable());
}
