#include "classes/Strings.h"

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

#include <algorithm>
#include <utility>

namespace {
[[noreturn]] void SortedListError()
{
    throw EListError(QStringLiteral("Operation not allowed on sorted list"));
}
} // namespace

TStringList::TStringList() = default;

TStringList::TStringList(bool ownsObjects) : ownsObjects_(ownsObjects) {}

TStringList::~TStringList()
{
    if (ownsObjects_)
        for (const Item &item : std::as_const(items_))
            delete item.Object;
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= items_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

QString TStringList::Strings(int index) const
{
    CheckIndex(index);
    return items_[index].String;
}

void TStringList::SetStrings(int index, const QString &s)
{
    if (sorted_)
        SortedListError();
    CheckIndex(index);
    items_[index].String = s;
    Changed();
}

TObject *TStringList::Objects(int index) const
{
    CheckIndex(index);
    return items_[index].Object;
}

// Replacing an object does not free the old one, even in a list that owns its objects: callers move
// objects between lines this way.
void TStringList::SetObjects(int index, TObject *object)
{
    CheckIndex(index);
    items_[index].Object = object;
    Changed();
}

int TStringList::Add(const QString &s)
{
    if (!sorted_) {
        items_.append({s, nullptr});
        Changed();
        return int(items_.size() - 1);
    }
    int index = 0;
    if (Find(s, index)) {
        if (duplicates_ == TDuplicates::dupIgnore)
            return index;
        if (duplicates_ == TDuplicates::dupError)
            throw EListError(QStringLiteral("String list does not allow duplicates"));
    }
    items_.insert(index, {s, nullptr});
    Changed();
    return index;
}

void TStringList::Insert(int index, const QString &s)
{
    if (sorted_)
        SortedListError();
    if (index < 0 || index > items_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    items_.insert(index, {s, nullptr});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    TObject *object = items_[index].Object;
    items_.removeAt(index);
    if (ownsObjects_)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (items_.isEmpty())
        return;
    const QList<Item> old = std::exchange(items_, {});
    if (ownsObjects_)
        for (const Item &item : old)
            delete item.Object;
    Changed();
}

int TStringList::IndexOf(const QString &s) const
{
    if (!sorted_)
        return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == sorted_)
        return;
    if (sorted)
        Sort();
    sorted_ = sorted;
}

bool TStringList::Find(const QString &s, int &index) const
{
    int low = 0;
    int high = int(items_.size());
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (AnsiCompareText(items_[middle].String, s) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    index = low;
    return low < items_.size() && AnsiCompareText(items_[low].String, s) == 0;
}

// A sorted list is in order already. Equal keys keep their order.
void TStringList::Sort()
{
    if (sorted_ || items_.size() < 2)
        return;
    std::stable_sort(items_.begin(), items_.end(), [](const Item &a, const Item &b) {
        return AnsiCompareText(a.String, b.String) < 0;
    });
    Changed();
}
