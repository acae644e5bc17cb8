#pragma once

#include "controls/RowTexts.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

class TObject;
struct TCellNumber;
struct TGridRow;
using TSharedGridRows = std::shared_ptr<const std::vector<TGridRow>>;
using TCellReader = bool (*)(QStringView text, int &value);

// The cells of a string grid: every row of the grid, fixed ones included, each with its texts and objects. The
// view sees the rows below the fixed ones as its rows and row 0 as its column titles. A row keeps its texts in one
// block (TRowTexts), so wide empty tables cost little. A grid row is a number standing for a row of its own or for
// one of shared rows made elsewhere, which it shows without a copy until a cell of it is written: a large table is
// filled from shared rows, reordered and cut down by moving numbers, not texts.
class TStringGridModel : public QAbstractTableModel {
public:
    TStringGridModel(QObject *parent, int colCount, int rowCount, int fixedRows);

    int GridRowCount() const { return int(order_.size()); }
    int GridColCount() const { return colCount_; }
    int FixedRows() const { return fixedRows_; }

    QString Text(int col, int row) const { return TextView(col, row).toString(); }
    // Valid until the row is next changed.
    QStringView TextView(int col, int row) const;
    void SetText(int col, int row, const QString &text);
    void SetRowTexts(int row, const std::vector<QString> &texts);
    void SetRowTexts(int row, TRowTexts texts);
    TObject *Object(int col, int row) const;
    void SetObject(int col, int row, TObject *object);
    int DataRowsWithObject() const;
    std::vector<TCellNumber> ReadColumn(int col, TCellReader reader) const;

    void SetRowCount(int count);
    void SetColCount(int count);
    void SetFixedRows(int count);
    void MoveRow(int from, int to);
    // rows: grid rows, ascending, no duplicates.
    void DeleteRows(const std::vector<int> &rows);
    // order: the old grid row of each new data row, a permutation of the data rows.
    void PermuteRows(const std::vector<int> &order);
    // The data rows become the shared rows in their order; without any, one empty row of its own.
    void SetDataRows(TSharedGridRows rows);

    // The view's row of a grid row and back.
    QModelIndex IndexOf(int col, int row) const { return index(row - fixedRows_, col); }
    int GridRowOf(const QModelIndex &index) const { return index.row() + fixedRows_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct TRow {
        TRowTexts Texts;
        TObject *Object = nullptr;
        // The objects of the cells after the first, when any was set.
        std::vector<TObject *> Others;
    };
    // A grid row's number with this bit stands for own_[number without it], else for shared_[number].
    static constexpr quint32 OwnRow = 0x80000000u;
    static constexpr size_t PrefetchDistance = 16;

    // The row's own copy, made when a shared row is first written.
    TRow &Own(int row);
    quint32 NewOwnRow(TRow row);
    // The data rows are the shared rows, all of them, in their order.
    bool ShowsSharedRowsInOrder() const;
    // Drops the own rows no grid row stands for any more, once they outnumber the grid's rows.
    void DropUnusedOwnRows();
    // The texts cut to the columns there are.
    TRowTexts Fitted(TRowTexts texts) const;
    void Changed(int row, int firstCol, int lastCol);

    std::vector<quint32> order_;
    std::vector<TRow> own_;
    TSharedGridRows shared_;
    // What readers made of the shared rows' cells, per column and reader, a reading a shared row.
    struct TReading {
        int Col;
        TCellReader Reader;
        std::vector<TCellNumber> Numbers;
    };
    mutable std::vector<TReading> readings_;
    // The shared rows' texts beyond this column were dropped with their columns.
    int sharedCols_ = 0;
    int colCount_;
    int fixedRows_;
};
