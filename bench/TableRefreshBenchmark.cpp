// Table refresh benchmark (run by hand): table_refresh_benchmark [--runs N] [records]
//
// Two user actions of the LUMBRA window over a sample journal of tunings and images (100,000 records unless
// given): the criteria dialog's OK that sets a filter (tuning IDs below their median) and a language switch
// (English and Russian in turn). Each is timed from the OK or the switch until the window has repainted, in this
// process, with the plug-in's real window and data manager.
//
// Beside each, in the same run and alternating with it, the reference: a plain Qt program's tables of the same
// records (a QTableView each over a model of its own, the numbers kept as numbers, the date and frequency texts
// kept as texts) doing the same step: the filter hides the tunings whose ID fails the criterion, the language
// switch rewrites the date and frequency texts with the other separators and the titles. The figures are the
// medians of each side and the median of the per-round ratios, and the first round's: the window's first filter
// on a column reads the column's cells, later ones use what the tables kept of that reading. The settings store
// is a temporary file.

#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/PageControl.h"
#include "controls/SpeedButton.h"
#include "forms/ModalHook.h"
#include "tables/CriteriaDialog.h"

#include "BenchSession.h"
#include "BenchTiming.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int TuningIdColumn = 2;

// A tuning or an image as the plain program keeps it: its numbers, its texts, and the texts that follow the
// locale's separators.
struct TPlainRecord {
    std::array<quint32, 8> Numbers{};
    std::array<quint32, 12> Moments{}; // day, month, year, hour, minute, second; twice for an image
    quint8 Frequency = 0;
    QString DeviceType, Name, Comments, ControlMade, Conclusion;
    QString Begin, End, FrequencyText;
};

QString Moment(const quint32 *parts, bool padded, QChar date, QChar time)
{
    char text[64];
    const char d = char(date.unicode());
    const char t = char(time.unicode());
    const int length = padded ? std::snprintf(text, sizeof text, "%02u%c%02u%c%u %02u%c%02u%c%02u", parts[0], d,
                                              parts[1], d, parts[2], parts[3], t, parts[4], t, parts[5])
                              : std::snprintf(text, sizeof text, "%u%c%u%c%u %u%c%u%c%u", parts[0], d, parts[1], d,
                                              parts[2], parts[3], t, parts[4], t, parts[5]);
    return QString::fromLatin1(text, length);
}

class TPlainModel : public QAbstractTableModel {
public:
    explicit TPlainModel(bool images) : images_(images) {}

    std::vector<TPlainRecord> Records;
    std::vector<int> Shown;
    QStringList Titles;

    int rowCount(const QModelIndex & = {}) const override { return int(Shown.size()); }
    int columnCount(const QModelIndex & = {}) const override { return images_ ? 15 : 13; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        const TPlainRecord &record = Records[size_t(Shown[size_t(index.row())])];
        const int col = index.column();
        const auto number = [&](int i) { return QString::number(record.Numbers[size_t(i)]); };
        if (images_) {
            switch (col) {
            case 0: return record.DeviceType;
            case 4: return record.Name;
            case 5: return record.Begin;
            case 6: return record.End;
            case 12: return record.Comments;
            case 13: return record.ControlMade;
            case 14: return record.Conclusion;
            default: return number(col < 4 ? col - 1 : col - 4);
            }
        }
        switch (col) {
        case 0: return record.DeviceType;
        case 3: return record.Name;
        case 5: return record.Begin;
        case 6: return record.FrequencyText;
        case 12: return record.Comments;
        default: return number(col < 3 ? col - 1 : col < 5 ? 2 : col - 4);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return role == Qt::DisplayRole && orientation == Qt::Horizontal ? Titles.value(section) : QVariant();
    }

    // Shows the tunings whose ID is below the value, in their order.
    void Filter(quint32 below)
    {
        beginResetModel();
        Shown.clear();
        for (int i = 0; i < int(Records.size()); ++i)
            if (Records[size_t(i)].Numbers[1] < below)
                Shown.push_back(i);
        endResetModel();
    }

    void ShowAll()
    {
        beginResetModel();
        Shown.resize(Records.size());
        for (size_t i = 0; i < Shown.size(); ++i)
            Shown[i] = int(i);
        endResetModel();
    }

    // Rewrites the texts that follow the separators, and the titles.
    void SetLocale(QChar date, QChar time, QChar decimal, const QStringList &titles)
    {
        std::array<QString, 256> frequencies;
        for (TPlainRecord &record : Records) {
            record.Begin = Moment(record.Moments.data(), !images_, date, time);
            if (images_) {
                record.End = Moment(record.Moments.data() + 6, false, date, time);
                continue;
            }
            QString &frequency = frequencies[record.Frequency];
            if (frequency.isNull()) {
                frequency = QString::number(double(record.Frequency) * 8 / 51, 'f', 3);
                while (frequency.endsWith(QLatin1Char('0')))
                    frequency.chop(1);
                if (frequency.endsWith(QLatin1Char('.')))
                    frequency.chop(1);
                frequency.replace(QLatin1Char('.'), decimal);
            }
            record.FrequencyText = frequency;
        }
        Titles = titles;
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        emit dataChanged(index(0, 5), index(rowCount() - 1, 6));
    }

private:
    bool images_;
};

// The plain program's window: the tunings above the images.
class TPlainWindow {
public:
    TPlainModel Tunings{false};
    TPlainModel Images{true};
    QWidget Window;

