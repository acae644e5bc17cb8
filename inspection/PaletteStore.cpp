#include "PaletteStore.h"

#include "SettingsKey.h"
#include "registry/Registry.h"
#include "rtl/SysUtils.h"

#include <algorithm>

namespace {
const QString colorKey = QString(LumbraSettingsKey) + "\\ColorSettings";
} // namespace

void LoadPalette(TPaletteEntry *palette)
{
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(colorKey)) {
        std::copy_n(DefaultPalette, PaletteSize, palette);
        return;
    }
    for (int i = 0; i < PaletteSize; ++i) {
        const QString n = IntToStr(i);
        const int level = reg.ReadInteger("Level" + n);
        RangeCheck(level, 0, 255);
        palette[i].Level = quint8(level);
        palette[i].Color = reg.ReadInteger("Color" + n);
    }
}

void SavePalette(const TPaletteEntry *palette)
{
    TRegistry reg;
    if (!reg.OpenKey(colorKey, true))
        throw ERegistryException("Failed to create key " + colorKey);
    for (int i = 0; i < PaletteSize; ++i) {
        const QString n = IntToStr(i);
        reg.WriteInteger("Level" + n, palette[i].Level);
        reg.WriteInteger("Color" + n, palette[i].Color);
    }
}
