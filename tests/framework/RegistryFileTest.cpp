#include "RegistryFixture.h"

#include "registry/Registry.h"
#include "registry/RegistryStore.h"
#include "rtl/Exceptions.h"

#include "FileSizeLimit.h"
#include "QtPrint.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QElapsedTimer>
#include <stdexcept>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
const QString ormelKey = "\\Software\\Kelmar\\OrmelSW";

QString RunHelper(const QStringList &arguments)
{
    QProcess helper;
    helper.start(REGISTRY_HELPER, arguments);
    EXPECT_TRUE(helper.waitForFinished(30000));
    EXPECT_EQ(helper.exitCode(), 0) << helper.readAllStandardError().toStdString();
    return QString::fromUtf8(helper.readAllStandardOutput());
}
} // namespace

TEST_F(RegistryTest, AwkwardTextsSurviveTheFileExactly)
{
    const QStringList texts = {"",
                               "  blanks kept  ",
                               "Проверка: путь \"C:\\Data\\файл.txt\"",
                               "line one\nline two\r\nline three\r",
                               "a=b]c[d\"e\\",
                               "tab\there",
                               QString("nul") + QChar(0) + "bell\a" + QChar(0x7f),
                               "😀 emoji",
                               QString(QChar(0xD800)) + "lone half",
                               "\\u0041 is no escape",
                               "@",
                               "[HKEY_CURRENT_USER\\Fake]"};
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey("\\Software\\Ключ [1]", true));
    for (const QString &text : texts)
        writer.WriteString(text, text);
    writer.WriteInteger("Language", 2);
    writer.WriteInteger("BGColor0", -2147483643);

    TRegistry reader;
    ASSERT_TRUE(reader.OpenKey("\\software\\КЛЮЧ [1]", false));
    for (const QString &text : texts)
        EXPECT_EQ(reader.ReadString(text), text);
    EXPECT_EQ(reader.ReadInteger("BGColor0"), -2147483643);

    // Readable: one line per value, Cyrillic as it is, integers in hexadecimal.
    const QString file = StoreText();
    EXPECT_EQ(file.count('\n'), 5 + texts.size() + 2) << file.toStdString();
    EXPECT_TRUE(file.startsWith("Ormel Registry 1\n"));
    EXPECT_TRUE(file.contains("\n[HKEY_CURRENT_USER\\Software\\Ключ [1]]\n"));
    EXPECT_TRUE(file.contains("\n@=\"\"\n"));
    EXPECT_TRUE(file.contains("=\"line one\\nline two\\r\\nline three\\r\"\n"));
    EXPECT_TRUE(file.contains("=\"Проверка: путь \\\"C:\\\\Data\\\\файл.txt\\\"\"\n"));
    EXPECT_TRUE(file.contains("\n\"Language\"=dword:00000002\n"));
    EXPECT_TRUE(file.contains("\n\"BGColor0\"=dword:80000005\n"));
}

TEST_F(RegistryTest, ATruncatedFileKeepsEveryCompleteValue)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(ormelKey, true));
    reg.WriteInteger("Language", 2);
    reg.WriteString("DataFile", "журнал.txt");
    reg.WriteString("State", "Нормально");
    const QByteArray full = dir.Read("registry.txt");
    const QByteArray cut = full.left(full.size() - 3); // ends inside the last letter
    dir.Write("registry.txt", cut);

    EXPECT_EQ(reg.ReadInteger("Language"), 2);
    EXPECT_EQ(reg.ReadString("DataFile"), "журнал.txt");
    EXPECT_FALSE(reg.ValueExists("State"));
    EXPECT_TRUE(TRegistry().OpenKey(ormelKey, true));
    EXPECT_FALSE(QFile::exists(dir.File("registry.txt.corrupt"))); // nothing changed, nothing rewritten

    reg.WriteInteger("Language", 1);
    EXPECT_EQ(dir.Read("registry.txt.corrupt"), cut);
    EXPECT_EQ(reg.ReadString("DataFile"), "журнал.txt");
    reg.WriteString("State", "Normal"); // the rewritten file is sound: no second copy
    EXPECT_FALSE(QFile::exists(dir.File("registry.txt.corrupt.2")));
    EXPECT_EQ(reg.ReadInteger("Language"), 1);
}

