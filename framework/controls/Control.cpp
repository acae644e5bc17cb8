#include "controls/Control.h"

#include "controls/WinControl.h"
#include "forms/Application.h"
#include "menus/Menus.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <utility>

TDragData::TDragData(TControl *source) : source_(source) {}

QString GetShortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

namespace {
// The widget's pointer back to its control: a dynamic property, which Qt (one copy per process) keeps for every
// module alike, so a script or test in the host finds the plug-ins' controls too.
constexpr char ControlProperty[] = "ormelControl";

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

TMouseButton ButtonOf(Qt::MouseButton button)
{
    return button == Qt::RightButton ? mbRight : button == Qt::MiddleButton ? mbMiddle : mbLeft;
}
} // namespace

TControl::TControl(TComponent *owner, QWidget *widget) : TComponent(owner), widget_(widget), font_(new TFont)
{
    widget_->installEventFilter(this);
    widget_->setProperty(ControlProperty, QVariant::fromValue(static_cast<QObject *>(this)));
    QObject::connect(this, &QObject::objectNameChanged, widget_.data(),
                     [widget = widget_.data()](const QString &name) { widget->setObjectName(name); });
    font_->OnChange = MakeEvent<&TControl::FontChange>(this);
}

TControl *ControlOfWidget(const QWidget *widget)
{
    return widget ? dynamic_cast<TControl *>(widget->property(ControlProperty).value<QObject *>()) : nullptr;
}

TControl::~TControl()
{
    // The widget's signals run code of the derived control, which is gone by now.
    if (widget_)
        QObject::disconnect(widget_, nullptr, this, nullptr);
    LeaveParent();
    // Deleted where it stands: taking it out of its window first would walk the window's focus chain, once for
    // each of the thousands of buttons a window may hold.
    delete widget_.data();
}

void TControl::SetParent(TWinControl *parent)
{
    if (parent == parent_)
        return;
    LeaveParent();
    parent_ = parent;
    if (!widget_)
        return;
    if (!parent) {
        const QRect bounds = widget_->geometry();
        widget_->setParent(nullptr);
        widget_->setGeometry(bounds);
        return;
    }
    parent->InsertControl(this);
    widget_->setVisible(visible_);
    AdoptParentFont();
    RequestAlign();
}

void TControl::LeaveParent()
{
    TWinControl *parent = std::exchange(parent_, nullptr);
    if (!parent)
        return;
    parent->RemoveControl(this);
    if (ShapesLayoutOf(parent))
        parent->AlignControls();
}

int TControl::Left() const { return widget_ ? widget_->x() : 0; }

int TControl::Top() const { return widget_ ? widget_->y() : 0; }

int TControl::Width() const { return widget_ ? widget_->width() : 0; }

int TControl::Height() const { return widget_ ? widget_->height() : 0; }

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (!widget_)
        return;
    // Qt keeps a rectangle by its corners: a place or size beyond what a widget can take would overflow them.
    constexpr int most = QWIDGETSIZE_MAX;
    const QRect bounds(std::clamp(left, -most, most), std::clamp(top, -most, most), std::clamp(width, 0, most),
                       std::clamp(height, 0, most));
    if (bounds == widget_->geometry())
        return;
    const bool resized = bounds.size() != widget_->size();
    if (widget_->isWindow()) {
        widget_->move(bounds.topLeft());
        widget_->resize(bounds.size());
    } else {
        widget_->setGeometry(bounds);
    }
    if (resized)
        Resized();
    RequestAlign();
}

int TControl::ClientWidth() const { return Width(); }

int TControl::ClientHeight() const { return Height(); }

void TControl::SetAlign(TAlign align)
{
    if (align == align_)
        return;
    align_ = align;
    if (parent_)
        parent_->AlignControls();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    if (widget_ && parent_)
        widget_->setVisible(visible);
    RequestAlign();
}

bool TControl::Showing() const { return widget_ && widget_->isVisible(); }

void TControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (widget_)
        widget_->setEnabled(enabled);
}

void TControl::SetText(const QString &text)
{
    if (text == GetText())
        return;
    text_ = text;
    TextChanged();
}

bool TControl::ShowHint() const
{
    if (parentShowHint_ && parent_)
        return parent_->ShowHint();
    return showHint_;
}

void TControl::SetShowHint(bool showHint)
{
    showHint_ = showHint;
    parentShowHint_ = false;
}

void TControl::SetCursor(TCursor cursor)
{
    cursor_ = cursor;
    if (!widget_)
        return;
    if (cursor == crDefault)
        widget_->unsetCursor();
    else
        widget_->setCursor(CursorShapeOf(cursor));
}

void TControl::SetAction(TBasicAction *action) { SetReference(action_, action); }

void TControl::SetParentFont(bool parentFont)
{
    parentFont_ = parentFont;
    AdoptParentFont();
}

void TControl::AdoptParentFont()
{
    if (!parentFont_ || !parent_)
        return;
    adoptingFont_ = true;
    font_->Assign(*parent_->Font());
    adoptingFont_ = false;
    FontChanged();
}

void TControl::FontChange(TObject *)
{
    if (!adoptingFont_) {
        parentFont_ = false;
        FontChanged();
    }
}

void TControl::FontChanged()
{
    if (!widget_)
        return;
    widget_->setFont(font_->ToQFont());
    QPalette palette = widget_->palette();
    const QColor text = ColorToQColor(font_->Color());
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget_->setPalette(palette);
    widget_->update();
}

void TControl::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
}

void TControl::ColorChanged()
{
    if (!widget_)
        return;
    QPalette palette = widget_->palette();
    const QColor color = ColorToQColor(color_);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, color);
    widget_->setPalette(palette);
    widget_->update();
}

bool TControl::DialogKey(int) { return false; }

void TControl::SetPopupMenu(TPopupMenu *menu) { SetReference(popupMenu_, menu); }

TPoint TControl::ScreenToClient(const TPoint &point) const
{
    const QWidget *client = widget_;
    if (const auto *control = dynamic_cast<const TWinControl *>(this))
        client = control->ClientWidget();
    const QPoint local = client ? client->mapFromGlobal(QPoint(point.X, point.Y)) : QPoint(point.X, point.Y);
    return {local.x(), local.y()};
}

QImage TControl::Snapshot() const { return widget_ ? widget_->grab().toImage() : QImage(); }

void TControl::Invalidate()
{
    if (widget_)
        widget_->update();
}

void TControl::Repaint()
{
    if (widget_)
        widget_->repaint();
}

void TControl::Update()
{
    if (widget_ && widget_->isVisible())
        widget_->repaint();
}

void TControl::Click() { onClick_(this); }

void TControl::Resized() { onResize_(this); }

// Only aligned controls take part in most parents' layout: a tool bar of thousands of buttons placed by hand
// is built without laying it out again for each one.
bool TControl::ShapesLayoutOf(const TWinControl *parent) const
{
    return align_ != alNone || parent->FollowsEveryControl();
}

void TControl::RequestAlign()
{
    if (parent_ && ShapesLayoutOf(parent_))
        parent_->AlignControls();
}

void TControl::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == action_)
        action_ = nullptr;
    if (component == popupMenu_)
        popupMenu_ = nullptr;
}

QString TControl::EffectiveHint() const
{
    for (const TControl *control = this; control; control = control->parent_)
        if (!control->hint_.isEmpty())
            return control->hint_;
    return {};
}

bool TControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != widget_)
        return false;
    bool handled = false;
    CallHandler(this, [&] { handled = WidgetEvent(event); });
    return handled;
}

