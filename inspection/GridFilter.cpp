#include "GridRows.h"

#include "CellValues.h"

#include "controls/StringGrid.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include <algorithm>

namespace {

enum : int { opAlways, opLess, opEqual, opMore, opLessOrEqual, opMoreOrEqual, opNotEqual, opContains };

// One visible column's criterion. A column is compared as numbers while every row still in the table holds an
// integer there, so the count of the other cells follows the rows as they are deleted.
struct TCriterion {
    int Col = 0;
    int Operation = opAlways;
    QString Value;
    QByteArray ValueBytes;
    bool ValueIsInteger = false;
    int IntValue = 0;
    // Per grid row: the cell converts to an integer, and its value.
    std::vector<char> CellIsInteger;
    std::vector<int> Ints;
    int NonIntegers = 0;
};

bool Holds(int operation, int order)
{
    switch (operation) {
    case opLess:
        return order < 0;
    case opEqual:
        return order == 0;
    case opMore:
        return order > 0;
    case opLessOrEqual:
        return order <= 0;
    case opMoreOrEqual:
        return order >= 0;
    default:
        return order != 0;
    }
}

std::vector<TCriterion> ActiveCriteria(const TStringGrid *grid, const TFieldSettings &settings)
{
    std::vector<TCriterion> criteria;
    const int cols = std::min(grid->ColCount(), int(settings.size()));
    for (int c = 0; c < cols; ++c) {
        const TFieldSetting &setting = settings[c];
        if (!setting.IsVisible || setting.DataValue.isEmpty() || setting.DataOperation == opAlways ||
            setting.DataOperation > opContains)
            continue;
        TCriterion criterion;
        criterion.Col = c;
        criterion.Operation = setting.DataOperation;
        criterion.Value = setting.DataValue;
        if (criterion.Operation != opContains) {
            criterion.ValueBytes = ToCp1251(criterion.Value);
            criterion.ValueIsInteger = TryStrToInt(criterion.Value, criterion.IntValue);
            criterion.Ints.resize(grid->RowCount());
            criterion.CellIsInteger.resize(grid->RowCount());
        }
        criteria.push_back(std::move(criterion));
    }
    // Row by row, so that each row's texts are fetched once for all the columns.
    for (int row = 1; row < grid->RowCount(); ++row)
        for (TCriterion &criterion : criteria)
            if (criterion.Operation != opContains) {
                criterion.CellIsInteger[row] = CellToInt(grid->CellView(criterion.Col, row), criterion.Ints[row]);
                criterion.NonIntegers += !criterion.CellIsInteger[row];
            }
    return criteria;
}

// bytes: a buffer for the cell's code-page bytes, kept from one row to the next.
bool Keeps(const TCriterion &criterion, const TStringGrid *grid, int row, QByteArray &bytes)
{
    const QStringView cell = grid->CellView(criterion.Col, row);
    if (criterion.Operation == opContains)
        return cell.contains(criterion.Value);
    if (criterion.NonIntegers > 0) {
        bytes.clear();
        AppendCp1251(cell, bytes);
        return Holds(criterion.Operation, CompareBytes(bytes, criterion.ValueBytes));
    }
    if (!criterion.ValueIsInteger)
        return true;
    const int value = criterion.Ints[row];
    return Holds(criterion.Operation, (value > criterion.IntValue) - (value < criterion.IntValue));
}

} // namespace

void ApplyCriteria(TStringGrid *grid, const TFieldSettings &settings)
{
    const int cols = std::min(grid->ColCount(), int(settings.size()));
    for (int c = 0; c < cols; ++c) {
        if (grid->ColWidths(c) == -1 && settings[c].IsVisible)
            grid->SetColWidths(c, grid->Canvas()->TextWidth(grid->Cells(c, 0)) + 20);
        if (grid->ColWidths(c) >= 0 && !settings[c].IsVisible)
            grid->SetColWidths(c, -1);
    }

    std::vector<TCriterion> criteria = ActiveCriteria(grid, settings);
    std::vector<int> rejected;
    QByteArray bytes;
    for (int row = grid->RowCount() - 1; row >= 1 && !criteria.empty(); --row) {
        const auto failing = std::find_if(criteria.begin(), criteria.end(), [&](const TCriterion &criterion) {
            return !Keeps(criterion, grid, row, bytes);
        });
        if (failing == criteria.end())
            continue;
        rejected.push_back(row);
        for (TCriterion &criterion : criteria)
            if (criterion.Operation != opContains)
                criterion.NonIntegers -= !criterion.CellIsInteger[row];
    }
    if (!rejected.empty())
        grid->DeleteRows(rejected);

    // A table with every row filtered out still shows one blank row under its titles.
    if (grid->RowCount() <= 1) {
        grid->SetRowCount(2);
        grid->SetFixedRows(1);
    }
}
