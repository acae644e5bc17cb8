#include "PluginManager.h"

#include "forms/MessageBox.h"
#include "forms/ModalHook.h"
#include "rtl/Exceptions.h"

#include "LoadedModule.h"
#include "QtPrint.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {
// A folder of plug-in files for one test, and the journal of the plug-ins' loads and unloads.
class PluginManagerTest : public testing::Test {
protected:
    void SetUp() override { qputenv("ORMEL_TEST_PLUGIN_LOG", QFile::encodeName(dir.File("log.txt"))); }
    void TearDown() override { qunsetenv("ORMEL_TEST_PLUGIN_LOG"); }

    // Copies the test plug-in `plugin` into the folder as `fileName`.
    void Put(const char *plugin, const QString &fileName)
    {
        const QString source = QStringLiteral(ORMEL_TEST_PLUGIN_DIR "/") + plugin + SharedLibrarySuffix;
        ASSERT_TRUE(QFile::copy(source, Path(fileName))) << source.toStdString();
    }
    QString Path(const QString &fileName) const { return QDir(plugins.Path()).filePath(fileName); }

    std::unique_ptr<TmlPluginManager> Manager()
    {
        auto manager = std::make_unique<TmlPluginManager>(nullptr);
        manager->SetFolder(plugins.Path());
        return manager;
    }

