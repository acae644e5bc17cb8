// Printed pages of records whose texts fill their fields, read back from the PDF files the real program writes:
// every word whole, on the page and clear of every other word; reports running on over as many pages as their
// texts need; every value of a record on its direct-printed page; pictures stored with their exact pixels and in
// their own proportions; a print target that cannot be written is told to the user.

#include "HostSession.h"
#include "JournalSamples.h"
#include "PdfPages.h"
#include "SampleJournal.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
const QString Window = QStringLiteral("frmLumbra");

// Texts as long as the journal keeps them (name 40, comment 100, inspector 60), in the wider Cyrillic letters,
// and a conclusion of some thousand characters.
const QString LongName = QString::fromUtf8("Колёсная пара 2 — левое колесо, обод №17");
const QString LongComment = QString::fromUtf8("Проверка после ремонта: трещина у ступицы не обнаружена, повторить "
                                              "контроль через 3 месяца, партия 5");
const QString LongInspector = QString::fromUtf8("Иванов-Петровский Александр Константинович, дефектоскоп 6 р.");
const QString LongConclusion = QString::fromUtf8(
    "Годен к эксплуатации при условии повторного контроля зоны обода через 30 дней. Дефект в отмеченной зоне не "
    "превышает допустимых значений по нормативу, замечаний к настройке нет, акт составлен в двух экземплярах "
    "и передан мастеру участка вместе с протоколом измерений. Чувствительность дефектоскопа проверена по "
    "стандартному образцу до и после контроля, отклонение не превысило двух децибел. Поверхность обода зачищена, "
    "шероховатость соответствует требованиям, контактная жидкость нанесена равномерно по всей зоне сканирования. "
    "Повторный контроль провести тем же преобразователем при той же температуре поверхности и тех же настройках "
    "прибора, результаты сравнить с настоящим заключением. При росте отмеченного дефекта более чем на два "
    "миллиметра колёсную пару снять с эксплуатации и направить в ремонт. Копию заключения хранить вместе с "
    "паспортом колёсной пары до следующего планового осмотра, а электронную запись не удалять из журнала.");
// The widest a name and a comment can be: as many of the widest letters, without a blank.
const QString WideName(40, QChar(0x0429));
const QString WideComment(100, QChar(0x0416));

QByteArray FullJournal()
{
    const TuningLine tuning{.Id = 7, .Name = LongName, .Frequency = 51, .Amplitude = 12, .Comments = LongComment};
    const ImageLine image{.Id = 20, .Tuning = 7, .Name = LongName, .Comments = LongComment,
                          .ControlMade = LongInspector, .Conclusion = LongConclusion};
    const ImageLine impact{.Id = 22, .Tuning = 7, .Name = LongName, .ImageType = 2, .PictureHex = Picture(100 * 80),
                           .Comments = LongComment, .ControlMade = LongInspector, .Conclusion = LongConclusion};
    return CrLfLines({tuning.Line(), image.Line(), impact.Line()});
}

// The widest values a record can hold: five-digit numbers, names and comments that fill their fields with and
// without blanks; an image of every kind.
QByteArray WidestJournal()
{
    const TuningLine wide{.Device = 65535, .Id = 65535, .Name = WideName, .Day = 28, .Month = 12, .Hour = 23,
                          .Minute = 59, .Second = 59, .Frequency = 64, .Amplitude = 255, .Period = 255,
                          .Comments = WideComment};
    const TuningLine full{.Device = 65534, .Id = 7, .Name = LongName, .Frequency = 51, .Amplitude = 12,
                          .Comments = LongComment};
    const ImageLine image{.Device = 65535, .Id = 65535, .Tuning = 65535, .Name = WideName, .BeginDay = 28,
                          .BeginMonth = 12, .BeginHour = 23, .BeginMinute = 59, .BeginSecond = 59, .EndDay = 28,
                          .EndMonth = 12, .EndHour = 23, .EndMinute = 59, .EndSecond = 59, .SizeX = 65535,
                          .SizeY = 65535, .StepX = 255, .StepY = 255, .Comments = WideComment,
                          .ControlMade = LongInspector, .Conclusion = LongConclusion};
    const ImageLine level{.Device = 65534, .Id = 65534, .Tuning = 7, .Name = LongName, .SizeX = 120, .SizeY = 120,
                          .StepX = 255, .StepY = 255, .ImageType = 1, .PictureHex = Picture(120 * 120),
                          .Comments = LongComment};
    const ImageLine impact{.Device = 65533, .Id = 65533, .Tuning = 7, .Name = WideName, .ImageType = 2,
                           .PictureHex = Picture(100 * 80), .Comments = WideComment};
    return CrLfLines({wide.Line(), full.Line(), image.Line(), level.Line(), impact.Line()});
}

