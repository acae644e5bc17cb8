#include "controls/StringGrid.h"

#include "controls/GraphicControl.h"
#include "controls/StringGridModel.h"
#include "forms/Application.h"
#include "rtl/Exceptions.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <algorithm>

namespace {
bool IsMouseEvent(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void OutOfRange() { throw ERangeError(QStringLiteral("Grid index out of range")); }
} // namespace

// The data area. Its mouse events reach the grid after the view has handled them, so handlers see the current
// cell already moved.
class TStringGridView : public QTableView {
public:
    explicit TStringGridView(TStringGrid *grid) : grid_(grid) {}
    void Relayout()
    {
        updateGeometries();
        viewport()->update();
    }
    // Typing does not jump to a row that starts with the letters typed.
    void keyboardSearch(const QString &) override {}

protected:
    bool viewportEvent(QEvent *event) override
    {
        const bool handled = QTableView::viewportEvent(event);
        if (!IsMouseEvent(event))
            return handled;
        grid_->ClientMouse(viewport(), event, false);
        return true;
    }

private:
    TStringGrid *grid_;
};

// Row 0 of the grid, drawn cell by cell as the grid draws its cells, with what the canvas drew between paints
// on top.
class TStringGridHeader : public QHeaderView {
public:
    explicit TStringGridHeader(TStringGrid *grid) : QHeaderView(Qt::Horizontal), grid_(grid) {}
    QSize sizeHint() const override { return {length(), grid_->BandHeight()}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        grid_->PaintHeaderCell(*painter, rect, logicalIndex);
    }
    void paintEvent(QPaintEvent *event) override
    {
        QHeaderView::paintEvent(event);
        grid_->PaintOverlay(viewport());
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QHeaderView::resizeEvent(event);
        grid_->ResetOverlay();
    }
    bool viewportEvent(QEvent *event) override
    {
        const bool handled = QHeaderView::viewportEvent(event);
        if (!IsMouseEvent(event))
            return handled;
        grid_->ClientMouse(viewport(), event, true);
        return true;
    }

private:
    TStringGrid *grid_;
};

class TStringGridDelegate : public QAbstractItemDelegate {
public:
    TStringGridDelegate(QObject *parent, TStringGrid *grid) : QAbstractItemDelegate(parent), grid_(grid) {}
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        grid_->PaintCell(*painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {grid_->defaultColWidth_, grid_->defaultRowHeight_};
    }

private:
    TStringGrid *grid_;
};

// The selection is always the current cell, or its whole row with goRowSelect. The view asks to move the current
// index on clicks and keys; the grid decides, and selections the view makes by itself are ignored.
class TStringGridSelection : public QItemSelectionModel {
public:
    TStringGridSelection(QAbstractItemModel *model, TStringGrid *grid) : QItemSelectionModel(model), grid_(grid) {}
    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags) override
    {
        // While the grid changes its rows, the view picks a current index of its own: the grid sets its own after.
        if (index.isValid() && !grid_->changingRows_)
            grid_->MoveCurrent(index.column(), grid_->model_->GridRowOf(index), true);
    }
    void select(const QModelIndex &, QItemSelectionModel::SelectionFlags) override {}
    void select(const QItemSelection &, QItemSelectionModel::SelectionFlags) override {}

    void Show(const QModelIndex &current, bool wholeRow)
    {
        QItemSelectionModel::setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        QItemSelection selection;
        if (current.isValid()) {
            const QModelIndex last = current.siblingAtColumn(model()->columnCount() - 1);
            selection.select(wholeRow ? current.siblingAtColumn(0) : current, wholeRow ? last : current);
        }
        QItemSelectionModel::select(selection, QItemSelectionModel::ClearAndSelect);
    }

private:
    TStringGrid *grid_;
};

TStringGrid::TStringGrid(TComponent *owner) : TWinControl(owner, new TStringGridView(this)), canvas_(new TCanvas)
{
    TStringGridView *view = GridView();
    model_ = new TStringGridModel(view, 5, 5, 1);
    colWidths_.assign(5, defaultColWidth_);
    view->setHorizontalHeader(new TStringGridHeader(this));
    view->setModel(model_);
    QItemSelectionModel *standard = view->selectionModel();
    selection_ = new TStringGridSelection(model_, this);
    selection_->setParent(view);
    view->setSelectionModel(selection_);
    delete standard;
    view->setItemDelegate(new TStringGridDelegate(view, this));
    view->setFrameShape(QFrame::NoFrame);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->viewport()->setMouseTracking(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setMinimumSectionSize(0);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView *header = Header();
    header->setMinimumSectionSize(0);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->viewport()->setMouseTracking(true);
    QObject::connect(header, &QHeaderView::sectionResized, this,
                     [this](int col, int, int newSize) { SectionResized(col, newSize); });
    QObject::connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { ResetOverlay(); });
    QObject::connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        ApplyColWidths();
        ResetOverlay();
    });
    canvas_->OnChange = MakeEvent<&TStringGrid::CanvasChanged>(this);
    canvas_->SetFont(Font());
    SetColor(clWindow);
    ApplyLayout();
    ApplyColWidths();
    ShowCurrent();
    SetBounds(0, 0, 320, 120);
}

