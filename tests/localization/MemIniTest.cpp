#include "MemIni.h"

#include "rtl/Codec1251.h"
#include "rtl/Exceptions.h"
#include "rtl/FormatSettings.h"

#include "FileSizeLimit.h"
#include "FormatSettingsGuard.h"
#include "QtPrint.h"
#include "TempDir.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
QString Ru(const char *utf8) { return QString::fromUtf8(utf8); }

QStringList Lines(const TStrings &list) { return list.ToStringList(); }

QStringList Sections(const TMemIniFile &ini)
{
    TStringList names;
    ini.ReadSections(names);
    return Lines(names);
}

// Counts the change notices a list sends.
struct ChangeCounter {
    int Count = 0;
    TNotifyEvent Event() { return {[](void *data, TObject *) { ++static_cast<ChangeCounter *>(data)->Count; }, this}; }
};
} // namespace

TEST(MemIni, LoadingKeepsSectionsAndEntriesAsWrittenAndDropsTheRest)
{
    TempDir dir;
    dir.Write("lang.ini", ToCp1251(Ru("stray=before any section\r\n"
                                       "[Captions]\r\n"
                                       "; a comment\r\n"
                                       "\r\n"
                                       "TfrmMain.Form=Главное окно|Main window\r\n"
                                       "Key = spaced value \r\n"
                                       "url=http://host/?a=b\r\n"
                                       "[ Blanks ]\r\n"
                                       "x=1\n"
                                       "[captions]\r\n"
                                       "TfrmMain.Form=second\r\n"
                                       "only=in the second\r\n")));
    TMemIniFile ini(dir.File("lang.ini"));
    EXPECT_EQ(ini.FileName(), dir.File("lang.ini"));
    EXPECT_EQ(Sections(ini), QStringList({"Captions", " Blanks ", "captions"}));

    EXPECT_EQ(ini.ReadString("CAPTIONS", "tfrmmain.form", "-"), Ru("Главное окно|Main window"));
    EXPECT_EQ(ini.ReadString("Captions", "stray", "-"), "-");
    // Nothing is trimmed: the name keeps its trailing blank, the value its blanks around.
    EXPECT_EQ(ini.ReadString("Captions", "Key", "-"), "-");
    EXPECT_EQ(ini.ReadString("Captions", "Key ", "-"), " spaced value ");
    EXPECT_EQ(ini.ReadString("Captions", "url", "-"), "http://host/?a=b");
    EXPECT_EQ(ini.ReadString("Blanks", "x", "-"), "-");
    EXPECT_EQ(ini.ReadString(" Blanks ", "x", "-"), "1");
    // Of two sections differing only in case, reads reach the first.
    EXPECT_EQ(ini.ReadString("captions", "only", "-"), "-");

    TStringList values;
    ini.ReadSectionValues("Captions", values);
    EXPECT_EQ(Lines(values), QStringList({Ru("TfrmMain.Form=Главное окно|Main window"), "Key = spaced value ",
                                          "url=http://host/?a=b"}));
    TStringList names;
    ini.ReadSection("captions", names);
    EXPECT_EQ(Lines(names), QStringList({"TfrmMain.Form", "Key ", "url"}));
}

TEST(MemIni, NamesMatchWithoutRegardToCaseInEveryLanguage)
{
    TMemIniFile ini{QString()};
    ini.WriteString(Ru("Заголовки"), Ru("Кнопка"), "1");
    EXPECT_EQ(ini.ReadString(Ru("ЗАГОЛОВКИ"), Ru("кнопка"), "-"), "1");
    ini.WriteString(Ru("заголовки"), Ru("КНОПКА"), "2");
    EXPECT_EQ(Sections(ini), QStringList({Ru("Заголовки")}));
    TStringList values;
    ini.ReadSectionValues(Ru("Заголовки"), values);
    // The first entry's line is replaced whole, with the name as written now.
    EXPECT_EQ(Lines(values), QStringList({Ru("КНОПКА=2")}));
}

