#include "controls/Image.h"
#include "controls/Panel.h"
#include "forms/Form.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {
void Mouse(TControl *control, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QWidget *widget = control->Widget();
    QMouseEvent event(type, at, widget->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Delivers one step of a drag of this program's kind (or of a foreign one when data is null) to the target.
bool DragStep(TControl *target, QEvent::Type type, QPoint at, QMimeData *data)
{
    std::unique_ptr<QEvent> event;
    if (type == QEvent::DragEnter)
        event = std::make_unique<QDragEnterEvent>(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    else if (type == QEvent::DragMove)
        event = std::make_unique<QDragMoveEvent>(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    else
        event = std::make_unique<QDropEvent>(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target->Widget(), event.get());
    return event->isAccepted();
}

struct DragLog {
    QList<TDragState> states;
    QList<TObject *> sources;
    QList<QPoint> drops;
    TObject *accepted = nullptr;
    void Over(TObject *, TObject *source, int, int, TDragState state, bool &accept)
    {
        states << state;
        sources << source;
        accept = source == accepted;
    }
    void Drop(TObject *, TObject *source, int x, int y)
    {
        sources << source;
        drops << QPoint(x, y);
    }
};
} // namespace

TEST(DragDrop, ADragStartsPastItsThresholdAndReachesOnlyTargetsThatAcceptItsSource)
{
    TForm form(nullptr);
    auto *source = new TImage(&form);
    source->SetParent(&form);
    source->SetBounds(0, 0, 50, 50);
    source->SetOnMouseDown({[](void *data, TObject *, TMouseButton, TShiftState, int, int) {
                                static_cast<TImage *>(data)->BeginDrag(false, 10);
                            },
                            source});
    Mouse(source, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    EXPECT_TRUE(source->DragPending());
    Mouse(source, QEvent::MouseMove, {9, 9}, Qt::LeftButton);
    EXPECT_TRUE(source->DragPending());
    Mouse(source, QEvent::MouseButtonRelease, {9, 9}, Qt::NoButton);
    EXPECT_FALSE(source->DragPending());
    Mouse(source, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Mouse(source, QEvent::MouseMove, {20, 5}, Qt::NoButton);
    EXPECT_TRUE(source->DragPending()) << "only a held button drags";
    Mouse(source, QEvent::MouseMove, {5, 16}, Qt::LeftButton);
    EXPECT_FALSE(source->DragPending()) << "the drag ran";

    auto *target = new TPanel(&form);
    target->SetParent(&form);
    target->SetBounds(60, 0, 100, 100);
    EXPECT_FALSE(target->Widget()->acceptDrops());
    DragLog log;
    target->SetOnDragOver(MakeEvent<&DragLog::Over>(&log));
    target->SetOnDragDrop(MakeEvent<&DragLog::Drop>(&log));
    EXPECT_TRUE(target->Widget()->acceptDrops());

    TDragData fromSource(source);
    TDragData fromTarget(target);
    QMimeData foreign;
    foreign.setText("text from another program");
    log.accepted = source;
    EXPECT_FALSE(DragStep(target, QEvent::DragEnter, {3, 4}, &foreign));
    EXPECT_TRUE(log.states.isEmpty());
    EXPECT_FALSE(DragStep(target, QEvent::DragEnter, {3, 4}, &fromTarget));
    EXPECT_TRUE(DragStep(target, QEvent::DragEnter, {3, 4}, &fromSource));
    EXPECT_TRUE(DragStep(target, QEvent::DragMove, {7, 8}, &fromSource));
    EXPECT_EQ(log.states, (QList<TDragState>{dsDragEnter, dsDragEnter, dsDragMove}));
    EXPECT_TRUE(DragStep(target, QEvent::Drop, {30, 40}, &fromSource));
    EXPECT_EQ(log.drops, QList<QPoint>{QPoint(30, 40)});
    EXPECT_EQ(log.sources, (QList<TObject *>{target, source, source, source}));

    // A source freed during the drag is no source any more.
    delete source;
    EXPECT_FALSE(DragStep(target, QEvent::Drop, {1, 1}, &fromSource));
    EXPECT_EQ(log.drops.size(), 1);
}

TEST(DragDrop, ADisabledImageLetsTheMouseReachItsParent)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 200, 200);
    auto *image = new TImage(&form);
    image->SetParent(panel);
    image->SetBounds(10, 10, 50, 50);
    EXPECT_EQ(panel->Widget()->childAt(20, 20), image->Widget());
    image->SetEnabled(false);
    EXPECT_EQ(panel->Widget()->childAt(20, 20), nullptr);
    image->SetEnabled(true);
    EXPECT_EQ(panel->Widget()->childAt(20, 20), image->Widget());
}
