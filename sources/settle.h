#pragma once

#include <functional>

// Every fixed wait of the unit protocol goes through settle(). The program sleeps for real;
// tests and benchmarks install their own function to record or count the waits instead.
namespace Settle {
using SleepFunction = void (*)(int milliseconds);

void settle(int milliseconds);

// Installs a replacement; nullptr restores the real sleep. Returns the previous function.
SleepFunction setSleepFunction(SleepFunction function);

// Told of every wait passed on the calling thread, after it (recorded or slept alike): the device worker counts
// them to know how far an operation has got, since nearly all of an operation's time is these waits.
// An empty function stops the counting on this thread.
void observeWaits(std::function<void(int milliseconds)> observer);
} // namespace Settle
