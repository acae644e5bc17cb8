#pragma once

#include "dynlib/DynLib.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

// The entries a built module exports, sorted, without the ends of the data sections that the linker marks
// whenever a library in the link does; none when nm cannot be run.
inline std::optional<QStringList> ExportedEntries(const QString &path)
{
    QProcess nm;
    nm.start("nm", {"-D", "--defined-only", path});
    if (!nm.waitForFinished() || nm.exitCode() != 0)
        return std::nullopt;
    const QStringList linkerMarks{"__bss_start", "_edata", "_end"};
    QStringList entries;
    for (const QByteArray &line : nm.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 3 && !linkerMarks.contains(fields[2]))
            entries << fields[2];
    }
    entries.sort();
    return entries;
}

// A built module, loaded for one test and unloaded at its end if not sooner; one that stays loaded fails the
// test.
class TLoadedModule {
public:
    TLoadedModule() = default;
    TLoadedModule(const TLoadedModule &) = delete;
    TLoadedModule &operator=(const TLoadedModule &) = delete;
    ~TLoadedModule()
    {
        if (module_)
            Unload();
    }

    void Load(const char *path)
    {
        path_ = path;
        module_ = LoadLibrary(path);
    }
    void Unload()
    {
        FreeLibrary(std::exchange(module_, nullptr));
        EXPECT_FALSE(GetModuleHandle(path_)) << "the module stayed loaded";
    }
    explicit operator bool() const { return module_; }

    template <class Entry>
    Entry Bind(const char *name) const
    {
        return reinterpret_cast<Entry>(GetProcAddress(module_, name));
    }

private:
    const char *path_ = nullptr;
    HMODULE module_ = nullptr;
};
