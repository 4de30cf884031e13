#pragma once

// Shared by the link suites: one virtual bus with unit "A" plugged, the sleep recorder and a link.
// Members are built in this order, so the link always talks to the fixture's bus.

#include "Connect.h"
#include "deviceinfo.h"
#include "support/SleepRecorder.h"
#include "support/VirtualBusFixture.h"

#include <QVector>

#include <memory>

struct LinkHarness
{
    VirtualBusFixture bus;
    SleepRecorder sleeps;
    CUSBConnect link;

    explicit LinkHarness(const UnitIdentity& identity = UnitIdentity()) { bus.plug(QStringLiteral("A"), identity); }

    // Opens the named unit, then forgets the identity exchange: traffic and waits start empty.
    int open(const QString& name = QStringLiteral("A"))
    {
        link.Close();
        const int result = link.Open(bus.devicePath(name));
        bus.clearTraffic(name);
        sleeps.clear();
        return result;
    }

    QVector<TrafficEntry> sent(const QString& name = QStringLiteral("A")) const { return bus.sentReports(name); }

    QList<int> commands(const QString& name = QStringLiteral("A")) const
    {
        QList<int> out;
        for (const TrafficEntry& e : bus.sentReports(name))
            out.append(e.command);
        return out;
    }
};

// What the link handed to a preset callback; the test owns the record from then on.
struct HandedPreset
{
    int storage, base, offset;
    QVector<int> record;
};

inline QVector<HandedPreset> g_handed;
inline int g_stopAfter = -1; // the callback answers "stop" on this call (0-based), never when -1
inline QList<QPair<int, int>> g_progress;

inline bool recordPreset(int storage, int base, int offset, int* data, int nameLength, int paramCount, int, int)
{
    std::unique_ptr<int[]> owned(data);
    g_handed.append({storage, base, offset, QVector<int>(data, data + nameLength + paramCount)});
    return g_handed.size() - 1 == g_stopAfter;
}

inline bool recordProgress(int total, int done)
{
    g_progress.append({total, done});
    return g_progress.size() - 1 == g_stopAfter;
}

inline void resetCallbacks()
{
    g_handed.clear();
    g_progress.clear();
    g_stopAfter = -1;
}

inline QVector<int> toVector(const int* data, int count)
{
    return QVector<int>(data, data + count);
}
