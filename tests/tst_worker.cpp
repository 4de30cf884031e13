// The device worker as the window drives it: moved into its own thread and started, a virtual unit plugged
// in, operation data stored through a setter and the event handed over. Its signals are watched through a
// relay on the test's thread. The poll runs every 20 ms here (the program's is a second); protocol waits are
// recorded, not slept.

#include "SerialPatchCollection.h"
#include "globals.h"

#include "support/SignalRelay.h"
#include "support/SleepRecorder.h"
#include "support/TestFiles.h"
#include "support/VirtualBusFixture.h"
#include "support/WorkerThreads.h"

#include <QtTest>

#include <functional>

namespace {
using D = DeviceManagerThread;
const QString U = QStringLiteral("unit");
const QString kLost = QStringLiteral("updateText(Failed to communicate with device.)");
const QString kBackingUp = QStringLiteral("updateText(Backing up the unit first...)");

// Both workers, started as the window starts them and stopped as it does at exit: stop flag, quit, wait,
// delete (device worker first).
struct Workers
{
    explicit Workers(int pollMs = 20)
    {
        device->setPollInterval(pollMs);
        relay.setOwnsArrays(true);
        relay.watch(device, &D::deviceDetected, "deviceDetected");
        relay.watch(device, &D::multipleDeviceDetected, "multipleDeviceDetected");
        relay.watch(device, &D::noDevice, "noDevice");
        relay.watch(device, &D::deviceRemoved, "deviceRemoved");
        relay.watch(device, &D::deviceBusy, "deviceBusy");
        relay.watch(device, &D::deviceIdle, "deviceIdle");
        relay.watch(device, &D::operationFinished, "operationFinished");
        relay.watch(device, &D::updateText, "updateText");
        relay.watch(device, &D::setListData, "setListData");
        relay.watch(device, &D::undoAvailable, "undoAvailable");
        relay.watch(device, &D::progress, "progress");
        relay.watch(device, qOverload<int, int, int, int*, int, int, int, int>(&D::singlePresetData), "record");
        relay.watch(device, qOverload<int, int, int, QString, int, int, int, int>(&D::singlePresetData), "name");
        startWorkers({update, device});
    }
    ~Workers() { stop(); }
    void stop()
    {
        if (!device)
            return;
        stopWorkers(device, update);
        device = nullptr;
    }

