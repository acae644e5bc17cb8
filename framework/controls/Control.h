#pragma once

#include "classes/Action.h"
#include "classes/Component.h"
#include "classes/Events.h"
#include "classes/Types.h"
#include "forms/Cursors.h"
#include "graphics/Color.h"
#include "graphics/Font.h"

#include <QImage>
#include <QMimeData>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class TControl;
class TPopupMenu;
class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
using TShiftState = unsigned;

using TMouseEvent = TMethod<TObject *, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TMethod<TObject *, TShiftState, int, int>;

enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// Sender (the control under the mouse), source (the dragged control), x, y, state, accept.
using TDragOverEvent = TMethod<TObject *, TObject *, int, int, TDragState, bool &>;
// Sender, source, x, y.
using TDragDropEvent = TMethod<TObject *, TObject *, int, int>;

// What a drag started by BeginDrag carries: the dragged control. Drags stay within the program.
class TDragData : public QMimeData {
    Q_OBJECT
public:
    explicit TDragData(TControl *source);
    TControl *Source() const { return source_; }

private:
    QPointer<TControl> source_;
};

// The part of a hint before "|" is the tool tip, the part after it the application's hint; a hint without "|"
// is both.
QString GetShortHint(const QString &hint);
QString GetLongHint(const QString &hint);

// The control that wraps the widget, also one that another module made; null for any other widget.
TControl *ControlOfWidget(const QWidget *widget);

// A control wraps one Qt widget, which it owns. The widget carries the control's Name as its objectName. The
// widget's parent follows Parent; bounds, visibility and enabling live in the widget. Handler code that Qt
// triggers runs behind the exception barrier (CallHandler).
class TControl : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(TCursor Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)

public:
    TControl(TComponent *owner, QWidget *widget);
    ~TControl() override;

    QWidget *Widget() const { return widget_; }

    TWinControl *Parent() const { return parent_; }
    virtual void SetParent(TWinControl *parent);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);
    virtual int ClientWidth() const;
    virtual int ClientHeight() const;
    void SetClientWidth(int width) { SetWidth(Width() - ClientWidth() + width); }
    void SetClientHeight(int height) { SetHeight(Height() - ClientHeight() + height); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to a showing window.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // Caption and Text are one value, published under the name each kind of control uses.
    QString Caption() const { return GetText(); }
    void SetCaption(const QString &caption) { SetText(caption); }
    QString Text() const { return GetText(); }
    void SetText(const QString &text);

    const QString &Hint() const { return hint_; }
    void SetHint(const QString &hint) { hint_ = hint; }
    bool ShowHint() const;
    void SetShowHint(bool showHint);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    TBasicAction *Action() const { return action_; }
    void SetAction(TBasicAction *action);

    // A control shows its parent's font while ParentFont is true; changing its own font ends that.
    TFont *Font() const { return font_.get(); }
    void SetFont(TFont *font) { font_->Assign(*font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Pops up when the control is right-clicked, after OnMouseDown.
    TPopupMenu *PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu *menu);

    // The client area in client coordinates.
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    TPoint ScreenToClient(const TPoint &point) const;

    // The control as it looks now, drawn into an image (also while it is hidden).
    QImage Snapshot() const;
    void Invalidate();
    void Repaint();
    void Update();

    // Runs the click handler, as a user's click does.
    virtual void Click();

    // Drags the control: at once, or once the mouse, still held, has moved Threshold pixels from where the drag
    // was asked for (a negative threshold: the system's). Controls with OnDragOver accept the drop.
    void BeginDrag(bool immediate, int threshold = -1);
    // Asked for and waiting for the mouse to move far enough.
    bool DragPending() const { return dragPending_; }

    TNotifyEvent OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent event) { onClick_ = event; }
    TNotifyEvent OnDblClick() const { return onDblClick_; }
    void SetOnDblClick(TNotifyEvent event) { onDblClick_ = event; }
    TMouseEvent OnMouseDown() const { return onMouseDown_; }
    void SetOnMouseDown(TMouseEvent event) { onMouseDown_ = event; }
    TMouseEvent OnMouseUp() const { return onMouseUp_; }
    void SetOnMouseUp(TMouseEvent event) { onMouseUp_ = event; }
    TMouseMoveEvent OnMouseMove() const { return onMouseMove_; }
    // A control with a move handler hears the mouse move over it also while no button is held.
    void SetOnMouseMove(TMouseMoveEvent event);
    TNotifyEvent OnResize() const { return onResize_; }
    void SetOnResize(TNotifyEvent event) { onResize_ = event; }
    TDragOverEvent OnDragOver() const { return onDragOver_; }
    void SetOnDragOver(TDragOverEvent event);
    TDragDropEvent OnDragDrop() const { return onDragDrop_; }
    void SetOnDragDrop(TDragDropEvent event) { onDragDrop_ = event; }

protected:
    virtual QString GetText() const { return text_; }
    // Shows the new text; the text itself is already stored.
    virtual void TextChanged() {}
    // Applies font and colour to the widget; controls that paint themselves repaint instead.
    virtual void FontChanged();
    virtual void ColorChanged();
    void AdoptParentFont();
    // Enter or Escape pressed in the control's form: a default or cancel button takes it and answers true.
    virtual bool DialogKey(int key);
    friend class TWinControl;
    // Controls whose widget reports clicks itself (buttons) answer false: a press and release over any other
    // control is a click.
    virtual bool ClicksOnMouseUp() const { return true; }
    // The widget's size changed, by code or by the user.
    virtual void Resized();
    virtual bool WidgetEvent(QEvent *event);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void Notification(TComponent *component, TOperation operation) override;
    // Lets the parent lay out its aligned controls again.
    void RequestAlign();
    bool ShapesLayoutOf(const TWinControl *parent) const;
    QString text_;

private:
    // Leaves the parent's controls, which are laid out again where this control takes part in their layout.
    void LeaveParent();
    void FontChange(TObject *);
    void MouseEvent(QEvent *event);
    void StartDrag();
    bool DragEvent(QEvent *event);
    void ShowToolTip(QEvent *event);
    QString EffectiveHint() const;

    QPointer<QWidget> widget_;
    TWinControl *parent_ = nullptr;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    QString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TBasicAction *action_ = nullptr;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool adoptingFont_ = false;
    TColor color_ = clBtnFace;
    TPopupMenu *popupMenu_ = nullptr;
    bool pressed_ = false;
    bool dragPending_ = false;
    QPoint dragOrigin_;
    int dragThreshold_ = 0;
    TNotifyEvent onClick_;
    TNotifyEvent onDblClick_;
    TMouseEvent onMouseDown_;
    TMouseEvent onMouseUp_;
    TMouseMoveEvent onMouseMove_;
    TNotifyEvent onResize_;
    TDragOverEvent onDragOver_;
    TDragDropEvent onDragDrop_;
};
