#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// Constant tables of the language components.

// Windows character sets by name, row for row with their codes.
extern const std::array<QString, 19> CharsetNames;
extern const std::array<int, 19> CharsetValues;

// Per text kind (TStringsType order): the section of a language file, and the property the kind translates.
extern const std::array<QString, 12> KindSectionNames;
extern const std::array<QString, 12> KindNames;

// The fifteen process locale items, in the order a component records and applies them.
extern const std::array<QString, 15> LocaleItemNames;

// Captions of the message boxes (the first 15 rows, the set every component keeps) and of the common dialogs.
constexpr int DefaultDlgsCaptionCount = 15;
extern const std::array<QString, 79> DefaultDlgsCaptions;

// Component names of the message dialog's buttons.
extern const std::array<QString, 11> DialogButtonNames;

// Upper-cased class names of the string-list properties that are collected as multi-line texts.
extern const std::array<QString, 2> StringListClassNames;

// Properties collected as captions, hints and display labels rather than as other strings.
extern const std::array<QString, 3> SimplePropertyNames;

// The screen cursor a language switch replaced, shared by every component of the module; -1 when none.
extern qint16 SavedCursor;
