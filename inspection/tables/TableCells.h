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
// The record's row as `row` holds it, with only the texts that follow the locale's separators (dates, times and
// the frequency) made anew.
TRowTexts TuningRowTexts(const TLumbraTuningMessage &tuning, const TRowTexts &row);
TRowTexts ImageRowTexts(const TLumbraImageMessage &image, const TRowTexts &row);
