#include "tables/RecordRows.h"

#include "Records.h"
#include "rtl/FormatSettings.h"
#include "tables/TableCells.h"

#include <algorithm>

namespace {
TRowTexts Made(const TLumbraTuningMessage &record) { return TuningRowTexts(record); }
TRowTexts Made(const TLumbraImageMessage &record) { return ImageRowTexts(record); }
TRowTexts Reformatted(const TLumbraTuningMessage &record, const TRowTexts &row) { return TuningRowTexts(record, row); }
TRowTexts Reformatted(const TLumbraImageMessage &record, const TRowTexts &row) { return ImageRowTexts(record, row); }
} // namespace

quint32 TRecordRows::CurrentFormat()
{
    const std::array<QChar, 3> separators{FormatSettings.DateSeparator, FormatSettings.TimeSeparator,
                                          FormatSettings.DecimalSeparator};
    const auto known = std::find(separators_.begin(), separators_.end(), separators);
    if (known != separators_.end())
        return quint32(known - separators_.begin());
    separators_.push_back(separators);
    return quint32(separators_.size() - 1);
}

template <class Message>
bool TRecordRows::Unchanged(const TDynArray<Message *> &list, int count, quint32 format) const
{
    if (!rows_ || int(rows_->size()) != count)
        return false;
    for (int i = 0; i < count; ++i)
        if ((*rows_)[size_t(i)].Object != list[i] || made_[size_t(i)] != format)
            return false;
    return true;
}

template <class Message> TSharedGridRows TRecordRows::RowsOf(const TDynArray<Message *> &list, int count)
{
    const quint32 format = CurrentFormat();
    count = std::max(count, 0);
    if (Unchanged(list, count, format))
        return rows_;
    // The kept rows in order, the forgotten ones left out, stand beside the list's records.
    auto rows = std::make_shared<std::vector<TGridRow>>(size_t(count));
    std::vector<quint32> made(size_t(count), format);
    const size_t keptCount = rows_ ? rows_->size() : 0;
    size_t next = 0;
    for (int i = 0; i < count; ++i) {
        Message *record = list[i];
        while (next < keptCount && made_[next] == Forgotten)
            ++next;
        const TGridRow *kept = next < keptCount && (*rows_)[next].Object == record ? &(*rows_)[next] : nullptr;
        const quint32 keptMade = kept ? made_[next] : ToBeMade;
        next = std::min(next + 1, keptCount);
        TGridRow &row = (*rows)[size_t(i)];
        if (!record)
            continue;
        if (keptMade == format)
            row = *kept;
        else if (keptMade == ToBeMade)
            row = {Made(*record), record};
        else
            row = {Reformatted(*record, kept->Texts), record};
    }
    rows_ = std::move(rows);
    made_ = std::move(made);
    return rows_;
}

TSharedGridRows TRecordRows::Rows(const TDynArray<TLumbraTuningMessage *> &list, int count)
{
    return RowsOf(list, count);
}

TSharedGridRows TRecordRows::Rows(const TDynArray<TLumbraImageMessage *> &list, int count)
{
    return RowsOf(list, count);
}

int TRecordRows::Find(const TObject *record) const
{
    if (!rows_)
        return -1;
    for (size_t i = 0; i < rows_->size(); ++i)
        if ((*rows_)[i].Object == record && made_[i] != Forgotten)
            return int(i);
    return -1;
}

TRowTexts TRecordRows::Refresh(const TLumbraTuningMessage &record)
{
    if (const int place = Find(&record); place >= 0)
        made_[size_t(place)] = ToBeMade;
    return Made(record);
}

TRowTexts TRecordRows::Refresh(const TLumbraImageMessage &record)
{
    if (const int place = Find(&record); place >= 0)
        made_[size_t(place)] = ToBeMade;
    return Made(record);
}

void TRecordRows::Forget(const TObject *record)
{
    if (const int place = Find(record); place >= 0)
        made_[size_t(place)] = Forgotten;
}

void TRecordRows::Clear()
{
    rows_.reset();
    made_.clear();
}
