#pragma once

#include "settle.h"

#include <QList>

#include <mutex>

// Replaces the real sleep of the unit protocol for as long as it lives: waits return at once and are recorded
// in order (from any thread), so tests run fast and can still assert a settle time.
class SleepRecorder
{
public:
    SleepRecorder()
    {
        clear();
        Settle::setSleepFunction([](int milliseconds) {
            std::lock_guard<std::mutex> lock(s_mutex);
            s_waits.append(milliseconds);
        });
    }
    ~SleepRecorder() { Settle::setSleepFunction(nullptr); }
    Q_DISABLE_COPY(SleepRecorder)

    QList<int> waits() const
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        return s_waits;
    }
    long long total() const
    {
        long long sum = 0;
        for (int wait : waits())
            sum += wait;
        return sum;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        s_waits.clear();
    }

private:
    static inline std::mutex s_mutex;
    static inline QList<int> s_waits;
};
