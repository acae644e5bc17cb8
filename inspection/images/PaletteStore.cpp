#include "images/PaletteStore.h"

#include "entries/SettingsKey.h"
#include "registry/Registry.h"
#include "registry/RegistryStore.h"
#include "rtl/SysUtils.h"

#include <algorithm>

namespace {
const QString colorKey = QString(LumbraSettingsKey) + "\\ColorSettings";

// The palette in memory is the defaults standing in for a stored one that could not be read.
bool standIn = false;
// The palette as this program last read it from the store or wrote it there: what differs from it is what the
// user changed here, the only thing written back, so that another program's changes stay.
TPaletteEntry paletteRead[PaletteSize] = {};

ERangeError Unreadable(const QString &name, const QString &what)
{
    return ERangeError(QString("Range check error: the palette value '%1' in HKEY_CURRENT_USER%2 %3; the default "
                               "palette is used until another one is stored")
                           .arg(name, colorKey, what));
}

// A value of the stored palette; a missing one or one of another type is no palette.
int ReadValue(const TRegistry &reg, const QString &name)
{
    if (!reg.ValueExists(name)) {
        if (!reg.LastError().isEmpty())
            throw ERegistryException(reg.LastError());
        throw Unreadable(name, "is missing");
    }
    try {
        return reg.ReadInteger(name);
    } catch (const ERegistryException &) {
        // Of another type, unless the store failed meanwhile.
        if (!reg.ValueExists(name))
            throw;
        throw Unreadable(name, "is no integer");
    }
}

void ReadPalette(TPaletteEntry *palette)
{
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(colorKey)) {
        if (!reg.LastError().isEmpty())
            throw ERegistryException(reg.LastError());
        std::copy_n(DefaultPalette, PaletteSize, palette);
        return;
    }
    TPaletteEntry stored[PaletteSize];
    for (int i = 0; i < PaletteSize; ++i) {
        const QString n = IntToStr(i);
        const int level = ReadValue(reg, "Level" + n);
        if (level < 0 || level > 255)
            throw Unreadable("Level" + n, QString("holds %1, not a level from 0 to 255").arg(level));
        stored[i].Level = quint8(level);
        stored[i].Color = ReadValue(reg, "Color" + n);
    }
    std::copy_n(stored, PaletteSize, palette);
}
} // namespace

void LoadPalette(TPaletteEntry *palette)
{
    // A palette standing in is stored whole: what was read counts only for one read whole.
    try {
        ReadPalette(palette);
        standIn = false;
    } catch (const Exception &) {
        std::copy_n(DefaultPalette, PaletteSize, palette);
        standIn = true;
        throw;
    }
    std::copy_n(palette, PaletteSize, paletteRead);
}

void SavePalette(const TPaletteEntry *palette)
{
    {
        TRegistryUpdate update;
        TRegistry reg;
        // A palette standing in for one the store lacks or could not give is stored whole.
        const bool whole = standIn || !reg.KeyExists(colorKey);
        if (!reg.OpenKey(colorKey, true))
            throw ERegistryException("Failed to create key " + colorKey
                                     + (reg.LastError().isEmpty() ? QString() : ": " + reg.LastError()));
        for (int i = 0; i < PaletteSize; ++i) {
            const QString n = IntToStr(i);
            if (whole || palette[i].Level != paletteRead[i].Level)
                reg.WriteInteger("Level" + n, palette[i].Level);
            if (whole || palette[i].Color != paletteRead[i].Color)
                reg.WriteInteger("Color" + n, palette[i].Color);
        }
    }
    standIn = false;
    std::copy_n(palette, PaletteSize, paletteRead);
}

void SavePaletteAtClose(const TPaletteEntry *palette)
{
    if (!standIn)
        SavePalette(palette);
}
