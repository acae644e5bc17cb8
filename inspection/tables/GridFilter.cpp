#include "tables/GridRows.h"

#include "tables/CellValues.h"

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
    // Per grid row: the cell against the value as texts (contained or not for opContains, else the sign of
    // their byte order), whether the cell converts to an integer, and its value.
    std::vector<signed char> TextOrders;
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
        criterion.TextOrders.resize(grid->RowCount());
        if (criterion.Operation != opContains) {
            criterion.ValueBytes = ToCp1251(criterion.Value);
            criterion.ValueIsInteger = TryStrToInt(criterion.Value, criterion.IntValue);
            criterion.Ints.resize(grid->RowCount());
            criterion.CellIsInteger.resize(grid->RowCount());
        }
        criteria.push_back(std::move(criterion));
    }
    // Every cell a criterion needs is judged in one pass, row by row, so that each row's texts are read once.
    QByteArray bytes;
    for (int row = 1; row < grid->RowCount(); ++row)
        for (TCriterion &criterion : criteria) {
            const QStringView cell = grid->CellView(criterion.Col, row);
            if (criterion.Operation == opContains) {
                criterion.TextOrders[row] = cell.contains(criterion.Value);
                continue;
            }
            bytes.truncate(0);
            AppendCp1251(cell, bytes);
            const int order = CompareBytes(bytes, criterion.ValueBytes);
            criterion.TextOrders[row] = static_cast<signed char>((order > 0) - (order < 0));
            criterion.CellIsInteger[row] = CellToInt(cell, criterion.Ints[row]);
            criterion.NonIntegers += !criterion.CellIsInteger[row];
        }
    return criteria;
}

bool Keeps(const TCriterion &criterion, int row)
{
    if (criterion.Operation == opContains)
        return criterion.TextOrders[row] != 0;
    if (criterion.NonIntegers > 0)
        return Holds(criterion.Operation, criterion.TextOrders[row]);
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
    for (int row = grid->RowCount() - 1; row >= 1 && !criteria.empty(); --row) {
        const auto failing = std::find_if(criteria.begin(), criteria.end(), [&](const TCriterion &criterion) {
            return !Keeps(criterion, row);
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
