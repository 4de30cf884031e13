// Transfers on the link: preset records and names, set lists, system parameters, firmware, and the faults a
// unit can show in the middle of them. Bytes are checked as the unit's traffic log saw them.

#include "LinkHarness.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
UnitIdentity sized(int nameLength, int paramCount)
{
    UnitIdentity identity;
    identity.nameLength = nameLength;
    identity.paramCount = paramCount;
    return identity;
}

QByteArray payloads(const QVector<TrafficEntry>& entries, int command)
{
    QByteArray out;
    for (const TrafficEntry& e : entries)
        if (e.command == command)
            out += e.payload();
    return out;
}

enum class Op
{
    ReadRecord,
    WriteRecord,
    SysParams,
    Firmware
};
} // namespace

class TestTransfers : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetCallbacks(); }
    void records_data();
    void records();
    void rename_data();
    void rename();
    void namesAndCopies();
    void setLists();
    void sysParams();
    void firmware_data();
    void firmware();
    void faults_data();
    void faults();
    void absurdIdentity();
};

void TestTransfers::records_data()
{
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<int>("paramCount");
    QTest::addColumn<bool>("fast");
    QTest::addColumn<int>("reports");       // reports of the read reply
    QTest::addColumn<QList<int>>("chunks"); // lengths of the written reports, the closing one last
    QTest::newRow("256 bytes, bulk write") << 16 << 120 << true << 5 << QList<int>{56, 56, 56, 56, 32, 0};
    QTest::newRow("exactly 56 bytes") << 16 << 20 << false << 2 << QList<int>{56, 0};
    QTest::newRow("empty record") << 0 << 0 << false << 1 << QList<int>{0};
}

void TestTransfers::records()
{
    QFETCH(int, nameLength);
    QFETCH(int, paramCount);
    QFETCH(bool, fast);
    QFETCH(int, reports);
    QFETCH(QList<int>, chunks);
    LinkHarness h(sized(nameLength, paramCount));
    QVector<int> stored = h.bus.record(A, 103);
    if (paramCount > 0) {
        stored[nameLength] = -1; // 0xFFFF on the wire
        stored[nameLength + 1] = -32768;
    }
    QVERIFY(h.bus.setRecord(A, 103, stored));
    QCOMPARE(h.open(), Success);
    QVector<int> record(nameLength + paramCount, 7777);
    QCOMPARE(h.link.GetPresetDataFromHardware(record.data(), 103, nameLength, paramCount), Success);
    QCOMPARE(record, stored);
    QCOMPARE(h.commands(), (QList<int>{6, 8}));
    QCOMPARE(h.sent()[0].payload(), QByteArray("\x67\0\0\0", 4));
    QCOMPARE(h.sleeps.waits(), repeated(100, reports));

    h.bus.clearTraffic(A);
    h.sleeps.clear();
    QCOMPARE(h.link.SendPresetDataToHardware(4, record.data(), nameLength, paramCount, fast), Success);
    QCOMPARE(h.commands(A, 7), chunks);
    const QByteArray wire = payloads(h.sent(), 7);
    int checksum = 0;
    for (char c : wire)
        checksum ^= static_cast<unsigned char>(c);
    QCOMPARE(static_cast<unsigned char>(h.sent().last().bytes.at(9)), static_cast<unsigned char>(checksum));
    QCOMPARE(wire, h.bus.unit(A).recordBytes(4));
    QCOMPARE(wire.mid(nameLength, 2), QByteArray(paramCount > 0 ? "\xFF\xFF" : ""));
    QCOMPARE(h.bus.record(A, 4), stored);
    QCOMPARE(h.sleeps.waits(), QList<int>{fast ? 300 : 3000});
}

void TestTransfers::rename_data()
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

