#include "menus/Menus.h"

#include "controls/Control.h"
#include "controls/ImageList.h"
#include "forms/Application.h"
#include "rtl/Exceptions.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {
// No entry is highlighted once a menu is closed, so nothing of it is left in the status line.
void ClearHintOnClose(QMenu *menu, TComponent *owner)
{
    QObject::connect(menu, &QMenu::aboutToHide, owner,
                     [owner] { CallHandler(owner, [] { Application->SetHint(QString()); }); });
}
} // namespace

QString StripHotkey(const QString &caption)
{
    QString result;
    result.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (++i >= caption.size())
                break;
        }
        result += caption[i];
    }
    return result;
}

TMenuItem::TMenuItem(TComponent *owner) : TComponent(owner), qaction_(new QAction)
{
    QObject::connect(qaction_, &QAction::triggered, this, [this] {
        CallHandler(this, [this] {
            qaction_->setChecked(checked_);
            Click();
        });
    });
    QObject::connect(qaction_, &QAction::hovered, this,
                     [this] { CallHandler(this, [this] { Application->SetHint(GetLongHint(hint_)); }); });
}

TMenuItem::~TMenuItem()
{
    while (!items_.isEmpty())
        delete items_.last();
    if (parent_)
        parent_->Remove(this);
    delete subMenu_.data();
    delete qaction_.data();
}

void TMenuItem::SetCaption(const QString &caption)
{
    caption_ = caption;
    UpdateAction();
}

void TMenuItem::SetAction(TBasicAction *action) { SetReference(action_, action); }

void TMenuItem::SetChecked(bool checked)
{
    checked_ = checked;
    UpdateAction();
}

void TMenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    UpdateAction();
}

void TMenuItem::SetVisible(bool visible)
{
    visible_ = visible;
    UpdateAction();
}

void TMenuItem::SetImageIndex(int index)
{
    imageIndex_ = index;
    UpdateImage();
}

void TMenuItem::UpdateAction()
{
    if (!qaction_)
        return;
    const bool separator = caption_ == QLatin1String("-");
    qaction_->setSeparator(separator);
    // Menus draw a separator's text as a heading.
    qaction_->setText(separator ? QString() : caption_);
    qaction_->setCheckable(checked_);
    qaction_->setChecked(checked_);
    qaction_->setEnabled(enabled_);
    qaction_->setVisible(visible_);
}

void TMenuItem::UpdateImage()
{
    if (!qaction_)
        return;
    const TMenu *menu = GetParentMenu();
    const TImageList *images = menu ? menu->Images() : nullptr;
    qaction_->setIcon(images && imageIndex_ >= 0 && imageIndex_ < images->Count() ? images->Icon(imageIndex_)
                                                                                    : QIcon());
}

void TMenuItem::UpdateImages()
{
    UpdateImage();
    for (TMenuItem *item : items_)
        item->UpdateImages();
}

TMenuItem *TMenuItem::Items(int index) const
{
    if (index < 0 || index >= items_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return items_[index];
}

void TMenuItem::Add(TMenuItem *item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem *item)
{
    if (!item || item == this)
        return;
    if (item->parent_)
        throw EInvalidOperation(QStringLiteral("Menu inserted twice"));
    if (index < 0 || index > items_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    items_.insert(index, item);
    item->parent_ = this;
    PlaceEntry(index);
    item->UpdateImages();
}

void TMenuItem::Remove(TMenuItem *item)
{
    if (!items_.removeOne(item))
        return;
    item->parent_ = nullptr;
    if (QWidget *container = container_ ? container_ : subMenu_.data(); container && item->qaction_)
        container->removeAction(item->qaction_);
    EntryContainer();
}

void TMenuItem::SetMenuIndex(int index)
{
    if (!parent_)
        return;
    TMenuItem *parent = parent_;
    const int count = parent->Count();
    index = std::clamp(index, 0, count - 1);
    if (index == MenuIndex())
        return;
    parent->items_.removeOne(this);
    parent->items_.insert(index, this);
    parent->PlaceEntry(index);
}

TMenu *TMenuItem::GetParentMenu() const
{
    const TMenuItem *item = this;
    while (item->parent_)
        item = item->parent_;
    return item->menu_;
}

void TMenuItem::Click()
{
    if (enabled_)
        onClick_(this);
}

// The bar or pop-up of a menu's root entry, else the entry's sub-menu, which exists while it has entries.
QWidget *TMenuItem::EntryContainer()
{
    if (container_)
        return container_;
    if (items_.isEmpty() && subMenu_) {
        qaction_->setMenu(nullptr);
        delete subMenu_.data();
    } else if (!items_.isEmpty() && !subMenu_) {
        subMenu_ = new QMenu;
        subMenu_->installEventFilter(this);
        ClearHintOnClose(subMenu_, this);
        qaction_->setMenu(subMenu_);
    }
    return subMenu_;
}

// Shows the entry at the index in its place, before the next entry's action: one action moves, so a menu of
// thousands of entries is built in linear time.
void TMenuItem::PlaceEntry(int index)
{
    QWidget *container = EntryContainer();
    QAction *action = items_[index]->qaction_;
    if (!container || !action)
        return;
    QAction *before = nullptr;
    for (qsizetype next = index + 1; next < items_.size() && !before; ++next)
        before = items_[next]->qaction_;
    container->insertAction(before, action);
}

bool TMenuItem::eventFilter(QObject *watched, QEvent *event)
{
    // Only a key is compared with the submenu: the submenu reports its own destruction here too, and by then
    // it is no longer a menu to compare with.
    if (event->type() == QEvent::KeyPress && watched == subMenu_) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            CallHandler(this, [this] { ShowEntryHelp(); });
            return true;
        }
    }
    return TComponent::eventFilter(watched, event);
}

void TMenuItem::ShowEntryHelp() const
{
    const TMenuItem *item = this;
    for (const TMenuItem *entry : items_)
        if (entry->qaction_ && entry->qaction_ == subMenu_->activeAction())
            item = entry;
    while (item && item->helpContext_ == 0)
        item = item->parent_;
    if (item)
        Application->HelpContext(item->helpContext_);
}

void TMenuItem::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == action_)
        action_ = nullptr;
}

TMenu::TMenu(TComponent *owner, QWidget *container) : TComponent(owner), container_(container)
{
    items_ = new TMenuItem(this);
    items_->container_ = container;
    items_->menu_ = this;
}

TMenu::~TMenu()
{
    delete items_;
    items_ = nullptr;
    delete container_.data();
}

void TMenu::SetImages(TImageList *images)
{
    if (SetReference(images_, images))
        items_->UpdateImages();
}

void TMenu::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        if (items_)
            items_->UpdateImages();
    }
}

TMainMenu::TMainMenu(TComponent *owner) : TMenu(owner, new QMenuBar) {}

QMenuBar *TMainMenu::MenuBar() const { return static_cast<QMenuBar *>(Container()); }

TPopupMenu::TPopupMenu(TComponent *owner) : TMenu(owner, new QMenu) { ClearHintOnClose(Menu(), this); }

QMenu *TPopupMenu::Menu() const { return static_cast<QMenu *>(Container()); }

void TPopupMenu::Popup(int x, int y)
{
    if (QMenu *menu = Menu())
        menu->popup(QPoint(x, y));
}
