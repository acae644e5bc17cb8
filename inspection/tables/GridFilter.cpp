#include "tables/GridRows.h"

#include "tables/CellValues.h"

#include "controls/StringGrid.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include <algorithm>
#include <array>

namespace {

enum : int { opAlways, opLess, opEqual, opMore, opLessOrEqual, opMoreOrEqual, opNotEqual, opContains };

// One visible column's criterion. A column is compared as numbers while every row still in the table holds an
// integer there, so the count of the other cells follows the rows as they are deleted; the cells are compared as
// texts only when it is not.
class TCriterion {
public:
    TCriterion(const TStringGrid *grid, int col, const TFieldSetting &setting)
        : grid_(grid), col_(col), contains_(setting.DataOperation == opContains), value_(setting.DataValue)
    {
        // Whether a cell that is less than, equal to or more than the value stays.
        for (int order = -1; order <= 1; ++order)
            keeps_[size_t(order + 1)] = Holds(setting.DataOperation, order);
        if (contains_)
            return;
        valueBytes_ = ToCp1251(value_);
        valueIsInteger_ = TryStrToInt(value_, intValue_);
        const int rows = grid->RowCount();
        ints_.resize(size_t(rows));
        cellIsInteger_.resize(size_t(rows));
        for (int row = 1; row < rows; ++row) {
            cellIsInteger_[size_t(row)] = CellToInt(grid->CellView(col, row), ints_[size_t(row)]);
            nonIntegers_ += !cellIsInteger_[size_t(row)];
        }
    }

    bool Keeps(int row)
    {
        if (contains_)
            return grid_->CellView(col_, row).contains(value_);
        if (nonIntegers_ > 0)
            return KeepsOrder(TextOrder(row));
        if (!valueIsInteger_)
            return true;
        const int cell = ints_[size_t(row)];
        return KeepsOrder((cell > intValue_) - (cell < intValue_));
    }
    // The row is gone from the table.
    void Deleted(int row)
    {
        if (!contains_)
            nonIntegers_ -= !cellIsInteger_[size_t(row)];
    }

private:
    static bool Holds(int operation, int order)
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
        case opNotEqual:
            return order != 0;
        default:
            return true;
        }
    }
    bool KeepsOrder(int order) const { return keeps_[size_t((order > 0) - (order < 0) + 1)]; }
    // The sign of the byte order of the cell's and the value's code-page texts.
    int TextOrder(int row)
    {
        bytes_.truncate(0);
        AppendCp1251(grid_->CellView(col_, row), bytes_);
        return CompareBytes(bytes_, valueBytes_);
    }

    const TStringGrid *grid_;
    int col_;
    bool contains_;
    QString value_;
    std::array<bool, 3> keeps_{};
    QByteArray valueBytes_;
    bool valueIsInteger_ = false;
    int intValue_ = 0;
    // Per grid row: whether the cell converts to an integer, and its value.
    std::vector<char> cellIsInteger_;
    std::vector<int> ints_;
    int nonIntegers_ = 0;
    QByteArray bytes_;
};

std::vector<TCriterion> ActiveCriteria(const TStringGrid *grid, const TFieldSettings &settings)
{
    std::vector<TCriterion> criteria;
    const int cols = std::min(grid->ColCount(), int(settings.size()));
    for (int c = 0; c < cols; ++c) {
        const TFieldSetting &setting = settings[c];
        if (setting.IsVisible && !setting.DataValue.isEmpty() && setting.DataOperation != opAlways &&
            setting.DataOperation <= opContains)
            criteria.emplace_back(grid, c, setting);
    }
    return criteria;
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
    // From the last row up, each row tested against the table as it stands then.
    std::vector<int> rejected;
    for (int row = grid->RowCount() - 1; row >= 1 && !criteria.empty(); --row) {
        if (std::all_of(criteria.begin(), criteria.end(), [row](TCriterion &criterion) { return criterion.Keeps(row); }))
            continue;
        rejected.push_back(row);
        for (TCriterion &criterion : criteria)
            criterion.Deleted(row);
    }
    std::reverse(rejected.begin(), rejected.end());
    grid->DeleteRows(rejected);

    // A table with every row filtered out still shows one blank row under its titles.
    if (grid->RowCount() <= 1) {
        grid->SetRowCount(2);
        grid->SetFixedRows(1);
    }
}
