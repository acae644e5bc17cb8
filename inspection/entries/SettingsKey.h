#pragma once

// The plug-in's branch of the settings store: the window's place, the warnings switch, the column settings and
// the palette are kept under it.
inline constexpr char LumbraSettingsKey[] = "\\Software\\Kelmar\\OrmelSW\\LUMBRA";
