// String grid benchmark (run by hand): string_grid_benchmark [--rows N]
//
// Fills a grid of 15 columns with N rows (100,000 by default) as the inspection window fills its tables, shows
// it, and times each step: setting the row count, writing every row, the first paint, reordering all rows in
// one step, deleting half of them in one step, and single row moves and deletes near the top.

#include "BenchTiming.h"
#include "controls/StringGrid.h"
#include "forms/Form.h"

#include <QApplication>
#include <QStringList>
#include <QTableView>

#include <cstdio>
#include <numeric>
#include <vector>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    int rows = 100000;
    const QStringList args = app.arguments();
    if (const qsizetype at = args.indexOf("--rows"); at >= 0 && at + 1 < args.size())
        rows = args[at + 1].toInt();
    constexpr int cols = 15;

    TForm form(nullptr);
    form.SetBounds(0, 0, 1000, 700);
    auto *grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetAlign(alClient);
    grid->SetFixedCols(0);
    grid->SetDefaultRowHeight(18);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goColSizing | goRowSelect);
    grid->SetColCount(cols);
    form.Show();
    grid->Repaint();

    std::printf("string grid, %d rows x %d columns\n", rows, cols);
    std::printf("  row count      %8.1f ms\n", Milliseconds([&] { grid->SetRowCount(rows + 1); }));
    std::printf("  fill rows      %8.1f ms\n", Milliseconds([&] {
                    std::vector<QString> texts(cols);
                    for (int row = 1; row <= rows; ++row) {
                        for (int col = 0; col < cols; ++col)
                            texts[size_t(col)] = QString::number(row * 31 % 9973 + col);
                        grid->SetRowTexts(row, texts);
                    }
                }));
    std::printf("  paint          %8.1f ms\n", Milliseconds([&] { grid->Snapshot(); }));
    std::vector<int> order(static_cast<size_t>(rows));
    std::iota(order.rbegin(), order.rend(), 1);
    std::printf("  reorder all    %8.1f ms\n", Milliseconds([&] {
                    grid->PermuteRows(order);
                    grid->Snapshot();
                }));
    std::vector<int> half;
    for (int row = 1; row <= rows; row += 2)
        half.push_back(row);
    std::printf("  delete half    %8.1f ms\n", Milliseconds([&] {
                    grid->DeleteRows(half);
                    grid->Snapshot();
                }));
    std::printf("  1000 moves     %8.1f ms\n", Milliseconds([&] {
                    for (int i = 0; i < 1000; ++i)
                        grid->MoveRow(grid->RowCount() - 1, 1 + i % 10);
                }));
    std::printf("  1000 deletes   %8.1f ms\n", Milliseconds([&] {
                    for (int i = 0; i < 1000; ++i)
                        grid->DeleteRow(1);
                }));
    return 0;
}
