// The device worker's operations, run the way the window runs them: the worker moved into its own thread and
// started, a virtual unit plugged in, the operation's data stored through a setter and its event posted. Every
// signal is recorded in the order it was emitted; protocol waits are recorded, not slept.

#include "Connect.h"
#include "DeviceManagerThread.h"
#include "SerialPatchCollection.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "protocol.h"
#include "usbids.h"

#include "support/SleepRecorder.h"
#include "support/VirtualBusFixture.h"

#include <QtTest>

#include <functional>
#include <memory>
#include <mutex>

namespace {
using D = DeviceManagerThread;
constexpr int kTimeoutMs = 5000;
const QString U = QStringLiteral("unit");
const QString kLost = QStringLiteral("text(Failed to communicate with device.)");
enum Model
{
    NoUnit = -1,
    Ariette = 0,
    Cadenzo = 1
};

std::mutex g_logMutex;
QStringList g_logLines;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    g_logLines.append(message);
}
bool logged(const QString& line)
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    return g_logLines.contains(line);
}

// The worker's signals as text, on the test thread, in emission order. Arrays handed over are taken over here.
class SignalLog : public QObject
{
public:
    explicit SignalLog(D* worker)
    {
        connect(worker, &D::deviceRemoved, this, [this] { add("deviceRemoved"); });
        connect(worker, &D::deviceBusy, this, [this] { add("busy"); });
        connect(worker, &D::deviceIdle, this, [this] { add("idle"); });
        connect(worker, &D::operationFinished, this,
                [this](int code, bool close) { add(QString("finished(%1,%2)").arg(code).arg(close)); });
        connect(worker, &D::updateText, this, [this](const QString& text) { add("text(" + text + ")"); });
        // Progress reports are many and their pace is the link's business; only the reset (0, 0) is logged.
        connect(worker, &D::dataSent, this, [this](quint64 total, quint64 done) {
            if (total == 0)
                add(QString("dataSent(%1,%2)").arg(total).arg(done));
        });
        connect(worker, &D::setListData, this, [this](int number, const int* data) {
            std::unique_ptr<const int[]> owned(data);
            setLists[number] = QVector<int>(data, data + 20);
            add(QString("setList(%1)").arg(number));
        });
        connect(worker, qOverload<int, int, int, int*, int, int, int, int>(&D::singlePresetData), this,
                [this](int storage, int base, int offset, int* data, int, int, int, int) {
                    std::unique_ptr<int[]> owned(data);
                    add(QString("record(%1,%2,%3)").arg(storage).arg(base).arg(offset));
                });
        connect(worker, qOverload<int, int, int, QString, int, int, int, int>(&D::singlePresetData), this,
                [this](int storage, int base, int offset, const QString& name, int, int, int, int) {
                    // Names in slot order count up one entry "names(storage)xN"; anything else shows on its own.
                    names[storage].append(name);
                    const QString run = QString("names(%1)x").arg(storage);
                    if (base != (storage ? 101 : 1) || offset != names[storage].size() - 1)
                        add(QString("nameAt(%1)").arg(offset));
                    else if (!entries.isEmpty() && entries.last().startsWith(run))
                        entries.last() = run + QString::number(offset + 1);
                    else
                        add(run + "1");
                });
    }
    void add(const QString& entry) { entries.append(entry); }
    void clear()
    {
        entries.clear();
        names.clear();
        setLists.clear();
    }
    QStringList entries;
    QMap<int, QStringList> names;
    QMap<int, QVector<int>> setLists;
};

// What one operation did: its signals, its waits and what it sent.
struct Run
{
    QStringList view;
    QList<int> waits;
    QVector<TrafficEntry> sent;
    QMap<int, QStringList> names;
    QMap<int, QVector<int>> setLists;
};

QStringList frame(const QStringList& middle)
{
    return QStringList{"busy"} + middle + QStringList{"idle"};
}
QString finished(int code, bool close)
{
    return QString("finished(%1,%2)").arg(code).arg(close);
}
QString names(int storage, int count)
{
    return QString("names(%1)x%2").arg(storage).arg(count);
}

