#include "VirtualBusFixture.h"

#include "sources/hidseam.h"
#include "virtualunit/VirtualBusHost.h"
#include "virtualunit/VirtualHidBackend.h"

namespace {
VirtualBusHost& hostOf(const QString& dir)
{
    return VirtualBusHost::forDir(dir);
}
} // namespace

VirtualBusFixture::VirtualBusFixture()
{
    HidSeam::setApi(&api());
}
VirtualBusFixture::~VirtualBusFixture()
{
    HidSeam::setApi(nullptr);
}
QString VirtualBusFixture::busDir() const
{
    return m_dir.path();
}
const HidApi& VirtualBusFixture::api() const
{
    return VirtualHidBackend::api(busDir());
}
QString VirtualBusFixture::devicePath(const QString& name) const
{
    return hostOf(busDir()).devicePath(name);
}
bool VirtualBusFixture::plug(const QString& name, UnitModel model)
{
    return plug(name, UnitIdentity::defaults(model));
}
bool VirtualBusFixture::plug(const QString& name, const UnitIdentity& identity)
{
    return hostOf(busDir()).plug(name, identity);
}
bool VirtualBusFixture::unplug(const QString& name)
{
    return hostOf(busDir()).unplug(name);
}
bool VirtualBusFixture::isPlugged(const QString& name) const
{
    return VirtualBus(busDir()).isPlugged(name);
}
bool VirtualBusFixture::setFault(const QString& name, FaultKind kind, int count)
{
    return hostOf(busDir()).setFault(name, UnitFault{kind, count});
}
bool VirtualBusFixture::overrideNextReply(const QString& name, const QList<QByteArray>& reports)
{
    return hostOf(busDir()).modify(name, [&reports](VirtualUnit& unit) { unit.overrideNextReply(reports); });
}
VirtualUnit VirtualBusFixture::unit(const QString& name) const
{
    std::optional<VirtualUnit> unit = hostOf(busDir()).snapshot(name);
    if (!unit)
        qWarning("VirtualBusFixture: no unit named %s is plugged", qPrintable(name));
    return unit ? *unit : VirtualUnit();
}
QVector<int> VirtualBusFixture::record(const QString& name, int presetNumber) const
{
    return unit(name).record(presetNumber);
}
QVector<int> VirtualBusFixture::setList(const QString& name, int index) const
{
    return unit(name).setList(index);
}
bool VirtualBusFixture::modifyUnit(const QString& name, const std::function<void(VirtualUnit&)>& fn)
{
    return hostOf(busDir()).modify(name, fn);
}
bool VirtualBusFixture::setRecord(const QString& name, int presetNumber, const QVector<int>& record)
{
    bool ok = false;
    const bool plugged = modifyUnit(name, [&](VirtualUnit& unit) { ok = unit.setRecord(presetNumber, record); });
    return plugged && ok;
}
QVector<TrafficEntry> VirtualBusFixture::traffic(const QString& name) const
{
    return hostOf(busDir()).traffic(name);
}
QVector<TrafficEntry> VirtualBusFixture::sentReports(const QString& name) const
{
    QVector<TrafficEntry> out;
    for (const TrafficEntry& entry : traffic(name))
        if (entry.toUnit())
            out.append(entry);
    return out;
}
QVector<TrafficEntry> VirtualBusFixture::receivedReports(const QString& name) const
{
    QVector<TrafficEntry> out;
    for (const TrafficEntry& entry : traffic(name))
        if (!entry.toUnit())
            out.append(entry);
    return out;
}
void VirtualBusFixture::clearTraffic(const QString& name)
{
    hostOf(busDir()).clearTraffic(name);
}
