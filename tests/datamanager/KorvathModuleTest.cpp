#include "DataManager.h"
#include "JournalSamples.h"
#include "LoadedModule.h"
#include "PluginContract.h"
#include "TempDir.h"
#include "dynlib/DynLib.h"

#include "QtPrint.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {
int changes = 0;
int laterChanges = 0;
void CountChange() { ++changes; }
void CountLaterChange() { ++laterChanges; }

struct TUnwritableTuning : TLumbraTuningMessage {
    QString FormatLine() const override { throw EConvertError("cannot format this record"); }
};

// The built korvath module, loaded for one test and unloaded at its end.
class Korvath : public testing::Test {
protected:
    TLoadedModule Module;
    TempDir Dir;

    Korvath() { Module.Load(KORVATH_MODULE); }
    template <class Entry>
    Entry Bind(const char *name) const
    {
        return Module.Bind<Entry>(name);
    }
    TDataManager *Register(TDataLineProc *dataLine = nullptr)
    {
        TDataLineProc proc = nullptr;
        std::uint8_t isDataManager = 0;
        TDataManager *manager = nullptr;
        EXPECT_EQ(Bind<TRegisterPluginProc>("RegisterPlugin")(nullptr, &proc, &isDataManager, &manager, nullptr), 0);
        EXPECT_EQ(isDataManager, 1);
        EXPECT_TRUE(proc);
        if (dataLine)
            *dataLine = proc;
        return manager;
    }
    void LoadDataFromFile(const QString &fileName) const
    {
        Bind<TLoadDataFromFileProc>("LoadDataFromFile")(fileName.toLocal8Bit().constData());
    }
    // Runs `work` and reads and closes each message box it shows. The module answers its boxes through a
    // test hook of its own, which a test cannot reach: the box is found as the user sees it.
    static QStringList MessagesWhile(const std::function<void()> &work)
    {
        QStringList messages;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&messages] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messages << box->text();
                box->accept();
            }
        });
        reader.start(10);
        work();
        return messages;
    }
};
} // namespace

TEST_F(Korvath, ExportsExactlyItsEntries)
{
    ASSERT_TRUE(Module);
    const std::optional<QStringList> exported = ExportedEntries(KORVATH_MODULE);
    ASSERT_TRUE(exported);
    EXPECT_EQ(*exported, (QStringList{"GetDataManager", "GetItemBitmap", "GetItemCommand", "GetItemHint",
                                      "GetItemName", "GetMainName", "GetPluginOrder", "LoadDataFromFile",
                                      "RegisterChangeDataEvent", "RegisterPlugin"}));
}

TEST_F(Korvath, OffersNoMenuAndNothingBeforeRegistration)
{
    ASSERT_TRUE(Module);
    EXPECT_EQ(Bind<TGetPluginOrderProc>("GetPluginOrder")(), -1);
    const char *mainName = Bind<TGetMainNameProc>("GetMainName")(1);
    EXPECT_STREQ(mainName, "");
    EXPECT_EQ(Bind<TGetItemNameProc>("GetItemName")(1, 2), mainName);
    EXPECT_EQ(Bind<TGetItemHintProc>("GetItemHint")(1, 1), mainName);
    EXPECT_EQ(Bind<TGetItemBitmapProc>("GetItemBitmap")(1), nullptr);
    TNotifyEvent command{reinterpret_cast<TNotifyEvent::CodeType>(&CountChange), this};
    Bind<TGetItemCommandProc>("GetItemCommand")(&command, 1);
    EXPECT_FALSE(command.Code);
    EXPECT_FALSE(command.Data);

    EXPECT_EQ(Bind<TGetDataManagerProc>("GetDataManager")(), nullptr);
    LoadDataFromFile(Dir.File("journal.txt"));
    Bind<TRegisterChangeDataEventProc>("RegisterChangeDataEvent")(&CountChange);
    EXPECT_EQ(Bind<TGetDataManagerProc>("GetDataManager")(), nullptr);
}

TEST_F(Korvath, ServesOneManagerUntilItIsUnloaded)
{
    ASSERT_TRUE(Module);
    const QString besideProgram = ProgramFolder() + "ormeldata.txt";
    const bool journalBesideProgram = QFile::exists(besideProgram);
    TDataLineProc dataLine = nullptr;
    TDataManager *manager = Register(&dataLine);
    ASSERT_TRUE(manager);
    EXPECT_EQ(Bind<TGetDataManagerProc>("GetDataManager")(), manager);
    auto *ormel = dynamic_cast<TOrmelDataManager *>(manager);
    ASSERT_TRUE(ormel);
    EXPECT_EQ(ormel->DataFileName, besideProgram);
    EXPECT_EQ(QFile::exists(besideProgram), journalBesideProgram);

    Dir.Write("journal.txt", CrLfLines({TuningLine().Line(), TuningLine{.Id = 2}.Line(), ImageLine().Line()}));
    LoadDataFromFile(Dir.File("journal.txt"));
    EXPECT_EQ(manager->GetTuningCount(), 2);
    EXPECT_EQ(manager->GetImageCount(), 1);

    // A setting naming a missing file empties the manager and makes that file the journal.
    LoadDataFromFile(Dir.File("new.txt"));
    EXPECT_EQ(manager->GetTuningCount() + manager->GetImageCount(), 0);
    EXPECT_FALSE(QFile::exists(Dir.File("new.txt")));

    changes = laterChanges = 0;
    Bind<TRegisterChangeDataEventProc>("RegisterChangeDataEvent")(&CountChange);
    Bind<TRegisterChangeDataEventProc>("RegisterChangeDataEvent")(&CountLaterChange);
    const QByteArray line = TuningLine().Line();
    dataLine(line.constData(), qint32(line.size()));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(laterChanges, 1);
    EXPECT_EQ(Dir.Read("new.txt"), line + "\r\n");

    LoadDataFromFile(Dir.File("journal.txt"));
    ASSERT_EQ(manager->GetTuningCount(), 2);
    EXPECT_TRUE(manager->DeleteTuning((*manager->GetTuningList())[0]));
    Module.Unload();
    EXPECT_EQ(Dir.Read("journal.txt"), CrLfLines({TuningLine{.Id = 2}.Line(), ImageLine().Line()}));
}

TEST_F(Korvath, FailedRewriteAtUnloadKeepsTheJournalAndIsReported)
{
    ASSERT_TRUE(Module);
    TDataManager *manager = Register();
    const QByteArray journal = CrLfLines({TuningLine().Line()});
    Dir.Write("journal.txt", journal);
    LoadDataFromFile(Dir.File("journal.txt"));
    manager->TuningMessages.SetLength(2);
    manager->TuningMessages[1] = new TUnwritableTuning;
    manager->TuningCount = 2;
    manager->SetModified(true);

    testing::internal::CaptureStderr();
    const QStringList messages = MessagesWhile([this] { Module.Unload(); });
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("cannot format this record"), std::string::npos) << reported;
    EXPECT_EQ(Dir.Read("journal.txt"), journal);
    // The user is told too, even while the module goes away.
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(Dir.File("journal.txt"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("cannot format this record")) << messages[0].toStdString();
}
