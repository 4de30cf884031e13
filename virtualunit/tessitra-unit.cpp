// tessitra-unit: plugs, unplugs, lists and shows virtual units in a bus folder and sets their faults.
// Exit codes: 0 done, 1 the bus refused (no such unit, name taken, folder not writable), 2 bad usage.

#include "VirtualBus.h"
#include "VirtualUnit.h"

#include "sources/protocol.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {
constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

const char* const kUsage =
    "usage: tessitra-unit [--bus DIR] COMMAND ...\n"
    "  plug ariette|cadenzo [NAME] [--presets N] [--name-length N] [--params N]\n"
    "       [--product-code N] [--patch-version N] [--dsp 0xNN] [--fw 0xNN]\n"
    "  unplug NAME\n"
    "  list\n"
    "  show NAME\n"
    "  fault NAME none|silent|foreign-reply|bad-magic|read-failure|no-sysparams\n"
    "  fault NAME write-failure|vanish|corrupt-write N\n"
    "  panel-rename NAME PRESET TEXT   renames a preset (1..) as the unit's own panel does\n"
    "The bus folder defaults to $TESSITRA_VIRTUAL_BUS. Numbers may be decimal or 0x-prefixed hex.\n";

void out(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

int fail(int code, const QString& message)
{
    std::fprintf(stderr, "tessitra-unit: %s\n", message.toLocal8Bit().constData());
    if (code == ExitUsage)
        std::fputs(kUsage, stderr);
    return code;
}

QString hex2(int value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

QString hex8(quint32 value)
{
    return QString::number(value, 16).rightJustified(8, QLatin1Char('0'));
}

quint32 fnv1a(const QByteArray& bytes)
{
    quint32 hash = 2166136261u;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

QString versionText(int byte)
{
    return QStringLiteral("%1 (v%2.%3)").arg(hex2(byte)).arg(byte >> 4).arg(byte & 0x0F);
}

// Name bytes as text; bytes outside printable ASCII appear as \xNN so two listings diff exactly.
QString quotedName(const QByteArray& name)
{
    QString text = QStringLiteral("\"");
    for (char c : name) {
        const int b = static_cast<unsigned char>(c);
        if (b >= 32 && b < 127 && b != '"' && b != '\\')
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x") + QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return text + QLatin1Char('"');
}

QString imageLine(const QString& label, const FirmwareImage& image)
{
    if (!image.received)
        return label + QStringLiteral(": none received\n");
    return QStringLiteral("%1: %2 bytes, checksum %3, sent %4, verified %5\n")
        .arg(label)
        .arg(image.data.size())
        .arg(hex2(image.checksum), hex2(image.sentChecksum),
             image.verified ? QStringLiteral("yes") : QStringLiteral("no"));
}

int show(const VirtualBus& bus, const QString& name)
{
    QString error;
    const std::unique_ptr<VirtualUnit> unit = bus.load(name, &error);
    if (!unit)
        return fail(ExitFailed, error);
    const UnitIdentity& id = unit->identity();
    QString text;
    text += QStringLiteral("Unit: %1\n").arg(name);
    text += QStringLiteral("Model: %1\n").arg(modelName(id.model));
    text += QStringLiteral("Product ID: 0x%1\n")
                .arg(QString::number(modelProductId(id.model), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    text += QStringLiteral("Product code: %1\n").arg(hex2(id.productCode));
    text += QStringLiteral("Patch version: %1\n").arg(id.patchVersion);
    text += QStringLiteral("Name length: %1\n").arg(id.nameLength);
    text += QStringLiteral("Parameters: %1\n").arg(id.paramCount);
    text += QStringLiteral("Presets: %1\n").arg(id.presetCount);
    text += QStringLiteral("DSP version: %1\n").arg(versionText(id.dspVersion));
    text += QStringLiteral("Firmware version: %1\n").arg(versionText(id.firmwareVersion));
    const UnitFault fault = unit->fault();
    text += QStringLiteral("Fault: %1\n")
                .arg(faultKindName(fault.kind) +
                     (faultKindTakesCount(fault.kind) ? QLatin1Char(' ') + QString::number(fault.count) : QString()));

    // One line per preset: slot, name bytes, digest of the parameter bytes.
    for (int storage = 0; storage < 2; ++storage) {
        text += storage == 0 ? QStringLiteral("User presets:\n") : QStringLiteral("Factory presets:\n");
        for (int offset = 0; offset < id.presetCount; ++offset) {
            const QByteArray record = unit->recordBytes((storage == 0 ? 1 : 101) + offset);
            text += QStringLiteral("%1%2 %3 params %4\n")
                        .arg(storage == 0 ? QLatin1Char('U') : QLatin1Char('F'))
                        .arg(offset + 1, 2, 10, QLatin1Char('0'))
                        .arg(quotedName(record.left(id.nameLength)), hex8(fnv1a(record.mid(id.nameLength))));
        }
    }

    text += QStringLiteral("Set lists:\n");
    const QStringList labels = {QStringLiteral("Favourites"), QStringLiteral("A"), QStringLiteral("B"),
                                QStringLiteral("C"), QStringLiteral("D")};
    for (int list = 0; list < Protocol::SetListCount; ++list) {
        QStringList slotValues;
        for (int value : unit->setList(list))
            slotValues.append(QString::number(value));
        text += QStringLiteral("%1: %2\n").arg(labels.at(list), slotValues.join(QLatin1Char(' ')));
    }

    QByteArray params;
    for (int value : unit->sysParams()) {
        params.append(static_cast<char>(value & 0xFF));
        params.append(static_cast<char>(value >> 8));
    }
    text += QStringLiteral("System parameters: %1 values, digest %2\n")
                .arg(unit->sysParams().size())
                .arg(hex8(fnv1a(params)));
    text += imageLine(QStringLiteral("DSP image"), unit->dspImage());
    text += imageLine(QStringLiteral("Micro image"), unit->microImage());
    const UnitErrors& errors = unit->errors();
    text += QStringLiteral("Errors: checksum %1, sequence %2, rejected %3, malformed %4\n")
                .arg(errors.checksum)
                .arg(errors.sequence)
                .arg(errors.rejected)
                .arg(errors.malformed);
    out(text);
    return ExitOk;
}

bool parseNumber(const QString& text, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok, 0);
    return ok;
}

int plug(VirtualBus& bus, const QStringList& args, const QList<QPair<QString, QString>>& options)
{
    if (args.isEmpty() || args.size() > 2)
        return fail(ExitUsage, QStringLiteral("plug takes a model and an optional name"));
    UnitModel model;
    if (!modelFromName(args.at(0), &model))
        return fail(ExitUsage, QStringLiteral("unknown model \"%1\" (ariette or cadenzo)").arg(args.at(0)));
    UnitIdentity identity = UnitIdentity::defaults(model);
    for (const auto& option : options) {
        int* field = nullptr;
        if (option.first == QLatin1String("--presets"))
            field = &identity.presetCount;
        else if (option.first == QLatin1String("--name-length"))
            field = &identity.nameLength;
        else if (option.first == QLatin1String("--params"))
            field = &identity.paramCount;
        else if (option.first == QLatin1String("--product-code"))
            field = &identity.productCode;
        else if (option.first == QLatin1String("--patch-version"))
            field = &identity.patchVersion;
        else if (option.first == QLatin1String("--dsp"))
            field = &identity.dspVersion;
        else if (option.first == QLatin1String("--fw"))
            field = &identity.firmwareVersion;
        else
            return fail(ExitUsage, QStringLiteral("unknown option %1").arg(option.first));
        if (!parseNumber(option.second, field))
            return fail(ExitUsage, QStringLiteral("%1 needs a number, not \"%2\"").arg(option.first, option.second));
    }
    const QString problem = identity.problem();
    if (!problem.isEmpty())
        return fail(ExitUsage, problem);
    const QString name = args.size() == 2 ? args.at(1) : bus.nextFreeName(model);
    QString error;
    if (!bus.plug(name, identity, &error))
        return fail(VirtualBus::isValidName(name) ? ExitFailed : ExitUsage, error);
    out(name + QLatin1Char('\n'));
    return ExitOk;
}

int fault(VirtualBus& bus, const QStringList& args)
{
    if (args.size() < 2 || args.size() > 3)
        return fail(ExitUsage, QStringLiteral("fault takes a unit name, a kind and, for some kinds, a count"));
    FaultKind kind;
    if (!faultKindFromName(args.at(1), &kind))
        return fail(ExitUsage, QStringLiteral("unknown fault \"%1\"").arg(args.at(1)));
    UnitFault fault;
    fault.kind = kind;
    if (faultKindTakesCount(kind)) {
        if (args.size() != 3 || !parseNumber(args.at(2), &fault.count) || fault.count < 0)
            return fail(ExitUsage, QStringLiteral("fault %1 needs a count N >= 0").arg(args.at(1)));
    } else if (args.size() == 3) {
        return fail(ExitUsage, QStringLiteral("fault %1 takes no count").arg(args.at(1)));
    }
    QString error;
    if (!bus.setFault(args.at(0), fault, &error))
        return fail(ExitFailed, error);
    return ExitOk;
}
// An edit on the unit itself, behind the host's back: the name's bytes changed, space-padded, the rest kept.
int panelRename(VirtualBus& bus, const QStringList& args)
{
    int number = 0;
    if (args.size() != 3 || !parseNumber(args.at(1), &number))
        return fail(ExitUsage, QStringLiteral("panel-rename takes a unit name, a preset number and a name"));
    QString error;
    std::unique_ptr<VirtualUnit> unit = bus.load(args.at(0), &error);
    if (!unit)
        return fail(ExitFailed, error);
    QVector<int> record = unit->record(number);
    if (record.isEmpty())
        return fail(ExitUsage, QStringLiteral("no preset %1").arg(number));
    const QByteArray name = args.at(2).toLatin1();
    for (int i = 0; i < unit->identity().nameLength; ++i)
        record[i] = i < name.size() ? static_cast<unsigned char>(name.at(i)) : ' ';
    return unit->setRecord(number, record) && bus.save(args.at(0), *unit, &error) ? ExitOk : fail(ExitFailed, error);
}
} // namespace

int main(int argc, char** argv)
{
    QString busDir = QString::fromLocal8Bit(qgetenv("TESSITRA_VIRTUAL_BUS"));
    QStringList args;
    QList<QPair<QString, QString>> options;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return ExitOk;
        }
        if (arg.startsWith(QLatin1String("--"))) {
            if (i + 1 >= argc)
                return fail(ExitUsage, QStringLiteral("%1 needs a value").arg(arg));
            const QString value = QString::fromLocal8Bit(argv[++i]);
            if (arg == QLatin1String("--bus"))
                busDir = value;
            else
                options.append({arg, value});
            continue;
        }
        args.append(arg);
    }
    if (busDir.isEmpty())
        return fail(ExitUsage, QStringLiteral("no bus folder: give --bus DIR or set TESSITRA_VIRTUAL_BUS"));
    if (args.isEmpty())
        return fail(ExitUsage, QStringLiteral("no command"));

    VirtualBus bus(busDir);
    const QString command = args.takeFirst();
    if (command == QLatin1String("plug"))
        return plug(bus, args, options);
    if (!options.isEmpty())
        return fail(ExitUsage, QStringLiteral("%1 takes no option %2").arg(command, options.first().first));
    if (command == QLatin1String("list")) {
        if (!args.isEmpty())
            return fail(ExitUsage, QStringLiteral("list takes no argument"));
        for (const QString& name : bus.units()) {
            UnitIdentity identity;
            if (bus.readIdentity(name, &identity))
                out(QStringLiteral("%1\t%2\t%3\n")
                        .arg(name, modelName(identity.model), faultKindName(bus.fault(name).kind)));
        }
        return ExitOk;
    }
    if (command == QLatin1String("unplug") || command == QLatin1String("show")) {
        if (args.size() != 1)
            return fail(ExitUsage, QStringLiteral("%1 takes one unit name").arg(command));
        if (command == QLatin1String("show"))
            return show(bus, args.at(0));
        QString error;
        return bus.unplug(args.at(0), &error) ? ExitOk : fail(ExitFailed, error);
    }
    if (command == QLatin1String("fault"))
        return fault(bus, args);
    if (command == QLatin1String("panel-rename"))
        return panelRename(bus, args);
    return fail(ExitUsage, QStringLiteral("unknown command \"%1\"").arg(command));
}
