// Table rows benchmark (run by hand): grid_rows_benchmark [--rows N]
//
// Fills a 15-column table with N rows (100,000 by default) of integer, number and text cells with many equal
// keys, then times sorting by an integer, a number and a text column in both directions, filtering by three
// criteria, and a find that only the last row answers.

#include "BenchTiming.h"
#include "tables/GridRows.h"

#include "controls/StringGrid.h"
#include "rtl/SysUtils.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <random>

namespace {
void Fill(TStringGrid &grid, int rows)
{
    std::mt19937 random(7);
    grid.SetColCount(15);
    grid.SetRowCount(rows + 1);
    for (int c = 0; c < 15; ++c)
        grid.SetCells(c, 0, "Column " + IntToStr(c));
    for (int r = 1; r <= rows; ++r) {
        std::vector<QString> texts(15);
        for (int c = 0; c < 15; ++c) {
            const int key = int(random() % 500);
            texts[c] = c % 3 == 0 ? IntToStr(key) : c % 3 == 1 ? IntToStr(key) + ".5" : "Record " + IntToStr(key);
        }
        grid.SetRowTexts(r, texts);
    }
    grid.SetCells(4, rows, "Last pump");
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    int rows = 100000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--rows") == 0)
            rows = std::atoi(argv[i + 1]);

    TStringGrid grid(nullptr);
    Fill(grid, rows);
    std::printf("%d rows x 15 columns\n", rows);
    int found = 0;
    const double findTime = Milliseconds([&] { found = FindRowInColumn(&grid, 4, "PUMP"); });
    std::printf("find in the last row: %.1f ms (row %d)\n", findTime, found);
    const char *kinds[] = {"integers", "numbers", "texts"};
    for (const int col : {0, 1, 2})
        for (const bool ascending : {true, false}) {
            const double time = Milliseconds([&] { SortGridByColumn(&grid, col, ascending); });
            std::printf("sort by %s, %s: %.1f ms\n", kinds[col], ascending ? "ascending" : "descending", time);
        }

    TFieldSettings settings(15);
    settings[0].DataOperation = 1; // less than
    settings[0].DataValue = "400";
    settings[2].DataOperation = 7; // contains
    settings[2].DataValue = "1";
    settings[3].DataOperation = 6; // not equal
    settings[3].DataValue = "17";
    const double filterTime = Milliseconds([&] { ApplyCriteria(&grid, settings); });
    std::printf("filter by three criteria: %.1f ms (%d rows left)\n", filterTime, grid.RowCount() - 1);
    return 0;
}
