// The virtual unit: bytes on the wire, what it stores and refuses, what survives in its folder, its faults and
// the tessitra-unit CLI.

#include "support/VirtualBusFixture.h"

#include "sources/hidseam.h"
#include "virtualunit/VirtualBus.h"

#include <QProcess>
#include <QtTest>

namespace {
// Little-endian bytes of value, count of them.
QByteArray le(int value, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}
QByteArray int32(int value)
{
    return le(value, 4);
}

// A minimal host: frames output reports the way the program does and reads until the queue is empty.
class Wire
{
public:
    Wire(const HidApi& api, const QString& path) : m_api(api), m_device(api.open_path(path.toLocal8Bit().constData()))
    {
    }
    ~Wire()
    {
        if (m_device)
            m_api.close(m_device);
    }
    Q_DISABLE_COPY(Wire)
    int sequence = 0;

    // length -1: the payload's size. Sequenced reports take the counter and advance it unless repeat is set.
    int send(int command, const QByteArray& payload = QByteArray(), bool sequenced = true, bool repeat = false,
             int length = -1)
    {
        const int seq = !sequenced ? 0 : repeat ? (sequence - 1) & 0xFFFF : sequence;
        const QByteArray head =
            QByteArray("\0\xDB\x03", 3) + le(command, 2) + le(length < 0 ? payload.size() : length, 2) + le(seq, 2);
        const QByteArray report = QByteArray(head + payload.left(56)).leftJustified(65, '\0');
        const int result = m_api.write(m_device, reinterpret_cast<const unsigned char*>(report.constData()), 65);
        if (result > 0 && !repeat)
            sequence = (sequence + 1) & 0xFFFF;
        return result;
    }
    QByteArray read(int* result = nullptr)
    {
        unsigned char buffer[64] = {};
        const int r = m_api.read_timeout(m_device, buffer, sizeof(buffer), 2000);
        if (result)
            *result = r;
        return r > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), r) : QByteArray();
    }
    QList<QByteArray> readAll()
    {
        QList<QByteArray> reports;
        for (QByteArray r = read(); !r.isEmpty(); r = read())
            reports.append(r);
        return reports;
    }

private:
    const HidApi& m_api;
    hid_device* m_device;
};

int lengthOf(const QByteArray& input)
{
    return static_cast<unsigned char>(input.at(4)) | (static_cast<unsigned char>(input.at(5)) << 8);
}

// The wire form of a record written out independently of the unit's own encoder.
QByteArray wireRecord(const QVector<int>& record, int nameLength)
{
    QByteArray bytes;
    for (int i = 0; i < record.size(); ++i)
        bytes += le(record.at(i), i >= nameLength ? 2 : 1);
    return bytes;
}

char xorOf(const QByteArray& bytes)
{
    char x = 0;
    for (char c : bytes)
        x = static_cast<char>(x ^ c);
    return x;
}

UnitIdentity shape(int nameLength, int paramCount, int presetCount = 10)
{
    UnitIdentity id = UnitIdentity::defaults(UnitModel::Ariette);
    id.nameLength = nameLength;
    id.paramCount = paramCount;
    id.presetCount = presetCount;
    return id;
}

// A record the unit does not hold yet: name "Test", parameters counting down through zero.
QVector<int> testRecord(const UnitIdentity& id)
{
    QVector<int> record;
    for (char c : QByteArray("Test").leftJustified(id.nameLength, ' ', true))
        record.append(static_cast<unsigned char>(c));
    for (int j = 0; j < id.paramCount; ++j)
        record.append(3 - 7 * j);
    return record;
}
} // namespace

Q_DECLARE_METATYPE(UnitIdentity)
Q_DECLARE_METATYPE(FaultKind)

class TestVirtualUnit : public QObject
{
    Q_OBJECT

private slots:
    void identityReply_data();
    void identityReply();
    void chunkedReplies_data();
    void chunkedReplies();
    void recordWrite_data();
    void recordWrite();
    void firmware_data();
    void firmware();
    void bulkAndClosePersist();
    void faults_data();
    void faults();
    void cli_data();
    void cli();
};

