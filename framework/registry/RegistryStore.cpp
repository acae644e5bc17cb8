#include "registry/RegistryStore.h"

#include "classes/SaveFile.h"
#include "registry/RegistryText.h"
#include "rtl/Exceptions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {
// How long an operation waits for a lock that another program holds before it gives up.
constexpr int LockWaitMs = 5000;
// A file changed this short a time before it was read may change again with the same size and time stamp
// (coarse file-system clocks): its bytes are compared before the tree read from them is trusted.
constexpr qint64 UnsettledMs = 3000;

QString ErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// An flock on the lock file, held while the object lives.
class TStoreLock {
public:
    TStoreLock(const QString &path, bool exclusive)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) {
            error_ = ErrorText(errno);
            return;
        }
        const QDeadlineTimer deadline(LockWaitMs);
        while (::flock(fd_, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            if (error == EWOULDBLOCK && !deadline.hasExpired()) {
                ::usleep(20000);
                continue;
            }
            timedOut_ = error == EWOULDBLOCK;
            error_ = timedOut_ ? QString("another program has held it for more than %1 seconds").arg(LockWaitMs / 1000)
                               : ErrorText(error);
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
    ~TStoreLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TStoreLock(const TStoreLock &) = delete;
    TStoreLock &operator=(const TStoreLock &) = delete;

    bool Held() const { return fd_ >= 0; }
    // Another program holds the lock; otherwise the lock file itself could not be opened.
    bool TimedOut() const { return timedOut_; }
    const QString &Error() const { return error_; }

private:
    int fd_ = -1;
    bool timedOut_ = false;
    QString error_;
};

QString LockPath(const QString &storePath) { return storePath + QLatin1String(".lock"); }

// The failure of the store in the current user action. Every module of the process sees it: it hangs on Qt's
// application object, which they share, and goes by Qt's own deferred deletion when control returns to the
// event loop, that is when the action is over. Only Qt's code runs then, so a plug-in that is gone by then
// leaves nothing behind. Kept for the user-interface thread, where the actions run.
const QLatin1String failureNoteName("ormelSettingsStoreFailure");

QCoreApplication *ActionThreadApplication()
{
    QCoreApplication *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread() ? application : nullptr;
}

QObject *FailureNote()
{
    const QCoreApplication *application = ActionThreadApplication();
    return application ? application->findChild<QObject *>(failureNoteName, Qt::FindDirectChildrenOnly) : nullptr;
}

// Fails at once when the store already failed in this action.
void CheckNoFailureInAction(const QString &path)
{
    if (const QObject *note = FailureNote(); note && note->property("path").toString() == path)
        throw ERegistryException(note->property("failure").toString());
}

// The store cannot be used now: the rest of the action does not wait for it again.
ERegistryException StoreFailed(const QString &path, const QString &message)
{
    if (QCoreApplication *application = ActionThreadApplication(); application && !FailureNote()) {
        auto *note = new QObject(application);
        note->setObjectName(failureNoteName);
        note->setProperty("path", path);
        note->setProperty("failure", message);
        note->deleteLater();
    }
    return ERegistryException(message);
}

ERegistryException LockFailed(const QString &path, const TStoreLock &lock)
{
    return StoreFailed(path, QString("Cannot lock the settings file %1 through %2: %3")
                                 .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(LockPath(path)),
                                      lock.Error()));
}

ERegistryException ReadFailed(const QString &path, const QString &cause)
{
    return StoreFailed(path,
                       QString("Cannot read the settings file %1: %2").arg(QDir::toNativeSeparators(path), cause));
}

// What tells one version of the file from another without reading it: a rewrite makes a new file.
struct TFileStamp {
    dev_t Device;
    ino_t Inode;
    off_t Size;
    qint64 ModifiedMs;
    qint64 ChangedNs;
    bool operator==(const TFileStamp &other) const
    {
        return std::tie(Device, Inode, Size, ModifiedMs, ChangedNs)
               == std::tie(other.Device, other.Inode, other.Size, other.ModifiedMs, other.ChangedNs);
    }
};