    // Runs one operation on the worker's thread, with the fault set just before it and lifted (and replies a
    // failed exchange left unread dropped) just after, so no poll falls in between. Returns its signals with
    // every run of names folded into one "names(storage)xN" entry.
    QStringList run(VirtualBusFixture& bus, int type, FaultKind fault = FaultKind::None, int count = 0)
    {
        relay.clear();
        QMetaObject::invokeMethod(
            device,
            [&] {
                bus.setFault(U, fault, count);
                QEvent event(static_cast<QEvent::Type>(type));
                QCoreApplication::sendEvent(device, &event);
                bus.setFault(U, FaultKind::None);
                bus.modifyUnit(U, [](VirtualUnit& unit) {
                    unsigned char report[64];
                    while (unit.pendingReports() > 0)
                        unit.readReport(report, sizeof report);
                });
                QMetaObject::invokeMethod(
                    &relay, [this] { relay.append("end"); }, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
        if (!relay.waitFor("end", 15000))
            return {"timed out"};
        QStringList view;
        for (const QString& entry : relay.entries()) {
            if (entry == "end")
                break;
            if (entry == "noDevice()")
                continue;
            // The reports of the plan as one: the first step, the waits passed at the end and in all.
            if (entry.startsWith("progress(")) {
                const int first = view.indexOf(QRegularExpression("^progress\\(.*"));
                view.append(first < 0 ? entry : view.takeAt(first).section(',', 0, -3) + ',' + entry.section(',', -2));
                view.move(view.size() - 1, first < 0 ? view.size() - 1 : first);
                continue;
            }
            const QString run = "names(" + entry.mid(5, 1) + ")x";
            if (!entry.startsWith("name("))
                view.append(entry.startsWith("record(") ? entry.section(',', 0, 2) + ')' : entry);
            else if (!view.isEmpty() && view.last().startsWith(run))
                view.last() = run + QString::number(view.last().mid(run.size()).toInt() + 1);
            else
                view.append(run + '1');
        }
        return view;
    }

    CFirmwareUpdate* update = CFirmwareUpdate::instance();
    DeviceManagerThread* device = DeviceManagerThread::instance();
    SignalRelay relay;
};

// A bank of the unit's records (base 1 or 101) as a collection file, with the product code given.
void writeBank(const QString& path, const VirtualUnit& unit, int base, bool setLists, int productCode = 0x21)
{
    QVector<int> bank, lists;
    for (int n = base; n < base + 100; ++n)
        bank += unit.record(base == 1 ? n + 100 : n - 100); // the other bank's records: a visible change
    for (int j = 0; j < 5; ++j)
        lists += unit.setList(4 - j);
    const UnitIdentity& id = unit.identity();
    const SpcCollectionFile f({productCode, id.patchVersion, id.nameLength, id.paramCount, 100, bank.constData(),
                               int(bank.size()), setLists ? lists.constData() : nullptr, 100, nullptr, 0});
    QCOMPARE(SpcWriteCollection(QFile::encodeName(path).constData(), 1, f), 0);
}

// The preset requests sent since the traffic was last cleared: records written (each closed by its checksum
// report, command 7 of length 0), bulk brackets opened or closed (16, 17), records read (8).
QString presetRequests(const VirtualBusFixture& bus)
{
    int written = 0, bulk = 0, read = 0;
    for (const TrafficEntry& e : bus.sentReports(U))
        written += e.command == 7 && e.length == 0, bulk += e.command == 16 || e.command == 17, read += e.command == 8;
    return QString("written %1, bulk %2, read %3").arg(written).arg(bulk).arg(read);
}

// What a row's preparation and check get: the worker, the bus, a folder of its own, the unit before the run.
struct Ctx
{
    D* worker;
    VirtualBusFixture& bus;
    QString dir;
    VirtualUnit before;
};
using Step = std::function<void(Ctx&)>;
} // namespace
Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(FaultKind)
Q_DECLARE_METATYPE(UnitModel)

class TestWorker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    SleepRecorder m_sleeps;

private slots:
    void initTestCase()
    {
        buildDataFolders(m_home.path());
        QVERIFY(QDir().mkpath(g_arietteFactoryPresetsFolder) && QDir().mkpath(g_cadenzoFactoryPresetsFolder));
    }

    // What the user reads at the end of an operation (negative: the micro firmware); 3 to 5 are a lost unit.
    void resultTexts_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const auto row = [](int operation, int code, const QString& text) {
            QTest::addRow("%d, %d", operation, code) << operation << code << text;
        };
        row(1006, 0, "Success");
        row(1006, 4, "Failed to communicate with device.");
        row(1006, 6, "Operation failed.");
        row(1008, 13, "File not found.");
        row(1008, 12, "File version mismatch.");
        row(1008, 11, "File data corrupted.");
        row(1009, 13, "File(s) not found.");
        row(1010, 11, "Failed to load preset.");
        row(1012, 10, "Operation failed.");
        row(1013, 0, "Succesfully backed up user presets and set lists.");
        row(1014, 0, "Succesfully restored user presets and set lists.");
        row(1014, 13, "Couldn't find a back up file.\nPlease back up first.");
        row(1014, 5, "Failed to communicate with device.");
        row(1015, 0, "Please perform a factory reset of your device.");
        row(1015, 3, "Failed to update factory presets. Please try again.");
        row(-1016, 0, "Do not power down the device until  the Tessitra display says:\n\"Done - Cycle power now\".");
        row(-1016, 2, "Failed to update uP Firmware.");
    }
    void resultTexts()
    {
        QFETCH(int, operation);
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(D::operationText(qAbs(operation), code, operation < 0), text);
    }

