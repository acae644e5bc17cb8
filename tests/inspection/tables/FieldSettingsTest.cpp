#include "tables/FieldSettings.h"

#include "registry/Registry.h"

#include <gtest/gtest.h>

namespace {

const QString tuningsKey = "\\Software\\Kelmar\\OrmelSW\\LUMBRA\\FieldsSettings\\Tunings";

// Unreadable values keep the defaults, a non-zero visibility shows the column, a code above 7 is kept as read, and
// what is saved is the store's text form that loads back the same. Saved against the settings as read, only what
// was changed since and what the store lacks is written: another program's change made meanwhile stays.
TEST(FieldSettings, LoadKeepsDefaultsForUnreadableValuesAndRoundTrips)
{
    TRegistry reg;
    reg.DeleteKey("\\Software\\Kelmar\\OrmelSW\\LUMBRA");
    ASSERT_TRUE(reg.OpenKey(tuningsKey, true));
    reg.WriteString("BGColor3", "abc");
    reg.WriteString("IsVisible5", "2");
    reg.WriteString("IsVisible6", "0");
    reg.WriteString("DataOperation7", "9");
    reg.WriteString("TxtColor8", "$FF");
    reg.WriteInteger("DataValue9", 4);
    reg.WriteString("DataValue10", "5");

    TFieldSettings items(13);
    items[2].DataValue = "stale";
    ResetFieldSettings(items, 12);
    LoadFieldSettings("Tunings", items, 12);
    EXPECT_EQ(items[2].DataValue, "");
    EXPECT_EQ(items[3].BGColor, clWindow);
    EXPECT_TRUE(items[5].IsVisible);
    EXPECT_FALSE(items[6].IsVisible);
    EXPECT_EQ(items[7].DataOperation, 9);
    EXPECT_EQ(items[8].TxtColor, clWindowText);
    EXPECT_EQ(items[9].DataValue, "");
    EXPECT_EQ(items[10].DataValue, "5");

    SaveFieldSettings("Tunings", items, 12, {});
    ASSERT_TRUE(reg.OpenKey(tuningsKey, false));
    EXPECT_EQ(reg.ReadString("BGColor3"), "-2147483643");
    EXPECT_EQ(reg.ReadString("TxtColor12"), "-2147483640");
    EXPECT_EQ(reg.ReadString("IsVisible6"), "0");
    TFieldSettings again(13);
    LoadFieldSettings("Tunings", again, 12);
    for (int i = 0; i <= 12; ++i) {
        EXPECT_EQ(again[i].IsVisible, items[i].IsVisible) << i;
        EXPECT_EQ(again[i].BGColor, items[i].BGColor) << i;
        EXPECT_EQ(again[i].DataOperation, items[i].DataOperation) << i;
        EXPECT_EQ(again[i].DataValue, items[i].DataValue) << i;
    }

    const TFieldSettings read = again;
    reg.WriteString("DataValue4", "theirs");
    reg.DeleteValue("TxtColor11");
    again[7].DataValue = "mine";
    again[8].IsVisible = false;
    SaveFieldSettings("Tunings", again, 12, read);
    EXPECT_EQ(reg.ReadString("DataValue4"), "theirs");
    EXPECT_EQ(reg.ReadString("DataValue7"), "mine");
    EXPECT_EQ(reg.ReadString("IsVisible8"), "0");
    EXPECT_EQ(reg.ReadString("TxtColor11"), "-2147483640");
}

} // namespace
