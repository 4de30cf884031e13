#pragma once

// Every fixed wait of the unit protocol goes through settle(). The program sleeps for real;
// tests and benchmarks install their own function to record or count the waits instead.
namespace Settle {
using SleepFunction = void (*)(int milliseconds);

void settle(int milliseconds);

// Installs a replacement; nullptr restores the real sleep. Returns the previous function.
SleepFunction setSleepFunction(SleepFunction function);
} // namespace Settle
