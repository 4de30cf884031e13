// Transfers on the link: preset records and names, set lists, system parameters, firmware, and the faults
// a unit can show in the middle of them. Bytes are checked as the unit's traffic log saw them.

#include "LinkHarness.h"
#include "resultcodes.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ResultCode;

namespace {
const QString A = QStringLiteral("A");

UnitIdentity sized(int nameLength, int paramCount)
{
    UnitIdentity identity;
    identity.nameLength = nameLength;
    identity.paramCount = paramCount;
    return identity;
}

QList<int> lengths(const QVector<TrafficEntry>& entries, int command)
{
    QList<int> out;
    for (const TrafficEntry& e : entries)
        if (e.command == command)
            out.append(e.length);
    return out;
}

QByteArray chunkBytes(const QVector<TrafficEntry>& entries, int command)
{
    QByteArray out;
    for (const TrafficEntry& e : entries)
        if (e.command == command && e.length > 0)
            out += e.payload();
    return out;
}

QList<int> repeated(int value, int times)
{
    QList<int> out;
    for (int i = 0; i < times; ++i)
        out.append(value);
    return out;
}

enum class Op { ReadRecord, WriteRecord, Names, SetList, SysParams };
} // namespace

class TestTransfers : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetCallbacks(); }
    void readRecord_data();
    void readRecord();
    void writeRecord_data();
    void writeRecord();
    void names();
    void rename_data();
    void rename();
    void copyReportsDestination_data();
    void copyReportsDestination();
    void enumerations_data();
    void enumerations();
    void bulkCopy();
    void setLists();
    void sysParams();
    void sendSysParams_data();
    void sendSysParams();
    void firmware_data();
    void firmware();
    void firmwareWriteFailure();
    void faults_data();
    void faults();
    void absurdIdentity();
};

void TestTransfers::readRecord_data()
{
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<int>("paramCount");
    QTest::addColumn<int>("reports");
    QTest::newRow("256 bytes: four full, one short") << 16 << 120 << 5;
    QTest::newRow("exactly 56 bytes: one full, one empty") << 16 << 20 << 2;
    QTest::newRow("36 bytes: one short") << 16 << 10 << 1;
}

void TestTransfers::readRecord()
{
    QFETCH(int, nameLength);
    QFETCH(int, paramCount);
    QFETCH(int, reports);
    LinkHarness h(sized(nameLength, paramCount));
    QVector<int> stored = h.bus.record(A, 103);
    stored[nameLength] = -1; // 0xFFFF on the wire
    stored[nameLength + 1] = -32768;
    stored[nameLength + 2] = 32767;
    QVERIFY(h.bus.setRecord(A, 103, stored));
    QCOMPARE(h.open(), Success);

    QVector<int> record(nameLength + paramCount, 7777);
    QCOMPARE(h.link.GetPresetDataFromHardware(record.data(), 103, nameLength, paramCount), Success);
    QCOMPARE(record, stored);
    QCOMPARE(h.commands(), (QList<int>{6, 8}));
    QCOMPARE(h.sent()[0].payload(), QByteArray("\x67\x00\x00\x00", 4));
    QCOMPARE(h.sleeps.waits(), repeated(100, reports));
}

void TestTransfers::writeRecord_data()
{
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<int>("paramCount");
    QTest::addColumn<bool>("fast");
    QTest::addColumn<QList<int>>("chunks");
    QTest::newRow("single, 256 bytes") << 16 << 120 << false << QList<int>{56, 56, 56, 56, 32, 0};
    QTest::newRow("bulk, 256 bytes") << 16 << 120 << true << QList<int>{56, 56, 56, 56, 32, 0};
    QTest::newRow("exactly 56 bytes") << 16 << 20 << false << QList<int>{56, 0};
    QTest::newRow("empty record") << 0 << 0 << false << QList<int>{0};
}

