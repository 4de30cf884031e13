#pragma once

// The link suites' bench: a virtual bus with unit "A" plugged, the sleep recorder and a link (built in this
// order, so the link always talks to the fixture's bus), plus recording callbacks. Reports are read back from
// their raw bytes at fixed offsets, never through the protocol's own constants.

#include "Connect.h"
#include "deviceinfo.h"
#include "support/SleepRecorder.h"
#include "support/TestFiles.h"
#include "support/VirtualBusFixture.h"

#include <QVector>

#include <memory>

static const QString A = QStringLiteral("A");
static const QString B = QStringLiteral("B");

// An output report: 0 (report ID), 0xDB 0x03, command (2 bytes LE), length (2), sequence (2), payload from 9.
inline const auto wordAt = [](const QByteArray& bytes, int at) {
    return int(quint8(bytes.at(at)) | quint8(bytes.at(at + 1)) << 8);
};
inline const auto commandOf = [](const TrafficEntry& e) {
    return e.bytes.mid(1, 2) == "\xDB\x03" ? wordAt(e.bytes, 3) : -1;
};
// An input report has no report ID: magic, command, then its length at 4.
inline const auto lengthOf = [](const TrafficEntry& e) { return wordAt(e.bytes, e.toUnit() ? 5 : 4); };
inline const auto sequenceOf = [](const TrafficEntry& e) { return wordAt(e.bytes, 7); };
inline const auto payloadOf = [](const TrafficEntry& e) { return e.bytes.mid(9, lengthOf(e)); };

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
    // Command codes of the reports the unit received or, with lengthsOf, the lengths of that command's reports.
    QList<int> commands(const QString& name = A, int lengthsOf = -1) const
    {
        QList<int> out;
        for (const TrafficEntry& e : bus.sentReports(name))
            if (lengthsOf < 0 || commandOf(e) == lengthsOf)
                out.append(lengthsOf < 0 ? commandOf(e) : lengthOf(e));
        return out;
    }
    // The payload bytes of every report of one command, in order.
    QByteArray payloads(int command, const QString& name = A) const
    {
        QByteArray out;
        for (const TrafficEntry& e : bus.sentReports(name))
            if (commandOf(e) == command)
                out += payloadOf(e);
        return out;
    }
};

inline const auto repeated = [](int value, int times) { return QVector<int>(times, value).toList(); };

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

inline const auto resetCallbacks = [] {
    g_handed.clear();
    g_progress.clear();
    g_stopAfter = -1;
};