TStringGrid::~TStringGrid()
{
    // The view's parts call into the grid: they go while the grid is still whole.
    canvas_->OnChange = {};
    QObject::disconnect(model_, nullptr, this, nullptr);
    QObject::disconnect(Header(), nullptr, this, nullptr);
    QObject::disconnect(View()->horizontalScrollBar(), nullptr, this, nullptr);
    SetParent(nullptr);
    delete View();
}

QTableView *TStringGrid::View() const { return static_cast<QTableView *>(Widget()); }

TStringGridView *TStringGrid::GridView() const { return static_cast<TStringGridView *>(Widget()); }

TStringGridHeader *TStringGrid::Header() const
{
    return static_cast<TStringGridHeader *>(View()->horizontalHeader());
}

int TStringGrid::GridLine() const { return options_ & (goVertLine | goHorzLine) ? 1 : 0; }

int TStringGrid::BandHeight() const { return model_->FixedRows() > 0 ? RowPitch() : 0; }

int TStringGrid::ColCount() const { return model_->GridColCount(); }

void TStringGrid::SetColCount(int count)
{
    const QScopedValueRollback changing(changingRows_, true);
    count = std::max(count, 1);
    if (count == ColCount())
        return;
    fixedCols_ = std::min(fixedCols_, count - 1);
    colWidths_.resize(size_t(count), defaultColWidth_);
    model_->SetColCount(count);
    col_ = std::clamp(col_, fixedCols_, count - 1);
    ApplyColWidths();
    ShowCurrent();
}

int TStringGrid::RowCount() const { return model_->GridRowCount(); }

void TStringGrid::SetRowCount(int count)
{
    const QScopedValueRollback changing(changingRows_, true);
    count = std::max(count, 1);
    if (count == RowCount())
        return;
    const bool headerGoes = count <= FixedRows();
    if (headerGoes)
        model_->SetFixedRows(count - 1);
    model_->SetRowCount(count);
    row_ = std::clamp(row_, model_->FixedRows(), count - 1);
    if (headerGoes)
        ApplyLayout();
    ShowCurrent();
}

int TStringGrid::FixedRows() const { return model_->FixedRows(); }

void TStringGrid::SetFixedRows(int count)
{
    const QScopedValueRollback changing(changingRows_, true);
    if (count < 0 || count >= RowCount())
        throw ERangeError(QStringLiteral("Fixed row count must be less than row count"));
    count = std::min(count, 1);
    if (count == FixedRows())
        return;
    model_->SetFixedRows(count);
    row_ = count;
    ApplyLayout();
    ShowCurrent();
}

int TStringGrid::FixedCols() const { return fixedCols_; }

void TStringGrid::SetFixedCols(int count)
{
    if (count < 0 || count >= ColCount())
        throw ERangeError(QStringLiteral("Fixed column count must be less than column count"));
    // As in a new grid, the current cell is the first one past the fixed cells.
    fixedCols_ = count;
    col_ = count;
    ShowCurrent();
    View()->viewport()->update();
}

int TStringGrid::DefaultRowHeight() const { return defaultRowHeight_; }

void TStringGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = std::max(height, 0);
    ApplyLayout();
}

int TStringGrid::DefaultColWidth() const { return defaultColWidth_; }

void TStringGrid::SetDefaultColWidth(int width)
{
    defaultColWidth_ = std::max(width, 0);
    colWidths_.assign(colWidths_.size(), defaultColWidth_);
    ApplyColWidths();
}

TGridOptions TStringGrid::Options() const { return options_; }

void TStringGrid::SetOptions(TGridOptions options)
{
    options_ = options;
    ApplyLayout();
    ApplyColWidths();
    ShowCurrent();
}

void TStringGrid::ApplyLayout()
{
    TStringGridView *view = GridView();
    view->setShowGrid(GridLine() > 0);
    view->setSelectionBehavior(options_ & goRowSelect ? QAbstractItemView::SelectRows
                                                      : QAbstractItemView::SelectItems);
    view->verticalHeader()->setDefaultSectionSize(RowPitch());
    QHeaderView *header = Header();
    header->setSectionResizeMode(options_ & goColSizing ? QHeaderView::Interactive : QHeaderView::Fixed);
    header->setVisible(model_->FixedRows() > 0);
    header->updateGeometry();
    view->Relayout();
    ResetOverlay();
}

