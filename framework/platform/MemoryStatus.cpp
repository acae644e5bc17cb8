#include "platform/MemoryStatus.h"

#include "rtl/SysUtils.h"

#include <QFile>
#include <QList>

namespace {
TMemoryStatusHook &CurrentHook()
{
    static TMemoryStatusHook hook;
    return hook;
}

// A figure of the text in bytes, or -1 when the line is missing.
qint64 FieldBytes(const QByteArray &text, const QByteArray &name)
{
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith(name + ':'))
            continue;
        const QList<QByteArray> parts = line.mid(name.size() + 1).simplified().split(' ');
        bool ok = false;
        const qint64 value = parts.value(0).toLongLong(&ok);
        if (!ok)
            return -1;
        return parts.value(1) == "kB" ? value * 1024 : value;
    }
    return -1;
}
} // namespace

void SetMemoryStatusHook(TMemoryStatusHook hook) { CurrentHook() = std::move(hook); }

TMemoryStatus ParseMemInfo(const QByteArray &text)
{
    TMemoryStatus status;
    const qint64 total = FieldBytes(text, "MemTotal");
    qint64 available = FieldBytes(text, "MemAvailable");
    if (available < 0)
        available = FieldBytes(text, "MemFree");
    if (total <= 0 || available < 0 || available > total)
        return status;
    status.TotalPhys = quint64(total);
    status.MemoryLoad = quint32((total - available) * 100 / total);
    return status;
}

void GlobalMemoryStatus(TMemoryStatus &status)
{
    status = {};
    if (const TMemoryStatusHook hook = CurrentHook()) {
        hook(status);
        return;
    }
    QFile file(QStringLiteral("/proc/meminfo"));
    if (file.open(QIODevice::ReadOnly))
        status = ParseMemInfo(file.readAll());
}

QString PhysMemText(const TMemoryStatus &status)
{
    return FormatFloat(QStringLiteral("#,###"), double(status.TotalPhys) / 1024) + QStringLiteral(" KB");
}

QString MemoryLoadText(const TMemoryStatus &status) { return Format(QStringLiteral("%d %%"), {status.MemoryLoad}); }