void TestVirtualUnit::identityReply_data()
{
    QTest::addColumn<UnitIdentity>("identity");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("ariette") << UnitIdentity::defaults(UnitModel::Ariette)
                             << QByteArray::fromHex("db03 0900 0d00 0500 2100 0300 1000 7800 6400 23 00 15");
    QTest::newRow("cadenzo") << UnitIdentity::defaults(UnitModel::Cadenzo)
                             << QByteArray::fromHex("db03 0900 0d00 0500 4200 0500 1000 a000 6400 31 00 22");
    UnitIdentity wide = shape(254, 0x0123, 7);
    wide.productCode = 0xBEEF;
    wide.dspVersion = 0xA5;
    wide.firmwareVersion = 0x10;
    QTest::newRow("two-byte fields") << wide
                                     << QByteArray::fromHex("db03 0900 0d00 0500 efbe 0300 fe00 2301 0700 a5 00 10");
}

void TestVirtualUnit::identityReply()
{
    QFETCH(UnitIdentity, identity);
    QFETCH(QByteArray, expected);
    VirtualBusFixture bus;
    QVERIFY(bus.plug(QStringLiteral("U"), identity));
    Wire wire(bus.api(), bus.devicePath(QStringLiteral("U")));
    wire.sequence = 5;
    QCOMPARE(wire.send(10), 65);
    const QList<QByteArray> replies = wire.readAll();
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies.at(0).size(), 64);
    QCOMPARE(replies.at(0), expected.leftJustified(64, '\0'));
}

void TestVirtualUnit::chunkedReplies_data()
{
    QTest::addColumn<UnitIdentity>("identity");
    QTest::addColumn<int>("request");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("record 256 bytes") << shape(16, 120) << 8 << QList<int>{56, 56, 56, 56, 32};
    QTest::newRow("record exactly 56") << shape(16, 20) << 8 << QList<int>{56, 0};
    QTest::newRow("empty record") << shape(0, 0) << 8 << QList<int>{0};
    QTest::newRow("name 16") << shape(16, 120) << 14 << QList<int>{16};
    QTest::newRow("name exactly 56") << shape(56, 4) << 14 << QList<int>{56, 0};
}

void TestVirtualUnit::chunkedReplies()
{
    QFETCH(UnitIdentity, identity);
    QFETCH(int, request);
    QFETCH(QList<int>, lengths);
    VirtualBusFixture bus;
    QVERIFY(bus.plug(QStringLiteral("U"), identity));
    Wire wire(bus.api(), bus.devicePath(QStringLiteral("U")));
    const int preset = 100 + identity.presetCount; // the last factory preset
    QCOMPARE(wire.send(6, int32(preset)), 65);
    QCOMPARE(wire.send(request), 65);
    const QList<QByteArray> replies = wire.readAll();

    QList<int> got;
    QByteArray data;
    for (const QByteArray& r : replies) {
        QCOMPARE(r.left(4), QByteArray::fromHex(request == 8 ? "db030700" : "db030f00"));
        got.append(lengthOf(r));
        data += r.mid(8, lengthOf(r));
    }
    QCOMPARE(got, lengths);
    const QByteArray record = wireRecord(bus.record(QStringLiteral("U"), preset), identity.nameLength);
    QCOMPARE(data, request == 8 ? record : record.left(identity.nameLength));
}

