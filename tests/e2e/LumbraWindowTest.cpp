// The inspection plug-in's window on the real program, over a journal of known records: its tables, sorting,
// the find panel, column criteria through the criteria dialog, the settings it stores and a language switch.

#include "HostSession.h"
#include "JournalSamples.h"

#include <gtest/gtest.h>

namespace {
const QString Window = QStringLiteral("frmLumbra");
const QString TuningsKey = QStringLiteral("LUMBRA\\FieldsSettings\\Tunings");
const QString ImagesKey = QStringLiteral("LUMBRA\\FieldsSettings\\Images");

// Tunings whose IDs sort differently as numbers and as texts, whose names differ only in case, two of them with
// equal gains, and frequency codes 51 and 64; an image of each type, one taken at the tuning's moment.
QByteArray KnownJournal()
{
    const TuningLine pump{.Id = 7, .Name = "Pump", .Day = 7, .Month = 3, .YearInCentury = 5, .Hour = 9,
                          .Minute = 5, .Second = 0, .Frequency = 51, .Amplitude = 10};
    const TuningLine lower{.Id = 9, .Name = "abc", .Frequency = 64, .Amplitude = 10};
    const TuningLine upper{.Id = 100, .Name = "ABC", .Frequency = 51, .Amplitude = 100};
    const ImageLine ordinary{.Id = 20, .Tuning = 7, .BeginDay = 7, .BeginMonth = 3, .BeginYear = 5, .BeginHour = 9,
                             .BeginMinute = 5, .BeginSecond = 0, .ImageType = 0};
    // A level image holds a byte a pixel of its 120 x 120 picture, an impact image one a measuring point.
    const ImageLine level{.Id = 21, .Tuning = 9, .ImageType = 1, .PictureHex = Picture(120 * 120)};
    const ImageLine impact{.Id = 22, .Tuning = 100, .ImageType = 2, .PictureHex = Picture(100 * 80)};
    return CrLfLines({pump.Line(), lower.Line(), upper.Line(), ordinary.Line(), level.Line(), impact.Line()});
}

// A program folder with both plug-ins and the known journal.
class TLumbraSession : public THostSession {
public:
    TLumbraSession() : THostSession({"korvath.so", "lumbra.so"}) { Write("ormeldata.txt", KnownJournal()); }
};

QString Open() { return Line({"click-menu", "0", "0"}); }
QString Grid(const QString &grid) { return Line({"grid", Window, grid}); }

// The grid reports in order, one entry per "grid" command of the script: its summary and its rows.
struct TGridShot {
    TRecord Summary;
    QList<TRecord> Rows;
    QStringList Column(int col) const
    {
        QStringList cells;
        for (const TRecord &row : Rows.mid(1))
            cells.append(row[QString::number(col)]);
        return cells;
    }
    QString Cell(int col, int row) const { return Rows.value(row)[QString::number(col)]; }
    QStringList Widths() const { return Summary["widths"].split(u','); }
};

QList<TGridShot> Grids(const TRunResult &run, const QString &name)
{
    QList<TGridShot> shots;
    for (const TRecord &record : run.Records) {
        if (record.Kind == "grid" && record["name"] == name)
            shots.append({record, {}});
        else if (record.Kind == "row" && record["grid"] == name && !shots.isEmpty())
            shots.last().Rows.append(record);
    }
    return shots;
}
} // namespace