bool TControl::WidgetEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        Application->SetHint(GetLongHint(EffectiveHint()));
        return false;
    case QEvent::Leave:
        Application->SetHint(parent_ ? GetLongHint(parent_->EffectiveHint()) : QString());
        return false;
    case QEvent::ToolTip:
        ShowToolTip(event);
        return true;
    case QEvent::Resize:
        if (static_cast<QResizeEvent *>(event)->size() != static_cast<QResizeEvent *>(event)->oldSize())
            Resized();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        MouseEvent(event);
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return DragEvent(event);
    default:
        return false;
    }
}

void TControl::ShowToolTip(QEvent *event)
{
    const QString tip = GetShortHint(EffectiveHint());
    if (ShowHint() && !tip.isEmpty())
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip, widget_);
    else
        QToolTip::hideText();
}

void TControl::MouseEvent(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint at = mouse->position().toPoint();
    TShiftState shift = ShiftOf(mouse->modifiers(), mouse->buttons());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed_ = mouse->button() == Qt::LeftButton;
        onMouseDown_(this, ButtonOf(mouse->button()), shift, at.x(), at.y());
        break;
    case QEvent::MouseButtonDblClick:
        onMouseDown_(this, ButtonOf(mouse->button()), shift | ssDouble, at.x(), at.y());
        if (mouse->button() == Qt::LeftButton)
            onDblClick_(this);
        break;
    case QEvent::MouseButtonRelease: {
        dragPending_ = false;
        const bool click = pressed_ && mouse->button() == Qt::LeftButton && widget_->rect().contains(at);
        pressed_ = false;
        onMouseUp_(this, ButtonOf(mouse->button()), shift, at.x(), at.y());
        if (click && ClicksOnMouseUp())
            Click();
        if (mouse->button() == Qt::RightButton && popupMenu_ && widget_->rect().contains(at))
            popupMenu_->Popup(int(mouse->globalPosition().x()), int(mouse->globalPosition().y()));
        break;
    }
    default:
        onMouseMove_(this, shift, at.x(), at.y());
        if (dragPending_ && (mouse->buttons() & Qt::LeftButton) &&
            (at - dragOrigin_).manhattanLength() >= dragThreshold_)
            StartDrag();
        break;
    }
}

void TControl::SetOnMouseMove(TMouseMoveEvent event)
{
    onMouseMove_ = event;
    if (widget_ && event.Assigned())
        widget_->setMouseTracking(true);
}

void TControl::BeginDrag(bool immediate, int threshold)
{
    if (immediate) {
        StartDrag();
        return;
    }
    dragPending_ = true;
    dragOrigin_ = widget_ ? widget_->mapFromGlobal(QCursor::pos()) : QPoint();
    dragThreshold_ = threshold < 0 ? QApplication::startDragDistance() : threshold;
}

void TControl::StartDrag()
{
    dragPending_ = false;
    if (!widget_)
        return;
    // Qt owns the drag once it ran and frees it.
    auto *drag = new QDrag(widget_);
    drag->setMimeData(new TDragData(this));
    drag->exec(Qt::CopyAction);
}

void TControl::SetOnDragOver(TDragOverEvent event)
{
    onDragOver_ = event;
    if (widget_)
        widget_->setAcceptDrops(event.Assigned());
}

bool TControl::DragEvent(QEvent *event)
{
    if (event->type() == QEvent::DragLeave)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    // A drag of another module carries its own class: dynamic_cast, not qobject_cast.
    const auto *data = dynamic_cast<const TDragData *>(drop->mimeData());
    TControl *source = data ? data->Source() : nullptr;
    if (!source || !onDragOver_.Assigned())
        return false;
    const QPoint at = drop->position().toPoint();
    bool accept = false;
    if (event->type() == QEvent::Drop) {
        accept = true;
        onDragDrop_(this, source, at.x(), at.y());
    } else {
        onDragOver_(this, source, at.x(), at.y(), event->type() == QEvent::DragEnter ? dsDragEnter : dsDragMove,
                    accept);
    }
    drop->setDropAction(Qt::CopyAction);
    drop->setAccepted(accept);
    return true;
}
