#include "tables/GridRows.h"

#include "controls/StringGrid.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

// Sorting and filtering as first written: a selection sort that moves rows, and a bottom-up filter that judges a
// column's integer-ness anew for every row and column. Slow and plain: the yardstick for the fast versions.
namespace reference {

bool IsInteger(const TStringGrid &grid, int col)
{
    int value;
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!TryStrToInt(grid.Cells(col, row), value))
            return false;
    return true;
}

int Kind(const TStringGrid &grid, int col)
{
    if (IsInteger(grid, col))
        return 1;
    double value;
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!TryStrToFloat(grid.Cells(col, row), value))
            return 0;
    return 2;
}

int CompareTexts(const QString &a, const QString &b)
{
    const QByteArray x = ToCp1251(a), y = ToCp1251(b);
    for (qsizetype i = 0; i < x.size() && i < y.size(); ++i)
        if (x[i] != y[i])
            return quint8(x[i]) < quint8(y[i]) ? -1 : 1;
    return (x.size() > y.size()) - (x.size() < y.size());
}

template <typename T>
int Sign(T a, T b) { return (a > b) - (a < b); }

int Compare(int kind, const QString &a, const QString &b)
{
    if (kind == 1)
        return Sign(StrToInt(a), StrToInt(b));
    if (kind == 2)
        return Sign(StrToFloat(a), StrToFloat(b));
    return CompareTexts(a, b);
}

void Sort(TStringGrid &grid, int col, bool ascending)
{
    const int kind = Kind(grid, col);
    if (grid.RowCount() < 2)
        return;
    for (int i = 1; i < grid.RowCount(); ++i) {
        QString best = grid.Cells(col, i);
        int bestRow = i;
        for (int r = i + 1; r < grid.RowCount(); ++r) {
            const int order = Compare(kind, grid.Cells(col, r), best);
            if (ascending ? order < 0 : order > 0) {
                best = grid.Cells(col, r);
                bestRow = r;
            }
        }
        grid.MoveRow(bestRow, i);
    }
}

bool Holds(int operation, int order)
{
    switch (operation) {
    case 1: return order < 0;
    case 2: return order == 0;
    case 3: return order > 0;
    case 4: return order <= 0;
    case 5: return order >= 0;
    default: return order != 0;
    }
}

void Filter(TStringGrid &grid, const TFieldSettings &settings)
{
    for (int row = grid.RowCount() - 1; row >= 1; --row) {
        for (int c = 0; c < grid.ColCount(); ++c) {
            const TFieldSetting &setting = settings[c];
            if (!setting.IsVisible || setting.DataValue.isEmpty())
                continue;
            const QString cell = grid.Cells(c, row);
            bool keep = true;
            if (setting.DataOperation >= 1 && setting.DataOperation <= 6) {
                int value;
                if (!IsInteger(grid, c))
                    keep = Holds(setting.DataOperation, CompareTexts(cell, setting.DataValue));
                else if (TryStrToInt(setting.DataValue, value))
                    keep = Holds(setting.DataOperation, Sign(StrToInt(cell), value));
            } else if (setting.DataOperation == 7) {
                keep = cell.contains(setting.DataValue);
            }
            if (!keep) {
                grid.DeleteRow(row);
                break;
            }
        }
    }
    if (grid.RowCount() <= 1) {
        grid.SetRowCount(2);
        grid.SetFixedRows(1);
    }
}

} // namespace reference

TObject rowTags[64];

// A table with titles "c0".."cN" and the given data rows (none: the titles alone); every row carries its own tag
// as the row's object.
std::unique_ptr<TStringGrid> MakeGrid(const std::vector<QStringList> &rows, int cols)
{
    auto grid = std::make_unique<TStringGrid>(nullptr);
    grid->SetColCount(cols);
    grid->SetRowCount(int(rows.size()) + 1);
    for (int c = 0; c < cols; ++c)
        grid->SetCells(c, 0, "c" + IntToStr(c));
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < cols; ++c)
            grid->SetCells(c, r + 1, rows[r].value(c));
        grid->SetObjects(0, r + 1, &rowTags[r]);
    }
    return grid;
}

