#include "SleepRecorder.h"

#include "settle.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex g_mutex;
QList<int> g_waits;

void record(int milliseconds)
{
    QMutexLocker lock(&g_mutex);
    g_waits.append(milliseconds);
}
} // namespace

SleepRecorder::SleepRecorder()
{
    clear();
    Settle::setSleepFunction(&record);
}

SleepRecorder::~SleepRecorder()
{
    Settle::setSleepFunction(nullptr);
}

QList<int> SleepRecorder::waits() const
{
    QMutexLocker lock(&g_mutex);
    return g_waits;
}

long long SleepRecorder::total() const
{
    QMutexLocker lock(&g_mutex);
    long long sum = 0;
    for (int wait : g_waits)
        sum += wait;
    return sum;
}

void SleepRecorder::clear()
{
    QMutexLocker lock(&g_mutex);
    g_waits.clear();
}