    void operations_data()
    {
        QTest::addColumn<UnitModel>("model");
        QTest::addColumn<int>("type");
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<FaultKind>("fault");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<Step>("check");
        const auto row = [](const char* name, UnitModel model, int type, const Step& prepare, FaultKind fault,
                            int count, const QStringList& expected, const Step& check) {
            QTest::newRow(name) << model << type << prepare << fault << count << expected << check;
        };
        const UnitModel ariette = UnitModel::Ariette;
        const QStringList setLists{"updateText(Reading set lists...)",
                                   "setListData(0,data)",
                                   "setListData(1,data)",
                                   "setListData(2,data)",
                                   "setListData(3,data)",
                                   "setListData(4,data)"};

        // The read cascade: factory names from the model's file, user names from the unit, the five set lists; a
        // refresh of the factory side reads the same.
        for (const int type : {1001, 1002})
            row(
                type == 1001 ? "read everything" : "refresh everything", ariette, type,
                [](Ctx& c) { writeBank(g_arietteFactoryPresetsFolder + "/FactoryPresets.dat", c.before, 101, false); },
                FaultKind::None, 0,
                QStringList{"progress(Reading preset names 1 of 100,4500,4500)",
                            "updateText(Reading factory presets...)", "names(1)x100",
                            "updateText(Reading user presets...)", "names(0)x100"} +
                    setLists + QStringList{"operationFinished(0,true)"},
                [](Ctx& c) {
                    for (const TrafficEntry& e :
                         c.bus.sentReports(U)) // names came from the file and name requests only
                        QVERIFY(e.bytes.at(3) != 8);
                });

        // A set list: the edits laid over it, all 20 slots written, read back for the window.
        row(
            "set list edits", ariette, 1006,
            [](Ctx& c) {
                c.worker->setSetListEdit(2, {{0, 105}, {5, 0}, {19, 7}});
            },
            FaultKind::None, 0,
            {"progress(Writing set lists,4600,4600)", "undoAvailable(1)", "setListData(2,data)", "updateText(Success)",
             "operationFinished(0,true)"},
            [](Ctx& c) {
                QVector<int> values = c.before.setList(2);
                values[0] = 105, values[5] = 0, values[19] = 7;
                QCOMPARE(c.bus.setList(U, 2), values);
            });

        // Presets saved to cleaned file names, replacing what was there, as a single save writes them.
        row(
            "save, every unsafe character", ariette, 1007,
            [](Ctx& c) {
                QVERIFY(writeFile(c.dir + "/a_b_c_d_e_f_g_h_i_j_k_l.tarp", "stale"));
                c.worker->setSaveItems({{"a|b\"c>d<e:f*g?h\\i/j\nk\rl", 107}}, c.dir);
            },
            FaultKind::None, 0,
            {"progress(Saving presets,500,500)", "updateText(Saving <b>a_b_c_d_e_f_g_h_i_j_k_l.tarp</b>.)",
             "operationFinished(0,true)"},
            [](Ctx& c) {
                const QByteArray file = readFile(c.dir + "/a_b_c_d_e_f_g_h_i_j_k_l.tarp");
                QCOMPARE(file.size(), 56 + 136 * 4);
                QCOMPARE(file.mid(56, 4), QByteArray(1, char(c.before.record(107)[0])) + QByteArray(3, '\0'));
            });

        row(
            "restore", ariette, 1014,
            [](Ctx& c) {
                writeBank(c.dir + "/r.tarb", c.before, 1, true);
                c.worker->setBackUpFilePath(c.dir + "/r.tarb");
                c.worker->requestStop(); // a write to the unit goes on
                // Files named like automatic back-ups that the program never listed as its own: the user's, kept.
                QVERIFY(QDir().mkpath(g_arietteBackUpFolder));
                QStringList old{"Auto before firmware update 2025-12-31 23-59-59.tarb",
                                "Mine.tarb",
                                "Auto before restore 2026-01-01 10-00-00.tarb",
                                "Auto before restore.tarb",
                                "Auto before restore 2026-01-01 10-00-00 (2).tarb",
                                "Auto before restore 2020-01-01 10-00-00.tscb"};
                for (int day = 2; day <= 9; ++day)
                    old << QString("Auto before factory update 2026-01-0%1 10-00-00.tarb").arg(day);
                for (const QString& name : old)
                    QVERIFY(writeFile(g_arietteBackUpFolder + "/" + name, "x"));
            },
            FaultKind::None, 0,
            // Back-up 53.9 s, writes 30.1 s, storing 3 s, read-back 50 s, set lists 21.5 s; this file holds no
            // system parameters, so their 9.8 s never come.
            {"progress(Backing up the unit first: preset 1 of 100,158500,168300)", kBackingUp,
             "updateText(Restoring user presets and set lists...)", "undoAvailable(0)",
             "updateText(Succesfully restored user presets and set lists.)", "operationFinished(0,false)"},
            [](Ctx& c) {
                for (int n = 1; n <= 100; ++n)
                    QCOMPARE(c.bus.record(U, n), c.before.record(n + 100));
                QCOMPARE(c.bus.setList(U, 0), c.before.setList(4));
                QStringList files = QDir(g_arietteBackUpFolder).entryList(QDir::Files, QDir::Name);
                const QStringList made = files.filter(QRegularExpression(
                    "^Auto before restore (?!2026-01-01 )\\d{4}(-\\d\\d){2} \\d\\d(-\\d\\d){2}\\.tarb$"));
                QCOMPARE(made.size(), 1);
                files.replaceInStrings(made.value(0), "now");
                QStringList kept;
                for (int day = 2; day <= 9; ++day)
                    kept << QString("Auto before factory update 2026-01-0%1 10-00-00.tarb").arg(day);
                kept << "Auto before firmware update 2025-12-31 23-59-59.tarb"
                     << "Auto before restore 2020-01-01 10-00-00.tscb"
                     << "Auto before restore 2026-01-01 10-00-00 (2).tarb"
                     << "Auto before restore 2026-01-01 10-00-00.tarb"
                     << "now"
                     << "Auto before restore.tarb"
                     << "Mine.tarb";
                QCOMPARE(files, kept);
            });
        // Presets put back from a back-up: only those, one record write each (no bulk bracket), each slot read for
        // Undo first and read back after.
        for (const QList<int>& only : {QList<int>{5}, QList<int>{2, 5, 99}})
            row(
                only.size() == 1 ? "restore --only U05" : "restore --only U02 U05 U99", ariette, 1019,
                [only](Ctx& c) {
                    writeBank(c.dir + "/r.tarb", c.before, 1, true);
                    c.worker->setSelectedRestore(c.dir + "/r.tarb", only, {}, false);
                    c.bus.clearTraffic(U);
                },
                FaultKind::None, 0,
                only.size() == 1
                    ? QStringList{"progress(Keeping what is overwritten, for Undo,4000,4000)", "undoAvailable(1)",
                                  "updateText(Restoring U05 from r.tarb...)", "record(0,1,4)",
                                  "updateText(Restored U05 from r.tarb.)",
                                  "operationFinished(0,true)"}
                    : QStringList{"progress(Keeping what is overwritten, for Undo,12000,12000)", "undoAvailable(2)",
                                  "updateText(Restoring U02, U05 and U99 from r.tarb...)", "record(0,1,1)",
                                  "record(0,1,4)", "record(0,1,98)", "updateText(Restored U02, U05 and U99 from r.tarb.)", "operationFinished(0,true)"},
                [only](Ctx& c) {
                    QCOMPARE(presetRequests(c.bus),
                             only.size() == 1 ? "written 1, bulk 0, read 2" : "written 3, bulk 0, read 6");
                    for (int n = 1; n <= 100; ++n)
                        QCOMPARE(c.bus.record(U, n), c.before.record(only.contains(n) ? n + 100 : n));
                });
        // Two presets of a back-up dropped onto other slots: a write each, shown in the list, one entry for Undo.
        row(
            "back-up presets into other slots", ariette, 1019,
            [](Ctx& c) {
                writeBank(c.dir + "/r.tarb", c.before, 1, true);
                c.worker->setSelectedRestore(c.dir + "/r.tarb", {3, 4}, {}, false, {10, 11});
            },
            FaultKind::None, 0,
            // The journal still holds the two restores --only above: this is its third entry.
            {"progress(Keeping what is overwritten, for Undo,8000,8000)", "undoAvailable(3)",
             "updateText(Restoring U03 into U10 and U04 into U11 from r.tarb...)", "record(0,1,9)", "record(0,1,10)",
             "updateText(Restored U03 into U10 and U04 into U11 from r.tarb.)", "operationFinished(0,true)"},
            [](Ctx& c) {
                for (int n = 2; n <= 12; ++n)
                    QCOMPARE(c.bus.record(U, n), c.before.record(n == 10 ? 103 : n == 11 ? 104 : n));
            });
        row(
            "back up, unit lost", ariette, 1013, [](Ctx& c) { c.worker->setBackUpFilePath(c.dir + "/b.tarb"); },
            FaultKind::Vanish, 10,
            {"progress(Backing up presets 1 of 100,2100,53900)", "updateText(Backing up user presets and set lists...)",
             kLost, "operationFinished(4,false)"},
            [](Ctx& c) { QVERIFY(!QFile::exists(c.dir + "/b.tarb")); });
        row(
            "back up, stopped by the user", ariette, 1013,
            [](Ctx& c) {
                c.worker->setBackUpFilePath(c.dir + "/b.tarb");
                c.worker->requestStop();
            },
            FaultKind::None, 0,
            {"progress(Backing up presets 1 of 100,500,53900)", "updateText(Backing up user presets and set lists...)",
             "updateText(Stopped. The back-up file was not written.)", "operationFinished(16,false)"},
            [](Ctx& c) { QVERIFY(!QFile::exists(c.dir + "/b.tarb")); });
        row(
            "firmware, upper-case LDR", ariette, 1016,
            [](Ctx& c) {
                QVERIFY(writeFile(c.dir + "/dsp.LDR", "0x12\n0x34\n0x56\n"));
                c.worker->setFirmwareFilePath(c.dir + "/dsp.LDR");
            },
            FaultKind::None, 0,
            {"progress(Backing up the unit first: preset 1 of 100,53902,53902)", kBackingUp,
             "updateText(Updating DSP Firmware.\nDo not disconnect or power down the device.)",
             "updateText(Do not power down the device until the Tessitra display says:\n\"Done - Cycle power now\".)",
             "operationFinished(0,false)"},
            [](Ctx& c) {
                QVERIFY(c.bus.unit(U).dspImage().verified);
                QCOMPARE(c.bus.unit(U).dspImage().data.left(4), QByteArray("\x12\x34\x56\x00", 4));
            });
        // New factory presets: the Cadenzo only, from its FactoryPresets.dat.
        const Step factoryFile = [](Ctx& c) {
            writeBank(g_cadenzoFactoryPresetsFolder + "/FactoryPresets.dat", c.before, 101, false, 0x42);
        };
        row("factory update", UnitModel::Cadenzo, 1015, factoryFile, FaultKind::None, 0,
            {"progress(Backing up the unit first: preset 1 of 100,250900,250900)", kBackingUp,
             "updateText(updating factory presets...)", "operationFinished(0,false)",
             "updateText(Please perform a factory reset of your device.)"},
            [](Ctx& c) {
                for (int n = 101; n <= 200; ++n)
                    QCOMPARE(c.bus.record(U, n), c.before.record(n - 100));
            });
        // Without a unit an operation says so and does nothing else.
        row("no unit", ariette, 1013, [](Ctx& c) { c.bus.unplug(U); }, FaultKind::None, 0,
            {"progress(Backing up presets 1 of 100,0,53900)", "updateText(Device disconnected!)",
             "operationFinished(-1,false)"},
            {});
    }

