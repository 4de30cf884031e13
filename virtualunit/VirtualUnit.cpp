#include "VirtualUnit.h"

// Placeholder engine: compiles, answers nothing. Replaced by the real protocol engine.
QString modelName(UnitModel model) { return model == UnitModel::Cadenzo ? QStringLiteral("Cadenzo") : QStringLiteral("Ariette"); }
bool modelFromName(const QString&, UnitModel*) { return false; }
unsigned short modelProductId(UnitModel) { return 0; }
UnitIdentity UnitIdentity::defaults(UnitModel model) { UnitIdentity i; i.model = model; return i; }
QString UnitIdentity::problem() const { return QString(); }
QString faultKindName(FaultKind) { return QString(); }
bool faultKindFromName(const QString&, FaultKind*) { return false; }
bool faultKindTakesCount(FaultKind) { return false; }
QByteArray TrafficEntry::payload() const { return QByteArray(); }
VirtualUnit::VirtualUnit(const UnitIdentity& identity) : m_identity(identity) {}
int VirtualUnit::presetIndex(int) const { return -1; }
QVector<int> VirtualUnit::record(int) const { return {}; }
bool VirtualUnit::setRecord(int, const QVector<int>&) { return false; }
QByteArray VirtualUnit::recordBytes(int) const { return {}; }
QString VirtualUnit::presetName(int) const { return {}; }
QString VirtualUnit::defaultPresetName(const UnitIdentity&, bool, int) { return {}; }
QVector<int> VirtualUnit::setList(int) const { return {}; }
bool VirtualUnit::setSetList(int, const QVector<int>&) { return false; }
QVector<int> VirtualUnit::sysParams() const { return {}; }
void VirtualUnit::setSysParams(const QVector<int>&) {}
void VirtualUnit::setFault(const UnitFault& fault) { m_fault = fault; }
int VirtualUnit::writeReport(const unsigned char*, size_t) { return -1; }
int VirtualUnit::readReport(unsigned char*, size_t) { return -1; }
void VirtualUnit::overrideNextReply(const QList<QByteArray>&) {}
bool VirtualUnit::takeTransactionEnd() { return false; }
