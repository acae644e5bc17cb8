#pragma once

#include <QString>
#include <QtGlobal>

// The predefined root keys, with the values their handles have on the original platform. All of them live
// in the one settings file; the program itself keeps its settings under HKEY_CURRENT_USER.
using HKEY = quint32;

inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;
inline constexpr HKEY HKEY_DYN_DATA = 0x80000006;

// The root's name as the first component of a key path in the settings file ("HKEY_CURRENT_USER");
// empty for a value that is no root key.
QString RootKeyName(HKEY rootKey);
// The spelling RootKeyName gives for a root's name written in any letter case; empty when it names no root.
QString CanonicalRootKeyName(const QString &name);
