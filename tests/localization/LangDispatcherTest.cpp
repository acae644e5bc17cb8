#include "LangTestSupport.h"

#include "forms/Screen.h"

#include "QtPrint.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <memory>

using namespace langtest;

namespace {
std::unique_ptr<TStringList> Names(std::initializer_list<QString> names)
{
    auto list = std::make_unique<TStringList>();
    for (const QString &name : names)
        list->Add(name);
    return list;
}

// Records the screen cursor that OnChangeLanguage sees, and can fail the apply.
struct CursorProbe {
    TCursor Seen = crDefault;
    bool Fail = false;
    TNotifyEvent Event()
    {
        return {[](void *data, TObject *) {
                    auto *probe = static_cast<CursorProbe *>(data);
                    probe->Seen = Screen->Cursor();
                    if (probe->Fail)
                        throw Exception("apply failed");
                },
                this};
    }
};
} // namespace

TEST(LangDispatcher, NewDispatcherAndItsNames)
{
    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    EXPECT_EQ(dispatcher.ActiveLanguage, 1);
    EXPECT_EQ(dispatcher.NumOfLanguages(), 1);
    EXPECT_EQ(Lines(dispatcher.LangNames()), QStringList{"Language N1"});

    const auto names = Names({"ENGLISH", "RUSSIAN"});
    dispatcher.SetLangNames(names.get());
    EXPECT_EQ(dispatcher.NumOfLanguages(), 2);
    EXPECT_EQ(dispatcher.Language(), "ENGLISH");
    dispatcher.SetNumOfLanguages(3);
    EXPECT_EQ(Lines(dispatcher.LangNames()), QStringList({"ENGLISH", "RUSSIAN", "Language N3"}));
    dispatcher.SetNumOfLanguages(2);
    EXPECT_EQ(Lines(dispatcher.LangNames()), QStringList({"ENGLISH", "RUSSIAN"}));

    dispatcher.SetLanguage("russian");
    EXPECT_EQ(dispatcher.ActiveLanguage, 2);
    EXPECT_EQ(dispatcher.GetActiveLanguage(), 2);
    EXPECT_EQ(dispatcher.Language(), "russian");
    try {
        dispatcher.SetLanguage("GERMAN");
        FAIL() << "a name outside LangNames accepted";
    } catch (const ELanguageError &e) {
        EXPECT_EQ(e.Message(), "Language name shall be included in LangNames property!");
    }
    dispatcher.SetActiveLanguage(1);
    EXPECT_EQ(dispatcher.Language(), "ENGLISH");

    // While the form is read, the number and the name do not follow each other.
    TComponent loadingHost(nullptr);
    loadingHost.BeginLoading();
    TmlLangDispatcher loading(&loadingHost);
    loading.SetActiveLanguage(2);
    loading.SetNumOfLanguages(2);
    loading.SetLanguage("Language N1");
    EXPECT_EQ(loading.ActiveLanguage, 2);
    EXPECT_EQ(loading.Language(), "Language N1");
}

TEST(LangDispatcher, RegistrationGivesTheComponentTheDispatchersLanguages)
{
    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    const auto names = Names({"ENGLISH", "RUSSIAN"});
    dispatcher.SetLangNames(names.get());
    dispatcher.SetActiveLanguage(2);

    TfrmOther form;
    form.SetCaption("Other");
    TmlLang *lang = form.Lang;
    lang->SetNumOfLanguages(1);
    lang->Captions()->Add(Entry({"TfrmOther", "Other", "Другая"}));
    lang->SetLangDispatcher(&dispatcher);
    EXPECT_EQ(lang->NumOfLanguages(), 2);
    EXPECT_EQ(Lines(lang->LangNames()), QStringList({"ENGLISH", "RUSSIAN"}));
    EXPECT_EQ(lang->ActiveLanguage(), 2);
    EXPECT_EQ(lang->Language(), "RUSSIAN");
    EXPECT_EQ(Lines(lang->Captions()), QStringList{Entry({"TfrmOther", "Other", "Другая"})});
    ASSERT_EQ(dispatcher.LangComponentCount(), 1);

    // Registering again moves nothing and lists it once.
    lang->SetLangDispatcher(&dispatcher);
    EXPECT_EQ(dispatcher.LangComponentCount(), 1);

    // A name set on the dispatcher is copied as it stands, without a check.
    dispatcher.SetLanguage("english");
    EXPECT_EQ(lang->ActiveLanguage(), 1);
    lang->SetLangDispatcher(nullptr);
    EXPECT_EQ(dispatcher.LangComponentCount(), 0);
    lang->SetLangDispatcher(&dispatcher);
    EXPECT_EQ(lang->Language(), "english");
}

