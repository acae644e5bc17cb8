#include "LoadedModule.h"
#include "PluginContract.h"
#include "Records.h"
#include "classes/MetaTypes.h"
#include "dynlib/DynLib.h"
#include "graphics/Bitmap.h"
#include "mlLang.h"
#include "mlLangDispatcher.h"
#include "rtl/Codec1251.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The built lumbra module, loaded for one test and unloaded at its end.
class Lumbra : public testing::Test {
protected:
    Lumbra()
    {
        RegisterFrameworkMetaTypes();
        RegisterLanguageMetaTypes();
        Module.Load(LUMBRA_MODULE);
    }
    template <class Entry>
    Entry Bind(const char *name) const
    {
        return Module.Bind<Entry>(name);
    }
    QString MainName(int lang) const { return Text(Bind<TGetMainNameProc>("GetMainName")(lang)); }
    QString ItemName(int item, int lang) const { return Text(Bind<TGetItemNameProc>("GetItemName")(item, lang)); }
    QString ItemHint(int item, int lang) const { return Text(Bind<TGetItemHintProc>("GetItemHint")(item, lang)); }
    static QString Text(const char *block) { return FromCp1251(block, qsizetype(std::strlen(block))); }

    TLoadedModule Module;
};

void Nothing(void *, TObject *) {}

QWidget *TopLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}
} // namespace

TEST_F(Lumbra, ExportsExactlyTheEightEntriesOfTheContract)
{
    ASSERT_TRUE(Module);
    const std::optional<QStringList> exported = ExportedEntries(LUMBRA_MODULE);
    ASSERT_TRUE(exported);
    EXPECT_EQ(*exported, (QStringList{"GetItemBitmap", "GetItemCommand", "GetItemHint", "GetItemName", "GetMainName",
                                      "GetPluginOrder", "OnDataUpdate", "RegisterPlugin"}));
}

// Registration, the texts in both languages (hints in the language of the last name asked for), the commands,
// the glyph, and the command that opens the window filled from the data manager.
TEST_F(Lumbra, AnswersTheContractAndOpensItsWindow)
{
    ASSERT_TRUE(Module);
    EXPECT_EQ(Bind<TGetPluginOrderProc>("GetPluginOrder")(), 1);

    auto manager = std::make_unique<TDataManager>();
    manager->TuningMessages.SetLength(1);
    manager->TuningMessages[0] = new TLumbraTuningMessage;
    manager->TuningCount = 1;
    TDataManager *cell = manager.get();
    TDataLineProc dataLine = nullptr;
    std::uint8_t isDataManager = 1;
    TmlLangDispatcher hostDispatcher(nullptr);
    hostDispatcher.ActiveLanguage = 1;
    EXPECT_EQ(Bind<TRegisterPluginProc>("RegisterPlugin")(nullptr, &dataLine, &isDataManager, &cell, &hostDispatcher),
              1);
    EXPECT_EQ(isDataManager, 0);
    EXPECT_FALSE(dataLine);
    EXPECT_EQ(cell, manager.get());

    const char *block = Bind<TGetMainNameProc>("GetMainName")(1);
    EXPECT_EQ(std::strlen(block), 7u);
    EXPECT_EQ(QByteArray(block, 8), QByteArray("&LUMBRA\0", 8));
    EXPECT_EQ(ItemName(1, 1), "&Data management");
    EXPECT_EQ(ItemName(3, 1), "&EEEE");
    EXPECT_EQ(ItemName(7, 1), "Wrong Index!");
    EXPECT_EQ(ItemHint(1, 1), "View and edit LUMBRA data archive");
    EXPECT_EQ(ItemHint(0, 1), "This item shouldn't be visible!");

    EXPECT_EQ(MainName(2), QString::fromUtf8("&ЛУМБРА"));
    EXPECT_EQ(ItemHint(1, 1), QString::fromUtf8("Просмотр и редактирование архива ЛУМБРА"));
    EXPECT_EQ(ItemHint(0, 2), "This item shouldn't be visible!");
    EXPECT_EQ(ItemName(2, 2), "");
    EXPECT_EQ(ItemName(7, 2), "");
    EXPECT_EQ(MainName(1), "&LUMBRA");

    TNotifyEvent open;
    TNotifyEvent test;
    TNotifyEvent none{&Nothing, this};
    Bind<TGetItemCommandProc>("GetItemCommand")(&open, 1);
    Bind<TGetItemCommandProc>("GetItemCommand")(&test, 2);
    Bind<TGetItemCommandProc>("GetItemCommand")(&none, 4);
    EXPECT_TRUE(open.Code && open.Data);
    EXPECT_TRUE(test.Code && test.Code != open.Code);
    EXPECT_EQ(test.Data, open.Data);
    EXPECT_FALSE(none.Code);
    EXPECT_FALSE(none.Data);

    std::unique_ptr<TBitmap> glyph(Bind<TGetItemBitmapProc>("GetItemBitmap")(1));
    ASSERT_TRUE(glyph);
    EXPECT_EQ(glyph->Width(), 16);
    EXPECT_EQ(glyph->Height(), 16);
    // The olive background turns into the white the host shows see-through; the drawing stays.
    EXPECT_EQ(glyph->Image().pixelColor(0, 15), QColor(Qt::white));
    EXPECT_NE(glyph->Image().pixelColor(3, 3), QColor(Qt::white));
    EXPECT_FALSE(Bind<TGetItemBitmapProc>("GetItemBitmap")(9));

    ASSERT_FALSE(TopLevel("frmLumbra") && TopLevel("frmLumbra")->isVisible());
    open(nullptr);
    QWidget *window = TopLevel("frmLumbra");
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "LUMBRA Data Management");
    Bind<TOnDataUpdateProc>("OnDataUpdate")();
}
