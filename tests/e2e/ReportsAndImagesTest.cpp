// The inspection plug-in's printed pages and report previews on the real program, sent to PDF files and read back
// as text, and its image windows: whole user flows through the menus, the record viewer, the palette, composite
// and level image windows and Qt's print, preview and colour dialogs.

#include "HostSession.h"
#include "JournalSamples.h"
#include "PdfPages.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {
const QString Window = QStringLiteral("frmLumbra");

// Three tunings and an image of each type.
QByteArray KnownJournal()
{
    const TuningLine pump{.Id = 7, .Name = "Pump", .Frequency = 51, .Amplitude = 10, .Comments = "note"};
    const TuningLine lower{.Id = 9, .Name = "abc", .Frequency = 64, .Amplitude = 10, .Comments = "plain"};
    const TuningLine upper{.Id = 100, .Name = "ABC", .Frequency = 51, .Amplitude = 100};
    const ImageLine ordinary{.Id = 20, .Tuning = 7, .Name = "Ordinary", .ImageType = 0};
    const ImageLine level{.Id = 21, .Tuning = 9, .Name = "Level", .ImageType = 1, .PictureHex = Picture(120 * 120)};
    const ImageLine impact{.Id = 22, .Tuning = 100, .Name = "Impact", .ImageType = 2,
                           .PictureHex = Picture(100 * 80)};
    return CrLfLines({pump.Line(), lower.Line(), upper.Line(), ordinary.Line(), level.Line(), impact.Line()});
}

class TReportsSession : public THostSession {
public:
    TReportsSession() : THostSession({"korvath.so", "lumbra.so"}) { Write("ormeldata.txt", KnownJournal()); }
};

QString Open() { return Line({"click-menu", "0", "0"}); }

// The page's text with its runs of blanks made one, for lines whose layout does not matter.
QString Simplified(const QString &pdf, int page) { return PdfPageText(pdf, page).simplified(); }
} // namespace