// Test-side files, written with the collection format's own writers.
void writePreset(const QString& path, const QVector<int>& record, const UnitIdentity& id, int productCode = -1)
{
    const SpcPatchFile f = {productCode < 0 ? id.productCode : productCode, id.patchVersion, id.nameLength,
                            id.paramCount, record.constData()};
    QCOMPARE(SpcWritePatch(path.toLocal8Bit().constData(), SPC_VERSION, f), 0);
}
void writeBank(const QString& path, const VirtualUnit& unit, int base, bool withSetLists, int productCode = -1)
{
    const UnitIdentity& id = unit.identity();
    QVector<int> bank, lists;
    for (int n = base; n < base + id.presetCount; ++n)
        bank += unit.record(n);
    for (int j = 0; j < 5; ++j)
        lists += unit.setList(j);
    const SpcCollectionFile f = {productCode < 0 ? id.productCode : productCode,
                                 id.patchVersion,
                                 id.nameLength,
                                 id.paramCount,
                                 id.presetCount,
                                 bank.constData(),
                                 int(bank.size()),
                                 withSetLists ? lists.constData() : nullptr,
                                 withSetLists ? 100 : 0,
                                 nullptr,
                                 0};
    QCOMPARE(SpcWriteCollection(path.toLocal8Bit().constData(), SPC_VERSION, f), 0);
}
void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
QString factoryFile(int model)
{
    return (model == Cadenzo ? g_cadenzoFactoryPresetsFolder : g_arietteFactoryPresetsFolder) + "/FactoryPresets.dat";
}

// What a prepare or check step of a table row gets.
struct Ctx
{
    D* worker;
    VirtualBusFixture& bus;
    QString dir;
    VirtualUnit before; // the unit as the operation found it
    Run run;
    QString file(const QString& name) const { return dir + '/' + name; }
};
using Step = std::function<void(Ctx&)>;
using SlotMap = QMap<int, int>;
} // namespace

Q_DECLARE_METATYPE(FaultKind)
Q_DECLARE_METATYPE(Step)

class TestOperations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void readCascade_data();
    void readCascade();
    void operations_data();
    void operations();
    void needsUnit();

private:
    bool useUnit(int model);
    Run run(QEvent::Type type, const std::function<void()>& beforeOnWorker = {},
            const std::function<void()>& afterOnWorker = {});

    QTemporaryDir m_home;
    std::unique_ptr<VirtualBusFixture> m_bus;
    std::unique_ptr<SleepRecorder> m_sleeps;
    D* m_pWorker = nullptr;
    CFirmwareUpdate* m_pUpdate = nullptr;
    std::unique_ptr<SignalLog> m_log;
    int m_model = NoUnit;
    QtMessageHandler m_previousHandler = nullptr;
};

// One worker for the whole suite, started as the window starts it; rows only re-plug the unit when they need
// another model or the last row lost it.
void TestOperations::initTestCase()
{
    m_previousHandler = qInstallMessageHandler(&captureMessage);
    buildDataFolders(m_home.path());
    QVERIFY(QDir().mkpath(g_arietteFactoryPresetsFolder) && QDir().mkpath(g_cadenzoFactoryPresetsFolder));
    m_bus = std::make_unique<VirtualBusFixture>();
    m_sleeps = std::make_unique<SleepRecorder>();
    m_pUpdate = CFirmwareUpdate::instance();
    m_pWorker = D::instance();
    m_log = std::make_unique<SignalLog>(m_pWorker);
    m_pUpdate->moveToThread(m_pUpdate);
    m_pUpdate->start();
    m_pWorker->moveToThread(m_pWorker);
    m_pWorker->start();
}

void TestOperations::cleanupTestCase()
{
    m_pWorker->setAbort(true);
    m_pWorker->quit();
    m_pWorker->wait();
    delete m_pWorker;
    m_pUpdate->setStopping(true);
    m_pUpdate->quit();
    m_pUpdate->wait();
    delete m_pUpdate;
    m_sleeps.reset();
    m_bus.reset();
    qInstallMessageHandler(m_previousHandler);
}

void TestOperations::init()
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    g_logLines.clear();
}

