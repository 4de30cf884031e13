// The HID link against a virtual unit: framing, sequence numbers, reply checks, the identity query, records,
// names, set lists, system parameters, firmware images, the settle times, and the faults a unit can show.
// Expected bytes and result codes are written out here; nothing is taken from the program's own tables.

#include "support/LinkHarness.h"

#include "hidseam.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <numeric>

namespace {

// The operations the settle-time and fault tables run, by name; each returns the link's result.
int act(LinkHarness& h, const QString& name, const QString& dir)
{
    QVector<int> record = h.bus.record(A, 20);
    QString text;
    QByteArray bytes;
    int list[20] = {};
    const unsigned char emptyList[20] = {};
    const QStringList files{dir + "/p.tarp", dir + "/p.tarp"};
    const QList<int> copies{3, 4}, sources{110, 1}, targets{4, 5};
    const QMap<QString, std::function<int()>> actions{
        {"identity", [&] { return h.link.GetDeviceInfo(); }},
        {"read record", [&] { return h.link.GetPresetDataFromHardware(record.data(), 8, 16, 120); }},
        {"write record", [&] { return h.link.SendPresetDataToHardware(8, record.data(), 16, 120, false); }},
        {"write record, fast", [&] { return h.link.SendPresetDataToHardware(8, record.data(), 16, 120, true); }},
        {"read name", [&] { return h.link.GetPresetNameFromHardware(text, 3); }},
        {"rename", [&] { return h.link.SendPresetNameToHardware("n", 3, nullptr, nullptr); }},
        {"read set list", [&] { return h.link.GetSetListData(1, list); }},
        {"write set list", [&] { return h.link.SetSetListData(1, emptyList); }},
        {"system parameters", [&] { return h.link.GetSysParams(bytes); }},
        {"copies in bulk", [&] { return h.link.LoadPresets(copies, sources, nullptr, true); }},
        {"back up", [&] { return h.link.BackUpPresets(0, dir + "/b.tarb", nullptr); }},
        {"restore", [&] { return h.link.RestorePresets(dir + "/a.tarb", nullptr, nullptr); }}, // the first back-up
        {"factory presets", [&] { return h.link.RestoreFactoryPresets(dir + "/f.dat", nullptr); }},
        {"preset files, bracketed", [&] { return h.link.LoadPresets(targets, files, nullptr, true); }},
        {"preset files, one by one", [&] { return h.link.LoadPresets(targets, files, nullptr, false); }},
        {"micro image", [&] { return h.link.UpdateMicroFW(dir + "/m.bin", nullptr); }},
        {"dsp image", [&] { return h.link.UpdateDSPFW(dir + "/d.ldr", nullptr); }}};
    return actions[name]();
}

// A unit opened and the files the file-side rows start from (backups made from it, images); traffic and waits
// start empty.
void prepare(LinkHarness& h, const QString& dir)
{
    QCOMPARE(h.open(), 0);
    QCOMPARE(h.link.BackUpPresets(0, dir + "/a.tarb", nullptr), 0);
    QCOMPARE(h.link.BackUpPresets(1, dir + "/f.dat", nullptr), 0);
    QCOMPARE(h.link.SavePresetFromHardware(5, dir + "/p.tarp"), 0);
    QVERIFY(writeFile(dir + "/m.bin", QByteArray(560, '\x5A')) &&
            writeFile(dir + "/d.ldr", QByteArray("0x5A\n").repeated(2000)));
    h.bus.clearTraffic(A);
    h.sleeps.clear();
}

const HidApi* g_pBusApi = nullptr;
int g_failingWrite = -1;
int failOnce(hid_device* device, const unsigned char* data, size_t length)
{
    return g_failingWrite-- == 0 ? -1 : g_pBusApi->write(device, data, length);
}
} // namespace
Q_DECLARE_METATYPE(FaultKind)

class TestLink : public QObject
{
    Q_OBJECT

    // An input report as a unit would send it: 0xDB 0x03, command, announced length, two unread bytes, payload.
    static QByteArray reply(int command, int length, const QByteArray& payload)
    {
        return QByteArray(QByteArray("\xDB\x03", 2) + char(command) + '\0' + char(length & 0xFF) + char(length >> 8) +
                          QByteArray(2, '\0') + payload)
            .leftJustified(64, '\0', true);
    }

private slots:
    void init() { resetCallbacks(); }

