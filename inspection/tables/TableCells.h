#pragma once

#include <QString>
#include <vector>

class TLumbraImageMessage;
class TLumbraTuningMessage;
class TStringGrid;

// Day, month, year, hour, minute, second in the locale's separators; the padded form writes every part but the
// year with two digits.
QString DateTimeText(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute, unsigned second,
                     bool padded);

// The frequency a tuning's code stands for, in steps of 8/51 MHz, with up to three decimals.
QString FrequencyText(quint8 code);

// The cell texts of one table row, a text a column, in the locale settings of the moment (the window's
// language sets its date, time and decimal separators).
std::vector<QString> TuningRowTexts(const TLumbraTuningMessage &tuning);
std::vector<QString> ImageRowTexts(const TLumbraImageMessage &image);

// Writes every cell of the row from the record in its first cell's object: the tunings' layout for a grid
// tagged 1, the images' for any other. A row without a record is left as it is.
void FillGridRow(TStringGrid *grid, int row);
