// The device worker's poll and event frame, and the update worker's thread life, driven the way the window
// drives them: each worker moved into its own thread and started, the unit plugged into a virtual bus.
// The poll keeps its real one-second interval; protocol waits are recorded, not slept.

#include "DeviceManagerThread.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "hidseam.h"
#include "protocol.h"
#include "usbids.h"

#include "support/SleepRecorder.h"
#include "support/VirtualBusFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <mutex>

Q_DECLARE_METATYPE(UnitModel)

namespace {

constexpr int kTimeoutMs = 5000; // a poll falls due every second; leave room for a loaded machine
const QString kLossText = QStringLiteral("Failed to communicate with device.");

// Log lines of every thread, captured for the "pid is" and "run thread" lines.
std::mutex g_logMutex; // a plain mutex: ThreadSanitizer sees through it
QStringList g_log;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    g_log.append(message);
}

QStringList logLines()
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    return g_log;
}

// Every signal of the device worker as one ordered list of texts, recorded on the test thread. The worker's
// signals queue into this thread in the order they were emitted, so the list shows their real order.
class SignalLog : public QObject
{
public:
    explicit SignalLog(DeviceManagerThread* worker)
    {
        using D = DeviceManagerThread;
        connect(worker, &D::deviceDetected, this,
                [this](int pid) { add(QString("deviceDetected(0x%1)").arg(pid, 0, 16)); });
        connect(worker, &D::multipleDeviceDetected, this, [this] { add("multipleDeviceDetected"); });
        connect(worker, &D::noDevice, this, [this] { add("noDevice"); });
        connect(worker, &D::deviceRemoved, this, [this] { add("deviceRemoved"); });
        connect(worker, &D::deviceBusy, this, [this] { add("deviceBusy"); });
        connect(worker, &D::deviceIdle, this, [this] { add("deviceIdle"); });
        connect(worker, &D::operationFinished, this, [this](int code, bool bClose) {
            add(QString("operationFinished(%1,%2)").arg(code).arg(bClose ? "true" : "false"));
        });
        connect(worker, &D::updateText, this, [this](const QString& text) { add("updateText(" + text + ")"); });
        connect(worker, &D::setListData, this, [this](int, const int* data) {
            delete[] data;
            add("setListData");
        });
        connect(worker, &D::dataSent, this, [this](quint64, quint64) { add("dataSent"); });
    }

    QStringList all() const { return m_entries; }
    int count(const QString& entry) const { return m_entries.count(entry); }
    // Everything except the once-a-second noDevice.
    QStringList withoutNoDevice() const
    {
        QStringList out;
        for (const QString& entry : m_entries)
            if (entry != "noDevice")
                out.append(entry);
        return out;
    }
    // What came after the first occurrence of `entry` (everything when it never came).
    QStringList after(const QString& entry) const { return m_entries.mid(m_entries.indexOf(entry) + 1); }

private:
    void add(const QString& entry) { m_entries.append(entry); }
    QStringList m_entries;
};

// Both workers, created, moved into their own threads and started as the window does after the splash, and
// stopped as the window does at exit: stop flag, quit, wait without limit, delete (device worker first).
class RunningWorkers
{
public:
    RunningWorkers()
    {
        m_pUpdate = CFirmwareUpdate::instance();
        m_pDevice = DeviceManagerThread::instance();
        m_log = std::make_unique<SignalLog>(m_pDevice);
        m_pUpdate->moveToThread(m_pUpdate);
        m_pUpdate->start();
        m_pDevice->moveToThread(m_pDevice);
        m_pDevice->start();
    }
    ~RunningWorkers() { stop(); }
    RunningWorkers(const RunningWorkers&) = delete;
    RunningWorkers& operator=(const RunningWorkers&) = delete;

    // The window's exit sequence, device worker first.
    void stop()
    {
        endDevice();
        delete m_pDevice;
        m_pDevice = nullptr;
        endUpdate();
        delete m_pUpdate;
        m_pUpdate = nullptr;
    }
    // Ends both threads; the objects stay for inspection until stop().
    void endThreads()
    {
        endDevice();
        endUpdate();
    }

