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
} // namespace

void settle(int milliseconds)
{
    g_sleep.load()(milliseconds);
}

SleepFunction setSleepFunction(SleepFunction function)
{
    return g_sleep.exchange(function ? function : &realSleep);
}
} // namespace Settle
