#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

class TObject;

// The cells of a string grid: every row of the grid, fixed ones included, each with its texts and objects. The
// view sees the rows below the fixed ones as its rows and row 0 as its column titles. A row's vectors grow only
// when a cell of it is written, so wide empty tables cost little.
class TStringGridModel : public QAbstractTableModel {
public:
    TStringGridModel(QObject *parent, int colCount, int rowCount, int fixedRows);

    int GridRowCount() const { return int(rows_.size()); }
    int GridColCount() const { return colCount_; }
    int FixedRows() const { return fixedRows_; }

    QString Text(int col, int row) const;
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
    struct TRow {
        std::vector<QString> Texts;
        std::vector<TObject *> Objects;
    };
    void Changed(int row, int firstCol, int lastCol);

    std::vector<TRow> rows_;
    int colCount_;
    int fixedRows_;
};