    DeviceManagerThread* device() const { return m_pDevice; }
    CFirmwareUpdate* update() const { return m_pUpdate; }
    const SignalLog& log() const { return *m_log; }

private:
    void endDevice()
    {
        if (!m_pDevice)
            return;
        m_pDevice->setAbort(true);
        m_pDevice->quit();
        m_pDevice->wait();
    }
    void endUpdate()
    {
        if (!m_pUpdate)
            return;
        m_pUpdate->setStopping(true);
        m_pUpdate->quit();
        m_pUpdate->wait();
    }

    DeviceManagerThread* m_pDevice = nullptr;
    CFirmwareUpdate* m_pUpdate = nullptr;
    std::unique_ptr<SignalLog> m_log;
};

int identityRequests(const VirtualBusFixture& bus, const QString& name)
{
    int count = 0;
    for (const TrafficEntry& entry : bus.sentReports(name))
        if (entry.command == Protocol::Cmd::GetDeviceInfo)
            ++count;
    return count;
}

// A bus that also lists HID devices that are not ours, in front of whatever the virtual bus lists: another
// vendor's device with one of our product IDs, and one of our vendor's devices with another product ID.
const HidApi* g_pInnerApi = nullptr;
char g_foreignPath1[] = "foreign-vendor";
char g_foreignPath2[] = "foreign-product";
hid_device_info g_foreign[2];

hid_device_info* enumerateWithForeign(unsigned short vendorId, unsigned short productId)
{
    g_foreign[0] = hid_device_info();
    g_foreign[0].path = g_foreignPath1;
    g_foreign[0].vendor_id = 0x1234;
    g_foreign[0].product_id = UsbIds::ArietteProductId;
    g_foreign[1] = hid_device_info();
    g_foreign[1].path = g_foreignPath2;
    g_foreign[1].vendor_id = UsbIds::VendorId;
    g_foreign[1].product_id = 0x0B00;
    g_foreign[0].next = &g_foreign[1];
    g_foreign[1].next = g_pInnerApi->enumerate(vendorId, productId);
    return &g_foreign[0];
}

void freeWithForeign(hid_device_info* devices)
{
    while (devices == &g_foreign[0] || devices == &g_foreign[1])
        devices = devices->next;
    if (devices)
        g_pInnerApi->free_enumeration(devices);
}

} // namespace

class TestPoll : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void detection_data();
    void detection();
    void removalAndReplug();
    void enumeration_data();
    void enumeration();
    void callbacks_data();
    void callbacks();
    void eventFrame_data();
    void eventFrame();
    void abortDropsQueuedEvents();
    void stopSequence();

private:
    QtMessageHandler m_previousHandler = nullptr;
    std::unique_ptr<SleepRecorder> m_pSleeps;
};

void TestPoll::initTestCase()
{
    m_previousHandler = qInstallMessageHandler(&captureMessage);
}

void TestPoll::cleanupTestCase()
{
    qInstallMessageHandler(m_previousHandler);
    std::lock_guard<std::mutex> lock(g_logMutex);
    g_log.clear();
}

void TestPoll::init()
{
    m_pSleeps = std::make_unique<SleepRecorder>();
    std::lock_guard<std::mutex> lock(g_logMutex);
    g_log.clear();
}

void TestPoll::cleanup()
{
    m_pSleeps.reset();
    QVERIFY(!g_bDeviceConnected.load());
}

void TestPoll::detection_data()
{
    QTest::addColumn<UnitModel>("model");
    QTest::addColumn<int>("pid");
    QTest::addColumn<QString>("folder");
    QTest::newRow("ariette") << UnitModel::Ariette << int(UsbIds::ArietteProductId) << g_arietteFactoryPresetsFolder;
    QTest::newRow("cadenzo") << UnitModel::Cadenzo << int(UsbIds::CadenzoProductId) << g_cadenzoFactoryPresetsFolder;
}

