#pragma once

#include <QString>

// Fields of a language entry: the texts between single delimiters (every character of `delimiters` is
// one). Two adjacent delimiters enclose an empty field, which counts; a delimiter at the start is skipped,
// and the delimiter that ends an entry opens no further field.

// 1-based position in s where field n (1-based) begins; 0 when s has no field n.
int FieldPosition(int n, const QString &s, const QString &delimiters);
// The text of field n; empty when s has no field n.
QString ExtractField(int n, const QString &s, const QString &delimiters);

// Replaces the first occurrence of oldText in s (letter case counts), or every one when `all` is set,
// scanning left to right; text that a replacement creates is not scanned again. An empty oldText is never
// found.
QString ReplaceText(const QString &s, const QString &oldText, const QString &newText, bool all);
