#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// Cell texts read as the table's rows compare them, without copying the text: plain digits take a short path,
// anything else goes through the general conversion, so the results are always the same as its.

// As TryStrToInt.
bool CellToInt(QStringView text, int &value);
// As TryStrToFloat, with the current decimal separator.
bool CellToFloat(QStringView text, double &value);
// Appends the text's Windows-1251 bytes, as ToCp1251 gives them.
void AppendCp1251(QStringView text, QByteArray &bytes);
// Byte texts compared unsigned, a prefix before the longer text: <0, 0, >0.
int CompareBytes(QByteArrayView a, QByteArrayView b);
