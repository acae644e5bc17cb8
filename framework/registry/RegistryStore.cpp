#include "registry/RegistryStore.h"

#include "classes/SaveFile.h"
#include "registry/RegistryText.h"
#include "rtl/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// An flock on the lock file, held while the object lives.
class TStoreLock {
public:
    TStoreLock(const QString &path, bool exclusive)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        int result = fd_ < 0 ? -1 : 0;
        while (fd_ >= 0 && (result = ::flock(fd_, exclusive ? LOCK_EX : LOCK_SH)) != 0 && errno == EINTR) {
        }
        if (result == 0)
            return;
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    ~TStoreLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TStoreLock(const TStoreLock &) = delete;
    TStoreLock &operator=(const TStoreLock &) = delete;

    bool Held() const { return fd_ >= 0; }
    const QString &Error() const { return error_; }

private:
    int fd_ = -1;
    QString error_;
};

QString LockPath(const QString &storePath) { return storePath + QLatin1String(".lock"); }

TRegistryText ReadStoreFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) && !QFileInfo::exists(path))
        return TRegistryText();
    const QByteArray bytes = file.isOpen() ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError)
        throw ERegistryException(QString("Cannot read the settings file %1: %2").arg(path, file.errorString()));
    return ParseRegistryText(bytes);
}

// The first rewrite of a damaged file would drop the lines that could not be read: keep the file as it was
// under a name no earlier copy uses.
void KeepDamagedCopy(const QString &path)
{
    QString copy = path + QLatin1String(".corrupt");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = path + QLatin1String(".corrupt.") + QString::number(n);
    if (!QFile::copy(path, copy))
        throw ERegistryException(
            QString("The settings file %1 holds unreadable lines and no copy of it could be kept in %2; it is left "
                    "unchanged")
                .arg(path, copy));
    qWarning("The settings file %s holds lines that cannot be read; they are left out from now on, and the file "
             "as it was is kept in %s",
             qPrintable(QDir::toNativeSeparators(path)), qPrintable(QDir::toNativeSeparators(copy)));
}
} // namespace

QString RegistryStorePath()
{
    const QString path = qEnvironmentVariable("ORMEL_REGISTRY");
    if (!path.isEmpty())
        return path;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QLatin1String("/.config");
    return config + QLatin1String("/ormel/registry.txt");
}

TRegistryKey ReadRegistryStore()
{
    const QString path = RegistryStorePath();
    if (!QFileInfo(path).absoluteDir().exists())
        return TRegistryKey();
    // A folder this user may not write is read without the lock: nobody else can change it either.
    TStoreLock lock(LockPath(path), false);
    return std::move(ReadStoreFile(path).Tree);
}

void UpdateRegistryStore(const std::function<bool(TRegistryKey &tree)> &change)
{
    const QString path = RegistryStorePath();
    const QDir folder = QFileInfo(path).absoluteDir();
    if (!folder.mkpath(QLatin1String(".")))
        throw ERegistryException(QString("Cannot create the settings folder %1").arg(folder.path()));
    TStoreLock lock(LockPath(path), true);
    if (!lock.Held())
        throw ERegistryException(QString("Cannot lock the settings file %1: %2").arg(LockPath(path), lock.Error()));
    TRegistryText text = ReadStoreFile(path);
    if (!change(text.Tree))
        return;
    if (text.Damaged)
        KeepDamagedCopy(path);
    const QByteArray bytes = FormatRegistryText(text.Tree);
    TSaveFile file(path);
    if (!file.OpenForWriting() || file.write(bytes) != bytes.size() || !file.commit())
        throw ERegistryException(QString("Cannot write the settings file %1: %2").arg(path, file.errorString()));
}