    void identity()
    {
        LinkHarness h(UnitIdentity{UnitModel::Ariette, 0xBEEF, 0x0207, 254, 0x0123, 60, 0xA5, 0x0F});
        h.bus.clearTraffic(A);
        QCOMPARE(h.link.Open(h.bus.devicePath(A)), 0);
        const QVector<TrafficEntry> traffic = h.bus.traffic(A);
        QCOMPARE(traffic.size(), 2);
        QCOMPARE(traffic[0].bytes.left(9), QByteArray("\0\xDB\x03\x0A\0\0\0\0\0", 9));
        QCOMPARE(traffic[1].bytes,
                 QByteArray::fromHex("db03 0900 0d00 0000 efbe 0702 fe00 2301 3c00 a5 00 0f").leftJustified(64, '\0'));
        QCOMPARE(
            (QList<int>{g_deviceInfo.hardwareProductCode, g_deviceInfo.hardwarePatchVersion,
                        g_deviceInfo.maxPresetNameLength, g_deviceInfo.maxPresetParamLength, g_deviceInfo.presetCount}),
            (QList<int>{0xBEEF, 0x0207, 254, 0x0123, 60}));
        QCOMPARE(g_deviceInfo.dspVersion() + ' ' + g_deviceInfo.firmwareVersion(), "DSP v10.5 Firmware v0.15");

        // A unit that claims 0xFFFF name characters, parameters and presets: banks are refused before anything is
        // sent; a single name is still read within what the claim allows.
        h.bus.overrideNextReply(A, {QByteArray("\xDB\x03\x09\0\x0D\0\0\0\x21\0\x03\0\xFF\xFF\xFF\xFF\xFF\xFF", 18)});
        QCOMPARE(h.link.GetDeviceInfo(), 0);
        h.bus.clearTraffic(A);
        int base = 0, presets = 0, n = 0, p = 0, code = 0, version = 0;
        QStringList names;
        QCOMPARE(h.link.GetAllPresetNames(0, base, presets, names, nullptr, nullptr), 9);
        QCOMPARE(h.link.GetAllPresets(1, base, presets, nullptr, n, p, code, version, nullptr, nullptr), 9);
        QVERIFY(h.sent().isEmpty());
        QString name;
        QCOMPARE(h.link.GetPresetNameFromHardware(name, 1), 0);
        QCOMPARE(name.size(), 254); // what the unit sent
    }

    void records_data()
    {
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<int>("paramCount");
        QTest::addColumn<QList<int>>("replies"); // lengths of the read reply's reports
        QTest::addColumn<QList<int>>("chunks");  // lengths of the written reports, the closing one last
        QTest::newRow("256 bytes") << 16 << 120 << QList<int>{56, 56, 56, 56, 32} << QList<int>{56, 56, 56, 56, 32, 0};
        QTest::newRow("exactly 56 bytes") << 16 << 20 << QList<int>{56, 0} << QList<int>{56, 0};
        QTest::newRow("empty record") << 0 << 0 << QList<int>{0} << QList<int>{0};
    }
    void records()
    {
        QFETCH(int, nameLength);
        QFETCH(int, paramCount);
        QFETCH(QList<int>, replies);
        QFETCH(QList<int>, chunks);
        LinkHarness h(UnitIdentity{UnitModel::Ariette, 0x21, 3, nameLength, paramCount});
        QVector<int> stored = h.bus.record(A, 103);
        if (paramCount > 0)
            stored[nameLength] = -1, stored[nameLength + 1] = -32768; // 0xFFFF and 0x8000 on the wire
        QVERIFY(h.bus.setRecord(A, 103, stored));
        QCOMPARE(h.open(), 0);
        QVector<int> record(nameLength + paramCount, 7777);
        QCOMPARE(h.link.GetPresetDataFromHardware(record.data(), 103, nameLength, paramCount), 0);
        QCOMPARE(h.commands(), (QList<int>{6, 8}));
        QCOMPARE(h.payloads(6), QByteArray("\x67\0\0\0", 4));
        QList<int> lengths;
        for (const TrafficEntry& e : h.bus.receivedReports(A))
            lengths.append(lengthOf(e));
        QCOMPARE(lengths, replies);
        QCOMPARE(record, stored);

        h.bus.clearTraffic(A);
        QCOMPARE(h.link.SendPresetDataToHardware(4, record.data(), nameLength, paramCount, true), 0);
        QCOMPARE(h.commands(A, 7), chunks);
        const QByteArray written = h.payloads(7);
        QCOMPARE(h.sent().last().bytes.at(9),
                 std::accumulate(written.begin(), written.end(), char(0), std::bit_xor<char>()));
        QCOMPARE(sequenceOf(h.sent().last()), sequenceOf(h.sent().at(h.sent().size() - 2)));
        QCOMPARE(h.payloads(7).mid(nameLength, 4), QByteArray("\xFF\xFF\x00\x80", paramCount > 0 ? 4 : 0));
        QCOMPARE(h.bus.record(A, 4), stored);
    }