TEST_F(RegistryTest, GarbageIsSkippedAndTheFileKeptAside)
{
    const char raw[] = "\0\xff\xfe binary \x80\x81\n"
                       "[HKEY_CURRENT_USER\\Software\\Kelmar]\n"
                       "\"Language\"=dword:00000002\n"
                       "\"Broken\"=\"no end\n"
                       "\"Bad\xff\"=\"x\"\n"
                       "\"Number\"=dword:123456789\n"
                       "\"Escape\"=\"\\q\"\n"
                       "\"DataFile\" = \"d.txt\"   \r\n"
                       "[HKEY_NOWHERE\\Software]\n"
                       "\"Lost\"=\"belongs to an unreadable section\"\n"
                       "[HKEY_CURRENT_USER\\Software\\Kelmar\\OrmelSW\n"
                       "\"Lost2\"=\"x\"\n"
                       "[hkey_current_user\\Software\\Kelmar\\LUMBRA]\r\n"
                       "\"DoWarnings\"=dword:0\n"
                       "\"DoWarnings\"=dword:0";
    const QByteArray garbage(raw, sizeof raw - 1);
    dir.Write("registry.txt", garbage);
    dir.Write("registry.txt.corrupt", "an earlier copy");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Kelmar", false));
    EXPECT_EQ(reg.ReadInteger("Language"), 2);
    EXPECT_EQ(reg.ReadString("DataFile"), "d.txt");
    for (const char *unreadable : {"Broken", "Bad", "Number", "Escape", "Lost", "Lost2"})
        EXPECT_FALSE(reg.ValueExists(unreadable)) << unreadable;
    EXPECT_FALSE(reg.KeyExists("OrmelSW"));
    ASSERT_TRUE(reg.OpenKey("LUMBRA", false));
    EXPECT_FALSE(reg.ReadBool("DoWarnings"));

    reg.WriteBool("DoWarnings", true);
    EXPECT_EQ(dir.Read("registry.txt.corrupt"), "an earlier copy");
    EXPECT_EQ(dir.Read("registry.txt.corrupt.2"), garbage);
    EXPECT_TRUE(reg.ReadBool("DoWarnings"));
    ASSERT_TRUE(reg.OpenKey("\\Software\\Kelmar", false));
    EXPECT_EQ(reg.ReadString("DataFile"), "d.txt");

    QByteArray noise(65536, '\0');
    QRandomGenerator random(1234);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    dir.Write("registry.txt", noise);
    ASSERT_TRUE(reg.OpenKey(ormelKey, true));
    reg.WriteString("DataFile", "after the noise");
    EXPECT_EQ(reg.ReadString("DataFile"), "after the noise");
    EXPECT_EQ(dir.Read("registry.txt.corrupt.3"), noise);
}

TEST_F(RegistryTest, TheStoreIsReplacedAtomically)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software", true));
    reg.WriteString("A", "first");
    QFile before(dir.File("registry.txt"));
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    reg.WriteString("A", "second");
    EXPECT_TRUE(before.readAll().contains("\"A\"=\"first\"")); // a reader of the old file still reads it whole
    EXPECT_TRUE(StoreText().contains("\"A\"=\"second\""));
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"registry.txt", "registry.txt.lock"}));

    // A store whose folder cannot be made: reads find nothing, writes fail loudly.
    dir.Write("blocker", "a file where the folder should be");
    TScopedEnvironment blocked("ORMEL_REGISTRY", dir.File("blocker/registry.txt"));
    TRegistry nowhere;
    EXPECT_EQ(nowhere.ReadString("A"), "");
    EXPECT_FALSE(nowhere.OpenKey("\\Software", true));
    EXPECT_THROW(nowhere.WriteString("A", "x"), ERegistryException);
}

TEST_F(RegistryTest, AFullDiskLeavesTheStoreAsItWas)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(ormelKey, true));
    reg.WriteString("DataFile", "ormeldata.txt");
    reg.WriteInteger("Language", 2);
    const QByteArray before = dir.Read("registry.txt");
    {
        FileSizeLimit limit(before.size() + 64);
        EXPECT_THROW(reg.WriteString("State", QString(4096, u'x')), ERegistryException);
    }
    EndAction();
    EXPECT_EQ(dir.Read("registry.txt"), before);
    EXPECT_EQ(reg.ReadString("DataFile"), "ormeldata.txt");
    EXPECT_EQ(reg.ReadInteger("Language"), 2);
    EXPECT_FALSE(reg.ValueExists("State"));
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"registry.txt", "registry.txt.lock"}));
}