void TestTransfers::writeRecord()
{
    QFETCH(int, nameLength);
    QFETCH(int, paramCount);
    QFETCH(bool, fast);
    QFETCH(QList<int>, chunks);
    LinkHarness h(sized(nameLength, paramCount));
    QCOMPARE(h.open(), Success);
    QVector<int> record = h.bus.record(A, 9);
    if (paramCount > 0)
        record[nameLength] = -1;
    QCOMPARE(h.link.SendPresetDataToHardware(4, record.data(), nameLength, paramCount, fast), Success);

    const QVector<TrafficEntry> sent = h.sent();
    QCOMPARE(lengths(sent, 7), chunks);
    const QByteArray wire = chunkBytes(sent, 7);
    QCOMPARE(wire, h.bus.unit(A).recordBytes(4));
    int checksum = 0;
    for (char c : wire)
        checksum ^= static_cast<unsigned char>(c);
    QCOMPARE(static_cast<unsigned char>(sent.last().bytes.at(9)), static_cast<unsigned char>(checksum));
    if (paramCount > 0)
        QCOMPARE(wire.mid(nameLength, 2), QByteArray("\xFF\xFF", 2));
    QCOMPARE(h.bus.record(A, 4), record);
    QCOMPARE(h.bus.unit(A).errors().checksum, 0);
    QCOMPARE(h.sleeps.waits(), QList<int>{fast ? 300 : 3000});
}

void TestTransfers::names()
{
    LinkHarness h;
    QVector<int> record = h.bus.record(A, 2);
    const int bytes[16] = {0, 10, 200, 65, 127, 126, 32, 33, 31, 255, 90, 48, 32, 32, 32, 32};
    std::copy(bytes, bytes + 16, record.begin());
    QVERIFY(h.bus.setRecord(A, 2, record));
    QCOMPARE(h.open(), Success);
    QString name = QStringLiteral(">");
    QCOMPARE(h.link.GetPresetNameFromHardware(name, 2), Success);
    QCOMPARE(name, QStringLiteral(">  ~A~~ ! ~Z0    "));
    QCOMPARE(h.commands(), (QList<int>{6, 14}));
    QCOMPARE(h.sleeps.waits(), QList<int>{20});
}

void TestTransfers::rename_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("onUnit");
    QTest::addColumn<int>("firstEntry"); // what the record handed to the window holds in entry 0
    QTest::addColumn<int>("storage");
    QTest::addColumn<int>("offset");
    QTest::newRow("shorter: padded") << "Short" << 7 << QByteArray("Short           ") << int('S') << 0 << 6;
    QTest::newRow("longer: cut") << "A Name Far Too Long" << 100 << QByteArray("A Name Far Too L") << int('A') << 0
                                 << 99;
    QTest::newRow("Latin-1 high") << QString(QChar(0xE9)) + "t" << 101 << QByteArray("\xE9t              ") << -23 << 1
                                  << 0;
    QTest::newRow("beyond Latin-1") << QString(QChar(0x100)) + "x" << 150 << QByteArray("\0x              ", 16) << 0
                                    << 1 << 49;
}

void TestTransfers::rename()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QByteArray, onUnit);
    QFETCH(int, firstEntry);
    QFETCH(int, storage);
    QFETCH(int, offset);
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    const QVector<int> before = h.bus.record(A, number);
    QCOMPARE(h.link.SendPresetNameToHardware(name, number, nullptr, &recordPreset), Success);
    const QVector<int> after = h.bus.record(A, number);
    QCOMPARE(h.bus.unit(A).recordBytes(number).left(16), onUnit);
    QCOMPARE(after.mid(16), before.mid(16)); // parameters untouched
    QCOMPARE(g_handed.size(), 1);
    QCOMPARE(g_handed[0].storage, storage);
    QCOMPARE(g_handed[0].base, storage == 1 ? 101 : 1);
    QCOMPARE(g_handed[0].offset, offset);
    QCOMPARE(g_handed[0].record.at(0), firstEntry);
    QCOMPARE(h.sleeps.waits(), repeated(100, 5) << 3000);
}

void TestTransfers::copyReportsDestination_data()
{
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("storage");
    QTest::addColumn<int>("offset");
    QTest::newRow("factory to user 100") << 100 << 102 << 0 << 99;
    QTest::newRow("user to factory 101") << 101 << 5 << 1 << 0;
}

