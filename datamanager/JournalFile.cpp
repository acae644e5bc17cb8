#include "JournalFile.h"

#include "classes/SaveFile.h"
#include "rtl/Exceptions.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>
#include <xxhash.h>
// The library picks the widest vector unit of the processor it runs on.
#if defined(__x86_64__) || defined(_M_X64)
#include <xxh_x86dispatch.h>
#endif

namespace {
constexpr qint64 BlockSize = TJournalOutput::BlockSize;
// A file whose status changed this short a time ago may change again without a new time stamp: file-system
// clocks are coarse, a network file system's clock is another machine's.
constexpr qint64 UnsettledNs = qint64(3) * 1000 * 1000 * 1000;

const char *Find(const char *from, const char *end, char c)
{
    const void *found = from < end ? std::memchr(from, c, size_t(end - from)) : nullptr;
    return found ? static_cast<const char *>(found) : end;
}

[[noreturn]] void FileError(const char *what, const QString &fileName, const QString &cause)
{
    throw EInOutError(QString("%1 \"%2\": %3").arg(QLatin1String(what), QDir::toNativeSeparators(fileName), cause));
}

[[noreturn]] void FileError(const char *what, const QString &fileName, const QFileDevice &file)
{
    const int error = errno;
    FileError(what, fileName, FileErrorCause(file, error));
}

[[noreturn]] void SystemError(const char *what, const QString &fileName, int error)
{
    FileError(what, fileName, QString::fromLocal8Bit(std::strerror(error)));
}

// A pipe or a device is no journal: opening it would wait for a writer, and reading it might never end. Nor is a
// folder, or a link to a file that does not exist.
void OpenJournal(QFile &file, const QString &fileName, QIODevice::OpenMode mode)
{
    const QFileInfo info(fileName);
    if (info.isDir())
        FileError("Cannot open file", fileName, QStringLiteral("it is a folder"));
    if (info.exists() && !info.isFile())
        FileError("Cannot open file", fileName, QStringLiteral("it is not a regular file"));
    if (info.isSymLink() && !info.exists())
        FileError("Cannot open file", fileName,
                  QStringLiteral("it is a link to \"%1\", which does not exist")
                      .arg(QDir::toNativeSeparators(info.symLinkTarget())));
    errno = 0;
    if (!file.open(mode))
        FileError("Cannot open file", fileName, file);
}

qint64 Nanoseconds(const timespec &time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; }

qint64 SystemClockNs() { return QDateTime::currentMSecsSinceEpoch() * 1000000; }

TJournalFileState StateOf(const struct stat &info)
{
    return {quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size), Nanoseconds(info.st_mtim),
            Nanoseconds(info.st_ctim)};
}

// Asked of the open file itself: its name may meanwhile name another.
TJournalFileState StateOf(const QFile &file, const QString &fileName)
{
    struct stat info;
    if (::fstat(file.handle(), &info) != 0)
        SystemError("Cannot read file", fileName, errno);
    return StateOf(info);
}

// None when the file does not exist.
std::optional<TJournalFileState> StateOf(const QString &fileName)
{
    struct stat info;
    if (::stat(QFile::encodeName(fileName).constData(), &info) == 0)
        return StateOf(info);
    if (errno == ENOENT)
        return std::nullopt;
    SystemError("Cannot read file", fileName, errno);
}

bool SettledAt(const TJournalFileState &state, qint64 now) { return state.ChangedNs + UnsettledNs < now; }

TJournalStamp ExistingJournal(const QString &fileName)
{
    TJournalStamp stamp;
    stamp.FileName = fileName;
    stamp.Exists = true;
    return stamp;
}

// Reads the open file from its start in blocks; `block` gets each one.
void ReadBlocks(QFile &file, const QString &fileName, const std::function<void(QByteArray &buffer, bool atEnd)> &block)
{
    QByteArray buffer;
    bool atEnd = false;
    while (!atEnd) {
        const qsizetype kept = buffer.size();
        buffer.resize(kept + BlockSize);
        errno = 0;
        const qint64 read = file.read(buffer.data() + kept, BlockSize);
        if (read < 0)
            FileError("Cannot read file", fileName, file);
        buffer.resize(kept + read);
        atEnd = read == 0;
        block(buffer, atEnd);
    }
}

// Tests only: with ORMEL_TEST_JOURNAL_PAUSE naming a file, a rewrite that looks at the journal a last time, and
// an append that failed and takes its bytes back, make that file just before they do so, and go on once the file
// is gone (a minute at most), so that a test can change the journal, or end the program, at that very moment.
void PauseForTest()
{
    const QString flag = qEnvironmentVariable("ORMEL_TEST_JOURNAL_PAUSE");
    if (flag.isEmpty() || !QFile(flag).open(QIODevice::WriteOnly))
        return;
    for (int waited = 0; QFileInfo::exists(flag) && waited < 60000; waited += 10)
        QThread::msleep(10);
}

