#include "LangTestSupport.h"

#include "rtl/Codec1251.h"

#include "QtPrint.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace langtest;

namespace {
QByteArray Cp(const char *utf8) { return ToCp1251(QString::fromUtf8(utf8)); }

// Publishes a list for the list-view and tree-view items, which the shipped components do not keep.
class TItemsLang : public TmlLang {
    Q_OBJECT
    Q_PROPERTY(TStrings *ListView_TreeView_Items READ Items)
public:
    using TmlLang::TmlLang;
    TStrings *Items() { return &items_; }

private:
    TStringList items_;
};

class TfrmItems : public TForm {
    Q_OBJECT
public:
    TfrmItems() : TForm(nullptr)
    {
        SetName("frmItems");
        (new TComponent(this))->SetName("ListView1");
        Lang = new TItemsLang(this);
        Lang->SetNumOfLanguages(2);
    }
    TItemsLang *Lang;
};
} // namespace

TEST(LangFile, RoundTripKeepsCyrillicTextsAndLineBreaksInWindows1251)
{
    TempDir dir;
    const QString file = dir.File("texts.lng");
    TfrmLangTest saved;
    TmlLang *lang = saved.Lang;
    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Main window", "Главное окно"}),
                                Entry({"Button1", "OK", "Да"})});
    SetLines(lang->Hints(), {Entry({"Button1", "Two\r\nlines", "Две\r\nстроки"})});
    SetLines(lang->Collections(), {Entry({"StatusBar1.Panels[0].Text", "Ready", "Готово"})});
    SetLines(lang->Strings(), {Entry({"IDS_0", "Loading plugin: ", "Загрузка модуля: "})});
    lang->SaveToFile(file, "|");

    const QByteArray bytes = dir.Read("texts.lng");
    EXPECT_TRUE(bytes.startsWith("[OPTIONS]\r\nDELIMITER=|\r\n\r\n[Captions]\r\n"));
    EXPECT_TRUE(bytes.contains(
        "[Language names - for internal use only!]\r\nLanguage_1=ENGLISH\r\nLanguage_2=RUSSIAN\r\n"));
    EXPECT_TRUE(bytes.contains("TfrmLangTest.TfrmLangTest=Main window|" + Cp("Главное окно") + "|\r\n"));
    EXPECT_TRUE(bytes.contains("[Hints]\r\nTfrmLangTest.Button1=Two\x19\x1Alines|" + Cp("Две") + "\x19\x1A" +
                               Cp("строки") + "|\r\n"));
    EXPECT_TRUE(bytes.contains("[Collections]\r\nTfrmLangTest.StatusBar1.Panels-0+.Text=Ready|" + Cp("Готово") + "|"));
    EXPECT_TRUE(bytes.contains("[Strings]\r\nTfrmLangTest.IDS_0=Loading plugin: |"));
    EXPECT_TRUE(bytes.contains("[Dialogs]\r\nTfrmLangTest.Warning=Warning|\r\n"));
    EXPECT_TRUE(bytes.contains("[Locales]\r\n"));
    EXPECT_FALSE(bytes.contains(char(1)));

    TfrmLangTest loaded;
    TmlLang *other = loaded.Lang;
    other->LangNames()->Clear();
    other->SetNumOfLanguages(1);
    ChangeCounter applied;
    other->SetOnChangeLanguage(applied.Event());
    other->LoadFromFile(file, true);
    EXPECT_EQ(applied.Count, 1);
    EXPECT_FALSE(other->FileLoading());
    EXPECT_EQ(Lines(other->LangNames()), QStringList({"ENGLISH", "RUSSIAN"}));
    EXPECT_EQ(other->NumOfLanguages(), 2);
    for (int kind = 0; kind < StringsTypeCount; ++kind) {
        if (TStrings *list = lang->GetKindList(TStringsType(kind))) {
            EXPECT_EQ(Lines(other->GetKindList(TStringsType(kind))), Lines(list)) << kind;
        }
    }
}

