#pragma once

#include "classes/Action.h"
#include "classes/Component.h"
#include "classes/Events.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QString>

class QMenuBar;
class QWidget;
class TMenu;

// A caption without its hot-key marker: every single "&" goes, "&&" becomes "&".
QString StripHotkey(const QString &caption);

// An entry of a menu; an entry with entries of its own opens a submenu, a caption of "-" is a separator. The
// hint goes to the application's hint while the entry is highlighted; the help key shows its help context.
// Freeing an entry frees its entries.
class TMenuItem : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(TBasicAction *Action READ Action WRITE SetAction)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)

public:
    explicit TMenuItem(TComponent *owner);
    ~TMenuItem() override;

    const QString &Caption() const { return caption_; }
    void SetCaption(const QString &caption);
    const QString &Hint() const { return hint_; }
    void SetHint(const QString &hint) { hint_ = hint; }
    TBasicAction *Action() const { return action_; }
    void SetAction(TBasicAction *action);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    int Count() const { return int(items_.size()); }
    TMenuItem *Items(int index) const;
    TMenuItem *Parent() const { return parent_; }
    void Add(TMenuItem *item);
    void Insert(int index, TMenuItem *item);
    void Remove(TMenuItem *item);
    int IndexOf(const TMenuItem *item) const { return int(items_.indexOf(item)); }
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    void SetMenuIndex(int index);
    // The menu this entry belongs to, through its parents.
    TMenu *GetParentMenu() const;

    // Runs the click handler, as choosing the entry does.
    virtual void Click();
    TNotifyEvent OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent event) { onClick_ = event; }

    QAction *QtAction() const { return qaction_; }

protected:
    void Notification(TComponent *component, TOperation operation) override;
    // The help key on an open submenu shows the topic of the highlighted entry, or of the nearest entry above it
    // that has one.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class TMenu;
    void ShowEntryHelp() const;
    QWidget *EntryContainer();
    void PlaceEntry(int index);
    void UpdateAction();
    void UpdateImage();
    void UpdateImages();

    QPointer<QAction> qaction_;
    QPointer<QMenu> subMenu_;
    QWidget *container_ = nullptr; // set on the root entry of a menu: the bar or the pop-up that shows its entries
    TMenu *menu_ = nullptr;        // set on the root entry of a menu
    TMenuItem *parent_ = nullptr;
    QList<TMenuItem *> items_;
    QString caption_;
    QString hint_;
    TBasicAction *action_ = nullptr;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    int imageIndex_ = -1;
    int helpContext_ = 0;
    TNotifyEvent onClick_;
};

class TImageList;

// A menu: a root entry whose entries it shows, and the image list the entries take their images from.
class TMenu : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TImageList *Images READ Images WRITE SetImages)

public:
    TMenuItem *Items() const { return items_; }
    TImageList *Images() const { return images_; }
    void SetImages(TImageList *images);

protected:
    TMenu(TComponent *owner, QWidget *container);
    ~TMenu() override;
    void Notification(TComponent *component, TOperation operation) override;
    QWidget *Container() const { return container_; }

private:
    QPointer<QWidget> container_;
    TMenuItem *items_ = nullptr;
    TImageList *images_ = nullptr;
};

// The menu bar of a form (the form's Menu).
class TMainMenu : public TMenu {
    Q_OBJECT
public:
    explicit TMainMenu(TComponent *owner);
    QMenuBar *MenuBar() const;
};

// A menu that pops up at the mouse, by a right click on a control that names it or by Popup.
class TPopupMenu : public TMenu {
    Q_OBJECT
public:
    explicit TPopupMenu(TComponent *owner);
    void Popup(int x, int y);
    QMenu *Menu() const;
};
