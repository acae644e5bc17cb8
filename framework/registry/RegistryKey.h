#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <variant>
#include <vector>

// A stored value is a string or a 32-bit integer; the two kinds never convert into each other.
using TRegistryData = std::variant<QString, int>;

struct TRegistryValue {
    QString Name;
    TRegistryData Data;
};

// One key of the settings tree in memory. Key and value names compare without regard to case and keep the
// case they were first written with; sub-keys and values keep their order of creation.
class TRegistryKey {
public:
    explicit TRegistryKey(const QString &name = {}) : name_(name) {}

    const QString &Name() const { return name_; }

    const std::vector<std::unique_ptr<TRegistryKey>> &Keys() const { return keys_; }
    TRegistryKey *Key(const QString &name) const;
    // The existing sub-key of that name, or a new one.
    TRegistryKey &AddKey(const QString &name);
    // Removes the sub-key with everything below it; false when there is none.
    bool RemoveKey(const QString &name);
    // Descends along the path; null when a key on the way is missing.
    TRegistryKey *Find(const QStringList &path);
    // Descends along the path, creating what is missing.
    TRegistryKey &Force(const QStringList &path);

    const std::vector<TRegistryValue> &Values() const { return values_; }
    const TRegistryValue *Value(const QString &name) const;
    void SetValue(const QString &name, const TRegistryData &data);
    bool RemoveValue(const QString &name);

private:
    QString name_;
    std::vector<std::unique_ptr<TRegistryKey>> keys_;
    std::vector<TRegistryValue> values_;
    // Case-folded name -> position, so a key with thousands of sub-keys or values is searched in constant time.
    QHash<QString, size_t> keyIndex_;
    QHash<QString, size_t> valueIndex_;

};
