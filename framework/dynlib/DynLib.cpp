#include "dynlib/DynLib.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <dlfcn.h>
#include <link.h>

namespace {
// A relative name would send the loader through the library search path; a full path never does.
QByteArray FullPath(const QString &path) { return QFile::encodeName(QFileInfo(path).absoluteFilePath()); }

void *Handle(HMODULE module) { return reinterpret_cast<void *>(module); }
} // namespace

HMODULE LoadLibrary(const QString &path)
{
    void *handle = dlopen(FullPath(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        std::fprintf(stderr, "%s\n", dlerror());
    return reinterpret_cast<HMODULE>(handle);
}

// Asking the loader for a loaded library counts as one more reference; it is given back at once, which
// is safe because the library stays loaded by whoever loaded it.
HMODULE GetModuleHandle(const QString &path)
{
    void *handle = dlopen(FullPath(path).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return reinterpret_cast<HMODULE>(handle);
}

void *GetProcAddress(HMODULE module, const char *name)
{
    if (!module)
        return nullptr;
    void *symbol = dlsym(Handle(module), name);
    if (!symbol)
        return nullptr;
    // dlsym also searches the library's dependencies; only the library's own exports count.
    Dl_info info;
    link_map *definedIn = nullptr;
    link_map *library = nullptr;
    if (!dladdr1(symbol, &info, reinterpret_cast<void **>(&definedIn), RTLD_DL_LINKMAP)
        || dlinfo(Handle(module), RTLD_DI_LINKMAP, &library) != 0)
        return nullptr;
    return definedIn == library ? symbol : nullptr;
}

bool FreeLibrary(HMODULE module) { return module && dlclose(Handle(module)) == 0; }

QString ProgramFolder()
{
    const QString folder = QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath()
                               : QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
