#include "FileSizeLimit.h"
#include "JournalSamples.h"
#include "ManagerFixture.h"
#include "registry/RegistryStore.h"

#include "QtPrint.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <atomic>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
int notified = 0;
// Fails at the second record: reading stops part way, as on a read error.
void FailAtTheSecondRecord()
{
    if (++notified == 2)
        throw std::runtime_error("stopped while reading");
}

qint64 Records(const TOrmelDataManager &manager)
{
    return qint64(manager.TuningCount) + manager.ImageCount + manager.ZeltCount + manager.JDCount;
}

// Sets an environment variable while it lives.
class TEnvironmentScope {
public:
    TEnvironmentScope(const char *name, const QString &value) : name_(name), previous_(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~TEnvironmentScope() { qputenv(name_, previous_); }
    TEnvironmentScope(const TEnvironmentScope &) = delete;
    TEnvironmentScope &operator=(const TEnvironmentScope &) = delete;

private:
    const char *name_;
    QByteArray previous_;
};

// Every rewrite of a journal waits just before it replaces the journal, until `atPause` has run there (on
// another thread, as another program would).
class TRewritePause {
public:
    TRewritePause(const QString &flag, std::function<void()> atPause)
        : scope_("ORMEL_TEST_JOURNAL_PAUSE", flag), watcher_([this, flag, atPause = std::move(atPause)] {
              while (!stop_) {
                  if (QFile::exists(flag)) {
                      atPause();
                      ++Pauses;
                      QFile::remove(flag);
                  }
                  QThread::msleep(5);
              }
          })
    {
    }
    ~TRewritePause()
    {
        stop_ = true;
        watcher_.join();
    }
    TRewritePause(const TRewritePause &) = delete;
    TRewritePause &operator=(const TRewritePause &) = delete;

    std::atomic<int> Pauses = 0;

private:
    TEnvironmentScope scope_;
    std::atomic<bool> stop_ = false;
    std::thread watcher_;
};

// The change check's clock while it lives: the real time, made later by as much as the test says.
class TLaterClock {
public:
    TLaterClock() : previous_(std::exchange(JournalClock, &Now)) { Late = 0; }
    ~TLaterClock() { JournalClock = previous_; }
    TLaterClock(const TLaterClock &) = delete;
    TLaterClock &operator=(const TLaterClock &) = delete;

    static inline std::atomic<qint64> Late = 0; // nanoseconds

private:
    static qint64 Now() { return QDateTime::currentMSecsSinceEpoch() * 1000000 + Late; }
    qint64 (*previous_)();
};

class JournalSafety : public testing::Test, public ManagerFixture {
protected:
    JournalSafety()
    {
        RemoveKeptJournals();
        QDir().mkpath(Dir.File("tmp"));
    }
    ~JournalSafety() override { RemoveKeptJournals(); }

    // Where a journal would be kept when the settings store's folder takes none: folders of this test's own.
    TEnvironmentScope Home{"HOME", Dir.File("home")};
    TEnvironmentScope Temporary{"TMPDIR", Dir.File("tmp")};

    // The journals kept beside the settings store, oldest first.
    static QStringList KeptJournals()
    {
        const QDir folder = QFileInfo(RegistryStorePath()).absoluteDir();
        QStringList kept;
        const QStringList names =
            folder.entryList({"ormeldata-unsaved-*.txt"}, QDir::Files, QDir::Time | QDir::Reversed);
        for (const QString &name : names)
            kept << folder.filePath(name);
        return kept;
    }
    static void RemoveKeptJournals()
    {
        for (const QString &kept : KeptJournals())
            QFile::remove(kept);
    }
    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Add(TOrmelDataManager &manager, const QByteArray &line) const
    {
        manager.AddDataLine(line.constData(), qint32(line.size()));
    }
    // A file that exists but cannot be opened for reading, whoever reads it.
    QString Socket() const
    {
        const QString path = Dir.File("socket.txt");
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        const size_t length = size_t(qMin<qsizetype>(name.size(), sizeof address.sun_path - 1));
        std::memcpy(address.sun_path, name.constData(), length);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
        ::close(fd);
        return path;
    }
};
} // namespace

