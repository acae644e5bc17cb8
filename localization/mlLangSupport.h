#pragma once

#include <QChar>
#include <QString>

class QObject;
class TComponent;

// Small helpers shared by the language component's entries, collection and application.

// The text before the first delimiter; the whole entry when it has none.
QString TextBefore(const QString &entry, QChar delimiter);

bool IsForm(const TComponent *component);

// A component linked to an action keeps the caption and hint its action gives it.
bool HasAssignedAction(const TComponent *component);

// The name of a Windows character set, empty for a code outside the table; and the code of a name, -1 for a
// name outside it (the names compare exactly).
QString CharsetName(int charset);
int CharsetValue(const QString &name);
