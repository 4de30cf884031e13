#pragma once

#include "virtualunit/VirtualUnit.h"

#include <QString>
#include <QTemporaryDir>
#include <QVector>

#include <functional>

struct HidApi;

// A temporary bus folder served through the HID seam for as long as the fixture lives:
// the constructor installs HidSeam::setApi(&VirtualHidBackend::api(busDir())), the destructor
// puts HidSeam::setApi(nullptr) back. Everything is thread-safe: the device thread may be talking to a
// unit while a test plugs, unplugs, sets faults or inspects memory and traffic.
//
//   VirtualBusFixture bus;
//   bus.plug("Ariette1", UnitModel::Ariette);           // appears in the next enumeration
//   QString path = bus.devicePath("Ariette1");           // what hid_enumerate reports / hid_open_path takes
//   bus.setFault("Ariette1", FaultKind::WriteFailure, 3); // the 4th write from now fails
//   VirtualUnit u = bus.unit("Ariette1");                // snapshot: u.record(101), u.setList(0), u.sysParams(),
//                                                        // u.dspImage().verified, u.errors().checksum ...
//   for (const TrafficEntry& e : bus.traffic("Ariette1")) ... // every report both ways, in order
class VirtualBusFixture
{
public:
    VirtualBusFixture();
    ~VirtualBusFixture();
    VirtualBusFixture(const VirtualBusFixture&) = delete;
    VirtualBusFixture& operator=(const VirtualBusFixture&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString busDir() const;
    const HidApi& api() const;
    QString devicePath(const QString& name) const;

    // Plugs a unit with the model's factory identity (or the one given) and factory content.
    bool plug(const QString& name, UnitModel model = UnitModel::Ariette);
    bool plug(const QString& name, const UnitIdentity& identity);
    bool unplug(const QString& name);
    bool isPlugged(const QString& name) const;

    // count: reports the unit still takes normally (write-failure, vanish); ignored by the other kinds.
    bool setFault(const QString& name, FaultKind kind, int count = 0);
    // The next request the unit answers gets these 64-byte reports as its reply instead.
    bool overrideNextReply(const QString& name, const QList<QByteArray>& reports);

    // Snapshot of the unit's memory and counters; a default Ariette unit (and a warning) when not plugged.
    VirtualUnit unit(const QString& name) const;
    // Convenience reads of unit(name).
    QVector<int> record(const QString& name, int presetNumber) const;
    QVector<int> setList(const QString& name, int index) const;
    // Changes the unit's memory (under the bus lock); false when not plugged.
    bool modifyUnit(const QString& name, const std::function<void(VirtualUnit&)>& fn);
    bool setRecord(const QString& name, int presetNumber, const QVector<int>& record);

    QVector<TrafficEntry> traffic(const QString& name) const;
    // Only the reports sent to the unit (toUnit) or only those it answered.
    QVector<TrafficEntry> sentReports(const QString& name) const;
    QVector<TrafficEntry> receivedReports(const QString& name) const;
    void clearTraffic(const QString& name);

private:
    QTemporaryDir m_dir;
};
