#include "rtl/CheckedArray.h"

#include <gtest/gtest.h>

TEST(CheckedArray, IndexesFromLowToHighAndRaisesOutside)
{
    TCheckedArray<int, 1, 3> ones{};
    static_assert(sizeof(ones) == 3 * sizeof(int));
    ones[1] = 10;
    ones[3] = 30;
    EXPECT_EQ(ones.Data[0], 10);
    EXPECT_EQ(ones.Data[2], 30);
    EXPECT_THROW(ones[0], ERangeError);
    EXPECT_THROW(ones[4], ERangeError);

    const TCheckedArray<char, -2, 0> negative{{'a', 'b', 'c'}};
    EXPECT_EQ(negative[-2], 'a');
    EXPECT_EQ(negative[0], 'c');
    EXPECT_THROW(negative[1], ERangeError);
    EXPECT_THROW(negative[-3], ERangeError);
    // An index that would wrap when narrowed is still caught.
    EXPECT_THROW(ones[0x100000001LL], ERangeError);
}
