#include "images/PaletteStore.h"

#include "registry/Registry.h"
#include "rtl/Exceptions.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString colorKey = "\\Software\\Kelmar\\OrmelSW\\LUMBRA\\ColorSettings";

void ExpectPalette(const TPaletteEntry *actual, const TPaletteEntry *expected)
{
    for (int i = 0; i < PaletteSize; ++i) {
        EXPECT_EQ(actual[i].Level, expected[i].Level) << i;
        EXPECT_EQ(TColor(actual[i].Color), TColor(expected[i].Color)) << i;
    }
}

// Without the key the defaults apply; what is saved, unordered levels and system colours included, loads back.
TEST(PaletteStore, MissingKeyGivesTheDefaultsAndSavedEntriesLoadBack)
{
    TRegistry reg;
    reg.DeleteKey(colorKey);
    TPaletteEntry palette[PaletteSize] = {};
    LoadPalette(palette);
    ExpectPalette(palette, DefaultPalette);
    EXPECT_FALSE(reg.KeyExists(colorKey));

    const TPaletteEntry edited[PaletteSize] = {{255, clWindow}, {0, 0}, {7, 0x123456}, {6, 1},
                                               {200, clRed}, {201, 2}, {3, 3}, {250, 0xFFFFFF}};
    SavePalette(edited);
    ASSERT_TRUE(reg.OpenKey(colorKey, false));
    EXPECT_EQ(reg.ReadInteger("Level0"), 255);
    EXPECT_EQ(reg.ReadInteger("Color0"), clWindow);
    LoadPalette(palette);
    ExpectPalette(palette, edited);
    reg.DeleteKey(colorKey);
}

// A stored palette that cannot be read (a level beyond a byte, a missing value, a value of another type) fails the
// load naming the value and its key; the defaults stand in, and closing the window does not write them over the
// stored palette until the user stores one.
TEST(PaletteStore, AStoredPaletteThatCannotBeReadGivesTheDefaultsAndStaysUntilTheUserStoresOne)
{
    TRegistry reg;
    reg.DeleteKey(colorKey);
    TPaletteEntry edited[PaletteSize];
    std::copy_n(DefaultPalette, PaletteSize, edited);
    edited[0].Color = 0x123456;
    SavePalette(edited);
    ASSERT_TRUE(reg.OpenKey(colorKey, false));
    const auto failure = [](const char *name) {
        TPaletteEntry palette[PaletteSize] = {};
        try {
            LoadPalette(palette);
            ADD_FAILURE() << name << " was read";
        } catch (const ERangeError &error) {
            EXPECT_TRUE(error.Message().contains(QString("'%1' in HKEY_CURRENT_USER%2").arg(name, colorKey)))
                << qPrintable(error.Message());
        }
        ExpectPalette(palette, DefaultPalette);
        SavePaletteAtClose(palette);
    };
    reg.WriteInteger("Level0", 256);
    failure("Level0");
    EXPECT_EQ(reg.ReadInteger("Level0"), 256);
    EXPECT_EQ(reg.ReadInteger("Color0"), 0x123456);
    reg.WriteInteger("Level0", -1);
    failure("Level0");
    reg.WriteInteger("Level0", 6);
    reg.DeleteValue("Color5");
    failure("Color5");
    EXPECT_FALSE(reg.ValueExists("Color5"));
    reg.WriteString("Color5", "red");
    failure("Color5");
    EXPECT_EQ(reg.ReadString("Color5"), "red");

    // The user stores a palette: from then on it is the one closing writes back.
    SavePalette(DefaultPalette);
    TPaletteEntry palette[PaletteSize];
    LoadPalette(palette);
    ExpectPalette(palette, DefaultPalette);
    palette[3].Level = 20;
    SavePaletteAtClose(palette);
    EXPECT_EQ(reg.ReadInteger("Level3"), 20);
    reg.DeleteKey(colorKey);
}

} // namespace