void TStringGrid::CheckCell(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        OutOfRange();
}

QString TStringGrid::Cells(int col, int row) const
{
    CheckCell(col, row);
    return model_->Text(col, row);
}

void TStringGrid::SetCells(int col, int row, const QString &text)
{
    CheckCell(col, row);
    model_->SetText(col, row, text);
}

QStringView TStringGrid::CellView(int col, int row) const
{
    CheckCell(col, row);
    return model_->TextView(col, row);
}

TObject *TStringGrid::Objects(int col, int row) const
{
    CheckCell(col, row);
    return model_->Object(col, row);
}

std::vector<TCellNumber> TStringGrid::ReadColumn(int col, TCellReader reader) const
{
    CheckCell(col, 0);
    return model_->ReadColumn(col, reader);
}

int TStringGrid::DataRowsWithObject() const { return model_->DataRowsWithObject(); }

void TStringGrid::SetObjects(int col, int row, TObject *object)
{
    CheckCell(col, row);
    model_->SetObject(col, row, object);
}

void TStringGrid::SetRowTexts(int row, const std::vector<QString> &texts)
{
    CheckCell(0, row);
    model_->SetRowTexts(row, texts);
}

void TStringGrid::SetRowTexts(int row, TRowTexts texts)
{
    CheckCell(0, row);
    model_->SetRowTexts(row, std::move(texts));
}

int TStringGrid::ColWidths(int col) const
{
    CheckCell(col, 0);
    return colWidths_[size_t(col)];
}

void TStringGrid::SetColWidths(int col, int width)
{
    CheckCell(col, 0);
    colWidths_[size_t(col)] = std::max(width, -1);
    ApplyColWidth(col);
}

void TStringGrid::ApplyColWidth(int col)
{
    QHeaderView *header = Header();
    const int width = colWidths_[size_t(col)];
    const QScopedValueRollback syncing(syncingWidths_, true);
    if (width < 0) {
        header->hideSection(col);
    } else {
        header->showSection(col);
        header->resizeSection(col, width + GridLine());
    }
}

void TStringGrid::ApplyColWidths()
{
    {
        const QScopedValueRollback syncing(syncingWidths_, true);
        Header()->setDefaultSectionSize(defaultColWidth_ + GridLine());
    }
    for (int col = 0; col < ColCount(); ++col)
        ApplyColWidth(col);
}

void TStringGrid::SectionResized(int col, int newSize)
{
    ResetOverlay();
    if (syncingWidths_ || col < 0 || col >= ColCount() || Header()->isSectionHidden(col))
        return;
    colWidths_[size_t(col)] = std::max(newSize - GridLine(), 0);
}

int TStringGrid::Row() const { return row_; }

void TStringGrid::SetRow(int row)
{
    if (row < FixedRows() || row >= RowCount())
        OutOfRange();
    if (MoveCurrent(col_, row, false))
        View()->scrollTo(model_->IndexOf(col_, row_));
}

int TStringGrid::Col() const { return col_; }

void TStringGrid::SetCol(int col)
{
    if (col < fixedCols_ || col >= ColCount())
        OutOfRange();
    if (MoveCurrent(col, row_, false))
        View()->scrollTo(model_->IndexOf(col_, row_));
}

bool TStringGrid::MoveCurrent(int col, int row, bool byUser)
{
    if (col < fixedCols_ || row < FixedRows())
        return false;
    if (col == col_ && row == row_)
        return true;
    bool canSelect = true;
    if (byUser)
        CallHandler(this, [&] { onSelectCell_(this, col, row, canSelect); });
    else
        onSelectCell_(this, col, row, canSelect);
    if (!canSelect)
        return false;
    col_ = col;
    row_ = row;
    ShowCurrent();
    return true;
}

void TStringGrid::ShowCurrent()
{
    selection_->Show(model_->IndexOf(col_, row_), options_ & goRowSelect);
}

int TStringGrid::TopRow() const
{
    const int first = View()->rowAt(0);
    return FixedRows() + std::max(first, 0);
}

void TStringGrid::SetTopRow(int row)
{
    if (row < FixedRows() || row >= RowCount())
        OutOfRange();
    View()->verticalScrollBar()->setValue(row - FixedRows());
}

