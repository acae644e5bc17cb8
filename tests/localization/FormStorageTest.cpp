#include "forms/Form.h"
#include "forms/Screen.h"
#include "mlFormStorage.h"
#include "registry/Registry.h"
#include "rtl/Exceptions.h"

#include "QtPrint.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace {
const QString Key = QStringLiteral("Software\\Kelmar\\OrmelSW\\Test");

// A form read from its resource with design bounds 100, 50, 400 x 300 and a form-state store.
class TfrmStored : public TForm {
    Q_OBJECT
public:
    explicit TfrmStored(bool active = true, TMyHKeyType root = mlHKEY_CURRENT_USER) : TForm(nullptr)
    {
        BeginLoading();
        SetBounds(100, 50, 400, 300);
        Storage = new TmlFormStorage(this);
        Storage->SetActive(active);
        Storage->SetRegRootKey(root);
        Storage->SetSubKey(Key);
        EndLoading();
    }
    TmlFormStorage *Storage;
};

class FormStorage : public testing::Test {
protected:
    void SetUp() override { registry.DeleteKey("\\" + Key); }
    void TearDown() override { registry.DeleteKey("\\" + Key); }

    void Store(const QString &name, const QVariant &value)
    {
        ASSERT_TRUE(registry.OpenKey("\\" + Key, true));
        if (value.typeId() == QMetaType::QString)
            registry.WriteString(name, value.toString());
        else
            registry.WriteInteger(name, value.toInt());
        registry.CloseKey();
    }
    void StoreBounds(int top, int left, int height, int width)
    {
        Store("Top", top);
        Store("Left", left);
        Store("Height", height);
        Store("Width", width);
    }
    static void ExpectDesignState(const TForm &form)
    {
        EXPECT_EQ(form.Left(), 100);
        EXPECT_EQ(form.Top(), 50);
        EXPECT_EQ(form.Width(), 400);
        EXPECT_EQ(form.Height(), 300);
        EXPECT_EQ(form.WindowState(), wsNormal);
    }
    TRegistry registry;
};
} // namespace

TEST_F(FormStorage, FirstStartRestoresNothingAndTheNormalWindowIsSavedAndRestoredNextTime)
{
    {
        TfrmStored form;
        ExpectDesignState(form);
        EXPECT_EQ(form.Storage->RootKey(), HKEY_CURRENT_USER);
        form.SetBounds(20, 30, 500, 200);
    }
    ASSERT_TRUE(registry.OpenKey("\\" + Key, false));
    EXPECT_EQ(registry.ReadString("State"), "Normal");
    EXPECT_EQ(registry.ReadInteger("Top"), 30);
    EXPECT_EQ(registry.ReadInteger("Left"), 20);
    EXPECT_EQ(registry.ReadInteger("Height"), 200);
    EXPECT_EQ(registry.ReadInteger("Width"), 500);
    registry.CloseKey();

    TfrmStored again;
    EXPECT_EQ(again.Left(), 20);
    EXPECT_EQ(again.Top(), 30);
    EXPECT_EQ(again.Width(), 500);
    EXPECT_EQ(again.Height(), 200);
}

TEST_F(FormStorage, MaximizedStateTakesTheEarlierNormalBoundsFirstAndSavesOnlyItsState)
{
    Store("State", "Maximized");
    StoreBounds(11, 12, 250, 450);
    {
        TfrmStored form;
        EXPECT_EQ(form.WindowState(), wsMaximized);
        form.SetWindowState(wsNormal);
        EXPECT_EQ(form.Height(), 250);
        EXPECT_EQ(form.Width(), 450);
        form.SetBounds(1, 2, 300, 300);
        form.SetWindowState(wsMinimized);
    }
    ASSERT_TRUE(registry.OpenKey("\\" + Key, false));
    EXPECT_EQ(registry.ReadString("State"), "Minimized");
    // The bounds of the last normal exit stay for the next start.
    EXPECT_EQ(registry.ReadInteger("Top"), 11);
    EXPECT_EQ(registry.ReadInteger("Width"), 450);
    registry.CloseKey();

    TfrmStored minimized;
    EXPECT_EQ(minimized.WindowState(), wsMinimized);
}