void TestTransfers::copyReportsDestination()
{
    QFETCH(int, destination);
    QFETCH(int, source);
    QFETCH(int, storage);
    QFETCH(int, offset);
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    QCOMPARE(h.link.CopyPreset(destination, source, &recordPreset), Success);
    QCOMPARE(h.bus.record(A, destination), h.bus.record(A, source));
    QCOMPARE(g_handed.size(), 1);
    QCOMPARE(g_handed[0].storage, storage);
    QCOMPARE(g_handed[0].base, storage == 1 ? 101 : 1);
    QCOMPARE(g_handed[0].offset, offset);
    QCOMPARE(g_handed[0].record, h.bus.record(A, source));
}

void TestTransfers::enumerations_data()
{
    QTest::addColumn<int>("storage");
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("count"); // names listed
    QTest::newRow("user") << 0 << -1 << Success << 100;
    QTest::newRow("factory") << 1 << -1 << Success << 100;
    QTest::newRow("stopped on the third") << 1 << 2 << Success << 3;
    QTest::newRow("storage 2") << 2 << -1 << BadStorage << 0;
}

void TestTransfers::enumerations()
{
    QFETCH(int, storage);
    QFETCH(int, stopAfter);
    QFETCH(int, expected);
    QFETCH(int, count);
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    g_stopAfter = stopAfter;
    int base = -1, presets = -1;
    QStringList names;
    QCOMPARE(h.link.GetAllPresetNames(storage, base, presets, names, &recordProgress, nullptr), expected);
    QCOMPARE(names.size(), count);
    const VirtualUnit unit = h.bus.unit(A);
    for (int i = 0; i < count; ++i)
        QCOMPARE(names.at(i), unit.presetName(base + i));
    QCOMPARE(g_progress.size(), count);
    if (count > 0)
        QCOMPARE(g_progress.last(), qMakePair(100, count));
    QCOMPARE(h.sent().size(), 2 * count);

    resetCallbacks();
    int name = 0, params = 0, code = 0, version = 0;
    QCOMPARE(h.link.GetAllPresets(storage, base, presets, nullptr, name, params, code, version, &recordPreset,
                                  nullptr),
             expected);
    QCOMPARE(g_handed.size(), storage == 2 ? 0 : 100);
    for (const HandedPreset& got : qAsConst(g_handed))
        QCOMPARE(got.record, unit.record(got.base + got.offset));
}

void TestTransfers::bulkCopy()
{
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    const VirtualUnit before = h.bus.unit(A);
    QCOMPARE(h.link.LoadPresets(QList<int>{3, 4, 99}, QList<int>{110, 111}, &recordPreset, true), Success);
    QCOMPARE(h.bus.record(A, 3), before.record(110));
    QCOMPARE(h.bus.record(A, 4), before.record(111));
    QCOMPARE(h.bus.record(A, 99), before.record(99));
    // Both sources are read before the unit goes into bulk mode.
    QCOMPARE(h.commands().mid(0, 5), (QList<int>{6, 8, 6, 8, 16}));
    QCOMPARE(h.commands().last(), 17);
    QCOMPARE(h.sleeps.waits(), repeated(100, 11) << 300 << 300 << 3000);
    QCOMPARE(g_handed.size(), 2);

    // A source that cannot be read stops the copy before anything is written.
    h.bus.clearTraffic(A);
    h.bus.setFault(A, FaultKind::Silent);
    QCOMPARE(h.link.LoadPresets(QList<int>{5}, QList<int>{6}, &recordPreset, true), ReadFailed);
    QVERIFY(!h.commands().contains(16));
}

void TestTransfers::setLists()
{
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    int out[20];
    std::fill(out, out + 20, -7);
    QCOMPARE(h.link.GetSetListData(2, out), Success);
    QCOMPARE(toVector(out, 20), h.bus.setList(A, 2));
    QCOMPARE(h.sent()[0].payload(), QByteArray("\x02\x00\x00\x00", 4));
    QCOMPARE(h.sleeps.waits(), QList<int>{300});

    // A short reply fills what it carries and leaves the rest.
    std::fill(out, out + 20, -7);
    h.bus.overrideNextReply(A, {QByteArray("\xDB\x03\x0D\x00\x0A\x00\x00\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A", 18)});
    QCOMPARE(h.link.GetSetListData(1, out), Success);
    QCOMPARE(toVector(out, 20), (QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) + QVector<int>(10, -7));

    h.bus.clearTraffic(A);
    h.sleeps.clear();
    const unsigned char list[20] = {101, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100};
    QCOMPARE(h.link.SetSetListData(4, list), Success);
    QCOMPARE(h.commands(), (QList<int>{11, 13}));
    QCOMPARE(h.sent()[1].payload(), QByteArray(reinterpret_cast<const char*>(list), 20));
    QCOMPARE(h.bus.setList(A, 4), toVector(std::vector<int>(list, list + 20).data(), 20));
    QCOMPARE(h.sleeps.waits(), QList<int>{3000});
}

