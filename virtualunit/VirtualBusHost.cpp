#include "VirtualBusHost.h"

// Placeholder: an empty bus.
struct VirtualBusHost::Slot {};
struct VirtualBusHost::Handle {};
VirtualBusHost& VirtualBusHost::forDir(const QString& busDir) { static VirtualBusHost host(busDir); return host; }
VirtualBusHost::VirtualBusHost(const QString& dir) : m_bus(dir) {}
QString VirtualBusHost::devicePath(const QString& name) const { return QStringLiteral("virtual:") + dir() + QLatin1Char('/') + name; }
hid_device_info* VirtualBusHost::enumerate(unsigned short, unsigned short) { return nullptr; }
void VirtualBusHost::freeEnumeration(hid_device_info*) {}
hid_device* VirtualBusHost::open(const QString&) { return nullptr; }
int VirtualBusHost::write(hid_device*, const unsigned char*, size_t) { return -1; }
int VirtualBusHost::read(hid_device*, unsigned char*, size_t) { return -1; }
void VirtualBusHost::close(hid_device*) {}
const wchar_t* VirtualBusHost::error(hid_device*) { return L"no virtual unit"; }
bool VirtualBusHost::plug(const QString&, const UnitIdentity&, QString*) { return false; }
bool VirtualBusHost::unplug(const QString&) { return false; }
bool VirtualBusHost::setFault(const QString&, const UnitFault&) { return false; }
std::optional<VirtualUnit> VirtualBusHost::snapshot(const QString&) { return std::nullopt; }
bool VirtualBusHost::modify(const QString&, const std::function<void(VirtualUnit&)>&) { return false; }
bool VirtualBusHost::isOpen(const QString&) { return false; }
QVector<TrafficEntry> VirtualBusHost::traffic(const QString&) { return {}; }
void VirtualBusHost::clearTraffic(const QString&) {}
