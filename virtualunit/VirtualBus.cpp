#include "VirtualBus.h"

// Placeholder: an empty bus.
VirtualBus::VirtualBus(const QString& dir) : m_dir(dir) {}
QString VirtualBus::unitDir(const QString& name) const { return m_dir + QLatin1Char('/') + name; }
QString VirtualBus::faultFile(const QString& name) const { return unitDir(name) + QStringLiteral("/fault.ini"); }
bool VirtualBus::isValidName(const QString&) { return false; }
QStringList VirtualBus::units() const { return {}; }
bool VirtualBus::isPlugged(const QString&) const { return false; }
QString VirtualBus::nextFreeName(UnitModel) const { return {}; }
bool VirtualBus::plug(const QString&, const UnitIdentity&, QString*) { return false; }
bool VirtualBus::unplug(const QString&, QString*) { return false; }
std::unique_ptr<VirtualUnit> VirtualBus::load(const QString&, QString*) const { return nullptr; }
bool VirtualBus::readIdentity(const QString&, UnitIdentity*, QString*) const { return false; }
bool VirtualBus::save(const QString&, const VirtualUnit&, QString*) const { return false; }
UnitFault VirtualBus::fault(const QString&) const { return {}; }
bool VirtualBus::setFault(const QString&, const UnitFault&, QString*) const { return false; }
