#pragma once

#include <QString>

// A loaded shared library; null when there is none.
using HMODULE = struct ModuleHandle *;

// The platform's shared-library suffix: plug-ins are the files with it in the program's folder.
#ifdef Q_OS_WIN
inline constexpr char SharedLibrarySuffix[] = ".dll";
#else
inline constexpr char SharedLibrarySuffix[] = ".so";
#endif

// Loads a library by its full path (never through the library search path), or takes one more reference
// to it when it is loaded already. Null when it cannot be loaded; the reason is on the standard error stream.
HMODULE LoadLibrary(const QString &path);
// The library when it is already in the process, else null. Takes no reference, so the caller must not free it.
HMODULE GetModuleHandle(const QString &path);
// The address of a symbol that the library itself exports (not one of its dependencies), else null.
void *GetProcAddress(HMODULE module, const char *name);
// Drops the reference that LoadLibrary took; the library is unloaded with its last reference.
bool FreeLibrary(HMODULE module);

// The folder of the running program, with its trailing delimiter.
QString ProgramFolder();
