#pragma once

#include "hidseam.h"
#include "settle.h"
#include "virtualunit/VirtualBusHost.h"
#include "virtualunit/VirtualHidBackend.h"

#include <QTemporaryDir>
#include <QtGlobal>

#include <sys/resource.h>

// What the benchmarks measure with: the unit's settle waits, counted instead of slept (the settle function is
// replaced by countingClock), and the process's CPU time.
namespace BenchClock {
inline long long g_waitedMs = 0;

inline void countingClock(int milliseconds)
{
    g_waitedMs += milliseconds;
}

inline double cpuSeconds()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The link's debug lines would drown the table.
inline void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Every benchmark's start: no debug lines, waits counted, and the link on a virtual bus in `dir`, empty so far.
inline VirtualBusHost& countedVirtualBus(const QTemporaryDir& dir)
{
    qInstallMessageHandler(&quiet);
    Settle::setSleepFunction(&countingClock);
    const QString bus = dir.filePath(QStringLiteral("bus"));
    HidSeam::setApi(&VirtualHidBackend::api(bus));
    return VirtualBusHost::forDir(bus);
}
} // namespace BenchClock
