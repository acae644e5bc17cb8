#pragma once

#include "classes/Object.h"
#include "registry/RegistryKey.h"
#include "registry/RootKeys.h"

#include <QString>
#include <QStringList>
#include <optional>

// The settings store as the program sees it: a tree of keys under the root keys, each key holding named string
// and integer values. All of it lives in one file (RegistryStore.h) that every operation consults, so every
// module and every running program sees each change at once.
//
// A key path that begins with "\" starts at the root key; any other path starts at the open key (at the root
// when none is open). Names compare without regard to letter case. Failures of the value operations raise
// ERegistryException; the key operations answer false.
class TRegistry : public TObject {
public:
    HKEY RootKey() const { return rootKey_; }
    // Closes the open key, which belongs to the old root.
    void SetRootKey(HKEY rootKey);

    // False when the key is missing (and may not be created), the path is no key path or the store fails.
    bool OpenKey(const QString &key, bool canCreate);
    // As OpenKey without creating; the key's values can then be read but not written or deleted.
    bool OpenKeyReadOnly(const QString &key);
    void CloseKey();
    bool KeyExists(const QString &key) const;
    // Removes the key with all its sub-keys and values; false when there was none.
    bool DeleteKey(const QString &key);
    // Why the last operation that answers true or false answered false because the store failed (naming the
    // file and the cause); empty when it did not fail.
    const QString &LastError() const { return lastError_; }

    bool ValueExists(const QString &name) const;
    bool DeleteValue(const QString &name);
    // Empty when the value is missing; a value of another type raises, as in every read.
    QString ReadString(const QString &name) const;
    // A missing value raises.
    int ReadInteger(const QString &name) const;
    // An integer value, true when it is not 0; a missing value raises.
    bool ReadBool(const QString &name) const;
    void WriteString(const QString &name, const QString &value);
    void WriteInteger(const QString &name, int value);
    // Written as the integer 1 or 0.
    void WriteBool(const QString &name, bool value);

private:
    // The key's path from the store's top, beginning with the root key's name; none for an invalid path.
    std::optional<QStringList> Resolve(const QString &key) const;
    QStringList OpenPath() const;
    const TRegistryValue *FindValue(const TRegistryKey &tree, const QString &name) const;
    // Runs a key operation, for which a failing store means "no"; the failure is kept for LastError.
    template <class Operation> bool Answer(Operation operation) const;
    void Write(const QString &name, const TRegistryData &data);

    HKEY rootKey_ = HKEY_CURRENT_USER;
    QStringList openKey_; // below the root key; empty when none is open
    bool readOnly_ = false;
    mutable QString lastError_;
};
