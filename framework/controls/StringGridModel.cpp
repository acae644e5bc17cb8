#include "controls/StringGridModel.h"

#include "controls/StringGrid.h"

#include <algorithm>

TStringGridModel::TStringGridModel(QObject *parent, int colCount, int rowCount, int fixedRows)
    : QAbstractTableModel(parent), colCount_(colCount), fixedRows_(fixedRows)
{
    order_.reserve(size_t(rowCount));
    for (int i = 0; i < rowCount; ++i)
        order_.push_back(NewOwnRow({}));
}

QStringView TStringGridModel::TextView(int col, int row) const
{
    const quint32 number = order_[size_t(row)];
    if (number & OwnRow)
        return own_[number & ~OwnRow].Texts.At(col);
    // Passes over many rows read them one after another: the texts of a row further on are asked for now.
    if (const size_t ahead = size_t(row) + PrefetchDistance; ahead < order_.size() && !(order_[ahead] & OwnRow))
        (*shared_)[order_[ahead]].Texts.Prefetch();
    return col < sharedCols_ ? (*shared_)[number].Texts.At(col) : QStringView();
}

quint32 TStringGridModel::NewOwnRow(TRow row)
{
    own_.push_back(std::move(row));
    return quint32(own_.size() - 1) | OwnRow;
}

TStringGridModel::TRow &TStringGridModel::Own(int row)
{
    quint32 &number = order_[size_t(row)];
    if (!(number & OwnRow)) {
        const TGridRow &shared = (*shared_)[number];
        number = NewOwnRow({TRowTexts::Packed(std::min(shared.Texts.Count(), sharedCols_),
                                              [&](int col) { return shared.Texts.At(col); }),
                            shared.Object,
                            {}});
    }
    return own_[number & ~OwnRow];
}

void TStringGridModel::SetText(int col, int row, const QString &text)
{
    TRow &own = Own(row);
    own.Texts = TRowTexts::Packed(std::max(own.Texts.Count(), col + 1), [&](int c) {
        return c == col ? QStringView(text) : own.Texts.At(c);
    });
    Changed(row, col, col);
}

void TStringGridModel::SetRowTexts(int row, const std::vector<QString> &texts)
{
    Own(row).Texts = TRowTexts::Packed(texts, colCount_);
    Changed(row, 0, colCount_ - 1);
}

void TStringGridModel::SetRowTexts(int row, TRowTexts texts)
{
    Own(row).Texts = Fitted(std::move(texts));
    Changed(row, 0, colCount_ - 1);
}

TRowTexts TStringGridModel::Fitted(TRowTexts texts) const
{
    if (texts.Count() <= colCount_)
        return texts;
    return TRowTexts::Packed(colCount_, [&](int col) { return texts.At(col); });
}

TObject *TStringGridModel::Object(int col, int row) const
{
    const quint32 number = order_[size_t(row)];
    if (!(number & OwnRow))
        return col == 0 ? (*shared_)[number].Object : nullptr;
    const TRow &own = own_[number & ~OwnRow];
    if (col == 0)
        return own.Object;
    return size_t(col) <= own.Others.size() ? own.Others[size_t(col) - 1] : nullptr;
}

int TStringGridModel::DataRowsWithObject() const
{
    int count = 0;
    for (size_t row = size_t(fixedRows_); row < order_.size(); ++row) {
        const quint32 number = order_[row];
        count += (number & OwnRow ? own_[number & ~OwnRow].Object : (*shared_)[number].Object) != nullptr;
    }
    return count;
}

std::vector<TCellNumber> TStringGridModel::ReadColumn(int col, TCellReader reader) const
{
    const std::vector<TCellNumber> *shared = nullptr;
    if (shared_ && col < sharedCols_) {
        auto reading = std::find_if(readings_.begin(), readings_.end(), [&](const TReading &reading) {
            return reading.Col == col && reading.Reader == reader;
        });
        if (reading == readings_.end()) {
            std::vector<TCellNumber> numbers(shared_->size());
            for (size_t i = 0; i < numbers.size(); ++i) {
                // The rows' texts lie apart in memory: those of a row further on are asked for now.
                if (i + PrefetchDistance < numbers.size())
                    (*shared_)[i + PrefetchDistance].Texts.Prefetch();
                numbers[i].Read = reader((*shared_)[i].Texts.At(col), numbers[i].Value);
            }
            readings_.push_back({col, reader, std::move(numbers)});
            reading = readings_.end() - 1;
        }
        shared = &reading->Numbers;
    }
    std::vector<TCellNumber> numbers(order_.size() - size_t(fixedRows_));
    for (size_t row = size_t(fixedRows_); row < order_.size(); ++row) {
        TCellNumber &number = numbers[row - size_t(fixedRows_)];
        const quint32 at = order_[row];
        if (!(at & OwnRow) && shared)
            number = (*shared)[at];
        else
            number.Read = reader(TextView(col, int(row)), number.Value);
    }
    return numbers;
}

void TStringGridModel::SetObject(int col, int row, TObject *object)
{
    TRow &own = Own(row);
    if (col == 0) {
        own.Object = object;
        return;
    }
    if (own.Others.size() < size_t(col))
        own.Others.resize(size_t(col));
    own.Others[size_t(col) - 1] = object;
}

void TStringGridModel::Changed(int row, int firstCol, int lastCol)
{
    if (lastCol < firstCol)
        return;
    if (row < fixedRows_) {
        if (row == 0)
            emit headerDataChanged(Qt::Horizontal, firstCol, lastCol);
        return;
    }
    emit dataChanged(index(row - fixedRows_, firstCol), index(row - fixedRows_, lastCol), {Qt::DisplayRole});
}