TEST_F(FormStorage, AnUnreadableStoredStateLeavesTheDesignBoundsAndState)
{
    // No "Top".
    Store("State", "Maximized");
    Store("Left", 1);
    Store("Height", 2);
    Store("Width", 3);
    ExpectDesignState(TfrmStored());

    // A state too short to tell.
    StoreBounds(5, 6, 207, 208);
    Store("State", "No");
    ExpectDesignState(TfrmStored());

    // A bound of the wrong type.
    Store("State", "Normal");
    Store("Height", "tall");
    ExpectDesignState(TfrmStored());

    // Another third letter changes nothing but the bounds; the test of the letter heeds its case.
    Store("Height", 207);
    Store("State", "MAXIMIZED");
    TfrmStored form;
    EXPECT_EQ(form.WindowState(), wsNormal);
    EXPECT_EQ(form.Height(), 207);
}

// Stored places that a damaged or hostile store may hold: the window comes up whole within the screen's work
// area, or at its design place when the stored one has no size.
TEST_F(FormStorage, AStoredPlaceIsTakenOnlyWithinTheScreensWorkArea)
{
    const TRect area = Screen->WorkAreaAt(0, 0);
    ASSERT_FALSE(area.IsEmpty());
    const auto expectInside = [&area](const TForm &form, const char *what) {
        EXPECT_GE(form.Left(), area.Left) << what;
        EXPECT_GE(form.Top(), area.Top) << what;
        EXPECT_GT(form.Width(), 0) << what;
        EXPECT_GT(form.Height(), 0) << what;
        EXPECT_LE(form.Left() + form.Width(), area.Right) << what;
        EXPECT_LE(form.Top() + form.Height(), area.Bottom) << what;
    };
    Store("State", "Normal");
    StoreBounds(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    expectInside(TfrmStored(), "the largest integers");
    StoreBounds(0, 0, 65536, 65536);
    {
        TfrmStored form;
        expectInside(form, "a window far larger than the screen");
        EXPECT_EQ(form.Width(), area.Width());
        EXPECT_EQ(form.Height(), area.Height());
    }
    StoreBounds(INT_MIN, INT_MIN, 200, 100);
    {
        TfrmStored form;
        expectInside(form, "far beyond the top left corner");
        EXPECT_EQ(form.Width(), 100);
        EXPECT_EQ(form.Height(), 200);
    }
    // A place that fits is taken as it is.
    StoreBounds(area.Top + 3, area.Left + 4, 60, 70);
    {
        TfrmStored form;
        EXPECT_EQ(form.Left(), area.Left + 4);
        EXPECT_EQ(form.Top(), area.Top + 3);
        EXPECT_EQ(form.Width(), 70);
        EXPECT_EQ(form.Height(), 60);
    }
    for (const auto &[height, width] :
         {std::pair{0, 300}, std::pair{300, 0}, std::pair{-5, 300}, std::pair{300, INT_MIN}}) {
        StoreBounds(10, 10, height, width);
        ExpectDesignState(TfrmStored());
    }
}

TEST_F(FormStorage, InactiveStoreNeitherReadsNorWritesAndTheOwnerMustBeAForm)
{
    Store("State", "Maximized");
    StoreBounds(5, 6, 207, 208);
    {
        TfrmStored form(false);
        ExpectDesignState(form);
        form.SetBounds(0, 0, 10, 10);
    }
    ASSERT_TRUE(registry.OpenKey("\\" + Key, false));
    EXPECT_EQ(registry.ReadString("State"), "Maximized");
    EXPECT_EQ(registry.ReadInteger("Width"), 208);
    registry.CloseKey();

    TComponent notAForm(nullptr);
    EXPECT_THROW(new TmlFormStorage(&notAForm), EInvalidCast);
    EXPECT_EQ(notAForm.ComponentCount(), 0);
}

TEST_F(FormStorage, RootKeysMapOntoThePredefinedKeysAndKeepTheirValuesApart)
{
    {
        TfrmStored form(true, mlHKEY_LOCAL_MACHINE);
        EXPECT_EQ(form.Storage->RootKey(), HKEY_LOCAL_MACHINE);
        form.Storage->SetRegRootKey(mlHKEY_DYN_DATA);
        EXPECT_EQ(form.Storage->RootKey(), HKEY_DYN_DATA);
        form.Storage->SetRegRootKey(mlHKEY_CLASSES_ROOT);
        EXPECT_EQ(form.Storage->RootKey(), HKEY_CLASSES_ROOT);
    }
    EXPECT_FALSE(registry.KeyExists("\\" + Key));
    TRegistry classes;
    classes.SetRootKey(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(classes.OpenKey("\\" + Key, false));
    EXPECT_EQ(classes.ReadString("State"), "Normal");
    classes.CloseKey();
    classes.DeleteKey("\\" + Key);
}

#include "FormStorageTest.moc"