int TStringGrid::VisibleRowCount() const
{
    const QScrollBar *bar = View()->horizontalScrollBar();
    const int barHeight = bar->isVisibleTo(View()) ? bar->height() : 0;
    const int fit = (Height() - BandHeight() - barHeight) / std::max(RowPitch(), 1);
    return std::clamp(fit, 0, RowCount() - TopRow());
}

void TStringGrid::DeleteRow(int row) { DeleteRows({row}); }

void TStringGrid::DeleteRows(const std::vector<int> &rows)
{
    const QScopedValueRollback changing(changingRows_, true);
    std::vector<int> sorted = rows;
    if (!std::is_sorted(sorted.begin(), sorted.end()))
        std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.empty())
        return;
    CheckCell(0, sorted.front());
    CheckCell(0, sorted.back());
    if (int(sorted.size()) == RowCount()) {
        // A grid keeps one row: the last one left is emptied instead.
        model_->SetRowTexts(sorted.back(), TRowTexts());
        for (int col = 0; col < ColCount(); ++col)
            model_->SetObject(col, sorted.back(), nullptr);
        sorted.pop_back();
    }
    const int removedAbove = int(std::lower_bound(sorted.begin(), sorted.end(), row_) - sorted.begin());
    const int count = RowCount() - int(sorted.size());
    const bool headerGoes = count <= FixedRows();
    if (headerGoes)
        model_->SetFixedRows(count - 1);
    model_->DeleteRows(sorted);
    row_ = std::clamp(row_ - removedAbove, FixedRows(), count - 1);
    if (headerGoes)
        ApplyLayout();
    ShowCurrent();
}

void TStringGrid::MoveRow(int from, int to)
{
    const QScopedValueRollback changing(changingRows_, true);
    CheckCell(0, from);
    CheckCell(0, to);
    if (from == to)
        return;
    model_->MoveRow(from, to);
    if (row_ == from)
        row_ = to;
    else if (from < row_ && row_ <= to)
        --row_;
    else if (to <= row_ && row_ < from)
        ++row_;
    row_ = std::max(row_, FixedRows());
    ShowCurrent();
}

void TStringGrid::SetDataRows(TSharedGridRows rows)
{
    const QScopedValueRollback changing(changingRows_, true);
    const int count = FixedRows() + std::max(int(rows->size()), 1);
    model_->SetDataRows(std::move(rows));
    row_ = std::clamp(row_, FixedRows(), count - 1);
    ShowCurrent();
}

void TStringGrid::PermuteRows(const std::vector<int> &order)
{
    const QScopedValueRollback changing(changingRows_, true);
    const int fixed = FixedRows();
    if (int(order.size()) != RowCount() - fixed)
        OutOfRange();
    std::vector<bool> seen(order.size(), false);
    int current = row_;
    for (size_t i = 0; i < order.size(); ++i) {
        const int row = order[i];
        if (row < fixed || row >= RowCount() || seen[size_t(row - fixed)])
            OutOfRange();
        seen[size_t(row - fixed)] = true;
        if (row == row_)
            current = fixed + int(i);
    }
    model_->PermuteRows(order);
    row_ = current;
    ShowCurrent();
}

void TStringGrid::MouseToCell(int x, int y, int &col, int &row) const
{
    col = -1;
    row = -1;
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    col = View()->columnAt(x);
    const int band = BandHeight();
    if (y < band) {
        row = 0;
        return;
    }
    const int dataRow = View()->rowAt(y - band);
    row = dataRow < 0 ? -1 : dataRow + FixedRows();
}

TRect TStringGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount() || colWidths_[size_t(col)] < 0)
        return {};
    const int left = View()->columnViewportPosition(col);
    const int top = row < FixedRows() ? 0 : BandHeight() + View()->rowViewportPosition(row - FixedRows());
    const TRect rect{left, top, left + colWidths_[size_t(col)], top + defaultRowHeight_};
    if (rect.Right <= 0 || rect.Left >= Width() || rect.Bottom <= (row < FixedRows() ? 0 : BandHeight()) ||
        rect.Top >= Height())
        return {};
    return rect;
}

bool TStringGrid::InColumnSizingZone(int x, int y) const
{
    if (!(options_ & goColSizing) || y < 0 || y >= BandHeight())
        return false;
    const QHeaderView *header = Header();
    int visual = header->visualIndexAt(x);
    if (visual < 0)
        return false;
    const int col = header->logicalIndex(visual);
    const int left = header->sectionViewportPosition(col);
    const int grip = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
    if (x > left + header->sectionSize(col) - grip)
        return true;
    if (x >= left + grip)
        return false;
    // The border on the left belongs to the visible column before.
    while (--visual >= 0)
        if (!header->isSectionHidden(header->logicalIndex(visual)))
            return true;
    return false;
}