TEST(MemIni, WritesReplaceTheFirstMatchOrAppend)
{
    TMemIniFile ini{QString()};
    TStringList text;
    text.SetText("[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\n");
    ini.SetStrings(text);
    ini.WriteString("a", "K", "new");
    ini.WriteString("A", "added", "x");
    ini.WriteString("B", "k", "");
    TStringList all;
    ini.GetStrings(all);
    EXPECT_EQ(Lines(all), QStringList({"[A]", "K=new", "k=2", "added=x", "", "[a]", "k=3", "", "[B]", "k=", ""}));
    EXPECT_EQ(ini.ReadString("B", "k", "-"), "");

    ini.DeleteKey("a", "k");
    ini.DeleteKey("missing", "k");
    ini.DeleteKey("A", "missing");
    EXPECT_EQ(ini.ReadString("A", "k", "-"), "2");
    ini.EraseSection("a");
    ini.EraseSection("missing");
    // Erasing the first of two like-named sections lets the second be found.
    EXPECT_EQ(Sections(ini), QStringList({"a", "B"}));
    EXPECT_EQ(ini.ReadString("A", "k", "-"), "3");
}

TEST(MemIni, SectionReadsClearTheTargetAndNotifyItOnce)
{
    TMemIniFile ini{QString()};
    ini.WriteString("S", "a", "1");
    ini.WriteString("S", "b", "2");
    TStringList target;
    target.Add("old");
    ChangeCounter changes;
    target.SetOnChange(changes.Event());
    ini.ReadSection("S", target);
    EXPECT_EQ(Lines(target), QStringList({"a", "b"}));
    EXPECT_EQ(changes.Count, 1);
    ini.ReadSection("missing", target);
    EXPECT_TRUE(Lines(target).isEmpty());
    ini.ReadSectionValues("missing", target);
    EXPECT_TRUE(Lines(target).isEmpty());
    changes.Count = 0;
    ini.GetStrings(target);
    EXPECT_EQ(Lines(target), QStringList({"[S]", "a=1", "b=2", ""}));
    EXPECT_EQ(changes.Count, 1);
}

TEST(MemIni, TypedReadsGiveTheDefaultForMissingOrUnreadableTexts)
{
    TMemIniFile ini{QString()};
    const auto read = [&](const QString &text, int defaultValue) {
        ini.WriteString("N", "v", text);
        return ini.ReadInteger("N", "v", defaultValue);
    };
    EXPECT_EQ(read("0x1F", -1), 31);
    EXPECT_EQ(read("0X1f", -1), 31);
    EXPECT_EQ(read("0xFFFFFFFF", 0), -1);
    EXPECT_EQ(read("0x", -1), -1);
    EXPECT_EQ(read("", -1), -1);
    EXPECT_EQ(read("-12", -1), -12);
    EXPECT_EQ(read(" 12", -1), -1);
    EXPECT_EQ(read("12abc", -1), -1);
    EXPECT_EQ(read("99999999999", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "missing", 7), 7);
    ini.WriteInteger("N", "i", -42);
    EXPECT_EQ(ini.ReadString("N", "i", ""), "-42");

    ini.WriteString("B", "two", "2");
    ini.WriteString("B", "zero", "0");
    ini.WriteString("B", "word", "yes");
    EXPECT_TRUE(ini.ReadBool("B", "two", false));
    EXPECT_FALSE(ini.ReadBool("B", "zero", true));
    EXPECT_TRUE(ini.ReadBool("B", "word", true));
    EXPECT_FALSE(ini.ReadBool("B", "missing", false));
    ini.WriteBool("B", "t", true);
    ini.WriteBool("B", "f", false);
    EXPECT_EQ(ini.ReadString("B", "t", ""), "1");
    EXPECT_EQ(ini.ReadString("B", "f", ""), "0");
}

