// Printed pages of records whose texts fill their fields, read back from the PDF files the real program writes:
// every word whole, on the page and clear of every other word; pictures stored with their exact pixels and in
// their own proportions; a print target that cannot be written is told to the user.

#include "HostSession.h"
#include "JournalSamples.h"
#include "PdfPages.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
const QString Window = QStringLiteral("frmLumbra");

// Texts as long as the journal keeps them (name 40, comment 100, inspector 60), in the wider Cyrillic letters,
// and a conclusion of several lines.
const QString LongName = QString::fromUtf8("Колёсная пара 2 — левое колесо, обод №17");
const QString LongComment = QString::fromUtf8("Проверка после ремонта: трещина у ступицы не обнаружена, повторить "
                                              "контроль через 3 месяца, партия 5");
const QString LongInspector = QString::fromUtf8("Иванов-Петровский Александр Константинович, дефектоскоп 6 р.");
const QString LongConclusion = QString::fromUtf8(
    "Годен к эксплуатации при условии повторного контроля зоны обода через 30 дней. Дефект в отмеченной зоне не "
    "превышает допустимых значений по нормативу, замечаний к настройке нет, акт составлен в двух экземплярах "
    "и передан мастеру участка вместе с протоколом измерений.");

QByteArray FullJournal()
{
    const TuningLine tuning{.Id = 7, .Name = LongName, .Frequency = 51, .Amplitude = 12, .Comments = LongComment};
    const ImageLine image{.Id = 20, .Tuning = 7, .Name = LongName, .Comments = LongComment,
                          .ControlMade = LongInspector, .Conclusion = LongConclusion};
    const ImageLine impact{.Id = 22, .Tuning = 7, .Name = LongName, .ImageType = 2, .PictureHex = Picture(100 * 80),
                           .Comments = LongComment, .ControlMade = LongInspector, .Conclusion = LongConclusion};
    return CrLfLines({tuning.Line(), image.Line(), impact.Line()});
}

class TFullTextsSession : public THostSession {
public:
    TFullTextsSession() : THostSession({"korvath.so", "lumbra.so"})
    {
        EXPECT_EQ(LongName.size(), 40);
        EXPECT_EQ(LongComment.size(), 100);
        EXPECT_EQ(LongInspector.size(), 60);
        Write("ormeldata.txt", FullJournal());
    }
};

QString Open() { return Line({"click-menu", "0", "0"}); }

// The page's words, each on the page and none over another; answers them. Poppler gives a word the full height
// of its font, a hair more than a line of a text that wraps at whole pixels: lines may touch by that much.
QStringList ExpectWordsApart(const QString &pdf, int page)
{
    const TPdfPage words = PdfWords(pdf, page);
    const QRectF sheet(QPointF(0, 0), words.Size);
    QStringList texts;
    for (qsizetype i = 0; i < words.Words.size(); ++i) {
        const TPdfWord &word = words.Words[i];
        texts << word.Text;
        EXPECT_TRUE(sheet.contains(word.Box))
            << qPrintable(word.Text) << " leaves page " << page << " of " << qPrintable(pdf);
        for (qsizetype j = i + 1; j < words.Words.size(); ++j) {
            const QRectF common = word.Box.intersected(words.Words[j].Box);
            EXPECT_FALSE(common.width() > 0.5 && common.height() > 0.5)
                << qPrintable(word.Text) << " over " << qPrintable(words.Words[j].Text) << " in " << qPrintable(pdf);
        }
    }
    EXPECT_FALSE(texts.isEmpty()) << qPrintable(pdf);
    return texts;
}

// Every word of the text is printed, and nothing is cut short.
void ExpectWhole(const QStringList &words, const QString &text, const QString &pdf)
{
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts))
        EXPECT_TRUE(words.contains(word)) << qPrintable(word) << " of \"" << qPrintable(text) << "\" in "
                                          << qPrintable(pdf);
    EXPECT_FALSE(words.join(u' ').contains(QChar(0x2026))) << qPrintable(pdf);
}

// Pictures keep their pixels: stored without loss, as many pixels an inch across as down.
void ExpectExactPictures(const QString &pdf, int count)
{
    const QList<TPdfImage> images = PdfImages(pdf);
    EXPECT_EQ(images.size(), count) << qPrintable(pdf);
    for (const TPdfImage &image : images) {
        EXPECT_EQ(image.Encoding, "image") << image.Width << 'x' << image.Height << " in " << qPrintable(pdf);
        EXPECT_EQ(image.XPpi, image.YPpi) << image.Width << 'x' << image.Height << " in " << qPrintable(pdf);
    }
}

