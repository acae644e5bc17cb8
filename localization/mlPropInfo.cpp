#include "mlPropInfo.h"

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

#include <QObject>
#include <QSet>
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
} // namespace

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
    QSet<QString> seen;
    // From the most derived class up, so a property declared again is met first where it was declared last.
    for (int i = meta->propertyCount() - 1; i >= QObject::staticMetaObject.propertyCount(); --i) {
        const QMetaProperty property = meta->property(i);
        if (!property.metaType().isValid())
            continue;
        TPropInfo info(property);
        const QString key = UpperCase(info.Name());
        if (seen.contains(key))
            continue;
        seen.insert(key);
        if (filter & info.Kind())
            list_.append(info);
    }
    std::sort(list_.begin(), list_.end(),
              [](const TPropInfo &a, const TPropInfo &b) { return UpperCase(a.Name()) < UpperCase(b.Name()); });
}

const TPropInfo *TmlPropInfoList::Find(const QString &name) const
{
    const QString key = UpperCase(name);
    for (const TPropInfo &info : list_)
        if (UpperCase(info.Name()) == key)
            return &info;
    return nullptr;
}

const TPropInfo &TmlPropInfoList::Items(int index) const
{
    RangeCheck(index, 0, Count() - 1);
    return list_[index];
}
