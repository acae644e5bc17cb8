// The record viewer and the deleting of records on the real program: texts edited in the viewer reach the
// journal at exit in exactly their fields, Cancel and No leave it alone, a deleted record loses exactly its line,
// and the viewer's tools and warnings work under the user's hand.

#include "HostSession.h"
#include "JournalSamples.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QRect>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QString Window = QStringLiteral("frmLumbra");
const QString Viewer = QStringLiteral("frmEditRecord");

// A 120 x 120 picture of a bit a pixel, row by row, with the pixels of the rectangles set.
QByteArray BitPicture(std::initializer_list<QRect> marks)
{
    QByteArray bytes(120 * 120 / 8, '\0');
    for (const QRect &mark : marks)
        for (int y = mark.top(); y <= mark.bottom(); ++y)
            for (int x = mark.left(); x <= mark.right(); ++x)
                bytes[(y * 120 + x) / 8] = char(bytes[(y * 120 + x) / 8] | (1 << ((y * 120 + x) % 8)));
    return bytes.toHex().toUpper();
}

struct TKnownRecords {
    TuningLine Pump{.Id = 7, .Name = "Pump", .Comments = "Before the overhaul"};
    TuningLine Axle{.Id = 9, .Name = "Axle"};
    // 100 x 80 pixels measured; 200 of them marked inside that frame and 50 beyond its right edge.
    ImageLine Ordinary{.Id = 20, .Tuning = 7, .SizeX = 100, .SizeY = 80, .ImageType = 0,
                       .PictureHex = BitPicture({QRect(40, 10, 10, 20), QRect(105, 0, 5, 10)})};
    // Its tuning is not in the journal.
    ImageLine Level{.Id = 21, .Tuning = 100, .ImageType = 1, .PictureHex = Picture(120 * 120)};
    ImageLine Impact{.Id = 22, .Tuning = 9, .SizeX = 5, .SizeY = 4, .ImageType = 2, .PictureHex = Picture(5 * 4)};

    QList<QByteArray> Lines() const
    {
        return {Pump.Line(), Axle.Line(), Ordinary.Line(), Level.Line(), Impact.Line()};
    }
    QByteArray Journal() const
    {
        QByteArray text;
        for (const QByteArray &line : Lines())
            text += line + "\r\n";
        return text;
    }
};

class TViewerSession : public THostSession {
public:
    explicit TViewerSession(const TKnownRecords &records) : THostSession({"korvath.so", "lumbra.so"})
    {
        Write("ormeldata.txt", records.Journal());
    }
    QList<QByteArray> JournalLines() const
    {
        QList<QByteArray> lines = Read("ormeldata.txt").split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        for (QByteArray &line : lines)
            line.chop(line.endsWith('\r') ? 1 : 0);
        return lines;
    }
};

QString Open() { return Line({"click-menu", "0", "0"}); }
QString Select(const QString &grid, int row) { return Line({"select", Window, grid, QString::number(row)}); }
QString Press(const QString &window, const QString &name) { return Line({"press", window, name}); }
QString Set(const QString &name, const QString &value) { return Line({"set", Viewer, name, value}); }
QString Modal() { return Line({"modal"}); }

// The "control" reports of the n-th "controls" command, by name; a name seen again starts the next command's.
QMap<QString, TRecord> ControlsShot(const TRunResult &run, int shot)
{
    QList<QMap<QString, TRecord>> shots;
    bool inShot = false;
    for (const TRecord &record : run.Records) {
        if (record.Kind != "control") {
            inShot = false;
            continue;
        }
        if (!inShot || (!record["name"].isEmpty() && shots.last().contains(record["name"])))
            shots.append(QMap<QString, TRecord>());
        inShot = true;
        shots.last().insert(record["name"], record);
    }
    return shots.value(shot);
}

