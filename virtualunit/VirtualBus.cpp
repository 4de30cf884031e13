#include "VirtualBus.h"

#include "sources/protocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
const QString kUnitFile = QStringLiteral("unit.ini");
const QString kStateFile = QStringLiteral("state.ini");
const QString kFaultFile = QStringLiteral("fault.ini");
const QString kPresetsFile = QStringLiteral("presets.bin");
const QString kSetListsFile = QStringLiteral("setlists.bin");
const QString kSysParamsFile = QStringLiteral("sysparams.bin");
const QString kDspFile = QStringLiteral("dsp.bin");
const QString kMicroFile = QStringLiteral("micro.bin");

using Ini = QHash<QString, QString>; // "section/key" -> value

// A small INI reader of our own: QSettings caches files per process and would not see another
// process's change in time.
Ini readIni(const QString& path, bool* ok)
{
    Ini values;
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly | QIODevice::Text);
    if (!*ok)
        return values;
    QString section;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            values.insert(section + QLatin1Char('/') + line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return values;
}

int iniInt(const Ini& ini, const QString& key, bool* ok)
{
    bool good = false;
    const int value = ini.value(key).toInt(&good, 0); // decimal or 0x-prefixed hex
    if (!good)
        *ok = false;
    return value;
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QByteArray readFile(const QString& path, bool* ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

QString hex(int value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString imageSection(const QString& section, const FirmwareImage& image)
{
    return QStringLiteral("[%1]\nreceived=%2\nsize=%3\nchecksum=%4\nsentChecksum=%5\nverified=%6\n\n")
        .arg(section, image.received ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(image.data.size())
        .arg(hex(image.checksum), image.sentChecksum < 0 ? QStringLiteral("-1") : hex(image.sentChecksum),
             image.verified ? QStringLiteral("true") : QStringLiteral("false"));
}

void readImage(const Ini& ini, const QString& section, const QByteArray& data, FirmwareImage* image)
{
    bool ok = true;
    image->data = data;
    image->received = ini.value(section + QStringLiteral("/received")) == QLatin1String("true");
    image->verified = ini.value(section + QStringLiteral("/verified")) == QLatin1String("true");
    image->checksum = iniInt(ini, section + QStringLiteral("/checksum"), &ok);
    image->sentChecksum = iniInt(ini, section + QStringLiteral("/sentChecksum"), &ok);
}
} // namespace

VirtualBus::VirtualBus(const QString& dir) : m_dir(QDir::cleanPath(QFileInfo(dir).absoluteFilePath())) {}

QString VirtualBus::unitDir(const QString& name) const
{
    return m_dir + QLatin1Char('/') + name;
}

QString VirtualBus::faultFile(const QString& name) const
{
    return unitDir(name) + QLatin1Char('/') + kFaultFile;
}

bool VirtualBus::isValidName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    return pattern.match(name).hasMatch();
}

QStringList VirtualBus::units() const
{
    QStringList names;
    const QStringList entries = QDir(m_dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : entries) {
        if (isPlugged(name))
            names.append(name);
    }
    return names;
}

bool VirtualBus::isPlugged(const QString& name) const
{
    const QString dir = unitDir(name);
    return isValidName(name) && QFileInfo::exists(dir + QLatin1Char('/') + kUnitFile) &&
           QFileInfo::exists(dir + QLatin1Char('/') + kFaultFile);
}

QString VirtualBus::nextFreeName(UnitModel model) const
{
    for (int i = 1;; ++i) {
        const QString name = modelName(model) + QString::number(i);
        if (!QFileInfo::exists(unitDir(name)))
            return name;
    }
}

bool VirtualBus::plug(const QString& name, const UnitIdentity& identity, QString* error)
{
    if (!isValidName(name)) {
        setError(error,
                 QStringLiteral("invalid unit name \"%1\" (letters, digits, '-' and '_', at most 64)").arg(name));
        return false;
    }
    const QString problem = identity.problem();
    if (!problem.isEmpty()) {
        setError(error, problem);
        return false;
    }
    const QString dir = unitDir(name);
    if (QFileInfo::exists(dir)) {
        setError(error, QStringLiteral("a unit named \"%1\" is already plugged").arg(name));
        return false;
    }
    if (!QDir().mkpath(dir)) {
        setError(error, QStringLiteral("cannot create %1").arg(dir));
        return false;
    }
    const QString unitIni = QStringLiteral("[unit]\nmodel=%1\nproductCode=%2\npatchVersion=%3\nnameLength=%4\n"
                                           "paramCount=%5\npresetCount=%6\ndspVersion=%7\nfirmwareVersion=%8\n")
                                .arg(modelName(identity.model), hex(identity.productCode))
                                .arg(identity.patchVersion)
                                .arg(identity.nameLength)
                                .arg(identity.paramCount)
                                .arg(identity.presetCount)
                                .arg(hex(identity.dspVersion), hex(identity.firmwareVersion));
    VirtualUnit unit(identity);
    // The fault file is written last: a unit counts as plugged only once its folder is complete.
    const bool ok = writeFile(dir + QLatin1Char('/') + kUnitFile, unitIni.toUtf8(), error) && save(name, unit, error) &&
                    setFault(name, UnitFault(), error);
    if (!ok)
        QDir(dir).removeRecursively();
    return ok;
}

bool VirtualBus::unplug(const QString& name, QString* error)
{
    if (!isValidName(name) || !QFileInfo::exists(unitDir(name))) {
        setError(error, QStringLiteral("no unit named \"%1\" is plugged").arg(name));
        return false;
    }
    // Moved aside first so that a backend saving at this moment finds the folder gone at once.
    const QString aside = m_dir + QStringLiteral("/.unplugged-") + name + QLatin1Char('-') +
                          QString::number(QCoreApplication::applicationPid());
    QDir bus(m_dir);
    const bool moved = bus.rename(name, aside.mid(m_dir.size() + 1));
    const bool removed = QDir(moved ? aside : unitDir(name)).removeRecursively();
    if (!removed && QFileInfo::exists(unitDir(name))) {
        setError(error, QStringLiteral("cannot remove %1").arg(unitDir(name)));
        return false;
    }
    return true;
}

bool VirtualBus::readIdentity(const QString& name, UnitIdentity* identity, QString* error) const
{
    bool ok = false;
    const Ini ini = readIni(unitDir(name) + QLatin1Char('/') + kUnitFile, &ok);
    if (!ok) {
        setError(error, QStringLiteral("no unit named \"%1\" is plugged").arg(name));
        return false;
    }
    UnitIdentity id;
    if (!modelFromName(ini.value(QStringLiteral("unit/model")), &id.model))
        ok = false;
    id.productCode = iniInt(ini, QStringLiteral("unit/productCode"), &ok);
    id.patchVersion = iniInt(ini, QStringLiteral("unit/patchVersion"), &ok);
    id.nameLength = iniInt(ini, QStringLiteral("unit/nameLength"), &ok);
    id.paramCount = iniInt(ini, QStringLiteral("unit/paramCount"), &ok);
    id.presetCount = iniInt(ini, QStringLiteral("unit/presetCount"), &ok);
    id.dspVersion = iniInt(ini, QStringLiteral("unit/dspVersion"), &ok);
    id.firmwareVersion = iniInt(ini, QStringLiteral("unit/firmwareVersion"), &ok);
    if (!ok || !id.problem().isEmpty()) {
        setError(error, QStringLiteral("%1/%2 is damaged").arg(unitDir(name), kUnitFile));
        return false;
    }
    *identity = id;
    return true;
}

std::unique_ptr<VirtualUnit> VirtualBus::load(const QString& name, QString* error) const
{
    UnitIdentity identity;
    if (!isPlugged(name)) {
        setError(error, QStringLiteral("no unit named \"%1\" is plugged").arg(name));
        return nullptr;
    }
    if (!readIdentity(name, &identity, error))
        return nullptr;
    auto unit = std::make_unique<VirtualUnit>(identity);
    const QString dir = unitDir(name) + QLatin1Char('/');
    bool ok = true;
    bool fileOk = false;
    const QByteArray presets = readFile(dir + kPresetsFile, &fileOk);
    ok = ok && fileOk && presets.size() == unit->m_presets.size();
    const QByteArray setLists = readFile(dir + kSetListsFile, &fileOk);
    ok = ok && fileOk && setLists.size() == unit->m_setLists.size();
    const QByteArray sysParams = readFile(dir + kSysParamsFile, &fileOk);
    ok = ok && fileOk && sysParams.size() == 2 * VirtualUnit::SysParamCount;
    const Ini state = readIni(dir + kStateFile, &fileOk);
    ok = ok && fileOk;
    if (!ok) {
        setError(error, QStringLiteral("the memory of unit \"%1\" in %2 is damaged").arg(name, unitDir(name)));
        return nullptr;
    }
    unit->m_presets = presets;
    unit->m_setLists = setLists;
    for (int i = 0; i < VirtualUnit::SysParamCount; ++i)
        unit->m_sysParams[i] = static_cast<quint16>(static_cast<unsigned char>(sysParams.at(2 * i)) |
                                                    (static_cast<unsigned char>(sysParams.at(2 * i + 1)) << 8));
    readImage(state, QStringLiteral("dsp"), readFile(dir + kDspFile, &fileOk), &unit->m_dsp.image);
    readImage(state, QStringLiteral("micro"), readFile(dir + kMicroFile, &fileOk), &unit->m_micro.image);
    bool countsOk = true;
    unit->m_errors.checksum = iniInt(state, QStringLiteral("errors/checksum"), &countsOk);
    unit->m_errors.sequence = iniInt(state, QStringLiteral("errors/sequence"), &countsOk);
    unit->m_errors.rejected = iniInt(state, QStringLiteral("errors/rejected"), &countsOk);
    unit->m_errors.malformed = iniInt(state, QStringLiteral("errors/malformed"), &countsOk);
    unit->m_imagesChanged = false;
    unit->setFault(fault(name));
    return unit;
}

bool VirtualBus::save(const QString& name, VirtualUnit& unit, QString* error) const
{
    const QString dir = unitDir(name) + QLatin1Char('/');
    if (!QFileInfo::exists(dir + kUnitFile)) {
        setError(error, QStringLiteral("unit \"%1\" was unplugged").arg(name));
        return false;
    }
    QByteArray sysParams(2 * VirtualUnit::SysParamCount, '\0');
    for (int i = 0; i < VirtualUnit::SysParamCount; ++i) {
        sysParams[2 * i] = static_cast<char>(unit.m_sysParams.at(i) & 0xFF);
        sysParams[2 * i + 1] = static_cast<char>(unit.m_sysParams.at(i) >> 8);
    }
    const UnitErrors& errors = unit.m_errors;
    const QString state = imageSection(QStringLiteral("dsp"), unit.m_dsp.image) +
                          imageSection(QStringLiteral("micro"), unit.m_micro.image) +
                          QStringLiteral("[errors]\nchecksum=%1\nsequence=%2\nrejected=%3\nmalformed=%4\n")
                              .arg(errors.checksum)
                              .arg(errors.sequence)
                              .arg(errors.rejected)
                              .arg(errors.malformed);
    bool ok = writeFile(dir + kPresetsFile, unit.m_presets, error) &&
              writeFile(dir + kSetListsFile, unit.m_setLists, error) &&
              writeFile(dir + kSysParamsFile, sysParams, error);
    // Images can be large and change rarely: written only when a transfer closed since the last save.
    if (ok && unit.m_imagesChanged) {
        ok = writeFile(dir + kDspFile, unit.m_dsp.image.data, error) &&
             writeFile(dir + kMicroFile, unit.m_micro.image.data, error);
        if (ok)
            unit.m_imagesChanged = false;
    }
    return ok && writeFile(dir + kStateFile, state.toUtf8(), error);
}

UnitFault VirtualBus::fault(const QString& name) const
{
    bool ok = false;
    const Ini ini = readIni(faultFile(name), &ok);
    UnitFault fault;
    if (!ok || !faultKindFromName(ini.value(QStringLiteral("fault/kind")), &fault.kind))
        return UnitFault();
    bool countOk = true;
    fault.count = std::max(0, iniInt(ini, QStringLiteral("fault/count"), &countOk));
    return fault;
}

bool VirtualBus::setFault(const QString& name, const UnitFault& fault, QString* error) const
{
    if (!QFileInfo::exists(unitDir(name) + QLatin1Char('/') + kUnitFile)) {
        setError(error, QStringLiteral("no unit named \"%1\" is plugged").arg(name));
        return false;
    }
    const QString text = QStringLiteral("[fault]\nkind=%1\ncount=%2\n").arg(faultKindName(fault.kind)).arg(fault.count);
    return writeFile(faultFile(name), text.toUtf8(), error);
}