    // Where a reply ends: a report of 55 bytes or less is the last; 56 asks for another; an announced length
    // beyond what a report holds counts as 56; a unit that never ends is cut off after the reports the expected
    // data can need (16 name characters or a 56-byte record: two).
    void replyEnds_data()
    {
        QTest::addColumn<bool>("record");
        QTest::addColumn<QList<int>>("announced");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("consumed");
        QTest::newRow("name, 55 bytes") << false << QList<int>{55, 0} << 0 << 1;
        QTest::newRow("name, 56 and an empty one") << false << QList<int>{56, 0} << 0 << 2;
        QTest::newRow("name, 0xFFFF read as 56") << false << QList<int>{0xFFFF, 0} << 0 << 2;
        QTest::newRow("name, never ends") << false << QList<int>{56, 56, 56, 56} << 4 << 2;
        QTest::newRow("record, 55 bytes") << true << QList<int>{55, 0} << 0 << 1;
        QTest::newRow("record, 56 and an empty one") << true << QList<int>{56, 0} << 0 << 2;
        QTest::newRow("record, 0xFFFF read as 56") << true << QList<int>{0xFFFF, 0} << 0 << 2;
    }
    void replyEnds()
    {
        QFETCH(bool, record);
        QFETCH(QList<int>, announced);
        QFETCH(int, expected);
        QFETCH(int, consumed);
        LinkHarness h(UnitIdentity{UnitModel::Ariette, 0x21, 3, 16, 20});
        QCOMPARE(h.open(), 0);
        QList<QByteArray> reports;
        for (int length : announced)
            reports.append(reply(record ? 7 : 15, length, QByteArray(56, '\x11')));
        h.bus.overrideNextReply(A, reports);
        QString name;
        QVector<int> entries(36, 7777);
        QCOMPARE(record ? h.link.GetPresetDataFromHardware(entries.data(), 1, 16, 20)
                        : h.link.GetPresetNameFromHardware(name, 1),
                 expected);
        // The reader settles before each report it takes; a reply cut off is drained before the next request.
        QCOMPARE(h.sleeps.waits().count(record ? 100 : 20), consumed);
        QCOMPARE(h.bus.unit(A).pendingReports(), expected == 0 ? announced.size() - consumed : 0);
        const int bytes = std::accumulate(announced.begin(), announced.begin() + consumed, 0,
                                          [](int sum, int length) { return sum + qMin(length, 56); }); // carried
        if (record) // a 55-byte reply still fills the last parameter: its high byte is the report's next byte
            QCOMPARE(entries, QVector<int>(16, 0x11) + QVector<int>(20, 0x1111));
        else
            QCOMPARE(name, QString(bytes, QChar(' ')));
    }

