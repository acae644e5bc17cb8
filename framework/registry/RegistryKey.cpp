#include "registry/RegistryKey.h"

#include <algorithm>

namespace {
bool SameName(const QString &a, const QString &b) { return a.toCaseFolded() == b.toCaseFolded(); }
} // namespace

TRegistryKey *TRegistryKey::Key(const QString &name) const
{
    const auto it =
        std::find_if(keys_.begin(), keys_.end(), [&](const auto &key) { return SameName(key->name_, name); });
    return it == keys_.end() ? nullptr : it->get();
}

TRegistryKey &TRegistryKey::AddKey(const QString &name)
{
    if (TRegistryKey *key = Key(name))
        return *key;
    return *keys_.emplace_back(std::make_unique<TRegistryKey>(name));
}

bool TRegistryKey::RemoveKey(const QString &name)
{
    return std::erase_if(keys_, [&](const auto &key) { return SameName(key->name_, name); }) > 0;
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
    values_.erase(values_.begin() + *it);
    valueIndex_.clear();
    for (size_t i = 0; i < values_.size(); ++i)
        valueIndex_.insert(values_[i].Name.toCaseFolded(), i);
    return true;
}