TEST(LumbraInTheProgram, ShowsTheRecordsSortsThemAndFindsRows)
{
    TLumbraSession session;
    const TRunResult run = session.Run({
        Open(), Line({"windows"}), Grid("sgTunings"), Grid("sgImages"), Line({"status", Window}),
        // The tuning IDs as numbers, up and down; then the names, which start in the current direction.
        Line({"header", Window, "sgTunings", "2"}), Grid("sgTunings"),
        Line({"header", Window, "sgTunings", "2"}), Grid("sgTunings"),
        Line({"header", Window, "sgTunings", "3"}), Grid("sgTunings"),
        Line({"header", Window, "sgTunings", "3"}), Grid("sgTunings"),
        // Equal gains keep their order both ways.
        Line({"header", Window, "sgTunings", "7"}), Grid("sgTunings"),
        Line({"header", Window, "sgTunings", "7"}), Grid("sgTunings"),
        // The find panel: plain search, the upper-case containment, another column searched at once.
        Line({"press", Window, "sbTunSearch"}), Line({"controls", Window}),
        Line({"set", Window, "edTunSrch", "ump"}), Grid("sgTunings"),
        Line({"set", Window, "edTunSrch", "UMP"}), Grid("sgTunings"),
        Line({"set", Window, "edTunSrch", "9"}), Grid("sgTunings"),
        Line({"choose", Window, "cbTunSrchCol", "2"}), Grid("sgTunings"),
        // The images' find entry of the menu moves the panel to the images and releases the tunings' button; one
        // click on the tunings' find button, while the panel's edit has the focus, takes it back.
        Line({"menu", Window, "1", "8"}), Line({"controls", Window}),
        Line({"press", Window, "sbTunSearch"}), Line({"controls", Window}),
        Line({"select", Window, "sgImages", "3"}), Grid("sgImages"),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    const auto window = run.Find("window", "name", Window);
    ASSERT_TRUE(window);
    EXPECT_EQ((*window)["class"], "TfrmLumbra");
    EXPECT_EQ((*window)["caption"], "LUMBRA Data Management");
    EXPECT_EQ((*window)["visible"], "1");

    const QList<TGridShot> tunings = Grids(run, "sgTunings");
    const QList<TGridShot> images = Grids(run, "sgImages");
    ASSERT_EQ(tunings.size(), 11);
    ASSERT_EQ(images.size(), 2);

    const TGridShot &shown = tunings[0];
    EXPECT_EQ(shown.Summary["rows"], "4");
    EXPECT_EQ(shown.Summary["cols"], "13");
    EXPECT_EQ(shown.Summary["row"], "1");
    EXPECT_EQ(shown.Rows[0]["0"], "Device type");
    EXPECT_EQ(shown.Rows[0]["12"], "Comments");
    EXPECT_EQ(shown.Column(2), (QStringList{"7", "9", "100"}));
    EXPECT_EQ(shown.Cell(5, 1), "07/03/2005 09:05:00");
    EXPECT_EQ(shown.Cell(6, 1), "8");
    // Three decimals at most, with the process's separator (the English texts set it only when switched to).
    EXPECT_TRUE(shown.Cell(6, 2) == "10.039" || shown.Cell(6, 2) == "10,039") << qPrintable(shown.Cell(6, 2));
    EXPECT_EQ(shown.Cell(3, 1), "Pump");
    // Every column is as wide as its title and some room.
    for (const QString &width : shown.Widths())
        EXPECT_GT(width.toInt(), 20);

    EXPECT_EQ(images[0].Summary["rows"], "4");
    EXPECT_EQ(images[0].Summary["cols"], "15");
    EXPECT_EQ(images[0].Rows[0]["14"], "Conclusion");
    EXPECT_EQ(images[0].Cell(5, 1), "7/3/2005 9:5:0");
    EXPECT_EQ(images[0].Column(11), (QStringList{"0", "1", "2"}));

    const auto status = run.Find("status", "name", "StatusBar1");
    ASSERT_TRUE(status);
    EXPECT_EQ((*status)["0"], "Tunings: 3 (0 hidden)");
    EXPECT_EQ((*status)["1"], "Images: 3 (0 hidden)");

    EXPECT_EQ(tunings[1].Column(2), (QStringList{"7", "9", "100"}));
    EXPECT_EQ(tunings[2].Column(2), (QStringList{"100", "9", "7"}));
    // Sorting moves rows, never the columns' widths.
    EXPECT_EQ(tunings[6].Summary["widths"], shown.Summary["widths"]);
    EXPECT_EQ(tunings[3].Column(3), (QStringList{"abc", "Pump", "ABC"}));
    EXPECT_EQ(tunings[4].Column(3), (QStringList{"ABC", "Pump", "abc"}));
    EXPECT_EQ(tunings[5].Column(3), (QStringList{"Pump", "abc", "ABC"}));
    EXPECT_EQ(tunings[6].Column(3), (QStringList{"ABC", "Pump", "abc"}));

    // The find panel shows beside its pressed button and offers the tunings' titles.
    const QList<TRecord> controls = run.Of("control");
    const auto control = [&controls](const QString &name, int shot) {
        int seen = 0;
        for (const TRecord &record : controls)
            if (record["name"] == name && seen++ == shot)
                return record;
        return TRecord{};
    };
    EXPECT_EQ(control("pnTunSearch", 0)["visible"], "1");
    EXPECT_EQ(control("sbTunSearch", 0)["down"], "1");
    EXPECT_EQ(control("cbTunSrchCol", 0)["itemindex"], "0");
    EXPECT_EQ(control("cbTunSrchCol", 0)["text"], "Device type");
    // The found row is the current one, whatever place the sorts gave it.
    EXPECT_EQ(tunings[7].Cell(3, tunings[7].Summary["row"].toInt()), "Pump");
    EXPECT_EQ(tunings[8].Cell(3, tunings[8].Summary["row"].toInt()), "Pump");
    // "9" is no name: the current row stays; in the ID column it is found at once.
    EXPECT_EQ(tunings[9].Summary["row"], tunings[8].Summary["row"]);
    EXPECT_EQ(tunings[10].Cell(2, tunings[10].Summary["row"].toInt()), "9");
    EXPECT_EQ(tunings[10].Summary["col"], "2");

    EXPECT_EQ(control("pnTunSearch", 1)["visible"], "1");
    EXPECT_EQ(control("sbImgSearch", 1)["down"], "1");
    EXPECT_EQ(control("sbTunSearch", 1)["down"], "0");
    EXPECT_EQ(control("cbTunSrchCol", 1)["text"], "Device type");
    EXPECT_EQ(control("pnTunSearch", 2)["visible"], "1");
    EXPECT_EQ(control("sbTunSearch", 2)["down"], "1");
    EXPECT_EQ(control("sbImgSearch", 2)["down"], "0");
    EXPECT_EQ(images[1].Summary["row"], "3");
}

TEST(LumbraInTheProgram, CriteriaFilterTheTablesAndAreStoredAtClose)
{
    TLumbraSession session;
    // A hidden column's criterion is not applied; a visible one that no image meets leaves none.
    session.SetString("IsVisible3", "0", TuningsKey);
    session.SetString("DataOperation3", "2", TuningsKey);
    session.SetString("DataValue3", "nothing", TuningsKey);
    session.SetString("DataOperation0", "2", ImagesKey);
    session.SetString("DataValue0", "none", ImagesKey);
    const TRunResult run = session.Run({
        Open(), Grid("sgTunings"), Grid("sgImages"), Line({"status", Window}),
        // Cancelled: nothing changes.
        Answer({"2", "choose=pcFields:2", "choose=cbDataCrit:1", "set=edDataValue:100"}),
        Line({"press", Window, "sbTunCrit"}), Grid("sgTunings"),
        // Tuning IDs below 100, compared as numbers.
        Answer({"1", "choose=pcFields:2", "choose=cbDataCrit:1", "set=edDataValue:100"}),
        Line({"press", Window, "sbTunCrit"}), Grid("sgTunings"), Line({"status", Window}),
        // The images' criteria entry of the menu, on its first page: the criterion that filtered every image goes.
        Answer({"1", "choose=cbDataCrit:0", "set=edDataValue:"}), Line({"menu", Window, "1", "6"}),
        Grid("sgImages"),
        // The menu command again: the hidden column stays hidden.
        Open(), Grid("sgTunings"), Line({"close", Window}), Line({"windows"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    const QList<TGridShot> tunings = Grids(run, "sgTunings");
    const QList<TGridShot> images = Grids(run, "sgImages");
    ASSERT_EQ(tunings.size(), 4);
    ASSERT_EQ(images.size(), 2);
    EXPECT_EQ(tunings[0].Summary["rows"], "4");
    EXPECT_EQ(tunings[0].Widths().value(3), "-1");
    EXPECT_GT(tunings[0].Widths().value(4).toInt(), 20);
    // Everything filtered: the one blank row, every record counted as hidden.
    EXPECT_EQ(images[0].Summary["rows"], "2");
    EXPECT_EQ(images[0].Column(0), (QStringList{""}));
    const QList<TRecord> status = run.Of("status");
    ASSERT_EQ(status.size(), 2);
    EXPECT_EQ(status[0]["0"], "Tunings: 3 (0 hidden)");
    EXPECT_EQ(status[0]["1"], "Images: 3 (3 hidden)");

    // The dialog: one page per column, hidden ones too, and the eight criteria.
    const QList<TRecord> modals = run.Of("modal");
    ASSERT_EQ(modals.size(), 3);
    EXPECT_EQ(modals[0]["kind"], "form");
    EXPECT_EQ(modals[0]["class"], "TfrmGridCrit");
    EXPECT_EQ(modals[0]["caption"], "Changing record's visualisation criterion");
    EXPECT_TRUE(run.Find("component", "name", "edDataValue"));

    EXPECT_EQ(tunings[1].Column(2), (QStringList{"7", "9", "100"}));
    EXPECT_EQ(tunings[2].Column(2), (QStringList{"7", "9"}));
    EXPECT_EQ(status[1]["0"], "Tunings: 3 (1 hidden)");
    EXPECT_EQ(images[1].Column(2), (QStringList{"20", "21", "22"}));
    EXPECT_EQ(tunings[3].Widths().value(3), "-1");
    EXPECT_EQ(tunings[3].Column(2), (QStringList{"7", "9"}));

    // Closing hides the window and writes every column's settings.
    EXPECT_EQ((*run.Find("window", "name", Window))["visible"], "0");
    EXPECT_EQ(session.String("DataOperation2", TuningsKey), "1");
    EXPECT_EQ(session.String("DataValue2", TuningsKey), "100");
    EXPECT_EQ(session.String("IsVisible3", TuningsKey), "0");
    EXPECT_EQ(session.String("BGColor12", TuningsKey), "-2147483643");
    EXPECT_FALSE(session.String("IsVisible13", TuningsKey));
    EXPECT_EQ(session.String("DataOperation0", ImagesKey), "0");
    EXPECT_EQ(session.String("TxtColor14", ImagesKey), "-2147483640");
}

TEST(LumbraInTheProgram, FollowsALanguageSwitchWhileItIsOpen)
{
    TLumbraSession session;
    const TRunResult run = session.Run({
        Open(), Line({"select", Window, "sgTunings", "2"}), Line({"click", "Russian1"}), Line({"windows"}),
        Grid("sgTunings"), Grid("sgImages"), Line({"status", Window}), Line({"controls", Window}),
        // Help contents: the plug-in's own message box names the Russian help file.
        Line({"menu", Window, "2", "0"}), Line({"click", "English1"}), Grid("sgTunings"),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    EXPECT_EQ((*run.Find("window", "name", Window))["caption"], QString::fromUtf8("Управление данными ЛУМБРА"));
    const QList<TGridShot> tunings = Grids(run, "sgTunings");
    const QList<TGridShot> images = Grids(run, "sgImages");
    ASSERT_EQ(tunings.size(), 2);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(tunings[0].Cell(0, 0), QString::fromUtf8("Тип прибора"));
    EXPECT_EQ(tunings[0].Cell(5, 0), QString::fromUtf8("Дата"));
    EXPECT_EQ(tunings[0].Cell(5, 1), "07.03.2005 09:05:00");
    EXPECT_EQ(tunings[0].Cell(6, 1), "8");
    EXPECT_EQ(images[0].Cell(13, 0), QString::fromUtf8("Контроль произвел"));
    EXPECT_EQ(images[0].Cell(5, 1), "7.3.2005 9:5:0");
    // The table is rebuilt with every record, whatever row was selected.
    EXPECT_EQ(tunings[0].Summary["rows"], "4");

    const auto status = run.Find("status", "name", "StatusBar1");
    ASSERT_TRUE(status);
    EXPECT_EQ((*status)["0"], QString::fromUtf8("Настройки: 3 (0 скрыто)"));
    EXPECT_EQ((*status)["1"], QString::fromUtf8("Изображения: 3 (0 скрыто)"));
    EXPECT_EQ((*run.Find("control", "name", "GroupBox1"))["text"], QString::fromUtf8("Архив настроек:"));
    const auto help = run.Find("modal", "kind", "message");
    ASSERT_TRUE(help);
    EXPECT_TRUE((*help)["text"].contains("lumbra_ru.hlp")) << qPrintable((*help)["text"]);

    EXPECT_EQ(tunings[1].Cell(0, 0), "Device type");
    EXPECT_EQ(tunings[1].Cell(5, 1), "07/03/2005 09:05:00");
    EXPECT_EQ(tunings[1].Cell(6, 2), "10,039");
}

// A language switch, the host's alone as well, and opening the window show the busy cursor while they run and
// the normal one afterwards.
TEST(LumbraInTheProgram, ALanguageSwitchAndOpeningTheWindowShowTheBusyCursorWhileTheyRun)
{
    const QStringList script{Line({"watch-cursor"}), Line({"click", "Russian1"}), Line({"cursor"}),
                             Line({"watch-cursor"}), Open(), Line({"cursor"})};
    const THostSession bare;
    TRunResult run = bare.Run(script.mid(0, 3));
    EXPECT_EQ(run.Column("cursor", "busy"), QStringList{"1"});
    EXPECT_EQ(run.Column("cursor", "now"), QStringList{"normal"});

    const TLumbraSession session;
    run = session.Run(script);
    EXPECT_EQ(run.Column("cursor", "busy"), (QStringList{"1", "1"}));
    EXPECT_EQ(run.Column("cursor", "now"), (QStringList{"normal", "normal"}));
}

// The composite sheet in the program: two previews added, the first dragged from cell 1 to cell 9, a drag onto an
// occupied cell refused, and "Clear all" hides the sheet.
TEST(LumbraInTheProgram, AddsPreviewsToTheCompositeSheetAndMovesThemBetweenFreeCells)
{
    const QString sheet = QStringLiteral("AllImageForm");
    TLumbraSession session;
    const TRunResult run = session.Run({
        Open(), Line({"select", Window, "sgImages", "1"}), Grid("sgImages"),
        Line({"press", Window, "SpeedButton1"}), Line({"press", Window, "SpeedButton1"}), Line({"windows"}),
        Line({"drag", sheet, "Panel1", "10", "10", "247", "126"}), Line({"status", sheet}),
        Line({"drag", sheet, "Panel1", "247", "126", "130", "5"}), Line({"status", sheet}),
        Line({"drag", sheet, "Panel1", "600", "900", "250", "130"}), Line({"status", sheet}),
        Line({"press", sheet, "Clearall1"}), Line({"windows"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    const QString id = Grids(run, "sgImages").value(0).Cell(2, 1);
    QList<TRecord> texts;
    for (const TRecord &status : run.Of("status"))
        if (status["0"].startsWith("Image="))
            texts.append(status);
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0]["0"], "Image= 1/2");
    EXPECT_EQ(texts[0]["1"], "Image ID= " + id);
    EXPECT_EQ(texts[0]["2"], "X= 247 Y= 126");
    EXPECT_EQ(texts[1]["0"], "Image= 2/2") << "cell 2 keeps its own preview";
    EXPECT_EQ(texts[2]["0"], "Image= 1/2") << "the first preview stayed in cell 9";
    EXPECT_EQ(texts[2]["2"], "X= 250 Y= 130");

    QList<TRecord> shown;
    for (const TRecord &window : run.Of("window"))
        if (window["name"] == sheet)
            shown.append(window);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0]["caption"], "Arrange images");
    EXPECT_EQ(shown[0]["visible"], "1");
    EXPECT_EQ(shown[1]["visible"], "0");
}
