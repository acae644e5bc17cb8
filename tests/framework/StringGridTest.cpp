#include "controls/StringGrid.h"
#include "forms/Form.h"
#include "rtl/Exceptions.h"

#include <QHeaderView>
#include <array>
#include <memory>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A grid as the tables of the program are set up: a header row, no fixed column, whole rows selected.
TStringGrid *TableGrid(TForm &form, int cols, int rows)
{
    auto *grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetFixedCols(0);
    grid->SetDefaultRowHeight(18);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goColSizing | goRowSelect);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    return grid;
}

QStringList Column(const TStringGrid *grid, int col)
{
    QStringList texts;
    for (int row = 0; row < grid->RowCount(); ++row)
        texts << grid->Cells(col, row);
    return texts;
}

void FillColumn(TStringGrid *grid, int col, const QStringList &texts)
{
    for (int row = 0; row < texts.size(); ++row)
        grid->SetCells(col, row, texts[row]);
}

// A cell's length as its number, empty cells read as none; counts its readings.
int lengthReadings = 0;
bool ReadLength(QStringView text, int &value)
{
    ++lengthReadings;
    value = int(text.size());
    return !text.isEmpty();
}

QList<int> Lengths(const std::vector<TCellNumber> &numbers)
{
    QList<int> lengths;
    for (const TCellNumber &number : numbers)
        lengths << (number.Read ? number.Value : -1);
    return lengths;
}

struct TSelectRecorder {
    bool allow = true;
    QList<QPoint> asked;
    void SelectCell(TObject *, int col, int row, bool &canSelect)
    {
        asked << QPoint(col, row);
        canSelect = allow;
    }
};
} // namespace

TEST(StringGrid, CellsObjectsCountsAndWidthsAreCheckedAndKept)
{
    TForm form(nullptr);
    auto *grid = new TStringGrid(&form);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 1);

    grid = TableGrid(form, 3, 4);
    grid->SetName("sgTunings");
    grid->Loaded();
    EXPECT_EQ(grid->View()->objectName(), "sgTunings");
    EXPECT_EQ(grid->View()->model()->rowCount(), 3);
    grid->SetCells(2, 0, "Title");
    grid->SetCells(1, 3, "last");
    EXPECT_EQ(grid->View()->model()->headerData(2, Qt::Horizontal), "Title");
    EXPECT_EQ(grid->Cells(1, 3), "last");
    EXPECT_EQ(grid->Cells(0, 3), "");
    int object = 0;
    grid->SetObjects(0, 2, reinterpret_cast<TObject *>(&object));
    EXPECT_EQ(grid->Objects(0, 2), reinterpret_cast<TObject *>(&object));
    EXPECT_EQ(grid->Objects(2, 2), nullptr);
    for (auto [col, row] : {std::pair{3, 0}, {-1, 0}, {0, 4}, {0, -1}}) {
        EXPECT_THROW(grid->Cells(col, row), ERangeError) << col << "," << row;
        EXPECT_THROW(grid->SetCells(col, row, "x"), ERangeError);
        EXPECT_THROW(grid->Objects(col, row), ERangeError);
    }
    EXPECT_THROW(grid->ColWidths(3), ERangeError);

    // A whole row at once: extra texts are dropped, missing ones empty.
    grid->SetRowTexts(1, {"a", "b", "c", "d"});
    EXPECT_EQ(grid->Cells(2, 1), "c");
    grid->SetRowTexts(1, {"x"});
    EXPECT_EQ(grid->Cells(0, 1), "x");
    EXPECT_EQ(grid->Cells(2, 1), "");
    // One cell written keeps the other texts of its row; CellView reads the texts in place, checked as Cells.
    grid->SetRowTexts(2, {"first", "", "third"});
    grid->SetCells(1, 2, "middle text");
    grid->SetCells(2, 2, "");
    grid->SetCells(0, 2, "1st");
    EXPECT_EQ(grid->Cells(0, 2), "1st");
    EXPECT_EQ(grid->CellView(1, 2), u"middle text");
    EXPECT_EQ(grid->Cells(2, 2), "");
    EXPECT_THROW(grid->CellView(3, 0), ERangeError);

    // Widths: -1 hides the column, a width shows it again; the default width resets every column.
    EXPECT_EQ(grid->ColWidths(1), 64);
    grid->SetColWidths(1, -1);
    EXPECT_EQ(grid->ColWidths(1), -1);
    EXPECT_TRUE(grid->View()->isColumnHidden(1));
    grid->SetColWidths(1, 40);
    EXPECT_FALSE(grid->View()->isColumnHidden(1));
    EXPECT_EQ(grid->View()->columnWidth(1), 41);
    grid->SetColWidths(2, -1);
    grid->SetDefaultColWidth(30);
    EXPECT_EQ(grid->ColWidths(2), 30);
    EXPECT_FALSE(grid->View()->isColumnHidden(2));
    // Hidden columns stay hidden when the rows are rebuilt in one step.
    grid->SetColWidths(0, -1);
    grid->PermuteRows({3, 2, 1});
    EXPECT_TRUE(grid->View()->isColumnHidden(0));
    EXPECT_EQ(grid->View()->columnWidth(1), 31);

    // A column the user sizes keeps its new width.
    grid->View()->horizontalHeader()->resizeSection(2, 51);
    EXPECT_EQ(grid->ColWidths(2), 50);

    // Fewer columns drop the texts beyond; new ones start empty with the default width.
    grid->SetCells(2, 2, "gone");
    grid->SetColCount(2);
    grid->SetColCount(3);
    EXPECT_EQ(grid->Cells(2, 2), "");
    EXPECT_EQ(grid->ColWidths(2), 30);
    EXPECT_EQ(grid->View()->columnWidth(2), 31);

    // The header row is kept only while there is a row below it; the table always keeps one row.
    grid->SetRowCount(1);
    EXPECT_EQ(grid->FixedRows(), 0);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_TRUE(grid->View()->horizontalHeader()->isHidden());
    grid->SetRowCount(0);
    EXPECT_EQ(grid->RowCount(), 1);
    grid->SetRowCount(2);
    grid->SetFixedRows(1);
    EXPECT_FALSE(grid->View()->horizontalHeader()->isHidden());
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_THROW(grid->SetFixedRows(2), ERangeError);
}

