// Presets between files and the unit: preset files, backups, restores, the factory preset file, and what a
// unit that goes away in the middle leaves behind.

#include "SerialPatchCollection.h"
#include "support/LinkHarness.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// Gives a unit content of its own: other records, set lists and system parameters than a fresh unit.
void scramble(LinkHarness& h, const QString& name)
{
    h.bus.modifyUnit(name, [](VirtualUnit& u) {
        for (int n = 1; n <= 100; ++n) {
            QVector<int> r = u.record(n);
            for (int i = 0; i < r.size(); ++i)
                r[i] = i < 16 ? 'a' + (n + i) % 26 : (n * 31 + i * 7) % 2000 - 1000;
            u.setRecord(n, r);
        }
        for (int j = 0; j < 5; ++j)
            u.setSetList(j, QVector<int>(20, 90 - j));
        u.setSysParams(QVector<int>(200, 4242));
    });
}

int writePresetFile(const QString& path, const QVector<int>& record, int productCode = 0x21)
{
    const SpcPatchFile file = {productCode, 3, 16, int(record.size()) - 16, record.constData()};
    return SpcWritePatch(path.toLocal8Bit().constData(), 1, file);
}

int writeCollection(const QString& path, const QVector<int>& presets, int count, int paramCount,
                    const QByteArray& sysParams = QByteArray())
{
    const SpcCollectionFile c = {0x21,
                                 3,
                                 16,
                                 paramCount,
                                 count,
                                 presets.constData(),
                                 int(presets.size()),
                                 nullptr,
                                 0,
                                 sysParams.constData(),
                                 int(sysParams.size())};
    return SpcWriteCollection(path.toLocal8Bit().constData(), 1, c);
}

QVector<int> bank(const VirtualUnit& u, int base)
{
    QVector<int> out;
    for (int n = base; n < base + 100; ++n)
        out += u.record(n);
    return out;
}
} // namespace

class TestFileOps : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetCallbacks(); }
    void loadPresetFiles_data();
    void loadPresetFiles();
    void backUpAndRestore();
    void restoreWithoutSetLists();
    void backUpOptions();
    void factoryPresets();
    void restoreKeepsWhatWasWritten();
};

void TestFileOps::loadPresetFiles_data()
{
    QTest::addColumn<QStringList>("files"); // "" a good preset file, else missing / foreign / garbage
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("mode"); // 0 LoadPreset (first pair), 1 LoadPresets, 2 bracketed LoadPresets
    QTest::addColumn<int>("expected");
    QTest::newRow("one, user 100") << QStringList{""} << QList<int>{100} << 0 << 0;
    QTest::newRow("one, missing") << QStringList{"missing"} << QList<int>{1} << 0 << 13;
    QTest::newRow("one, other model") << QStringList{"foreign"} << QList<int>{1} << 0 << 12;
    QTest::newRow("one, other parameter count") << QStringList{"params"} << QList<int>{1} << 0 << 12;
    QTest::newRow("one, not a preset file") << QStringList{"garbage"} << QList<int>{1} << 0 << 4;
    QTest::newRow("three numbers, two files") << QStringList{"", ""} << QList<int>{4, 150, 6} << 1 << 0;
    QTest::newRow("bracketed") << QStringList{"", "", ""} << QList<int>{4, 5, 150} << 2 << 0;
    QTest::newRow("other model second") << QStringList{"", "foreign"} << QList<int>{1, 2} << 2 << 12;
    QTest::newRow("corrupt header") << QStringList{"", "garbage"} << QList<int>{1, 2} << 1 << 11;
}

