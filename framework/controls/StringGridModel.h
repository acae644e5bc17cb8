#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

class TObject;

// The cells of a string grid: every row of the grid, fixed ones included, each with its texts and objects. The
// view sees the rows below the fixed ones as its rows and row 0 as its column titles. A row keeps its texts in one
// block that holds no more than its last non-empty text, so wide empty tables cost little, and a large table is
// filled, reordered and cut down with one allocation per row rather than one per cell.
class TStringGridModel : public QAbstractTableModel {
public:
    TStringGridModel(QObject *parent, int colCount, int rowCount, int fixedRows);

    int GridRowCount() const { return int(rows_.size()); }
    int GridColCount() const { return colCount_; }
    int FixedRows() const { return fixedRows_; }

    QString Text(int col, int row) const { return TextView(col, row).toString(); }
    // Valid until the row is next changed.
    QStringView TextView(int col, int row) const { return rows_[size_t(row)].Texts.At(col); }
    void SetText(int col, int row, const QString &text);
    void SetRowTexts(int row, const std::vector<QString> &texts);
    TObject *Object(int col, int row) const;
    void SetObject(int col, int row, TObject *object);

    void SetRowCount(int count);
    void SetColCount(int count);
    void SetFixedRows(int count);
    void MoveRow(int from, int to);
    // rows: grid rows, ascending, no duplicates.
    void DeleteRows(const std::vector<int> &rows);
    // order: the old grid row of each new data row, a permutation of the data rows.
    void PermuteRows(const std::vector<int> &order);

    // The view's row of a grid row and back.
    QModelIndex IndexOf(int col, int row) const { return index(row - fixedRows_, col); }
    int GridRowOf(const QModelIndex &index) const { return index.row() + fixedRows_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    // The number of texts and where each one ends, each as two 16-bit halves, then the characters of all of them.
    class TRowTexts {
    public:
        int Count() const { return block_ ? int(Number(0)) : 0; }
        QStringView At(int col) const;
        // The texts textAt(0 .. count - 1), without the empty ones at the end.
        template <typename TextAt> static TRowTexts Packed(int count, TextAt textAt);

    private:
        quint32 Number(int at) const { return quint32(block_[2 * at]) << 16 | block_[2 * at + 1]; }
        void SetNumber(int at, quint32 value);

        std::unique_ptr<char16_t[]> block_;
    };
    struct TRow {
        TRowTexts Texts;
        std::vector<TObject *> Objects;
    };
    void Changed(int row, int firstCol, int lastCol);

    std::vector<TRow> rows_;
    int colCount_;
    int fixedRows_;
};