TEST(StringGrid, RowsMoveDeleteAndReorderWithTheCurrentRowFollowing)
{
    TForm form(nullptr);
    TStringGrid *grid = TableGrid(form, 2, 6);
    FillColumn(grid, 0, {"T", "a", "b", "c", "d", "e"});
    grid->SetObjects(1, 3, grid);
    grid->SetRow(3);

    grid->MoveRow(3, 5);
    EXPECT_EQ(Column(grid, 0), QStringList({"T", "a", "b", "d", "e", "c"}));
    EXPECT_EQ(grid->Objects(1, 5), grid);
    EXPECT_EQ(grid->Row(), 5);
    grid->MoveRow(1, 5);
    EXPECT_EQ(Column(grid, 0), QStringList({"T", "b", "d", "e", "c", "a"}));
    EXPECT_EQ(grid->Row(), 4);
    grid->MoveRow(5, 2);
    EXPECT_EQ(Column(grid, 0), QStringList({"T", "b", "a", "d", "e", "c"}));
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_THROW(grid->MoveRow(1, 6), ERangeError);

    // New row 1 + i is old row order[i]; anything but a permutation of the data rows changes nothing.
    grid->PermuteRows({5, 4, 3, 2, 1});
    EXPECT_EQ(Column(grid, 0), QStringList({"T", "c", "e", "d", "a", "b"}));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Objects(1, 1), grid);
    const std::vector<std::vector<int>> bad{{1, 2, 3, 4}, {1, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {1, 2, 3, 4, 6}};
    for (const std::vector<int> &order : bad)
        EXPECT_THROW(grid->PermuteRows(order), ERangeError);
    EXPECT_EQ(Column(grid, 0), QStringList({"T", "c", "e", "d", "a", "b"}));

    // Deleting: the current row keeps its row, or the one taking its place, within the table.
    grid->SetRow(3);
    grid->DeleteRow(1);
    EXPECT_EQ(Column(grid, 0), QStringList({"T", "e", "d", "a", "b"}));
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(0, grid->Row()), "d");
    grid->DeleteRow(2);
    EXPECT_EQ(grid->Cells(0, grid->Row()), "a");
    grid->SetRow(3);
    grid->DeleteRows({3, 1, 3});
    EXPECT_EQ(Column(grid, 0), QStringList({"T", "a"}));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->View()->model()->rowCount(), 1);
    EXPECT_THROW(grid->DeleteRows({1, 2}), ERangeError);
    EXPECT_EQ(grid->RowCount(), 2);

    // The last data row gone, row 0 is a plain row; the last row of all is only emptied.
    grid->DeleteRow(1);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->FixedRows(), 0);
    EXPECT_EQ(grid->Cells(0, 0), "T");
    grid->DeleteRow(0);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->Cells(0, 0), "");
}