// The viewer's report of the row, sent from its preview to the PDF file.
QStringList PreviewToPdf(const QString &grid, int row, const QString &pdf)
{
    return {Answer({"2", "click=ButPreview"}), Answer({"0", "pdf=" + pdf}),
            Line({"dblclick", Window, grid, QString::number(row)})};
}
} // namespace

TEST(PrintedPages, RecordReportsKeepEveryTextWholeInItsOwnPlaceWithExactPicturesInEitherLanguage)
{
    TFullTextsSession session;
    const QStringList reports{"tuning", "image", "impact"};
    QStringList script{Open()};
    for (const QString language : {"en", "ru"}) {
        if (language == "ru")
            script << Line({"click", "Russian1"});
        script << PreviewToPdf("sgTunings", 1, session.File("tuning-" + language + ".pdf"))
               << PreviewToPdf("sgImages", 1, session.File("image-" + language + ".pdf"))
               << PreviewToPdf("sgImages", 2, session.File("impact-" + language + ".pdf"));
    }
    const TRunResult run = session.Run(script);
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    // Previews and documents are named in the active language.
    const QStringList titles{"Tuning", "Image", "Impact Image", QString::fromUtf8("Настройка"),
                             QString::fromUtf8("Изображение"), QString::fromUtf8("Ударное изображение")};
    EXPECT_EQ(run.Column("preview", "title"), titles);
    int report = 0;
    for (const QString language : {"en", "ru"}) {
        for (const QString &name : reports) {
            const QString pdf = session.File(name + "-" + language + ".pdf");
            ASSERT_EQ(PdfPageCount(pdf), 1) << qPrintable(pdf);
            EXPECT_EQ(PdfInfo(pdf, "Title"), titles[report++]);
            const QStringList words = ExpectWordsApart(pdf, 1);
            ExpectWhole(words, LongName, pdf);
            ExpectWhole(words, LongComment, pdf);
            if (name != "tuning") {
                ExpectWhole(words, LongInspector, pdf);
                ExpectWhole(words, LongConclusion, pdf);
            }
            // The image report holds the image's picture and its tuning's.
            ExpectExactPictures(pdf, name == "image" ? 2 : 1);
        }
    }
}

TEST(PrintedPages, DirectPrintingKeepsThePagesProportionsItsColumnsApartAndItsPicturesExact)
{
    TFullTextsSession session;
    const QString tunings = session.File("tunings.pdf");
    const QString images = session.File("images.pdf");
    const TRunResult run = session.Run({
        Open(),
        Answer({"1", "pdf=" + tunings}), Line({"menu", Window, "0", "4"}),
        Line({"click", "Russian1"}), Answer({"1", "pdf=" + images}), Line({"menu", Window, "1", "4"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    ASSERT_EQ(PdfPageCount(tunings), 1);
    ASSERT_EQ(PdfPageCount(images), 2);
    for (const QString &pdf : {tunings, images}) {
        ExpectExactPictures(pdf, PdfPageCount(pdf));
        for (const TPdfImage &page : PdfImages(pdf))
            EXPECT_EQ(QSize(page.Width, page.Height), QSize(420, 594));
        for (int page = 1; page <= PdfPageCount(pdf); ++page)
            ExpectWhole(ExpectWordsApart(pdf, page), LongComment, pdf);
    }
    // The gain and the pulse stay words of their own, a gap apart.
    const TPdfPage page = PdfWords(tunings, 1);
    const auto box = [&](const QString &text) {
        for (const TPdfWord &word : page.Words)
            if (word.Text == text)
                return word.Box;
        ADD_FAILURE() << "no word " << qPrintable(text);
        return QRectF();
    };
    EXPECT_GT(box("Pulse:").left() - box("12").right(), 6);
    EXPECT_GT(box("Gain:").left() - box("8").right(), 6);
}

TEST(PrintedPages, ATargetThatCannotBeWrittenIsToldInTheActiveLanguage)
{
    TFullTextsSession session;
    const QString missing = session.File("missing/out.pdf");
    const TRunResult run = session.Run({
        Open(),
        Answer({"1", "pdf=" + missing}), Answer({"1"}), Line({"menu", Window, "0", "3"}),
        Line({"click", "Russian1"}),
        Answer({"2", "click=ButPreview"}), Answer({"0", "pdf=" + missing}), Answer({"1"}),
        Line({"dblclick", Window, "sgImages", "1"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());

    QStringList messages;
    for (const TRecord &component : run.Of("component"))
        if (component["name"] == "Message")
            messages << component["caption"];
    EXPECT_EQ(messages, (QStringList{"Cannot print to \"" + missing + "\": the folder does not exist.",
                                     QString::fromUtf8("Не удалось выполнить печать (\"") + missing +
                                         QString::fromUtf8("\"): папка не существует.")}));
    EXPECT_FALSE(QFile::exists(missing));
}
