#pragma once

#include "tables/FieldSettings.h"

#include <QString>

class TStringGrid;

// What the cells of a column hold, judged on every data row.
enum TColumnKind { ckText = 0, ckInteger = 1, ckFloat = 2 };

// Texts compared by their Windows-1251 bytes, unsigned, a prefix before the longer text: <0, 0, >0.
int CompareCellTexts(const QString &a, const QString &b);

bool IsIntegerColumn(const TStringGrid *grid, int col);
TColumnKind ColumnDataKind(const TStringGrid *grid, int col);
// Stable sort of the data rows by the column's kind.
void SortGridByColumn(TStringGrid *grid, int col, bool ascending);
// Shows and hides columns by their settings and deletes the rows that fail a visible column's criterion.
void ApplyCriteria(TStringGrid *grid, const TFieldSettings &settings);

// 1-based position of pattern in text, "?" matching any character; 0 when none.
int WildcardPos(const QString &pattern, const QString &text);
// Position of the first "*" (0 when none); pattern is cut before it.
int CutAtStar(QString &pattern);
bool MatchMask(const QString &text, const QString &mask, bool ignoreCase);
// First data row whose cell matches the pattern; -1 when none.
int FindRowInColumn(const TStringGrid *grid, int col, const QString &pattern);
