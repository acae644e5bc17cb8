#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the single-byte code page of every text that crosses a file or a module boundary.
QString FromCp1251(const char *bytes, qsizetype length);
QString FromCp1251(const QByteArray &bytes);
// Characters outside the code page become '?'.
QByteArray ToCp1251(const QString &text);
QChar FromCp1251Char(char c);
