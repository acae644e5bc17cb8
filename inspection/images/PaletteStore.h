#pragma once

#include "Records.h"

// The user's level-image palette (PaletteSize entries), kept in the settings store under
// \Software\Kelmar\OrmelSW\LUMBRA\ColorSettings as integer values Level0..7 and Color0..7.

// Fills the palette from the store, or with DefaultPalette when the key is missing. A stored palette that cannot be
// read whole gives DefaultPalette too, and raises: ERangeError naming the value and its key when a value is missing,
// no integer or a level outside 0..255; ERegistryException naming the file and the cause when the store fails.
void LoadPalette(TPaletteEntry *palette);
// Stores in one rewrite of the store what the user changed in this program since the palette was last loaded or
// stored, so that what another program stored meanwhile stays; a palette standing in for one the store lacks or
// could not give is stored whole.
void SavePalette(const TPaletteEntry *palette);
// The same as the window closes, unless the palette stands in for a stored one that the last load could not read:
// that one stays until the user stores a palette.
void SavePaletteAtClose(const TPaletteEntry *palette);