// The file a rewrite replaces: a journal that is a symbolic link stays one, and the file it names gets the new
// bytes.
QString ReplacedFile(const QString &fileName)
{
    const QFileInfo journal(fileName);
    if (!journal.isSymLink())
        return fileName;
    const QString target = journal.canonicalFilePath();
    return target.isEmpty() ? journal.symLinkTarget() : target;
}

// Where one write of this program landed in the file.
struct TWrittenPiece {
    qint64 Start;
    qint64 Length;
};

// Writes the bytes where the file ends at each write (another program may append between two writes), and notes
// where each piece landed. False, with errno set, when a write fails.
bool AppendBytes(int fd, QByteArrayView bytes, std::vector<TWrittenPiece> &pieces)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        const off_t end = ::lseek(fd, 0, SEEK_CUR);
        if (end < 0)
            return false;
        pieces.push_back({qint64(end) - written, written});
        done += written;
    }
    return true;
}

// Reads or writes (`transfer`: pread or pwrite) all `size` bytes at the offset, however many calls that takes.
template <class Data, class Transfer>
bool TransferAt(Transfer transfer, int fd, Data *data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t done = transfer(fd, data, size_t(size), off_t(offset));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= done;
        offset += done;
    }
    return true;
}

// Takes this program's pieces out of the file again: what another program appended after them moves down into
// their place, so the file holds what it held before, then the other program's bytes. False when that cannot be
// done: the file was cut meanwhile, or a read or a write fails.
bool TakeBack(int fd, const std::vector<TWrittenPiece> &pieces)
{
    if (pieces.empty())
        return true;
    // Written at given places from now on: an appending descriptor would put every write at the end.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_APPEND) != 0)
        return false;
    const qint64 start = pieces.front().Start;
    const qint64 ours = pieces.back().Start + pieces.back().Length;
    QByteArray after; // the file from `start` on, as far as it was read
    // Each round reads what was appended since the last; a writer that never pauses is not waited for.
    for (int round = 0; round < 100; ++round) {
        struct stat info;
        if (::fstat(fd, &info) != 0 || info.st_size < ours)
            return false;
        const qint64 end = start + after.size();
        if (info.st_size < end)
            return false;
        if (info.st_size > end) {
            const qsizetype read = after.size();
            after.resize(read + qsizetype(info.st_size - end));
            if (!TransferAt(::pread, fd, after.data() + read, info.st_size - end, end))
                return false;
            continue;
        }
        QByteArray theirs = after;
        for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece)
            theirs.remove(qsizetype(piece->Start - start), qsizetype(piece->Length));
        if (!TransferAt(::pwrite, fd, theirs.constData(), theirs.size(), start))
            return false;
        // Bytes appended while this one moved lie beyond `end` still: they are moved too before the file is cut.
        if (::fstat(fd, &info) != 0)
            return false;
        if (info.st_size == end)
            return ::ftruncate(fd, off_t(start + theirs.size())) == 0;
    }
    return false;
}

// The name of a rewrite's new journal beside the file it replaces: its name, eight hexadecimal digits, ".new".
QString NewJournalName(const QString &target)
{
    return QString("%1.%2.new").arg(target).arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// Whether the file name is one that NewJournalName gives beside the file of that target name.
bool IsNewJournalName(QStringView name, QStringView targetName)
{
    const QStringView suffix = u".new";
    if (name.size() != targetName.size() + 9 + suffix.size() || !name.startsWith(targetName)
        || name[targetName.size()] != u'.' || !name.endsWith(suffix))
        return false;
    const QStringView digits = name.sliced(targetName.size() + 1, 8);
    return std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); });
}

