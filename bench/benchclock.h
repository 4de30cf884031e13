#pragma once

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
} // namespace BenchClock
