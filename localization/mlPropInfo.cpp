#include "mlPropInfo.h"

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

#include <QObject>
#include <algorithm>

namespace {
TTypeKind KindOf(const QMetaType &type)
{
    if (type == QMetaType::fromType<QString>())
        return tkString;
    if (type.flags() & QMetaType::PointerToQObject)
        return tkClass;
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return tkInteger;
    default:
        return tkOther;
    }
}

QString TypeNameOf(const QMetaType &type, TTypeKind kind)
{
    QString name = QString::fromLatin1(type.name());
    if (kind == tkClass)
        name = name.remove(u'*').trimmed();
    return name;
}

char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c; }

bool SameAsciiText(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i].unicode()) != AsciiUpper(b[i].unicode()))
            return false;
    return true;
}

// Name order: ASCII letters compared as capitals, a name before any longer name it begins.
bool AsciiTextLess(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = AsciiUpper(a[i].unicode());
        const char16_t y = AsciiUpper(b[i].unicode());
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

TPropInfoCache *OpenCache = nullptr;

QList<TPropInfo> ListProperties(const QMetaObject *meta, TTypeKinds filter)
{
    QList<TPropInfo> list;
    QList<QString> seen;
    // From the most derived class up, so a property declared again is met first where it was declared last.
    for (int i = meta->propertyCount() - 1; i >= QObject::staticMetaObject.propertyCount(); --i) {
        const QMetaProperty property = meta->property(i);
        if (!property.metaType().isValid())
            continue;
        TPropInfo info(property);
        const auto sameName = [&](const QString &name) { return SameAsciiText(name, info.Name()); };
        if (std::any_of(seen.begin(), seen.end(), sameName))
            continue;
        seen.append(info.Name());
        if (filter & info.Kind())
            list.append(info);
    }
    std::sort(list.begin(), list.end(),
              [](const TPropInfo &a, const TPropInfo &b) { return AsciiTextLess(a.Name(), b.Name()); });
    return list;
}
} // namespace

TPropInfoCache::TPropInfoCache()
{
    if (!OpenCache)
        OpenCache = this;
}

TPropInfoCache::~TPropInfoCache()
{
    if (OpenCache == this)
        OpenCache = nullptr;
}

TPropInfo::TPropInfo(const QMetaProperty &property)
    : property_(property), name_(QString::fromLatin1(property.name())), kind_(KindOf(property.metaType()))
{
    typeName_ = TypeNameOf(property.metaType(), kind_);
}

void TPropInfo::CheckKind(bool matches) const
{
    if (!matches)
        throw EInvalidCast(QStringLiteral("Invalid property type: %1").arg(name_));
}

QString TPropInfo::GetStrProp(const QObject *instance) const
{
    CheckKind(kind_ == tkString);
    return property_.read(instance).toString();
}

void TPropInfo::SetStrProp(QObject *instance, const QString &value) const
{
    CheckKind(kind_ == tkString);
    if (!property_.write(instance, value))
        throw EInvalidOperation(QStringLiteral("Property %1 is read-only").arg(name_));
}

QObject *TPropInfo::GetObjectProp(const QObject *instance) const
{
    CheckKind(kind_ == tkClass);
    return property_.read(instance).value<QObject *>();
}

qint64 TPropInfo::GetOrdProp(const QObject *instance) const
{
    const QMetaType type = property_.metaType();
    CheckKind(kind_ == tkInteger || type.id() == QMetaType::Bool || (type.flags() & QMetaType::IsEnumeration));
    return property_.read(instance).toLongLong();
}

TmlPropInfoList::TmlPropInfoList(const QObject *object, TTypeKinds filter)
{
    const QMetaObject *meta = object->metaObject();
    if (!OpenCache) {
        list_ = ListProperties(meta, filter);
        return;
    }
    const TPropInfoCache::Key key{meta, filter};
    auto found = OpenCache->lists_.constFind(key);
    if (found == OpenCache->lists_.constEnd())
        found = OpenCache->lists_.insert(key, ListProperties(meta, filter));
    list_ = *found;
}

const TPropInfo *TmlPropInfoList::Find(const QString &name) const
{
    for (const TPropInfo &info : list_)
        if (SameAsciiText(info.Name(), name))
            return &info;
    return nullptr;
}

const TPropInfo &TmlPropInfoList::Items(int index) const
{
    RangeCheck(index, 0, Count() - 1);
    return list_[index];
}
