#include "GridRows.h"

#include "controls/StringGrid.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

int CompareBytes(const QByteArray &a, const QByteArray &b)
{
    const int order = std::memcmp(a.constData(), b.constData(), size_t(std::min(a.size(), b.size())));
    if (order != 0)
        return order;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// A column's cells, each converted once: the kind, with the numbers of a numeric kind or the code-page bytes
// of a text column, one per data row.
struct TColumnKeys {
    TColumnKind Kind = ckInteger;
    std::vector<int> Ints;
    std::vector<double> Floats;
    std::vector<QByteArray> Bytes;
};

TColumnKeys ConvertColumn(const TStringGrid *grid, int col)
{
    const int rows = std::max(grid->RowCount() - 1, 0);
    std::vector<QString> texts(rows);
    for (int i = 0; i < rows; ++i)
        texts[i] = grid->Cells(col, i + 1);
    TColumnKeys keys;
    keys.Ints.resize(rows);
    for (int i = 0; i < rows && keys.Kind == ckInteger; ++i)
        if (!TryStrToInt(texts[i], keys.Ints[i]))
            keys.Kind = ckFloat;
    if (keys.Kind == ckInteger)
        return keys;
    keys.Ints.clear();
    keys.Floats.resize(rows);
    for (int i = 0; i < rows && keys.Kind == ckFloat; ++i)
        if (!TryStrToFloat(texts[i], keys.Floats[i]))
            keys.Kind = ckText;
    if (keys.Kind == ckFloat)
        return keys;
    keys.Floats.clear();
    keys.Bytes.reserve(rows);
    for (const QString &text : texts)
        keys.Bytes.push_back(ToCp1251(text));
    return keys;
}

// Equal keys keep their order in both directions, as the order in which a selection sort that only replaces
// its pick by a strictly smaller (larger) key and moves rows would leave them.
template <typename Key, typename Less>
void StableSortBy(std::vector<int> &order, const std::vector<Key> &keys, bool ascending, Less less)
{
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ascending ? less(keys[a], keys[b]) : less(keys[b], keys[a]);
    });
}

} // namespace

int CompareCellTexts(const QString &a, const QString &b) { return CompareBytes(ToCp1251(a), ToCp1251(b)); }

bool IsIntegerColumn(const TStringGrid *grid, int col)
{
    int value;
    for (int row = 1; row < grid->RowCount(); ++row)
        if (!TryStrToInt(grid->Cells(col, row), value))
            return false;
    return true;
}

TColumnKind ColumnDataKind(const TStringGrid *grid, int col) { return ConvertColumn(grid, col).Kind; }

void SortGridByColumn(TStringGrid *grid, int col, bool ascending)
{
    if (grid->RowCount() < 2)
        return;
    const TColumnKeys keys = ConvertColumn(grid, col);
    std::vector<int> order(grid->RowCount() - 1);
    std::iota(order.begin(), order.end(), 0);
    const auto less = [](const auto &a, const auto &b) { return a < b; };
    switch (keys.Kind) {
    case ckInteger:
        StableSortBy(order, keys.Ints, ascending, less);
        break;
    case ckFloat:
        StableSortBy(order, keys.Floats, ascending, less);
        break;
    case ckText:
        StableSortBy(order, keys.Bytes, ascending,
                     [](const QByteArray &a, const QByteArray &b) { return CompareBytes(a, b) < 0; });
        break;
    }
    for (int &row : order)
        ++row;
    grid->PermuteRows(order);
}
