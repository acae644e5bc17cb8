#pragma once

#include "registry/RegistryKey.h"

#include <QString>
#include <functional>

// The settings file: ORMEL_REGISTRY when set, else $XDG_CONFIG_HOME/ormel/registry.txt, else
// ~/.config/ormel/registry.txt. A relative ORMEL_REGISTRY is made absolute at the first call, for the whole process.
QString RegistryStorePath();

// Every module of the process has its own copy of the framework, and a second program may run beside this
// one: each operation looks at the file under a lock on the lock file beside it ("registry.txt.lock"), shared
// for reading and exclusive for a change, waiting at most a few seconds for it, and reads the file again when
// it is no longer the one this module read or wrote last. Failures raise ERegistryException, naming the file
// and the cause.
//
// The stored tree, valid until the next operation on the store.
const TRegistryKey &ReadRegistryStore();

// Makes the module's copy of the store now. Statics go in the reverse order of their making, so a static made
// after this call can still use the store while it is destroyed (a plug-in saving its window at unload).
void KeepRegistryStoreCache();

// Hands the stored tree to `change`; when it reports a change, a temporary file in the same folder receives
// the new text and replaces the store. Unreadable lines of the old file are kept in a copy beside it.
void UpdateRegistryStore(const std::function<bool(TRegistryKey &tree)> &change);