void TestFileOps::loadPresetFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QList<int>, numbers);
    QFETCH(int, mode);
    QFETCH(int, expected);
    QTemporaryDir dir;
    LinkHarness h;
    QCOMPARE(h.open(), 0);
    const VirtualUnit before = h.bus.unit(A);
    QStringList paths;
    for (int i = 0; i < files.size(); ++i) {
        paths.append(dir.filePath(QStringLiteral("p%1.tarp").arg(i)));
        if (files[i].isEmpty()) // saved from the unit: preset 120 + i
            QCOMPARE(h.link.SavePresetFromHardware(120 + i, paths[i]), 0);
        else if (files[i] == QLatin1String("foreign"))
            QCOMPARE(writePresetFile(paths[i], before.record(1), 0x42), 0);
        else if (files[i] == QLatin1String("params")) // the model's codes, one parameter short
            QCOMPARE(writePresetFile(paths[i], before.record(1).mid(0, 135)), 0);
        else if (files[i] == QLatin1String("garbage"))
            QVERIFY(writeFile(paths[i], QByteArray(300, 'z')));
    }
    if (!paths.isEmpty() && files[0].isEmpty())
        QCOMPARE(QFileInfo(paths[0]).size(), 56 + (16 + 120) * 4);
    h.bus.clearTraffic(A);
    h.sleeps.clear();

    const int result = mode == 0 ? h.link.LoadPreset(numbers[0], paths[0], &recordPreset)
                                 : h.link.LoadPresets(numbers, paths, &recordPreset, mode == 2);
    QCOMPARE(result, expected);
    if (expected != 0) { // every file is checked before the first write
        QVERIFY(h.sent().isEmpty() && g_handed.isEmpty());
        return;
    }
    const int pairs = std::min(files.size(), numbers.size());
    QCOMPARE(g_handed.size(), pairs);
    for (int i = 0; i < pairs; ++i) {
        QCOMPARE(h.bus.unit(A).recordBytes(numbers[i]), before.recordBytes(120 + i));
        const bool factory = numbers[i] > 100;
        QCOMPARE((QList<int>{g_handed[i].storage, g_handed[i].base, g_handed[i].offset}),
                 (QList<int>{factory, factory ? 101 : 1, numbers[i] - (factory ? 101 : 1)}));
        QCOMPARE(g_handed[i].record, before.record(120 + i));
    }
    QCOMPARE(h.commands().contains(16) && h.commands().contains(17), mode == 2);
}

void TestFileOps::backUpAndRestore()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("unit.tarb");
    LinkHarness h;
    h.bus.plug(B);
    scramble(h, B);
    const QVector<int> bFactory = bank(h.bus.unit(B), 101);
    QCOMPARE(h.open(), 0);
    QCOMPARE(h.link.BackUpPresets(0, file, &recordProgress), 0);
    QFile written(file); // the header: 100 records of 16 + 120 entries, then the system-parameter marker
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(72).toHex(' '),
             QByteArray("33 64 42 20 b0 d4 00 00 73 70 63 20 30 30 30 31 66 6d 74 20 18 00 00 "
                        "00 38 00 00 00 21 00 00 00 03 00 00 00 10 00 00 00 78 00 00 00 64 "
                        "00 00 00 64 61 74 61 80 d4 00 00 73 79 73 70 61 72 61 6d 70 72 65 "
                        "73 65 6e 74 20"));
    QList<QPair<int, int>> progress;
    for (int i = 1; i <= 100; ++i)
        progress.append({106, i});
    for (int j = 0; j < 5; ++j)
        progress.append({106, 100 + j});
    progress.append({106, 106});
    QCOMPARE(g_progress, progress);

    resetCallbacks();
    QCOMPARE(h.open(B), 0);
    QCOMPARE(h.link.RestorePresets(file, &recordProgress, &recordPreset), 0);
    const VirtualUnit a = h.bus.unit(A), b = h.bus.unit(B);
    QCOMPARE(bank(b, 1), bank(a, 1));
    QCOMPARE(bank(b, 101), bFactory);
    for (int j = 0; j < 5; ++j)
        QCOMPARE(b.setList(j), a.setList(j));
    QCOMPARE(b.sysParams(), a.sysParams());
    QCOMPARE(b.errors().checksum + b.errors().sequence + b.errors().rejected, 0);
    QCOMPARE(g_progress.size(), 105);
    QCOMPARE(g_progress.last(), qMakePair(106, 105));
    QVERIFY(g_handed.isEmpty()); // the window reads the unit again instead
}

void TestFileOps::restoreWithoutSetLists()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("old.tarb");
    LinkHarness h;
    QByteArray text;
    QVector<int> values;
    for (int i = 0; i < 200; ++i) {
        values.append(i * 3);
        text += QByteArray::number(i * 3) + '\n';
    }
    const QVector<int> presets = bank(h.bus.unit(A), 1);
    QCOMPARE(writeCollection(file, presets, 100, 120, text), 0);
    h.bus.plug(B);
    scramble(h, B);
    const VirtualUnit before = h.bus.unit(B);
    QCOMPARE(h.open(B), 0);
    QCOMPARE(h.link.RestorePresets(file, nullptr, nullptr), 0);
    const VirtualUnit b = h.bus.unit(B);
    QCOMPARE(bank(b, 1), presets);
    QCOMPARE(b.setList(3), before.setList(3));
    QCOMPARE(b.sysParams(), values);
    QVERIFY(!h.commands(B).contains(13));
}