TEST_F(RegistryTest, AnotherProcessSeesEveryChangeAtOnce)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(ormelKey, true));
    reg.WriteString("DataFile", "журнал один.txt");
    EXPECT_EQ(RunHelper({"read", ormelKey, "datafile"}), "журнал один.txt");
    RunHelper({"write", "Software\\Kelmar\\OrmelSW", "DataFile", "второй"});
    EXPECT_EQ(reg.ReadString("DataFile"), "второй");
    // The reads of one action look at the file once: what another program changes meanwhile shows after it.
    {
        const TRegistryRead reading;
        EXPECT_EQ(reg.ReadString("DataFile"), "второй");
        RunHelper({"write", "Software\\Kelmar\\OrmelSW", "DataFile", "третий"});
        EXPECT_EQ(reg.ReadString("DataFile"), "второй");
    }
    EXPECT_EQ(reg.ReadString("DataFile"), "третий");

    // Two writers at once lose nothing of each other's.
    const int count = 100;
    QProcess filler;
    filler.start(REGISTRY_HELPER, {"fill", ormelKey, "Other", QString::number(count)});
    for (int i = 0; i < count; ++i)
        reg.WriteInteger("Own" + QString::number(i), i);
    ASSERT_TRUE(filler.waitForFinished(60000));
    ASSERT_EQ(filler.exitCode(), 0) << filler.readAllStandardError().toStdString();
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(reg.ReadInteger("Own" + QString::number(i)), i);
        EXPECT_EQ(reg.ReadInteger("Other" + QString::number(i)), i);
    }

    // A writer waits while a reader holds the lock.
    const int lock = ::open(QFile::encodeName(dir.File("registry.txt.lock")).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_SH), 0);
    QProcess writer;
    writer.start(REGISTRY_HELPER, {"write", ormelKey, "State", "Maximized"});
    EXPECT_FALSE(writer.waitForFinished(500));
    EXPECT_EQ(reg.ReadString("State"), "");
    ::close(lock);
    ASSERT_TRUE(writer.waitForFinished(30000));
    EXPECT_EQ(reg.ReadString("State"), "Maximized");
}

TEST_F(RegistryTest, TheStoreLivesInTheUsersConfigurationFolderUnlessNamed)
{
    EXPECT_EQ(RegistryStorePath(), dir.File("registry.txt"));
    TScopedEnvironment unnamed("ORMEL_REGISTRY", QString());
    TScopedEnvironment home("HOME", dir.File("home"));
    {
        TScopedEnvironment config("XDG_CONFIG_HOME", dir.File("config"));
        EXPECT_EQ(RegistryStorePath(), dir.File("config/ormel/registry.txt"));
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(ormelKey, true));
        reg.WriteInteger("Language", 2);
        EXPECT_TRUE(dir.Read("config/ormel/registry.txt").contains("\"Language\"=dword:00000002"));
    }
    {
        TScopedEnvironment relative("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(RegistryStorePath(), dir.File("home/.config/ormel/registry.txt"));
    }
    TScopedEnvironment noConfig("XDG_CONFIG_HOME", QString());
    EXPECT_EQ(RegistryStorePath(), dir.File("home/.config/ormel/registry.txt"));
}