void TestVirtualUnit::recordWrite_data()
{
    QTest::addColumn<int>("firstSequence");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QStringList>("counters"); // the error counters that go up by one
    QTest::newRow("good") << 10 << "" << true << QStringList();
    QTest::newRow("sequence wraps") << 65533 << "" << true << QStringList();
    QTest::newRow("wrong checksum") << 10 << "checksum" << false << QStringList{"checksum"};
    QTest::newRow("chunk skips a number") << 10 << "skip" << false << QStringList{"sequence"};
    QTest::newRow("closing report advances") << 10 << "advance-close" << false << QStringList{"sequence"};
    QTest::newRow("chunk missing") << 10 << "drop" << false << QStringList{"rejected", "checksum"};
    QTest::newRow("no such preset") << 10 << "bad-select" << false << QStringList{"rejected"};
}

void TestVirtualUnit::recordWrite()
{
    QFETCH(int, firstSequence);
    QFETCH(QString, damage);
    QFETCH(bool, stored);
    QFETCH(QStringList, counters);
    const UnitIdentity id = shape(16, 60); // 136 bytes: three chunks
    VirtualBusFixture bus;
    QVERIFY(bus.plug(QStringLiteral("U"), id));
    const QVector<int> before = bus.record(QStringLiteral("U"), 5);
    const QVector<int> record = testRecord(id);
    const QByteArray bytes = wireRecord(record, id.nameLength);

    Wire wire(bus.api(), bus.devicePath(QStringLiteral("U")));
    wire.sequence = firstSequence;
    QCOMPARE(wire.send(6, int32(damage == "bad-select" ? 0 : 5)), 65);
    for (int offset = 0, chunk = 0; offset < bytes.size(); offset += 56, ++chunk) {
        if (damage == "skip" && chunk == 2)
            ++wire.sequence;
        if (damage == "drop" && chunk == 1)
            continue;
        QCOMPARE(wire.send(7, bytes.mid(offset, 56)), 65);
    }
    char checksum = xorOf(bytes);
    if (damage == "checksum")
        checksum = static_cast<char>(checksum ^ 0x40);
    QCOMPARE(wire.send(7, QByteArray(1, checksum), true, damage != "advance-close", 0), 65);

    const VirtualUnit unit = bus.unit(QStringLiteral("U"));
    QCOMPARE(unit.record(5), stored ? record : before);
    QCOMPARE(VirtualBus(bus.busDir()).load(QStringLiteral("U"))->record(5), stored ? record : before);
    const UnitErrors& e = unit.errors();
    QCOMPARE(e.checksum, static_cast<int>(counters.contains("checksum")));
    QCOMPARE(e.sequence, static_cast<int>(counters.contains("sequence")));
    QCOMPARE(e.rejected, static_cast<int>(counters.contains("rejected")));
}

void TestVirtualUnit::firmware_data()
{
    QTest::addColumn<int>("chunkCommand");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("verified");
    QTest::newRow("dsp") << 2 << 54 << "" << true;
    QTest::newRow("micro") << 4 << 56 << "" << true;
    QTest::newRow("micro wrong checksum") << 4 << 56 << "checksum" << false;
    QTest::newRow("dsp skipped number") << 2 << 54 << "skip" << false;
    QTest::newRow("dsp closing advances") << 2 << 54 << "advance-close" << false;
    QTest::newRow("dsp chunk of 56") << 2 << 56 << "" << false;
}

void TestVirtualUnit::firmware()
{
    QFETCH(int, chunkCommand);
    QFETCH(int, chunkSize);
    QFETCH(QString, damage);
    QFETCH(bool, verified);
    VirtualBusFixture bus;
    QVERIFY(bus.plug(QStringLiteral("U"), UnitModel::Ariette));
    QByteArray image;
    for (int i = 0; i < 3 * chunkSize; ++i)
        image.append(static_cast<char>((i * 31 + 7) & 0xFF));
    Wire wire(bus.api(), bus.devicePath(QStringLiteral("U")));
    wire.sequence = 65534; // the numbers wrap inside the transfer
    for (int offset = 0; offset < image.size(); offset += chunkSize) {
        if (damage == "skip" && offset > 0)
            ++wire.sequence;
        QCOMPARE(wire.send(chunkCommand, image.mid(offset, chunkSize)), 65);
    }
    const char sum = static_cast<char>(xorOf(image) ^ (damage == "checksum" ? 1 : 0));
    QCOMPARE(wire.send(chunkCommand + 1, QByteArray(1, sum), true, damage != "advance-close", 0), 65);
    QVERIFY(wire.readAll().isEmpty()); // the unit never answers firmware reports

    const VirtualUnit unit = bus.unit(QStringLiteral("U"));
    const FirmwareImage& got = chunkCommand == 2 ? unit.dspImage() : unit.microImage();
    QVERIFY(got.received);
    QCOMPARE(got.data, image);
    QCOMPARE(got.checksum, static_cast<int>(static_cast<unsigned char>(xorOf(image))));
    QCOMPARE(got.verified, verified);
    QVERIFY(!(chunkCommand == 2 ? unit.microImage() : unit.dspImage()).received);
}