    explicit TPlainWindow(TDataManager *manager)
    {
        for (int i = 0; i < manager->GetTuningCount(); ++i) {
            const TLumbraTuningMessage &t = *(*manager->GetTuningList())[i];
            TPlainRecord record;
            record.Numbers = {t.DeviceNumber, t.TuningID,   t.TransducerID, t.Amplitude,
                              t.Period,       t.StartPoint, t.EndPoint,     t.Attenuation};
            record.Moments = {t.Day, t.Month, t.Year, t.Hour, t.Minute, t.Second};
            record.Frequency = t.Frequency;
            record.DeviceType = t.DeviceType;
            record.Name = t.RecordName.trimmed();
            record.Comments = t.Comments;
            Tunings.Records.push_back(std::move(record));
        }
        for (int i = 0; i < manager->GetImageCount(); ++i) {
            const TLumbraImageMessage &m = *(*manager->GetImageList())[i];
            TPlainRecord record;
            record.Numbers = {m.DeviceNumber, m.ImageID, m.TuningID, m.SizeX, m.SizeY, m.StepX, m.StepY, m.ImageType};
            record.Moments = {m.BeginDay, m.BeginMonth, m.BeginYear, m.BeginHour, m.BeginMinute, m.BeginSecond,
                              m.EndDay,   m.EndMonth,   m.EndYear,   m.EndHour,   m.EndMinute,   m.EndSecond};
            record.DeviceType = m.DeviceType;
            record.Name = m.RecordName.trimmed();
            record.Comments = m.Comments;
            record.ControlMade = m.ControlMade;
            record.Conclusion = m.Conclusion;
            Images.Records.push_back(std::move(record));
        }
        SetLanguage(false);
        Tunings.ShowAll();
        Images.ShowAll();
        auto *layout = new QVBoxLayout(&Window);
        for (TPlainModel *model : {&Tunings, &Images}) {
            auto *view = new QTableView;
            view->setModel(model);
            view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            view->verticalHeader()->hide();
            view->verticalHeader()->setDefaultSectionSize(19);
            view->horizontalHeader()->setDefaultSectionSize(90);
            layout->addWidget(view);
        }
    }

