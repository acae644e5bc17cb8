#pragma once

#include <QChar>
#include <QString>

class QObject;
class TComponent;
class TPropInfo;
class TStrings;

// Small helpers shared by the language component's entries, collection and application.

// The text before the first delimiter; the whole entry when it has none.
QString TextBefore(const QString &entry, QChar delimiter);
// The text before the first occurrence of the character; empty when it does not occur.
QString TextBeforeChar(const QString &text, QChar c);

// The name of a language (1-based) that was given none: "Language N" and the number.
QString GeneratedLanguageName(int language);
// Appends generated names, or drops the last ones, until the list holds count names.
void FitLanguageNames(TStrings &names, int count);

// Every occurrence of one character in every entry of the list becomes the other.
void ReplaceInEntries(TStrings &list, QChar oldChar, QChar newChar);

// A string property's value; empty when it cannot be read.
QString ReadStrProp(const TPropInfo &property, const QObject *instance);

bool IsForm(const TComponent *component);

// A component linked to an action keeps the caption and hint its action gives it: a control with an action, or
// (HasAssignedActionProperty) any object that publishes an assigned "Action".
bool HasAssignedAction(const TComponent *component);
bool HasAssignedActionProperty(const QObject *object);

// The name of a Windows character set, empty for a code outside the table; and the code of a name, -1 for a
// name outside it (the names compare exactly).
QString CharsetName(int charset);
int CharsetValue(const QString &name);