std::unique_ptr<TStringGrid> MakeColumn(const QStringList &cells)
{
    std::vector<QStringList> rows;
    for (const QString &cell : cells)
        rows.push_back({cell});
    return MakeGrid(rows, 1);
}

QStringList Column(const TStringGrid &grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid.RowCount(); ++row)
        cells << grid.Cells(col, row);
    return cells;
}

testing::AssertionResult SameRows(const TStringGrid &a, const TStringGrid &b)
{
    if (a.RowCount() != b.RowCount() || a.FixedRows() != b.FixedRows())
        return testing::AssertionFailure() << "row counts " << a.RowCount() << " and " << b.RowCount();
    for (int row = 0; row < a.RowCount(); ++row) {
        if (a.Objects(0, row) != b.Objects(0, row))
            return testing::AssertionFailure() << "objects differ in row " << row;
        for (int c = 0; c < a.ColCount(); ++c)
            if (a.Cells(c, row) != b.Cells(c, row))
                return testing::AssertionFailure() << "cell " << c << "," << row << ": "
                                                   << a.Cells(c, row).toStdString() << " and "
                                                   << b.Cells(c, row).toStdString();
    }
    return testing::AssertionSuccess();
}

// Columns of every kind with many equal keys: integers (one hexadecimal), numbers, mixed texts with Cyrillic and
// blank cells, integers with a rare text that a filter may remove, plain texts, and a column that marks rows.
const std::vector<QStringList> cellPools = {
    {"-3", "0", "1", "2", "10", "$A", "7"},
    {"1", "2", "1.5", "-0.5", "1e1", "10", "2.0", "1,5"},
    {"1", "10", "9", "100", "abc", "ABC", "Ёж", "ёж", "еж", "", "a b", "n/a"},
    {"4", "5", "12", "5", "4", "12", "-1", "x"},
    {"ab", "xaby", "XABY", "b", "Б", "ab"},
    {"drop", "keep", "keep"},
};
const QStringList criterionValues = {"", "5", "x", "2.5", "10", "ab", "1", "Б", "-3", "4", "drop", "keep"};

std::vector<QStringList> RandomRows(std::mt19937 &random)
{
    std::vector<QStringList> rows(random() % 41);
    for (QStringList &row : rows)
        for (const QStringList &pool : cellPools)
            row << pool[random() % pool.size()];
    return rows;
}

TEST(GridRows, SortGivesTheSelectionSortOrderForEveryKindAndDirection)
{
    FormatSettingsGuard guard;
    std::mt19937 random(1251);
    for (QChar separator : {u'.', u','}) {
        FormatSettings.DecimalSeparator = separator;
        for (int trial = 0; trial < 60; ++trial) {
            const std::vector<QStringList> rows = RandomRows(random);
            for (int col = 0; col < int(cellPools.size()); ++col)
                for (bool ascending : {true, false}) {
                    auto fast = MakeGrid(rows, int(cellPools.size()));
                    auto slow = MakeGrid(rows, int(cellPools.size()));
                    SortGridByColumn(fast.get(), col, ascending);
                    reference::Sort(*slow, col, ascending);
                    ASSERT_TRUE(SameRows(*fast, *slow)) << "trial " << trial << " column " << col << " ascending "
                                                        << ascending;
                }
        }
    }
}

TEST(GridRows, FilterKeepsTheRowsOfTheBottomUpFilter)
{
    FormatSettingsGuard guard;
    std::mt19937 random(866);
    for (int trial = 0; trial < 400; ++trial) {
        const std::vector<QStringList> rows = RandomRows(random);
        TFieldSettings settings(cellPools.size());
        for (TFieldSetting &setting : settings) {
            setting.IsVisible = random() % 5 != 0;
            setting.DataOperation = std::uint8_t(random() % 10);
            setting.DataValue = criterionValues[random() % criterionValues.size()];
        }
        auto fast = MakeGrid(rows, int(cellPools.size()));
        auto slow = MakeGrid(rows, int(cellPools.size()));
        ApplyCriteria(fast.get(), settings);
        reference::Filter(*slow, settings);
        ASSERT_TRUE(SameRows(*fast, *slow)) << "trial " << trial;
    }
}