    // Each operation's signals, framed by busy and idle, and what the unit and the files hold afterwards.
    void operations()
    {
        QFETCH(UnitModel, model);
        QFETCH(int, type);
        QFETCH(Step, prepare);
        QFETCH(FaultKind, fault);
        QFETCH(int, count);
        QFETCH(QStringList, expected);
        QFETCH(Step, check);
        VirtualBusFixture bus;
        QVERIFY(bus.plug(U, model));
        QTemporaryDir dir;
        Workers workers;
        QVERIFY(workers.relay.waitFor("undoAvailable")); // the last word on detection
        Ctx c{workers.device, bus, dir.path(), bus.unit(U)};
        if (prepare)
            prepare(c);
        if (!bus.isPlugged(U))
            QVERIFY(workers.relay.waitFor("noDevice()"));
        QCOMPARE(workers.run(bus, type, fault, count),
                 QStringList{"deviceBusy()"} + expected + QStringList{"deviceIdle()"});
        if (check)
            check(c);
        // The exit sequence ends both threads promptly with a unit open and events queued.
        for (int i = 0; i < 50; ++i)
            QCoreApplication::postEvent(workers.device, new QEvent(D::ReadUserPresetsEvent));
        QElapsedTimer clock;
        clock.start();
        workers.stop();
        QVERIFY(clock.elapsed() < 3000);
    }