TCanvas *TStringGrid::Canvas() const { return canvas_.get(); }

void TStringGrid::FontChanged()
{
    TWinControl::FontChanged();
    canvas_->SetFont(Font());
    View()->viewport()->update();
    Header()->viewport()->update();
}

void TStringGrid::ColorChanged()
{
    TWinControl::ColorChanged();
    View()->viewport()->update();
}

void TStringGrid::PaintCell(QPainter &painter, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const int col = index.column();
    const int row = model_->GridRowOf(index);
    TGridDrawState state = 0;
    if (col < fixedCols_)
        state |= gdFixed;
    else if (option.state & QStyle::State_Selected)
        state |= gdSelected;
    if (col == col_ && row == row_ && View()->hasFocus())
        state |= gdFocused;
    const int band = BandHeight();
    painter.save();
    painter.translate(0, -band);
    TRect rect = TRect::FromQRect(option.rect);
    OffsetRect(rect, 0, band);
    DrawCell(painter, rect, col, row, state);
    painter.restore();
}

void TStringGrid::PaintHeaderCell(QPainter &painter, const QRect &rect, int col)
{
    const int line = GridLine();
    const QColor lineColor = ColorToQColor(clBtnShadow);
    if (line > 0 && (options_ & goFixedVertLine))
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), lineColor);
    if (line > 0 && (options_ & goFixedHorzLine))
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), lineColor);
    painter.save();
    DrawCell(painter, TRect::FromQRect(rect.adjusted(0, 0, -line, -line)), col, 0, gdFixed);
    painter.restore();
}

void TStringGrid::DrawCell(QPainter &painter, const TRect &rect, int col, int row, TGridDrawState state)
{
    painter.setClipRect(rect.ToQRect(), Qt::IntersectClip);
    TCanvas *canvas = canvas_.get();
    painting_ = true;
    canvas->SetPainter(&painter);
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsSolid);
    if (state & gdFixed) {
        canvas->Brush()->SetColor(clBtnFace);
    } else if (state & gdSelected) {
        canvas->Brush()->SetColor(clHighlight);
        canvas->Font()->SetColor(clHighlightText);
    } else {
        canvas->Brush()->SetColor(Color());
    }
    canvas->FillRect(rect);
    if (state & gdFixed) {
        TRect edge = rect;
        Frame3D(canvas, edge, clBtnHighlight, clBtnFace, 1);
    }
    canvas->TextOut(rect.Left + 2, rect.Top + 2, model_->Text(col, row));
    if (onDrawCell_.Assigned())
        CallHandler(this, [&] { onDrawCell_(this, col, row, rect, state); });
    canvas->SetPainter(nullptr);
    painting_ = false;
}

bool TStringGrid::WidgetEvent(QEvent *event)
{
    // Mouse events come from the data area and the header, in client coordinates; those that reach the view
    // itself would be reported twice.
    if (IsMouseEvent(event) && !dispatching_)
        return false;
    return TWinControl::WidgetEvent(event);
}

void TStringGrid::ClientMouse(QWidget *source, QEvent *event, bool header)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    QEvent::Type type = event->type();
    // A double click on the header is a second click: the header has no double-click meaning.
    if (header && type == QEvent::MouseButtonDblClick)
        type = QEvent::MouseButtonPress;
    const QPointF at = source->mapTo(View(), mouse->position());
    QMouseEvent client(type, at, mouse->scenePosition(), mouse->globalPosition(), mouse->button(), mouse->buttons(),
                       mouse->modifiers(), mouse->pointingDevice());
    dispatching_ = true;
    TControl::eventFilter(Widget(), &client);
    dispatching_ = false;
    if (type == QEvent::MouseButtonRelease)
        ResetOverlay();
    event->accept();
}

void TStringGrid::ResetOverlay()
{
    const QSize size(std::max(Header()->width(), 1), std::max(BandHeight(), 1));
    canvas_->Release();
    if (overlay_.size() != size)
        overlay_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    else if (!overlayUsed_ && canvas_->Device() == &overlay_)
        return;
    overlay_.fill(Qt::transparent);
    canvas_->SetDevice(&overlay_);
    if (overlayUsed_)
        Header()->viewport()->update();
    overlayUsed_ = false;
}

void TStringGrid::PaintOverlay(QWidget *target)
{
    if (!overlayUsed_)
        return;
    canvas_->Release();
    QPainter painter(target);
    painter.drawImage(0, 0, overlay_);
}

void TStringGrid::CanvasChanged(TObject *)
{
    if (painting_)
        return;
    overlayUsed_ = true;
    Header()->viewport()->update();
}