// None when the file does not exist.
std::optional<TFileStamp> StampOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw ReadFailed(path, ErrorText(errno));
    }
    // Opening a pipe or a device would wait for a writer, or read without end.
    if (!S_ISREG(info.st_mode))
        throw ReadFailed(path, QStringLiteral("it is not a regular file"));
    return TFileStamp{info.st_dev, info.st_ino, info.st_size,
                      qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000,
                      qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

// The store as this module last read or wrote it: parsing a large file for every operation would make each
// one take seconds, so the tree is kept as long as the file is the one it was read from. While an update is
// open, the tree holds its changes too, which the file does not yet.
struct TStoreCache {
    QString Path;
    std::optional<TFileStamp> Stamp;
    qint64 VerifiedAtMs = 0; // when Bytes were last seen to be the file's
    QByteArray Bytes;
    TRegistryText Text;

    int UpdateDepth = 0;
    QString UpdatePath;                  // the store the open update changes
    std::vector<TRegistryChange> Pending; // its changes, in order

    int ReadDepth = 0;
    bool LookedInRead = false; // the open read looked at the file of Path

    // The tree read from the file goes; the open update's changes stay, to be made again on the next one.
    void Forget()
    {
        LookedInRead = false;
        Path.clear();
        Stamp.reset();
        VerifiedAtMs = 0;
        Bytes.clear();
        Text = TRegistryText();
    }
};

TStoreCache &Cache()
{
    static TStoreCache cache;
    return cache;
}

// A tree newly read (or found empty) takes the open update's changes again. A change that no longer applies
// (another program removed its key) is dropped: that removal came last.
void MakePendingChanges(TStoreCache &cache)
{
    if (cache.Path != cache.UpdatePath)
        return;
    for (const TRegistryChange &change : cache.Pending) {
        try {
            change(cache.Text.Tree);
        } catch (const ERegistryException &) {
        }
    }
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReadFailed(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ReadFailed(path, file.errorString());
    return bytes;
}

// The stored text, read again only when the file is no longer the one read last; called under the lock.
TRegistryText &CurrentText(const QString &path)
{
    TStoreCache &cache = Cache();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const std::optional<TFileStamp> stamp = StampOf(path);
    const bool sameFile = cache.Path == path && cache.Stamp == stamp;
    if (!stamp) {
        if (!sameFile) {
            cache.Forget();
            cache.Path = path;
            MakePendingChanges(cache);
        }
        return cache.Text;
    }
    if (sameFile && stamp->ModifiedMs + UnsettledMs < cache.VerifiedAtMs)
        return cache.Text;
    QByteArray bytes = ReadBytes(path);
    const bool changed = cache.Path != path || !cache.Stamp || bytes != cache.Bytes;
    if (changed)
        cache.Text = ParseRegistryText(bytes);
    cache.Path = path;
    cache.Stamp = stamp;
    cache.Bytes = std::move(bytes);
    cache.VerifiedAtMs = now;
    if (changed)
        MakePendingChanges(cache);
    return cache.Text;
}

// The first rewrite of a damaged file would drop the lines that could not be read: keep the file as it was
// under a name no earlier copy uses.
void KeepDamagedCopy(const QString &path)
{
    QString copy = path + QLatin1String(".corrupt");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = path + QLatin1String(".corrupt.") + QString::number(n);
    if (!QFile::copy(path, copy))
        throw StoreFailed(path, QString("The settings file %1 holds unreadable lines and no copy of it could be kept "
                                        "in %2; it is left unchanged")
                                    .arg(path, copy));
    qWarning("The settings file %s holds lines that cannot be read; they are left out from now on, and the file "
             "as it was is kept in %s",
             qPrintable(QDir::toNativeSeparators(path)), qPrintable(QDir::toNativeSeparators(copy)));
}

void WriteText(const QString &path, TRegistryText &text)
{
    TStoreCache &cache = Cache();
    if (text.Damaged)
        KeepDamagedCopy(path);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QByteArray bytes = FormatRegistryText(text.Tree);
    TSaveFile file(path);
    errno = 0;
    if (!file.OpenForWriting() || file.write(bytes) != bytes.size() || !file.commit())
        throw StoreFailed(path, QString("Cannot write the settings file %1: %2")
                                    .arg(QDir::toNativeSeparators(path), FileErrorCause(file, errno)));
    text.Damaged = false;
    cache.Stamp = StampOf(path);
    cache.Bytes = std::move(bytes);
    cache.VerifiedAtMs = now;
}

// The store as this module sees it, read under the shared lock. A folder that does not exist holds neither the
// file nor its lock: its store is empty, apart from the open update's changes.
TRegistryText &SharedText(const QString &path)
{
    if (!QFileInfo(path).absoluteDir().exists()) {
        TStoreCache &cache = Cache();
        if (cache.Path != path || cache.Stamp) {
            cache.Forget();
            cache.Path = path;
            MakePendingChanges(cache);
        }
        return cache.Text;
    }
    // A folder this user may not write is read without the lock: nobody else can change it either.
    const TStoreLock lock(LockPath(path), false);
    if (lock.TimedOut())
        throw LockFailed(path, lock);
    return CurrentText(path);
}

// Runs `write` on the store's text under the exclusive lock; whatever fails, the module reads the file anew.
void WriteUnderLock(const QString &path, const std::function<void(TRegistryText &text)> &write)
{
    const QString folder = QFileInfo(path).absolutePath();
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        throw StoreFailed(path, QString("Cannot create the settings folder %1: %2")
                                    .arg(QDir::toNativeSeparators(folder), QString::fromStdString(error.message())));
    const TStoreLock lock(LockPath(path), true);
    if (!lock.Held())
        throw LockFailed(path, lock);
    try {
        write(CurrentText(path));
    } catch (...) {
        // The tree may hold a change that never reached the file.
        Cache().Forget();
        throw;
    }
}

// The open update's changes, made again on the file as it is now, in one rewrite.
void WritePendingChanges()
{
    TStoreCache &cache = Cache();
    if (cache.Pending.empty())
        return;
    const QString path = cache.UpdatePath;
    try {
        CheckNoFailureInAction(path);
        WriteUnderLock(path, [&path](TRegistryText &text) { WriteText(path, text); });
    } catch (...) {
        cache.Pending.clear();
        cache.Forget();
        throw;
    }
    cache.Pending.clear();
}
} // namespace

QString RegistryStorePath()
{
    QString path = qEnvironmentVariable("ORMEL_REGISTRY");
    if (!path.isEmpty()) {
        // A relative name would follow the program into every folder it changes to, and each module of the
        // process would find a store of its own: it is resolved once, against the folder of the first use,
        // and put back for all of them.
        if (QDir::isRelativePath(path)) {
            path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
            qputenv("ORMEL_REGISTRY", QFile::encodeName(path));
        }
        return path;
    }
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QLatin1String("/.config");
    return config + QLatin1String("/ormel/registry.txt");
}

void KeepRegistryStoreCache() { Cache(); }

bool FirstToTellStoreFailure()
{
    QObject *note = FailureNote();
    if (!note || note->property("path").toString() != RegistryStorePath())
        return true;
    if (note->property("told").toBool())
        return false;
    note->setProperty("told", true);
    return true;
}

const TRegistryKey &ReadRegistryStore()
{
    const QString path = RegistryStorePath();
    CheckNoFailureInAction(path);
    TStoreCache &cache = Cache();
    if (cache.ReadDepth > 0 && cache.LookedInRead && cache.Path == path)
        return cache.Text.Tree;
    const TRegistryKey &tree = SharedText(path).Tree;
    cache.LookedInRead = cache.ReadDepth > 0;
    return tree;
}

bool UpdateRegistryStore(const TRegistryChange &change)
{
    const QString path = RegistryStorePath();
    CheckNoFailureInAction(path);
    TStoreCache &cache = Cache();
    bool changed = false;
    if (cache.UpdateDepth > 0 && cache.UpdatePath == path) {
        TRegistryText &text = SharedText(path);
        try {
            changed = change(text.Tree);
        } catch (...) {
            cache.Forget();
            throw;
        }
        if (changed)
            cache.Pending.push_back(change);
        return changed;
    }
    WriteUnderLock(path, [&](TRegistryText &text) {
        changed = change(text.Tree);
        if (changed)
            WriteText(path, text);
    });
    return changed;
}

TRegistryUpdate::TRegistryUpdate() : exceptions_(std::uncaught_exceptions())
{
    TStoreCache &cache = Cache();
    if (cache.UpdateDepth++ == 0)
        cache.UpdatePath = RegistryStorePath();
}

TRegistryUpdate::~TRegistryUpdate() noexcept(false)
{
    if (--Cache().UpdateDepth > 0)
        return;
    if (std::uncaught_exceptions() == exceptions_) {
        WritePendingChanges();
        return;
    }
    try {
        WritePendingChanges();
    } catch (const ERegistryException &) {
        // The exception that ends the action is the one reported.
    }
}

TRegistryRead::TRegistryRead() { ++Cache().ReadDepth; }

TRegistryRead::~TRegistryRead()
{
    TStoreCache &cache = Cache();
    if (--cache.ReadDepth == 0)
        cache.LookedInRead = false;
}
