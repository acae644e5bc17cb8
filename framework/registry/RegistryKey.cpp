#include "registry/RegistryKey.h"

namespace {
template <class Entries, class NameOf>
void Reindex(QHash<QString, size_t> &index, const Entries &entries, NameOf nameOf)
{
    index.clear();
    for (size_t i = 0; i < entries.size(); ++i)
        index.insert(nameOf(entries[i]).toCaseFolded(), i);
}
} // namespace

TRegistryKey *TRegistryKey::Key(const QString &name) const
{
    const auto it = keyIndex_.constFind(name.toCaseFolded());
    return it == keyIndex_.cend() ? nullptr : keys_[*it].get();
}

TRegistryKey &TRegistryKey::AddKey(const QString &name)
{
    if (TRegistryKey *key = Key(name))
        return *key;
    keyIndex_.insert(name.toCaseFolded(), keys_.size());
    return *keys_.emplace_back(std::make_unique<TRegistryKey>(name));
}

bool TRegistryKey::RemoveKey(const QString &name)
{
    const auto it = keyIndex_.constFind(name.toCaseFolded());
    if (it == keyIndex_.cend())
        return false;
    keys_.erase(keys_.begin() + qsizetype(*it));
    Reindex(keyIndex_, keys_, [](const auto &key) { return key->name_; });
    return true;
}

TRegistryKey *TRegistryKey::Find(const QStringList &path)
{
    TRegistryKey *key = this;
    for (qsizetype i = 0; key && i < path.size(); ++i)
        key = key->Key(path[i]);
    return key;
}

TRegistryKey &TRegistryKey::Force(const QStringList &path)
{
    TRegistryKey *key = this;
    for (const QString &name : path)
        key = &key->AddKey(name);
    return *key;
}

const TRegistryValue *TRegistryKey::Value(const QString &name) const
{
    const auto it = valueIndex_.constFind(name.toCaseFolded());
    return it == valueIndex_.cend() ? nullptr : &values_[*it];
}

void TRegistryKey::SetValue(const QString &name, const TRegistryData &data)
{
    const QString folded = name.toCaseFolded();
    if (const auto it = valueIndex_.constFind(folded); it != valueIndex_.cend()) {
        values_[*it].Data = data;
        return;
    }
    valueIndex_.insert(folded, values_.size());
    values_.push_back({name, data});
}

bool TRegistryKey::RemoveValue(const QString &name)
{
    const auto it = valueIndex_.constFind(name.toCaseFolded());
    if (it == valueIndex_.cend())
        return false;
    values_.erase(values_.begin() + qsizetype(*it));
    Reindex(valueIndex_, values_, [](const TRegistryValue &value) { return value.Name; });
    return true;
}
