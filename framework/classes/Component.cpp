#include "classes/Component.h"

#include "rtl/Exceptions.h"

namespace {
bool IsValidIdent(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}
} // namespace

TComponent::TComponent(TComponent *owner)
{
    if (owner) {
        if (owner->HasState(csLoading))
            state_ |= csLoading;
        if (owner->HasState(csDesigning))
            state_ |= csDesigning;
        owner->InsertComponent(this);
    }
}

TComponent::~TComponent()
{
    state_ |= csDestroying;
    RemoveFreeNotifications();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

TComponent *TComponent::Components(int index) const
{
    if (index < 0 || index >= components_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return components_[index];
}

TComponent *TComponent::FindComponent(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    // Simple case folding keeps the length, so only names of the same length can match.
    for (TComponent *component : components_)
        if (component->name_.size() == name.size() && component->name_.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}

void TComponent::SetName(const QString &name)
{
    if (name == name_)
        return;
    if (!name.isEmpty() && !IsValidIdent(name))
        throw EComponentError(QStringLiteral("Component name \"%1\" is not a valid identifier").arg(name));
    if (owner_ && !name.isEmpty()) {
        const TComponent *other = owner_->FindComponent(name);
        if (other && other != this)
            throw EComponentError(QStringLiteral("A component named %1 already exists").arg(name));
    }
    name_ = name;
    setObjectName(name);
}

void TComponent::SetDesigning(bool designing, bool includeOwned)
{
    if (designing)
        state_ |= csDesigning;
    else
        state_ &= ~unsigned(csDesigning);
    if (includeOwned)
        for (TComponent *component : components_)
            component->SetDesigning(designing, true);
}

void TComponent::Loaded() { state_ &= ~unsigned(csLoading); }

void TComponent::InsertComponent(TComponent *component)
{
    if (!component->name_.isEmpty() && FindComponent(component->name_))
        throw EComponentError(QStringLiteral("A component named %1 already exists").arg(component->name_));
    Insert(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent *component)
{
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::DestroyComponents()
{
    while (!components_.isEmpty()) {
        TComponent *instance = components_.last();
        instance->state_ |= csDestroying;
        if (instance->HasState(csFreeNotification))
            RemoveComponent(instance);
        else
            Remove(instance);
        delete instance;
    }
}

void TComponent::FreeNotification(TComponent *component)
{
    if (!component || component == this)
        return;
    if ((owner_ == nullptr || component->owner_ != owner_) && !freeNotifies_.contains(component)) {
        freeNotifies_.append(component);
        component->FreeNotification(this);
    }
    state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent *component)
{
    RemoveNotification(component);
    component->RemoveNotification(this);
}

void TComponent::Notification(TComponent *component, TOperation operation)
{
    if (operation == TOperation::opRemove && component)
        RemoveFreeNotification(component);
    for (qsizetype i = components_.size() - 1; i >= 0; --i)
        if (i < components_.size())
            components_[i]->Notification(component, operation);
}

void TComponent::Insert(TComponent *component)
{
    components_.append(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent *component)
{
    components_.removeOne(component);
    component->owner_ = nullptr;
}

void TComponent::RemoveNotification(TComponent *component) { freeNotifies_.removeOne(component); }

void TComponent::RemoveFreeNotifications()
{
    while (!freeNotifies_.isEmpty()) {
        TComponent *other = freeNotifies_.takeLast();
        other->Notification(this, TOperation::opRemove);
    }
}