TEST(LangFile, ReadingRules)
{
    TempDir dir;
    dir.Write("plain.lng", "[Language names - for internal use only!]\r\nLanguage_1=ENG\r\nLanguage_3=DEU\r\n"
                           "[Captions]\r\nTfrmLangTest.Button1=OK|" + Cp("Да") + "|\r\n"
                           "frmLangTest.Memo1=Memo\r\n"
                           "TfrmOther.Button1=Foreign|\r\nfrmOther.Button2=Foreign|\r\n"
                           "tfrmlangtest.Button1=Twice|\r\n"
                           "TfrmLangTest.TfrmLangTest=Form|" + Cp("Форма") + "|\r\n");
    TfrmLangTest form;
    TmlLang *lang = form.Lang;
    EXPECT_EQ(lang->LoadKindFromFile(stCaptions, dir.File("missing.lng"), true), -1);
    EXPECT_EQ(lang->LoadKindFromFile(stListView_TreeView_Items, dir.File("plain.lng"), true), -1);

    SetLines(lang->Captions(), {Entry({"TfrmLangTest", "Old form", ""}), Entry({"Button1", "Old", ""})});
    // Keys differing only in case count once; keys of other forms are skipped but counted.
    EXPECT_EQ(lang->LoadKindFromFile(stCaptions, dir.File("plain.lng"), false), 5);
    EXPECT_EQ(Lines(lang->Captions()),
              QStringList({Entry({"TfrmLangTest", "Form", "Форма"}), Entry({"Button1", "Old", ""}),
                           Entry({"Button1", "OK", "Да"}),
                           // A value without the delimiter serves both languages.
                           Entry({"Memo1", "Memo"}) + "Memo"}));
    // The old own entry, now behind the loaded one, names no component and was swept out.
    EXPECT_EQ(Lines(lang->HoldingList()), QStringList{Entry({"TfrmLangTest", "Old form", ""})});
    // Names stop at the first language without one; the old names behind stay.
    EXPECT_EQ(Lines(lang->LangNames()), QStringList({"ENG", "RUSSIAN"}));

    // Another delimiter declared by the file; three languages raise the component's count.
    dir.Write("three.lng", "[OPTIONS]\r\nDELIMITER=##\r\n[Language names - for internal use only!]\r\n"
                           "Language_1=A\r\nLanguage_2=B\r\nLanguage_3=C\r\n"
                           "[Strings]\r\nTfrmLangTest.IDS_0=one##two##three##\r\n");
    EXPECT_EQ(lang->LoadStringsFromFile(dir.File("three.lng"), true), 1);
    EXPECT_EQ(Lines(lang->Strings()), QStringList{Entry({"IDS_0", "one", "two", "three"})});
    EXPECT_EQ(lang->NumOfLanguages(), 3);
    EXPECT_EQ(Lines(lang->LangNames()), QStringList({"A", "B", "C"}));

    // The single letter whose code is 255 is a text like any other, not the mark of an unreadable key.
    dir.Write("ya.lng", "[Captions]\r\nTfrmLangTest.Button1=" + Cp("я") + "\r\n");
    EXPECT_EQ(lang->LoadKindFromFile(stCaptions, dir.File("ya.lng"), true), 1);
    EXPECT_EQ(Lines(lang->Captions()), QStringList{Entry({"Button1", Ru("я")}) + Ru("я")});
}

TEST(LangFile, SavingReplacesTheFormsKeysAndOldNameForms)
{
    TempDir dir;
    dir.Write("old.lng", "[Language names - for intenal use only!]\r\nLanguage_1=OLD\r\n"
                         "[Captions]\r\nfrmLangTest.Button1=Old|\r\nTfrmOther.Button1=Kept|\r\n"
                         "[Hints]\r\nfrmLangTest.Button1=Untouched|\r\n");
    TfrmLangTest form;
    SetLines(form.Lang->Captions(), {Entry({"TfrmLangTest", "Form", "Форма"})});
    EXPECT_EQ(form.Lang->SaveKindToFile(stCaptions, dir.File("old.lng"), "|"), 1);
    form.Lang->Captions()->Add(Entry({"Button1", "OK", "Да"}));
    EXPECT_EQ(form.Lang->SaveKindToFile(stCaptions, dir.File("old.lng"), "|"), 2);
    EXPECT_EQ(form.Lang->SaveKindToFile(stListView_TreeView_Items, dir.File("old.lng"), "|"), -1);
    EXPECT_EQ(form.Lang->SaveStringsToFile(dir.File("old.lng"), u'|'), 0);

    TStringList lines;
    lines.LoadFromFile(dir.File("old.lng"));
    EXPECT_EQ(Lines(&lines),
              QStringList({"[Captions]", "TfrmOther.Button1=Kept|", "TfrmLangTest.TfrmLangTest=Form|" + Ru("Форма") + "|",
                           "TfrmLangTest.Button1=OK|" + Ru("Да") + "|", "", "[Hints]", "frmLangTest.Button1=Untouched|",
                           "", "[OPTIONS]", "DELIMITER=|", "", "[Language names - for internal use only!]",
                           "Language_1=ENGLISH", "Language_2=RUSSIAN", ""}));
}

TEST(LangFile, BracketedNamesAndEmptyLanguageNames)
{
    TempDir dir;
    const QString file = dir.File("items.lng");
    TfrmItems form;
    form.Lang->LangNames()->SetStrings(1, QString());
    SetLines(form.Lang->Items(), {Entry({"ListView1.Items[2]", "Two", "Два"})});
    EXPECT_EQ(form.Lang->SaveKindToFile(stListView_TreeView_Items, file, "|"), 1);
    const QByteArray bytes = dir.Read("items.lng");
    EXPECT_TRUE(bytes.contains("Language_2=Language N2\r\n"));
    EXPECT_TRUE(bytes.contains("[ListView_TreeView_Items]\r\nTfrmItems.ListView1.Items-2+=Two|"));

    form.Lang->Items()->Clear();
    EXPECT_EQ(form.Lang->LoadKindFromFile(stListView_TreeView_Items, file, true), 1);
    EXPECT_EQ(Lines(form.Lang->Items()), QStringList{Entry({"ListView1.Items[2]", "Two", "Два"})});
}

#include "LangFileTest.moc"