TEST_F(JournalSafety, AJournalNotReadCompletelyIsNeverReplaced)
{
    const QByteArray journal =
        CrLfLines({TuningLine{.Id = 1}.Line(), TuningLine{.Id = 2}.Line(), TuningLine{.Id = 3}.Line()});
    Dir.Write("ormeldata.txt", journal);
    notified = 0;
    Manager->OnChangeData = &FailAtTheSecondRecord;
    EXPECT_THROW(Manager->LoadDataFile(Journal), std::runtime_error);
    Manager->OnChangeData = nullptr;
    EXPECT_TRUE(Manager->JournalReadIncomplete());
    ASSERT_EQ(Manager->TuningCount, 2);
    EXPECT_TRUE(Manager->DeleteTuning(Manager->TuningMessages[0]));
    try {
        Manager->SaveDataFile();
        ADD_FAILURE() << "the journal was replaced";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(error.Message().contains("not read completely")) << error.Message().toStdString();
    }
    EXPECT_EQ(JournalBytes(), journal);

    // Appending loses nothing, so it goes on.
    const QByteArray added = TuningLine{.Id = 9}.Line();
    Add(*Manager, added);
    EXPECT_EQ(JournalBytes(), journal + added + "\r\n");

    // At exit the records in memory are kept elsewhere, and the user is told where.
    Manager.reset();
    EXPECT_EQ(JournalBytes(), journal + added + "\r\n");
    const QStringList kept = KeptJournals();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(Read(kept[0]), CrLfLines({TuningLine{.Id = 2}.Line(), added}));
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains(QDir::toNativeSeparators(Journal))) << Messages[0].toStdString();
    EXPECT_TRUE(Messages[0].contains("not read completely")) << Messages[0].toStdString();
    EXPECT_TRUE(Messages[0].contains(QDir::toNativeSeparators(kept[0]))) << Messages[0].toStdString();

    // A file that cannot be opened, and one whose first read fails. A complete read of the journal makes it
    // replaceable again.
    for (const QString &unreadable : {Socket(), QString("/proc/self/mem")}) {
        SCOPED_TRACE(unreadable.toStdString());
        Manager = NewManager();
        EXPECT_THROW(Manager->LoadDataFile(unreadable), EInOutError);
        EXPECT_TRUE(Manager->JournalReadIncomplete());
        EXPECT_THROW(Manager->SaveDataFile(), EInOutError);
        EXPECT_TRUE(QFileInfo::exists(unreadable));
        Manager->LoadDataFile(Journal);
        EXPECT_FALSE(Manager->JournalReadIncomplete());
    }
    EXPECT_EQ(Messages.size(), 1);
}

