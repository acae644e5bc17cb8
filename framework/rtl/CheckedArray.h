#pragma once

#include "rtl/SysUtils.h"

// A fixed array indexed from Low to High whose every access is range-checked (ERangeError). Plain storage
// of exactly (High - Low + 1) elements, so it keeps the layout of the record it sits in.
template <typename T, int Low, int High>
struct TCheckedArray {
    static_assert(High >= Low);
    T Data[High - Low + 1];

    static constexpr int Count = High - Low + 1;
    T &operator[](qint64 index)
    {
        RangeCheck(index, Low, High);
        return Data[index - Low];
    }
    const T &operator[](qint64 index) const
    {
        RangeCheck(index, Low, High);
        return Data[index - Low];
    }
};