void TestTransfers::sysParams()
{
    LinkHarness h;
    h.bus.modifyUnit(A, [](VirtualUnit& u) {
        QVector<int> values = u.sysParams();
        values[7] = 0xFFFF;
        u.setSysParams(values);
    });
    QCOMPARE(h.open(), Success);
    QByteArray text;
    QCOMPARE(h.link.GetSysParams(text), Success);
    QByteArray expected;
    for (int v : h.bus.unit(A).sysParams())
        expected += QByteArray::number(v) + '\n';
    QCOMPARE(text, expected);
    QVERIFY(text.contains("\n65535\n"));
    QList<int> selectors;
    for (const TrafficEntry& e : h.sent()) {
        selectors.append(e.payload().at(0));
        QCOMPARE(e.sequence, 0);
    }
    QCOMPARE(selectors, (QList<int>{3, 4, 4, 4, 4, 4, 4, 4}));
    QCOMPARE(h.sleeps.waits(), repeated(300, 8));

    // A unit without system parameters: 14 on reading, the plain reply check's 6 on writing.
    h.bus.setFault(A, FaultKind::NoSysParams);
    text.clear();
    QCOMPARE(h.link.GetSysParams(text), NoSysParams);
    QCOMPARE(h.link.SendSysParams(expected), BadMagic);
}

void TestTransfers::sendSysParams_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("counts"); // count byte of each page
    QTest::addColumn<QVector<int>>("stored"); // what the unit holds afterwards (first values; the rest 0)
    QTest::newRow("empty") << QByteArray() << repeated(50, 8) << QVector<int>();
    QTest::newRow("no number") << QByteArray("x\n1\n") << repeated(0, 8) << QVector<int>{};
    QByteArray thirty;
    QVector<int> values;
    for (int i = 0; i < 30; ++i) {
        values.append(i == 3 ? 65535 : 1000 + i);
        thirty += QByteArray::number(values.last()) + '\n';
    }
    QTest::newRow("thirty values, rest zero") << thirty << repeated(50, 8) << values;
}

void TestTransfers::sendSysParams()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, counts);
    QFETCH(QVector<int>, stored);
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    QCOMPARE(h.link.SendSysParams(text), Success);
    QList<int> sentCounts, selectors;
    for (const TrafficEntry& e : h.sent()) {
        selectors.append(e.payload().at(0));
        sentCounts.append(static_cast<unsigned char>(e.payload().at(1)));
        QCOMPARE(e.length, 2 + sentCounts.last());
    }
    QCOMPARE(selectors, (QList<int>{5, 6, 6, 6, 6, 6, 6, 6}));
    QCOMPARE(sentCounts, counts);
    if (counts.first() > 0)
        QCOMPARE(h.bus.unit(A).sysParams(), stored + QVector<int>(200 - stored.size(), 0));
    QCOMPARE(h.sleeps.waits(), repeated(300, 8));
}

void TestTransfers::firmware_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("image"); // image bytes taken from the file
    QTest::addColumn<int>("checksum");
    QTest::addColumn<int>("progressCalls");
    QByteArray hundred;
    for (int i = 0; i < 100; ++i)
        hundred.append(static_cast<char>(i * 7 + 1));
    int x = 0;
    for (char c : hundred)
        x ^= static_cast<unsigned char>(c);
    QTest::newRow("100 bytes: two chunks") << ".bin" << hundred << hundred << x << 3;
    QTest::newRow("12 34 56") << ".bin" << QByteArray("\x12\x34\x56") << QByteArray("\x12\x34\x56") << 0x70 << 2;
    QTest::newRow("250 chunks: every second reported") << ".bin" << QByteArray(250 * 56, '\x01')
                                                        << QByteArray(250 * 56, '\x01') << 0 << 126;
    QTest::newRow("ldr lines") << ".ldr" << QByteArray("0x3F\n0xZZ\n\n0x1234\nab12\r\n0x7")
                               << QByteArray("\x3F\x00\x00\x34\x12\x07", 6) << (0x3F ^ 0x34 ^ 0x12 ^ 0x07) << 2;
}

