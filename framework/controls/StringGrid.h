#pragma once

#include "classes/Events.h"
#include "classes/Types.h"
#include "controls/WinControl.h"
#include "graphics/Canvas.h"

#include <QString>
#include <memory>
#include <vector>

class TObject;
class QTableView;
class TStringGridModel;

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goColSizing = 1u << 5,
    goRowSelect = 1u << 6,
};
using TGridOptions = unsigned;

enum TGridDrawStateItem : unsigned {
    gdSelected = 1u << 0,
    gdFocused = 1u << 1,
    gdFixed = 1u << 2,
};
using TGridDrawState = unsigned;

using TDrawCellEvent = TMethod<TObject *, int, int, TRect, TGridDrawState>;
using TSelectCellEvent = TMethod<TObject *, int, int, bool &>;

// A table of texts, with an object beside each cell (not owned). Row 0 .. FixedRows - 1 is the header; a column
// whose width is -1 is hidden. Rows have one fixed height. The cells live in a model of our own under a
// QTableView, so large tables cost no widget per cell. OnDrawCell runs after the grid drew a cell itself, with a
// canvas on that cell's rectangle (grid client coordinates); OnSelectCell runs before the current cell moves.
class TStringGrid : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)

public:
    explicit TStringGrid(TComponent *owner);
    ~TStringGrid() override;

    int ColCount() const;
    void SetColCount(int count);
    int RowCount() const;
    void SetRowCount(int count);
    int FixedRows() const;
    void SetFixedRows(int count);
    int FixedCols() const;
    void SetFixedCols(int count);
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
    int DefaultColWidth() const;
    void SetDefaultColWidth(int width);
    TGridOptions Options() const;
    void SetOptions(TGridOptions options);

    // Checked: a cell outside the table raises ERangeError.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString &text);
    TObject *Objects(int col, int row) const;
    void SetObjects(int col, int row, TObject *object);
    // Every text of one row at once (as many as there are columns; missing ones empty).
    void SetRowTexts(int row, const std::vector<QString> &texts);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);

    // The current cell. Setting it runs OnSelectCell, which may refuse.
    int Row() const;
    void SetRow(int row);
    int Col() const;
    void SetCol(int col);
    int TopRow() const;
    void SetTopRow(int row);
    int VisibleRowCount() const;

    // Removes the row, the rows below move up; the current row stays within the table.
    void DeleteRow(int row);
    // Moves row from to position to; the rows between shift by one.
    void MoveRow(int from, int to);
    // The cell under the client point; -1 in either when there is none.
    void MouseToCell(int x, int y, int &col, int &row) const;
    TRect CellRect(int col, int row) const;
    // The pointer is on a column border where a drag resizes the column.
    bool InColumnSizingZone(int x, int y) const;

    // Draws on the grid during OnDrawCell and on header cells between paints (the pressed header); measures
    // text in the grid's font.
    TCanvas *Canvas() const;

    TDrawCellEvent OnDrawCell() const { return onDrawCell_; }
    void SetOnDrawCell(TDrawCellEvent event) { onDrawCell_ = event; }
    TSelectCellEvent OnSelectCell() const { return onSelectCell_; }
    void SetOnSelectCell(TSelectCellEvent event) { onSelectCell_ = event; }

    QTableView *View() const;

private:
    TDrawCellEvent onDrawCell_;
    TSelectCellEvent onSelectCell_;
};