void TestTransfers::rename()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QByteArray, onUnit);
    QFETCH(QList<int>, handed);
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    const QByteArray before = h.bus.unit(A).recordBytes(number);
    QCOMPARE(h.link.SendPresetNameToHardware(name, number, nullptr, &recordPreset), Success);
    QCOMPARE(h.bus.unit(A).recordBytes(number), onUnit + before.mid(16)); // parameters untouched
    QCOMPARE(g_handed.size(), 1);
    QCOMPARE((QList<int>{g_handed[0].storage, g_handed[0].base, g_handed[0].offset, g_handed[0].record.at(0)}), handed);
    QCOMPARE(h.sleeps.waits(), repeated(100, 5) << 3000);
}

void TestTransfers::namesAndCopies()
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
    QCOMPARE(h.sleeps.waits(), QList<int>{20});

    // Copies in bulk: every source is read before the unit goes into bulk mode; the extra number is ignored.
    const VirtualUnit before = h.bus.unit(A);
    h.bus.clearTraffic(A);
    h.sleeps.clear();
    QCOMPARE(h.link.LoadPresets(QList<int>{3, 104, 99}, QList<int>{110, 1}, &recordPreset, true), Success);
    QCOMPARE(h.bus.record(A, 3), before.record(110));
    QCOMPARE(h.bus.record(A, 104), before.record(1));
    QCOMPARE(h.bus.record(A, 99), before.record(99));
    QCOMPARE(h.commands().mid(0, 5), (QList<int>{6, 8, 6, 8, 16}));
    QCOMPARE(h.commands().last(), 17);
    QCOMPARE(h.sleeps.waits(), repeated(100, 11) << 300 << 300 << 3000);
    QCOMPARE(g_handed.size(), 2);
    QCOMPARE((QList<int>{g_handed[1].storage, g_handed[1].base, g_handed[1].offset}), (QList<int>{1, 101, 3}));
}

void TestTransfers::setLists()
{
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    int out[20];
    std::fill(out, out + 20, -7);
    QCOMPARE(h.link.GetSetListData(2, out), Success);
    QCOMPARE(QVector<int>(out, out + 20), h.bus.setList(A, 2));
    QCOMPARE(h.sent()[0].payload(), QByteArray("\x02\0\0\0", 4));
    QCOMPARE(h.sleeps.waits(), QList<int>{300});
    h.bus.clearTraffic(A);
    h.sleeps.clear();
    const unsigned char list[20] = {101, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100};
    QCOMPARE(h.link.SetSetListData(4, list), Success);
    QCOMPARE(h.commands(), (QList<int>{11, 13}));
    QCOMPARE(h.sent()[1].payload(), QByteArray(reinterpret_cast<const char*>(list), 20));
    QCOMPARE(h.bus.setList(A, 4), QVector<int>(list, list + 20));
    QCOMPARE(h.sleeps.waits(), QList<int>{3000});
}