void TestTransfers::firmware()
{
    QFETCH(QString, suffix);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, image);
    QFETCH(int, checksum);
    QFETCH(int, progressCalls);
    const bool dsp = suffix == QLatin1String(".ldr");
    const int chunk = dsp ? 54 : 56;
    QTemporaryDir dir;
    QFile f(dir.filePath("image") + suffix);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
    f.close();
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    g_stopAfter = 0; // "stop" is ignored: a started image always goes out whole
    const int result = dsp ? h.link.UpdateDSPFW(f.fileName(), &recordProgress)
                           : h.link.UpdateMicroFW(f.fileName(), &recordProgress);
    QCOMPARE(result, Success);

    const QByteArray padded = image + QByteArray((chunk - image.size() % chunk) % chunk, '\0');
    const QVector<TrafficEntry> sent = h.sent();
    QCOMPARE(lengths(sent, dsp ? 2 : 4), repeated(chunk, padded.size() / chunk));
    QCOMPARE(chunkBytes(sent, dsp ? 2 : 4), padded);
    QCOMPARE(sent.last().command, dsp ? 3 : 5);
    QCOMPARE(sent.last().length, 0);
    QCOMPARE(static_cast<unsigned char>(sent.last().bytes.at(9)), checksum);
    QCOMPARE(sent.last().sequence, sent.at(sent.size() - 2).sequence);
    const FirmwareImage received = dsp ? h.bus.unit(A).dspImage() : h.bus.unit(A).microImage();
    QVERIFY(received.verified);
    QCOMPARE(received.data, padded);
    QCOMPARE(g_progress.size(), progressCalls);
    QCOMPARE(g_progress.first(), qMakePair(padded.size(), chunk));
    QCOMPARE(g_progress.last(), qMakePair(padded.size(), padded.size()));
    QVERIFY(h.sleeps.waits().isEmpty());
}

void TestTransfers::firmwareWriteFailure()
{
    QTemporaryDir dir;
    QFile f(dir.filePath("micro.bin"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(560, '\x5A')) == 560);
    f.close();
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    h.bus.setFault(A, FaultKind::WriteFailure, 4);
    QCOMPARE(h.link.UpdateMicroFW(f.fileName(), nullptr), WriteFailed);
    QCOMPARE(h.commands(), repeated(4, 4)); // chunks 0 to 3 went out, chunk 4 failed, no closing report
    QVERIFY(!h.bus.unit(A).microImage().received);

    // A file that cannot be opened is refused before the unit is touched.
    h.bus.setFault(A, FaultKind::None);
    h.bus.clearTraffic(A);
    QCOMPARE(h.link.UpdateDSPFW(dir.filePath("missing.ldr"), &recordProgress), FileNotFound);
    QCOMPARE(h.link.UpdateMicroFW(dir.filePath("missing.bin"), &recordProgress), FileNotFound);
    QVERIFY(h.sent().isEmpty());
    QVERIFY(g_progress.isEmpty());
}

