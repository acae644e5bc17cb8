#pragma once

#include "DynArray.h"
#include "controls/StringGrid.h"
#include "tables/TableCells.h"

#include <QChar>
#include <array>
#include <memory>
#include <vector>

// The rows of one table's records in the order of the data manager's list, each record's texts made once and
// kept until the record changes or the locale's separators do; then only the texts that follow the separators
// are made anew. The rows are shared with the table that shows them. A record is known by its address at its
// place in the list, so whoever changes records tells: a record deleted is forgotten, one edited refreshed, and
// records that may have been replaced wholesale are all forgotten.
class TRecordRows {
public:
    // A row for each record of list[0 .. count - 1], in order, the record as its first cell's object: the rows
    // of the last call when nothing changed since.
    TSharedGridRows Rows(const TDynArray<TLumbraTuningMessage *> &list, int count);
    TSharedGridRows Rows(const TDynArray<TLumbraImageMessage *> &list, int count);
    // The texts of an edited record, made anew; its kept row is made anew by the next Rows.
    TRowTexts Refresh(const TLumbraTuningMessage &record);
    TRowTexts Refresh(const TLumbraImageMessage &record);
    // A deleted record: the records after it have moved up a place.
    void Forget(const TObject *record);
    void Clear();

private:
    enum class TState : quint8 { Made, ToBeMade, Forgotten };
    using TSeparators = std::array<QChar, 3>;

    template <class Message> TSharedGridRows RowsOf(const TDynArray<Message *> &list, int count);
    template <class Message>
    bool Unchanged(const TDynArray<Message *> &list, int count, const TSeparators &separators) const;
    void Mark(const TObject *record, TState state);

    std::shared_ptr<std::vector<TGridRow>> rows_;
    std::vector<TState> states_;
    // Per row, what its texts that follow the separators were made from: a language switch needs no record.
    std::vector<TLocaleValues> values_;
    // The separators the rows' texts were made with; rows were marked since.
    TSeparators separators_{};
    bool marked_ = false;
};