TEST_F(RegistryTest, AStoreThatCannotBeUsedIsReportedWithItsFileAndCause)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(ormelKey, true));
    EXPECT_TRUE(reg.LastError().isEmpty());
    reg.WriteString("DataFile", "d.txt");

    // A program that keeps the store locked: every operation gives up after a few seconds and names the lock.
    const int lock = ::open(QFile::encodeName(dir.File("registry.txt.lock")).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    QElapsedTimer waited;
    waited.start();
    EXPECT_FALSE(reg.OpenKey(ormelKey, false));
    EXPECT_TRUE(reg.LastError().contains(QDir::toNativeSeparators(dir.File("registry.txt.lock"))))
        << qPrintable(reg.LastError());
    EXPECT_TRUE(reg.LastError().contains("another program")) << qPrintable(reg.LastError());
    EXPECT_LT(waited.elapsed(), 30000);
    // The rest of the action does not wait for the lock again: it fails at once, with the same cause.
    const qint64 firstWait = waited.restart();
    try {
        reg.WriteString("DataFile", "e.txt");
        ADD_FAILURE() << "written under another program's lock";
    } catch (const ERegistryException &e) {
        EXPECT_EQ(e.Message(), reg.LastError());
    }
    EXPECT_THROW(reg.ReadString("DataFile"), ERegistryException);
    EXPECT_FALSE(reg.KeyExists(ormelKey));
    EXPECT_LT(waited.elapsed(), firstWait / 2);
    // The next action tries again, and once the lock is free the store is there as it was.
    EndAction();
    ::close(lock);
    EXPECT_EQ(reg.ReadString("DataFile"), "d.txt");

    // A pipe in the store's place is not waited on.
    TScopedEnvironment pipe("ORMEL_REGISTRY", dir.File("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.File("pipe.txt")).constData(), 0600), 0);
    EXPECT_FALSE(reg.OpenKey(ormelKey, false));
    EXPECT_TRUE(reg.LastError().contains(dir.File("pipe.txt") + ": it is not a regular file"))
        << qPrintable(reg.LastError());
    EXPECT_THROW(reg.WriteString("DataFile", "f.txt"), ERegistryException);
    EndAction();

    // A folder that cannot be made says why.
    dir.Write("blocker", "a file where the folder should be");
    TScopedEnvironment blocked("ORMEL_REGISTRY", dir.File("blocker/registry.txt"));
    EXPECT_FALSE(reg.OpenKey(ormelKey, true));
    const QString cannotCreate = "Cannot create the settings folder " + dir.File("blocker") + ": ";
    EXPECT_TRUE(reg.LastError().startsWith(cannotCreate)) << qPrintable(reg.LastError());
    EXPECT_GT(reg.LastError().size(), cannotCreate.size());
}

TEST_F(RegistryTest, TheStoreKeepsItsPlaceAndEveryRewriteIsSeen)
{
    // A relative name is resolved once: a later change of folder does not make a second store.
    const QString start = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.Path()));
    TScopedEnvironment relative("ORMEL_REGISTRY", "settings/registry.txt");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(ormelKey, true));
    reg.WriteInteger("Language", 2);
    ASSERT_TRUE(QDir(dir.Path()).mkdir("elsewhere"));
    ASSERT_TRUE(QDir::setCurrent(dir.File("elsewhere")));
    EXPECT_EQ(reg.ReadInteger("Language"), 2);
    reg.WriteInteger("Language", 1);
    ASSERT_TRUE(QDir::setCurrent(start));
    EXPECT_EQ(qEnvironmentVariable("ORMEL_REGISTRY"), dir.File("settings/registry.txt"));
    EXPECT_TRUE(dir.Read("settings/registry.txt").contains("\"Language\"=dword:00000001"));
    EXPECT_FALSE(QFile::exists(dir.File("elsewhere/settings/registry.txt")));

    // Another program's rewrite in place, of the same size and with the same time stamp, is still seen.
    const QString path = dir.File("settings/registry.txt");
    const QByteArray before = dir.Read("settings/registry.txt");
    struct stat old;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &old), 0);
    QByteArray after = before;
    after.replace("dword:00000001", "dword:00000002");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_EQ(file.write(after), after.size());
    file.close();
    const timespec times[2] = {old.st_atim, old.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    EXPECT_EQ(reg.ReadInteger("Language"), 2);
}

