#include "PaletteStore.h"

#include "registry/Registry.h"

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

// A level beyond a byte fails with a range error and a missing value with the store's read error; the entries
// before the failing one are already filled.
TEST(PaletteStore, BadStoredValuesFailTheLoad)
{
    TRegistry reg;
    reg.DeleteKey(colorKey);
    SavePalette(DefaultPalette);
    ASSERT_TRUE(reg.OpenKey(colorKey, false));
    reg.WriteInteger("Level2", 256);
    TPaletteEntry palette[PaletteSize] = {};
    EXPECT_THROW(LoadPalette(palette), ERangeError);
    EXPECT_EQ(palette[1].Level, DefaultPalette[1].Level);
    EXPECT_EQ(palette[2].Level, 0);
    reg.WriteInteger("Level2", -1);
    EXPECT_THROW(LoadPalette(palette), ERangeError);

    reg.WriteInteger("Level2", 18);
    reg.DeleteValue("Color5");
    EXPECT_THROW(LoadPalette(palette), ERegistryException);
    reg.DeleteKey(colorKey);
}

} // namespace
