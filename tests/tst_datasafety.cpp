// What survives when things go wrong: a full disk, a read-only folder, a back-up killed half way, damaged and hostile
// files, a unit that fails in the middle of a transfer. Operations run the way the window runs them (the
// device worker in its own thread, a virtual Cadenzo plugged in, the operation's event posted); files are checked
// byte for byte and texts word for word against what is written out here.

#include "Connect.h"
#include "autobackup.h"
#include "backupimage.h"
#include "globals.h"
#include "hidseam.h"

#include "support/SleepRecorder.h"
#include "support/TestFiles.h"
#include "support/VirtualBusFixture.h"
#include "support/WorkerThreads.h"

#include <QtTest>

#include <QRandomGenerator>
#include <atomic>
#include <csignal>
#include <ctime>
#include <functional>
#include <memory>
#include <sys/resource.h>

namespace {
using D = DeviceManagerThread;
using Step = std::function<void()>;
QString U = QStringLiteral("unit"); // the unit on the bus; the random walk tours with a second one
constexpr int kTimeoutMs = 20000;

// Every write to the unit passes here: the one whose turn comes when the count reaches 0 is lost (-1), and the unit
// goes on answering the writes after it.
std::atomic<int> g_failWriteIn{-1};
const HidApi* g_busApi = nullptr;
HidApi g_api;
int failingWrite(hid_device* device, const unsigned char* data, size_t length)
{
    return g_failWriteIn.fetch_sub(1) == 0 ? -1 : g_busApi->write(device, data, length);
}

const auto le = [](qint64 v) {
    return QByteArray(QByteArray(1, char(v)) + char(v >> 8) + char(v >> 16) + char(v >> 24));
};
const auto ints = [](int value, int count) { return le(value).repeated(count); };
// The fixed header of a collection file with the Cadenzo's product code 0x42 and patch version 5.
QByteArray header(qint64 names, qint64 params, qint64 patches)
{
    const qint64 data = patches * (names + params) * 4;
    return QByteArray("3dB ") + le(48 + data) + "spc 0001fmt " + le(24) + le(56) + le(0x42) + le(5) + le(names) +
           le(params) + le(patches) + "data" + le(data);
}
// A whole bank of the Cadenzo (100 records of 16 name entries and 160 parameters), every entry 65 ("A").
const QByteArray kBank = ints(65, 100 * 176);
const QByteArray kFactoryFile = header(16, 160, 100) + kBank;
// A back-up: header, [marker + text length], set-list count 100, the bank, 100 set-list entries, [text].
const auto backUp = [](const QByteArray& text) -> QByteArray {
    return header(16, 160, 100) + (text.isEmpty() ? QByteArray() : "sysparampresent " + le(text.size())) + le(100) +
           kBank + ints(7, 100) + text;
};
const auto presetFile = [](int at, int value) -> QByteArray {
    return header(16, 160, 1) + ints(65, 176).replace(4 * at, 4, le(value));
};

const auto entries = [](const QString& dir) { return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name); };
const auto factoryPath = []() -> QString { return g_cadenzoFactoryPresetsFolder + "/FactoryPresets.dat"; };

// Fault kinds of the file table: a 64 KiB disk the old file fills; the same disk remounted read-only (root writes
// anywhere else); the unit failing while it is read; a child killed half way through the file; the unit unplugged
// after 40 reports.
constexpr int DiskFull = 0, ReadOnly = 1, UnitFails = 2, Killed = 3, UnitGone = 4;
constexpr int BackUp = 1013, SaveToFiles = 1007; // the worker's event

// The child of the kill row: backs up a virtual unit to `path` and dies by SIGKILL the moment its file passes 8 KiB
// (the kernel stops that write with SIGXFSZ, whose handler turns it into a kill -9), half way through the file.
int killedBackUp(const char* path)
{
    VirtualBusFixture bus;
    bus.plug(U);
    SleepRecorder sleeps;
    CUSBConnect link;
    link.Open(bus.devicePath(U));
    std::signal(SIGXFSZ, [](int) { std::raise(SIGKILL); });
    const rlimit limit{8192, 8192};
    setrlimit(RLIMIT_FSIZE, &limit);
    return link.BackUpPresets(0, QString::fromLocal8Bit(path), nullptr);
}
} // namespace

