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
// and the cause. A store that failed once in a user action is not tried again in it: until control returns to
// the event loop, every operation of every module on that file fails at once with the same cause.
//
// The stored tree, valid until the next operation on the store.
const TRegistryKey &ReadRegistryStore();

// Whether the caller is the first in the current user action to tell the user that the store failed: every
// later caller in the action, of any module, hears false, so that a failure several windows meet is told once.
// True when the store has not failed in the action (the failure at hand is of another kind).
bool FirstToTellStoreFailure();

// Makes the module's copy of the store now. Statics go in the reverse order of their making, so a static made
// after this call can still use the store while it is destroyed (a plug-in saving its window at unload).
void KeepRegistryStoreCache();

// A change of the stored tree, answering whether it changed anything. Inside an update (below) it may run again
// on the tree the file holds later, so it keeps copies of what it needs, never references.
using TRegistryChange = std::function<bool(TRegistryKey &tree)>;

// Hands the stored tree to `change` and answers what it answered; when it reports a change, a temporary file in
// the same folder receives the new text and replaces the store (inside an update: at the update's end).
// Unreadable lines of the old file are kept in a copy beside it.
bool UpdateRegistryStore(const TRegistryChange &change);

// One user action's changes of the store, written in one rewrite of the file instead of one per value. While an
// update is open in this module, its changes go to the module's copy of the store, where the module's reads find
// them; the end of the outermost update writes them, under the lock, over the file as it is then, so what another
// program changed meanwhile stays. A program that ends before that leaves the file as it was. Updates nest; a
// failure of the write raises from the end of the outermost one, unless an exception already leaves it (the
// changes are written all the same, and that exception is the one reported). A local of the action's code.
class TRegistryUpdate {
public:
    TRegistryUpdate();
    ~TRegistryUpdate() noexcept(false);
    TRegistryUpdate(const TRegistryUpdate &) = delete;
    TRegistryUpdate &operator=(const TRegistryUpdate &) = delete;

private:
    int exceptions_;
};

// One user action's reads of the store: while a read is open in this module, the file is looked at by the first
// read only, and the module's copy of the store answers the others, as the file was then. Reads nest. A local of
// the action's code.
class TRegistryRead {
public:
    TRegistryRead();
    ~TRegistryRead();
    TRegistryRead(const TRegistryRead &) = delete;
    TRegistryRead &operator=(const TRegistryRead &) = delete;
};
