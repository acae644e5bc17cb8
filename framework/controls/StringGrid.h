#pragma once

#include "classes/Events.h"
#include "classes/Types.h"
#include "controls/RowTexts.h"
#include "controls/WinControl.h"
#include "graphics/Canvas.h"

#include <QImage>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

class TObject;
class QModelIndex;
class QPainter;
class QStyleOptionViewItem;
class QTableView;
class TStringGridModel;
class TStringGridView;
class TStringGridHeader;
class TStringGridDelegate;
class TStringGridSelection;

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

// A row for TStringGrid::SetDataRows: its texts and the object of its first cell.
struct TGridRow {
    TRowTexts Texts;
    TObject *Object = nullptr;
};
// Rows made once, which grids show without a copy; they do not change while shared.
using TSharedGridRows = std::shared_ptr<const std::vector<TGridRow>>;

// What a reader made of one cell's text: whether it reads as a number, and the number.
struct TCellNumber {
    int Value = 0;
    bool Read = false;
};
using TCellReader = bool (*)(QStringView text, int &value);

using TDrawCellEvent = TMethod<TObject *, int, int, TRect, TGridDrawState>;
using TSelectCellEvent = TMethod<TObject *, int, int, bool &>;

// A table of texts, with an object beside each cell (not owned). Row 0 is the header when FixedRows is 1 (the
// grid keeps at most that one fixed row, and always one row more than it fixes); a column whose width is -1 is
// hidden. Rows have one fixed height. The cells live in a model of our own under a
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
    // The text of a cell without a copy, valid until the grid's cells next change: for passes over many rows.
    QStringView CellView(int col, int row) const;
    TObject *Objects(int col, int row) const;
    void SetObjects(int col, int row, TObject *object);
    // What `reader` makes of the column's cell in each row from FixedRows on, in order. The readings of the rows
    // shared with the grid are made once and kept with them while the grid shows them.
    std::vector<TCellNumber> ReadColumn(int col, TCellReader reader) const;
    // The number of data rows whose first cell holds an object.
    int DataRowsWithObject() const;
    // Every text of one row at once (as many as there are columns; missing ones empty); the shared texts are
    // taken without a copy.
    void SetRowTexts(int row, const std::vector<QString> &texts);
    void SetRowTexts(int row, TRowTexts texts);
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

    // Removes the row, the rows below move up; the current row stays on its row, or on the one that takes the
    // removed row's place, within the table. The only row left is emptied instead.
    void DeleteRow(int row);
    // Removes all the given rows in one step (any order, repeats count once), as DeleteRow does one by one.
    void DeleteRows(const std::vector<int> &rows);
    // Moves row from to position to; the rows between shift by one. The current row follows its row.
    void MoveRow(int from, int to);
    // Shows these rows, in their order, in place of every row below the fixed one, in one step, and keeps them
    // until they are replaced; a row whose cells are written gets texts of its own. Without rows one empty row
    // stays. The current row keeps its number within the table.
    void SetDataRows(TSharedGridRows rows);
    // Reorders the data rows in one step: new row FixedRows + i is old row order[i], and order names every data
    // row once. The current row follows its row.
    void PermuteRows(const std::vector<int> &order);
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

protected:
    void FontChanged() override;
    void ColorChanged() override;
    bool WidgetEvent(QEvent *event) override;

private:
    friend class TStringGridView;
    friend class TStringGridHeader;
    friend class TStringGridDelegate;
    friend class TStringGridSelection;

    TStringGridView *GridView() const;
    TStringGridHeader *Header() const;
    int GridLine() const;
    int RowPitch() const { return defaultRowHeight_ + GridLine(); }
    // The height of the header band above the data rows, in client coordinates.
    int BandHeight() const;
    void CheckCell(int col, int row) const;
    // Moves the current cell when OnSelectCell allows it; clicks and keys run the event behind the exception
    // barrier.
    bool MoveCurrent(int col, int row, bool byUser);
    // Shows the current cell as the view's current index and selection.
    void ShowCurrent();
    void ApplyColWidth(int col);
    void ApplyColWidths();
    void ApplyLayout();
    void SectionResized(int col, int newSize);
    void CheckFixedRows();
    void PaintCell(QPainter &painter, const QStyleOptionViewItem &option, const QModelIndex &index);
    void PaintHeaderCell(QPainter &painter, const QRect &rect, int col);
    // The grid's own look of a cell, then OnDrawCell; rect in client coordinates, the painter moved to them.
    void DrawCell(QPainter &painter, const TRect &rect, int col, int row, TGridDrawState state);
    // A mouse event on the data area or the header, reported in client coordinates.
    void ClientMouse(QWidget *source, QEvent *event, bool header);
    void ResetOverlay();
    void PaintOverlay(QWidget *target);
    void CanvasChanged(TObject *);

    TStringGridModel *model_;
    TStringGridSelection *selection_;
    std::unique_ptr<TCanvas> canvas_;
    // What the canvas draws between paints, shown over the header until the next mouse release.
    QImage overlay_;
    bool overlayUsed_ = false;
    bool painting_ = false;
    bool dispatching_ = false;
    bool changingRows_ = false;
    bool syncingWidths_ = false;
    std::vector<int> colWidths_;
    int fixedCols_ = 1;
    int defaultRowHeight_ = 24;
    int defaultColWidth_ = 64;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    int col_ = 1;
    int row_ = 1;
    TDrawCellEvent onDrawCell_;
    TSelectCellEvent onSelectCell_;
};
