#pragma once

#include <QSaveFile>

// A file written beside its target that replaces it only when committed, so a failure leaves the old file as it
// was. Always unbuffered: a buffered save file commits a short write (a full disk) as if it had succeeded.
class TSaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;
    bool OpenForWriting() { return open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
};