// A unit plugged in is opened once, reported once, and then only asked for its identity once a second.
void TestPoll::detection()
{
    QFETCH(UnitModel, model);
    QFETCH(int, pid);
    QFETCH(QString, folder);

    VirtualBusFixture bus;
    QVERIFY(bus.plug("unit", model));
    RunningWorkers workers;
    const QString detected = QString("deviceDetected(0x%1)").arg(pid, 0, 16);

    QTRY_COMPARE_WITH_TIMEOUT(workers.log().count(detected), 1, kTimeoutMs);
    QVERIFY(g_bDeviceConnected.load());
    QCOMPARE(workers.device()->productId(), pid);
    QCOMPARE(workers.update()->productId(), pid);
    QVERIFY(logLines().contains(QString("pid is: 0x%1").arg(pid, 0, 16)));

    // Two more polls: each one identity request, and nothing reported while the unit keeps answering.
    const int requestsAtDetection = identityRequests(bus, "unit");
    QTRY_VERIFY_WITH_TIMEOUT(identityRequests(bus, "unit") >= requestsAtDetection + 2, 2 * kTimeoutMs);
    QCOMPARE(workers.log().all(), QStringList() << detected);
    for (int wait : m_pSleeps->waits())
        QCOMPARE(wait, Protocol::Settle::AfterIdentityRequest);

    // The worker's choice of factory presets folder is read once its thread has ended.
    workers.endThreads();
    QCOMPARE(workers.device()->factoryPresetFolder(), folder);
}

// Pulling the plug is reported once, in order; the next polls find nothing; plugging another unit in is a new
// detection with the new model's product ID.
void TestPoll::removalAndReplug()
{
    VirtualBusFixture bus;
    QVERIFY(bus.plug("first", UnitModel::Ariette));
    RunningWorkers workers;
    const QString ariette = QString("deviceDetected(0x%1)").arg(UsbIds::ArietteProductId, 0, 16);
    const QString cadenzo = QString("deviceDetected(0x%1)").arg(UsbIds::CadenzoProductId, 0, 16);

    QTRY_COMPARE_WITH_TIMEOUT(workers.log().count(ariette), 1, kTimeoutMs);
    QVERIFY(bus.unplug("first"));
    QTRY_VERIFY_WITH_TIMEOUT(workers.log().after("deviceRemoved").count("noDevice") >= 2, 3 * kTimeoutMs);

    const QStringList expected = QStringList() << ariette << "deviceRemoved"
                                               << "updateText(" + kLossText + ")"
                                               << "operationFinished(0,false)";
    // The loss is told once, in this order, and every poll after it finds nothing.
    const QStringList beforeReplug = workers.log().all();
    QCOMPARE(beforeReplug.mid(0, expected.size()), expected);
    QCOMPARE(beforeReplug.mid(expected.size()).count("noDevice"), beforeReplug.size() - expected.size());
    QVERIFY(!g_bDeviceConnected.load());
    QCOMPARE(workers.device()->productId(), -1);
    QCOMPARE(workers.update()->productId(), -1);

    QVERIFY(bus.plug("second", UnitModel::Cadenzo));
    QTRY_COMPARE_WITH_TIMEOUT(workers.log().count(cadenzo), 1, kTimeoutMs);
    QCOMPARE(workers.device()->productId(), int(UsbIds::CadenzoProductId));
    QCOMPARE(workers.update()->productId(), int(UsbIds::CadenzoProductId));
    QCOMPARE(workers.log().count("deviceRemoved"), 1);
}

void TestPoll::enumeration_data()
{
    QTest::addColumn<QList<UnitModel>>("units");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<QString>("expected"); // what every poll reports
    QTest::addColumn<bool>("opened");      // whether the poll talks to the units at all

    using L = QList<UnitModel>;
    QTest::newRow("two ariettes") << L{UnitModel::Ariette, UnitModel::Ariette} << false << false
                                  << "multipleDeviceDetected" << false;
    QTest::newRow("one of each") << L{UnitModel::Ariette, UnitModel::Cadenzo} << false << false
                                 << "multipleDeviceDetected" << false;
    QTest::newRow("silent unit") << L{UnitModel::Cadenzo} << true << false << "noDevice" << true;
    QTest::newRow("foreign devices only") << L{} << false << true << "noDevice" << false;
    QTest::newRow("one unit among foreign devices")
        << L{UnitModel::Ariette} << false << true
        << QString("deviceDetected(0x%1)").arg(UsbIds::ArietteProductId, 0, 16) << true;
}