void TestTransfers::sysParams()
{
    LinkHarness h;
    h.bus.modifyUnit(A, [](VirtualUnit& u) { u.setSysParams(QVector<int>{1, 2, 3, 0xFFFF} + u.sysParams().mid(4)); });
    QCOMPARE(h.open(), Success);
    QByteArray text;
    QCOMPARE(h.link.GetSysParams(text), Success);
    QByteArray expected;
    for (int v : h.bus.unit(A).sysParams())
        expected += QByteArray::number(v) + '\n';
    QCOMPARE(text, expected);
    QVERIFY(text.startsWith("1\n2\n3\n65535\n"));
    QCOMPARE(payloads(h.sent(), 18), QByteArray("\x03\x04\x04\x04\x04\x04\x04\x04"));
    for (const TrafficEntry& e : h.sent())
        QCOMPARE(e.sequence, 0);
    QCOMPARE(h.sleeps.waits(), repeated(300, 8));
    // Writing: eight pages headed 5, 6, 6, ... and the count of value bytes; text that starts without a number
    // sends pages of none.
    for (const int count : {0, 50}) {
        h.bus.clearTraffic(A);
        h.sleeps.clear();
        const QByteArray values = QByteArray("65535\n7\n-2\n") + QByteArray("9\n").repeated(27);
        QCOMPARE(h.link.SendSysParams(count ? values : QByteArray("x\n1\n")), Success);
        QByteArray heads, expectedHeads;
        for (const TrafficEntry& e : h.sent()) {
            heads += e.payload().left(2);
            expectedHeads.append(char(expectedHeads.isEmpty() ? 5 : 6)).append(char(count));
            QCOMPARE(e.length, 2 + count);
        }
        QCOMPARE(heads.toHex(' '), expectedHeads.toHex(' '));
        QCOMPARE(expectedHeads.size(), 16);
        QCOMPARE(h.sleeps.waits(), repeated(300, 8));
    }
    QCOMPARE(h.bus.unit(A).sysParams(), (QVector<int>{65535, 7, 65534} + QVector<int>(27, 9) + QVector<int>(170, 0)));
    // A unit without system parameters: 14 on reading, the plain reply check's 6 on writing.
    h.bus.setFault(A, FaultKind::NoSysParams);
    QCOMPARE(h.link.GetSysParams(text), NoSysParams);
    QCOMPARE(h.link.SendSysParams(expected), BadMagic);
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
        hundred.append(static_cast<char>(1 << (i % 8)));
    QTest::newRow("100 bytes: 112") << ".bin" << hundred << hundred << 0x0F << 3;
    QTest::newRow("250 chunks: step 2") << ".bin" << QByteArray(250 * 56, 1) << QByteArray(250 * 56, 1) << 0 << 126;
    QTest::newRow("ldr lines") << ".ldr" << QByteArray("0x3F\n0xZZ\n\n0x1234\nab12\r\n0x7")
                               << QByteArray("\x3F\0\0\x34\x12\x07", 6) << (0x3F ^ 0x34 ^ 0x12 ^ 0x07) << 2;
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
    const QString path = dir.filePath("image") + suffix;
    QVERIFY(writeFile(path, file));
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    g_stopAfter = 0; // "stop" is ignored: a started image always goes out whole
    QCOMPARE(dsp ? h.link.UpdateDSPFW(path, &recordProgress) : h.link.UpdateMicroFW(path, &recordProgress), Success);

    const QByteArray padded = image + QByteArray((chunk - image.size() % chunk) % chunk, '\0');
    const QVector<TrafficEntry> sent = h.sent();
    QCOMPARE(h.commands(A, dsp ? 2 : 4), repeated(chunk, padded.size() / chunk));
    QCOMPARE(payloads(sent, dsp ? 2 : 4), padded);
    QCOMPARE((QList<int>{sent.last().command, sent.last().length, static_cast<unsigned char>(sent.last().bytes[9])}),
             (QList<int>{dsp ? 3 : 5, 0, checksum}));
    QCOMPARE(sent.last().sequence, sent.at(sent.size() - 2).sequence);
    const FirmwareImage received = dsp ? h.bus.unit(A).dspImage() : h.bus.unit(A).microImage();
    QVERIFY(received.verified);
    QCOMPARE(received.data, padded);
    QCOMPARE(g_progress.size(), progressCalls);
    QCOMPARE(g_progress.first(), qMakePair(padded.size(), chunk));
    QCOMPARE(g_progress.last(), qMakePair(padded.size(), padded.size()));
    QVERIFY(h.sleeps.waits().isEmpty());
}