    // A new name is padded or cut to 16 bytes; the parameters stay.
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("onUnit");
        QTest::addColumn<QList<int>>("handed"); // storage, base, offset, entry 0 of the record handed over
        QTest::newRow("shorter: padded") << "Short" << 7 << QByteArray("Short           ") << QList<int>{0, 1, 6, 'S'};
        QTest::newRow("longer: cut") << "A Name Far Too Long" << 100 << QByteArray("A Name Far Too L")
                                     << QList<int>{0, 1, 99, 'A'};
        QTest::newRow("beyond Latin-1") << QString(QChar(0x100)) + "x" << 150 << QByteArray("\0x              ", 16)
                                        << QList<int>{1, 101, 49, 0};
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(QByteArray, onUnit);
        QFETCH(QList<int>, handed);
        LinkHarness h;
        const QByteArray before = h.bus.unit(A).recordBytes(number);
        QCOMPARE(h.open(), 0);
        QCOMPARE(h.link.SendPresetNameToHardware(name, number, nullptr, &recordPreset), 0);
        QCOMPARE(h.bus.unit(A).recordBytes(number), onUnit + before.mid(16));
        QCOMPARE(g_handed.size(), 1);
        QCOMPARE((QList<int>{g_handed[0].storage, g_handed[0].base, g_handed[0].offset, g_handed[0].record.at(0)}),
                 handed);
    }

    // System parameters: eight unsequenced pages, 3 then 4s, read as one text of values.
    void sysParams()
    {
        LinkHarness h;
        h.bus.modifyUnit(A, [](VirtualUnit& u) {
            u.setSysParams(QVector<int>{1, 2, 3, 0xFFFF} + QVector<int>(196, 0));
        });
        QCOMPARE(h.open(), 0);
        QByteArray text;
        QCOMPARE(h.link.GetSysParams(text), 0);
        QCOMPARE(text, QByteArray("1\n2\n3\n65535\n") + QByteArray("0\n").repeated(196));
        QCOMPARE(h.payloads(18), QByteArray("\x03\x04\x04\x04\x04\x04\x04\x04"));
        for (const TrafficEntry& e : h.sent())
            QCOMPARE(sequenceOf(e), 0);
        // Writing: eight pages headed 5, 6, 6, ... and the count of value bytes.
        h.bus.clearTraffic(A);
        QCOMPARE(h.link.SendSysParams(QByteArray("65535\n7\n-2\n") + QByteArray("9\n").repeated(27)), 0);
        QByteArray heads;
        for (const TrafficEntry& e : h.sent())
            heads += payloadOf(e).left(2);
        QCOMPARE(heads, QByteArray("\x05\x32\x06\x32\x06\x32\x06\x32\x06\x32\x06\x32\x06\x32\x06\x32"));
        QCOMPARE(h.bus.unit(A).sysParams(),
                 (QVector<int>{65535, 7, 65534} + QVector<int>(27, 9) + QVector<int>(170, 0)));
        h.bus.setFault(A, FaultKind::NoSysParams); // 14 on reading, the plain reply check's 6 on writing
        QCOMPARE(h.link.GetSysParams(text), 14);
        QCOMPARE(h.link.SendSysParams(text), 6);
    }

    void firmware_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("image"); // image bytes taken from the file
        QTest::addColumn<int>("checksum");
        QTest::addColumn<int>("progressCalls");
        QByteArray hundred;
        for (int i = 0; i < 100; ++i)
            hundred.append(static_cast<char>(1 << (i % 8)));
        QTest::newRow("100 bytes: 112") << ".bin" << hundred << hundred << 0x0F << 3;
        QTest::newRow("ldr lines") << ".ldr" << QByteArray("0x3F\n0xZZ\n\n0x1234\nab12\r\n0x7")
                                   << QByteArray("\x3F\0\0\x34\x12\x07", 6) << (0x3F ^ 0x34 ^ 0x12 ^ 0x07) << 2;
    }
    void firmware()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, image);
        QFETCH(int, checksum);
        QFETCH(int, progressCalls);
        const bool dsp = suffix == QLatin1String(".ldr");
        const int chunk = dsp ? 54 : 56;
        QTemporaryDir dir;
        const QString path = dir.filePath("image") + suffix;
        QVERIFY(writeFile(path, file));
        LinkHarness h;
        QCOMPARE(h.open(), 0);
        g_stopAfter = 0; // "stop" is ignored: a started image always goes out whole
        QCOMPARE(dsp ? h.link.UpdateDSPFW(path, &recordProgress) : h.link.UpdateMicroFW(path, &recordProgress), 0);
        const QByteArray padded = image + QByteArray((chunk - image.size() % chunk) % chunk, '\0');
        const TrafficEntry last = h.sent().last();
        QCOMPARE(h.commands(A, dsp ? 2 : 4), repeated(chunk, padded.size() / chunk));
        QCOMPARE(h.payloads(dsp ? 2 : 4), padded);
        QCOMPARE(
            (QList<int>{commandOf(last), lengthOf(last), static_cast<unsigned char>(last.bytes[9]), sequenceOf(last)}),
            (QList<int>{dsp ? 3 : 5, 0, checksum, sequenceOf(h.sent().at(h.sent().size() - 2))}));
        QVERIFY((dsp ? h.bus.unit(A).dspImage() : h.bus.unit(A).microImage()).verified);
        QCOMPARE(g_progress.size(), progressCalls);
        QCOMPARE(g_progress.first(), qMakePair(padded.size(), chunk));
        QCOMPARE(g_progress.last(), qMakePair(padded.size(), padded.size()));
    }

    // The one table of settle times: what each operation waits, in order, with the unit answering.
    // Every kind of request the link sends, as bytes on the wire: report ID, magic, command and length (the
    // sequence is checked elsewhere), then the payload's first two bytes; the first and the last report of each run.
    void requests_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("last");
        const QByteArray select8 = "00db0306000400|0800", select3 = "00db0306000400|0300",
                         list1 = "00db030b000400|0100";
        QTest::newRow("identity") << "identity" << QByteArray("00db030a000000|") << QByteArray("00db030a000000|");
        QTest::newRow("read record") << "read record" << select8 << QByteArray("00db0308000000|");
        QTest::newRow("write record") << "write record" << select8 << QByteArray("00db0307000000|");
        QTest::newRow("read name") << "read name" << select3 << QByteArray("00db030e000000|");
        QTest::newRow("read set list") << "read set list" << list1 << QByteArray("00db030c000000|");
        QTest::newRow("write set list") << "write set list" << list1 << QByteArray("00db030d001400|0000");
        QTest::newRow("system parameters")
            << "system parameters" << QByteArray("00db0312000100|03") << QByteArray("00db0312000100|04");
        QTest::newRow("back up") << "back up" << QByteArray("00db0306000400|0100") << QByteArray("00db0312000100|04");
        QTest::newRow("restore") << "restore" << QByteArray("00db0310000000|") << QByteArray("00db0312003400|0632");
        QTest::newRow("factory presets") << "factory presets" << QByteArray("00db0310000000|")
                                         << QByteArray("00db0311000000|");
        QTest::newRow("micro image") << "micro image" << QByteArray("00db0304003800|5a5a")
                                     << QByteArray("00db0305000000|");
        QTest::newRow("dsp image") << "dsp image" << QByteArray("00db0302003600|5a5a") << QByteArray("00db0303000000|");
    }
    void requests()
    {
        QFETCH(QString, action);
        QTemporaryDir dir;
        LinkHarness h;
        prepare(h, dir.path());
        QCOMPARE(act(h, action, dir.path()), 0);
        const auto wire = [](const TrafficEntry& e) {
            return QByteArray(e.bytes.left(7).toHex() + '|' + e.bytes.mid(9, std::min(lengthOf(e), 2)).toHex());
        };
        QTEST(wire(h.sent().constFirst()), "first");
        QTEST(wire(h.sent().constLast()), "last");
    }

    void settleTimes_data()
    {
        QTest::addColumn<QList<int>>("waits");
        QTest::newRow("identity") << QList<int>{300};
        QTest::newRow("read record") << repeated(100, 5);
        QTest::newRow("write record") << QList<int>{3000};
        QTest::newRow("write record, fast") << QList<int>{300};
        QTest::newRow("read name") << QList<int>{20};
        QTest::newRow("rename") << (repeated(100, 5) << 3000);
        QTest::newRow("read set list") << QList<int>{300};
        QTest::newRow("write set list") << QList<int>{3000};
        QTest::newRow("system parameters") << repeated(300, 8);
        QTest::newRow("copies in bulk") << (repeated(100, 10) << 100 << 300 << 300 << 3000);
        QTest::newRow("back up") << repeated(100, 500) + repeated(300, 5) + repeated(300, 8);
        QTest::newRow("restore") << QList<int>{100} + repeated(300, 100) + QList<int>{3000} + repeated(3000, 5) +
                                        repeated(300, 8) + QList<int>{5000};
        QTest::newRow("factory presets") << QList<int>{100} + repeated(300, 100) + QList<int>{3000};
        QTest::newRow("preset files, bracketed") << QList<int>{100, 300, 300, 3000};
        QTest::newRow("preset files, one by one") << QList<int>{3000, 3000};
        QTest::newRow("micro image") << QList<int>();
    }
    void settleTimes()
    {
        QFETCH(QList<int>, waits);
        QTemporaryDir dir;
        LinkHarness h;
        prepare(h, dir.path());
        QCOMPARE(act(h, QTest::currentDataTag(), dir.path()), 0);
        QCOMPARE(h.sleeps.waits(), waits);
    }

    // A unit that fails in the middle: the result, nothing closed that was not finished, no loop of settle
    // times, no half file, and the records it had kept.
    void faults_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<FaultKind>("fault");
        QTest::addColumn<int>("count"); // reports the unit still takes
        QTest::addColumn<int>("expected");
        const FaultKind silent = FaultKind::Silent, vanish = FaultKind::Vanish, refuse = FaultKind::WriteFailure;
        QTest::newRow("record, silent") << "read record" << silent << 0 << 4;
        QTest::newRow("record, foreign") << "read record" << FaultKind::ForeignReply << 0 << 7;
        QTest::newRow("record, bad magic") << "read record" << FaultKind::BadMagic << 0 << 6;
        QTest::newRow("write, fails mid-record") << "write record" << refuse << 3 << 5;
        QTest::newRow("write, vanish mid-record") << "write record" << vanish << 3 << 5;
        QTest::newRow("system parameters, silent") << "system parameters" << silent << 0 << 14;
        QTest::newRow("system parameters, vanish on page 2") << "system parameters" << vanish << 3 << 4;
        QTest::newRow("micro, fails at chunk 4") << "micro image" << refuse << 4 << 5;
        QTest::newRow("dsp, vanish at chunk 10") << "dsp image" << vanish << 10 << 5;
        QTest::newRow("back up, vanish at preset 21") << "back up" << vanish << 41 << 4;
        QTest::newRow("restore, vanish in record 30") << "restore" << vanish << 1 + 29 * 7 + 4 << 5;
    }
    void faults()
    {
        QFETCH(QString, action);
        QFETCH(FaultKind, fault);
        QFETCH(int, count);
        QFETCH(int, expected);
        QTemporaryDir dir;
        LinkHarness h;
        prepare(h, dir.path());
        const VirtualUnit before = h.bus.unit(A);
        h.bus.setFault(A, fault, count);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(act(h, action, dir.path()), expected);
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(h.sleeps.total() <= 50000); // the settle times up to the fault, not a loop
        QVERIFY(!QFile::exists(dir.filePath("b.tarb")));
        if (fault == FaultKind::Vanish || fault == FaultKind::WriteFailure) {
            QCOMPARE(h.commands().size(), count); // exactly the reports before the fault
            QVERIFY(!h.commands().contains(17) && !h.commands().contains(3) && !h.commands().contains(5));
            if (!h.commands().isEmpty() && h.commands().last() == 7)
                QVERIFY(lengthOf(h.sent().last()) != 0); // no closing report went out
        }
        h.bus.setFault(A, FaultKind::None);
        if (h.bus.isPlugged(A))
            QCOMPARE(h.bus.unit(A).recordBytes(8), before.recordBytes(8));
    }

    // A write that fails once inside a bulk bracket: the unit is still told to leave bulk mode, and answers again.
    void bulkEndsAfterAFailedWrite()
    {
        LinkHarness h;
        QCOMPARE(h.open(), 0);
        HidApi api = h.bus.api();
        g_pBusApi = &h.bus.api();
        api.write = &failOnce;
        HidSeam::setApi(&api);
        g_failingWrite = 7; // two reads of two reports, the bracket, the first select and chunk: the next fails
        QCOMPARE(h.link.LoadPresets({3, 4}, {110, 1}, nullptr, true), 5);
        HidSeam::setApi(&h.bus.api());
        QCOMPARE(h.commands(), (QList<int>{6, 8, 6, 8, 16, 6, 7, 17}));
        QVector<int> record(136);
        QCOMPARE(h.link.GetPresetDataFromHardware(record.data(), 3, 16, 120), 0);
    }
};

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
