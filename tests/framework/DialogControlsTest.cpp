#include "controls/ComboBox.h"
#include "controls/GroupBox.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/SpinEdit.h"
#include "forms/Form.h"

#include <QAbstractItemView>
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
