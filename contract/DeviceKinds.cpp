#include "DeviceKinds.h"

// The texts live on the shared heap, not in this module's memory, so a copy that another module keeps stays
// valid after this module is unloaded.
const TCheckedArray<QString, 0, 1> DeviceKindNames = {{QString::fromLatin1("ZELT-T"), QString::fromLatin1("LUMBRA-C")}};
const TCheckedArray<QString, 0, 1> RecordKindTags = {{QString::fromLatin1("TUN"), QString::fromLatin1("IMG")}};
const TCheckedArray<quint8, 0, 1> DeviceCodes = {{0, 1}};
const TCheckedArray<quint8, 0, 2> MessageKinds = {{0, 1, 2}};
const QString MakerLine = QString::fromUtf8("\u00A9 2026 Kelmar Instruments");
const QString MakerWebAddress = QString::fromLatin1("https://www.kelmar.example.com/");
