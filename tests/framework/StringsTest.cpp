#include "classes/Strings.h"
#include "rtl/Exceptions.h"

#include "QtPrint.h"
#include "TempDir.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace {
QStringList freed;

class TTracked : public TObject {
public:
    explicit TTracked(QString name) : name_(std::move(name)) {}
    ~TTracked() override { freed << name_; }

private:
    QString name_;
};

TStringList *Sorted(TDuplicates duplicates = TDuplicates::dupAccept)
{
    auto *list = new TStringList;
    list->SetDuplicates(duplicates);
    list->SetSorted(true);
    return list;
}

void Fill(TStrings &list, const QStringList &lines)
{
    for (const QString &line : lines)
        list.Add(line);
}

// Storage of its own and nothing else, as a control's list over a widget is: everything else comes from
// the abstract class.
class TPlainStrings : public TStrings {
    Q_OBJECT
public:
    int Count() const override { return int(lines.size()); }
    QString Strings(int index) const override
    {
        if (index < 0 || index >= lines.size())
            throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
        return lines[index];
    }
    void Insert(int index, const QString &s) override
    {
        lines.insert(index, s);
        Changed();
    }
    void Delete(int index) override
    {
        lines.removeAt(index);
        Changed();
    }
    void Clear() override
    {
        lines.clear();
        Changed();
    }
    QStringList lines;
};

struct ChangeCounter {
    int changes = 0;
    void Change(TObject *) { ++changes; }
};
} // namespace

