#pragma once

#include <QSaveFile>
#include <QString>
#include <cstring>

// A file written beside its target that replaces it only when committed, so a failure leaves the old file as it
// was. Always unbuffered: a buffered save file commits a short write (a full disk) as if it had succeeded.
class TSaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;
    bool OpenForWriting() { return open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
};

// The cause of a file's failure as the system names it: a write cut short (a full disk) leaves the file's own
// text "Unknown error", while errno, given as `error`, tells.
inline QString FileErrorCause(const QFileDevice &file, int error)
{
    const QString reason = file.errorString();
    if (error != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(error));
    return reason;
}