void TestFileOps::backUpOptions()
{
    QTemporaryDir dir;
    LinkHarness h;
    QCOMPARE(h.open(), 0);
    g_stopAfter = 100; // the first set list
    QCOMPARE(h.link.BackUpPresets(0, dir.filePath("stopped.tarb"), &recordProgress), 16);
    QVERIFY(!QFile::exists(dir.filePath("stopped.tarb")));
    QCOMPARE(g_progress.last(), qMakePair(106, 100));
    // A unit without system parameters still gives a backup.
    h.bus.setFault(A, FaultKind::NoSysParams);
    const QString file = dir.filePath("nosys.tarb");
    QCOMPARE(h.link.BackUpPresets(0, file, nullptr), 0);
    // A backup of the other model, or none at all, is refused before anything is sent.
    h.bus.plug(B, UnitModel::Cadenzo);
    QCOMPARE(h.open(B), 0);
    QCOMPARE(h.link.RestorePresets(file, nullptr, nullptr), 12);
    QCOMPARE(h.link.RestorePresets(dir.filePath("none.tarb"), nullptr, nullptr), 13);
    QVERIFY(h.sent(B).isEmpty());
}

void TestFileOps::factoryPresets()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("FactoryPresets.dat");
    LinkHarness h;
    h.bus.plug(B);
    h.bus.modifyUnit(B, [](VirtualUnit& u) {
        u.setRecord(101, u.record(1));
        u.setRecord(200, u.record(2));
    });
    QCOMPARE(h.open(), 0);
    QCOMPARE(h.link.BackUpPresets(1, file, nullptr), 0);
    QCOMPARE(QFileInfo(file).size(), 56 + 100 * 136 * 4); // no set lists, no parameters

    h.link.setFactoryPresetFolder(dir.path());
    QVector<int> record(136, -5);
    QCOMPARE(h.link.GetPresetDataFromFileSystem(record.data(), 105, 16, 120), 0);
    QCOMPARE(record, h.bus.record(A, 105));
    record.fill(-5);
    QCOMPARE(h.link.GetPresetDataFromFileSystem(record.data(), 100, 16, 120), 10);
    QCOMPARE(h.link.GetPresetDataFromFileSystem(record.data(), 201, 16, 120), 10);
    QCOMPARE(record, QVector<int>(136, -5));

    QCOMPARE(h.open(B), 0);
    QCOMPARE(h.link.RestoreFactoryPresets(file, &recordProgress), 0);
    QCOMPARE(bank(h.bus.unit(B), 101), bank(h.bus.unit(A), 101));
    QCOMPARE(g_progress.first(), qMakePair(100, 1));
    QCOMPARE(g_progress.last(), qMakePair(100, 100));
}

void TestFileOps::restoreKeepsWhatWasWritten()
{
    // Records written before a write failure stay; the one broken off and those after it keep their content.
    QTemporaryDir dir;
    const QString file = dir.filePath("unit.tarb");
    LinkHarness h;
    h.bus.plug(B);
    scramble(h, B);
    QCOMPARE(h.open(), 0);
    QCOMPARE(h.link.BackUpPresets(0, file, nullptr), 0);
    const VirtualUnit before = h.bus.unit(B);
    QCOMPARE(h.open(B), 0);
    h.bus.setFault(B, FaultKind::WriteFailure, 1 + 10 * 7 + 3); // bulk begin, ten records, three reports of one
    QCOMPARE(h.link.RestorePresets(file, nullptr, nullptr), 5);
    h.bus.setFault(B, FaultKind::None);
    const VirtualUnit b = h.bus.unit(B);
    for (int n = 1; n <= 100; ++n)
        QCOMPARE(b.record(n), n <= 10 ? h.bus.record(A, n) : before.record(n));
    QCOMPARE(b.setList(0), before.setList(0));
}

QTEST_GUILESS_MAIN(TestFileOps)
#include "tst_fileops.moc"
