// The HID packet link: framing, sequence numbers, reply checks, the identity query, open and close.

#include "LinkHarness.h"

#include <QtTest>

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void replyCheck_data();
    void replyCheck();
    void framing_data();
    void framing();
    void sequenceNumbers();
    void open_data();
    void open();
    void identity_data();
    void identity();
    void openUnitAndClosedLink();
};

void TestLink::replyCheck_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<int>("expected");
    QTest::newRow("answer, length ignored") << QByteArray("\xDB\x03\x07\x00\xFF\xFF", 6) << Success;
    QTest::newRow("other command") << QByteArray("\xDB\x03\x09\x00", 4) << WrongReply;
    QTest::newRow("other high byte") << QByteArray("\xDB\x03\x07\x01", 4) << WrongReply;
    QTest::newRow("first byte") << QByteArray("\xDA\x03\x07\x00", 4) << BadMagic;
    QTest::newRow("second byte, right command") << QByteArray("\xDB\x00\x07\x00", 4) << BadMagic;
}

void TestLink::replyCheck()
{
    QFETCH(QByteArray, head);
    QFETCH(int, expected);
    LinkHarness h;
    BYTE report[65] = {};
    memcpy(report, head.constData(), static_cast<size_t>(head.size()));
    QCOMPARE(h.link.CheckReply(report, 7), expected);
}

void TestLink::framing_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("sequenced");
    QTest::addColumn<QByteArray>("head"); // bytes 0 to 8; the open's identity request carried 0
    QTest::newRow("select") << 6 << QByteArray("\x05\0\0\0", 4) << true
                            << QByteArray("\0\xDB\x03\x06\0\x04\0\x01\0", 9);
    QTest::newRow("unsequenced") << 18 << QByteArray("\x03") << false << QByteArray("\0\xDB\x03\x12\0\x01\0\0\0", 9);
    QTest::newRow("two-byte command, 56 bytes")
        << 0x1234 << QByteArray(56, '\xC3') << true << QByteArray("\0\xDB\x03\x34\x12\x38\0\x01\0", 9);
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
    QCOMPARE(
        h.link.SendPacket(buffer, command, payload.size(), reinterpret_cast<BYTE*>(payload.data()), sequenced, true),
        Success);
    QCOMPARE(h.sent().size(), 1);
    QCOMPARE(h.sent()[0].bytes.size(), 65);
    QCOMPARE(h.sent()[0].bytes.left(9).toHex(' '), head.toHex(' '));
    QCOMPARE(h.sent()[0].bytes.mid(9, payload.size()), payload);
}

void TestLink::sequenceNumbers()
{
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    // A record (five chunks) after its select and before its closing report, an unsequenced report, a failed
    // write (does not count), the identity request.
    const QVector<int> record = h.bus.record(A, 2);
    QCOMPARE(h.link.SendPresetDataToHardware(1, const_cast<int*>(record.constData()), 16, 120, true), Success);
    BYTE buffer[65] = {};
    QCOMPARE(h.link.SendPacket(buffer, 17, 0, nullptr, false, true), Success);
    h.bus.setFault(A, FaultKind::WriteFailure, 0);
    QCOMPARE(h.link.SendPacket(buffer, 10, 0, nullptr, true, true), WriteFailed);
    h.bus.setFault(A, FaultKind::None);
    QCOMPARE(h.link.GetDeviceInfo(), Success);
    QList<int> numbers;
    for (const TrafficEntry& e : h.sent())
        numbers.append(e.sequence);
    QCOMPARE(numbers, (QList<int>{1, 2, 3, 4, 5, 6, 6, 0, 8}));
    QCOMPARE(h.bus.record(A, 1), record);
    QCOMPARE(h.bus.unit(A).errors().sequence, 0);

    // Wrapping: 65535, then 0, a closing report repeating 0, then 1.
    BYTE number[4] = {1, 0, 0, 0};
    for (int i = 9; i < 65535; ++i)
        h.link.SendPacket(buffer, 6, 4, number, true, true);
    h.bus.clearTraffic(A);
    for (bool advance : {true, true, false, true})
        h.link.SendPacket(buffer, 6, 4, number, true, advance);
    numbers.clear();
    for (const TrafficEntry& e : h.sent())
        numbers.append(e.sequence);
    QCOMPARE(numbers, (QList<int>{65535, 0, 0, 1}));
}

