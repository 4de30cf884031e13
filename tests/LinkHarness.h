#pragma once

// Shared by the link suites: a virtual bus with unit "A" plugged, the sleep recorder and a link (built in
// this order, so the link always talks to the fixture's bus), plus recording callbacks.

#include "Connect.h"
#include "deviceinfo.h"
#include "resultcodes.h"
#include "support/SleepRecorder.h"
#include "support/VirtualBusFixture.h"

#include <QFile>
#include <QVector>

#include <memory>

using namespace ResultCode;
static const QString A = QStringLiteral("A");
static const QString B = QStringLiteral("B");

struct LinkHarness
{
    VirtualBusFixture bus;
    SleepRecorder sleeps;
    CUSBConnect link;

    explicit LinkHarness(const UnitIdentity& identity = UnitIdentity()) { bus.plug(A, identity); }

    // Opens the named unit, then forgets the identity exchange: traffic and waits start empty.
    int open(const QString& name = A)
    {
        link.Close();
        const int result = link.Open(bus.devicePath(name));
        bus.clearTraffic(name);
        sleeps.clear();
        return result;
    }
    QVector<TrafficEntry> sent(const QString& name = A) const { return bus.sentReports(name); }
    // Command codes (or, for one command, payload lengths) of the reports the unit received.
    QList<int> commands(const QString& name = A, int lengthsOf = -1) const
    {
        QList<int> out;
        for (const TrafficEntry& e : bus.sentReports(name))
            if (lengthsOf < 0 || e.command == lengthsOf)
                out.append(lengthsOf < 0 ? e.command : e.length);
        return out;
    }
};

inline QList<int> repeated(int value, int times)
{
    return QVector<int>(times, value).toList();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// What the link handed to a preset callback (the test owns the record from then on), and progress reports.
struct HandedPreset
{
    int storage, base, offset;
    QVector<int> record;
};
inline QVector<HandedPreset> g_handed;
inline QList<QPair<int, int>> g_progress;
inline int g_stopAfter = -1; // the callbacks answer "stop" on this call (0-based), never when -1

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