class TFullTextsSession : public THostSession {
public:
    explicit TFullTextsSession(const QByteArray &journal = FullJournal()) : THostSession({"korvath.so", "lumbra.so"})
    {
        EXPECT_EQ(LongName.size(), 40);
        EXPECT_EQ(LongComment.size(), 100);
        EXPECT_EQ(LongInspector.size(), 60);
        Write("ormeldata.txt", journal);
    }
};

QString Open() { return Line({"click-menu", "0", "0"}); }

// The page's words, each on the page, left of its right margin (in points) and none over another; answers them.
// Poppler gives a word the full height of its font, a hair more than a line of a text that wraps at whole pixels:
// lines may touch by that much.
QStringList ExpectWordsApart(const TPdfPage &words, double rightMargin, const QString &where)
{
    const QRectF sheet(QPointF(0, 0), words.Size - QSizeF(rightMargin, 0));
    QStringList texts;
    for (qsizetype i = 0; i < words.Words.size(); ++i) {
        const TPdfWord &word = words.Words[i];
        texts << word.Text;
        EXPECT_TRUE(sheet.contains(word.Box)) << qPrintable(word.Text) << " leaves " << qPrintable(where);
        for (qsizetype j = i + 1; j < words.Words.size(); ++j) {
            const QRectF common = word.Box.intersected(words.Words[j].Box);
            EXPECT_FALSE(common.width() > 0.5 && common.height() > 0.5)
                << qPrintable(word.Text) << " over " << qPrintable(words.Words[j].Text) << " in " << qPrintable(where);
        }
    }
    EXPECT_FALSE(texts.isEmpty()) << qPrintable(where);
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

QString WithoutBlanks(QString text) { return text.remove(QRegularExpression("\\s")); }
} // namespace