TEST(LangDispatcher, ComponentsRegisteringWhileAFileIsSetLoadIt)
{
    TempDir dir;
    const QString file = dir.File("lang.lng");
    {
        TfrmOther source;
        source.Lang->Captions()->Add(Entry({"TfrmOther", "From file", "Из файла"}));
        source.Lang->SaveToFile(file, "|");
    }
    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    dispatcher.SetFileName(file);
    TfrmOther form;
    form.Lang->Captions()->Add(Entry({"TfrmOther", "Own", ""}));
    ChangeCounter applied;
    form.Lang->SetOnChangeLanguage(applied.Event());
    form.Lang->SetLangDispatcher(&dispatcher);
    EXPECT_EQ(Lines(form.Lang->Captions()), QStringList{Entry({"TfrmOther", "From file", "Из файла"})});
    EXPECT_EQ(applied.Count, 1);

    // The designer never loads the file.
    dispatcher.SetDesigning(true);
    TfrmOther designed;
    designed.Lang->SetLangDispatcher(&dispatcher);
    EXPECT_EQ(designed.Lang->Captions()->Count(), 0);
}

TEST(LangDispatcher, SwitchingReachesEveryComponentUntilOneRefuses)
{
    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    const auto names = Names({"ENGLISH", "RUSSIAN"});
    dispatcher.SetLangNames(names.get());
    TfrmLangTest first;
    TfrmOther second;
    first.Lang->SetLangDispatcher(&dispatcher);
    second.Lang->SetLangDispatcher(&dispatcher);

    dispatcher.SetActiveLanguage(2);
    EXPECT_EQ(first.Lang->ActiveLanguage(), 2);
    EXPECT_EQ(second.Lang->Language(), "RUSSIAN");
    EXPECT_EQ(dispatcher.Language(), "RUSSIAN");

    second.Lang->SetActiveLanguage(1);
    EXPECT_THROW(dispatcher.SetActiveLanguage(3), ELanguageError);
    EXPECT_EQ(dispatcher.ActiveLanguage, 3);
    EXPECT_EQ(first.Lang->ActiveLanguage(), 2);
    EXPECT_EQ(second.Lang->ActiveLanguage(), 1);

    dispatcher.SetNumOfLanguages(3);
    EXPECT_EQ(first.Lang->NumOfLanguages(), 3);
    EXPECT_EQ(Lines(second.Lang->LangNames()), QStringList({"ENGLISH", "RUSSIAN", "Language N3"}));
    dispatcher.SetActiveLanguage(3);
    EXPECT_EQ(second.Lang->ActiveLanguage(), 3);
    EXPECT_EQ(second.Lang->Language(), "Language N3");

    const auto renamed = Names({"EN", "RU", "DE"});
    dispatcher.SetLangNames(renamed.get());
    EXPECT_EQ(Lines(first.Lang->LangNames()), QStringList({"EN", "RU", "DE"}));
    EXPECT_EQ(first.Lang->Language(), "DE");
    EXPECT_THROW(dispatcher.SetNumOfLanguages(0), ELanguageError);
}

TEST(LangDispatcher, FreeingEitherSideEndsTheRegistration)
{
    auto host = std::make_unique<TComponent>(nullptr);
    auto *dispatcher = new TmlLangDispatcher(host.get());
    auto first = std::make_unique<TfrmOther>();
    auto second = std::make_unique<TfrmLangTest>();
    first->Lang->SetLangDispatcher(dispatcher);
    second->Lang->SetLangDispatcher(dispatcher);
    first.reset();
    ASSERT_EQ(dispatcher->LangComponentCount(), 1);
    EXPECT_EQ(dispatcher->LangComponents(0), second->Lang);
    host.reset();
    EXPECT_EQ(second->Lang->LangDispatcher(), nullptr);

    // A dispatcher on the same form, freed by the form after the component.
    TfrmOther form;
    auto *local = new TmlLangDispatcher(&form);
    form.Lang->SetLangDispatcher(local);
    delete local;
    EXPECT_EQ(form.Lang->LangDispatcher(), nullptr);
}

