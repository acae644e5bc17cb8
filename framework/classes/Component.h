#pragma once

#include "classes/Persistent.h"

#include <QList>
#include <QString>

enum TComponentStateItem : unsigned {
    csLoading = 1u << 0,
    csDesigning = 1u << 1,
    csDestroying = 1u << 2,
    csFreeNotification = 1u << 3,
};

enum class TOperation { opInsert, opRemove };

// A component belongs to its owner, which keeps its owned components in creation order and frees them
// last created first. A component created while its owner is loading is loading too, until its Loaded.
class TComponent : public TPersistent {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    explicit TComponent(TComponent *owner);
    ~TComponent() override;

    TComponent *Owner() const { return owner_; }
    int ComponentCount() const { return int(components_.size()); }
    TComponent *Components(int index) const;
    // Case-insensitive lookup among the owned components; null when none has the name.
    TComponent *FindComponent(const QString &name) const;

    const QString &Name() const { return name_; }
    void SetName(const QString &name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    unsigned ComponentState() const { return state_; }
    bool HasState(TComponentStateItem item) const { return (state_ & item) != 0; }
    // Design time exists only so that the design-time rules of components can be exercised.
    void SetDesigning(bool designing, bool includeOwned = true);
    void BeginLoading() { state_ |= csLoading; }
    // Ends the loading state; components that act once they are read (load, restore) override it.
    virtual void Loaded();

    void InsertComponent(TComponent *component);
    void RemoveComponent(TComponent *component);
    void DestroyComponents();
    // Asks to hear of the other component's removal even though it lives on another form.
    void FreeNotification(TComponent *component);
    void RemoveFreeNotification(TComponent *component);

protected:
    virtual void Notification(TComponent *component, TOperation operation);
    // Marks the component as being freed, for a destructor that frees the owned components first.
    void Destroying() { state_ |= csDestroying; }
    // Points the reference at the component, asking to hear of its removal and no longer of the old one's.
    // Answers false when the reference held that component already.
    template <class T>
    bool SetReference(T *&reference, T *component)
    {
        if (component == reference)
            return false;
        if (reference)
            reference->RemoveFreeNotification(this);
        reference = component;
        if (reference)
            reference->FreeNotification(this);
        return true;
    }

private:
    void Insert(TComponent *component);
    void Remove(TComponent *component);
    void RemoveNotification(TComponent *component);
    void RemoveFreeNotifications();

    TComponent *owner_ = nullptr;
    QList<TComponent *> components_;
    QList<TComponent *> freeNotifies_;
    QString name_;
    int tag_ = 0;
    unsigned state_ = 0;
};
