#include "settle.h"

#include <QThread>
#include <atomic>

namespace Settle {
namespace {
void realSleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
std::atomic<SleepFunction> g_sleep{&realSleep};
thread_local std::function<void(int)> t_observer;
} // namespace

void settle(int milliseconds)
{
    g_sleep.load()(milliseconds);
    if (t_observer)
        t_observer(milliseconds);
}

SleepFunction setSleepFunction(SleepFunction function)
{
    return g_sleep.exchange(function ? function : &realSleep);
}

void observeWaits(std::function<void(int milliseconds)> observer)
{
    t_observer = std::move(observer);
}
} // namespace Settle