// Whether the path still names the open file, a regular one: another program's start may have taken a new
// journal for a leftover and removed it, or another file may have taken a leftover's name since it was opened.
bool StillNamed(int fd, const QByteArray &path)
{
    struct stat open, named;
    return ::fstat(fd, &open) == 0 && S_ISREG(open.st_mode) && ::lstat(path.constData(), &named) == 0
           && open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// The new journal on its way: a file of its own beside the file it replaces, gone again unless it took its
// place. It is locked while it lives, so that another program's start tells it from the leftover of a program
// ended half-way. Failures name the journal as the user knows it.
class TNewJournal {
public:
    explicit TNewJournal(const QString &fileName) : fileName_(fileName), target_(ReplacedFile(fileName))
    {
        // A name that an earlier rewrite's leftover has taken is tried again with another, and so is one that
        // another program removed before the lock was taken.
        while (true) {
            file_.setFileName(NewJournalName(target_));
            errno = 0;
            if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
                if (errno == EEXIST)
                    continue;
                FileError("Cannot create file", fileName, file_);
            }
            // A file system without locks keeps the file all the same: no start removes what it cannot lock.
            while (::flock(file_.handle(), LOCK_EX) != 0 && errno == EINTR) {
            }
            if (StillNamed(file_.handle(), QFile::encodeName(file_.fileName())))
                break;
            file_.close();
        }
        // The journal keeps who may read and write it.
        if (const QFileInfo journal(target_); journal.exists())
            file_.setPermissions(journal.permissions());
    }
    ~TNewJournal()
    {
        if (replaced_)
            return;
        // Removed while the lock is held, so no other program takes it for a leftover of its own.
        ::unlink(QFile::encodeName(file_.fileName()).constData());
        file_.close();
    }
    TNewJournal(const TNewJournal &) = delete;
    TNewJournal &operator=(const TNewJournal &) = delete;

    void Write(QByteArrayView block)
    {
        errno = 0;
        if (file_.write(block.data(), block.size()) != block.size())
            FileError("Cannot write file", fileName_, file_);
    }
    // On the disk, not only in the system's cache, before it may replace the journal.
    void Sync()
    {
        if (::fsync(file_.handle()) != 0)
            SystemError("Cannot write file", fileName_, errno);
    }
    // Takes the journal's place; returns the state of the new journal.
    TJournalFileState Replace()
    {
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(file_.fileName()).constData(),
                                QFile::encodeName(target_).constData(), error);
        if (error)
            FileError("Cannot replace file", fileName_, QString::fromLocal8Bit(error.message()));
        replaced_ = true;
        const TJournalFileState state = StateOf(file_, fileName_);
        file_.close();
        SyncFolder();
        return state;
    }

private:
    // The folder's entry is what makes the new journal the journal: a file system that cannot sync a folder
    // has nothing more to do.
    void SyncFolder() const
    {
        const int folder =
            ::open(QFile::encodeName(QFileInfo(target_).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
        if (folder < 0)
            return;
        ::fsync(folder);
        ::close(folder);
    }

    QString fileName_;
    QString target_;
    QFile file_;
    bool replaced_ = false;
};
} // namespace

qint64 (*JournalClock)() = &SystemClockNs;

qsizetype SplitJournalLines(QByteArrayView bytes, bool atEnd, const TJournalLineHandler &handler)
{
    const char *begin = bytes.data();
    const char *end = begin + bytes.size();
    const char *line = begin;
    const char *lf = Find(line, end, '\n');
    const char *cr = Find(line, end, '\r');
    while (true) {
        const char *eol = qMin(lf, cr);
        if (eol == end)
            break;
        const char *next = eol + 1;
        if (*eol == '\r') {
            if (next == end && !atEnd)
                break;
            if (next != end && *next == '\n')
                ++next;
        }
        handler(QByteArrayView(line, eol - line));
        line = next;
        if (lf < line)
            lf = Find(line, end, '\n');
        if (cr < line)
            cr = Find(line, end, '\r');
    }
    if (atEnd && line != end) {
        handler(QByteArrayView(line, end - line));
        line = end;
    }
    return line - begin;
}

void TJournalChecksum::TFreeState::operator()(XXH3_state_s *state) const { XXH3_freeState(state); }

namespace {
XXH3_state_t *NewHashState()
{
    XXH3_state_t *state = XXH3_createState();
    if (!state)
        throw std::bad_alloc();
    return state;
}
} // namespace

TJournalChecksum::TJournalChecksum(const TJournalChecksum &other) { *this = other; }

TJournalChecksum &TJournalChecksum::operator=(const TJournalChecksum &other)
{
    if (!other.state_)
        state_.reset();
    else {
        if (!state_)
            state_.reset(NewHashState());
        XXH3_copyState(state_.get(), other.state_.get());
    }
    length_ = other.length_;
    return *this;
}

TJournalChecksum::~TJournalChecksum() = default;

void TJournalChecksum::Add(QByteArrayView bytes)
{
    if (!state_) {
        state_.reset(NewHashState());
        XXH3_64bits_reset(state_.get());
    }
    XXH3_64bits_update(state_.get(), bytes.data(), size_t(bytes.size()));
    length_ += bytes.size();
}

quint64 TJournalChecksum::Value() const { return state_ ? XXH3_64bits_digest(state_.get()) : XXH3_64bits(nullptr, 0); }

bool TJournalStamp::Knows(const QString &fileName) const
{
    return !FileName.isEmpty() && QFileInfo(FileName).absoluteFilePath() == QFileInfo(fileName).absoluteFilePath();
}

