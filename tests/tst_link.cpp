// The HID packet link: framing, sequence numbers, reply checks, the identity query, open and close.

#include "LinkHarness.h"
#include "resultcodes.h"

#include <QtTest>

using namespace ResultCode;

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void replyCheck_data();
    void replyCheck();
    void framing_data();
    void framing();
    void sequenceNumbers();
    void sequenceWraps();
    void open_data();
    void open();
    void identity_data();
    void identity();
    void openWhileOpenOnlyAsksIdentity();
    void readsAndWritesWithoutUnit();
};

void TestLink::replyCheck_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("expected");
    QTest::newRow("answer") << QByteArray("\xDB\x03\x07\x00\x38\x00", 6) << 7 << Success;
    QTest::newRow("length and tail ignored") << QByteArray("\xDB\x03\x09\x00\xFF\xFF\xAA\xBB", 8) << 9 << Success;
    QTest::newRow("other command") << QByteArray("\xDB\x03\x09\x00", 4) << 7 << WrongReply;
    QTest::newRow("other high byte") << QByteArray("\xDB\x03\x07\x01", 4) << 7 << WrongReply;
    QTest::newRow("first byte") << QByteArray("\xDA\x03\x07\x00", 4) << 7 << BadMagic;
    QTest::newRow("second byte, right command") << QByteArray("\xDB\x00\x07\x00", 4) << 7 << BadMagic;
    QTest::newRow("zeroed buffer") << QByteArray(4, '\0') << 9 << BadMagic;
}

void TestLink::replyCheck()
{
    QFETCH(QByteArray, head);
    QFETCH(int, command);
    QFETCH(int, expected);
    LinkHarness h;
    BYTE report[65] = {};
    memcpy(report, head.constData(), static_cast<size_t>(head.size()));
    QCOMPARE(h.link.CheckReply(report, command), expected);
}

void TestLink::framing_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("sequenced");
    QTest::addColumn<QByteArray>("head"); // bytes 0 to 8 on the wire
    // The identity query of the open carried 0, so the next sequenced report carries 1.
    QTest::newRow("select preset") << 6 << QByteArray("\x05\x00\x00\x00", 4) << true
                                   << QByteArray("\x00\xDB\x03\x06\x00\x04\x00\x01\x00", 9);
    QTest::newRow("bulk begin, unsequenced") << 16 << QByteArray() << false
                                             << QByteArray("\x00\xDB\x03\x10\x00\x00\x00\x00\x00", 9);
    QTest::newRow("system parameters, unsequenced") << 18 << QByteArray("\x03", 1) << false
                                                    << QByteArray("\x00\xDB\x03\x12\x00\x01\x00\x00\x00", 9);
    QByteArray full;
    for (int i = 0; i < 56; ++i)
        full.append(static_cast<char>(200 + i));
    QTest::newRow("two-byte command, full payload") << 0x1234 << full << true
                                                    << QByteArray("\x00\xDB\x03\x34\x12\x38\x00\x01\x00", 9);
}

void TestLink::framing()
{
    QFETCH(int, command);
    QFETCH(QByteArray, payload);
    QFETCH(bool, sequenced);
    QFETCH(QByteArray, head);
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    BYTE buffer[65];
    memset(buffer, 0xEE, sizeof buffer);
    QCOMPARE(h.link.SendPacket(buffer, command, payload.size(), reinterpret_cast<BYTE*>(payload.data()), sequenced,
                               true),
             Success);
    const QVector<TrafficEntry> sent = h.sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].bytes.size(), 65);
    QCOMPARE(sent[0].bytes.left(9).toHex(' '), head.toHex(' '));
    QCOMPARE(sent[0].bytes.mid(9, payload.size()), payload);
}

void TestLink::sequenceNumbers()
{
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    // One record (16 + 2 x 120 = 256 bytes: five chunks) between a select and a closing report, an
    // unsequenced report, a failed write, then the identity request.
    const QVector<int> record = h.bus.record(QStringLiteral("A"), 2);
    QCOMPARE(h.link.SendPresetDataToHardware(1, const_cast<int*>(record.constData()), 16, 120, true), Success);
    BYTE buffer[65] = {};
    QCOMPARE(h.link.SendPacket(buffer, 17, 0, nullptr, false, true), Success);
    h.bus.setFault(QStringLiteral("A"), FaultKind::WriteFailure, 0);
    QCOMPARE(h.link.SendPacket(buffer, 10, 0, nullptr, true, true), WriteFailed);
    h.bus.setFault(QStringLiteral("A"), FaultKind::None);
    QCOMPARE(h.link.GetDeviceInfo(), Success);

    QList<int> numbers;
    for (const TrafficEntry& e : h.sent())
        numbers.append(e.sequence);
    QCOMPARE(numbers, (QList<int>{1, 2, 3, 4, 5, 6, 6, 0, 8}));
    QCOMPARE(h.commands(), (QList<int>{6, 7, 7, 7, 7, 7, 7, 17, 10}));
    QCOMPARE(h.bus.record(QStringLiteral("A"), 1), record);
    QCOMPARE(h.bus.unit(QStringLiteral("A")).errors().sequence, 0);
}

void TestLink::sequenceWraps()
{
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    BYTE buffer[65] = {};
    BYTE number[4] = {1, 0, 0, 0};
    for (int i = 1; i < 65535; ++i)
        QCOMPARE(h.link.SendPacket(buffer, 6, 4, number, true, true), Success);
    h.bus.clearTraffic(QStringLiteral("A"));
    h.link.SendPacket(buffer, 6, 4, number, true, true);
    h.link.SendPacket(buffer, 6, 4, number, true, true);
    h.link.SendPacket(buffer, 6, 4, number, true, false);
    h.link.SendPacket(buffer, 6, 4, number, true, true);
    QList<int> numbers;
    for (const TrafficEntry& e : h.sent())
        numbers.append(e.sequence);
    QCOMPARE(numbers, (QList<int>{65535, 0, 0, 1}));
}