void TestTransfers::faults_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    const int silent = int(FaultKind::Silent), foreign = int(FaultKind::ForeignReply), vanish = int(FaultKind::Vanish);
    QTest::newRow("record, silent") << int(Op::ReadRecord) << silent << 0 << ReadFailed;
    QTest::newRow("record, foreign") << int(Op::ReadRecord) << foreign << 0 << WrongReply;
    QTest::newRow("record, bad magic") << int(Op::ReadRecord) << int(FaultKind::BadMagic) << 0 << BadMagic;
    QTest::newRow("write, fails mid-record")
        << int(Op::WriteRecord) << int(FaultKind::WriteFailure) << 3 << WriteFailed;
    QTest::newRow("write, vanish mid-record") << int(Op::WriteRecord) << vanish << 3 << WriteFailed;
    QTest::newRow("system parameters, silent") << int(Op::SysParams) << silent << 0 << NoSysParams;
    QTest::newRow("system parameters, vanish on page 2") << int(Op::SysParams) << vanish << 3 << ReadFailed;
    QTest::newRow("firmware, fails at chunk 4")
        << int(Op::Firmware) << int(FaultKind::WriteFailure) << 4 << WriteFailed;
}

void TestTransfers::faults()
{
    QFETCH(int, op);
    QFETCH(int, fault);
    QFETCH(int, count);
    QFETCH(int, expected);
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    const QByteArray before = h.bus.unit(A).recordBytes(8);
    h.bus.setFault(A, FaultKind(fault), count);
    QVector<int> record = h.bus.record(A, 20);
    QByteArray text;
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("micro.bin"), QByteArray(560, '\x5A')));
    const int result = Op(op) == Op::ReadRecord    ? h.link.GetPresetDataFromHardware(record.data(), 8, 16, 120)
                       : Op(op) == Op::WriteRecord ? h.link.SendPresetDataToHardware(8, record.data(), 16, 120, false)
                       : Op(op) == Op::SysParams   ? h.link.GetSysParams(text)
                                                   : h.link.UpdateMicroFW(dir.filePath("micro.bin"), nullptr);
    QCOMPARE(result, expected);
    if (Op(op) == Op::WriteRecord || Op(op) == Op::Firmware)
        QVERIFY(h.sent().last().length != 0); // no closing report went out
    if (Op(op) == Op::Firmware) {
        QCOMPARE(h.commands(), repeated(4, 4)); // chunks 0 to 3 went out, chunk 4 failed
        QVERIFY(!h.bus.unit(A).microImage().received);
    }
    QVERIFY(h.sleeps.total() <= 3000); // one settle, not a loop
    h.bus.setFault(A, FaultKind::None);
    if (h.bus.isPlugged(A))
        QCOMPARE(h.bus.unit(A).recordBytes(8), before);
}

void TestTransfers::absurdIdentity()
{
    // A unit that claims 0xFFFF name characters, parameters and presets: banks are refused before anything is
    // sent; a single name is still read within what the claim allows, and its reply loop ends.
    LinkHarness h;
    QCOMPARE(h.open(), Success);
    h.bus.overrideNextReply(A, {QByteArray("\xDB\x03\x09\0\x0D\0\0\0\x21\0\x03\0\xFF\xFF\xFF\xFF\xFF\xFF", 18)});
    QCOMPARE(h.link.GetDeviceInfo(), Success);
    QCOMPARE(g_deviceInfo.presetCount.load(), 0xFFFF);
    h.bus.clearTraffic(A);
    int base = 0, presets = 0, n = 0, p = 0, code = 0, version = 0;
    QStringList names;
    QTemporaryDir dir;
    QCOMPARE(h.link.GetAllPresetNames(0, base, presets, names, nullptr, nullptr), NoRecord);
    QCOMPARE(h.link.GetAllPresets(1, base, presets, nullptr, n, p, code, version, nullptr, nullptr), NoRecord);
    QCOMPARE(h.link.BackUpPresets(0, dir.filePath("b.tarb"), nullptr), NoRecord);
    QVERIFY(h.sent().isEmpty() && !QFile::exists(dir.filePath("b.tarb")));
    QString name;
    QCOMPARE(h.link.GetPresetNameFromHardware(name, 1), Success);
    QCOMPARE(name.size(), 16);
}

QTEST_GUILESS_MAIN(TestTransfers)
#include "tst_transfers.moc"