TEST(LangDispatcher, AComponentThatLeavesDuringASwitchIsNotReachedAgain)
{
    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    const auto names = Names({"ENGLISH", "RUSSIAN"});
    dispatcher.SetLangNames(names.get());

    // The first window's language handler takes the second window off the dispatcher, then frees the third.
    struct Leaving {
        TmlCustomLang *Unregistered;
        TForm *Freed;
    };
    TfrmLangTest first;
    TfrmOther second;
    auto *third = new TfrmLangTest;
    first.Lang->SetLangDispatcher(&dispatcher);
    second.Lang->SetLangDispatcher(&dispatcher);
    third->Lang->SetLangDispatcher(&dispatcher);
    Leaving leaving{second.Lang, third};
    first.Lang->SetOnChangeLanguage({[](void *data, TObject *) {
                                         auto *leave = static_cast<Leaving *>(data);
                                         leave->Unregistered->SetLangDispatcher(nullptr);
                                         delete leave->Freed;
                                         leave->Freed = nullptr;
                                     },
                                     &leaving});

    dispatcher.SetActiveLanguage(2);
    EXPECT_EQ(first.Lang->ActiveLanguage(), 2);
    EXPECT_EQ(second.Lang->ActiveLanguage(), 1);
    ASSERT_EQ(dispatcher.LangComponentCount(), 1);
    EXPECT_EQ(dispatcher.LangComponents(0), first.Lang);
}

TEST(LangSwitch, SetActiveLanguageChecksTheRangeAndNamesTheLanguage)
{
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    ChangeCounter applied;
    lang->SetOnChangeLanguage(applied.Event());
    lang->SetActiveLanguage(1);
    EXPECT_EQ(applied.Count, 0);
    for (int bad : {0, 3}) {
        try {
            lang->SetActiveLanguage(bad);
            FAIL() << bad << " accepted";
        } catch (const ELanguageError &e) {
            EXPECT_EQ(e.Message(), QString::number(bad) + " - is not a valid property value!\rValue must be within [1..2]!");
        }
    }
    EXPECT_EQ(lang->ActiveLanguage(), 1);

    TStringList hints;
    hints.Add(Entry({"Button1", "Press", ""}));
    lang->SetHints(&hints);
    EXPECT_EQ(lang->ChangedKind(), stHints);
    lang->SetActiveLanguage(2);
    EXPECT_EQ(lang->ChangedKind(), -1);
    EXPECT_EQ(lang->Language(), "RUSSIAN");
    EXPECT_EQ(applied.Count, 2);

    // With fewer names than the number, the name stays.
    lang->SetNumOfLanguages(3);
    lang->LangNames()->Delete(2);
    lang->SetActiveLanguage(3);
    EXPECT_EQ(lang->Language(), "RUSSIAN");

    // While the form is read, only the number is taken; a number out of range is ignored.
    TfrmLangTest loading(true);
    ChangeCounter loadingApplied;
    loading.Lang->SetOnChangeLanguage(loadingApplied.Event());
    loading.Lang->SetNumOfLanguages(2);
    loading.Lang->SetActiveLanguage(5);
    EXPECT_EQ(loading.Lang->ActiveLanguage(), 1);
    loading.Lang->SetActiveLanguage(2);
    EXPECT_EQ(loading.Lang->ActiveLanguage(), 2);
    EXPECT_EQ(loading.Lang->Language(), "Language N1");
    EXPECT_EQ(loadingApplied.Count, 0);
    loading.EndLoading();
}

TEST(LangSwitch, ChangingCursorShowsDuringTheSwitchOnly)
{
    TfrmLangTest form;
    CursorProbe probe;
    form.Lang->SetOnChangeLanguage(probe.Event());
    form.Lang->SetChangingCursor(crHourGlass);
    form.Lang->SetActiveLanguage(2);
    EXPECT_EQ(probe.Seen, crHourGlass);
    EXPECT_EQ(Screen->Cursor(), crDefault);

    probe.Fail = true;
    EXPECT_THROW(form.Lang->SetActiveLanguage(1), Exception);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(form.Lang->ActiveLanguage(), 1);

    // A cursor someone else set stays as it is.
    probe.Fail = false;
    Screen->SetCursor(crHandPoint);
    form.Lang->SetActiveLanguage(2);
    EXPECT_EQ(probe.Seen, crHandPoint);
    Screen->SetCursor(crDefault);
}
