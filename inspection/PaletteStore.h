#pragma once

#include "types_u.h"

// The user's level-image palette (PaletteSize entries), kept in the settings store under
// \Software\Kelmar\OrmelSW\LUMBRA\ColorSettings as integer values Level0..7 and Color0..7.

// Fills the palette from the store, or with DefaultPalette when the key is missing. A missing value raises the
// store's read error and a level outside 0..255 ERangeError; the entries before it are then already filled.
void LoadPalette(TPaletteEntry *palette);
void SavePalette(const TPaletteEntry *palette);
