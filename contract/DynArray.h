#pragma once

#include "classes/Object.h"
#include "rtl/SysUtils.h"

#include <vector>

// A dynamic array whose every index is checked: an access outside 0..Length()-1 raises ERangeError instead
// of reading beside the data. New elements are zero; shrinking keeps the leading elements.
template <typename T>
class TDynArray {
public:
    int Length() const { return int(items_.size()); }
    void SetLength(int length) { items_.resize(length > 0 ? size_t(length) : 0); }
    void Clear() { items_.clear(); }

    T &operator[](qint64 index)
    {
        RangeCheck(index, 0, qint64(items_.size()) - 1);
        return items_[size_t(index)];
    }
    const T &operator[](qint64 index) const
    {
        RangeCheck(index, 0, qint64(items_.size()) - 1);
        return items_[size_t(index)];
    }

    T *Data() { return items_.data(); }
    const T *Data() const { return items_.data(); }
    // Removes the element at index and moves every later one down by one place.
    void RemoveAt(int index)
    {
        RangeCheck(index, 0, qint64(items_.size()) - 1);
        items_.erase(items_.begin() + index);
    }

private:
    std::vector<T> items_;
};

// Frees the objects of entries 0 to count - 1 of a list that owns them, then empties it. They go through their
// virtual TObject destructor, so a unit that frees a list needs no more of the element class than its
// declaration: a build with run-time type checks would otherwise want the class's type information linked in.
template <typename T>
void FreeAll(TDynArray<T *> &list, qint32 &count)
{
    for (qint32 i = 0; i < count; ++i)
        delete static_cast<TObject *>(list[i]);
    list.Clear();
    count = 0;
}
