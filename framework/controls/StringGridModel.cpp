#include "controls/StringGridModel.h"

#include <algorithm>

TStringGridModel::TStringGridModel(QObject *parent, int colCount, int rowCount, int fixedRows)
    : QAbstractTableModel(parent), rows_(size_t(rowCount)), colCount_(colCount), fixedRows_(fixedRows)
{
}

QStringView TStringGridModel::TRowTexts::At(int col) const
{
    const int count = Count();
    if (col >= count)
        return {};
    const quint32 start = col == 0 ? 0 : Number(col);
    return QStringView(block_.get() + 2 * (count + 1) + start, qsizetype(Number(col + 1) - start));
}

void TStringGridModel::TRowTexts::SetNumber(int at, quint32 value)
{
    block_[2 * at] = char16_t(value >> 16);
    block_[2 * at + 1] = char16_t(value & 0xFFFF);
}

template <typename TextAt>
TStringGridModel::TRowTexts TStringGridModel::TRowTexts::Packed(int count, TextAt textAt)
{
    while (count > 0 && QStringView(textAt(count - 1)).isEmpty())
        --count;
    TRowTexts packed;
    if (count == 0)
        return packed;
    size_t chars = 0;
    for (int col = 0; col < count; ++col)
        chars += size_t(QStringView(textAt(col)).size());
    const size_t head = 2 * (size_t(count) + 1);
    packed.block_.reset(new char16_t[head + chars]);
    packed.SetNumber(0, quint32(count));
    char16_t *out = packed.block_.get() + head;
    quint32 end = 0;
    for (int col = 0; col < count; ++col) {
        const QStringView text = textAt(col);
        std::copy(text.utf16(), text.utf16() + text.size(), out + end);
        end += quint32(text.size());
        packed.SetNumber(col + 1, end);
    }
    return packed;
}

void TStringGridModel::SetText(int col, int row, const QString &text)
{
    const TRowTexts &own = rows_[size_t(row)].Texts;
    rows_[size_t(row)].Texts = TRowTexts::Packed(std::max(own.Count(), col + 1), [&](int c) {
        return c == col ? QStringView(text) : own.At(c);
    });
    Changed(row, col, col);
}

void TStringGridModel::SetRowTexts(int row, const std::vector<QString> &texts)
{
    rows_[size_t(row)].Texts = TRowTexts::Packed(int(std::min(texts.size(), size_t(colCount_))),
                                                 [&](int col) { return QStringView(texts[size_t(col)]); });
    Changed(row, 0, colCount_ - 1);
}

TObject *TStringGridModel::Object(int col, int row) const
{
    const std::vector<TObject *> &objects = rows_[size_t(row)].Objects;
    return size_t(col) < objects.size() ? objects[size_t(col)] : nullptr;
}

void TStringGridModel::SetObject(int col, int row, TObject *object)
{
    std::vector<TObject *> &objects = rows_[size_t(row)].Objects;
    if (objects.size() <= size_t(col))
        objects.resize(size_t(col) + 1);
    objects[size_t(col)] = object;
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

void TStringGridModel::SetRowCount(int count)
{
    const int old = GridRowCount();
    if (count == old)
        return;
    if (count > old) {
        beginInsertRows({}, old - fixedRows_, count - fixedRows_ - 1);
        rows_.resize(size_t(count));
        endInsertRows();
    } else {
        beginRemoveRows({}, count - fixedRows_, old - fixedRows_ - 1);
        rows_.resize(size_t(count));
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
    for (TRow &row : rows_) {
        if (row.Texts.Count() > count)
            row.Texts = TRowTexts::Packed(count, [&](int col) { return row.Texts.At(col); });
        if (row.Objects.size() > size_t(count))
            row.Objects.resize(size_t(count));
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
    const auto first = rows_.begin();
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
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
        return;
    }
    beginResetModel();
    std::vector<TRow> kept;
    kept.reserve(rows_.size() - rows.size());
    auto next = rows.begin();
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (next != rows.end() && size_t(*next) == i)
            ++next;
        else
            kept.push_back(std::move(rows_[i]));
    }
    rows_ = std::move(kept);
    endResetModel();
}

void TStringGridModel::PermuteRows(const std::vector<int> &order)
{
    beginResetModel();
    std::vector<TRow> sorted;
    sorted.reserve(rows_.size());
    for (int i = 0; i < fixedRows_; ++i)
        sorted.push_back(std::move(rows_[size_t(i)]));
    for (int row : order)
        sorted.push_back(std::move(rows_[size_t(row)]));
    rows_ = std::move(sorted);
    endResetModel();
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