TEST(StringList, SortedListPutsEqualKeysBeforeTheOnesPresentAndSortsBlankAndTenFirst)
{
    std::unique_ptr<TStringList> list(Sorted());
    TTracked first("first"), second("second");
    list->AddObject("1", &first);
    list->AddObject("1", &second);
    EXPECT_EQ(list->Objects(0), &second);
    EXPECT_EQ(list->Objects(1), &first);

    Fill(*list, {"2", "10", " ", "0"});
    EXPECT_EQ(list->ToStringList(), QStringList({" ", "0", "1", "1", "10", "2"}));
    int index = -1;
    EXPECT_TRUE(list->Find("1", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(list->Find("11", index));
    EXPECT_EQ(index, 5);
    EXPECT_EQ(list->IndexOf("10"), 4);
    EXPECT_EQ(list->IndexOf("3"), -1);
    EXPECT_EQ(list->Add("11"), 5);

    EXPECT_THROW(list->Insert(0, "x"), EListError);
    EXPECT_THROW(list->SetStrings(0, "x"), EListError);
    EXPECT_EQ(list->Count(), 7);
}

TEST(StringList, DuplicatesAreIgnoredOrRefusedWhenAskedAndSortingBackOnReorders)
{
    std::unique_ptr<TStringList> ignoring(Sorted(TDuplicates::dupIgnore));
    Fill(*ignoring, {"b", "a"});
    EXPECT_EQ(ignoring->Add("B"), 1);
    EXPECT_EQ(ignoring->ToStringList(), QStringList({"a", "b"}));

    std::unique_ptr<TStringList> refusing(Sorted(TDuplicates::dupError));
    refusing->Add("a");
    EXPECT_THROW(refusing->Add("A"), EListError);
    EXPECT_EQ(refusing->Count(), 1);

    TStringList plain;
    Fill(plain, {"b", "C", "a", "B"});
    plain.Insert(0, "z");
    EXPECT_EQ(plain.IndexOf("c"), 2);
    plain.SetSorted(true);
    EXPECT_EQ(plain.ToStringList(), QStringList({"a", "b", "B", "C", "z"}));
    plain.SetSorted(false);
    plain.Add("0");
    EXPECT_EQ(plain.Strings(5), "0");
}

TEST(StringList, ComparisonIgnoresTheCaseOfCyrillicLetters)
{
    std::unique_ptr<TStringList> list(Sorted());
    Fill(*list, {"в", "Б", "а", "ГДЕ"});
    EXPECT_EQ(list->ToStringList(), QStringList({"а", "Б", "в", "ГДЕ"}));
    EXPECT_EQ(list->IndexOf("где"), 3);
    EXPECT_EQ(list->IndexOf("б"), 1);

    TStringList plain;
    Fill(plain, {"Привет", "мир"});
    EXPECT_EQ(plain.IndexOf("ПРИВЕТ"), 0);
    EXPECT_EQ(plain.IndexOf("МИР"), 1);
    EXPECT_EQ(plain.IndexOf("мир "), -1);
}

TEST(Strings, CommaTextQuotesBlanksControlsCommasAndQuotes)
{
    TStringList list;
    Fill(list, {"a", "b c", "d,e", "f\"g", "", "\tx", "Щука"});
    EXPECT_EQ(list.CommaText(), "a,\"b c\",\"d,e\",\"f\"\"g\",,\"\tx\",Щука");

    TStringList one;
    one.Add("");
    EXPECT_EQ(one.CommaText(), "\"\"");
    TStringList none;
    EXPECT_EQ(none.CommaText(), "");
    none.SetCommaText("\"\"");
    EXPECT_EQ(none.ToStringList(), QStringList({""}));

    for (const QStringList &lines : {QStringList{"a", "b c", "d,e", "f\"g", "", "\tx"}, QStringList{""},
                                     QStringList{"", ""}, QStringList{"x", ""}, QStringList{" lead", "trail "}}) {
        TStringList source, copy;
        Fill(source, lines);
        copy.SetCommaText(source.CommaText());
        EXPECT_EQ(copy.ToStringList(), lines) << source.CommaText().toStdString();
    }
}

TEST(Strings, CommaTextSplitsAtCommasAndUnquotedBlanks)
{
    TStringList list;
    list.Add("old");
    list.SetCommaText("  a, b c,\"d,e\" ,\"f\"\"g\",,");
    EXPECT_EQ(list.ToStringList(), QStringList({"a", "b", "c", "d,e", "f\"g", "", ""}));
    list.SetCommaText("ENGLISH,RUSSIAN");
    EXPECT_EQ(list.ToStringList(), QStringList({"ENGLISH", "RUSSIAN"}));
    list.SetCommaText("\"open to the end");
    EXPECT_EQ(list.ToStringList(), QStringList({"open to the end"}));
    list.SetCommaText("\"ab\"cd");
    EXPECT_EQ(list.ToStringList(), QStringList({"ab", "cd"}));
    list.SetCommaText("   ");
    EXPECT_EQ(list.Count(), 0);
}

TEST(Strings, TextEndsEveryLineWithCrLfAndReadsAnyLineEnd)
{
    TStringList list;
    Fill(list, {"a", "", "б"});
    EXPECT_EQ(list.Text(), "a\r\n\r\nб\r\n");
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(list.ToStringList(), QStringList({"a", "b", "c", "d", "", "e"}));
    list.SetText("a\n\rb\r\r");
    EXPECT_EQ(list.ToStringList(), QStringList({"a", "", "b", ""}));
    list.SetText("only\r\n");
    EXPECT_EQ(list.ToStringList(), QStringList({"only"}));
    list.SetText("\n");
    EXPECT_EQ(list.ToStringList(), QStringList({""}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
}

TEST(StringList, OwnedObjectsAreFreedByDeleteClearAndTheListButNeverWhenMoved)
{
    freed.clear();
    {
        TStringList list(true);
        list.AddObject("a", new TTracked("a"));
        list.AddObject("b", new TTracked("b"));
        list.AddObject("c", new TTracked("c"));
        list.AddObject("d", new TTracked("d"));
        list.Delete(1);
        EXPECT_EQ(freed, QStringList({"b"}));
        TObject *first = list.Objects(0);
        list.SetStrings(0, "renamed");
        EXPECT_EQ(freed, QStringList({"b"}));
        EXPECT_EQ(list.Strings(0), "renamed");
        EXPECT_EQ(list.Objects(0), first);
        list.Clear();
        EXPECT_EQ(freed.size(), 4);
        list.AddObject("e", new TTracked("e"));
    }
    EXPECT_EQ(freed.last(), "e");

    freed.clear();
    TTracked kept("kept");
    {
        TStringList list;
        list.AddObject("k", &kept);
        list.Delete(0);
        list.AddObject("k", &kept);
    }
    EXPECT_TRUE(freed.isEmpty());
}

TEST(Strings, IndexErrorsRaiseListErrorsNamingTheIndex)
{
    TStringList list;
    Fill(list, {"a", "b"});
    try {
        list.Strings(5);
        FAIL() << "no exception";
    } catch (const EListError &e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
    EXPECT_THROW(list.Strings(-1), EListError);
    EXPECT_THROW(list.Objects(2), EListError);
    EXPECT_THROW(list.SetObjects(2, nullptr), EListError);
    EXPECT_THROW(list.Delete(2), EListError);
    EXPECT_THROW(list.Insert(3, "x"), EListError);
    list.Insert(2, "c");
    EXPECT_EQ(list.ToStringList(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(list[1], "b");
}

TEST(Strings, AbstractListBuildsEveryOperationOnItsStorageAndKeepsItsSortedContract)
{
    TPlainStrings plain;
    Fill(plain, {"one", "two", "three"});
    plain.SetStrings(1, "TWO");
    EXPECT_EQ(plain.lines, QStringList({"one", "TWO", "three"}));
    EXPECT_EQ(plain.IndexOf("two"), 1);
    EXPECT_EQ(plain.Objects(0), nullptr);
    EXPECT_THROW(plain.Objects(3), EListError);

    std::unique_ptr<TStringList> sorted(Sorted());
    Fill(*sorted, {"b", "a"});
    plain.Assign(*sorted);
    EXPECT_EQ(plain.lines, QStringList({"a", "b"}));
    // A sorted list refuses to be reordered and keeps what it has.
    EXPECT_THROW(sorted->SetStrings(0, "c"), EListError);
    EXPECT_THROW(sorted->Insert(0, "c"), EListError);
    EXPECT_EQ(sorted->ToStringList(), QStringList({"a", "b"}));
}

TEST(Strings, AssignAndAddStringsCopyObjects)
{
    TTracked a("a"), b("b");
    TStringList source;
    source.AddObject("x", &a);
    source.AddObject("y", &b);
    TStringList target;
    target.Add("old");
    target.Assign(source);
    EXPECT_EQ(target.ToStringList(), QStringList({"x", "y"}));
    EXPECT_EQ(target.Objects(1), &b);
    target.AddStrings(source);
    EXPECT_EQ(target.Count(), 4);
    EXPECT_EQ(target.Objects(2), &a);
    target.Assign(target);
    EXPECT_EQ(target.Count(), 4);
}

TEST(Strings, NameValueLinesAreFoundWithoutRegardToCase)
{
    TStringList list;
    Fill(list, {"Key=1", "noequals", "Other=a=b"});
    EXPECT_EQ(list.IndexOfName("KEY"), 0);
    EXPECT_EQ(list.IndexOfName("other"), 2);
    EXPECT_EQ(list.IndexOfName("a"), -1);
    EXPECT_EQ(list.IndexOfName("noequals"), -1);
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.Names(2), "Other");
}

TEST(Strings, ChangeEventFollowsEveryChangeButOnlyOnceForAnUpdate)
{
    ChangeCounter counter;
    TStringList list;
    list.SetOnChange(MakeEvent<&ChangeCounter::Change>(&counter));
    list.Add("a");
    list.Add("b");
    EXPECT_EQ(counter.changes, 2);
    list.BeginUpdate();
    list.Add("c");
    list.BeginUpdate();
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(counter.changes, 2);
    list.EndUpdate();
    EXPECT_EQ(counter.changes, 3);
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(counter.changes, 3);
    list.SetCommaText("x,y,z");
    EXPECT_EQ(counter.changes, 4);
    list.SetSorted(false);
    list.SetCommaText("z,y");
    list.SetSorted(true);
    EXPECT_EQ(counter.changes, 6);
    EXPECT_EQ(list.ToStringList(), QStringList({"y", "z"}));
    // A compound change that fails half-way still leaves update mode: the next change is heard at once.
    list.SetDuplicates(TDuplicates::dupError);
    TStringList more;
    Fill(more, {"a", "y"});
    EXPECT_THROW(list.AddStrings(more), EListError);
    EXPECT_EQ(list.ToStringList(), QStringList({"a", "y", "z"}));
    EXPECT_EQ(counter.changes, 7);
    list.Add("b");
    EXPECT_EQ(counter.changes, 8);
}

TEST(Strings, FilesAreWindows1251WithCrLfLineEnds)
{
    TempDir dir;
    TStringList list;
    Fill(list, {"Строка", "line"});
    list.SaveToFile(dir.File("list.txt"));
    EXPECT_EQ(dir.Read("list.txt"), QByteArray("\xd1\xf2\xf0\xee\xea\xe0\r\nline\r\n"));

    dir.Write("unix.txt", "\xc0\xc1\nsecond");
    TStringList read;
    read.LoadFromFile(dir.File("unix.txt"));
    EXPECT_EQ(read.ToStringList(), QStringList({"АБ", "second"}));

    EXPECT_THROW(read.LoadFromFile(dir.File("missing.txt")), EInOutError);
    EXPECT_EQ(read.Count(), 2);
    EXPECT_THROW(list.SaveToFile(dir.File("no/such/folder/list.txt")), EInOutError);
}

#include "StringsTest.moc"
