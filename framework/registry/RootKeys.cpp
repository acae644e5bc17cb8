#include "registry/RootKeys.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<HKEY, const char *>, 6> rootKeys{{
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
    {HKEY_DYN_DATA, "HKEY_DYN_DATA"},
}};
} // namespace

QString RootKeyName(HKEY rootKey)
{
    for (const auto &[key, name] : rootKeys)
        if (key == rootKey)
            return QString::fromLatin1(name);
    return {};
}

QString CanonicalRootKeyName(const QString &name)
{
    for (const auto &[key, rootName] : rootKeys)
        if (name.compare(QLatin1String(rootName), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(rootName);
    return {};
}