void TestLink::open_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("path"); // "" the unit's path, "-" empty, anything else used as is
    QTest::addColumn<int>("expected");
    QTest::addColumn<QList<int>>("waits");
    const QList<int> identityWait{300};
    QTest::newRow("answers") << int(FaultKind::None) << QString() << Success << identityWait;
    QTest::newRow("silent") << int(FaultKind::Silent) << QString() << OpenFailed << identityWait;
    QTest::newRow("bad magic") << int(FaultKind::BadMagic) << QString() << OpenFailed << identityWait;
    QTest::newRow("foreign reply") << int(FaultKind::ForeignReply) << QString() << OpenFailed << identityWait;
    QTest::newRow("read failure") << int(FaultKind::ReadFailure) << QString() << OpenFailed << identityWait;
    QTest::newRow("write failure") << int(FaultKind::WriteFailure) << QString() << OpenFailed << QList<int>();
    QTest::newRow("empty path") << int(FaultKind::None) << QStringLiteral("-") << NoDevicePath << QList<int>();
    QTest::newRow("unknown path") << int(FaultKind::None) << QStringLiteral("virtual:/nowhere/B") << OpenFailed
                                  << QList<int>();
}

void TestLink::open()
{
    QFETCH(int, fault);
    QFETCH(QString, path);
    QFETCH(int, expected);
    QFETCH(QList<int>, waits);
    LinkHarness h;
    h.bus.setFault(QStringLiteral("A"), FaultKind(fault), 0);
    const QString used = path.isEmpty() ? h.bus.devicePath(QStringLiteral("A")) : path == QLatin1String("-") ? QString() : path;
    QCOMPARE(h.link.Open(used), expected);
    QCOMPARE(h.sleeps.waits(), waits);
    // A failed open leaves no handle behind: the link refuses to send.
    BYTE buffer[65] = {};
    QCOMPARE(h.link.SendPacket(buffer, 10, 0, nullptr, true, true) == NotOpen, expected != Success);
}

void TestLink::identity_data()
{
    QTest::addColumn<int>("dsp");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<QString>("dspText");
    QTest::addColumn<QString>("firmwareText");
    QTest::newRow("1.0 and 10.5") << 0x10 << 0xA5 << "DSP v1.0" << "Firmware v10.5";
    QTest::newRow("2.3 and 1.5") << 0x23 << 0x15 << "DSP v2.3" << "Firmware v1.5";
    QTest::newRow("15.15 and 0.0") << 0xFF << 0x00 << "DSP v15.15" << "Firmware v0.0";
}

void TestLink::identity()
{
    QFETCH(int, dsp);
    QFETCH(int, firmware);
    QFETCH(QString, dspText);
    QFETCH(QString, firmwareText);
    UnitIdentity identity;
    identity.productCode = 0x1234;
    identity.patchVersion = 0x0207;
    identity.nameLength = 18;
    identity.paramCount = 300;
    identity.presetCount = 60;
    identity.dspVersion = dsp;
    identity.firmwareVersion = firmware;
    LinkHarness h(identity);
    QCOMPARE(h.open(), Success);
    QCOMPARE(g_deviceInfo.hardwareProductCode.load(), 0x1234);
    QCOMPARE(g_deviceInfo.hardwarePatchVersion.load(), 0x0207);
    QCOMPARE(g_deviceInfo.maxPresetNameLength.load(), 18);
    QCOMPARE(g_deviceInfo.maxPresetParamLength.load(), 300);
    QCOMPARE(g_deviceInfo.presetCount.load(), 60);
    QCOMPARE(g_deviceInfo.dspVersion(), dspText);
    QCOMPARE(g_deviceInfo.firmwareVersion(), firmwareText);
}

void TestLink::openWhileOpenOnlyAsksIdentity()
{
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    // The path is not looked at again: an empty one still answers 0 while the unit does.
    QCOMPARE(h.link.Open(QString()), Success);
    QCOMPARE(h.commands(), QList<int>{10});
    QCOMPARE(h.sleeps.waits(), QList<int>{300});
    // A unit that stops answering is closed by the next open.
    h.bus.setFault(QStringLiteral("A"), FaultKind::Silent);
    QCOMPARE(h.link.Open(h.bus.devicePath(QStringLiteral("A"))), OpenFailed);
    BYTE buffer[65] = {};
    QCOMPARE(h.link.SendPacket(buffer, 10, 0, nullptr, true, true), NotOpen);
}

void TestLink::readsAndWritesWithoutUnit()
{
    LinkHarness h;
    BYTE buffer[65];
    memset(buffer, 0x5A, sizeof buffer);
    QCOMPARE(h.link.SendPacket(buffer, 6, 0, nullptr, true, true), NotOpen);
    QCOMPARE(h.link.ReadPacket(buffer), NotOpen);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 65), QByteArray(65, '\x5A'));
    // A read that times out succeeds and leaves the buffer as it was.
    QCOMPARE(h.open(), Success);
    h.bus.setFault(QStringLiteral("A"), FaultKind::Silent);
    QCOMPARE(h.link.ReadPacket(buffer), Success);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 65), QByteArray(65, '\x5A'));
    QCOMPARE(h.sent().size(), 0);
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