// Rows made elsewhere are shown as they are, by every grid given them, and stay the same for the others when one
// grid writes, sorts or cuts its own; columns cut off drop their texts, shared or not. Rows of the same number in
// their order take new texts in place; a block of texts longer than 16-bit ends reach reads back whole. What a
// reader makes of a column is read once for the shared rows and anew for rows written and for other rows.
TEST(StringGrid, SharedRowsAreShownUntilTheGridWritesOrReordersItsOwn)
{
    TForm form(nullptr);
    TStringGrid *grid = TableGrid(form, 3, 2);
    TStringGrid *other = TableGrid(form, 3, 2);
    grid->SetCells(0, 0, "Title");
    other->SetCells(0, 0, "Title");
    const QString huge(70000, QChar(u'ж'));
    auto objects = std::array<int, 3>{};
    const auto object = [&](int i) { return reinterpret_cast<TObject *>(&objects[size_t(i)]); };
    auto rows = std::make_shared<std::vector<TGridRow>>();
    rows->push_back({TRowTexts::Packed({"a0", "b0"}, 3), object(0)});
    rows->push_back({TRowTexts::Packed({"a1"}, 3), object(1)});
    rows->push_back({TRowTexts::Packed({"a2", huge, "c2"}, 3), object(2)});
    const TSharedGridRows shared = rows;
    grid->SetDataRows(shared);
    other->SetDataRows(shared);
    EXPECT_EQ(Column(grid, 0), QStringList({"Title", "a0", "a1", "a2"}));
    EXPECT_EQ(grid->Cells(1, 3), huge);
    EXPECT_EQ(grid->Cells(2, 3), "c2");
    EXPECT_EQ(grid->Objects(0, 3), object(2));
    EXPECT_EQ(grid->DataRowsWithObject(), 3);
    EXPECT_EQ(Lengths(grid->ReadColumn(1, ReadLength)), QList<int>({2, -1, 70000}));
    EXPECT_EQ(Lengths(grid->ReadColumn(1, ReadLength)), QList<int>({2, -1, 70000}));
    EXPECT_EQ(lengthReadings, 3);

    grid->SetCells(1, 2, "x");
    grid->SetObjects(0, 1, nullptr);
    EXPECT_EQ(QStringList({grid->Cells(0, 2), grid->Cells(1, 2)}), QStringList({"a1", "x"}));
    EXPECT_EQ(grid->Objects(0, 2), object(1));
    EXPECT_EQ(grid->DataRowsWithObject(), 2);
    EXPECT_EQ(other->Cells(1, 2), "");
    EXPECT_EQ(other->Objects(0, 1), object(0));
    EXPECT_TRUE(shared->at(1).Texts.At(1).isEmpty());
    EXPECT_EQ(Lengths(grid->ReadColumn(1, ReadLength)), QList<int>({2, 1, 70000}));
    EXPECT_EQ(lengthReadings, 5);

    grid->PermuteRows({3, 1, 2});
    grid->DeleteRow(2);
    EXPECT_EQ(Column(grid, 0), QStringList({"Title", "a2", "a1"}));
    EXPECT_EQ(Column(grid, 1), QStringList({"", huge, "x"}));
    EXPECT_EQ(Column(other, 0), QStringList({"Title", "a0", "a1", "a2"}));
    other->SetColCount(2);
    other->SetColCount(3);
    EXPECT_EQ(Column(other, 2), QStringList({"", "", "", ""}));
    EXPECT_EQ(other->Cells(1, 3), huge);

    // Shown again in their order: texts of their own go; new rows of the same number replace the texts in place.
    grid->SetDataRows(shared);
    EXPECT_EQ(Column(grid, 1), QStringList({"", "b0", "", huge}));
    auto renamed = std::make_shared<std::vector<TGridRow>>(*shared);
    renamed->at(0).Texts = TRowTexts::Packed({"new"}, 3);
    grid->SetRow(3);
    grid->SetDataRows(renamed);
    EXPECT_EQ(Column(grid, 0), QStringList({"Title", "new", "a1", "a2"}));
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(Lengths(grid->ReadColumn(0, ReadLength)), QList<int>({3, 2, 2}));

    grid->SetDataRows(std::make_shared<std::vector<TGridRow>>());
    EXPECT_EQ(Column(grid, 0), QStringList({"Title", ""}));
    EXPECT_EQ(grid->Objects(0, 1), nullptr);
    EXPECT_EQ(grid->Row(), 1);
}