// What the poll makes of the bus: several units, a unit that never answers, devices that are not ours.
void TestPoll::enumeration()
{
    QFETCH(QList<UnitModel>, units);
    QFETCH(bool, silent);
    QFETCH(bool, foreign);
    QFETCH(QString, expected);
    QFETCH(bool, opened);

    VirtualBusFixture bus;
    QStringList names;
    for (UnitModel model : units) {
        names.append(QString("unit%1").arg(names.size()));
        QVERIFY(bus.plug(names.last(), model));
        if (silent)
            QVERIFY(bus.setFault(names.last(), FaultKind::Silent));
    }
    HidApi withForeign = bus.api();
    if (foreign) {
        g_pInnerApi = &bus.api();
        withForeign.enumerate = &enumerateWithForeign;
        withForeign.free_enumeration = &freeWithForeign;
        HidSeam::setApi(&withForeign);
    }

    RunningWorkers workers;
    const bool detection = expected.startsWith("deviceDetected");
    if (detection) {
        QTRY_COMPARE_WITH_TIMEOUT(workers.log().count(expected), 1, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(identityRequests(bus, names.first()) >= 3, 3 * kTimeoutMs);
        QCOMPARE(workers.log().all(), QStringList() << expected);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(workers.log().count(expected) >= 2, 3 * kTimeoutMs);
        QCOMPARE(workers.log().count(expected), workers.log().all().size());
        QVERIFY(!g_bDeviceConnected.load());
    }
    for (const QString& name : names)
        QCOMPARE(!bus.sentReports(name).isEmpty(), opened);
    workers.stop();
}

void TestPoll::callbacks_data()
{
    QTest::addColumn<bool>("abort");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("stop");
    QTest::newRow("running") << false << true << false;
    QTest::newRow("window closing") << true << true << true;
    QTest::newRow("unit gone") << false << false << true;
    QTest::newRow("both") << true << false << true;
}

// The callbacks hand on exactly what the link gives them and answer "stop" when the operation has no future.
void TestPoll::callbacks()
{
    QFETCH(bool, abort);
    QFETCH(bool, connected);
    QFETCH(bool, stop);

    DeviceManagerThread* worker = DeviceManagerThread::instance();
    worker->setAbort(abort);
    g_bDeviceConnected.store(connected);

    using D = DeviceManagerThread;
    QSignalSpy records(worker, QOverload<int, int, int, int*, int, int, int, int>::of(&D::singlePresetData));
    QSignalSpy names(worker, QOverload<int, int, int, QString, int, int, int, int>::of(&D::singlePresetData));
    QSignalSpy progress(worker, &D::dataSent);

    int* record = new int[4]{1, 2, 3, 4};
    const bool recordStop = D::presetCallback(1, 101, 7, record, 2, 2, 0x21, 3);
    const bool nameStop = D::nameCallback(0, 1, 99, QStringLiteral("Warm Hall"), 16, 120, 0x42, 5);
    const bool progressStop = D::progressCallback(2147483647, 12345);
    g_bDeviceConnected.store(false);

    QCOMPARE(recordStop, stop);
    QCOMPARE(nameStop, stop);
    QCOMPARE(progressStop, stop);
    QCOMPARE(records.count(), 1);
    const QList<QVariant> r = records.first();
    QCOMPARE(r.at(0).toInt(), 1);
    QCOMPARE(r.at(1).toInt(), 101);
    QCOMPARE(r.at(2).toInt(), 7);
    QCOMPARE(r.at(3).value<int*>(), record); // the same array: the receiver takes it over
    QCOMPARE((QList<int>{r.at(4).toInt(), r.at(5).toInt(), r.at(6).toInt(), r.at(7).toInt()}),
             (QList<int>{2, 2, 0x21, 3}));
    delete[] record;
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.first(), (QList<QVariant>{0, 1, 99, QStringLiteral("Warm Hall"), 16, 120, 0x42, 5}));
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.first().at(0).value<quint64>(), quint64(2147483647));
    QCOMPARE(progress.first().at(1).value<quint64>(), quint64(12345));
    delete worker;
}