TEST(GridRows, SortEdgeCases)
{
    FormatSettingsGuard guard;
    auto grid = MakeColumn({"10", "9", "100"});
    EXPECT_EQ(ColumnDataKind(grid.get(), 0), ckInteger);
    SortGridByColumn(grid.get(), 0, true);
    EXPECT_EQ(Column(*grid, 0), QStringList({"9", "10", "100"}));
    SortGridByColumn(grid.get(), 0, false);
    EXPECT_EQ(Column(*grid, 0), QStringList({"100", "10", "9"}));

    grid = MakeColumn({"10", "9", "100", "n/a"});
    EXPECT_EQ(ColumnDataKind(grid.get(), 0), ckText);
    SortGridByColumn(grid.get(), 0, true);
    EXPECT_EQ(Column(*grid, 0), QStringList({"10", "100", "9", "n/a"}));

    grid = MakeColumn({"abc", "ABC", "а", "ё", "Я"});
    SortGridByColumn(grid.get(), 0, true);
    EXPECT_EQ(Column(*grid, 0), QStringList({"ABC", "abc", "ё", "Я", "а"}));

    grid = MakeColumn({"2.5", "-1", "1e1", "2"});
    EXPECT_EQ(ColumnDataKind(grid.get(), 0), ckFloat);
    SortGridByColumn(grid.get(), 0, true);
    EXPECT_EQ(Column(*grid, 0), QStringList({"-1", "2", "2.5", "1e1"}));
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(ColumnDataKind(grid.get(), 0), ckText);

    grid = MakeColumn({"$1F", "-2", " 5"});
    EXPECT_FALSE(IsIntegerColumn(grid.get(), 0));
    grid->SetRowCount(3);
    EXPECT_TRUE(IsIntegerColumn(grid.get(), 0));

    // The blank row of an empty table is text and sorts without harm.
    grid = MakeColumn({""});
    EXPECT_EQ(ColumnDataKind(grid.get(), 0), ckText);
    SortGridByColumn(grid.get(), 0, false);
    EXPECT_EQ(Column(*grid, 0), QStringList({""}));

    EXPECT_LT(CompareCellTexts("ab", "abc"), 0);
    EXPECT_GT(CompareCellTexts("Ђ", "z"), 0); // byte 0x80
    EXPECT_LT(CompareCellTexts("ё", "а"), 0); // 0xB8 before 0xE0, although U+0451 follows U+0430
    EXPECT_EQ(CompareCellTexts("Б", "Б"), 0);
}

TEST(GridRows, FilterEdgeCases)
{
    const auto filtered = [](const QStringList &cells, int operation, const QString &value, bool visible = true) {
        auto grid = MakeColumn(cells);
        TFieldSetting setting;
        setting.IsVisible = visible;
        setting.DataOperation = std::uint8_t(operation);
        setting.DataValue = value;
        ApplyCriteria(grid.get(), {setting});
        return Column(*grid, 0);
    };
    EXPECT_EQ(filtered({"4", "5", "12"}, 1, "5"), QStringList({"4"}));
    EXPECT_EQ(filtered({"4", "5", "12", "-"}, 1, "5"), QStringList({"4", "12", "-"}));
    EXPECT_EQ(filtered({"4", "5", "12"}, 2, "x"), QStringList({"4", "5", "12"}));
    EXPECT_EQ(filtered({"xaby", "XABY"}, 7, "ab"), QStringList({"xaby"}));
    EXPECT_EQ(filtered({"4", "5"}, 9, "5"), QStringList({"4", "5"}));
    EXPECT_EQ(filtered({"4", "5"}, 2, "5", false), QStringList({"4", "5"}));
    // "x" leaves the table on its way up, so "12" above it is then compared as a number.
    EXPECT_EQ(filtered({"12", "x", "5", "4"}, 1, "5"), QStringList({"4"}));

    auto grid = MakeColumn({"a", "b"});
    TFieldSetting contains;
    contains.DataOperation = 7;
    contains.DataValue = "z";
    ApplyCriteria(grid.get(), {contains});
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->Cells(0, 1), "");
    EXPECT_EQ(grid->Objects(0, 1), nullptr);
    ApplyCriteria(grid.get(), {contains});
    EXPECT_EQ(grid->RowCount(), 2);

    // A hidden column that should show gets its title's width and a margin; a shown one that should hide, -1.
    grid = MakeGrid({{"1", "2", "3", "4"}}, 4);
    grid->SetColWidths(0, -1);
    grid->SetColWidths(1, 64);
    grid->SetColWidths(2, -1);
    grid->SetColWidths(3, 50);
    TFieldSettings settings(4);
    settings[1].IsVisible = settings[2].IsVisible = false;
    ApplyCriteria(grid.get(), settings);
    EXPECT_EQ(grid->ColWidths(0), grid->Canvas()->TextWidth("c0") + 20);
    EXPECT_EQ(grid->ColWidths(1), -1);
    EXPECT_EQ(grid->ColWidths(2), -1);
    EXPECT_EQ(grid->ColWidths(3), 50);
}