TEST(StringGrid, OnSelectCellRunsBeforeTheCurrentCellMovesAndCanRefuse)
{
    TForm form(nullptr);
    TStringGrid *grid = TableGrid(form, 3, 5);
    TSelectRecorder recorder;
    grid->SetOnSelectCell(MakeEvent<&TSelectRecorder::SelectCell>(&recorder));

    grid->SetRow(3);
    EXPECT_EQ(recorder.asked, QList<QPoint>({QPoint(0, 3)}));
    EXPECT_EQ(grid->Row(), 3);
    grid->SetRow(3);
    EXPECT_EQ(recorder.asked.size(), 1);
    recorder.allow = false;
    grid->SetRow(2);
    grid->SetCol(2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->View()->currentIndex().row(), 2);
    EXPECT_THROW(grid->SetRow(0), ERangeError);
    EXPECT_THROW(grid->SetRow(5), ERangeError);
}

namespace {
struct TCellDrawing {
    int col;
    int row;
    TRect rect;
    TGridDrawState state;
};

struct TGridEvents {
    TStringGrid *grid = nullptr;
    QList<TCellDrawing> drawn;
    QStringList mouse;
    int doubleClicks = 0;

    void DrawCell(TObject *, int col, int row, TRect rect, TGridDrawState state)
    {
        drawn << TCellDrawing{col, row, rect, state};
        TCanvas *canvas = grid->Canvas();
        if (row == 0 && col == 2) {
            canvas->Pen()->SetColor(clRed);
            canvas->MoveTo(rect.Right - 13, rect.Top + 2);
            canvas->LineTo(rect.Right - 3, rect.Top + 2);
        } else if (row > 0 && !(state & gdSelected)) {
            canvas->Brush()->SetColor(clYellow);
            canvas->FillRect(rect);
        }
    }
    void MouseDown(TObject *, TMouseButton, TShiftState shift, int x, int y)
    {
        int col = 0;
        int row = 0;
        grid->MouseToCell(x, y, col, row);
        mouse << QStringLiteral("down %1,%2 cell %3,%4 row %5%6")
                     .arg(x)
                     .arg(y)
                     .arg(col)
                     .arg(row)
                     .arg(grid->Row())
                     .arg(shift & ssDouble ? " double" : "");
        // The pressed look of a header cell, drawn between paints.
        if (row == 0 && !grid->InColumnSizingZone(x, y)) {
            grid->Canvas()->Brush()->SetColor(clLime);
            grid->Canvas()->FillRect(grid->CellRect(col, row));
        }
    }
    void MouseUp(TObject *, TMouseButton, TShiftState, int x, int y)
    {
        mouse << QStringLiteral("up %1,%2").arg(x).arg(y);
    }
    void DblClick(TObject *) { ++doubleClicks; }
};

TColor PixelAt(const QImage &image, int x, int y) { return QColorToColor(image.pixelColor(x, y)); }
} // namespace