TEST(MemIni, FloatsDatesAndTimesUseTheLocaleFormats)
{
    FormatSettingsGuard guard;
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.DateSeparator = u'.';
    FormatSettings.ShortDateFormat = "dd.MM.yyyy";
    FormatSettings.TimeSeparator = u':';
    FormatSettings.LongTimeFormat = "hh:mm:ss";
    TMemIniFile ini{QString()};

    ini.WriteFloat("F", "third", 1.0 / 3);
    ini.WriteFloat("F", "half", -1.5);
    EXPECT_EQ(ini.ReadString("F", "third", ""), "0,333333333333333");
    EXPECT_EQ(ini.ReadString("F", "half", ""), "-1,5");
    EXPECT_EQ(ini.ReadFloat("F", "half", 0), -1.5);
    ini.WriteString("F", "point", "1.5");
    ini.WriteString("F", "empty", "");
    EXPECT_EQ(ini.ReadFloat("F", "point", 9), 9);
    EXPECT_EQ(ini.ReadFloat("F", "empty", 9), 9);
    EXPECT_EQ(ini.ReadFloat("F", "missing", 9), 9);

    const TDateTime day = EncodeDate(2024, 2, 29);
    const TDateTime time = EncodeTime(7, 8, 9, 0);
    ini.WriteDate("D", "day", day);
    ini.WriteTime("D", "time", time);
    ini.WriteDateTime("D", "both", day + time);
    EXPECT_EQ(ini.ReadString("D", "day", ""), "29.02.2024");
    EXPECT_EQ(ini.ReadString("D", "time", ""), "07:08:09");
    EXPECT_EQ(ini.ReadString("D", "both", ""), "29.02.2024 07:08:09");
    EXPECT_EQ(ini.ReadDate("D", "day", 0), day);
    EXPECT_EQ(ini.ReadTime("D", "time", 0), time);
    EXPECT_EQ(ini.ReadDateTime("D", "both", 0), day + time);
    EXPECT_EQ(ini.ReadDateTime("D", "day", 0), day);
    // Texts of another kind do not convert.
    EXPECT_EQ(ini.ReadDate("D", "time", -1), -1);
    EXPECT_EQ(ini.ReadTime("D", "day", -1), -1);
    EXPECT_EQ(ini.ReadDate("F", "half", -1), -1);
    EXPECT_EQ(ini.ReadDate("D", "missing", -1), -1);
}

TEST(MemIni, UpdateFileWritesTheTableInWindows1251)
{
    TempDir dir;
    const QByteArray original = ToCp1251(Ru("; языковой файл\r\n[Hints]\r\nbuOK=Принять\r\n\r\n; конец\r\n[OPTIONS]\r\n"
                                            "DELIMITER=|\r\n"));
    dir.Write("lang.ini", original);
    {
        TMemIniFile ini(dir.File("lang.ini"));
        ini.WriteString("Hints", "buOK", Ru("Всё верно"));
    }
    // Without UpdateFile the file stays as it was.
    EXPECT_EQ(dir.Read("lang.ini"), original);

    TMemIniFile ini(dir.File("lang.ini"));
    ini.WriteString("Hints", "buCancel", Ru("Отмена"));
    ini.UpdateFile();
    EXPECT_EQ(dir.Read("lang.ini"), ToCp1251(Ru("[Hints]\r\nbuOK=Принять\r\nbuCancel=Отмена\r\n\r\n"
                                                "[OPTIONS]\r\nDELIMITER=|\r\n\r\n")));
    EXPECT_EQ(TMemIniFile(dir.File("lang.ini")).ReadString("hints", "BUCANCEL", ""), Ru("Отмена"));

    TMemIniFile fresh(dir.File("new.ini"));
    EXPECT_TRUE(Sections(fresh).isEmpty());
    fresh.UpdateFile();
    EXPECT_EQ(dir.Read("new.ini"), QByteArray());
}

TEST(MemIni, AFailedUpdateLeavesTheFileAndTheTableAsTheyWere)
{
    TempDir dir;
    const QByteArray original = "[S]\r\nk=old\r\n";
    dir.Write("lang.ini", original);
    TMemIniFile ini(dir.File("lang.ini"));
    ini.WriteString("S", "k", QString(4096, u'x'));
    {
        FileSizeLimit limit(1024);
        EXPECT_THROW(ini.UpdateFile(), EInOutError);
    }
    EXPECT_EQ(dir.Read("lang.ini"), original);
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList({"lang.ini"}));
    EXPECT_EQ(ini.ReadString("S", "k", ""), QString(4096, u'x'));

    TMemIniFile nowhere(dir.File("missing/lang.ini"));
    nowhere.WriteString("S", "k", "v");
    EXPECT_THROW(nowhere.UpdateFile(), EInOutError);
    EXPECT_EQ(nowhere.ReadString("S", "k", ""), "v");

    ini.UpdateFile();
    EXPECT_EQ(dir.Read("lang.ini"), "[S]\r\nk=" + QByteArray(4096, 'x') + "\r\n\r\n");
}
