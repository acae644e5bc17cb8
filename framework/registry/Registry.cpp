#include "registry/Registry.h"

#include "registry/RegistryStore.h"
#include "registry/RegistryText.h"
#include "rtl/Exceptions.h"

namespace {
ERegistryException GetDataFailed(const QString &name)
{
    return ERegistryException(QString("Failed to get data for '%1'").arg(name));
}

ERegistryException InvalidDataType(const QString &name)
{
    return ERegistryException(QString("Invalid data type for '%1'").arg(name));
}

ERegistryException SetDataFailed(const QString &name, const QString &reason)
{
    return ERegistryException(QString("Failed to set data for '%1': %2").arg(name, reason));
}

// The key at the path (root key's name first); the root keys always exist.
TRegistryKey *Locate(TRegistryKey &tree, const QStringList &path)
{
    return tree.AddKey(path.first()).Find(path.mid(1));
}

const TRegistryKey *Locate(const TRegistryKey &tree, const QStringList &path)
{
    static const TRegistryKey emptyRoot;
    if (TRegistryKey *root = tree.Key(path.first()))
        return root->Find(path.mid(1));
    return path.size() == 1 ? &emptyRoot : nullptr;
}
} // namespace

template <class Operation> bool TRegistry::Answer(Operation operation) const
{
    lastError_.clear();
    try {
        return operation();
    } catch (const ERegistryException &error) {
        lastError_ = error.Message();
        return false;
    }
}

void TRegistry::SetRootKey(HKEY rootKey)
{
    if (rootKey != rootKey_)
        CloseKey();
    rootKey_ = rootKey;
}

bool TRegistry::OpenKey(const QString &key, bool canCreate)
{
    const std::optional<QStringList> path = Resolve(key);
    if (!path)
        return false;
    const bool opened = Answer([&] {
        if (!canCreate)
            return Locate(ReadRegistryStore(), *path) != nullptr;
        UpdateRegistryStore([path = *path](TRegistryKey &tree) {
            if (Locate(tree, path))
                return false;
            tree.Force(path);
            return true;
        });
        return true;
    });
    if (opened) {
        openKey_ = path->mid(1);
        readOnly_ = false;
    }
    return opened;
}

bool TRegistry::OpenKeyReadOnly(const QString &key)
{
    if (!OpenKey(key, false))
        return false;
    readOnly_ = true;
    return true;
}

void TRegistry::CloseKey()
{
    openKey_.clear();
    readOnly_ = false;
}

bool TRegistry::KeyExists(const QString &key) const
{
    const std::optional<QStringList> path = Resolve(key);
    return path && Answer([&] { return Locate(ReadRegistryStore(), *path) != nullptr; });
}

bool TRegistry::DeleteKey(const QString &key)
{
    const std::optional<QStringList> path = Resolve(key);
    if (!path || path->size() < 2 || readOnly_)
        return false;
    return Answer([&] {
        return UpdateRegistryStore([path = *path](TRegistryKey &tree) {
            TRegistryKey *parent = Locate(tree, path.first(path.size() - 1));
            return parent && parent->RemoveKey(path.last());
        });
    });
}

bool TRegistry::ValueExists(const QString &name) const
{
    return Answer([&] { return FindValue(ReadRegistryStore(), name) != nullptr; });
}

bool TRegistry::DeleteValue(const QString &name)
{
    if (readOnly_ || RootKeyName(rootKey_).isEmpty())
        return false;
    return Answer([&] {
        return UpdateRegistryStore([path = OpenPath(), name](TRegistryKey &tree) {
            TRegistryKey *key = Locate(tree, path);
            return key && key->RemoveValue(name);
        });
    });
}

QString TRegistry::ReadString(const QString &name) const
{
    const TRegistryValue *value = FindValue(ReadRegistryStore(), name);
    if (!value)
        return {};
    if (const QString *text = std::get_if<QString>(&value->Data))
        return *text;
    throw InvalidDataType(name);
}

int TRegistry::ReadInteger(const QString &name) const
{
    const TRegistryValue *value = FindValue(ReadRegistryStore(), name);
    if (!value)
        throw GetDataFailed(name);
    if (const int *number = std::get_if<int>(&value->Data))
        return *number;
    throw InvalidDataType(name);
}

bool TRegistry::ReadBool(const QString &name) const { return ReadInteger(name) != 0; }

void TRegistry::WriteString(const QString &name, const QString &value) { Write(name, value); }

void TRegistry::WriteInteger(const QString &name, int value) { Write(name, value); }

void TRegistry::WriteBool(const QString &name, bool value) { Write(name, value ? 1 : 0); }

std::optional<QStringList> TRegistry::Resolve(const QString &key) const
{
    const QString root = RootKeyName(rootKey_);
    if (root.isEmpty())
        return std::nullopt;
    QStringView rest(key);
    const bool fromRoot = rest.startsWith(u'\\');
    if (fromRoot)
        rest = rest.mid(1);
    if (rest.endsWith(u'\\'))
        rest.chop(1);
    QStringList path = fromRoot ? QStringList{root} : OpenPath();
    if (rest.isEmpty())
        return path;
    for (QStringView name : rest.split(u'\\')) {
        if (!IsValidKeyName(name.toString()))
            return std::nullopt;
        path << name.toString();
    }
    return path;
}

QStringList TRegistry::OpenPath() const { return QStringList{RootKeyName(rootKey_)} + openKey_; }

const TRegistryValue *TRegistry::FindValue(const TRegistryKey &tree, const QString &name) const
{
    if (RootKeyName(rootKey_).isEmpty())
        throw GetDataFailed(name);
    const TRegistryKey *key = Locate(tree, OpenPath());
    return key ? key->Value(name) : nullptr;
}

void TRegistry::Write(const QString &name, const TRegistryData &data)
{
    if (readOnly_)
        throw SetDataFailed(name, "the key is open for reading only");
    if (RootKeyName(rootKey_).isEmpty())
        throw SetDataFailed(name, "no such root key");
    UpdateRegistryStore([path = OpenPath(), name, data](TRegistryKey &tree) {
        TRegistryKey *key = Locate(tree, path);
        if (!key)
            throw SetDataFailed(name, "the key has been deleted");
        const TRegistryValue *value = key->Value(name);
        if (value && value->Data == data)
            return false;
        key->SetValue(name, data);
        return true;
    });
}
