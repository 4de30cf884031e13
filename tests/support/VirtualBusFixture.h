#pragma once

#include "sources/hidseam.h"
#include "virtualunit/VirtualBus.h"
#include "virtualunit/VirtualBusHost.h"
#include "virtualunit/VirtualHidBackend.h"
#include "virtualunit/VirtualUnit.h"

#include <QString>
#include <QTemporaryDir>
#include <QVector>

#include <functional>

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
    VirtualBusFixture() { HidSeam::setApi(&api()); }
    ~VirtualBusFixture() { HidSeam::setApi(nullptr); }
    Q_DISABLE_COPY(VirtualBusFixture)

    bool isValid() const { return m_dir.isValid(); }
    QString busDir() const { return m_dir.path(); }
    const HidApi& api() const { return VirtualHidBackend::api(busDir()); }
    QString devicePath(const QString& name) const { return host().devicePath(name); }

    // Plugs a unit with the model's factory identity (or the one given) and factory content.
    bool plug(const QString& name, UnitModel model = UnitModel::Ariette)
    {
        return plug(name, UnitIdentity::defaults(model));
    }
    bool plug(const QString& name, const UnitIdentity& identity) { return host().plug(name, identity); }
    bool unplug(const QString& name) { return host().unplug(name); }
    bool isPlugged(const QString& name) const { return VirtualBus(busDir()).isPlugged(name); }

    // count: reports the unit still takes normally (write-failure, vanish); ignored by the other kinds.
    bool setFault(const QString& name, FaultKind kind, int count = 0)
    {
        return host().setFault(name, UnitFault{kind, count});
    }
    // The next request the unit answers gets these 64-byte reports as its reply instead.
    bool overrideNextReply(const QString& name, const QList<QByteArray>& reports)
    {
        return modifyUnit(name, [&reports](VirtualUnit& unit) { unit.overrideNextReply(reports); });
    }

    // Snapshot of the unit's memory and counters; a default Ariette unit (and a warning) when not plugged.
    VirtualUnit unit(const QString& name) const
    {
        const std::optional<VirtualUnit> unit = host().snapshot(name);
        if (!unit)
            qWarning("VirtualBusFixture: no unit named %s is plugged", qPrintable(name));
        return unit ? *unit : VirtualUnit();
    }
    // Convenience reads of unit(name).
    QVector<int> record(const QString& name, int presetNumber) const { return unit(name).record(presetNumber); }
    QVector<int> setList(const QString& name, int index) const { return unit(name).setList(index); }
    // Changes the unit's memory (under the bus lock); false when not plugged.
    bool modifyUnit(const QString& name, const std::function<void(VirtualUnit&)>& fn)
    {
        return host().modify(name, fn);
    }
    bool setRecord(const QString& name, int presetNumber, const QVector<int>& record)
    {
        bool ok = false;
        return modifyUnit(name, [&](VirtualUnit& unit) { ok = unit.setRecord(presetNumber, record); }) && ok;
    }

    QVector<TrafficEntry> traffic(const QString& name) const { return host().traffic(name); }
    // Only the reports sent to the unit (toUnit) or only those it answered.
    QVector<TrafficEntry> sentReports(const QString& name) const { return filtered(name, true); }
    QVector<TrafficEntry> receivedReports(const QString& name) const { return filtered(name, false); }
    void clearTraffic(const QString& name) { host().clearTraffic(name); }

private:
    VirtualBusHost& host() const { return VirtualBusHost::forDir(busDir()); }
    QVector<TrafficEntry> filtered(const QString& name, bool toUnit) const
    {
        QVector<TrafficEntry> out;
        for (const TrafficEntry& entry : traffic(name))
            if (entry.toUnit() == toUnit)
                out.append(entry);
        return out;
    }
    QTemporaryDir m_dir;
};