Q_DECLARE_METATYPE(Step)

class TestDataSafety : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<VirtualBusFixture> m_bus = std::make_unique<VirtualBusFixture>();
    SleepRecorder m_sleeps;
    D* m_pWorker = nullptr;
    QStringList m_log;
    QString m_mounted;
    int m_lastSent = -1; // the last command the unit took in the last run, -1 when none or it went away
    int m_pending = 0;   // the reports it still held for the host afterwards
    QString m_recovery;  // the automatic back-up the last run offered to put back

    // A Cadenzo the worker has found: plugged again after a row that lost it, once the worker has noticed the loss.
    bool ensureUnit()
    {
        if (!m_bus->isPlugged(U)) {
            if (!QTest::qWaitFor([] { return !g_bDeviceConnected.load(); }, kTimeoutMs))
                return false;
            m_bus->plug(U, UnitModel::Cadenzo);
        }
        return QTest::qWaitFor([] { return g_bDeviceConnected.load(); }, kTimeoutMs);
    }

    // Sets the row's fault on the worker, runs the event and reads the unit, all in one pass of the worker's queue,
    // so no poll falls in between; the texts are those the event brought.
    QStringList run(int type, const Step& onWorker = {})
    {
        QMetaObject::invokeMethod(m_pWorker, [=] {
            m_bus->clearTraffic(U), onWorker ? onWorker() : void();
            QMetaObject::invokeMethod(this, [this] { m_log.clear(); }); // what came before the event is not its
        });
        QCoreApplication::postEvent(m_pWorker, new QEvent(QEvent::Type(type)));
        QMetaObject::invokeMethod(m_pWorker, [=] {
            g_failWriteIn = -1;
            const bool plugged = m_bus->isPlugged(U);
            const auto sent = plugged ? m_bus->sentReports(U) : QVector<TrafficEntry>();
            m_lastSent = sent.isEmpty() ? -1 : sent.last().command;
            m_pending = plugged ? m_bus->unit(U).pendingReports() : 0;
            m_bus->setFault(U, FaultKind::None);
            QMetaObject::invokeMethod(this, [this] { m_log << ">"; });
        });
        m_log.clear();
        if (!QTest::qWaitFor([this] { return m_log.contains(">"); }, kTimeoutMs))
            return {"timed out"};
        return m_log.mid(0, m_log.size() - 1);
    }

