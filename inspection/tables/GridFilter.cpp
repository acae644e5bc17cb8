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
        int intValue = 0;
        const bool valueIsInteger = TryStrToInt(value_, intValue);
        // The grid reads the cells of the rows it was given to show once, and keeps what it read.
        const std::vector<TCellNumber> numbers = grid->ReadColumn(col, CellToInt);
        const size_t fixed = size_t(grid->FixedRows());
        cells_.resize(fixed + numbers.size());
        for (size_t i = 0; i < numbers.size(); ++i) {
            const TCellNumber &cell = numbers[i];
            nonIntegers_ += !cell.Read;
            // A value that is no integer disables the criterion while the column is compared as numbers.
            const bool keeps = !valueIsInteger || KeepsOrder((cell.Value > intValue) - (cell.Value < intValue));
            cells_[fixed + i] = cell.Read ? Integer | (keeps ? KeptAsInteger : 0) : 0;
        }
    }

    bool Keeps(int row)
    {
        if (contains_)
            return grid_->CellView(col_, row).contains(value_);
        if (nonIntegers_ > 0)
            return KeepsOrder(TextOrder(row));
        return cells_[size_t(row)] & KeptAsInteger;
    }
    // The row is gone from the table when `gone` holds.
    void Leaves(int row, bool gone)
    {
        if (!contains_)
            nonIntegers_ -= gone & !(cells_[size_t(row)] & Integer);
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

    // Per grid row: the cell converts to an integer, and as a number the row stays.
    enum : quint8 { Integer = 1, KeptAsInteger = 2 };

    const TStringGrid *grid_;
    int col_;
    bool contains_;
    QString value_;
    std::array<bool, 3> keeps_{};
    QByteArray valueBytes_;
    std::vector<quint8> cells_;
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
    // Half the rows may go, in no order: a row is written down whether it goes or not, and counted when it does.
    std::vector<int> rejected(criteria.empty() ? 0 : size_t(std::max(grid->RowCount() - 1, 0)));
    size_t goes = 0;
    for (int row = grid->RowCount() - 1; row >= 1 && !criteria.empty(); --row) {
        bool keep = true;
        for (TCriterion &criterion : criteria)
            keep = keep && criterion.Keeps(row);
        rejected[goes] = row;
        goes += !keep;
        for (TCriterion &criterion : criteria)
            criterion.Leaves(row, !keep);
    }
    rejected.resize(goes);
    std::reverse(rejected.begin(), rejected.end());
    grid->DeleteRows(rejected);

    // A table with every row filtered out still shows one blank row under its titles.
    if (grid->RowCount() <= 1) {
        grid->SetRowCount(2);
        grid->SetFixedRows(1);
    }
}