TEST_F(RegistryTest, AnUpdateWritesItsChangesTogetherInOneRewriteAtItsEnd)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(ormelKey, true));
    reg.WriteString("DataFile", "d.txt");
    const QByteArray before = dir.Read("registry.txt");
    struct stat file;
    ASSERT_EQ(::stat(QFile::encodeName(dir.File("registry.txt")).constData(), &file), 0);
    {
        TRegistryUpdate update;
        reg.WriteString("State", "Normal");
        ASSERT_TRUE(reg.OpenKey("LUMBRA\\FieldsSettings\\Tunings", true));
        for (int i = 0; i < 100; ++i)
            reg.WriteString("DataValue" + QString::number(i), QString::number(i));
        {
            TRegistryUpdate nested;
            reg.WriteString("DataValue0", "changed");
            EXPECT_TRUE(reg.DeleteValue("DataValue99"));
        }
        // This module reads its own changes; the file and so a second program see none of them yet, and what the
        // second program writes meanwhile is seen at once and stays.
        EXPECT_EQ(reg.ReadString("DataValue0"), "changed");
        EXPECT_EQ(reg.ReadString("DataValue98"), "98");
        EXPECT_FALSE(reg.ValueExists("DataValue99"));
        EXPECT_EQ(RunHelper({"read", ormelKey, "State"}), "");
        RunHelper({"write", ormelKey, "Language", "Russian"});
        ASSERT_TRUE(reg.OpenKey(ormelKey, false));
        EXPECT_EQ(reg.ReadString("Language"), "Russian");
        EXPECT_EQ(reg.ReadString("DataFile"), "d.txt");
        EXPECT_NE(dir.Read("registry.txt"), before);
        struct stat now;
        ASSERT_EQ(::stat(QFile::encodeName(dir.File("registry.txt")).constData(), &now), 0);
        EXPECT_NE(now.st_ino, file.st_ino); // the second program's rewrite
        file = now;
    }
    struct stat after;
    ASSERT_EQ(::stat(QFile::encodeName(dir.File("registry.txt")).constData(), &after), 0);
    EXPECT_NE(after.st_ino, file.st_ino);
    const QString tunings = ormelKey + "\\LUMBRA\\FieldsSettings\\Tunings";
    EXPECT_EQ(RunHelper({"read", tunings, "DataValue0"}), "changed");
    EXPECT_EQ(RunHelper({"read", tunings, "DataValue98"}), "98");
    EXPECT_EQ(RunHelper({"read", tunings, "DataValue99"}), "");
    EXPECT_EQ(RunHelper({"read", ormelKey, "Language"}), "Russian");
    EXPECT_EQ(RunHelper({"read", ormelKey, "DataFile"}), "d.txt");
    EXPECT_EQ(RunHelper({"read", ormelKey, "State"}), "Normal");

    // An action that fails on its way writes what it changed before; one whose write fails says so at its end.
    try {
        TRegistryUpdate update;
        reg.WriteString("State", "Maximized");
        throw std::runtime_error("the action fails");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(RunHelper({"read", ormelKey, "State"}), "Maximized");
    dir.Write("blocker", "a file where the folder should be");
    TScopedEnvironment blocked("ORMEL_REGISTRY", dir.File("blocker/registry.txt"));
    const auto unwritable = [] {
        TRegistryUpdate update;
        TRegistry nowhere;
        ASSERT_TRUE(nowhere.OpenKey(ormelKey, true));
        nowhere.WriteInteger("Language", 2);
        EXPECT_EQ(nowhere.ReadInteger("Language"), 2);
    };
    EXPECT_THROW(unwritable(), ERegistryException);
    EndAction();
    EXPECT_FALSE(TRegistry().KeyExists(ormelKey));
}

TEST_F(RegistryTest, AProgramKilledInTheMiddleOfAnUpdateLeavesTheStoreWhole)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(ormelKey, true));
    reg.WriteString("DataFile", "d.txt");
    const QByteArray before = dir.Read("registry.txt");
    const auto start = [](QProcess &helper) {
        helper.start(REGISTRY_HELPER, {"batch", ormelKey, "Value", "200"});
        EXPECT_TRUE(helper.waitForReadyRead(30000));
        EXPECT_EQ(helper.readLine().trimmed(), "written");
    };

    QProcess killed;
    start(killed);
    EXPECT_EQ(dir.Read("registry.txt"), before);
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(30000));
    EXPECT_EQ(dir.Read("registry.txt"), before);
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"registry.txt", "registry.txt.lock"}));

    // The same action carried to its end lands whole.
    QProcess finished;
    start(finished);
    EXPECT_FALSE(reg.ValueExists("Value0"));
    finished.write("\n");
    finished.closeWriteChannel();
    ASSERT_TRUE(finished.waitForFinished(30000));
    ASSERT_EQ(finished.exitCode(), 0) << finished.readAllStandardError().toStdString();
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(reg.ReadInteger("Value" + QString::number(i)), i);
    EXPECT_EQ(reg.ReadString("DataFile"), "d.txt");
}
