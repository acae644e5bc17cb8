#pragma once

#include "controls/RowTexts.h"

#include <QString>

class TLumbraImageMessage;
class TLumbraTuningMessage;

// Day, month, year, hour, minute, second in the locale's separators; the padded form writes every part but the
// year with two digits.
QString DateTimeText(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute, unsigned second,
                     bool padded);

// The frequency a tuning's code stands for, in steps of 8/51 MHz, with up to three decimals.
QString FrequencyText(quint8 code);

// The cell texts of one table row, a text a column, in the locale settings of the moment (the window's
// language sets its date, time and decimal separators).
TRowTexts TuningRowTexts(const TLumbraTuningMessage &tuning);
TRowTexts ImageRowTexts(const TLumbraImageMessage &image);

// What the texts of a row that follow the locale's separators are made from: a tuning's date and frequency
// code, an image's begin and end.
struct TMoment {
    quint16 Year = 0;
    quint8 Day = 0, Month = 0, Hour = 0, Minute = 0, Second = 0;
};
struct TLocaleValues {
    TMoment First, Second;
    quint8 Frequency = 0;
};
TLocaleValues TuningLocaleValues(const TLumbraTuningMessage &tuning);
TLocaleValues ImageLocaleValues(const TLumbraImageMessage &image);
// The row as `row` holds it, with the texts that follow the locale's separators made anew from `values`.
TRowTexts TuningRowTexts(const TLocaleValues &values, const TRowTexts &row);
TRowTexts ImageRowTexts(const TLocaleValues &values, const TRowTexts &row);
