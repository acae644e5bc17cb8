#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the single-byte code page of every text that crosses a file or a module boundary.
QString FromCp1251(const char *bytes, qsizetype length);
QString FromCp1251(const QByteArray &bytes);
// Characters outside the code page become '?'.
QByteArray ToCp1251(const QString &text);
// What a user types is composed first: a letter typed as a base and a combining mark ("и" and a breve) is the
// code page's one character ("й"). Texts that the code page holds are left as they are.
QString ComposedText(const QString &text);
// The characters of the text that the code page has no byte for, each once, in the order they first occur, as
// "中" (U+4E2D), separated by commas; empty when the code page holds the whole text. A character beyond the
// basic plane is one character, a lone surrogate half is named by its code.
QString CharactersOutsideCp1251(QStringView text);
QChar FromCp1251Char(char c);
