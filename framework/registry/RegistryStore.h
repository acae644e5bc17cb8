#pragma once

#include "registry/RegistryKey.h"

#include <QString>
#include <functional>

// The settings file: ORMEL_REGISTRY when set, else $XDG_CONFIG_HOME/ormel/registry.txt, else
// ~/.config/ormel/registry.txt.
QString RegistryStorePath();

// Every module of the process has its own copy of the framework, and a second program may run beside this
// one, so nothing is kept in memory: each operation reads the file afresh under a lock on the lock file
// beside it ("registry.txt.lock"), shared for reading and exclusive for a change. Failures raise
// ERegistryException.
TRegistryKey ReadRegistryStore();
// Hands the stored tree to `change`; when it reports a change, a temporary file in the same folder receives
// the new text and replaces the store. Unreadable lines of the old file are kept in a copy beside it.
void UpdateRegistryStore(const std::function<bool(TRegistryKey &tree)> &change);