    QStringList Log() const
    {
        QFile file(dir.File("log.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    void ClearLog() const { QFile::remove(dir.File("log.txt")); }

    TempDir dir;
    TempDir plugins;
};

QStringList Keys(const TmlPluginManager &manager) { return manager.PlugIns()->ToStringList(); }

struct EventJournal {
    QStringList entries;
    void PlugInLoaded(TObject *sender, const QString &itemName, int item, int count)
    {
        auto *manager = static_cast<TmlPluginManager *>(sender);
        entries << QStringLiteral("%1 %2 of %3, %4 bound").arg(itemName).arg(item).arg(count).arg(manager->Count());
    }
    void LoadComplete(TObject *sender)
    {
        entries << QStringLiteral("complete, %1 bound").arg(static_cast<TmlPluginManager *>(sender)->Count());
    }
};
} // namespace

TEST_F(PluginManagerTest, NegativeOrderComesFirstAsABlankKeyAndIsReleasedLast)
{
    Put("order_1", "a.so");
    Put("order_minus1", "b.so");
    Put("order_10", "c.so");
    auto manager = Manager();
    manager->LoadPlugins();
    ASSERT_EQ(Keys(*manager), QStringList({" ", "1", "10"}));
    EXPECT_EQ(manager->Count(), 3);

    // The entries are bound to the right names.
    TPluginInfo *dataManager = manager->PlugIn(0);
    EXPECT_EQ(dataManager->Order, -1);
    EXPECT_FALSE(dataManager->WasLoaded);
    EXPECT_EQ(dataManager->MenuItem, nullptr);
    EXPECT_STREQ(dataManager->GetMainName(1), "");
    std::uint8_t isDataManager = 0;
    TDataManager *shared = nullptr;
    TDataLineProc dataLine = nullptr;
    EXPECT_EQ(dataManager->RegisterPlugin(nullptr, &dataLine, &isDataManager, &shared, nullptr), 2);
    EXPECT_EQ(isDataManager, 1);
    ASSERT_NE(dataManager->OnDataUpdate, nullptr);
    dataManager->OnDataUpdate();
    EXPECT_EQ(Log().last(), "update order_minus1");

    TPluginInfo *first = manager->PlugIn(1);
    EXPECT_EQ(first->Order, 1);
    EXPECT_STREQ(first->GetMainName(1), "order_1");
    EXPECT_STREQ(first->GetItemName(2, 1), "Second");
    EXPECT_STREQ(first->GetItemHint(1, 1), "LUMBRA-C");
    EXPECT_EQ(first->GetItemBitmap(1), nullptr);
    TNotifyEvent command;
    first->GetItemCommand(&command, 7);
    EXPECT_EQ(command.Data, reinterpret_cast<void *>(7));
    EXPECT_EQ(first->OnDataUpdate, nullptr);
    EXPECT_EQ(first->GetPluginOrder(), 1);

    ClearLog();
    manager->UnloadPlugins();
    EXPECT_EQ(Log(), QStringList({"unload order_10", "unload order_1", "unload order_minus1"}));
    EXPECT_EQ(manager->Count(), 0);
    EXPECT_TRUE(manager->Infos().isEmpty());
}

TEST_F(PluginManagerTest, KeysCompareAsTextAndAnEqualKeyGoesBeforeTheOnesPresent)
{
    Put("order_2", "a.so");
    Put("order_10", "b.so");
    Put("order_1", "c.so");
    Put("order_1", "d.so");
    auto manager = Manager();
    manager->LoadPlugins();
    ASSERT_EQ(Keys(*manager), QStringList({"1", "1", "10", "2"}));
    EXPECT_EQ(manager->PlugIn(0)->ModuleHandle, GetModuleHandle(Path("d.so")));
    EXPECT_EQ(manager->PlugIn(1)->ModuleHandle, GetModuleHandle(Path("c.so")));
    EXPECT_EQ(manager->PlugIn(3)->Order, 2);
}

TEST_F(PluginManagerTest, EventsCountEveryLibraryFileAndNonPluginsAreReleasedSilently)
{
    Put("not_a_plugin", "a.so");
    Put("order_1", "b.so");
    QFile broken(Path("c.so"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();

    EventJournal journal;
    auto manager = Manager();
    manager->SetOnLoadPlugIn(MakeEvent<&EventJournal::PlugInLoaded>(&journal));
    manager->SetOnLoadComplete(MakeEvent<&EventJournal::LoadComplete>(&journal));
    manager->LoadPlugins();
    EXPECT_EQ(journal.entries, QStringList({"b.so 2 of 3, 1 bound", "complete, 1 bound"}));
    ASSERT_EQ(manager->Infos().size(), 3);
    EXPECT_EQ(manager->Infos()[0], nullptr);
    EXPECT_EQ(manager->Infos()[1], manager->PlugIn(0));
    EXPECT_EQ(manager->Infos()[2], nullptr);
    // The library without RegisterPlugin was loaded only to look and is gone again.
    EXPECT_EQ(Log(), QStringList({"load not_a_plugin", "unload not_a_plugin", "load order_1"}));
    EXPECT_EQ(GetModuleHandle(Path("a.so")), nullptr);
}

TEST_F(PluginManagerTest, AnEmptyFolderStillCompletesAndOnlyLibraryFilesAreListed)
{
    EventJournal journal;
    auto manager = Manager();
    manager->SetOnLoadComplete(MakeEvent<&EventJournal::LoadComplete>(&journal));
    manager->LoadPlugins();
    EXPECT_EQ(journal.entries, QStringList({"complete, 0 bound"}));

    // Hidden files and folders with the suffix are tried too; other names are not.
    Put("order_1", ".hidden.so");
    ASSERT_TRUE(QDir(plugins.Path()).mkdir("folder.so"));
    Put("order_2", "readme.txt");
    Put("order_10", "upper.SO");
    journal.entries.clear();
    manager->SetOnLoadPlugIn(MakeEvent<&EventJournal::PlugInLoaded>(&journal));
    manager->LoadPlugins();
    EXPECT_EQ(journal.entries, QStringList({".hidden.so 1 of 2, 1 bound", "complete, 1 bound"}));
}

TEST_F(PluginManagerTest, AnAlreadyLoadedLibraryIsBoundButNeverFreed)
{
    Put("order_1", "a.so");
    Put("order_2", "b.so");
    Put("not_a_plugin", "c.so");
    const HMODULE ownPlugin = LoadLibrary(Path("a.so"));
    const HMODULE ownOther = LoadLibrary(Path("c.so"));
    ASSERT_NE(ownPlugin, nullptr);
    ASSERT_NE(ownOther, nullptr);
    {
        auto manager = Manager();
        manager->LoadPlugins();
        ASSERT_EQ(manager->Count(), 2);
        EXPECT_TRUE(manager->PlugIn(0)->WasLoaded);
        EXPECT_EQ(manager->PlugIn(0)->ModuleHandle, ownPlugin);
        EXPECT_FALSE(manager->PlugIn(1)->WasLoaded);
        ClearLog();
    }
    EXPECT_EQ(Log(), QStringList({"unload order_2"}));
    EXPECT_EQ(GetModuleHandle(Path("a.so")), ownPlugin);
    EXPECT_EQ(GetModuleHandle(Path("c.so")), ownOther);
    ClearLog();
    EXPECT_TRUE(FreeLibrary(ownPlugin));
    EXPECT_TRUE(FreeLibrary(ownOther));
    EXPECT_EQ(Log(), QStringList({"unload order_1", "unload not_a_plugin"}));
}

TEST_F(PluginManagerTest, LoadingAgainFreesTheFirstSetBeforeLoadingAnew)
{
    Put("order_2", "a.so");
    Put("order_minus1", "b.so");
    auto manager = Manager();
    manager->LoadPlugins();
    Put("order_10", "c.so");
    manager->LoadPlugins();
    EXPECT_EQ(Log(), QStringList({"load order_2", "load order_minus1", "unload order_2", "unload order_minus1",
                                  "load order_2", "load order_minus1", "load order_10"}));
    EXPECT_EQ(Keys(*manager), QStringList({" ", "10", "2"}));
    EXPECT_EQ(manager->Infos().size(), 3);
    ClearLog();
    manager.reset();
    EXPECT_EQ(Log(), QStringList({"unload order_2", "unload order_10", "unload order_minus1"}));
}

TEST_F(PluginManagerTest, ALibraryLackingARequiredEntryIsNoPluginAndTheUserIsTold)
{
    Put("no_item_hint", "a.so");
    Put("order_1", "b.so");
    EventJournal journal;
    auto manager = Manager();
    manager->SetOnLoadPlugIn(MakeEvent<&EventJournal::PlugInLoaded>(&journal));
    testing::internal::CaptureStderr();
    manager->LoadPlugins();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("a.so exports RegisterPlugin but not GetItemHint"), std::string::npos) << errors;
    EXPECT_EQ(journal.entries, QStringList({"b.so 2 of 2, 1 bound"}));
    EXPECT_EQ(Keys(*manager), QStringList({"1"}));
    EXPECT_EQ(Log(), QStringList({"load no_item_hint", "unload no_item_hint", "load order_1"}));
}

TEST_F(PluginManagerTest, APluginWhoseOrderFailsIsReportedAndReleasedAndTheOthersLoad)
{
    Put("order_1", "a.so");
    Put("order_raises", "b.so");
    Put("order_2", "c.so");
    // A pipe named as a library would keep the loader waiting for a writer.
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.so")).constData(), 0600), 0);
    EventJournal journal;
    QStringList reports;
    TModalHookScope hook([&](const TModalRequest &request) {
        reports << request.Text;
        return IDOK;
    });
    auto manager = Manager();
    manager->SetOnLoadPlugIn(MakeEvent<&EventJournal::PlugInLoaded>(&journal));
    testing::internal::CaptureStderr();
    manager->LoadPlugins();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("pipe.so is not a regular file"), std::string::npos) << errors;
    EXPECT_EQ(reports, QStringList{"TmlPluginManager - The plug-in b.so failed and is left out: no order"});
    EXPECT_EQ(journal.entries, QStringList({"a.so 1 of 4, 1 bound", "c.so 3 of 4, 2 bound"}));
    EXPECT_EQ(Keys(*manager), QStringList({"1", "2"}));
    EXPECT_EQ(manager->Infos()[1], nullptr);
    EXPECT_EQ(manager->PlugIn(0)->FileName, "a.so");
    EXPECT_EQ(Log(), QStringList({"load order_1", "load order_raises", "unload order_raises", "load order_2"}));
}

TEST_F(PluginManagerTest, LoadedLoadsUnlessDesigningAndPublishesCountAndPlugIns)
{
    Put("order_1", "a.so");
    auto designed = Manager();
    designed->SetDesigning(true);
    designed->Loaded();
    EXPECT_EQ(designed->Count(), 0);

    auto manager = Manager();
    manager->BeginLoading();
    manager->Loaded();
    EXPECT_FALSE(manager->HasState(csLoading));
    EXPECT_EQ(manager->Count(), 1);
    EXPECT_EQ(manager->property("Count").toInt(), 1);
    const QMetaObject *meta = manager->metaObject();
    const QMetaProperty plugIns = meta->property(meta->indexOfProperty("PlugIns"));
    ASSERT_TRUE(plugIns.isValid());
    EXPECT_FALSE(plugIns.isWritable());
    EXPECT_TRUE(plugIns.metaType().flags() & QMetaType::PointerToQObject);
    EXPECT_EQ(plugIns.read(manager.get()).value<TStringList *>(), manager->PlugIns());
}

TEST_F(PluginManagerTest, APluginExportsOnlyItsContractEntries)
{
    const std::optional<QStringList> names = ExportedEntries(ORMEL_TEST_PLUGIN_DIR "/order_minus1.so");
    if (!names)
        GTEST_SKIP() << "nm is not available";
    EXPECT_EQ(*names, QStringList({"GetItemBitmap", "GetItemCommand", "GetItemHint", "GetItemName", "GetMainName",
                                   "GetPluginOrder", "OnDataUpdate", "RegisterPlugin"}));
}

TEST_F(PluginManagerTest, LibrariesAreLoadedByFullPathAndGiveOnlyTheirOwnEntries)
{
    Put("order_1", "a.so");
    const HMODULE module = LoadLibrary(Path("a.so"));
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "GetMainName"), nullptr);
    // The C library is a dependency of the plug-in, not one of its entries.
    EXPECT_EQ(GetProcAddress(module, "malloc"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "NoSuchEntry"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(GetModuleHandle(Path("a.so")), nullptr);

    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadLibrary("libc.so.6"), nullptr);
    testing::internal::GetCapturedStderr();

    const QString folder = ProgramFolder();
    EXPECT_TRUE(folder.endsWith(u'/'));
    EXPECT_EQ(QDir(folder), QDir(QCoreApplication::applicationDirPath()));
    EXPECT_TRUE(QFile::exists(folder + QCoreApplication::applicationFilePath().section(u'/', -1)));
}
