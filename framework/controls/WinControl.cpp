#include "controls/WinControl.h"

#include "forms/Application.h"
#include "rtl/Exceptions.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

TWinControl::TWinControl(TComponent *owner, QWidget *widget) : TControl(owner, widget) {}

TWinControl::~TWinControl()
{
    // The widget's signals run code of the derived control, which is gone by now; letting the children go
    // below still makes some widgets send them (a tab widget switching pages).
    if (Widget())
        QObject::disconnect(Widget(), nullptr, this, nullptr);
    // Controls that this one holds but does not own live on; they only lose their parent.
    while (!controls_.isEmpty())
        controls_.last()->SetParent(nullptr);
}

TControl *TWinControl::Controls(int index) const
{
    if (index < 0 || index >= controls_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return controls_[index];
}

void TWinControl::InsertControl(TControl *control)
{
    if (!controls_.contains(control))
        controls_.append(control);
    if (QWidget *widget = control->Widget()) {
        const QRect bounds = widget->geometry();
        widget->setParent(ClientWidget());
        widget->setGeometry(bounds);
    }
}

void TWinControl::RemoveControl(TControl *control) { controls_.removeOne(control); }

void TWinControl::SetFocus()
{
    if (Widget())
        Widget()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::SetOnExit(TNotifyEvent event)
{
    onExit_ = event;
    if (watchingFocus_ || !Widget())
        return;
    watchingFocus_ = true;
    const auto inside = [this](const QWidget *widget) {
        return widget && (widget == Widget() || Widget()->isAncestorOf(widget));
    };
    // Focus that goes to a drop-down list comes back; focus that leaves the program goes nowhere in it. A form
    // being freed moves the focus as its controls go: no exit its handlers may hear of, since the controls they
    // touch may be gone already.
    QObject::connect(qApp, &QApplication::focusChanged, this, [this, inside](QWidget *old, QWidget *now) {
        const bool freeing = HasState(csDestroying) || (Owner() && Owner()->HasState(csDestroying));
        if (Widget() && !freeing && inside(old) && now && !inside(now) && now->window()->windowType() != Qt::Popup)
            CallHandler(this, [this] { onExit_(this); });
    });
}

bool TWinControl::CanFocus() const
{
    for (const TControl *control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

void TWinControl::Resized()
{
    // OnResize sees the aligned controls already at their new places.
    AlignControls();
    TControl::Resized();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl *control : controls_)
        control->AdoptParentFont();
}

bool TWinControl::BroadcastDialogKey(int key)
{
    for (TControl *control : controls_) {
        if (!control->Visible() || !control->Enabled())
            continue;
        if (control->DialogKey(key))
            return true;
        if (auto *holder = dynamic_cast<TWinControl *>(control); holder && holder->BroadcastDialogKey(key))
            return true;
    }
    return false;
}

void TWinControl::AlignControls()
{
    const QWidget *client = ClientWidget();
    if (aligning_ || !client)
        return;
    aligning_ = true;
    QRect rest(QPoint(0, 0), client->size());
    AdjustClientRect(rest);
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        QList<TControl *> aligned;
        for (TControl *control : controls_)
            if (control->Align() == align && control->Visible())
                aligned.append(control);
        // Controls aligned alike keep the order of their positions; ties keep the order they were added in.
        std::stable_sort(aligned.begin(), aligned.end(), [align](const TControl *a, const TControl *b) {
            switch (align) {
            case alTop:
                return a->Top() < b->Top();
            case alBottom:
                return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft:
                return a->Left() < b->Left();
            case alRight:
                return a->Left() + a->Width() > b->Left() + b->Width();
            default:
                return false;
            }
        });
        for (TControl *control : aligned) {
            switch (align) {
            case alTop:
                control->SetBounds(rest.left(), rest.top(), rest.width(), control->Height());
                rest.setTop(rest.top() + control->Height());
                break;
            case alBottom:
                control->SetBounds(rest.left(), rest.bottom() + 1 - control->Height(), rest.width(), control->Height());
                rest.setBottom(rest.bottom() - control->Height());
                break;
            case alLeft:
                control->SetBounds(rest.left(), rest.top(), control->Width(), rest.height());
                rest.setLeft(rest.left() + control->Width());
                break;
            case alRight:
                control->SetBounds(rest.right() + 1 - control->Width(), rest.top(), control->Width(), rest.height());
                rest.setRight(rest.right() - control->Width());
                break;
            default:
                control->SetBounds(rest.left(), rest.top(), rest.width(), rest.height());
                break;
            }
        }
    }
    aligning_ = false;
}