TEST(StringGrid, CellsAreDrawnByTheGridThenByOnDrawCellInClientCoordinates)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    TStringGrid *grid = TableGrid(form, 3, 4);
    grid->SetBounds(0, 0, 300, 200);
    grid->SetColWidths(0, 50);
    grid->SetColWidths(1, -1);
    grid->SetColWidths(2, 60);
    grid->SetRowTexts(0, {"A", "B", "C"});
    grid->SetRow(2);
    TGridEvents events;
    events.grid = grid;
    grid->SetOnDrawCell(MakeEvent<&TGridEvents::DrawCell>(&events));
    form.Show();

    EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 50, 18));
    EXPECT_EQ(grid->CellRect(2, 0), Rect(51, 0, 111, 18));
    EXPECT_EQ(grid->CellRect(2, 1), Rect(51, 19, 111, 37));
    EXPECT_EQ(grid->CellRect(1, 1), TRect());
    EXPECT_EQ(grid->CellRect(0, 4), TRect());

    const QImage shot = grid->Snapshot();
    const auto find = [&](int col, int row) -> const TCellDrawing * {
        for (const TCellDrawing &cell : events.drawn)
            if (cell.col == col && cell.row == row)
                return &cell;
        return nullptr;
    };
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(find(1, row), nullptr) << "hidden column drawn in row " << row;
        for (int col : {0, 2}) {
            const TCellDrawing *cell = find(col, row);
            ASSERT_NE(cell, nullptr) << col << "," << row;
            EXPECT_EQ(cell->rect, grid->CellRect(col, row)) << col << "," << row;
            EXPECT_EQ(cell->state & (gdFixed | gdSelected),
                      row == 0 ? unsigned(gdFixed) : row == 2 ? unsigned(gdSelected) : 0u)
                << col << "," << row;
        }
    }
    // What the event drew lands in its cell; the selected row keeps the grid's highlight.
    EXPECT_EQ(PixelAt(shot, 20, 30), ColorToRGB(clYellow));
    EXPECT_EQ(PixelAt(shot, 45, 19 + 19 + 15), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(shot, 111 - 8, 2), ColorToRGB(clRed));
    EXPECT_EQ(PixelAt(shot, 30, 12), ColorToRGB(clBtnFace));
}

TEST(StringGrid, MouseEventsReportClientCoordinatesForHeaderAndRows)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    TStringGrid *grid = TableGrid(form, 3, 6);
    grid->SetBounds(0, 0, 300, 200);
    grid->SetColWidths(0, 50);
    TGridEvents events;
    events.grid = grid;
    grid->SetOnMouseDown(MakeEvent<&TGridEvents::MouseDown>(&events));
    grid->SetOnMouseUp(MakeEvent<&TGridEvents::MouseUp>(&events));
    grid->SetOnDblClick(MakeEvent<&TGridEvents::DblClick>(&events));
    TSelectRecorder selections;
    grid->SetOnSelectCell(MakeEvent<&TSelectRecorder::SelectCell>(&selections));
    form.Show();
    QWidget *header = grid->View()->horizontalHeader()->viewport();
    QWidget *rows = grid->View()->viewport();

    // Pressing a header cell: the canvas draws its pressed look over the header until the button comes up.
    QTest::mousePress(header, Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(events.mouse.takeFirst(), "down 20,5 cell 0,0 row 1");
    EXPECT_EQ(PixelAt(grid->Snapshot(), 10, 10), ColorToRGB(clLime));
    QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(events.mouse.takeFirst(), "up 20,5");
    EXPECT_EQ(PixelAt(grid->Snapshot(), 10, 10), ColorToRGB(clBtnFace));
    EXPECT_TRUE(selections.asked.isEmpty());

    // A click on a row moves the current row first, so the handler sees it moved.
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(70, 19 * 2 + 5));
    EXPECT_EQ(events.mouse, QStringList({"down 70,62 cell 1,3 row 3", "up 70,62"}));
    EXPECT_EQ(selections.asked, QList<QPoint>({QPoint(1, 3)}));
    events.mouse.clear();
    // Refused, the row stays, by mouse and by keys.
    selections.allow = false;
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(70, 19 * 3 + 5));
    QTest::keyClick(grid->View(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(selections.asked.mid(1), QList<QPoint>({QPoint(1, 4), QPoint(1, 4)}));
    selections.allow = true;
    QTest::keyClick(grid->View(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4);

    // Double clicks open rows, not the header.
    QTest::mouseDClick(header, Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(events.doubleClicks, 0);
    QTest::mouseDClick(rows, Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(events.doubleClicks, 1);

    // The sizing zone lies on the column borders in the header band, only while columns can be sized.
    EXPECT_TRUE(grid->InColumnSizingZone(50, 5));
    EXPECT_TRUE(grid->InColumnSizingZone(52, 5));
    EXPECT_FALSE(grid->InColumnSizingZone(25, 5));
    EXPECT_FALSE(grid->InColumnSizingZone(1, 5));
    EXPECT_FALSE(grid->InColumnSizingZone(50, 30));
    int col = 0;
    int row = 0;
    grid->MouseToCell(290, 30, col, row);
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, 1);
    grid->SetOptions(grid->Options() & ~goColSizing);
    EXPECT_FALSE(grid->InColumnSizingZone(50, 5));
}