void TestVirtualUnit::bulkAndClosePersist()
{
    const UnitIdentity id = shape(16, 12);
    VirtualBusFixture bus;
    QVERIFY(bus.plug(QStringLiteral("U"), id));
    const VirtualBus folder(bus.busDir()); // what a fresh process reads
    auto onDisk = [&](int preset) { return folder.load(QStringLiteral("U"))->record(preset); };
    const QVector<int> record = testRecord(id);
    const QByteArray bytes = wireRecord(record, id.nameLength);
    auto wire = std::make_unique<Wire>(bus.api(), bus.devicePath(QStringLiteral("U")));
    auto writeRecord = [&](int preset) {
        wire->send(6, int32(preset));
        wire->send(7, bytes);
        wire->send(7, QByteArray(1, xorOf(bytes)), true, true, 0);
    };
    wire->send(16, {}, false);
    writeRecord(3);
    writeRecord(104);
    QVERIFY(onDisk(104) != record); // held in memory until the bracket closes
    QCOMPARE(bus.unit(QStringLiteral("U")).record(104), record);
    wire->send(17, {}, false);
    QCOMPARE(onDisk(3), record);
    QCOMPARE(onDisk(104), record);
    wire->send(16, {}, false); // a bracket the host never closes is written out when the device closes
    writeRecord(2);
    QVERIFY(onDisk(2) != record);
    wire.reset();
    QCOMPARE(onDisk(2), record);
}

void TestVirtualUnit::faults_data()
{
    QTest::addColumn<FaultKind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("writeResults"); // three identity requests
    QTest::addColumn<int>("readResult");          // the read after them
    QTest::addColumn<QByteArray>("replyHead");    // first four bytes of the reply read
    QTest::addColumn<bool>("stillListed");
    const QList<int> ok3 = {65, 65, 65};
    QTest::newRow("none") << FaultKind::None << 0 << ok3 << 64 << QByteArray::fromHex("db030900") << true;
    QTest::newRow("silent") << FaultKind::Silent << 0 << ok3 << 0 << QByteArray() << true;
    QTest::newRow("foreign reply") << FaultKind::ForeignReply << 0 << ok3 << 64 << QByteArray::fromHex("db030901")
                                   << true;
    QTest::newRow("bad magic") << FaultKind::BadMagic << 0 << ok3 << 64 << QByteArray::fromHex("db000900") << true;
    QTest::newRow("read failure") << FaultKind::ReadFailure << 0 << ok3 << -1 << QByteArray() << true;
    QTest::newRow("write failure after 2")
        << FaultKind::WriteFailure << 2 << QList<int>{65, 65, -1} << 64 << QByteArray::fromHex("db030900") << true;
    QTest::newRow("vanish after 2") << FaultKind::Vanish << 2 << QList<int>{65, 65, -1} << -1 << QByteArray() << false;
    QTest::newRow("vanish at once") << FaultKind::Vanish << 0 << QList<int>{-1, -1, -1} << -1 << QByteArray() << false;
}

