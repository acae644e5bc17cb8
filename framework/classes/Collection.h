#pragma once

#include "classes/Persistent.h"

#include <QList>

class TCollection;

// An item of a collection; its published properties are the Q_PROPERTYs of its class.
class TCollectionItem : public TPersistent {
    Q_OBJECT
public:
    explicit TCollectionItem(TCollection *collection);
    ~TCollectionItem() override;

protected:
    // Tells the collection (and through it the owner) that the item changed.
    void Changed();

private:
    friend class TCollection;
    TCollection *collection_ = nullptr;
};

// An owned, ordered list of items of one class: the status bar's panels. Freeing the collection frees its items.
class TCollection : public TPersistent {
    Q_OBJECT
public:
    TCollection();
    ~TCollection() override;

    int Count() const { return int(items_.size()); }
    // Raises EListError for an index outside the collection.
    TCollectionItem *Items(int index) const;

protected:
    // Makes a new item of the collection's class at the end.
    TCollectionItem *AddItem(TCollectionItem *item);
    // An item was added, removed or changed (null: several).
    virtual void Update(TCollectionItem *item);

private:
    friend class TCollectionItem;
    QList<TCollectionItem *> items_;
};