private slots:
    void initTestCase()
    {
        buildDataFolders(m_home.path());
        g_busApi = &m_bus->api();
        g_api = *g_busApi;
        g_api.write = &failingWrite;
        HidSeam::setApi(&g_api);
        m_pWorker = D::instance();
        connect(m_pWorker, &D::updateText, this, [this](const QString& text) { m_log << "text(" + text + ")"; });
        connect(m_pWorker, &D::operationFinished, this,
                [this](int code, bool close) { m_log << QString("finished(%1,%2)").arg(code).arg(int(close)); });
        connect(m_pWorker, &D::recoveryAvailable, this, [this](const QString& path, const QString& line) {
            m_recovery = path;
            m_log << "recovery(" + QFileInfo(path).fileName().left(19) + "," + line + ")";
        });
        connect(m_pWorker, qOverload<int, int, int, int*, int, int, int, int>(&D::singlePresetData), this,
                [](int, int, int, int* data, int, int, int, int) { delete[] data; });
        QVERIFY(QDir().mkpath(g_cadenzoFactoryPresetsFolder));
        startWorkers({m_pWorker});
        QVERIFY(ensureUnit());
    }
    void cleanupTestCase() { stopWorkers(m_pWorker); }
    void init() { QVERIFY(ensureUnit()); }
    void cleanup()
    {
        if (!m_mounted.isEmpty())
            QProcess::execute("umount", {m_mounted});
        m_mounted.clear();
    }

    // A factory preset file that cannot serve the unit is set aside under a name that says so and made again.
    void factoryFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("whole, this unit's") << kFactoryFile;
        QTest::newRow("cut short") << kFactoryFile.left(30000);
        QTest::newRow("another unit's") << QByteArray(kFactoryFile).replace(28, 4, le(0x21));
        QTest::newRow("bytes behind the presets") << kFactoryFile + "tail";
        QTest::newRow("2^31-1 empty patches") << header(0, 0, 0x7FFFFFFF) + QByteArray(16, '\0');
        QTest::newRow("name and parameter lengths near 2^31") << header(0x7FFFFFF0, 0x7FFFFFF0, 0) + QByteArray(16, 0);
    }
    void factoryFile()
    {
        QFETCH(QByteArray, file);
        const bool kept = file == kFactoryFile;
        const QString folder = g_cadenzoFactoryPresetsFolder;
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder) && writeFile(factoryPath(), file));
        const QStringList seen = run(1001);
        const QStringList files = entries(folder);
        const QString aside = files.value(1); // the name's date is the clock's, the rest is fixed
        QCOMPARE(files, QStringList({"FactoryPresets.dat", aside}).mid(0, kept ? 1 : 2));
        QCOMPARE(aside.left(27), kept ? QString() : QString("FactoryPresets.dat.damaged-"));
        QCOMPARE(readFile(folder + "/" + aside), kept ? QByteArray() : file);
        QCOMPARE(QFileInfo(factoryPath()).size(), 70456); // 56 + 100 x 176 x 4: made from the unit's factory bank
        QStringList view{"text(Reading factory presets...)", "text(Reading user presets...)",
                         "text(Reading set lists...)", "finished(0,1)"};
        if (!kept)
            view.insert(1, "text(The factory preset file was damaged or made for another unit. It was set aside as " +
                               aside + " and is made again from the unit.)");
        QCOMPARE(seen, view);
    }

    // Files the unit must never see: nothing is sent, the user reads why. The unit fails in the middle: the user
    // reads what it holds, a unit that still answers leaves bulk mode (17 last), and a reply cut by a bad report
    // leaves nothing for the next request to read.
    void transfers_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("file"); // the back-up, preset, factory or firmware file the event reads
        QTest::addColumn<Step>("fault");      // run on the worker just before the event
        QTest::addColumn<QStringList>("view");
        QTest::addColumn<int>("last"); // the last command the unit took, -1 when none or it went away
        const QString restoring = "text(Restoring user presets and set lists...)";
        // Checked whole before anything happens: nothing backed up, nothing sent.
        const QStringList corrupt{"text(File data corrupted.\nfile.bin is cut short or damaged. Nothing was changed.)",
                                  "finished(11,0)"};
        const QStringList refused{"text(File(s) data corrupted.)", "finished(11,0)"};
        const QString factory = "text(updating factory presets...)";
        // Cut 200 bytes into the set-list block: 56 (76 with the marker) + 4 + 70400 bytes of presets come first.
        QTest::newRow("back-up cut in the set lists") << 1014 << backUp("").left(70660) << Step() << corrupt << -1;
        QTest::newRow("back-up cut, with parameters")
            << 1014 << backUp("1\n2\n").left(70680) << Step() << corrupt << -1;
        QTest::newRow("back-up without set lists")
            << 1014 << kFactoryFile << Step()
            << QStringList{restoring, "text(Succesfully restored user presets and set lists.)", "finished(0,0)"} << 8;
        // Its first value is 100, the set-list count a back-up with set lists has there: the size tells them apart.
        QTest::newRow("back-up without set lists, U01 named \"d...\"")
            << 1014 << QByteArray(kFactoryFile).replace(56, 4, le(100)) << Step()
            << QStringList{restoring, "text(Succesfully restored user presets and set lists.)", "finished(0,0)"} << 8;
        QTest::newRow("not a back-up at all")
            << 1014 << QByteArray("root:x:0:0:root:/root:/bin/bash\n") << Step()
            << QStringList{"text(file.bin is not a Stage Cadenzo back-up. Nothing was changed.)", "finished(12,0)"}
            << -1;
        QTest::newRow("preset, parameter 70000") << 1009 << presetFile(16, 70000) << Step() << refused << -1;
        QTest::newRow("preset, name code 300") << 1009 << presetFile(0, 300) << Step() << refused << -1;
        QTest::newRow("factory rewrite, bytes behind the presets")
            << 1015 << kFactoryFile + "tail" << Step()
            << QStringList{"finished(11,0)", "text(Failed to update factory presets. Please try again.)"} << -1;
        // 16, then 8 reports a preset (select, 6 of data, checksum): the 300th write falls in the 38th preset.
        const Step lose300th = [] { g_failWriteIn = 299; };
        const QString mix = "37 of 100 user presets were written, so it holds a mix of old and restored presets.";
        const QStringList restored{restoring,
                                   "text(The unit was disconnected during the restore. " + mix +
                                       "\nConnect it again and restore the back-up again.)",
                                   "finished(5,0)"};
        QTest::newRow("restore, unit gone")
            << 1014 << backUp("") << Step([this] { m_bus->setFault(U, FaultKind::Vanish, 299); }) << restored << -1;
        QTest::newRow("restore, one report lost") << 1014 << backUp("") << lose300th << restored << 17;
        // 802 reports write the presets, 200 read them back; the 1004th carries the favourites: a set list the unit
        // did not take fails the restore.
        QTest::newRow("restore, a set list lost")
            << 1014 << backUp("") << Step([] { g_failWriteIn = 1003; })
            << QStringList{restoring,
                           "text(The unit was disconnected during the restore. All 100 user presets were written, "
                           "but not all set lists.\nConnect it again and restore the back-up again.)",
                           "finished(5,0)"}
            << 11;
        // The same with the automatic back-up first (218 writes: 100 presets, 5 set lists, 8 parameter pages), which
        // is offered back and puts the unit back as it was (checked below).
        QTest::newRow("restore, one report lost, back-up first")
            << 1014 << backUp("") << Step([this] { m_pWorker->setSafetyOptions(true, true), g_failWriteIn = 517; })
            << QStringList{"text(Backing up the unit first...)", restoring,
                           "text(The unit was disconnected during the restore. " + mix +
                               "\nWhen the unit answers again, the librarian offers to put back the state from "
                               "before the restore.)",
                           "recovery(Auto before restore,The unit was disconnected during the restore. " + mix +
                               "\nWhen the unit answers again, the librarian offers to put back the state from "
                               "before the restore.)",
                           "finished(5,0)"}
            << 17;
        // Verification: a unit that stores one byte wrong is named; one that goes while it is read back is lost.
        QTest::newRow("preset, one byte stored wrong")
            << 1009 << presetFile(16, 5) << Step([this] { m_bus->setFault(U, FaultKind::CorruptWrite, 0); })
            << QStringList{"text(Verification failed: U01 differs from what was written.)", "finished(17,0)"} << 8;
        QTest::newRow("restore, one byte stored wrong") // read back once the bulk bracket has closed
            << 1014 << backUp("") << Step([this] { m_bus->setFault(U, FaultKind::CorruptWrite, 37); })
            << QStringList{restoring, "text(Verification failed: U38 differs from what was written.)", "finished(17,0)"}
            << 12;
        QTest::newRow("preset, unit gone in the read-back") // 2 to keep the old record, 8 to write the new one
            << 1009 << presetFile(16, 5) << Step([this] { m_bus->setFault(U, FaultKind::Vanish, 10); })
            << QStringList{"text(Failed to communicate with device.)", "finished(5,0)"} << -1;
        QTest::newRow("factory rewrite, one report lost")
            << 1015 << kFactoryFile << lose300th
            << QStringList{factory, "finished(5,0)",
                           "text(Failed to update factory presets. Please try again.\n37 of 100 factory presets were "
                           "written; the unit holds a mix of old and new factory presets.)"}
            << 17;
        QTest::newRow("firmware, unit gone")
            << 1016 << QByteArray(5600, 'f') << Step([this] { m_bus->setFault(U, FaultKind::Vanish, 40); })
            << QStringList{"text(Updating uP Firmware.\nDo not disconnect or power down the device.)",
                           "text(Failed to communicate with device.\n2240 of 5600 bytes of the firmware image were "
                           "sent; the unit holds no complete new firmware. Keep it powered, connect it again and "
                           "update the firmware again.)",
                           "finished(5,0)"}
            << -1;
        // A three-report record whose second report is foreign: one failed rename, and no report left behind.
        const QByteArray full = QByteArray::fromHex("db030700380000") + QByteArray(57, 'A');
        QTest::newRow("rename, bad report inside a reply") << 1012 << QByteArray() << Step([this, full] {
            m_bus->overrideNextReply(U, {full, QByteArray::fromHex("db00"), full});
        }) << QStringList{"text(Operation failed.)", "finished(6,0)"}
                                                           << 8;
    }
    void transfers()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, file);
        QFETCH(Step, fault);
        const QString path = type == 1015 ? factoryPath() : m_home.path() + "/file.bin"; // .bin: a uP image
        QVERIFY(writeFile(path, file));
        m_pWorker->setSafetyOptions(false, true), m_recovery.clear();
        const VirtualUnit before = m_bus->unit(U);
        m_pWorker->setBackUpFilePath(path);
        m_pWorker->setPresetTransfer({1}, {path}, {});
        m_pWorker->setFirmwareFilePath(path);
        m_pWorker->setRenameData(1, "X", 0, nullptr);
        QTEST(run(type, fault), "view");
        QTEST(m_lastSent, "last");
        QCOMPARE(m_lastSent == -1 ? 0 : m_pending, 0); // a refused file leaves the unit as it was
        if (type == 1014 && file == kFactoryFile) // restored without set lists: every preset in place, none shifted
            QCOMPARE(m_bus->record(U, 100), QVector<int>(176, 65));
        if (m_recovery.isEmpty())
            return;
        m_pWorker->setRecovery(true);
        m_pWorker->setBackUpFilePath(m_recovery);
        QCOMPARE(run(1014), QStringList({"text(Restoring user presets and set lists...)",
                                         "text(Succesfully restored user presets and set lists.)", "finished(0,0)"}));
        m_pWorker->setRecovery(false);
        for (int n = 1; n <= 100; ++n)
            QCOMPARE(m_bus->record(U, n), before.record(n));
        for (int j = 0; j < 5; ++j)
            QCOMPARE(m_bus->setList(U, j), before.setList(j));
        QCOMPARE(m_bus->unit(U).sysParams(), before.sysParams());
    }

    // A seeded random walk over what a singer does and what goes wrong, checked after every step against what the
    // README promises: every state the unit held before one of its last 10 restores is kept in a file that gives it
    // back; every back-up the program wrote restores into this unit; every success it reported is true of the unit;
    // an undo never overwrites a slot changed since. TESSITRA_WALK_SEEDS=1-200 runs more seeds, TESSITRA_WALK_STEPS
    // longer walks; a failure names its seed and step.
    void randomWalk_data()
    {
        QTest::addColumn<int>("seed");
        const QStringList range = qEnvironmentVariable("TESSITRA_WALK_SEEDS", "1-3").split('-');
        for (int seed = range.value(0).toInt(); seed <= range.value(1, range.value(0)).toInt(); ++seed)
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }
    void randomWalk()
    {
        QFETCH(int, seed);
        QRandomGenerator random{quint32(seed)};
        const int steps = qEnvironmentVariableIntValue("TESSITRA_WALK_STEPS") > 0
                              ? qEnvironmentVariableIntValue("TESSITRA_WALK_STEPS")
                              : 30;
        const QString folder = g_cadenzoBackUpFolder;
        QDir(folder).removeRecursively();
        for (const QString& name : QDir(g_cadenzoFolder).entryList({"undo*"}))
            QFile::remove(g_cadenzoFolder + "/" + name);
        m_pWorker->setSafetyOptions(true, true);
        m_pWorker->setRecovery(false);
        QVERIFY(ensureUnit() && QTest::qWaitFor([this] { return !run(1001).isEmpty(); }, kTimeoutMs)); // journal read
        const auto same = [](const BackUpImage& image, const VirtualUnit& unit) {
            bool equal = image.presetCount == 100 && image.hasSetLists;
            for (int n = 1; equal && n <= 100; ++n)
                equal = QVector<int>(image.record(n - 1), image.record(n - 1) + image.recordSize()) == unit.record(n);
            for (int j = 0; equal && j < 5; ++j)
                equal = image.setLists.mid(20 * j, 20) == unit.setList(j);
            return equal && (!image.hasSysParams || image.sysParamValues() == unit.sysParams());
        };
        struct Change // what the model expects an undo to find and put back
        {
            int slot;
            QVector<int> before, after;
        };
        struct Model // per unit: what its journal holds, and the states before its restores
        {
            QVector<Change> undo, redo;
            QVector<VirtualUnit> kept;
        };
        QMap<QString, Model> units;
        QStringList own; // the user's own back-ups
        for (int step = 0; step < steps; ++step) {
            const QString where = QString("seed %1 step %2").arg(seed).arg(step);
            const VirtualUnit now = m_bus->unit(U);
            const int slot = 1 + int(random.bounded(100));
            const int source = 1 + int(random.bounded(200)); // U01 to U100, F01 (101) to F100 (200)
            const int op = int(random.bounded(12));
            QVector<Change>& undo = units[U].undo;
            QVector<Change>& redo = units[U].redo;
            QStringList seen;
            if (op == 0 || op == 1) { // copy a preset (user or factory) onto a user slot
                m_pWorker->setRenameData(slot, QString(), source, nullptr);
                seen = run(1010);
                if (seen.contains("finished(0,1)")) {
                    QVERIFY2(m_bus->record(U, slot) == now.record(source), qPrintable(where));
                    undo.append({slot, now.record(slot), now.record(source)}), redo.clear();
                }
            } else if (op == 2) { // rename, with a tab as a unit's own names may hold
                m_pWorker->setRenameData(slot, QString("Walk\t%1").arg(step), 0, nullptr);
                seen = run(1012);
                if (seen.contains("finished(0,1)"))
                    undo.append({slot, now.record(slot), m_bus->record(U, slot)}), redo.clear();
            } else if (op == 3 || op == 4 || op == 5) { // undo (twice as often) or redo, checked against the model
                const bool bRedo = op == 5;
                QVector<Change>& from = bRedo ? redo : undo;
                seen = run(bRedo ? 1018 : 1017);
                if (from.isEmpty()) {
                    QVERIFY2(seen.contains("finished(19,0)"), qPrintable(where + seen.join('|')));
                    continue;
                }
                const Change change = from.constLast();
                const bool fits = now.record(change.slot) == (bRedo ? change.before : change.after);
                QVERIFY2(seen.contains(fits ? "finished(0,0)" : "finished(21,0)"), qPrintable(where + seen.join('|')));
                QCOMPARE(m_bus->record(U, change.slot), !fits   ? now.record(change.slot)
                                                        : bRedo ? change.after
                                                                : change.before);
                if (fits)
                    (bRedo ? undo : redo).append(from.takeLast());
            } else if (op == 6) { // an edit on the unit's own panel, mostly of the slot an undo would write
                const int edit = !undo.isEmpty() && random.bounded(4) ? undo.constLast().slot : slot;
                QVector<int> edited = now.record(edit);
                edited[0] = 'P', edited[1] = '0' + step % 10;
                QVERIFY(m_bus->setRecord(U, edit, edited));
            } else if (op == 10) { // on tour: the other unit of the model in place of this one (each comes back
                                   // with its factory content, so what its journal says no longer fits)
                const QString was = U;
                QVERIFY(m_bus->unplug(was));
                U = was == "unit" ? "other" : "unit";
                QVERIFY2(ensureUnit() && QTest::qWaitFor([this] { return !run(1001).isEmpty(); }, kTimeoutMs),
                         qPrintable(where));
            } else if (op == 11) { // another program copies into a slot of this unit and keeps it in the journal
                UndoJournal theirs(UndoJournal::pathFor(g_cadenzoFolder, U));
                QCOMPARE(int(theirs.load({0x42, 5, 16, 160, 100, U})), 0);
                QVERIFY(m_bus->setRecord(U, slot, now.record(source)));
                QVERIFY(theirs.push({"their copy", {{slot, now.record(slot), now.record(source)}}, {}}));
                undo.append({slot, now.record(slot), now.record(source)}), redo.clear();
            } else if (op == 7) { // the user's own back-up
                own << m_home.path() + QString("/own %1.tscb").arg(step);
                m_pWorker->setBackUpFilePath(own.constLast());
                seen = run(1013);
                QVERIFY2(seen.contains("finished(0,0)"), qPrintable(where + seen.join('|')));
            } else { // restore: the oldest automatic back-up, a random one, the user's own, or a damaged file
                const QFileInfoList autos = AutoBackUp::newestFirst(folder, ".tscb");
                QString file = m_home.path() + "/damaged.tscb";
                QVERIFY(writeFile(file, backUp("1\n").left(30000)));
                const int pick = int(random.bounded(4));
                if (pick == 0 && !autos.isEmpty())
                    file = autos.constLast().absoluteFilePath();
                else if (pick == 1 && !autos.isEmpty())
                    file = autos.at(int(random.bounded(autos.size()))).absoluteFilePath();
                else if (pick == 2 && !own.isEmpty())
                    file = own.at(int(random.bounded(own.size())));
                BackUpImage image;
                const bool valid = BackUpImage::read(file, image) == 0;
                // Time zones on tour: the names the back-ups get move, what is kept must not.
                qputenv("TZ", QByteArray(random.bounded(2) ? "UTC-14" : "UTC+12")), tzset();
                m_pWorker->setBackUpFilePath(file);
                const QStringList before = entries(folder);
                seen = run(1014);
                if (!valid) { // refused at no cost: nothing backed up, nothing rotated, nothing written
                    QVERIFY2(seen.contains("finished(11,0)") && entries(folder) == before, qPrintable(where));
                    QVERIFY2(m_bus->unit(U).record(1) == now.record(1), qPrintable(where));
                    continue;
                }
                units[U].kept.append(now);
                QVERIFY2(seen.contains("finished(0,0)"), qPrintable(where + seen.join('|')));
                QVERIFY2(same(image, m_bus->unit(U)), qPrintable(where + " restored " + file));
                undo.clear(), redo.clear();
            }
            // Every file in the back-up folder and every own back-up restores into this unit; the states before the
            // last 10 restores are each in one of them.
            QList<BackUpImage> images;
            QStringList files = own;
            for (const QFileInfo& info : AutoBackUp::newestFirst(folder, ".tscb"))
                files << info.filePath();
            for (const QString& file : files) {
                images.append(BackUpImage());
                QVERIFY2(BackUpImage::read(file, images.last()) == 0 && images.last().productCode == 0x42,
                         qPrintable(where + file));
            }
            // Each unit keeps at most its newest 10 and the one being restored, and no state twice in a row.
            const QVector<AutoBackUp::Entry> index = AutoBackUp(folder, ".tscb", U).entries();
            QStringList hashes;
            for (const AutoBackUp::Entry& entry : index)
                if (entry.unit == U && (hashes.isEmpty() || hashes.constLast() != entry.sha256))
                    hashes << entry.sha256;
                else
                    QVERIFY2(entry.unit != U, qPrintable(where + ": the same state kept twice in a row"));
            QVERIFY2(hashes.size() <= AutoBackUp::Kept + 1, qPrintable(where + ": more than 11 automatic back-ups"));
            const QVector<VirtualUnit>& kept = units[U].kept;
            for (int k = std::max(0, int(kept.size()) - AutoBackUp::Kept); k < kept.size(); ++k)
                QVERIFY2(
                    std::any_of(images.cbegin(), images.cend(), [&](const BackUpImage& i) { return same(i, kept[k]); }),
                    qPrintable(where + QString(": the state before restore %1 is kept nowhere").arg(k)));
        }
        qunsetenv("TZ"), tzset();
        if (U != "unit") { // the suite goes on with the first unit
            QVERIFY(m_bus->unplug(U));
            U = "unit";
            QVERIFY(ensureUnit());
        }
    }

    // A write that cannot finish leaves the old file whole, no partial file, and words for the user.
    void fileFaults_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("op");
        QTest::addColumn<QStringList>("view");  // texts and results
        QTest::addColumn<QStringList>("files"); // the folder afterwards
        const QString notWritten = "The file could not be written: the folder may be read-only or the disk full.";
        const QStringList backUp{"text(Backing up user presets and set lists...)",
                                 "text(Failed to backed up user presets and set lists.\n" + notWritten +
                                     " Any earlier back-up of that name is unchanged.)",
                                 "finished(15,0)"};
        const QString saving = "text(Saving <b>Old.tscp</b>.)";
        const QString kept = "\n<b>Old.tscp</b> was not saved; any earlier file of that name is unchanged.)";
        QTest::newRow("back-up, disk full") << DiskFull << BackUp << backUp << QStringList{"old.tscb"};
        QTest::newRow("back-up, read-only folder") << ReadOnly << BackUp << backUp << QStringList{"old.tscb"};
        QTest::newRow("back-up, killed half way")
            << Killed << BackUp << QStringList() << QStringList{"old.tscb", "old.tscb.tmp0"};
        QTest::newRow("presets to files, disk full")
            << DiskFull << SaveToFiles << QStringList{saving, "text(" + notWritten + kept, "finished(15,0)"}
            << QStringList{"Old.tscp"};
        const auto first = [](const QString& why) {
            return QStringList{"text(Backing up the unit first...)",
                               "text(Nothing was changed: the unit could not be backed up first.\n" + why + ")",
                               "finished(20,0)"};
        };
        QTest::newRow("back-up first, disk full") << DiskFull << 1014 << first(notWritten) << QStringList{"old.tscb"};
        QTest::newRow("back-up first, unit fails")
            << UnitFails << 1014 << first("Failed to communicate with device.") << QStringList{"old.tscb"};
        QTest::newRow("back-up first, unit gone")
            << UnitGone << 1014 << first("Failed to communicate with device.") << QStringList{"old.tscb"};
        QTest::newRow("presets to files, unit fails")
            << UnitFails << SaveToFiles
            << QStringList{saving, "text(Failed to communicate with device." + kept, "finished(4,0)"}
            << QStringList{"Old.tscp"};
    }
    void fileFaults()
    {
        QFETCH(int, fault);
        QFETCH(int, op);
        // A restore backs the unit up into the model's own folder first.
        const QString dir = op == 1014 ? g_cadenzoBackUpFolder : m_home.path() + "/" + QTest::currentDataTag();
        QDir(dir).removeRecursively();
        m_pWorker->setSafetyOptions(true, true);
        const QString old = dir + (op == SaveToFiles ? "/Old.tscp" : "/old.tscb");
        QVERIFY(QDir().mkpath(dir));
        if (fault == DiskFull || fault == ReadOnly) {
            if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir}) != 0)
                QSKIP("no tmpfs can be mounted here");
            m_mounted = dir;
        }
        QVERIFY(writeFile(old, QByteArray(64000, 'o')));
        if (fault == ReadOnly)
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", dir}), 0);
        // A restore restores a whole back-up from elsewhere; the folder's old file is the one a fault must spare.
        QVERIFY(op != 1014 || writeFile(m_home.path() + "/restore.tscb", backUp("")));
        m_pWorker->setBackUpFilePath(op == 1014 ? m_home.path() + "/restore.tscb" : old);
        m_pWorker->setSaveItems({{"Old", 1}}, dir);
        QStringList seen;
        if (fault == Killed) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--killed-backup", old});
            QVERIFY(child.waitForFinished(kTimeoutMs) && child.exitStatus() == QProcess::CrashExit);
        } else {
            seen = run(op, [=] {
                fault == UnitFails  ? m_bus->setFault(U, FaultKind::ReadFailure)
                : fault == UnitGone ? m_bus->setFault(U, FaultKind::Vanish, 40)
                                    : true;
            });
        }
        QTEST(entries(dir), "files");
        QCOMPARE(readFile(old), QByteArray(64000, 'o'));
        QTEST(seen, "view");
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--killed-backup") == 0)
        return killedBackUp(argv[2]);
    QCoreApplication app(argc, argv);
    TestDataSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_datasafety.moc"
