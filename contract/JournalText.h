#pragma once

#include <QString>

// Widths of the fixed text fields of tuning and image lines, in code-page bytes.
constexpr qsizetype RecordNameWidth = 40;
constexpr qsizetype CommentsWidth = 100;
constexpr qsizetype ControlMadeWidth = 60;

// A record text as its journal line carries it: a line break (CR LF, CR or LF) becomes one blank, so one
// record always stays one line.
QString OneLine(const QString &text);

// A fixed-width text field as its journal line carries it: one line of code-page bytes (a character outside
// the code page being one '?'), cut to `width` of them. A longer text would push every field after it out of
// place, and the line would no longer be read as a record.
QByteArray FieldBytes(const QString &text, qsizetype width);
