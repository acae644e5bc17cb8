#pragma once

#include "registry/RegistryKey.h"

#include <QByteArray>

// The settings file, a UTF-8 text in the manner of a registry export:
//
//   Ormel Registry 1
//
//   [HKEY_CURRENT_USER\Software\Kelmar\OrmelSW]
//   "DataFile"="C:\\data\\ormeldata.txt"
//   "Language"=dword:00000002
//
// A section holds the values of one key, named by its full path from the root key; "@" is the value
// without a name. Inside quotes \\, \", \n, \r, \t and \uXXXX (any other control character) are escaped, so
// every text survives a round trip exactly. Integers are 32-bit, written in hexadecimal.

struct TRegistryText {
    TRegistryKey Tree; // one sub-key per root key
    // Some lines could not be read (or repeated a value); rewriting the file would lose them.
    bool Damaged = false;
};

// Reads every line it can; a line it cannot read (and the values of a section whose header it cannot read)
// is left out and marks the text damaged.
TRegistryText ParseRegistryText(const QByteArray &text);
QByteArray FormatRegistryText(const TRegistryKey &tree);

// Whether a name may be a component of a key path: not empty, no "\" and no control character.
bool IsValidKeyName(const QString &name);
