#pragma once

#include <QList>

// Replaces the real sleep of the unit protocol for as long as it lives: waits return at once and
// are recorded in order, so tests run fast and still assert every settle time.
class SleepRecorder
{
public:
    SleepRecorder();
    ~SleepRecorder();
    SleepRecorder(const SleepRecorder&) = delete;
    SleepRecorder& operator=(const SleepRecorder&) = delete;

    QList<int> waits() const;
    long long total() const;
    void clear();
};