TEST_F(JournalSafety, LinesTheRecordsCannotHoldWholeAreKeptUnchanged)
{
    QByteArray tuningPicture = Picture(1458);
    tuningPicture[1000] = ' ';
    QByteArray tuningPictureEnd = Picture(1458);
    tuningPictureEnd[2900] = ' ';
    QByteArray imagePicture = Picture(1800);
    imagePicture[1000] = ' ';
    QByteArray imagePictureEnd = Picture(1800);
    imagePictureEnd[3590] = ' ';
    const QByteArray zelt = ZeltLine().Line();
    const QList<QByteArray> variants{
        TuningLine{.Id = 2, .PictureHex = tuningPicture}.Line(),
        TuningLine{.Id = 2, .PictureHex = tuningPictureEnd}.Line(),
        TuningLine{.Id = 2, .Comments = QString(101, u'c')}.Line(),
        TuningLine{.Id = 2, .Name = QString(41, u'n')}.Line(),
        ImageLine{.PictureHex = imagePicture}.Line(),
        ImageLine{.PictureHex = imagePictureEnd}.Line(),
        ImageLine{.ImageType = 1}.Line(),
        ImageLine{.SizeX = 10, .SizeY = 10, .ImageType = 2, .PictureHex = Picture(99)}.Line(),
        ImageLine{.Comments = QString(101, u'k')}.Line(),
        ImageLine{.ControlMade = QString(61, u'y')}.Line(),
        QByteArray(zelt).replace("0 0 11 ", "0 0 19X9 "),
        QByteArray(zelt).replace("0 0 11 ", "0 0 4294967295 "),
        QByteArray(zelt).replace("0 0 11 ", "0 0 0x1F "),
        zelt.left(60),
        ZeltLine{.Text2 = QString(21, u't')}.Line(),
        RimLine{.Block = Picture(109, 7)}.Line(),
        RimLine{.Text = "ELEVEN-CHAR"}.Line(),
        ShaftLine().Line() + " 05",
    };
    const QByteArray good = TuningLine{.Id = 1}.Line();
    for (const QByteArray &variant : variants) {
        SCOPED_TRACE(variant.left(100).toStdString());
        Manager = Load(CrLfLines({good, variant}));
        EXPECT_EQ(Records(*Manager), 1);
        EXPECT_EQ(Manager->ErrorCount, 1);
        EXPECT_EQ(Manager->UnreadLines(), QList<QByteArray>{variant});
        ASSERT_TRUE(Manager->DeleteTuning(Manager->TuningMessages[0]));
        Manager->SaveDataFile();
        EXPECT_EQ(JournalBytes(), variant + "\r\n");
    }
    // The picture an impact image is drawn from is as large as its grid.
    Manager = Load(CrLfLines({ImageLine{.SizeX = 10, .SizeY = 10, .ImageType = 2, .PictureHex = Picture(100)}.Line()}));
    EXPECT_EQ(Manager->ImageCount, 1);

    // The lines one load could not read belong to that load's journal only.
    const QByteArray unknown = "7 7 unknown";
    Manager = Load(CrLfLines({good, unknown}));
    Manager->LoadDataFile(Journal);
    EXPECT_EQ(Manager->UnreadLines(), QList<QByteArray>{unknown});
    Dir.Write("second.txt", CrLfLines({TuningLine{.Id = 2}.Line()}));
    Manager->LoadDataFile(Dir.File("second.txt"));
    EXPECT_TRUE(Manager->UnreadLines().isEmpty());
    Manager->SaveDataFile();
    EXPECT_EQ(Dir.Read("second.txt"), CrLfLines({good, TuningLine{.Id = 2}.Line()}));

    // Lines of blanks and control bytes hold no record and are no error; only a line without any byte goes.
    const QList<QByteArray> blank{"   ", QByteArray("\t\x01\0 \x1f", 5)};
    Manager = Load(CrLfLines({good, blank[0], "", blank[1]}));
    EXPECT_EQ(Manager->ErrorCount, 0);
    EXPECT_EQ(Manager->UnreadLines(), blank);
    Manager->SaveDataFile();
    EXPECT_EQ(JournalBytes(), CrLfLines({good, blank[0], blank[1]}));
}

TEST_F(JournalSafety, AFailedAppendLeavesNoCutLineAndItsRecordReachesTheJournalLater)
{
    const QByteArray journal = CrLfLines({TuningLine{.Id = 1}.Line()});
    Manager = Load(journal);
    const QByteArray second = TuningLine{.Id = 2}.Line();
    testing::internal::CaptureStderr();
    {
        FileSizeLimit limit(journal.size() + 100);
        Add(*Manager, second);
    }
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(JournalBytes(), journal);
    EXPECT_EQ(Manager->ErrorCount, 1);
    EXPECT_EQ(Manager->TuningCount, 2);
    // The failure names the file and its cause.
    EXPECT_NE(reported.find(QDir::toNativeSeparators(Journal).toStdString()), std::string::npos) << reported;
    EXPECT_NE(reported.find("File too large"), std::string::npos) << reported;

    // The next append that succeeds writes it first.
    const QByteArray third = TuningLine{.Id = 3}.Line();
    Add(*Manager, third);
    EXPECT_EQ(JournalBytes(), journal + second + "\r\n" + third + "\r\n");

    // Without a later append, the rewrite at exit writes it.
    {
        FileSizeLimit limit(JournalBytes().size() + 100);
        Add(*Manager, TuningLine{.Id = 4}.Line());
    }
    Manager.reset();
    Manager = Load(JournalBytes());
    EXPECT_EQ(Manager->TuningCount, 4);
    EXPECT_TRUE(Messages.isEmpty());
}