// Every row of the grid's last report, header included, as its cells joined by '|'.
QStringList LastGrid(const TRunResult &run, const QString &name)
{
    QStringList rows;
    for (const TRecord &record : run.Records) {
        if (record.Kind == "grid" && record["name"] == name)
            rows.clear();
        else if (record.Kind == "row" && record["grid"] == name) {
            QStringList cells;
            for (int c = 0; record.Fields.contains(QString::number(c)); ++c)
                cells << record[QString::number(c)];
            rows << cells.join(u'|');
        }
    }
    return rows;
}
} // namespace

TEST(RecordViewerInTheProgram, EditedTextsReachTheJournalInTheirFieldsAndCancelChangesNothing)
{
    const TKnownRecords known;

    // Cancel after changing every text, and No to a deletion: the journal is not even written at exit.
    {
        TViewerSession session(known);
        const QDateTime written = QFileInfo(session.File("ormeldata.txt")).lastModified();
        const TRunResult run = session.Run({
            Open(), Select("sgImages", 1), Modal(), Press(Window, "sbImgEdit"), Line({"controls", Viewer}),
            Set("edComments", "Changed"), Set("EditControlMade", "Someone"), Set("Memo1", "Unfit"),
            Line({"controls", Viewer}), Press(Viewer, "btCancel"),
            Select("sgTunings", 1), Modal(), Press(Window, "sbTunEdit"), Set("edComments", "Changed"),
            Line({"end-modal", "2"}), Answer({"7"}), Press(Window, "sbTunDelete"),
            Line({"grid", Window, "sgImages"}), Line({"grid", Window, "sgTunings"}),
        });
        EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
        EXPECT_TRUE(run.Of("error").isEmpty());
        ASSERT_EQ(run.Of("modal").size(), 3);
        EXPECT_EQ(run.Of("modal")[0]["class"], "TfrmEditRecord");
        const auto opened = ControlsShot(run, 0);
        EXPECT_EQ(opened["edComments"]["text"], "Комментарий");
        EXPECT_EQ(opened["EditControlMade"]["text"], "Иванов");
        EXPECT_EQ(opened["Memo1"]["text"], "Годен к эксплуатации");
        EXPECT_EQ(opened["EditImageID"]["text"], "20");
        EXPECT_EQ(opened["EditStartDate"]["text"], "1.2.2003");
        EXPECT_EQ(opened["btOK"]["enabled"], "0");
        EXPECT_EQ(ControlsShot(run, 1)["btOK"]["enabled"], "1");
        EXPECT_EQ(LastGrid(run, "sgImages").value(1).split(u'|').value(12), "Комментарий");
        EXPECT_EQ(LastGrid(run, "sgTunings").size(), 3);
        EXPECT_EQ(session.Read("ormeldata.txt"), known.Journal());
        EXPECT_EQ(QFileInfo(session.File("ormeldata.txt")).lastModified(), written);
    }

    // OK on a tuning, an ordinary image and an impact image; a Cancel in between.
    TViewerSession session(known);
    const TRunResult run = session.Run({
        Open(),
        Select("sgTunings", 1), Modal(), Press(Window, "sbTunEdit"), Line({"controls", Viewer}),
        Set("edComments", "After the overhaul"), Press(Viewer, "btOK"),
        Select("sgTunings", 2), Modal(), Press(Window, "sbTunEdit"), Set("edComments", "Never kept"),
        Press(Viewer, "btCancel"),
        Select("sgImages", 1), Modal(), Press(Window, "sbImgEdit"), Set("edComments", "Crack near the hub"),
        Set("EditControlMade", "Petrov"), Set("Memo1", "Unfit for service"), Press(Viewer, "btOK"),
        // A text typed and typed back enables OK all the same; its line stays as it was but for the conclusion's
        // line end.
        Select("sgImages", 2), Modal(), Press(Window, "sbImgEdit"), Set("edComments", "x"),
        Set("edComments", "Комментарий"), Line({"controls", Viewer}), Press(Viewer, "btOK"),
        Select("sgImages", 3), Modal(), Press(Window, "sbImgEdit"), Line({"controls", Viewer}),
        Set("edComments", "Impact"), Set("Ed_impimgtest", "Sidorov"), Set("memo_impimgconcl", "Fit"),
        Press(Viewer, "btOK"),
        Line({"grid", Window, "sgTunings"}), Line({"grid", Window, "sgImages"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());
    EXPECT_EQ(run.Of("modal").size(), 5);
    const auto tuning = ControlsShot(run, 0);
    EXPECT_EQ(tuning["edComments"]["text"], "Before the overhaul");
    EXPECT_EQ(tuning["edTunName"]["text"], "Pump");
    EXPECT_EQ(tuning["EditTuningID"]["text"], "7");
    EXPECT_EQ(tuning["EditDate"]["text"], "15.12.2002");
    EXPECT_EQ(tuning["EditTuningID"]["visible"], "1");
    EXPECT_EQ(tuning["EditImageID"]["visible"], "0");
    EXPECT_EQ(ControlsShot(run, 1)["btOK"]["enabled"], "1");
    const auto impact = ControlsShot(run, 2);
    EXPECT_EQ(impact["Ed_impimgw"]["visible"], "1");
    EXPECT_EQ(impact["EditImageID"]["visible"], "0");
    EXPECT_EQ(impact["Ed_impimgtest"]["text"], "Иванов");
    EXPECT_EQ(impact["Ed_impimgw"]["text"], "5");

    // The tables show the new texts at once.
    EXPECT_EQ(LastGrid(run, "sgTunings").value(1).split(u'|').value(12), "After the overhaul");
    EXPECT_EQ(LastGrid(run, "sgTunings").value(2).split(u'|').value(12), "Проверка колёсной пары");
    const QStringList image = LastGrid(run, "sgImages").value(1).split(u'|');
    EXPECT_EQ(image.mid(12, 2), (QStringList{"Crack near the hub", "Petrov"}));

    TKnownRecords edited = known;
    edited.Pump.Comments = "After the overhaul";
    edited.Ordinary.Comments = "Crack near the hub";
    edited.Ordinary.ControlMade = "Petrov";
    // The memo's lines end in line breaks, which the journal's one line per record keeps as blanks.
    edited.Ordinary.Conclusion = "Unfit for service ";
    edited.Level.Conclusion += " ";
    edited.Impact.Comments = "Impact";
    edited.Impact.ControlMade = "Sidorov";
    edited.Impact.Conclusion = "Fit ";
    const QList<QByteArray> lines = session.JournalLines();
    ASSERT_EQ(lines.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(lines[i], edited.Lines()[i]) << "line " << i;
    // The name and comments are fixed-width fields: the tuning's line keeps its length.
    EXPECT_EQ(lines[0].size(), known.Pump.Line().size());
    EXPECT_EQ(session.Read("ormeldata.txt"), edited.Journal());
}

TEST(RecordViewerInTheProgram, DeletingAsksFirstAndTakesExactlyTheRecordsLine)
{
    const TKnownRecords known;
    TViewerSession session(known);
    const TRunResult run = session.Run({
        Open(),
        // No, after the Help button, which leaves the question open (and names the help file, not installed here);
        // then Escape, then Enter for Yes.
        Select("sgImages", 2), Modal(), Press(Window, "sbImgDelete"), Line({"controls", "TMessageForm"}),
        Press("TMessageForm", "Help"), Line({"windows"}), Press("TMessageForm", "No"),
        Line({"grid", Window, "sgImages"}),
        Answer({"0", "key=Escape"}), Press(Window, "sbImgDelete"), Line({"grid", Window, "sgImages"}),
        Answer({"0", "key=Enter"}), Press(Window, "sbImgDelete"), Line({"grid", Window, "sgImages"}),
        // Both tunings, the last row last: the table keeps one blank row and its commands do nothing.
        Select("sgTunings", 2), Answer({"6"}), Press(Window, "sbTunDelete"),
        Answer({"6"}), Press(Window, "sbTunDelete"), Line({"grid", Window, "sgTunings"}),
        Press(Window, "sbTunEdit"), Press(Window, "sbTunDelete"), Line({"status", Window}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());
    // Three questions for the image, two for the tunings, none once the tunings' table is empty.
    QList<TRecord> modals = run.Of("modal");
    ASSERT_EQ(modals.size(), 6);
    EXPECT_EQ(modals.takeAt(1)["text"], "The help file \"lumbra.hlp\" is not installed.");
    for (const TRecord &modal : modals) {
        EXPECT_EQ(modal["class"], "TMessageForm");
        EXPECT_EQ(modal["caption"], "Warning");
    }
    const auto question = ControlsShot(run, 0);
    EXPECT_EQ(question["Message"]["text"], "This operation can't be canceled.\r\nDelete selected record?");
    EXPECT_EQ(question["Yes"]["text"], "&Yes");
    EXPECT_EQ(question["No"]["text"], "&No");
    EXPECT_EQ(question["Help"]["text"], "&Help");
    EXPECT_FALSE(question.contains("OK"));
    const auto open = run.Find("window", "class", "TMessageForm");
    ASSERT_TRUE(open);
    EXPECT_EQ((*open)["visible"], "1");

    QList<QStringList> images;
    for (const TRecord &record : run.Of("grid"))
        if (record["name"] == "sgImages")
            images.append({record["rows"]});
    EXPECT_EQ(images, (QList<QStringList>{{"4"}, {"4"}, {"3"}}));
    const QStringList left = LastGrid(run, "sgImages");
    ASSERT_EQ(left.size(), 3);
    EXPECT_EQ(left[1].split(u'|').value(2), "20");
    EXPECT_EQ(left[2].split(u'|').value(2), "22");
    const QStringList tunings = LastGrid(run, "sgTunings");
    ASSERT_EQ(tunings.size(), 2);
    EXPECT_TRUE(tunings[1].split(u'|').filter(QRegularExpression(".")).isEmpty()) << qPrintable(tunings[1]);
    const auto status = run.Find("status", "name", "StatusBar1");
    ASSERT_TRUE(status);
    // The status line keeps its counts until the next data update rewrites it.
    EXPECT_EQ((*status)["0"], "Tunings: 2 (0 hidden)");
    EXPECT_EQ((*status)["1"], "Images: 3 (0 hidden)");

    // Exactly the deleted records' lines are gone; the others are byte for byte as they were.
    EXPECT_EQ(session.JournalLines(), (QList<QByteArray>{known.Ordinary.Line(), known.Impact.Line()}));
    EXPECT_EQ(session.Read("ormeldata.txt"), known.Ordinary.Line() + "\r\n" + known.Impact.Line() + "\r\n");
}

TEST(RecordViewerInTheProgram, MeasuresDefectAreasOpensTheImagesTuningAndWarnsInRussian)
{
    const TKnownRecords known;
    TViewerSession session(known);
    session.SetInteger("Language", 2);
    // Warnings switched off: the one about a missing tuning comes all the same.
    session.SetInteger("DoWarnings", 0, "LUMBRA");
    const auto controls = [] { return Line({"controls", Viewer}); };
    const auto drag = [](int x1, int y1, int x2, int y2) {
        return Line({"drag", Viewer, "Image1", QString::number(x1), QString::number(y1), QString::number(x2),
                     QString::number(y2)});
    };
    const auto mouse = [](const QString &what, int x, int y) {
        return Line({"mouse-" + what, Viewer, "Image1", QString::number(x), QString::number(y)});
    };
    const TRunResult run = session.Run({
        Open(), Select("sgImages", 1), Modal(), Press(Window, "sbImgEdit"),
        // The first movement only arms the tool, though the button is held.
        mouse("down", 20, 20), mouse("move", 130, 130), controls(), mouse("move", 130, 130), mouse("up", 130, 130),
        controls(),
        // Backwards, a point, a white corner, the whole frame again and a press outside it that changes nothing.
        drag(120, 100, 20, 20), controls(), drag(20, 20, 10, 10), controls(), drag(80, 20, 120, 28), controls(),
        drag(20, 20, 130, 130), mouse("down", 150, 150), mouse("up", 150, 150), controls(),
        // ">>": the image's tuning in a second viewer beside the first.
        Modal(), Press(Viewer, "buShowTunning"), Line({"windows"}), controls(), Line({"end-modal", "2"}),
        Line({"end-modal", "2"}),
        // The level image's tuning is missing: the warning, forced, without its check box.
        Select("sgImages", 2), Modal(), Press(Window, "sbImgEdit"), Modal(), Press(Viewer, "buShowTunning"),
        Line({"controls", "TfrmMessage"}), Line({"end-modal", "1"}), Line({"end-modal", "2"}),
        Modal(), Press(Window, "sbImgDelete"), Line({"controls", "TMessageForm"}), Line({"end-modal", "7"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    const auto area = [&run](int shot) { return ControlsShot(run, shot)["Defectarea"]["text"]; };
    EXPECT_EQ((QStringList{area(0), area(1), area(2), area(3), area(4), area(5)}),
              (QStringList{"", "200", "200", "0", "0", "200"}));
    const auto image = ControlsShot(run, 0);
    EXPECT_EQ(image["lbComments"]["text"], "Замечания:");
    EXPECT_EQ(image["btCancel"]["text"], "О&тмена");
    EXPECT_EQ(image["lbDefectarea"]["text"], "Площадь дефектов в отмеченной зоне (кв. мм):");

    int viewers = 0;
    for (const TRecord &window : run.Of("window"))
        viewers += window["name"] == Viewer && window["visible"] == "1" && window["modal"] == "1";
    EXPECT_EQ(viewers, 2);
    const auto tuning = ControlsShot(run, 6);
    EXPECT_EQ(tuning["EditTuningID"]["text"], "7");
    EXPECT_EQ(tuning["edTunName"]["text"], "Pump");
    EXPECT_EQ(tuning["EditTuningID"]["visible"], "1");

    const auto warning = ControlsShot(run, 7);
    EXPECT_EQ(warning["lbMessage"]["text"], "Настройка, при которой было получено данное изображение, не найдена!");
    EXPECT_EQ(warning["CheckBox1"]["visible"], "0");
    // The question and its buttons speak Russian.
    const auto question = ControlsShot(run, 8);
    EXPECT_EQ(question["Message"]["text"], "Данная операция не может быть отменена.\r\nУдалить выбранную запись?");
    EXPECT_EQ(question["Yes"]["text"], "&Да");
    EXPECT_EQ(question["Help"]["text"], "&Помощь");
    EXPECT_EQ(session.Read("ormeldata.txt"), known.Journal());
}

// The impact surface's picture tells the zoom and the shift: the same state draws the same pixels.
TEST(RecordViewerInTheProgram, ImpactViewZoomsAndShiftsWithinItsLimitsAndKeepsTheZoomForTheNextView)
{
    const TKnownRecords known;
    TViewerSession session(known);
    QStringList script{Open(), Select("sgImages", 3), Modal(), Press(Window, "sbImgEdit")};
    int shots = 0;
    const auto shoot = [&] {
        script << Line({"shot", Viewer, session.File(QString("surface%1.png").arg(shots++)), "Image2"});
    };
    // Presses the button so many times, then takes a shot.
    const auto step = [&](const QString &button, int times) {
        for (int i = 0; i < times; ++i)
            script << Press(Viewer, button);
        shoot();
    };
    shoot(); // 0: zoom 30, no shift
    step("BitBtn6", 28); // 1: zoom 2
    step("BitBtn6", 3); // 2: still 2
    step("BitBtn5", 98); // 3: zoom 100
    step("BitBtn5", 2); // 4: still 100
    step("BitBtn6", 70); // 5: zoom 30 again
    step("BitBtn3", 3); // 6: shifted right as far as the surface goes
    step("BitBtn3", 2); // 7: no further
    step("BitBtn2", 5); // 8: back, and no further
    step("BitBtn4", 2); // 9: shifted down as far as it goes
    step("BitBtn4", 2); // 10: no further
    step("BitBtn1", 4); // 11: back
    step("BitBtn5", 1); // 12: zoom 31
    script << Press(Viewer, "BitBtn3") << Press(Viewer, "btCancel") << Modal() << Press(Window, "sbImgEdit");
    shoot(); // 13: the next view: zoom 31, no shift
    script << Press(Viewer, "btCancel");
    const TRunResult run = session.Run(script);
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    QList<QImage> surface;
    for (int i = 0; i < shots; ++i) {
        surface << QImage(session.File(QString("surface%1.png").arg(i)));
        ASSERT_FALSE(surface.last().isNull()) << "shot " << i;
    }
    EXPECT_NE(surface[0], surface[1]);
    EXPECT_EQ(surface[1], surface[2]);
    EXPECT_NE(surface[3], surface[1]);
    EXPECT_EQ(surface[3], surface[4]);
    EXPECT_EQ(surface[5], surface[0]);
    EXPECT_NE(surface[6], surface[0]);
    EXPECT_EQ(surface[6], surface[7]);
    EXPECT_EQ(surface[8], surface[0]);
    EXPECT_NE(surface[9], surface[0]);
    EXPECT_EQ(surface[9], surface[10]);
    EXPECT_EQ(surface[11], surface[0]);
    EXPECT_NE(surface[12], surface[0]);
    EXPECT_EQ(surface[13], surface[12]);
}

// The journal is Windows-1251. OK refuses a text with characters it has no byte for, naming them in the active
// language, and the viewer stays open with what was typed; a letter typed as a base and a combining mark is stored
// as the code page's one letter. Nothing reaches the journal as "?".
TEST(RecordViewerInTheProgram, OkRefusesCharactersTheJournalCannotHoldByNameAndStoresTypedLettersComposed)
{
    const TKnownRecords known;
    TViewerSession session(known);
    session.SetInteger("Language", 2);
    const QString chinese = QString::fromUtf8("Трещина 中");
    const TRunResult run = session.Run({
        Open(), Select("sgImages", 1), Modal(), Press(Window, "sbImgEdit"), Set("edComments", chinese),
        Set("EditControlMade", QString::fromUtf8("Петров и\u0306")), Set("Memo1", QString::fromUtf8("Годен 😀 x\u0301")),
        Modal(), Press(Viewer, "btOK"), Line({"controls", "TMessageForm"}), Press("TMessageForm", "OK"),
        Line({"controls", Viewer}), Set("edComments", QString::fromUtf8("Трещина")),
        Set("Memo1", QString::fromUtf8("Годен")), Press(Viewer, "btOK"),
        // The tuning's comment cannot be kept either; Cancel then leaves the tuning as it was.
        Select("sgTunings", 1), Modal(), Press(Window, "sbTunEdit"), Set("edComments", QString::fromUtf8("Ø 10")),
        Answer({"1"}), Press(Viewer, "btOK"), Line({"controls", Viewer}), Line({"end-modal", "2"}),
        Line({"grid", Window, "sgImages"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());
    QStringList modals;
    for (const TRecord &modal : run.Of("modal"))
        modals << modal["class"] + " " + modal["caption"];
    EXPECT_EQ(modals, (QStringList{"TfrmEditRecord Просмотр записи", "TMessageForm Ошибка",
                                   "TfrmEditRecord Просмотр записи", "TMessageForm Ошибка"}));
    EXPECT_EQ(ControlsShot(run, 0)["Message"]["text"],
              QString::fromUtf8("Журнал данных не может хранить эти символы:\r\nЗамечания: \"中\" (U+4E2D)\r\n"
                                "Заключение: \"😀\" (U+1F600), U+0301\r\n"
                                "Замените или удалите их и снова нажмите OK."));
    // The viewer stays open with the texts as they were typed (its controls follow the message's in the report).
    const auto open = ControlsShot(run, 0);
    EXPECT_EQ(open["edComments"]["text"], chinese);
    EXPECT_EQ(open["Memo1"]["text"], QString::fromUtf8("Годен 😀 x\u0301"));
    EXPECT_EQ(ControlsShot(run, 1)["edComments"]["text"], QString::fromUtf8("Ø 10"));
    EXPECT_EQ(LastGrid(run, "sgImages").value(1).split(u'|').mid(12, 2),
              (QStringList{QString::fromUtf8("Трещина"), QString::fromUtf8("Петров й")}));

    TKnownRecords edited = known;
    edited.Ordinary.Comments = QString::fromUtf8("Трещина");
    edited.Ordinary.ControlMade = QString::fromUtf8("Петров й");
    edited.Ordinary.Conclusion = QString::fromUtf8("Годен ");
    EXPECT_EQ(session.JournalLines(), edited.Lines());
    EXPECT_FALSE(session.Read("ormeldata.txt").contains('?'));
}

// Whatever a record holds, its viewer opens at once: a conclusion of a million characters without a blank is shown
// from its beginning, read-only, and written back whole; a surface of 1000 x 1000 values draws the cells on the
// picture only; a tuning whose picture is longer than its field is shown as far as its data goes, and the
// message names it, also when the tables open on it.
TEST(RecordViewerInTheProgram, OpensHugeAndDamagedRecordsAndKeepsThemWhole)
{
    TKnownRecords known;
    known.Pump.PictureHex = Picture(2000);
    known.Ordinary.Conclusion = QString(1000000, u'x');
    known.Impact.SizeX = known.Impact.SizeY = 1000;
    known.Impact.PictureHex = QByteArray("0A").repeated(1000 * 1000);
    TViewerSession session(known);
    const QString damaged = QStringLiteral(
        "The picture of tuning \"Pump\" (device 5, tuning ID 7) is damaged: only the part that the record holds is "
        "shown.");
    const TRunResult run = session.Run({
        Open(), Select("sgTunings", 1), Modal(), Press(Window, "sbTunEdit"), Line({"controls", "TMessageForm"}),
        Modal(), Press("TMessageForm", "OK"), Line({"controls", Viewer}), Line({"end-modal", "2"}),
        Select("sgImages", 1), Modal(), Press(Window, "sbImgEdit"), Line({"controls", Viewer}),
        // The image's report draws its tuning too.
        Answer({"1"}), Answer({"0"}), Press(Viewer, "ButPreview"), Set("edComments", "Checked"),
        Press(Viewer, "btOK"),
        Select("sgImages", 3), Modal(), Press(Window, "sbImgEdit"),
        Line({"shot", Viewer, session.File("surface.png"), "Image2"}), Line({"end-modal", "2"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());
    QStringList modals;
    for (const TRecord &modal : run.Of("modal"))
        modals << modal["kind"] + " " + modal["class"];
    EXPECT_EQ(modals, (QStringList{"form TMessageForm", "form TfrmEditRecord", "form TfrmEditRecord",
                                   "form TMessageForm", "dialog ", "form TfrmEditRecord"}))
        << qPrintable(modals.join(", "));
    EXPECT_EQ(ControlsShot(run, 0)["Message"]["text"], damaged);
    const auto tuning = ControlsShot(run, 1);
    EXPECT_EQ(tuning["EditTuningID"]["text"], "7");
    EXPECT_EQ(tuning["Memo1"]["readonly"], "0");
    const auto image = ControlsShot(run, 2);
    EXPECT_EQ(image["Memo1"]["text"], QString(32767, u'x'));
    EXPECT_EQ(image["Memo1"]["readonly"], "1");
    EXPECT_EQ(image["EditControlMade"]["readonly"], "0");
    EXPECT_EQ(image["lbMemo1"]["text"], "Conclusion (its beginning):");

    // Every pixel of the surface below its top row, where the cells start, is a cell's: green for the value 10,
    // or a black grid line.
    const QImage surface(session.File("surface.png"));
    ASSERT_FALSE(surface.isNull());
    int green = 0, other = 0;
    for (int y = 1; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const QRgb pixel = surface.pixel(x, y) & 0xFFFFFF;
            green += pixel == 0x1EE100;
            other += pixel != 0x1EE100 && pixel != 0;
        }
    EXPECT_GT(green, surface.width() * surface.height() / 2);
    EXPECT_EQ(other, 0);

    // Only the comment changed: the conclusion is written back whole.
    TKnownRecords edited = known;
    edited.Ordinary.Comments = "Checked";
    EXPECT_EQ(session.JournalLines(), edited.Lines());
}
