#include "tables/GridRows.h"

#include "tables/CellValues.h"

#include "controls/StringGrid.h"
#include "rtl/Codec1251.h"

#include <algorithm>

namespace {

// One data row's sort key with the row it came from, so that sorting moves keys, not looks them up.
template <typename Key> struct TKeyed {
    Key Value;
    int Row;
};

// A text key: its first bytes as one number (zero-padded, first byte highest), so that most comparisons need
// no more, and where all its bytes lie in the column's byte buffer.
struct TTextKey {
    quint64 Head;
    qsizetype Offset;
    qsizetype Length;
};

// A column's cells, each converted once: the kind, with the numbers of a numeric kind or the code-page bytes
// of a text column, one per data row in row order.
struct TColumnKeys {
    TColumnKind Kind = ckInteger;
    std::vector<TKeyed<int>> Ints;
    std::vector<TKeyed<double>> Floats;
    std::vector<TKeyed<TTextKey>> Texts;
    QByteArray Bytes;
};

template <typename Key, typename Convert>
bool ConvertAll(const TStringGrid *grid, int col, std::vector<TKeyed<Key>> &keys, Convert convert)
{
    const int rows = std::max(grid->RowCount() - 1, 0);
    keys.resize(size_t(rows));
    for (int i = 0; i < rows; ++i) {
        keys[size_t(i)].Row = i + 1;
        if (!convert(grid->CellView(col, i + 1), keys[size_t(i)].Value)) {
            keys.clear();
            return false;
        }
    }
    return true;
}

TColumnKeys ConvertColumn(const TStringGrid *grid, int col)
{
    TColumnKeys keys;
    if (ConvertAll(grid, col, keys.Ints, CellToInt))
        return keys;
    keys.Kind = ckFloat;
    if (ConvertAll(grid, col, keys.Floats, CellToFloat))
        return keys;
    keys.Kind = ckText;
    const int rows = std::max(grid->RowCount() - 1, 0);
    keys.Texts.resize(size_t(rows));
    for (int i = 0; i < rows; ++i) {
        TKeyed<TTextKey> &key = keys.Texts[size_t(i)];
        key.Row = i + 1;
        key.Value.Offset = keys.Bytes.size();
        AppendCp1251(grid->CellView(col, i + 1), keys.Bytes);
        key.Value.Length = keys.Bytes.size() - key.Value.Offset;
        key.Value.Head = 0;
        for (qsizetype b = 0; b < qsizetype(sizeof(quint64)); ++b)
            key.Value.Head = key.Value.Head << 8 |
                             (b < key.Value.Length ? quint8(keys.Bytes[key.Value.Offset + b]) : quint8(0));
    }
    return keys;
}

// Equal keys keep their order in both directions, as the order in which a selection sort that only replaces
// its pick by a strictly smaller (larger) key and moves rows would leave them.
template <typename Key, typename Less>
void StableSortBy(std::vector<TKeyed<Key>> &keys, bool ascending, Less less)
{
    std::stable_sort(keys.begin(), keys.end(), [&](const TKeyed<Key> &a, const TKeyed<Key> &b) {
        return ascending ? less(a.Value, b.Value) : less(b.Value, a.Value);
    });
}

template <typename Key> std::vector<int> RowsOf(const std::vector<TKeyed<Key>> &keys)
{
    std::vector<int> rows(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        rows[i] = keys[i].Row;
    return rows;
}

} // namespace

int CompareCellTexts(const QString &a, const QString &b) { return CompareBytes(ToCp1251(a), ToCp1251(b)); }

bool IsIntegerColumn(const TStringGrid *grid, int col)
{
    int value;
    for (int row = 1; row < grid->RowCount(); ++row)
        if (!CellToInt(grid->CellView(col, row), value))
            return false;
    return true;
}

TColumnKind ColumnDataKind(const TStringGrid *grid, int col) { return ConvertColumn(grid, col).Kind; }

void SortGridByColumn(TStringGrid *grid, int col, bool ascending)
{
    if (grid->RowCount() < 2)
        return;
    TColumnKeys keys = ConvertColumn(grid, col);
    const auto less = [](const auto &a, const auto &b) { return a < b; };
    std::vector<int> order;
    switch (keys.Kind) {
    case ckInteger:
        StableSortBy(keys.Ints, ascending, less);
        order = RowsOf(keys.Ints);
        break;
    case ckFloat:
        StableSortBy(keys.Floats, ascending, less);
        order = RowsOf(keys.Floats);
        break;
    case ckText: {
        const char *bytes = keys.Bytes.constData();
        StableSortBy(keys.Texts, ascending, [bytes](const TTextKey &a, const TTextKey &b) {
            if (a.Head != b.Head)
                return a.Head < b.Head;
            return CompareBytes(QByteArrayView(bytes + a.Offset, a.Length),
                                QByteArrayView(bytes + b.Offset, b.Length)) < 0;
        });
        order = RowsOf(keys.Texts);
        break;
    }
    }
    grid->PermuteRows(order);
}