void TestLink::open_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("path"); // empty: the unit's path
    QTest::addColumn<int>("expected");
    QTest::addColumn<QList<int>>("waits");
    QTest::newRow("answers") << int(FaultKind::None) << QString() << Success << QList<int>{300};
    QTest::newRow("silent") << int(FaultKind::Silent) << QString() << OpenFailed << QList<int>{300};
    QTest::newRow("bad magic") << int(FaultKind::BadMagic) << QString() << OpenFailed << QList<int>{300};
    QTest::newRow("foreign reply") << int(FaultKind::ForeignReply) << QString() << OpenFailed << QList<int>{300};
    QTest::newRow("read failure") << int(FaultKind::ReadFailure) << QString() << OpenFailed << QList<int>{300};
    QTest::newRow("write failure") << int(FaultKind::WriteFailure) << QString() << OpenFailed << QList<int>();
    QTest::newRow("no path") << int(FaultKind::None) << "-" << NoDevicePath << QList<int>();
    QTest::newRow("unknown path") << int(FaultKind::None) << "virtual:/nowhere/B" << OpenFailed << QList<int>();
}

void TestLink::open()
{
    QFETCH(int, fault);
    QFETCH(QString, path);
    QFETCH(int, expected);
    QFETCH(QList<int>, waits);
    LinkHarness h;
    h.bus.setFault(A, FaultKind(fault), 0);
    QCOMPARE(h.link.Open(path.isEmpty() ? h.bus.devicePath(A) : path == "-" ? QString() : path), expected);
    QCOMPARE(h.sleeps.waits(), waits);
    BYTE buffer[65] = {}; // a failed open leaves no handle behind
    QCOMPARE(h.link.SendPacket(buffer, 10, 0, nullptr, true, true) == NotOpen, expected != Success);
}

void TestLink::identity_data()
{
    QTest::addColumn<int>("dsp");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<QString>("texts");
    QTest::newRow("1.0, 10.5") << 0x10 << 0xA5 << "DSP v1.0 Firmware v10.5";
    QTest::newRow("15.15, 0.0") << 0xFF << 0x00 << "DSP v15.15 Firmware v0.0";
}

void TestLink::identity()
{
    QFETCH(int, dsp);
    QFETCH(int, firmware);
    QFETCH(QString, texts);
    UnitIdentity id;
    id.productCode = 0x1234;
    id.patchVersion = 0x0207;
    id.nameLength = 18;
    id.paramCount = 300;
    id.presetCount = 60;
    id.dspVersion = dsp;
    id.firmwareVersion = firmware;
    LinkHarness h(id);
    QCOMPARE(h.open(), Success);
    QCOMPARE(
        (QList<int>{g_deviceInfo.hardwareProductCode, g_deviceInfo.hardwarePatchVersion,
                    g_deviceInfo.maxPresetNameLength, g_deviceInfo.maxPresetParamLength, g_deviceInfo.presetCount}),
        (QList<int>{0x1234, 0x0207, 18, 300, 60}));
    QCOMPARE(g_deviceInfo.dspVersion() + ' ' + g_deviceInfo.firmwareVersion(), texts);
}

void TestLink::openUnitAndClosedLink()
{
    LinkHarness h;
    BYTE buffer[65];
    memset(buffer, 0x5A, sizeof buffer);
    QCOMPARE(h.link.SendPacket(buffer, 6, 0, nullptr, true, true), NotOpen);
    QCOMPARE(h.link.ReadPacket(buffer), NotOpen);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 65), QByteArray(65, '\x5A'));

    // An open on an open handle asks for the identity only; the path is not looked at again.
    QCOMPARE(h.open(), Success);
    QCOMPARE(h.link.Open(QString()), Success);
    QCOMPARE(h.commands(), QList<int>{10});
    QCOMPARE(h.sleeps.waits(), QList<int>{300});
    // A read that times out succeeds and leaves the buffer; the next open closes the silent unit.
    h.bus.setFault(A, FaultKind::Silent);
    QCOMPARE(h.link.ReadPacket(buffer), Success);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 65), QByteArray(65, '\x5A'));
    QCOMPARE(h.link.Open(h.bus.devicePath(A)), OpenFailed);
    QCOMPARE(h.link.SendPacket(buffer, 10, 0, nullptr, true, true), NotOpen);
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
