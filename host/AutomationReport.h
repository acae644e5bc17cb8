#pragma once

#include <QString>
#include <utility>
#include <vector>

class QObject;

// The script driver's report: one line per item, a kind and TAB-separated name=value pairs on the standard
// output; TABs, line breaks and backslashes in values are escaped.
using TFields = std::vector<std::pair<QString, QString>>;

void Report(const QString &kind, const TFields &fields);
QString Flag(bool value);
// A published property as text; empty when the object has none of that name.
QString Text(const QObject *object, const char *property);
