#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>

// The machine's memory figures as the about boxes show them.
struct TMemoryStatus {
    quint32 MemoryLoad = 0; // percent of physical memory in use
    quint64 TotalPhys = 0;  // bytes
};

// Reads the kernel's figures (/proc/meminfo); zeros when they cannot be read.
void GlobalMemoryStatus(TMemoryStatus &status);
// The figures of a meminfo text ("MemTotal:  524288 kB" ...).
TMemoryStatus ParseMemInfo(const QByteArray &text);

// The figures as the about boxes write them: the total physical memory in KB, rounded, with the locale's
// thousands separator ("524,288 KB"), and the memory load in percent ("75 %").
QString PhysMemText(const TMemoryStatus &status);
QString MemoryLoadText(const TMemoryStatus &status);

// Tests give the figures of a machine of their choice: while set, the hook fills the status.
using TMemoryStatusHook = std::function<void(TMemoryStatus &status)>;
void SetMemoryStatusHook(TMemoryStatusHook hook);