TEST(PrintedPages, RecordReportsKeepEveryTextWholeOverAsManyPagesAsItNeedsWithExactPicturesInEitherLanguage)
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

    // Previews and documents are named in the active language; the image report's tuning part moves on to a
    // second page, the others keep to one, and the preview shows every page.
    const QStringList titles{"Tuning", "Image", "Impact Image", QString::fromUtf8("Настройка"),
                             QString::fromUtf8("Изображение"), QString::fromUtf8("Ударное изображение")};
    EXPECT_EQ(run.Column("preview", "title"), titles);
    EXPECT_EQ(run.Column("preview", "pages"), (QStringList{"1", "2", "1", "1", "2", "1"}));
    int report = 0;
    for (const QString language : {"en", "ru"}) {
        for (const QString &name : reports) {
            const QString pdf = session.File(name + "-" + language + ".pdf");
            const QString title = titles[report++];
            EXPECT_EQ(PdfInfo(pdf, "Title"), title);
            const QList<TPdfPage> pages = PdfPagesWords(pdf);
            ASSERT_EQ(pages.size(), name == "image" ? 2 : 1) << qPrintable(pdf);
            QStringList words;
            for (qsizetype page = 0; page < pages.size(); ++page) {
                const QStringList shown = ExpectWordsApart(pages[page], 0, pdf + " page " + QString::number(page));
                // Every page is headed by the report's title and its number.
                const QString heading = WithoutBlanks(title) + QString("%1/%2").arg(page + 1).arg(pages.size());
                EXPECT_TRUE(shown.join("").startsWith(heading)) << qPrintable(heading) << " on " << qPrintable(pdf);
                words << shown;
            }
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

// Print All of the tunings and of the images, in English and in Russian, from the sample journal and from a journal
// of the widest values: a page a record in the table's order, each holding every value the table shows of it with
// its caption, no word past the text's right edge or over another, and the record's picture alone with its exact
// pixels.
TEST(PrintedPages, PrintAllKeepsEveryValueOnItsPageInEitherLanguageWithTheRecordsOwnPicture)
{
    struct TJob {
        QString Grid;
        QList<int> Columns;
        int Menu;
    };
    // The values the page shows: the tunings' date is shown padded in the table, and left out here.
    const TJob jobs[] = {{"sgTunings", {0, 1, 2, 3, 6, 7, 8, 12}, 0},
                         {"sgImages", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}, 1}};
    const QByteArray journals[] = {SampleJournalBytes(MakeSampleJournal(300, 1)), WidestJournal()};
    for (const QByteArray &journal : journals) {
        TFullTextsSession session(journal);
        QStringList script{Open()};
        for (const QString language : {"en", "ru"}) {
            if (language == "ru")
                script << Line({"click", "Russian1"});
            for (const TJob &job : jobs)
                script << Line({"grid", Window, job.Grid})
                       << Answer({"1", "pdf=" + session.File(job.Grid + "-" + language + ".pdf")})
                       << Line({"menu", Window, QString::number(job.Menu), "4"});
        }
        const TRunResult run = session.Run(script);
        EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
        EXPECT_TRUE(run.Of("error").isEmpty());

        // Each grid report in turn: its rows, the header first.
        QList<QList<TRecord>> tables;
        for (const TRecord &row : run.Of("row")) {
            if (row["index"] == "0")
                tables.append(QList<TRecord>());
            tables.last().append(row);
        }
        ASSERT_EQ(tables.size(), 4);
        int table = 0;
        for (const QString language : {"en", "ru"}) {
            for (const TJob &job : jobs) {
                const QList<TRecord> &rows = tables[table++];
                const QString pdf = session.File(job.Grid + "-" + language + ".pdf");
                const QList<TPdfPage> pages = PdfPagesWords(pdf);
                ASSERT_EQ(pages.size(), rows.size() - 1) << qPrintable(pdf);
                for (qsizetype page = 0; page < pages.size(); ++page) {
                    // The text keeps left of its right edge: 20 of the page bitmap's 420 pixels and the printer's
                    // margin of some 10 points from the paper's, give or take 2 points for the glyphs' finer widths
                    // on paper.
                    const QString where = pdf + " page " + QString::number(page + 1);
                    const QString text =
                        ExpectWordsApart(pages[page], pages[page].Size.width() * 20 / 420 + 7, where).join("");
                    for (const int column : job.Columns) {
                        const QString value = WithoutBlanks(rows[0][QString::number(column)] + ":" +
                                                            rows[page + 1][QString::number(column)]);
                        EXPECT_TRUE(text.contains(value)) << qPrintable(value) << " not on " << qPrintable(where);
                    }
                }
                ExpectExactPictures(pdf, int(pages.size()));
                for (const TPdfImage &picture : PdfImages(pdf))
                    EXPECT_LT(picture.Width * picture.Height, 420 * 594 / 4) << qPrintable(pdf);
            }
        }
        if (journal != journals[1])
            continue;
        // The gain and the pulse of a tab line stay words of their own, a gap apart.
        const TPdfPage page = PdfWords(session.File("sgTunings-en.pdf"), 2);
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