void TStringGridModel::DropUnusedOwnRows()
{
    if (own_.size() <= order_.size())
        return;
    std::vector<TRow> used;
    for (quint32 &number : order_)
        if (number & OwnRow) {
            used.push_back(std::move(own_[number & ~OwnRow]));
            number = quint32(used.size() - 1) | OwnRow;
        }
    own_ = std::move(used);
}

void TStringGridModel::SetRowCount(int count)
{
    const int old = GridRowCount();
    if (count == old)
        return;
    if (count > old) {
        beginInsertRows({}, old - fixedRows_, count - fixedRows_ - 1);
        for (int i = old; i < count; ++i)
            order_.push_back(NewOwnRow({}));
        endInsertRows();
    } else {
        beginRemoveRows({}, count - fixedRows_, old - fixedRows_ - 1);
        order_.resize(size_t(count));
        DropUnusedOwnRows();
        endRemoveRows();
    }
}

void TStringGridModel::SetColCount(int count)
{
    if (count == colCount_)
        return;
    if (count > colCount_) {
        beginInsertColumns({}, colCount_, count - 1);
        colCount_ = count;
        endInsertColumns();
        return;
    }
    beginRemoveColumns({}, count, colCount_ - 1);
    colCount_ = count;
    sharedCols_ = std::min(sharedCols_, count);
    readings_.clear();
    for (TRow &row : own_) {
        if (row.Texts.Count() > count)
            row.Texts = TRowTexts::Packed(count, [&](int col) { return row.Texts.At(col); });
        if (row.Others.size() >= size_t(count))
            row.Others.resize(size_t(count) - 1);
    }
    endRemoveColumns();
    if (fixedRows_ > 0)
        emit headerDataChanged(Qt::Horizontal, 0, count - 1);
}

void TStringGridModel::SetFixedRows(int count)
{
    if (count == fixedRows_)
        return;
    beginResetModel();
    fixedRows_ = count;
    endResetModel();
}

void TStringGridModel::MoveRow(int from, int to)
{
    if (from == to)
        return;
    const auto first = order_.begin();
    const bool dataRows = from >= fixedRows_ && to >= fixedRows_;
    if (dataRows)
        beginMoveRows({}, from - fixedRows_, from - fixedRows_, {}, (to > from ? to + 1 : to) - fixedRows_);
    else
        beginResetModel();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    if (dataRows)
        endMoveRows();
    else
        endResetModel();
}

void TStringGridModel::DeleteRows(const std::vector<int> &rows)
{
    if (rows.empty())
        return;
    if (rows.size() == 1 && rows.front() >= fixedRows_) {
        const int row = rows.front();
        beginRemoveRows({}, row - fixedRows_, row - fixedRows_);
        order_.erase(order_.begin() + row);
        DropUnusedOwnRows();
        endRemoveRows();
        return;
    }
    beginResetModel();
    auto next = rows.begin();
    size_t kept = 0;
    for (size_t i = 0; i < order_.size(); ++i) {
        if (next != rows.end() && size_t(*next) == i)
            ++next;
        else
            order_[kept++] = order_[i];
    }
    order_.resize(kept);
    DropUnusedOwnRows();
    endResetModel();
}

void TStringGridModel::PermuteRows(const std::vector<int> &order)
{
    beginResetModel();
    std::vector<quint32> sorted(order_.begin(), order_.begin() + fixedRows_);
    sorted.reserve(order_.size());
    for (int row : order)
        sorted.push_back(order_[size_t(row)]);
    order_ = std::move(sorted);
    endResetModel();
}

void TStringGridModel::SetDataRows(TSharedGridRows rows)
{
    // The same number of rows shown in their order only need their cells drawn anew, if they changed at all.
    if (ShowsSharedRowsInOrder() && rows->size() == shared_->size() && sharedCols_ == colCount_) {
        if (rows == shared_)
            return;
        shared_ = std::move(rows);
        readings_.clear();
        emit dataChanged(index(0, 0), index(rowCount() - 1, colCount_ - 1), {Qt::DisplayRole});
        return;
    }
    std::vector<quint32> order(size_t(fixedRows_) + std::max(rows->size(), size_t(1)));
    std::vector<TRow> own;
    for (int i = 0; i < fixedRows_; ++i) {
        own.push_back(std::move(Own(i)));
        order[size_t(i)] = quint32(i) | OwnRow;
    }
    for (size_t i = 0; i < rows->size(); ++i)
        order[size_t(fixedRows_) + i] = quint32(i);
    if (rows->empty()) {
        own.emplace_back();
        order.back() = quint32(own.size() - 1) | OwnRow;
    }
    beginResetModel();
    order_ = std::move(order);
    own_ = std::move(own);
    if (rows != shared_)
        readings_.clear();
    shared_ = std::move(rows);
    sharedCols_ = colCount_;
    endResetModel();
}

bool TStringGridModel::ShowsSharedRowsInOrder() const
{
    if (!shared_ || shared_->empty() || order_.size() != size_t(fixedRows_) + shared_->size())
        return false;
    for (size_t i = 0; i < shared_->size(); ++i)
        if (order_[size_t(fixedRows_) + i] != quint32(i))
            return false;
    return true;
}

int TStringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : GridRowCount() - fixedRows_;
}

int TStringGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : colCount_; }

QVariant TStringGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return Text(index.column(), GridRowOf(index));
}

QVariant TStringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || fixedRows_ == 0 || section >= colCount_)
        return {};
    return Text(section, 0);
}

Qt::ItemFlags TStringGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
