#pragma once

#include <QString>

// A record text as its journal line carries it: a line break (CR LF, CR or LF) becomes one blank, so one
// record always stays one line.
QString OneLine(const QString &text);