TJournalStamp ReadJournalLines(const QString &fileName, const TJournalLineHandler &handler,
                               const TReadProgress &progress)
{
    // Taken before the file is opened: a change made while it is read, however long that takes, is later.
    const qint64 opened = JournalClock();
    QFile file(fileName);
    OpenJournal(file, fileName, QIODevice::ReadOnly);
    TJournalStamp stamp = ExistingJournal(fileName);
    const qint64 size = file.size();
    qsizetype checked = 0;
    ReadBlocks(file, fileName, [&](QByteArray &buffer, bool atEnd) {
        stamp.Bytes.Add(QByteArrayView(buffer).sliced(checked));
        buffer.remove(0, SplitJournalLines(buffer, atEnd, handler));
        checked = buffer.size();
        if (progress)
            progress(stamp.Bytes.Length(), size);
    });
    stamp.File = StateOf(file, fileName);
    // Bytes added while it was read make it another file than the one read.
    stamp.Settled = stamp.File.Size == stamp.Bytes.Length() && SettledAt(stamp.File, opened);
    return stamp;
}

TJournalStamp MissingJournal(const QString &fileName)
{
    TJournalStamp stamp;
    stamp.FileName = fileName;
    return stamp;
}

bool JournalUnchanged(TJournalStamp &stamp)
{
    const qint64 now = JournalClock();
    const std::optional<TJournalFileState> state = StateOf(stamp.FileName);
    if (!state)
        return true;
    if (!stamp.Exists || *state != stamp.File)
        return false;
    if (stamp.Settled)
        return true;
    QFile file(stamp.FileName);
    OpenJournal(file, stamp.FileName, QIODevice::ReadOnly);
    TJournalChecksum bytes;
    ReadBlocks(file, stamp.FileName, [&](QByteArray &buffer, bool) {
        bytes.Add(buffer);
        buffer.resize(0);
    });
    if (!(bytes == stamp.Bytes))
        return false;
    // A change from now on gives the file a later status-change time than the one stamped.
    stamp.Settled = SettledAt(*state, now);
    return true;
}

void AppendJournalLines(const QString &fileName, QByteArrayView lines, TJournalStamp &stamp)
{
    const bool known = stamp.Knows(fileName);
    QFile file(fileName);
    OpenJournal(file, fileName, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered);
    const int fd = file.handle();
    const qint64 length = StateOf(file, fileName).Size;
    // A last line without line end would take the new line in as its own end: close it first.
    char last = '\n';
    if (length > 0 && ::pread(fd, &last, 1, length - 1) != 1)
        SystemError("Cannot read file", fileName, errno);
    QByteArray bytes = last == '\n' || last == '\r' ? QByteArray() : QByteArray("\r\n");
    bytes.append(lines);
    std::vector<TWrittenPiece> pieces;
    if (!AppendBytes(fd, bytes, pieces)) {
        const int error = errno;
        PauseForTest();
        // A cut line would be read as a broken record, or glue the next append to itself. Taken back, the file
        // holds what it held and what others appended meanwhile; only its times are new. Whatever the file holds
        // then, its bytes are compared before it is replaced: a change of another hand is found, and so are
        // bytes of this program's that could not be taken back.
        if (TakeBack(fd, pieces) && known)
            stamp.File = StateOf(file, fileName);
        if (known)
            stamp.Settled = false;
        else
            stamp = {};
        SystemError("Cannot write file", fileName, error);
    }
    if (!known) {
        stamp = {};
        return;
    }
    stamp.Exists = true;
    stamp.Bytes.Add(bytes);
    stamp.File = StateOf(file, fileName);
    stamp.Settled = false;
}

void RemoveJournalLeftovers(const QString &fileName)
{
    const QFileInfo target(ReplacedFile(fileName));
    const QDir folder = target.absoluteDir();
    const QStringList names =
        folder.entryList({QStringLiteral("*.new")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (!IsNewJournalName(name, target.fileName()))
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A lock that another program holds marks a new journal it still writes.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path))
            ::unlink(path.constData());
        ::close(fd);
    }
}

TJournalOutput::TJournalOutput(std::function<void(QByteArrayView block)> write) : write_(std::move(write))
{
    // A line of the longest kind (a level image) fits in what a block leaves over.
    block_.reserve(BlockSize + BlockSize / 4);
}

void TJournalOutput::Flush()
{
    write_(block_);
    block_.resize(0);
}

TJournalStamp RewriteJournal(const QString &fileName, const std::function<void(TJournalOutput &)> &writeLines,
                             const std::function<void()> &mayReplace)
{
    TNewJournal file(fileName);
    TJournalStamp stamp = ExistingJournal(fileName);
    // One block of lines at a time: a journal of any size needs no more memory than that.
    TJournalOutput output([&](QByteArrayView block) {
        file.Write(block);
        stamp.Bytes.Add(block);
    });
    writeLines(output);
    output.Flush();
    file.Sync();
    if (mayReplace) {
        PauseForTest();
        mayReplace();
    }
    stamp.File = file.Replace();
    return stamp;
}
