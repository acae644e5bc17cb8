#pragma once

#include "graphics/Color.h"

#include <QString>
#include <cstdint>
#include <vector>

// One table column's look and filter, kept per user in the settings store under
// \Software\Kelmar\OrmelSW\LUMBRA\FieldsSettings\<Tunings|Images>.
struct TFieldSetting {
    bool IsVisible = true;
    TColor BGColor = clWindow;
    TColor TxtColor = clWindowText;
    std::uint8_t DataOperation = 0;
    QString DataValue;
};
using TFieldSettings = std::vector<TFieldSetting>;

// Entries 0 .. high of items.
void ResetFieldSettings(TFieldSettings &items, int high);
// Reads what the store holds of the section over the current entries; a store that cannot be read raises
// ERegistryException naming the section and the cause.
void LoadFieldSettings(const QString &section, TFieldSettings &items, int high);
// Writes entries 0 .. high of items into the section: each value that differs from what `read` holds (the entries
// as the section was last read; an entry beyond them is written whole) and each value the store lacks, so that
// what another program stored meanwhile stays.
void SaveFieldSettings(const QString &section, const TFieldSettings &items, int high, const TFieldSettings &read);
