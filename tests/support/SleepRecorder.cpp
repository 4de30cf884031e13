#include "SleepRecorder.h"

#include "settle.h"

#include <mutex>

namespace {
std::mutex g_mutex;
QList<int> g_waits;

void record(int milliseconds)
{
    std::lock_guard<std::mutex> lock(g_mutex);
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
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_waits;
}

long long SleepRecorder::total() const
{
    std::lock_guard<std::mutex> lock(g_mutex);
    long long sum = 0;
    for (int wait : g_waits)
        sum += wait;
    return sum;
}

void SleepRecorder::clear()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_waits.clear();
}