// Another program appends while a failed append takes its bytes back: only this program's bytes go, and the
// other's stay where the journal ended. A take-back that fails (the journal was cut meanwhile) leaves the journal
// looked at all the same. Either way the journal is no longer the one this program knows: the records go to the
// kept copy at exit.
TEST_F(JournalSafety, AFailedAppendTakesBackOnlyItsOwnBytesAndAJournalItCannotRestoreIsNotReplaced)
{
    const QByteArray journal = CrLfLines({TuningLine{.Id = 1}.Line(), TuningLine{.Id = 2}.Line()});
    const QByteArray other = TuningLine{.Id = 8}.Line() + "\r\n";
    const QByteArray cut = journal.left(journal.size() - 10);
    for (const bool cutMeanwhile : {false, true}) {
        SCOPED_TRACE(cutMeanwhile ? "cut meanwhile" : "appended meanwhile");
        RemoveKeptJournals();
        Manager = Load(journal);
        std::optional<FileSizeLimit> limit(std::in_place, journal.size() + 100);
        {
            TRewritePause pause(Dir.File("pause"), [&] {
                limit.reset();
                QFile file(Journal);
                if (cutMeanwhile)
                    ASSERT_TRUE(file.resize(cut.size()));
                else {
                    ASSERT_TRUE(file.open(QIODevice::Append));
                    ASSERT_EQ(file.write(other), other.size());
                }
            });
            Add(*Manager, TuningLine{.Id = 3}.Line());
            EXPECT_EQ(pause.Pauses, 1);
        }
        EXPECT_EQ(Manager->ErrorCount, 1);
        EXPECT_EQ(JournalBytes(), cutMeanwhile ? cut : journal + other);
        Manager.reset();
        EXPECT_EQ(JournalBytes(), cutMeanwhile ? cut : journal + other);
        ASSERT_EQ(KeptJournals().size(), 1);
        EXPECT_EQ(Read(KeptJournals()[0]), journal + TuningLine{.Id = 3}.Line() + "\r\n");
        ASSERT_FALSE(Messages.isEmpty());
        EXPECT_TRUE(Messages.last().contains("changed by another program")) << Messages.last().toStdString();
    }
}

// The check takes a journal for settled by the time before it was opened: one rewritten in place while a read
// takes its time, however long, has its bytes compared before it would be replaced.
TEST_F(JournalSafety, AJournalRewrittenWhileItIsReadIsNotTakenForSettled)
{
    const QByteArray journal = CrLfLines({TuningLine{.Id = 1}.Line(), TuningLine{.Id = 2}.Line()});
    QByteArray rewritten = journal;
    rewritten.replace(TuningLine{.Id = 2}.Line(), TuningLine{.Id = 3}.Line());
    ASSERT_EQ(rewritten.size(), journal.size());
    Dir.Write("ormeldata.txt", journal);
    TLaterClock clock;
    bool rewrote = false;
    TJournalStamp stamp = ReadJournalLines(Journal, [](QByteArrayView) {}, [&](qint64, qint64) {
        if (std::exchange(rewrote, true))
            return;
        Dir.Write("ormeldata.txt", rewritten);
        TLaterClock::Late = qint64(10) * 1000 * 1000 * 1000;
    });
    ASSERT_TRUE(rewrote);
    EXPECT_FALSE(JournalUnchanged(stamp));
}

