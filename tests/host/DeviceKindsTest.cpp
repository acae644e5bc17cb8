#include "DeviceKinds.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

TEST(DeviceKinds, TablesNameTheKindsByCodeAndRefuseOtherCodes)
{
    EXPECT_EQ(DeviceKindNames[DeviceCodes[0]], "ZELT-T");
    EXPECT_EQ(DeviceKindNames[DeviceCodes[1]], "LUMBRA-C");
    EXPECT_EQ(RecordKindTags[0], "TUN");
    EXPECT_EQ(RecordKindTags[1], "IMG");
    EXPECT_EQ(MessageKinds[0] + MessageKinds[1] + MessageKinds[2], 3);
    EXPECT_EQ(MessageKinds[2], 2);
    EXPECT_THROW(DeviceKindNames[2], ERangeError);
    EXPECT_THROW(DeviceKindNames[-1], ERangeError);
    EXPECT_THROW(MessageKinds[3], ERangeError);
}