TEST(PrintingInTheProgram, PrintAllAfterAFilterAndASortPrintsThePagesInTheTableOrderInEitherLanguage)
{
    TReportsSession session;
    const QString english = session.File("english.pdf");
    const QString russian = session.File("russian.pdf");
    const QString cancelled = session.File("cancelled.pdf");
    const TRunResult run = session.Run({
        Open(),
        // Tuning IDs below 100, then the IDs sorted down: 9 before 7.
        Answer({"1", "choose=pcFields:2", "choose=cbDataCrit:1", "set=edDataValue:100"}),
        Line({"press", Window, "sbTunCrit"}), Line({"header", Window, "sgTunings", "2"}),
        Line({"header", Window, "sgTunings", "2"}),
        // A comment typed with leading blanks in the viewer, kept as typed.
        Answer({"1", "set=edComments:   indented note"}), Line({"dblclick", Window, "sgTunings", "2"}),
        // Print All through the menu, confirmed; then cancelled, which prints nothing.
        Answer({"1", "pdf=" + english}), Line({"menu", Window, "0", "4"}),
        Answer({"0", "pdf=" + cancelled}), Line({"menu", Window, "0", "4"}),
        // The images' Print All in Russian, into a file of its own.
        Line({"click", "Russian1"}), Answer({"1", "pdf=" + russian}), Line({"menu", Window, "1", "4"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    const QList<TRecord> dialogs = run.Of("printdialog");
    ASSERT_EQ(dialogs.size(), 3);
    EXPECT_FALSE(QFile::exists(cancelled));

    // One page a shown record, in the table's order, each with its own values.
    ASSERT_EQ(PdfPageCount(english), 2);
    EXPECT_EQ(PdfInfo(english, "Title"), "LUMBRA's tuning records report");
    const QString first = Simplified(english, 1);
    const QString second = Simplified(english, 2);
    EXPECT_TRUE(first.contains("Tuning ID: 9")) << qPrintable(first);
    EXPECT_TRUE(first.contains("Name: abc")) << qPrintable(first);
    EXPECT_TRUE(first.contains("Comments: plain")) << qPrintable(first);
    EXPECT_TRUE(first.contains("Image:")) << qPrintable(first);
    EXPECT_TRUE(second.contains("Tuning ID: 7")) << qPrintable(second);
    EXPECT_TRUE(second.contains("Name: Pump")) << qPrintable(second);
    EXPECT_FALSE(first.contains("Tuning ID: 100") || second.contains("Tuning ID: 100"));
    // The frequency, gain and pulse share a line; the comment keeps its leading blanks.
    EXPECT_TRUE(second.contains(QRegularExpression("Frequency: 8\\s+Gain: 10\\s+Pulse: 3"))) << qPrintable(second);
    EXPECT_TRUE(PdfPageText(english, 2).contains(QRegularExpression("Comments:\\s{3,}indented note")))
        << qPrintable(PdfPageText(english, 2));

    // Every image a page, every line in Russian.
    ASSERT_EQ(PdfPageCount(russian), 3);
    EXPECT_EQ(PdfInfo(russian, "Title"), QString::fromUtf8("Отчет по параметрам С-изображений ЛУМБРА"));
    const QString image = Simplified(russian, 1);
    EXPECT_TRUE(image.contains(QString::fromUtf8("ID изображения: 20"))) << qPrintable(image);
    EXPECT_TRUE(image.contains(QString::fromUtf8("ID настройки: 7"))) << qPrintable(image);
    EXPECT_TRUE(image.contains(QString::fromUtf8("Название: Ordinary"))) << qPrintable(image);
    EXPECT_TRUE(image.contains(QString::fromUtf8("Изображение:"))) << qPrintable(image);
    EXPECT_FALSE(image.contains("Image ID")) << qPrintable(image);
    EXPECT_TRUE(Simplified(russian, 3).contains(QString::fromUtf8("ID изображения: 22")));
}

TEST(PrintingInTheProgram, TheViewersReportPreviewsOfEveryKindPrintToPdf)
{
    TReportsSession session;
    const QString tuning = session.File("tuning.pdf");
    const QString level = session.File("level.pdf");
    const QString impact = session.File("impact.pdf");
    const QString shot = session.File("preview.png");
    const TPrintToPdfScope toPdf(tuning);
    const TRunResult run = session.Run({
        Open(),
        // The tuning's report printed from its preview through the print dialog, as a user prints it.
        Answer({"2", "click=ButPreview"}), Answer({"0", "print"}), Answer({"1"}),
        Line({"dblclick", Window, "sgTunings", "1"}),
        // The level and impact images' reports sent from the preview straight to files.
        Answer({"2", "click=ButPreview"}), Answer({"0", "pdf=" + level, "shot=" + shot}),
        Line({"dblclick", Window, "sgImages", "2"}),
        Answer({"2", "click=ButPreview"}), Answer({"0", "pdf=" + impact}),
        Line({"dblclick", Window, "sgImages", "3"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    const QList<TRecord> previews = run.Of("preview");
    ASSERT_EQ(previews.size(), 3);
    for (const TRecord &preview : previews)
        EXPECT_EQ(preview["pages"], "1");
    EXPECT_EQ(run.Of("printdialog").size(), 1);
    EXPECT_FALSE(QImage(shot).isNull());

    ASSERT_EQ(PdfPageCount(tuning), 1);
    const QString tuningText = Simplified(tuning, 1);
    EXPECT_TRUE(tuningText.contains("Tuning ID: 7")) << qPrintable(tuningText);
    EXPECT_TRUE(tuningText.contains("Tuning name: Pump")) << qPrintable(tuningText);
    EXPECT_TRUE(tuningText.contains("Frequency (kHz): 8")) << qPrintable(tuningText);
    EXPECT_TRUE(tuningText.contains("Comments: note")) << qPrintable(tuningText);

    ASSERT_EQ(PdfPageCount(level), 1);
    const QString levelText = Simplified(level, 1);
    // An image's report carries its tuning too, the frequency as the stored code.
    for (const char *value : {"Image ID: 21", "Image name: Level", "Step Y (mm): 3", "Tuning name: abc",
                              "Frequency (KHz): 64", "Comments: plain"})
        EXPECT_TRUE(levelText.contains(value)) << value << '\n' << qPrintable(levelText);

    ASSERT_EQ(PdfPageCount(impact), 1);
    const QString impactText = Simplified(impact, 1);
    for (const char *value : {"Impact image record properties:", "Image ID: 22", "Image name: Impact",
                              "Image width: 100"})
        EXPECT_TRUE(impactText.contains(value)) << value << '\n' << qPrintable(impactText);
    EXPECT_FALSE(impactText.contains("Tuning record")) << qPrintable(impactText);
}

TEST(PaletteInTheProgram, ColoursChosenInTheColourDialogAreStoredOnlyWhenThePaletteDialogIsConfirmed)
{
    TReportsSession session;
    const QString key = QStringLiteral("LUMBRA\\ColorSettings");
    const QString palette = Answer({"1", "click=Panel9", "click=Panel10", "click=Panel11", "click=buOK"});
    const TRunResult run = session.Run({
        Open(), Line({"select", Window, "sgImages", "2"}),
        // Red for the first entry; the second dialog cancelled; silver refused for the third.
        palette, Answer({"1", "color=#ff0000"}), Answer({"0", "color=#00ff00"}), Answer({"1", "color=#c0c0c0"}),
        Line({"press", Window, "pbColor"}),
        // Blue chosen, then the palette dialog cancelled: the stored palette comes back.
        Answer({"2", "click=Panel9"}), Answer({"1", "color=#0000ff"}), Line({"press", Window, "pbColor"}),
        palette, Answer({"0"}), Answer({"0"}), Answer({"0"}), Line({"press", Window, "pbColor"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    const QList<TRecord> forms = run.Of("modal");
    ASSERT_GE(forms.size(), 1);
    EXPECT_EQ(forms[0]["class"], "TfmSetColor");
    EXPECT_EQ(forms[0]["caption"], "Colors setting");
    const QStringList colours = run.Column("colordialog", "color");
    ASSERT_EQ(colours.size(), 7) << qPrintable(colours.join(','));
    // Each dialog opens on its entry's colour: the second and third kept theirs, the cancelled blue left red.
    EXPECT_NE(colours[0], "#ff0000");
    EXPECT_EQ(colours[3], "#ff0000");
    EXPECT_EQ(colours[4], "#ff0000");
    EXPECT_EQ(colours[5], colours[1]);
    EXPECT_EQ(colours[6], colours[2]);
    EXPECT_EQ(session.Integer("Color0", key), 255);
    // Stored colours are red in the low byte.
    const auto stored = [](const QString &name) {
        const QColor colour(name);
        return colour.red() | colour.green() << 8 | colour.blue() << 16;
    };
    EXPECT_EQ(session.Integer("Color1", key), stored(colours[1]));
    EXPECT_EQ(session.Integer("Color2", key), stored(colours[2]));
}

TEST(CompositeSheetInTheProgram, ItsPreviewPrintsOnePageWithTheBannerOfTheActiveLanguage)
{
    const QString sheet = QStringLiteral("AllImageForm");
    TReportsSession session;
    const QString english = session.File("sheet-en.pdf");
    const QString russian = session.File("sheet-ru.pdf");
    const TRunResult run = session.Run({
        Open(), Line({"select", Window, "sgImages", "2"}), Line({"press", Window, "SpeedButton1"}),
        Line({"press", Window, "SpeedButton1"}), Line({"drag", sheet, "Panel1", "10", "10", "247", "126"}),
        Answer({"0", "pdf=" + english}), Line({"press", sheet, "Preview2"}),
        // The open sheet follows a language switch.
        Line({"click", "Russian1"}), Answer({"0", "pdf=" + russian}), Line({"press", sheet, "Preview2"}),
        Line({"windows"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    const QList<TRecord> previews = run.Of("preview");
    ASSERT_EQ(previews.size(), 2);
    EXPECT_EQ(previews[0]["pages"], "1");
    ASSERT_EQ(PdfPageCount(english), 1);
    ASSERT_EQ(PdfPageCount(russian), 1);
    // The preview and the document are named in the active language; the pictures keep their pixels.
    const QStringList titles{"Arrange images", QString::fromUtf8("Склейка изображений")};
    EXPECT_EQ(run.Column("preview", "title"), titles);
    EXPECT_EQ(PdfInfo(english, "Title"), titles[0]);
    EXPECT_EQ(PdfInfo(russian, "Title"), titles[1]);
    const QList<TPdfImage> pictures = PdfImages(english);
    EXPECT_EQ(pictures.size(), 2);
    for (const TPdfImage &picture : pictures)
        EXPECT_EQ(picture.Encoding, "image");
    EXPECT_TRUE(Simplified(english, 1).contains("LUMBRA Data Management, version 1.0. Device type: LUMBRA-C"))
        << qPrintable(Simplified(english, 1));
    const QString banner = Simplified(russian, 1);
    EXPECT_TRUE(banner.contains(QString::fromUtf8("Управление данными ЛУМБРА, версия 1.0. Тип прибора: LUMBRA-C")))
        << qPrintable(banner);
    EXPECT_EQ((*run.Find("window", "name", sheet))["caption"], QString::fromUtf8("Склейка изображений"));
}

TEST(LevelImageWindowInTheProgram, ZoomsFromOneToFiveTimesAndHandsItsThresholdBack)
{
    const QString level = QStringLiteral("frmDynImg");
    TReportsSession session;
    QStringList script{Open(), Line({"select", Window, "sgImages", "2"}), Line({"modal"}),
                       Line({"press", Window, "sbDynImageView"}), Line({"controls", level})};
    for (int press = 0; press < 5; ++press)
        script << Line({"press", level, "sbZoomIn"}) << Line({"controls", level});
    script << Line({"set", level, "seImgLevel", "42"}) << Line({"press", level, "Button1"})
           << Line({"controls", Window});
    const TRunResult run = session.Run(script);
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    // Four steps reach five times the size, where zoom-in gives up and a fifth press changes nothing; zoom-out
    // is offered from the first step on.
    QStringList zoomIn, zoomOut;
    for (const TRecord &control : run.Of("control")) {
        if (control["name"] == "sbZoomIn")
            zoomIn << control["enabled"];
        else if (control["name"] == "sbZoomOut")
            zoomOut << control["enabled"];
    }
    EXPECT_EQ(zoomIn, (QStringList{"1", "1", "1", "1", "0", "0"}));
    EXPECT_EQ(zoomOut, (QStringList{"0", "1", "1", "1", "1", "1"}));
    const auto modal = run.Find("modal", "class", "TfrmDynImg");
    ASSERT_TRUE(modal);
    EXPECT_EQ((*modal)["caption"], "Image processing");
    QString threshold;
    for (const TRecord &control : run.Of("control"))
        if (control["name"] == "seImgLevel")
            threshold = control["text"];
    EXPECT_EQ(threshold, "42");
}
