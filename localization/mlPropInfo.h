#pragma once

#include "classes/Object.h"

#include <QHash>
#include <QList>
#include <QMetaProperty>
#include <QString>

class QObject;

// Kinds of published property, as a set for filtering.
enum TTypeKind : unsigned {
    tkInteger = 1u << 0,
    tkString = 1u << 1,
    // A reference to an object with published properties of its own (font, string list, collection).
    tkClass = 1u << 2,
    // Every other data kind: booleans, enumerations, sets, floating-point numbers, colours.
    tkOther = 1u << 3,
};
using TTypeKinds = unsigned;
constexpr TTypeKinds tkProperties = tkInteger | tkString | tkClass | tkOther;

// One published property of a class. Reading through the wrong kind raises EInvalidCast; writing a
// property that has no write access raises EInvalidOperation.
class TPropInfo {
public:
    explicit TPropInfo(const QMetaProperty &property);

    const QString &Name() const { return name_; }
    TTypeKind Kind() const { return kind_; }
    // The class name for the class kind ("TFont"), else the type's own name ("int", "QString").
    const QString &TypeName() const { return typeName_; }

    QString GetStrProp(const QObject *instance) const;
    void SetStrProp(QObject *instance, const QString &value) const;
    // Null when the property holds no object.
    QObject *GetObjectProp(const QObject *instance) const;
    // Integers, booleans (0 or 1) and enumerations.
    qint64 GetOrdProp(const QObject *instance) const;

private:
    void CheckKind(bool matches) const;

    QMetaProperty property_;
    QString name_;
    QString typeName_;
    TTypeKind kind_;
};

// While a cache is open, the property lists of objects of one class share one listing of that class: a
// language switch lists the properties of every component of a window many times over. The first cache opened
// serves until it closes; caches opened inside it add nothing. Nothing outlives it, so no listing outlasts the
// classes (and the modules) it describes.
class TPropInfoCache {
public:
    TPropInfoCache();
    ~TPropInfoCache();
    TPropInfoCache(const TPropInfoCache &) = delete;
    TPropInfoCache &operator=(const TPropInfoCache &) = delete;

private:
    friend class TmlPropInfoList;
    struct Key {
        const QMetaObject *Class;
        TTypeKinds Filter;
        bool operator==(const Key &other) const { return Class == other.Class && Filter == other.Filter; }
    };
    friend size_t qHash(const Key &key, size_t seed) { return qHashMulti(seed, key.Class, key.Filter); }

    QHash<Key, QList<TPropInfo>> lists_;
};

// The published properties of one object whose kind is in the filter, inherited ones included, sorted by
// name (ASCII letters compared without regard to case, a name before any longer name it begins). Events are
// never properties, so they are never listed. A property that a class declares again is listed once, as
// the most derived class declares it.
class TmlPropInfoList : public TObject {
public:
    explicit TmlPropInfoList(const QObject *object, TTypeKinds filter = tkProperties);

    int Count() const { return int(list_.size()); }
    // The first property of the name, letter case ignored; null when none.
    const TPropInfo *Find(const QString &name) const;
    // Raises ERangeError outside 0..Count - 1.
    const TPropInfo &Items(int index) const;

private:
    QList<TPropInfo> list_;
};
