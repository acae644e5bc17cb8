// Inspection window benchmark (run by hand): lumbra_benchmark [--runs N] [records]
//
// Loads a sample journal of tunings and images (100,000 records unless given, about half of each) into the
// data manager and drives the plug-in's real window in this process, as its menu command and its handlers do:
// opening it, sorting the tunings by a text and by an integer column (header clicks), a filter that drops half
// of the tunings, a find that hits the last row, painting one screen of rows, and the memory all this takes.
// Each figure stands beside the time it takes merely to format the cells of the rows the operation works on,
// measured in the same run. The settings store is a temporary file.

#include "BenchSession.h"
#include "DataManager.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/SpeedButton.h"
#include "mainwindow/LumbraWindow.h"
#include "tables/GridRows.h"
#include "tables/TableCells.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QTableView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double Milliseconds(const std::function<void()> &work)
{
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The median of `runs` timings; `prepare` runs untimed before each.
double Median(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        times.push_back(Milliseconds(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

qint64 StatusKilobytes(const char *field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

void Figure(const char *what, double ms, double reference, double goal)
{
    std::printf("  %-36s %8.1f ms   formatting the same cells %7.1f ms  (x%.1f)", what, ms, reference,
                ms / std::max(reference, 1e-3));
    if (goal > 0)
        std::printf("   goal %g ms: %s", goal, ms <= goal ? "met" : "MISSED");
    std::printf("\n");
}

// The texts of the grid rows first .. last, as the tables format them; a checksum keeps the work.
qsizetype FormatRows(const TStringGrid *grid, int first, int last)
{
    qsizetype length = 0;
    for (int row = first; row <= last; ++row) {
        TObject *record = grid->Objects(0, row);
        const TRowTexts texts = grid->Tag() == 1 ? TuningRowTexts(*static_cast<TLumbraTuningMessage *>(record))
                                                 : ImageRowTexts(*static_cast<TLumbraImageMessage *>(record));
        for (int col = 0; col < texts.Count(); ++col)
            length += texts.At(col).size();
    }
    return length;
}

void ClickHeader(TfrmLumbra *form, TStringGrid *grid, int col)
{
    const TRect cell = grid->CellRect(col, 0);
    const int x = (cell.Left + cell.Right) / 2;
    const int y = (cell.Top + cell.Bottom) / 2;
    form->sgTuningsMouseDown(grid, mbLeft, ssLeft, x, y);
    form->sgTuningsMouseUp(grid, mbLeft, 0, x, y);
}

// Lets the high-water mark of the resident memory start again from the present size.
void ResetPeakMemory()
{
    QFile clearRefs("/proc/self/clear_refs");
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

bool Run(int records, int runs, const QString &folder)
{
    const QString path = QDir(folder).filePath("ormeldata.txt");
    if (!WriteSampleJournal(records, path))
        return false;
    const TLumbraSession session(path);
    const TDataManager *shared = session.Manager();
    std::printf("%d records: %d tunings, %d images\n", records, shared->GetTuningCount(), shared->GetImageCount());
    TfrmLumbra *form = frmLumbra;
    TStringGrid *tunings = form->sgTunings;
    ::malloc_trim(0);
    const qint64 before = StatusKilobytes("VmRSS:");
    ResetPeakMemory();

    // Opening: the menu command rebuilds both tables from the manager and shows the window. The first time it
    // makes every row's texts; later it shows the rows it made.
    const double firstOpen = Milliseconds([] { TmpObj->DoConfigAction(nullptr); });
    const double open = Median(
        runs, [form] { form->Hide(); }, [] { TmpObj->DoConfigAction(nullptr); });
    QApplication::processEvents();
    const int tuningRows = tunings->RowCount() - 1;
    const double formatAll = Median(runs, [] {}, [form] {
        FormatRows(form->sgTunings, 1, form->sgTunings->RowCount() - 1);
        FormatRows(form->sgImages, 1, form->sgImages->RowCount() - 1);
    });
    const double formatTunings = Median(runs, [] {}, [tunings, tuningRows] { FormatRows(tunings, 1, tuningRows); });
    const qint64 opened = StatusKilobytes("VmRSS:");
    Figure("opening the window the first time", firstOpen, formatAll, 300);
    Figure("opening the window again", open, formatAll, 300);

    // Sorting: each run starts from the manager's order; a header clicked twice sorts it back down.
    const auto rebuild = [] { lumbra_u::OnDataUpdate(); };
    constexpr int NameColumn = 3;
    constexpr int TuningIdColumn = 2;
    const double sortText = Median(runs, rebuild, [form, tunings] { ClickHeader(form, tunings, NameColumn); });
    const double sortInteger =
        Median(runs, rebuild, [form, tunings] { ClickHeader(form, tunings, TuningIdColumn); });
    Figure("sorting by the name (text)", sortText, formatTunings, 150);
    Figure("sorting by the tuning ID (integer)", sortInteger, formatTunings, 150);

    // Filtering: tuning IDs below their median.
    std::vector<int> ids;
    for (int row = 1; row <= tuningRows; ++row)
        ids.push_back(tunings->Cells(TuningIdColumn, row).toInt());
    std::nth_element(ids.begin(), ids.begin() + ids.size() / 2, ids.end());
    const QString median = QString::number(ids[ids.size() / 2]);
    const double filter = Median(
        runs,
        [&rebuild, median] {
            rebuild();
            TuningSettings[TuningIdColumn].DataOperation = 1;
            TuningSettings[TuningIdColumn].DataValue = median;
        },
        [tunings] { ApplyCriteria(tunings, TuningSettings); });
    std::printf("  (the filter kept %d of %d tunings)\n", tunings->RowCount() - 1, tuningRows);
    Figure("filtering half of the tunings", filter, formatTunings, 50);

    // Finding: the find panel's text, which only the last row holds.
    rebuild();
    const QString unique = QStringLiteral("last row %1").arg(tuningRows);
    tunings->SetCells(NameColumn, tuningRows, unique);
    qobject_cast<QAbstractButton *>(form->sbTunSearch->Widget())->click();
    auto *column = qobject_cast<QComboBox *>(form->cbTunSrchCol->Widget());
    column->setCurrentIndex(NameColumn);
    emit column->activated(NameColumn);
    // Typed: the text arrives in the edit's widget, as the user's keys put it there.
    auto *typed = qobject_cast<QLineEdit *>(form->edTunSrch->Widget());
    const double find = Median(
        runs, [typed] { typed->clear(); }, [typed, &unique] { typed->setText(unique); });
    std::printf("  (the find moved to row %d of %d)\n", tunings->Row(), tuningRows);
    Figure("finding the last row", find, formatTunings, 0);

    // Painting one screen of rows, from the top, the window as large as the screen.
    form->SetBounds(0, 0, 1280, 1024);
    QApplication::processEvents();
    tunings->SetRow(1);
    tunings->SetTopRow(1);
    QWidget *viewport = tunings->View()->viewport();
    QPixmap screen(viewport->size());
    const int shown = std::min(tunings->VisibleRowCount(), tuningRows);
    const double paint = Median(runs, [] {}, [viewport, &screen] { viewport->render(&screen); });
    const double formatScreen = Median(runs, [] {}, [tunings, shown] { FormatRows(tunings, 1, shown); });
    std::printf("  (%d rows of %d pixels shown)\n", shown, viewport->height());
    Figure("painting one screen of rows", paint, formatScreen, 5);

    std::printf("  memory over the loaded journal: %.1f MB with the window open, %.1f MB at the peak\n",
                double(opened - before) / 1024, double(StatusKilobytes("VmHWM:") - before) / 1024);
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    return RunBenchmark(argc, argv, 5, 100000, "lumbra_benchmark [--runs N] [records]", Run);
}