void TestPoll::eventFrame_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("just below the table") << 1000;
    QTest::newRow("just above the table") << 1017;
    QTest::newRow("far above") << 4000;
}

// An event outside the operation table is framed by busy/idle and does nothing else.
void TestPoll::eventFrame()
{
    QFETCH(int, type);
    VirtualBusFixture bus;
    RunningWorkers workers;

    // The second event marks the end of the first: anything the first caused comes before its deviceBusy.
    QCoreApplication::postEvent(workers.device(), new QEvent(static_cast<QEvent::Type>(type)));
    QCoreApplication::postEvent(workers.device(), new QEvent(static_cast<QEvent::Type>(type)));
    QTRY_COMPARE_WITH_TIMEOUT(workers.log().count("deviceIdle"), 2, kTimeoutMs);
    QCOMPARE(workers.log().withoutNoDevice(), QStringList() << "deviceBusy"
                                                            << "deviceIdle"
                                                            << "deviceBusy"
                                                            << "deviceIdle");
}

// Once the window has set the abort flag, events still queued are dropped without a signal.
void TestPoll::abortDropsQueuedEvents()
{
    VirtualBusFixture bus;
    QVERIFY(bus.plug("unit", UnitModel::Ariette));
    RunningWorkers workers;
    QTRY_COMPARE_WITH_TIMEOUT(workers.log().count("deviceDetected(0xa21)"), 1, kTimeoutMs);

    workers.device()->setAbort(true);
    std::atomic<bool> reached{false};
    for (QEvent::Type type : {DeviceManagerThread::ReadFactoryPresetsEvent, DeviceManagerThread::UpdateFirmwareEvent,
                              static_cast<QEvent::Type>(1017)})
        QCoreApplication::postEvent(workers.device(), new QEvent(type));
    QMetaObject::invokeMethod(
        workers.device(), [&reached] { reached.store(true); }, Qt::QueuedConnection);
    QTRY_VERIFY_WITH_TIMEOUT(reached.load(), kTimeoutMs);
    QCoreApplication::sendPostedEvents(); // the worker's signals queued before the marker ran
    QCOMPARE(workers.log().all(), QStringList() << "deviceDetected(0xa21)");
}

// The window's exit sequence ends both threads promptly, with a unit open and events still queued, and leaves
// the connected flag down once the link is closed.
void TestPoll::stopSequence()
{
    VirtualBusFixture bus;
    QVERIFY(bus.plug("unit", UnitModel::Cadenzo));
    RunningWorkers workers;
    QTRY_VERIFY_WITH_TIMEOUT(g_bDeviceConnected.load(), kTimeoutMs);

    // The update worker runs its own event loop on its own thread.
    std::atomic<QThread*> ranOn{nullptr};
    QMetaObject::invokeMethod(
        workers.update(), [&ranOn] { ranOn.store(QThread::currentThread()); }, Qt::QueuedConnection);
    QTRY_VERIFY_WITH_TIMEOUT(ranOn.load() != nullptr, kTimeoutMs);
    QCOMPARE(ranOn.load(), static_cast<QThread*>(workers.update()));

    for (int i = 0; i < 50; ++i)
        QCoreApplication::postEvent(workers.device(), new QEvent(DeviceManagerThread::ReadUserPresetsEvent));
    QCoreApplication::postEvent(workers.update(), new QEvent(CFirmwareUpdate::CheckFirmwareUpdateEvent));
    QElapsedTimer clock;
    clock.start();
    workers.stop();
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!g_bDeviceConnected.load());
}

QTEST_GUILESS_MAIN(TestPoll)
#include "tst_poll.moc"