bool TestOperations::useUnit(int model)
{
    if (m_bus->isPlugged(U) && m_model != model)
        m_bus->unplug(U);
    if (!m_bus->isPlugged(U)) {
        // Let the worker notice the loss first, so that the next detection is that of the new unit.
        if (!QTest::qWaitFor([] { return !g_bDeviceConnected.load(); }, 3 * kTimeoutMs))
            return false;
        m_model = NoUnit;
        if (model == NoUnit)
            return true;
        m_bus->plug(U, model == Cadenzo ? UnitModel::Cadenzo : UnitModel::Ariette);
        m_model = model;
    }
    const int pid = model == Cadenzo ? UsbIds::CadenzoProductId : UsbIds::ArietteProductId;
    return QTest::qWaitFor([&] { return g_bDeviceConnected.load() && m_pWorker->productId() == pid; }, 3 * kTimeoutMs);
}

// Posts the event and marks its start and end from the worker itself: the markers and the event are handed out
// in one pass of the worker's queue, so no poll falls between them, and the fault is lifted before the next.
Run TestOperations::run(QEvent::Type type, const std::function<void()>& beforeOnWorker,
                        const std::function<void()>& afterOnWorker)
{
    m_log->clear();
    Run r;
    int waitsAt = 0, sentAt = 0;
    SignalLog* log = m_log.get();
    const auto mark = [log](const char* marker) {
        QMetaObject::invokeMethod(
            log, [log, marker] { log->add(marker); }, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(
        m_pWorker,
        [&] {
            QMetaObject::invokeMethod(
                m_pWorker,
                [&] {
                    waitsAt = m_sleeps->waits().size();
                    sentAt = m_bus->sentReports(U).size();
                    if (beforeOnWorker) // faults are set here: a poll would use up a report count
                        beforeOnWorker();
                    mark("<");
                },
                Qt::QueuedConnection);
            QCoreApplication::postEvent(m_pWorker, new QEvent(type));
            QMetaObject::invokeMethod(
                m_pWorker,
                [&] {
                    r.waits = m_sleeps->waits().mid(waitsAt);
                    r.sent = m_bus->sentReports(U).mid(sentAt);
                    // Lift the fault and drop replies a failed exchange left unread, so the next row starts clean.
                    m_bus->setFault(U, FaultKind::None);
                    m_bus->modifyUnit(U, [](VirtualUnit& unit) {
                        unsigned char report[64];
                        while (unit.pendingReports() > 0)
                            unit.readReport(report, sizeof report);
                    });
                    if (afterOnWorker)
                        afterOnWorker();
                    mark(">");
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    if (!QTest::qWaitFor([log] { return log->entries.contains(">"); }, 3 * kTimeoutMs))
        return Run{{"timed out"}, {}, {}, {}, {}};
    r.names = log->names;
    r.setLists = log->setLists;
    const QStringList& all = log->entries;
    for (int i = all.indexOf("<") + 1; i < all.indexOf(">"); ++i)
        r.view.append(all[i]);
    return r;
}

void TestOperations::readCascade_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("file"); // FactoryPresets.dat: present, missing, corrupt
    for (int model : {Ariette, Cadenzo}) {
        const QString m = model == Cadenzo ? "cadenzo, " : "ariette, ";
        QTest::newRow(qPrintable(m + "file present")) << model << 1001 << "present";
        QTest::newRow(qPrintable(m + "file made from the unit")) << model << 1001 << "missing";
        QTest::newRow(qPrintable(m + "corrupt file")) << model << 1001 << "corrupt";
    }
    QTest::newRow("user presets") << int(Ariette) << 1003 << "present";
    QTest::newRow("refresh user presets") << int(Cadenzo) << 1004 << "present";
    QTest::newRow("set lists") << int(Ariette) << 1005 << "present";
    QTest::newRow("no unit, file present") << int(NoUnit) << 1001 << "present";
}

// Factory names (from the file, made from the unit, or from the unit), user names, then the five set lists.
void TestOperations::readCascade()
{
    QFETCH(int, model);
    QFETCH(int, type);
    QFETCH(QString, file);
    QVERIFY(useUnit(model == NoUnit ? Ariette : model));
    const VirtualUnit unit = m_bus->unit(U);
    QVERIFY(useUnit(model));
    const QString path = factoryFile(model);
    const QString folder = QFileInfo(path).path();
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    VirtualUnit named = unit; // the file's own names prove where the names came from
    for (int n = 101; n <= 200; ++n) {
        QVector<int> r = named.record(n);
        const QByteArray name = QString("File %1").arg(n).toLatin1().leftJustified(16, ' ');
        std::copy(name.begin(), name.end(), r.begin());
        named.setRecord(n, r);
    }
    if (file == "present")
        writeBank(path, named, 101, false);
    if (file == "corrupt")
        writeBytes(path, QByteArray(300, 'z'));

    const Run r = run(QEvent::Type(type));

    QStringList expected, factory, user;
    for (int n = 1; n <= 100; ++n) {
        factory.append(file == "present" ? QString("File %1").arg(n + 100) : unit.presetName(n + 100).trimmed());
        user.append(unit.presetName(n));
    }
    // A corrupt file is set aside under a name that says so and made again from the unit.
    const bool factoryNames = type <= 1002, userNames = type <= 1004 && model != NoUnit;
    const QString aside = QDir(folder).entryList({"FactoryPresets.dat.damaged-*"}).value(0);
    if (type <= 1002)
        expected << "text(Reading factory presets...)"
                 << (file == "corrupt" ? "text(The factory preset file was damaged or made for another unit. It was "
                                         "set aside as " +
                                             aside + " and is made again from the unit.)"
                                       : QString())
                 << names(1, 100);
    if (model == NoUnit) {
        expected << "text(Device disconnected!)" << finished(-1, false);
    } else {
        if (type <= 1004)
            expected << "text(Reading user presets...)" << names(0, 100);
        expected << "dataSent(0,0)"
                 << "text(Reading set lists...)";
        for (int j = 0; j < 5; ++j) {
            expected << QString("setList(%1)").arg(j);
            QCOMPARE(r.setLists.value(j), unit.setList(j));
        }
        expected << finished(0, true);
        QCOMPARE(r.waits.mid(r.waits.size() - 6), (QList<int>{1000, 300, 300, 300, 300, 300}));
    }
    expected.removeAll(QString());
    QCOMPARE(r.view, frame(expected));
    QCOMPARE(r.names.value(1), factoryNames ? factory : QStringList());
    QCOMPARE(r.names.value(0), userNames ? user : QStringList());
    QCOMPARE(logged("Failed to read factory presets"), false);
    if (file == "corrupt")
        QCOMPARE(readBytes(folder + "/" + aside), QByteArray(300, 'z'));
    const UnitIdentity& id = unit.identity();
    if (file != "present") // made from the unit's factory bank: every record, no set lists, no parameters
        QCOMPARE(QFileInfo(path).size(), 56 + 100 * (id.nameLength + id.paramCount) * 4);
    if (file == "present") // nothing but names was asked of the unit
        for (const TrafficEntry& e : r.sent)
            QVERIFY(e.command != Protocol::Cmd::ReadPresetData);
}

void TestOperations::operations_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("type");
    QTest::addColumn<Step>("prepare");
    QTest::addColumn<FaultKind>("fault");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<Step>("check");
    const FaultKind none = FaultKind::None, refuse = FaultKind::WriteFailure, vanish = FaultKind::Vanish;
    const auto row = [](const char* name, int model, int type, const Step& prepare, FaultKind fault, int count,
                        const QStringList& expected, const Step& check = {}) {
        QTest::newRow(name) << model << type << prepare << fault << count << expected << check;
    };
    const auto text = [](const QString& t) -> QString { return "text(" + t + ")"; };
    const QString success = text("Success.");
    const QStringList lost5{kLost, finished(5, false)};

    // The cascade with the unit pulled out: while making the factory file, among the user names, among the set
    // lists. What arrived before stays arrived; the next poll reports the loss.
    const Step noFactoryFile = [](Ctx&) {
        QFile::remove(factoryFile(Ariette));
        QVERIFY(QDir().mkpath(g_arietteFactoryPresetsFolder));
    };
    row("factory names, unit lost", Ariette, 1001, noFactoryFile, vanish, 21,
        {text("Reading factory presets..."), text("Failed to read factory presets."), finished(4, false)},
        [](Ctx&) { QVERIFY(!QFile::exists(factoryFile(Ariette))); });
    row("user names, unit lost", Ariette, 1003, {}, vanish, 60,
        {text("Reading user presets..."), names(0, 29), kLost, finished(4, false)});
    row("set lists, unit lost", Ariette, 1005, {}, vanish, 6,
        {"dataSent(0,0)", text("Reading set lists..."), "setList(0)", "setList(1)", text("Failed to read set lists."),
         finished(5, false)});

    // Presets saved to cleaned file names, replacing whatever was there, with the bytes a single save makes.
    const auto save = [](const QStringList& texts, const QList<int>& numbers, const QStringList& files) {
        return Step([=](Ctx& c) {
            QList<D::SaveItem> items;
            for (int i = 0; i < texts.size(); ++i) {
                items.append({texts[i], numbers[i]});
                writeBytes(c.file(files[i]), "stale");
            }
            c.worker->setSaveItems(items, c.dir);
        });
    };
    const auto saved = [](const QList<int>& numbers, const QStringList& files) {
        return Step([=](Ctx& c) {
            for (int i = 0; i < files.size(); ++i) {
                writePreset(c.file("ref"), c.before.record(numbers[i]), c.before.identity());
                QCOMPARE(readBytes(c.file(files[i])), readBytes(c.file("ref")));
            }
        });
    };
    const auto saving = [text](const QString& file) { return text("Saving <b>" + file + "</b>."); };
    const QStringList unsafe{"a|b\"c>d<e:f*g?h\\i/j\nk\rl"};
    row("save", Ariette, D::SavePresetsToFilesEvent,
        save({"U01/A:B", "F07 Hall"}, {1, 107}, {"U01_A_B.tarp", "F07 Hall.tarp"}), none, 0,
        {saving("U01_A_B.tarp"), saving("F07 Hall.tarp"), finished(0, true)},
        saved({1, 107}, {"U01_A_B.tarp", "F07 Hall.tarp"}));
    row("save, cadenzo, every unsafe character", Cadenzo, D::SavePresetsToFilesEvent,
        save(unsafe, {100}, {"a_b_c_d_e_f_g_h_i_j_k_l.tscp"}), none, 0,
        {saving("a_b_c_d_e_f_g_h_i_j_k_l.tscp"), finished(0, true)}, saved({100}, {"a_b_c_d_e_f_g_h_i_j_k_l.tscp"}));
    row("save, unit lost at the second", Ariette, D::SavePresetsToFilesEvent,
        save({"a", "b"}, {2, 3}, {"a.tarp", "b.tarp"}), vanish, 4,
        {saving("a.tarp"), saving("b.tarp"),
         text("Failed to communicate with device.\n<b>b.tarp</b> was not saved; any earlier file of that name is "
              "unchanged."),
         finished(4, false)},
        [](Ctx& c) { QVERIFY(QFile::exists(c.file("a.tarp")) && readBytes(c.file("b.tarp")) == "stale"); });

    // A set list: read, the edits laid over it, all 20 slots written, 1000 ms, read back for the window.
    const auto edit = [](int list, const SlotMap& edits) {
        return Step([=](Ctx& c) { c.worker->setSetListEdit(list, edits); });
    };
    const auto edited = [](int list, const SlotMap& edits) {
        return Step([=](Ctx& c) {
            QVector<int> values = c.before.setList(list);
            for (auto it = edits.cbegin(); it != edits.cend(); ++it)
                values[it.key()] = it.value();
            QVector<int> written; // every set-list byte sent: exactly one write of all 20 slots
            for (const TrafficEntry& e : c.run.sent)
                for (char byte : e.command == Protocol::Cmd::SetListData ? e.payload() : QByteArray())
                    written.append(quint8(byte));
            QCOMPARE(written, values);
            QCOMPARE(c.bus.setList(U, list), values);
            QCOMPARE(c.run.setLists.value(list), values);
            QCOMPARE(c.run.waits, (QList<int>{300, 3000, 1000, 300}));
        });
    };
    const SlotMap edits{{0, 105}, {5, 0}, {19, 7}};
    row("set list, no edits", Ariette, 1006, edit(1, {}), none, 0, {"setList(1)", text("Success"), finished(0, true)},
        edited(1, {}));
    row("set list, edits", Ariette, 1006, edit(2, edits), none, 0, {"setList(2)", text("Success"), finished(0, true)},
        edited(2, edits));
    row("set list, write refused", Ariette, 1006, edit(3, edits), refuse, 2, lost5,
        [](Ctx& c) { QCOMPARE(c.bus.setList(U, 3), c.before.setList(3)); });

    // One preset file into user slot 7 (the file holds preset 5), then two files into 7 and factory slot 150.
    const auto presetFile = [](Ctx& c, const QString& name, int from, const QString& kind) {
        if (kind == "good" || kind == "foreign")
            writePreset(c.file(name), c.before.record(from), c.before.identity(), kind == "foreign" ? 0x42 : -1);
        if (kind == "corrupt")
            writeBytes(c.file(name), QByteArray(300, 'z'));
        return c.file(name);
    };
    const auto one = [presetFile](const QString& kind) {
        return Step([=](Ctx& c) { c.worker->setRenameData(7, presetFile(c, "one.tarp", 5, kind), 0, nullptr); });
    };
    const auto two = [presetFile](const QString& kind) {
        return Step([=](Ctx& c) {
            c.worker->setPresetTransfer({7, 150},
                                        {presetFile(c, "a.tarp", 5, "good"), presetFile(c, "b.tarp", 6, kind)}, {});
        });
    };
    row("load file", Ariette, 1008, one("good"), none, 0, {"record(0,1,6)", success, finished(0, true)}, [](Ctx& c) {
        QCOMPARE(c.bus.record(U, 7), c.before.record(5));
        QCOMPARE(c.run.waits, (QList<int>{1000, 3000})); // a pause before, the unit's store time after
    });
    row("load file, missing", Ariette, 1008, one("missing"), none, 0, {text("File not found."), finished(13, false)});
    row("load file, other model", Ariette, 1008, one("foreign"), none, 0,
        {text("File version mismatch."), finished(12, false)});
    // The single-file loader reads an unreadable file as a failed read.
    row("load file, corrupt", Ariette, 1008, one("corrupt"), none, 0, {kLost, finished(4, false)});
    row("load file, write refused", Ariette, 1008, one("good"), refuse, 1, lost5);
    row("load files", Ariette, 1009, two("good"), none, 0,
        {"record(0,1,6)", "record(1,101,49)", success, finished(0, true)}, [](Ctx& c) {
            QCOMPARE(c.bus.record(U, 7), c.before.record(5));
            QCOMPARE(c.bus.record(U, 150), c.before.record(6));
        });
    row("load files, missing", Ariette, 1009, two("missing"), none, 0,
        {text("File(s) not found."), finished(13, false)});
    row("load files, other model", Ariette, 1009, two("foreign"), none, 0,
        {text("File(s) version mismatch."), finished(12, false)});
    row("load files, corrupt", Ariette, 1009, two("corrupt"), none, 0,
        {text("File(s) data corrupted."), finished(11, false)});
    row("load files, write refused", Ariette, 1009, two("good"), refuse, 1, lost5);

    const Step copyOne = [](Ctx& c) { c.worker->setRenameData(9, QString(), 104, nullptr); };
    row("copy", Ariette, 1010, copyOne, none, 0, {"record(0,1,8)", success, finished(0, true)}, [](Ctx& c) {
        QCOMPARE(c.bus.record(U, 9), c.before.record(104));
        QCOMPARE(c.run.waits.first(), 3000);
    });
    row("copy, write refused", Ariette, 1010, copyOne, refuse, 3, lost5);
    const Step copyTwo = [](Ctx& c) { c.worker->setPresetTransfer({3, 4}, {}, {101, 102}); };
    row("copies", Ariette, 1011, copyTwo, none, 0, {"record(0,1,2)", "record(0,1,3)", success, finished(0, true)},
        [](Ctx& c) { QCOMPARE(c.bus.record(U, 4), c.before.record(102)); });
    row("copies, unit lost", Ariette, 1011, copyTwo, vanish, 0, lost5);

    const Step rename = [](Ctx& c) { c.worker->setRenameData(12, "New Name", 0, nullptr); };
    row("rename", Ariette, 1012, rename, none, 0, {"record(0,1,11)", success, finished(0, true)},
        [](Ctx& c) { QCOMPARE(c.bus.unit(U).presetName(12), QString("New Name        ")); });
    row("rename, write refused", Ariette, 1012, rename, refuse, 2, {kLost, finished(4, false)});

    const auto backUp = [](const QString& name) {
        return Step([=](Ctx& c) { c.worker->setBackUpFilePath(c.file(name)); });
    };
    const QString backingUp = text("Backing up user presets and set lists...");
    row("back up", Ariette, 1013, backUp("b.tarb"), none, 0,
        {backingUp, text("Succesfully backed up user presets and set lists."), finished(0, false)},
        [](Ctx& c) { QVERIFY(QFileInfo(c.file("b.tarb")).size() > 100 * 136 * 4); });
    row("back up, no such folder", Ariette, 1013, backUp("none/b.tarb"), none, 0,
        {backingUp,
         text("Failed to backed up user presets and set lists.\nThe file could not be written: the folder may be "
              "read-only or the disk full. Any earlier back-up of that name is unchanged."),
         finished(15, false)});
    row("back up, unit lost", Ariette, 1013, backUp("b.tarb"), vanish, 10, {backingUp, kLost, finished(4, false)});

    // The backup holds the factory bank as user presets, so a restore visibly changes the unit (product code 0:
    // no file at all).
    const auto restore = [](int productCode) {
        return Step([=](Ctx& c) {
            VirtualUnit source = c.before;
            for (int n = 1; n <= 100; ++n)
                source.setRecord(n, c.before.record(n + 100));
            if (productCode)
                writeBank(c.file("r.tarb"), source, 1, true, productCode);
            c.worker->setBackUpFilePath(c.file("r.tarb"));
        });
    };
    const QString restoring = text("Restoring user presets and set lists...");
    row("restore", Ariette, 1014, restore(0x21), none, 0,
        {restoring, text("Succesfully restored user presets and set lists."), finished(0, false)}, [](Ctx& c) {
            for (int n = 1; n <= 100; ++n)
                QCOMPARE(c.bus.record(U, n), c.before.record(n + 100));
            QList<int> waits{100};                    // before the bulk bracket
            waits += QVector<int>(100, 300).toList(); // one per record
            waits += QVector<int>(6, 3000).toList();  // after the bracket, after each set list
            waits += QVector<int>(8, 300).toList();   // one per parameter page
            waits << 5000;
            QCOMPARE(c.run.waits, waits); // 5000 after the last parameter page, before the text
        });
    row("restore, missing", Ariette, 1014, restore(0), none, 0,
        {restoring, text("Couldn't find a back up file.\nPlease back up first."), finished(13, false)});
    row("restore, other model", Ariette, 1014, restore(0x42), none, 0,
        {restoring, text("Failed to restore user presets and set lists."), finished(12, false)});
    const QString nothingWritten = "\nNothing was written; the unit holds its presets as before.)";
    row("restore, write refused", Ariette, 1014, restore(0x21), refuse, 5,
        {restoring, kLost.chopped(1) + nothingWritten, finished(5, false)});

    const auto firmware = [](const QString& name, const QByteArray& bytes) {
        return Step([=](Ctx& c) {
            writeBytes(c.file(name), bytes);
            c.worker->setFirmwareFilePath(c.file(name));
        });
    };
    const QString dsp = text("Updating DSP Firmware.\nDo not disconnect or power down the device.");
    const QString micro = text("Updating uP Firmware.\nDo not disconnect or power down the device.");
    const QString dspDone =
        text("Do not power down the device until the Tessitra display says:\n\"Done - Cycle power now\".");
    const QString microDone =
        text("Do not power down the device until  the Tessitra display says:\n\"Done - Cycle power now\".");
    const QByteArray ldr("0x12\n0x34\n0x56\n"), bin(100, '\x5A');
    row("firmware, upper-case LDR", Ariette, 1016, firmware("dsp.LDR", ldr), none, 0,
        {dsp, dspDone, finished(0, false)}, [](Ctx& c) {
            QVERIFY(c.bus.unit(U).dspImage().verified);
            QCOMPARE(c.bus.unit(U).dspImage().data.left(4), QByteArray("\x12\x34\x56\x00", 4));
        });
    row("firmware, bin", Ariette, 1016, firmware("micro.bin", bin), none, 0, {micro, microDone, finished(0, false)},
        [](Ctx& c) { QCOMPARE(c.bus.unit(U).microImage().data.size(), 112); });
    row("firmware, txt", Ariette, 1016, firmware("notes.txt", ldr), none, 0, {},
        [](Ctx& c) { QVERIFY(c.run.sent.isEmpty()); });
    row("firmware, ldr refused", Ariette, 1016, firmware("dsp.ldr", ldr), refuse, 1,
        {dsp,
         text("Failed to communicate with device.\n54 of 54 bytes of the firmware image were sent; the unit holds no "
              "complete new firmware. Keep it powered, connect it again and update the firmware again."),
         finished(5, false)});

    // New factory presets: the Cadenzo only, from its FactoryPresets.dat (here: its user bank in factory slots).
    const auto factory = [](bool present) {
        return Step([=](Ctx& c) {
            QFile::remove(factoryFile(Cadenzo));
            QVERIFY(QDir().mkpath(g_cadenzoFactoryPresetsFolder));
            VirtualUnit source = c.before;
            for (int n = 101; n <= 200; ++n)
                source.setRecord(n, c.before.record(n - 100));
            if (present)
                writeBank(factoryFile(Cadenzo), source, 101, false);
        });
    };
    const QString updating = text("updating factory presets...");
    row("factory update, ariette", Ariette, 1015, factory(true), none, 0, {text("Not allowed!"), finished(-1, false)},
        [](Ctx& c) { QVERIFY(c.run.sent.isEmpty()); });
    row("factory update", Cadenzo, 1015, factory(true), none, 0,
        {updating, finished(0, false), text("Please perform a factory reset of your device.")}, [](Ctx& c) {
            for (int n = 101; n <= 200; ++n)
                QCOMPARE(c.bus.record(U, n), c.before.record(n - 100));
        });
    row("factory update, missing", Cadenzo, 1015, factory(false), none, 0,
        {updating, finished(13, false), text("Factory preset file not found. Please re-install the application.")});
    row("factory update, write refused", Cadenzo, 1015, factory(true), refuse, 3,
        {updating, finished(5, false),
         text("Failed to update factory presets. Please try again.").chopped(1) + nothingWritten});
}

// Each operation's texts and result, framed by busy and idle, and what the unit holds afterwards.
void TestOperations::operations()
{
    QFETCH(int, model);
    QFETCH(int, type);
    QFETCH(Step, prepare);
    QFETCH(FaultKind, fault);
    QFETCH(int, count);
    QFETCH(QStringList, expected);
    QFETCH(Step, check);
    QVERIFY(useUnit(model));
    QTemporaryDir dir;
    Ctx c{m_pWorker, *m_bus, dir.path(), m_bus->unit(U), {}};
    if (prepare)
        prepare(c);
    c.run = run(QEvent::Type(type), [&] { m_bus->setFault(U, fault, count); });
    QCOMPARE(c.run.view, frame(expected));
    if (check)
        check(c);
}

// Without a unit every operation but the cascade's factory step says so and does nothing else.
void TestOperations::needsUnit()
{
    QVERIFY(useUnit(NoUnit));
    QTemporaryDir dir;
    writeBytes(dir.filePath("dsp.ldr"), "0x01\n");
    m_pWorker->setFirmwareFilePath(dir.filePath("dsp.ldr"));
    for (int type = D::WriteSetListEvent; type <= D::UpdateFirmwareEvent; ++type)
        QCOMPARE(run(QEvent::Type(type)).view, frame({"text(Device disconnected!)", finished(-1, false)}));
    QCOMPARE(run(D::ReadUserPresetsEvent).view, frame({"text(Device disconnected!)", finished(-1, false)}));
}

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