TEST_F(JournalSafety, AFailedRewriteAtExitKeepsTheJournalBesideTheSettingsAndSaysSo)
{
    QList<QByteArray> lines;
    for (int id = 1; id <= 20; ++id)
        lines << TuningLine{.Id = id}.Line() + "\r\n";
    const QByteArray journal = lines.join();
    // A full disk: the kept copy cannot be written either, and the user learns that the changes are lost.
    Manager = Load(journal);
    Manager->DeleteTuning(Manager->TuningMessages[0]);
    {
        FileSizeLimit limit(journal.size() / 2);
        Manager.reset();
    }
    EXPECT_EQ(JournalBytes(), journal);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains(QDir::toNativeSeparators(Journal))) << Messages[0].toStdString();
    EXPECT_TRUE(Messages[0].contains("File too large")) << Messages[0].toStdString();
    EXPECT_FALSE(Messages[0].contains("Unknown error")) << Messages[0].toStdString();
    EXPECT_TRUE(Messages[0].contains("lost")) << Messages[0].toStdString();
    EXPECT_TRUE(KeptJournals().isEmpty());

    // A folder that takes no file: each failure keeps the journal in a file of its own.
    Dir.Write("folder", "a file, not a folder");
    const QString unwritable = Dir.File("folder/ormeldata.txt");
    for (int round = 1; round <= 2; ++round) {
        Manager = Load(journal);
        Manager->DataFileName = unwritable;
        Manager->DeleteTuning(Manager->TuningMessages[round]);
        Manager.reset();
        const QStringList kept = KeptJournals();
        ASSERT_EQ(kept.size(), round);
        QList<QByteArray> expected = lines;
        expected.removeAt(round);
        EXPECT_EQ(Read(kept.last()), expected.join());
        ASSERT_EQ(Messages.size(), round + 1);
        EXPECT_TRUE(Messages.last().contains(QDir::toNativeSeparators(unwritable))) << Messages.last().toStdString();
        EXPECT_TRUE(Messages.last().contains(QDir::toNativeSeparators(kept.last()))) << Messages.last().toStdString();
    }
    EXPECT_NE(Read(KeptJournals()[0]), Read(KeptJournals()[1]));
}

TEST_F(JournalSafety, AJournalChangedByAnotherProgramIsNotReplaced)
{
    const QByteArray journal =
        CrLfLines({TuningLine{.Id = 1}.Line(), TuningLine{.Id = 2}.Line(), TuningLine{.Id = 3}.Line()});
    Manager = Load(journal);
    auto other = Load(journal);
    // Its own appends are no other hand's change.
    Add(*Manager, TuningLine{.Id = 4}.Line());
    Manager->DeleteTuning(Manager->TuningMessages[0]);
    Manager.reset();
    const QByteArray first =
        CrLfLines({TuningLine{.Id = 2}.Line(), TuningLine{.Id = 3}.Line(), TuningLine{.Id = 4}.Line()});
    ASSERT_EQ(JournalBytes(), first);
    EXPECT_TRUE(Messages.isEmpty());

    // The second program does not undo the first one's changes.
    other->DeleteTuning(other->TuningMessages[2]);
    other.reset();
    EXPECT_EQ(JournalBytes(), first);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains("changed by another program")) << Messages[0].toStdString();
    ASSERT_EQ(KeptJournals().size(), 1);
    EXPECT_EQ(Read(KeptJournals()[0]), CrLfLines({TuningLine{.Id = 1}.Line(), TuningLine{.Id = 2}.Line()}));

    // A change of the same size at the same time is found by its bytes.
    Manager = Load(first);
    QByteArray changed = first;
    changed.replace(TuningLine{.Id = 4}.Line(), TuningLine{.Id = 5}.Line());
    ASSERT_EQ(changed.size(), first.size());
    const QDateTime modified = QFileInfo(Journal).lastModified();
    Dir.Write("ormeldata.txt", changed);
    QFile file(Journal);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    Manager->DeleteTuning(Manager->TuningMessages[0]);
    EXPECT_THROW(Manager->SaveDataFile(), EInOutError);
    EXPECT_EQ(JournalBytes(), changed);
}

