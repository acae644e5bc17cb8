#include "classes/Collection.h"

#include "rtl/Exceptions.h"

TCollectionItem::TCollectionItem(TCollection *collection) : collection_(collection) {}

TCollectionItem::~TCollectionItem()
{
    if (collection_) {
        collection_->items_.removeOne(this);
        collection_->Update(nullptr);
    }
}

void TCollectionItem::Changed()
{
    if (collection_)
        collection_->Update(this);
}

TCollection::TCollection() = default;

TCollection::~TCollection()
{
    while (!items_.isEmpty()) {
        TCollectionItem *item = items_.takeLast();
        item->collection_ = nullptr;
        delete item;
    }
}

TCollectionItem *TCollection::Items(int index) const
{
    if (index < 0 || index >= items_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return items_[index];
}

TCollectionItem *TCollection::AddItem(TCollectionItem *item)
{
    items_.append(item);
    Update(nullptr);
    return item;
}

void TCollection::Update(TCollectionItem *) {}
