#include "controls/ComboBox.h"
#include "controls/GroupBox.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/ScrollBox.h"
#include "controls/SpeedButton.h"
#include "controls/SpinButton.h"
#include "controls/SpinEdit.h"
#include "dialogs/ColorDialog.h"
#include "forms/Form.h"
#include "forms/ModalHook.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct TItemDrawings {
    TComboBox *combo = nullptr;
    QStringList calls;
    void DrawItem(TWinControl *control, int index, TRect rect, TOwnerDrawState state)
    {
        calls << QStringLiteral("%1 h%2%3%4")
                     .arg(index)
                     .arg(rect.Height())
                     .arg(state & odSelected ? " selected" : "")
                     .arg(state & odComboBoxEdit ? " edit" : "");
        TCanvas *canvas = static_cast<TComboBox *>(control)->Canvas();
        canvas->FillRect(rect);
        canvas->Brush()->SetColor(TColor(reinterpret_cast<quintptr>(combo->Items()->Objects(index))));
        canvas->Rectangle(rect.Left + 2, rect.Top + 2, rect.Left + 40, rect.Bottom - 2);
    }
};

struct TPaintCounter {
    TPaintBox *box = nullptr;
    TColor brushAtStart = 0;
    int paints = 0;
    void Paint(TObject *)
    {
        ++paints;
        brushAtStart = box->Canvas()->Brush()->Color();
        box->Canvas()->Brush()->SetColor(clRed);
        box->Canvas()->FillRect(Rect(0, 0, 10, 10));
    }
};

struct TSpinChanges {
    int count = 0;
    void Changed(TObject *) { ++count; }
};

struct TSpinClicks {
    QStringList calls;
    void Up(TObject *sender) { calls << "up " + static_cast<TComponent *>(sender)->Name(); }
    void Down(TObject *sender) { calls << "down " + static_cast<TComponent *>(sender)->Name(); }
};
} // namespace

TEST(DialogControls, GroupBoxFramesItsCaptionAndKeepsAlignedControlsInside)
{
    TForm form(nullptr);
    auto *group = new TGroupBox(&form);
    group->SetParent(&form);
    group->SetCaption("Field colors");
    EXPECT_EQ(static_cast<QGroupBox *>(group->Widget())->title(), "Field colors");
    EXPECT_EQ(group->property("Caption").toString(), "Field colors");
    auto *inside = new TPanel(&form);
    inside->SetParent(group);
    inside->SetAlign(alClient);
    EXPECT_EQ(inside->Widget()->parentWidget(), group->Widget());
    EXPECT_EQ(inside->Left(), 1);
    EXPECT_GT(inside->Top(), 5);
    EXPECT_EQ(inside->Top() + inside->Height(), group->Height() - 1);
}

TEST(DialogControls, SpinEditKeepsItsValueWithinTheLimitsAndReportsEveryChange)
{
    TForm form(nullptr);
    auto *spin = new TSpinEdit(&form);
    spin->SetParent(&form);
    TSpinChanges changes;
    spin->SetOnChange(MakeEvent<&TSpinChanges::Changed>(&changes));
    // Equal limits mean none.
    spin->SetValue(100000);
    EXPECT_EQ(spin->Value(), 100000);
    spin->SetMaxValue(255);
    EXPECT_EQ(spin->Value(), 255);
    spin->SetValue(-4);
    EXPECT_EQ(spin->Value(), 0);
    EXPECT_EQ(spin->Text(), "0");
    EXPECT_EQ(changes.count, 3);
    spin->SetText("17");
    EXPECT_EQ(spin->Value(), 17);
    spin->SetText("abc");
    EXPECT_EQ(spin->Value(), 17);
    // Typed and stepped changes count as well.
    auto *box = static_cast<QSpinBox *>(spin->Widget());
    const int before = changes.count;
    box->stepUp();
    EXPECT_EQ(spin->Value(), 18);
    EXPECT_EQ(changes.count, before + 1);
    EXPECT_EQ(spin->property("MaxValue").toInt(), 255);
}

TEST(DialogControls, PaintBoxPaintsThroughItsCanvasInItsColour)
{
    TForm form(nullptr);
    auto *box = new TPaintBox(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 40, 30);
    box->SetColor(clAqua);
    TPaintCounter counter;
    counter.box = box;
    box->SetOnPaint(MakeEvent<&TPaintCounter::Paint>(&counter));
    const QImage shot = box->Snapshot();
    EXPECT_GE(counter.paints, 1);
    EXPECT_EQ(counter.brushAtStart, clAqua);
    EXPECT_EQ(QColorToColor(shot.pixelColor(5, 5)), clRed);
}

