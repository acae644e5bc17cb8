#pragma once

#include "rtl/CheckedArray.h"

#include <QString>
#include <QtGlobal>

// The device kinds and record kinds of the data journal. Every module links its own copy, so all of them
// agree on these codes and texts. An index outside a table raises ERangeError.

// Device-kind text of a record, indexed by the device code of its journal line.
extern const TCheckedArray<QString, 0, 1> DeviceKindNames;
// Device codes, the first token of a journal line: 0 the ZELT-T instrument, 1 the LUMBRA-C instrument.
extern const TCheckedArray<quint8, 0, 1> DeviceCodes;
// Kind codes, the second token of a journal line; what they mean depends on the device code.
extern const TCheckedArray<quint8, 0, 2> MessageKinds;
// Short tags of the LUMBRA-C instrument's record kinds: tuning and image.
extern const TCheckedArray<QString, 0, 1> RecordKindTags;

// The maker as the about boxes of the program and of its plug-ins name it: the copyright line, and the web
// address that their link label opens.
extern const QString MakerLine;
extern const QString MakerWebAddress;
