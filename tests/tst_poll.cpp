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
    explicit SignalLog(DeviceManagerThread* worker) : m_pWorker(worker)
    {
        using D = DeviceManagerThread;
        connect(worker, &D::deviceDetected, this,
                [this](int pid) { add(QString("deviceDetected(0x%1)").arg(pid, 0, 16)); });
        connect(worker, &D::operationFinished, this, [this](int code, bool bClose) {
            add(QString("operationFinished(%1,%2)").arg(code).arg(bClose ? "true" : "false"));
        });
        connect(worker, &D::updateText, this, [this](const QString& text) { add("updateText(" + text + ")"); });
        connect(worker, &D::setListData, this, [this](int, const int* data) {
            delete[] data;
            add("setListData");
        });
        on(&D::multipleDeviceDetected, "multipleDeviceDetected");
        on(&D::noDevice, "noDevice");
        on(&D::deviceRemoved, "deviceRemoved");
        on(&D::deviceBusy, "deviceBusy");
        on(&D::deviceIdle, "deviceIdle");
        on(&D::dataSent, "dataSent");
    }
    template <typename... Args> void on(void (DeviceManagerThread::*signal)(Args...), const char* name)
    {
        connect(m_pWorker, signal, this, [this, name](Args...) { add(name); });
    }
    void add(const QString& entry) { entries.append(entry); }
    QStringList entries;
    DeviceManagerThread* m_pWorker;
};

// Both workers, created, moved into their own threads and started as the window does after the splash, and
// stopped as the window does at exit: stop flag, quit, wait without limit, delete (device worker first).
struct RunningWorkers
{
    RunningWorkers()
    {
        update->moveToThread(update);
        update->start();
        device->moveToThread(device);
        device->start();
    }
    ~RunningWorkers() { stop(); }
    void stop()
    {
        if (!device)
            return;
        device->setAbort(true);
        device->quit();
        device->wait();
        delete device;
        device = nullptr;
        update->setStopping(true);
        update->quit();
        update->wait();
        delete update;
    }
    int count(const QString& entry) const { return log.entries.count(entry); }

    CFirmwareUpdate* update = CFirmwareUpdate::instance();
    DeviceManagerThread* device = DeviceManagerThread::instance();
    SignalLog log{device};
};

QString detected(int pid)
{
    return QString("deviceDetected(0x%1)").arg(pid, 0, 16);
}

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
    void initTestCase() { m_previousHandler = qInstallMessageHandler(&captureMessage); }
    void cleanupTestCase() { qInstallMessageHandler(m_previousHandler); }
    void init();
    void cleanup();

    void detection_data();
    void detection();
    void enumeration_data();
    void enumeration();
    void eventFrame_data();
    void eventFrame();
    void abortDropsQueuedEvents();
    void stopSequence();

private:
    QtMessageHandler m_previousHandler = nullptr;
    std::unique_ptr<SleepRecorder> m_pSleeps;
};

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
    QTest::newRow("ariette") << UnitModel::Ariette << int(UsbIds::ArietteProductId);
    QTest::newRow("cadenzo") << UnitModel::Cadenzo << int(UsbIds::CadenzoProductId);
}

// A unit plugged in is opened once, reported once, then only asked for its identity once a second; pulled out,
// it is reported gone once.
void TestPoll::detection()
{
    QFETCH(UnitModel, model);
    QFETCH(int, pid);
    VirtualBusFixture bus;
    QVERIFY(bus.plug("unit", model));
    RunningWorkers workers;

    QTRY_COMPARE_WITH_TIMEOUT(workers.count(detected(pid)), 1, kTimeoutMs);
    QVERIFY(g_bDeviceConnected.load());
    QCOMPARE(workers.device->productId(), pid);
    QCOMPARE(workers.update->productId(), pid);
    QVERIFY(logLines().contains(QString("pid is: 0x%1").arg(pid, 0, 16)));

    // Two more polls: each one identity request, and nothing reported while the unit keeps answering.
    const int requestsAtDetection = identityRequests(bus, "unit");
    QTRY_VERIFY_WITH_TIMEOUT(identityRequests(bus, "unit") >= requestsAtDetection + 2, 2 * kTimeoutMs);
    QCOMPARE(workers.log.entries, QStringList{detected(pid)});
    for (int wait : m_pSleeps->waits())
        QCOMPARE(wait, Protocol::Settle::AfterIdentityRequest);

    // Pulling the plug is reported once, in order, and the next polls find nothing.
    QVERIFY(bus.unplug("unit"));
    QTRY_VERIFY_WITH_TIMEOUT(workers.count("noDevice") >= 2, 3 * kTimeoutMs);
    const QStringList expected{detected(pid), "deviceRemoved", "updateText(" + kLossText + ")",
                               "operationFinished(0,false)"};
    const QStringList all = workers.log.entries;
    QCOMPARE(all.mid(0, expected.size()), expected);
    QCOMPARE(all.mid(expected.size()).count("noDevice"), all.size() - expected.size());
    QCOMPARE(workers.device->productId(), -1);
    QCOMPARE(workers.update->productId(), -1);
}