TEST_F(JournalSafety, ALineAppendedWhileTheNewJournalIsWrittenKeepsTheJournalAndTheRecordsGoToTheKeptCopy)
{
    const QByteArray journal =
        CrLfLines({TuningLine{.Id = 1}.Line(), TuningLine{.Id = 2}.Line(), TuningLine{.Id = 3}.Line()});
    const QByteArray appended = TuningLine{.Id = 9}.Line() + "\r\n";
    Manager = Load(journal);
    Manager->DeleteTuning(Manager->TuningMessages[0]);
    {
        TRewritePause pause(Dir.File("pause"), [&] {
            QFile file(Journal);
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(appended);
        });
        Manager.reset();
        EXPECT_EQ(pause.Pauses, 1);
    }
    EXPECT_EQ(JournalBytes(), journal + appended);
    const QStringList kept = KeptJournals();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(Read(kept[0]), CrLfLines({TuningLine{.Id = 2}.Line(), TuningLine{.Id = 3}.Line()}));
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains("changed by another program")) << Messages[0].toStdString();
    EXPECT_TRUE(Messages[0].contains(QDir::toNativeSeparators(kept[0]))) << Messages[0].toStdString();
    // Nothing of the new journal is left beside the old one.
    EXPECT_EQ(QDir(Dir.Path()).entryList({"ormeldata*"}, QDir::Files), QStringList{"ormeldata.txt"});

    // Its own append is no other program's change, however soon the rewrite follows it.
    Manager = Load(journal);
    Add(*Manager, appended.chopped(2));
    Manager->DeleteTuning(Manager->TuningMessages[0]);
    Manager.reset();
    EXPECT_EQ(JournalBytes(), CrLfLines({TuningLine{.Id = 2}.Line(), TuningLine{.Id = 3}.Line(),
                                         TuningLine{.Id = 9}.Line()}));
    EXPECT_EQ(Messages.size(), 1);
}

TEST_F(JournalSafety, AJournalTheSettingsFolderCannotTakeIsKeptInTheHomeFolderElseInTheTemporaryFolder)
{
    const QByteArray journal = CrLfLines({TuningLine{.Id = 1}.Line(), TuningLine{.Id = 2}.Line()});
    const QByteArray kept = CrLfLines({TuningLine{.Id = 2}.Line()});
    Dir.Write("file", "a file, not a folder");
    TEnvironmentScope store("ORMEL_REGISTRY", Dir.File("file/registry.txt"));
    const auto keepOnce = [&] {
        Manager = Load(journal);
        Manager->DataFileName = Dir.File("file/ormeldata.txt");
        Manager->DeleteTuning(Manager->TuningMessages[0]);
        Manager.reset();
    };
    const auto keptIn = [](const QString &folder) {
        return QDir(folder).entryList({"ormeldata-unsaved-*.txt"}, QDir::Files);
    };

    keepOnce();
    ASSERT_EQ(keptIn(Dir.File("home")).size(), 1);
    const QString home = Dir.File("home/" + keptIn(Dir.File("home"))[0]);
    EXPECT_EQ(Read(home), kept);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains(QDir::toNativeSeparators(home))) << Messages[0].toStdString();

    {
        TEnvironmentScope noHome("HOME", Dir.File("file/home"));
        keepOnce();
        ASSERT_EQ(keptIn(Dir.File("tmp")).size(), 1);
        const QString temporary = Dir.File("tmp/" + keptIn(Dir.File("tmp"))[0]);
        EXPECT_EQ(Read(temporary), kept);
        ASSERT_EQ(Messages.size(), 2);
        EXPECT_TRUE(Messages[1].contains(QDir::toNativeSeparators(temporary))) << Messages[1].toStdString();

        TEnvironmentScope noTemporary("TMPDIR", Dir.File("file/tmp"));
        keepOnce();
        ASSERT_EQ(Messages.size(), 3);
        EXPECT_TRUE(Messages[2].contains("are lost")) << Messages[2].toStdString();
    }
    EXPECT_EQ(keptIn(Dir.File("home")).size() + keptIn(Dir.File("tmp")).size(), 2);
    EXPECT_EQ(JournalBytes(), journal);
}