TEST(GridFind, WildcardsAndMasks)
{
    EXPECT_EQ(WildcardPos("b?d", "abcde"), 2);
    EXPECT_EQ(WildcardPos("bc", "abcde"), 2);
    EXPECT_EQ(WildcardPos("?", ""), 0);
    EXPECT_EQ(WildcardPos("", "abc"), 0);
    EXPECT_EQ(WildcardPos("a?cd", "abc"), 0);
    EXPECT_EQ(WildcardPos("?e", "abcde"), 4);
    EXPECT_EQ(WildcardPos("BC", "abcde"), 0);

    QString pattern = "ab*cd*";
    EXPECT_EQ(CutAtStar(pattern), 3);
    EXPECT_EQ(pattern, "ab");
    EXPECT_EQ(CutAtStar(pattern), 0);
    EXPECT_EQ(pattern, "ab");

    EXPECT_TRUE(MatchMask("abc", "a*c", true));
    EXPECT_FALSE(MatchMask("abc", "a?", true));
    EXPECT_TRUE(MatchMask("ab", "ab*", true));
    EXPECT_FALSE(MatchMask("ab", "a*ab", true));
    EXPECT_TRUE(MatchMask("ABC", "abc", true));
    EXPECT_FALSE(MatchMask("ABC", "abc", false));
    EXPECT_TRUE(MatchMask("", "", false));
    EXPECT_TRUE(MatchMask("", "***", false));
    EXPECT_FALSE(MatchMask("", "a", false));
    EXPECT_FALSE(MatchMask("abc", "", false));
    EXPECT_TRUE(MatchMask("abcd", "a**b*d", false));
    EXPECT_TRUE(MatchMask("abcd", "*b*?", false));
    EXPECT_FALSE(MatchMask("abx", "a*b*c", false));
    EXPECT_TRUE(MatchMask("ab", "a*b*", false));
    EXPECT_TRUE(MatchMask("abc", "a*?c", false));
    EXPECT_FALSE(MatchMask("abc", "a*d*c", false));
    EXPECT_TRUE(MatchMask("Пульт", "п*Т", true));
}

TEST(GridFind, FindRowInColumn)
{
    auto grid = MakeGrid({{"Valve", "1"}, {"Pump", "2"}, {"pump house", ""}, {"Пульт", "2"}}, 2);
    EXPECT_EQ(FindRowInColumn(grid.get(), 0, "UMP"), 2);
    EXPECT_EQ(FindRowInColumn(grid.get(), 0, "ump"), 2);
    EXPECT_EQ(FindRowInColumn(grid.get(), 0, "p*e"), 3);
    EXPECT_EQ(FindRowInColumn(grid.get(), 0, "v?lve"), 1);
    EXPECT_EQ(FindRowInColumn(grid.get(), 0, "ПУЛ"), 4);
    EXPECT_EQ(FindRowInColumn(grid.get(), 0, "*"), 1);
    EXPECT_EQ(FindRowInColumn(grid.get(), 0, "zz"), -1);
    EXPECT_EQ(FindRowInColumn(grid.get(), 0, ""), -1);
    EXPECT_EQ(FindRowInColumn(grid.get(), 1, "2"), 2);
    EXPECT_EQ(FindRowInColumn(grid.get(), 1, ""), 3);
}

} // namespace
