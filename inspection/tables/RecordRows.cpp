#include "tables/RecordRows.h"

#include "Records.h"
#include "rtl/FormatSettings.h"

#include <algorithm>
#include <type_traits>

namespace {
// The rows kept are read ahead of their turn by this many.
constexpr size_t PrefetchDistance = 8;

template <class Message> constexpr bool IsTuning = std::is_same_v<Message, TLumbraTuningMessage>;

template <class Message> TRowTexts Made(const Message &record)
{
    if constexpr (IsTuning<Message>)
        return TuningRowTexts(record);
    else
        return ImageRowTexts(record);
}

template <class Message> TLocaleValues LocaleValues(const Message &record)
{
    if constexpr (IsTuning<Message>)
        return TuningLocaleValues(record);
    else
        return ImageLocaleValues(record);
}

template <class Message> TRowTexts Reformatted(const TLocaleValues &values, const TRowTexts &row)
{
    if constexpr (IsTuning<Message>)
        return TuningRowTexts(values, row);
    else
        return ImageRowTexts(values, row);
}
} // namespace

template <class Message>
bool TRecordRows::Unchanged(const TDynArray<Message *> &list, int count, const TSeparators &separators) const
{
    if (!rows_ || marked_ || separators != separators_ || int(rows_->size()) != count || count > list.Length())
        return false;
    Message *const *records = list.Data();
    for (size_t i = 0; i < size_t(count); ++i)
        if ((*rows_)[i].Object != records[i])
            return false;
    return true;
}

template <class Message> TSharedGridRows TRecordRows::RowsOf(const TDynArray<Message *> &list, int count)
{
    const TSeparators separators{FormatSettings.DateSeparator, FormatSettings.TimeSeparator,
                                 FormatSettings.DecimalSeparator};
    count = std::max(count, 0);
    if (Unchanged(list, count, separators))
        return rows_;
    // The kept rows in order, the forgotten ones left out, stand beside the list's records.
    auto rows = std::make_shared<std::vector<TGridRow>>(static_cast<size_t>(count));
    std::vector<TLocaleValues> values(static_cast<size_t>(count));
    const size_t keptCount = rows_ ? rows_->size() : 0;
    size_t next = 0;
    for (int i = 0; i < count; ++i) {
        Message *record = list[i];
        while (next < keptCount && states_[next] == TState::Forgotten)
            ++next;
        if (next + PrefetchDistance < keptCount)
            (*rows_)[next + PrefetchDistance].Texts.Prefetch();
        const bool kept = next < keptCount && (*rows_)[next].Object == record && states_[next] == TState::Made;
        TGridRow &row = (*rows)[size_t(i)];
        if (record && !kept) {
            row = {Made(*record), record};
            values[size_t(i)] = LocaleValues(*record);
        } else if (record) {
            values[size_t(i)] = values_[next];
            const TRowTexts &texts = (*rows_)[next].Texts;
            row = {separators == separators_ ? texts : Reformatted<Message>(values_[next], texts), record};
        }
        next = std::min(next + 1, keptCount);
    }
    rows_ = std::move(rows);
    states_.assign(size_t(count), TState::Made);
    values_ = std::move(values);
    separators_ = separators;
    marked_ = false;
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

void TRecordRows::Mark(const TObject *record, TState state)
{
    if (!rows_)
        return;
    for (size_t i = 0; i < rows_->size(); ++i)
        if ((*rows_)[i].Object == record && states_[i] != TState::Forgotten) {
            states_[i] = state;
            marked_ = true;
            return;
        }
}

TRowTexts TRecordRows::Refresh(const TLumbraTuningMessage &record)
{
    Mark(&record, TState::ToBeMade);
    return TuningRowTexts(record);
}

TRowTexts TRecordRows::Refresh(const TLumbraImageMessage &record)
{
    Mark(&record, TState::ToBeMade);
    return ImageRowTexts(record);
}

void TRecordRows::Forget(const TObject *record) { Mark(record, TState::Forgotten); }

void TRecordRows::Clear()
{
    rows_.reset();
    states_.clear();
    values_.clear();
    marked_ = false;
}