void TestVirtualUnit::faults()
{
    QFETCH(FaultKind, kind);
    QFETCH(int, count);
    QFETCH(QList<int>, writeResults);
    QFETCH(int, readResult);
    QFETCH(QByteArray, replyHead);
    QFETCH(bool, stillListed);
    VirtualBusFixture bus;
    QVERIFY(bus.plug(QStringLiteral("U"), UnitModel::Ariette));
    Wire wire(bus.api(), bus.devicePath(QStringLiteral("U")));
    QVERIFY(bus.setFault(QStringLiteral("U"), kind, count));
    QList<int> results;
    for (int i = 0; i < 3; ++i)
        results.append(wire.send(10));
    QCOMPARE(results, writeResults);
    int result = 0;
    const QByteArray reply = wire.read(&result);
    QCOMPARE(result, readResult);
    QCOMPARE(reply.left(4), replyHead);
    if (result < 0)
        QVERIFY(!QString::fromWCharArray(bus.api().error(nullptr)).isNull());

    hid_device_info* list = bus.api().enumerate(0, 0);
    QCOMPARE(list != nullptr, stillListed);
    bus.api().free_enumeration(list);
    QCOMPARE(bus.isPlugged(QStringLiteral("U")), stillListed);
    // Only the reports the unit took are in its traffic.
    QCOMPARE(bus.sentReports(QStringLiteral("U")).size(), static_cast<int>(writeResults.count(65)));
}

void TestVirtualUnit::cli_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected"); // a line the output must hold, or the error text
    QTest::newRow("plug default name") << QStringList{"plug", "cadenzo"} << 0 << "Cadenzo1";
    QTest::newRow("plug taken name") << QStringList{"plug", "ariette", "Stage"} << 1 << "already plugged";
    QTest::newRow("plug bad model") << QStringList{"plug", "tenor"} << 2 << "unknown model";
    QTest::newRow("list") << QStringList{"list"} << 0 << "Stage\tAriette\tnone";
    QTest::newRow("show identity") << QStringList{"show", "Stage"} << 0 << "DSP version: 0x40 (v4.0)";
    QTest::newRow("show set list") << QStringList{"show", "Stage"} << 0 << "B: 101 102 103 110 3 4 0";
    QTest::newRow("show unknown") << QStringList{"show", "Nobody"} << 1 << "no unit named";
    QTest::newRow("fault vanish") << QStringList{"fault", "Stage", "vanish", "4"} << 0 << "";
    QTest::newRow("fault unknown") << QStringList{"fault", "Stage", "smoke"} << 2 << "unknown fault";
    QTest::newRow("unplug") << QStringList{"unplug", "Stage"} << 0 << "";
    QTest::newRow("no command") << QStringList{} << 2 << "no command";
}

namespace {
int runCli(const QString& busDir, const QStringList& args, QString* output)
{
    QProcess process;
    process.start(QStringLiteral(TESSITRA_UNIT_CLI), QStringList{"--bus", busDir} + args);
    if (!process.waitForFinished(30000))
        return -100;
    *output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -101;
}
} // namespace

void TestVirtualUnit::cli()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    VirtualBusFixture bus;
    QString output;
    QCOMPARE(runCli(bus.busDir(), {"plug", "ariette", "Stage", "--presets", "12", "--dsp", "0x40"}, &output), 0);
    QCOMPARE(runCli(bus.busDir(), args, &output), exitCode);
    QVERIFY2(output.contains(expected), qPrintable(output));

    const QString verb = args.value(0);
    if (verb == "plug" && exitCode == 0)
        QVERIFY(bus.isPlugged(expected));
    if (verb == "unplug" && exitCode == 0)
        QVERIFY(!bus.isPlugged("Stage"));
    if (verb == "fault" && exitCode == 0)
        QCOMPARE(VirtualBus(bus.busDir()).fault("Stage"), (UnitFault{FaultKind::Vanish, 4}));
}

QTEST_GUILESS_MAIN(TestVirtualUnit)
#include "tst_virtualunit.moc"