void TestTransfers::faults_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    QTest::newRow("record, silent") << int(Op::ReadRecord) << int(FaultKind::Silent) << 0 << ReadFailed;
    QTest::newRow("record, foreign") << int(Op::ReadRecord) << int(FaultKind::ForeignReply) << 0 << WrongReply;
    QTest::newRow("record, bad magic") << int(Op::ReadRecord) << int(FaultKind::BadMagic) << 0 << BadMagic;
    QTest::newRow("record, read failure") << int(Op::ReadRecord) << int(FaultKind::ReadFailure) << 0 << ReadFailed;
    QTest::newRow("record, vanish after select") << int(Op::ReadRecord) << int(FaultKind::Vanish) << 1 << WriteFailed;
    QTest::newRow("write, fails mid-record") << int(Op::WriteRecord) << int(FaultKind::WriteFailure) << 3
                                             << WriteFailed;
    QTest::newRow("write, vanish mid-record") << int(Op::WriteRecord) << int(FaultKind::Vanish) << 3 << WriteFailed;
    QTest::newRow("names, silent") << int(Op::Names) << int(FaultKind::Silent) << 0 << ReadFailed;
    QTest::newRow("names, foreign") << int(Op::Names) << int(FaultKind::ForeignReply) << 0 << ReadFailed;
    QTest::newRow("set list, silent") << int(Op::SetList) << int(FaultKind::Silent) << 0 << ReadFailed;
    QTest::newRow("set list, foreign") << int(Op::SetList) << int(FaultKind::ForeignReply) << 0 << WrongReply;
    QTest::newRow("system parameters, silent") << int(Op::SysParams) << int(FaultKind::Silent) << 0 << NoSysParams;
    QTest::newRow("system parameters, foreign") << int(Op::SysParams) << int(FaultKind::ForeignReply) << 0
                                                << WrongReply;
    QTest::newRow("system parameters, vanish on page 3") << int(Op::SysParams) << int(FaultKind::Vanish) << 3
                                                         << ReadFailed;
}

void TestTransfers::faults()
{
    QFETCH(int, op);
    QFETCH(int, fault);
    QFETCH(int, count);
    QFETCH(int, expected);
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    const QVector<int> before = h.bus.record(A, 8);
    h.bus.setFault(A, FaultKind(fault), count);
    QVector<int> record = h.bus.record(A, 20);
    int setList[20] = {};
    int base = 0, presets = 0;
    QStringList names;
    QByteArray text;
    int result = -1;
    switch (Op(op)) {
    case Op::ReadRecord:
        result = h.link.GetPresetDataFromHardware(record.data(), 8, 16, 120);
        break;
    case Op::WriteRecord:
        result = h.link.SendPresetDataToHardware(8, record.data(), 16, 120, false);
        QVERIFY(!h.sent().isEmpty() && h.sent().last().length != 0); // no closing report went out
        break;
    case Op::Names:
        result = h.link.GetAllPresetNames(0, base, presets, names, nullptr, nullptr);
        QVERIFY(names.isEmpty());
        break;
    case Op::SetList:
        result = h.link.GetSetListData(0, setList);
        break;
    case Op::SysParams:
        result = h.link.GetSysParams(text);
        break;
    }
    QCOMPARE(result, expected);
    QVERIFY(h.sleeps.total() <= 3000); // one settle, not a loop
    h.bus.setFault(A, FaultKind::None);
    if (h.bus.isPlugged(A))
        QCOMPARE(h.bus.record(A, 8), before);
}

void TestTransfers::absurdIdentity()
{
    // A unit that claims 0xFFFF name characters, parameters and presets: banks are refused, single records
    // are read within what the claim allows, and the reply loop still ends.
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    h.bus.overrideNextReply(A, {QByteArray("\xDB\x03\x09\x00\x0D\x00\x00\x00\x21\x00\x03\x00\xFF\xFF\xFF\xFF\xFF\xFF", 18)});
    QCOMPARE(h.link.GetDeviceInfo(), Success);
    QCOMPARE(g_deviceInfo.presetCount.load(), 0xFFFF);
    h.bus.clearTraffic(A);
    int base = 0, presets = 0, n = 0, p = 0, code = 0, version = 0;
    QStringList names;
    QCOMPARE(h.link.GetAllPresetNames(0, base, presets, names, nullptr, nullptr), NoRecord);
    QCOMPARE(h.link.GetAllPresets(1, base, presets, nullptr, n, p, code, version, nullptr, nullptr), NoRecord);
    QTemporaryDir dir;
    QCOMPARE(h.link.BackUpPresets(0, dir.filePath("b.tarb"), nullptr), NoRecord);
    QVERIFY(h.sent().isEmpty());
    QVERIFY(!QFile::exists(dir.filePath("b.tarb")));
    // The unit's real record is shorter than the claim: the reply ends early and the rest stays zero.
    QString name;
    QCOMPARE(h.link.GetPresetNameFromHardware(name, 1), Success);
    QCOMPARE(name.size(), 16);
}

QTEST_GUILESS_MAIN(TestTransfers)
#include "tst_transfers.moc"