void TestPoll::enumeration_data()
{
    QTest::addColumn<QList<UnitModel>>("units");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<QString>("expected"); // what every poll reports
    QTest::addColumn<bool>("opened");      // whether the poll talks to the units at all

    using L = QList<UnitModel>;
    QTest::newRow("one of each") << L{UnitModel::Ariette, UnitModel::Cadenzo} << false << false
                                 << "multipleDeviceDetected" << false;
    QTest::newRow("silent unit") << L{UnitModel::Cadenzo} << true << false << "noDevice" << true;
    QTest::newRow("foreign devices only") << L{} << false << true << "noDevice" << false;
    QTest::newRow("one unit among foreign devices")
        << L{UnitModel::Ariette} << false << true << detected(UsbIds::ArietteProductId) << true;
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
    if (expected.startsWith("deviceDetected")) {
        QTRY_COMPARE_WITH_TIMEOUT(workers.count(expected), 1, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(identityRequests(bus, names.first()) >= 3, 3 * kTimeoutMs);
        QCOMPARE(workers.log.entries, QStringList{expected});
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(workers.count(expected) >= 2, 3 * kTimeoutMs);
        QCOMPARE(workers.count(expected), workers.log.entries.size());
    }
    for (const QString& name : names)
        QCOMPARE(!bus.sentReports(name).isEmpty(), opened);
    workers.stop();
}

void TestPoll::eventFrame_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("just below the table") << 1000;
    QTest::newRow("just above the table") << 1017;
}

// An event outside the operation table is framed by busy/idle and does nothing else.
void TestPoll::eventFrame()
{
    QFETCH(int, type);
    VirtualBusFixture bus;
    RunningWorkers workers;

    // The second event marks the end of the first: anything the first caused comes before its deviceBusy.
    QCoreApplication::postEvent(workers.device, new QEvent(static_cast<QEvent::Type>(type)));
    QCoreApplication::postEvent(workers.device, new QEvent(static_cast<QEvent::Type>(type)));
    QTRY_COMPARE_WITH_TIMEOUT(workers.count("deviceIdle"), 2, kTimeoutMs);
    QStringList seen = workers.log.entries;
    seen.removeAll("noDevice"); // the once-a-second poll of an empty bus
    QCOMPARE(seen, (QStringList{"deviceBusy", "deviceIdle", "deviceBusy", "deviceIdle"}));
}

// Once the window has set the abort flag, events still queued are dropped without a signal.
void TestPoll::abortDropsQueuedEvents()
{
    VirtualBusFixture bus;
    QVERIFY(bus.plug("unit", UnitModel::Ariette));
    RunningWorkers workers;
    QTRY_COMPARE_WITH_TIMEOUT(workers.count("deviceDetected(0xa21)"), 1, kTimeoutMs);

    workers.device->setAbort(true);
    std::atomic<bool> reached{false};
    for (QEvent::Type type : {DeviceManagerThread::ReadFactoryPresetsEvent, DeviceManagerThread::UpdateFirmwareEvent,
                              static_cast<QEvent::Type>(1017)})
        QCoreApplication::postEvent(workers.device, new QEvent(type));
    QMetaObject::invokeMethod(
        workers.device, [&reached] { reached.store(true); }, Qt::QueuedConnection);
    QTRY_VERIFY_WITH_TIMEOUT(reached.load(), kTimeoutMs);
    QCoreApplication::sendPostedEvents(); // the worker's signals queued before the marker ran
    QCOMPARE(workers.log.entries, QStringList{"deviceDetected(0xa21)"});
}

// The window's exit sequence ends both threads promptly, with a unit open and events still queued, and leaves
// the connected flag down once the link is closed.
void TestPoll::stopSequence()
{
    VirtualBusFixture bus;
    QVERIFY(bus.plug("unit", UnitModel::Cadenzo));
    RunningWorkers workers;
    QTRY_VERIFY_WITH_TIMEOUT(g_bDeviceConnected.load(), kTimeoutMs);

    for (int i = 0; i < 50; ++i)
        QCoreApplication::postEvent(workers.device, new QEvent(DeviceManagerThread::ReadUserPresetsEvent));
    QCoreApplication::postEvent(workers.update, new QEvent(CFirmwareUpdate::CheckFirmwareUpdateEvent));
    QElapsedTimer clock;
    clock.start();
    workers.stop();
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!g_bDeviceConnected.load());
}

QTEST_GUILESS_MAIN(TestPoll)
#include "tst_poll.moc"