TEST(DialogControls, OwnerDrawnComboDrawsItsItemsAndItsClosedBoxThroughOnDrawItem)
{
    TForm form(nullptr);
    auto *combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(20);
    combo->Items()->AddObject("clRed", reinterpret_cast<TObject *>(quintptr(clRed)));
    combo->Items()->AddObject("clBlue", reinterpret_cast<TObject *>(quintptr(clBlue)));
    combo->SetItemIndex(1);
    TItemDrawings drawings;
    drawings.combo = combo;
    combo->SetOnDrawItem(MakeEvent<&TItemDrawings::DrawItem>(&drawings));
    EXPECT_EQ(combo->property("ItemHeight").toInt(), 20);

    const QImage closed = combo->Snapshot();
    ASSERT_FALSE(drawings.calls.isEmpty());
    EXPECT_TRUE(drawings.calls.last().startsWith("1 ")) << drawings.calls.last().toStdString();
    EXPECT_TRUE(drawings.calls.last().endsWith(" edit"));
    bool swatch = false;
    for (int x = 0; x < closed.width() && !swatch; ++x)
        swatch = QColorToColor(closed.pixelColor(x, closed.height() / 2)) == clBlue;
    EXPECT_TRUE(swatch);

    drawings.calls.clear();
    form.Show();
    auto *box = static_cast<QComboBox *>(combo->Widget());
    box->showPopup();
    QAbstractItemView *list = box->view();
    list->setCurrentIndex(list->model()->index(0, 0));
    const QImage shown = list->grab().toImage();
    box->hidePopup();
    EXPECT_TRUE(drawings.calls.contains("0 h20 selected")) << drawings.calls.join("|").toStdString();
    EXPECT_TRUE(drawings.calls.contains("1 h20")) << drawings.calls.join("|").toStdString();
    EXPECT_EQ(QColorToColor(shown.pixelColor(10, 10)), clRed);
    EXPECT_EQ(QColorToColor(shown.pixelColor(10, 30)), clBlue);

    // Back to a plain list: the items show their texts again.
    combo->SetStyle(csDropDownList);
    drawings.calls.clear();
    list->grab();
    EXPECT_TRUE(drawings.calls.isEmpty());
}

TEST(DialogControls, FlatSpeedButtonDropsItsHoverLookOnMouseLeave)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *button = new TSpeedButton(&form);
    button->SetParent(&form);
    button->SetFlat(true);
    button->SetCaption("Find");
    form.Show();
    const QImage plain = button->Snapshot();
    button->Widget()->setAttribute(Qt::WA_UnderMouse, true);
    ASSERT_NE(button->Snapshot(), plain);
    button->MouseLeave();
    EXPECT_EQ(button->Snapshot(), plain);
}

TEST(DialogControls, SpinButtonSplitsItsHeightBetweenUpAndDownAndReportsEachClick)
{
    TForm form(nullptr);
    auto *spin = new TSpinButton(&form);
    spin->SetName("SpinButton3");
    spin->SetParent(&form);
    spin->SetBounds(48, 8, 16, 23);
    EXPECT_EQ(spin->UpButton()->geometry(), QRect(0, 0, 16, 11));
    EXPECT_EQ(spin->DownButton()->geometry(), QRect(0, 11, 16, 12));
    EXPECT_TRUE(spin->UpButton()->autoRepeat() && spin->DownButton()->autoRepeat());
    TSpinClicks clicks;
    spin->SetOnUpClick(MakeEvent<&TSpinClicks::Up>(&clicks));
    spin->SetOnDownClick(MakeEvent<&TSpinClicks::Down>(&clicks));
    spin->UpButton()->click();
    spin->DownButton()->click();
    spin->DownButton()->click();
    EXPECT_EQ(clicks.calls, QStringList({"up SpinButton3", "down SpinButton3", "down SpinButton3"}));
}

TEST(DialogControls, ScrollBoxRangeFollowsItsControlsAndAlignedControlsFillItsClientArea)
{
    TForm form(nullptr);
    auto *box = new TScrollBox(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 200, 100);
    EXPECT_LT(box->ClientWidth(), 200);
    EXPECT_EQ(box->Range(), QSize(0, 0));

    auto *wide = new TPanel(&form);
    wide->SetParent(box);
    EXPECT_EQ(wide->Widget()->parentWidget(), box->ClientWidget());
    wide->SetBounds(50, 20, 300, 40);
    EXPECT_EQ(box->Range(), QSize(350, 60));
    wide->SetBounds(10, 20, 30, 400);
    EXPECT_EQ(box->Range(), QSize(40, 420));
    wide->Hide();
    EXPECT_EQ(box->Range(), QSize(0, 0));

    // An aligned control takes the client area, not the scrolled range, and follows the box's size.
    wide->Show();
    auto *filling = new TPanel(&form);
    filling->SetParent(box);
    filling->SetAlign(alClient);
    EXPECT_EQ(filling->Widget()->geometry(), QRect(0, 0, box->ClientWidth(), box->ClientHeight()));
    box->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(filling->Widget()->geometry(), QRect(0, 0, box->ClientWidth(), box->ClientHeight()));
    EXPECT_EQ(box->Range(), QSize(box->ClientWidth(), 420));
}

TEST(DialogControls, ColorDialogOpensOnItsColourAndTakesTheChoiceOnlyWhenConfirmed)
{
    TColorDialog dialog(nullptr);
    dialog.SetOptions(cdSolidColor);
    dialog.SetColor(clBtnFace);
    QColor opened;
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            EXPECT_EQ(request.Kind, mkCommonDialog);
            EXPECT_EQ(request.Source, &dialog);
            auto *window = qobject_cast<QColorDialog *>(request.Window);
            opened = window->currentColor();
            window->setCurrentColor(QColor(0x12, 0x34, 0x56));
            return 1;
        });
        EXPECT_TRUE(dialog.Execute());
    }
    // A system colour opens as the colour it stands for.
    EXPECT_EQ(QColorToColor(opened), ColorToRGB(clBtnFace));
    EXPECT_EQ(dialog.Color(), RGB(0x12, 0x34, 0x56));

    TModalHookScope cancel([](const TModalRequest &request) {
        qobject_cast<QColorDialog *>(request.Window)->setCurrentColor(Qt::red);
        return 0;
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), RGB(0x12, 0x34, 0x56));
}