    void SetLanguage(bool russian)
    {
        QStringList titles;
        for (int i = 0; i < 15; ++i)
            titles << (russian ? QStringLiteral("Столбец %1") : QStringLiteral("Column %1")).arg(i);
        Tunings.SetLocale(russian ? '.' : '/', ':', russian ? '.' : ',', titles);
        Images.SetLocale(russian ? '.' : '/', ':', russian ? '.' : ',', titles);
    }
};

// Lets the windows paint what the step changed.
void Repaint() { QApplication::processEvents(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the two sides in turn, `runs` rounds; each round prepares both untimed, then times one step of each.
void Compare(const char *what, int runs, const std::function<void(int)> &prepareOurs,
             const std::function<double(int)> &ours, const std::function<void(int)> &preparePlain,
             const std::function<double(int)> &plain, double goal)
{
    std::vector<double> oursMs, plainMs, ratios;
    for (int round = 0; round < runs; ++round) {
        prepareOurs(round);
        preparePlain(round);
        oursMs.push_back(ours(round));
        plainMs.push_back(plain(round));
        ratios.push_back(oursMs.back() / std::max(plainMs.back(), 1e-3));
    }
    const double ratio = Median(ratios);
    std::printf("  %-30s LUMBRA window %8.1f ms   plain Qt tables %8.1f ms   ratio %5.2f   goal <= %.1f: %s\n", what,
                Median(oursMs), Median(plainMs), ratio, goal, ratio <= goal ? "met" : "MISSED");
    std::printf("    (the first round: LUMBRA window %.1f ms, plain Qt tables %.1f ms, ratio %.2f)\n", oursMs[0],
                plainMs[0], ratios[0]);
}

bool Run(int records, int runs, const QString &folder)
{
    const QString path = QDir(folder).filePath("ormeldata.txt");
    if (!WriteSampleJournal(records, path))
        return false;
    const TLumbraSession session(path);
    TDataManager *shared = session.Manager();
    std::printf("%d records: %d tunings, %d images\n", records, shared->GetTuningCount(), shared->GetImageCount());

    TfrmLumbra *form = frmLumbra;
    TmpObj->DoConfigAction(nullptr);
    Repaint();

    TPlainWindow plain(shared);
    plain.Window.resize(form->Width(), form->Height());
    plain.Window.show();
    Repaint();

    std::vector<quint32> ids;
    for (const TPlainRecord &record : plain.Tunings.Records)
        ids.push_back(record.Numbers[1]);
    std::nth_element(ids.begin(), ids.begin() + ids.size() / 2, ids.end());
    const quint32 median = ids[ids.size() / 2];

    // The criteria dialog's OK: the user sets (or clears) the criterion of the tuning ID column and presses OK;
    // the clock starts as the dialog answers.
    Clock::time_point okPressed;
    const auto setCriterion = [&](const QString &value) {
        const TModalHookScope user([&](const TModalRequest &request) {
            auto *dialog = dynamic_cast<TfrmGridCrit *>(request.Source);
            if (!dialog)
                return int(mrCancel);
            dialog->pcFields->SetActivePageIndex(TuningIdColumn);
            dialog->pcFieldsChange(dialog->pcFields);
            dialog->cbDataCrit->SetItemIndex(value.isEmpty() ? 0 : 1);
            dialog->edDataValue->SetText(value);
            okPressed = Clock::now();
            return int(mrOk);
        });
        form->sbTunCritClick(form->sbTunCrit);
        Repaint();
        return std::chrono::duration<double, std::milli>(Clock::now() - okPressed).count();
    };
    const QString below = QString::number(median);
    Compare(
        "filter (criteria dialog's OK)", runs, [&](int) { setCriterion({}); },
        [&](int) { return setCriterion(below); }, [&](int) {
            plain.Tunings.ShowAll();
            Repaint();
        },
        [&](int) {
            return Milliseconds([&] {
                plain.Tunings.Filter(median);
                Repaint();
            });
        },
        2);
    std::printf("    (the filter keeps %d of %d tunings)\n", form->sgTunings->RowCount() - 1,
                shared->GetTuningCount());
    setCriterion({});

    // The language switch, to Russian and back in turn, every switch timed.
    Compare(
        "language switch", runs, [](int) {},
        [&](int round) {
            return Milliseconds([&] {
                form->mlLangDispatcher1->SetActiveLanguage(round % 2 == 0 ? 2 : 1);
                Repaint();
            });
        },
        [](int) {},
        [&](int round) {
            return Milliseconds([&] {
                plain.SetLanguage(round % 2 == 0);
                Repaint();
            });
        },
        1.5);
    form->mlLangDispatcher1->SetActiveLanguage(1);
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    return RunBenchmark(argc, argv, 7, 100000, "table_refresh_benchmark [--runs N] [records]", Run);
}