    // An overwrite undone after a restart of the program; a journal damaged or made for the other model is refused,
    // set aside and never applied.
    void undo_data()
    {
        QTest::addColumn<int>("spoil"); // 0 none, below 0 the unit goes after -spoil reports, else the byte changed
        QTest::addColumn<QStringList>("expected");
        const QString refused = "updateText(The undo journal was damaged or made for another unit and was not used. "
                                "It was set aside as undo 385cfdbc00ec3203.journal.damaged-T.)";
        QTest::newRow("after a restart") << 0
                                         << QStringList{"record(0,1,4)", "undoAvailable(0)",
                                                        "updateText(Undone: copy F07 to U05.)",
                                                        "operationFinished(0,false)"};
        QTest::newRow("damaged") << 40 << QStringList{refused, "undoAvailable(0)", "operationFinished(18,false)"};
        QTest::newRow("the Cadenzo's") << 9 << QStringList{refused, "undoAvailable(0)", "operationFinished(18,false)"};
        QTest::newRow("unit gone") << -5
                                   << QStringList{"updateText(Failed to communicate with device.)",
                                                  "operationFinished(5,false)"};
    }
    void undo()
    {
        QFETCH(int, spoil);
        VirtualBusFixture bus;
        QVERIFY(bus.plug(U, UnitModel::Ariette));
        const VirtualUnit before = bus.unit(U);
        const QString journal = UndoJournal::pathFor(g_arietteFolder, U);
        for (const QString& name : QDir(g_arietteFolder).entryList({"undo*"}))
            QFile::remove(g_arietteFolder + "/" + name);
        {
            Workers workers;
            QVERIFY(workers.relay.waitFor("undoAvailable(0)"));
            workers.device->setPresetTransfer({5}, {}, {107});
            QCOMPARE(workers.run(bus, 1011),
                     QStringList({"deviceBusy()", "progress(Keeping what is overwritten, for Undo,4500,4500)",
                                  "undoAvailable(1)", "record(0,1,4)", "updateText(Success.)",
                                  "operationFinished(0,true)", "deviceIdle()"}));
        }
        QCOMPARE(bus.record(U, 5), before.record(107));
        QByteArray bytes = readFile(journal);
        QCOMPARE(bytes.left(28).toHex(), QByteArray("5453554a000200000021000000030000001000000078000000640000"));
        if (spoil > 0) // 9: the product code made a Cadenzo's, with a hash that agrees; else one byte changed
            bytes[spoil] = char(spoil == 9 ? 0x42 : bytes[spoil] ^ 1);
        if (spoil == 9)
            bytes = bytes.chopped(32) + QCryptographicHash::hash(bytes.chopped(32), QCryptographicHash::Sha256);
        QVERIFY(writeFile(journal, bytes));
        Workers workers;
        QVERIFY(workers.relay.waitFor(spoil > 0 ? "undoAvailable(0)" : "undoAvailable(1)"));
        QStringList seen = workers.run(bus, 1017, spoil < 0 ? FaultKind::Vanish : FaultKind::None, -spoil);
        seen.replaceInStrings(QRegularExpression("damaged-\\d{8}-\\d{6}"), "damaged-T");
        QTEST(QStringList(seen.mid(1, seen.size() - 2)), "expected");
        if (spoil < 0) { // the journal is kept as it was and offered again once the unit is back
            QCOMPARE(readFile(journal), bytes);
            QVERIFY(workers.relay.waitFor("deviceRemoved()") && bus.plug(U, UnitModel::Ariette));
            QVERIFY(workers.relay.waitFor("undoAvailable(1)"));
            return;
        }
        QCOMPARE(bus.record(U, 5), spoil ? before.record(107) : before.record(5));
        QCOMPARE(QDir(g_arietteFolder).entryList({"undo *.journal*"}).size(), 1); // set aside, never deleted
        QCOMPARE(QFile::exists(journal), !spoil);
    }
};

QTEST_GUILESS_MAIN(TestWorker)
#include "tst_worker.moc"
