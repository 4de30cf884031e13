// Reaching the unit on a desktop where the system may refuse it: a listed unit that cannot be opened is
// explained once, in the user's words, with hidapi's own error logged once; and the single-instance lock
// lives in the user's private runtime folder. The units are virtual; only their opening is refused, with the
// errno a hidraw node gives.

#include "hidseam.h"
#include "singleapplication.h"
#include "unitlock.h"

#include "support/SignalRelay.h"
#include "support/SleepRecorder.h"
#include "support/VirtualBusFixture.h"
#include "support/WorkerThreads.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <mutex>

namespace {
const HidApi* g_pBus = nullptr;
std::atomic<int> g_refusal{0}; // the errno every open fails with; 0 lets opens through
std::mutex g_logMutex;
QStringList g_log;
} // namespace

class TestUnitAccess : public QObject
{
    Q_OBJECT

private slots:

    // First: the other test's folders come and go in TMPDIR.
    void lockInRuntimeFolder()
    {
        // main() pointed XDG_RUNTIME_DIR and TMPDIR at folders of their own before the application was built.
        auto* app = qobject_cast<QtSingleApplication*>(QCoreApplication::instance());
        QCOMPARE(QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).entryList(QDir::System | QDir::Files, QDir::Name),
                 QStringList({app->id() + ".lock", app->id() + ".socket"}));
        QCOMPARE(QDir(qEnvironmentVariable("TMPDIR")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void openRefused_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("permission denied")
            << EACCES
            << "The unit was found but this user may not open it. Install the udev rule that comes with the librarian "
               "(the tessitra-stage-librarian package installs it), or reconnect the unit if the rule is already "
               "installed.";
        QTest::newRow("busy") << EBUSY
                              << "The unit was found but another program is using it. Close that program, or reconnect "
                                 "the unit.";
        QTest::newRow("gone") << ENODEV
                              << "The unit was found but went away before it could be opened. Check the USB cable and "
                                 "reconnect the unit.";
    }

    void openRefused()
    {
        QFETCH(int, error);
        QFETCH(QString, text);
        SleepRecorder sleeps;
        VirtualBusFixture bus;
        QVERIFY(bus.plug("Ariette1"));
        g_pBus = &bus.api();
        HidApi table = bus.api();
        table.open_path = [](const char* path) -> hid_device* {
            errno = g_refusal.load();
            return errno == 0 ? g_pBus->open_path(path) : nullptr;
        };
        table.error = [](hid_device* device) -> const wchar_t* {
            return device ? g_pBus->error(device) : L"Failed to open a device with path 'hidraw3': Permission denied";
        };
        HidSeam::setApi(&table);
        g_refusal = error;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
                std::lock_guard<std::mutex> lock(g_logMutex);
                g_log.append(m);
            });

        DeviceManagerThread* device = DeviceManagerThread::instance();
        device->setPollInterval(20);
        SignalRelay relay;
        relay.watch(device, &DeviceManagerThread::deviceInaccessible, "inaccessible");
        relay.watch(device, &DeviceManagerThread::noDevice, "noDevice");
        relay.watch(device, &DeviceManagerThread::deviceDetected, "detected");
        startWorkers({device});
        QVERIFY(relay.waitFor("noDevice()", 5000, 2)); // two polls refused, one explanation
        g_refusal = 0;                                 // access granted: the next poll opens it
        QVERIFY(relay.waitFor("detected(2593)"));      // 0xA21, the Ariette
        stopWorkers(device);
        qInstallMessageHandler(previous);

        QCOMPARE(relay.entries().mid(0, 2), QStringList({"inaccessible(" + text + ")", "noDevice()"}));
        QCOMPARE(relay.count("inaccessible(" + text + ")"), 1);
        QCOMPARE(g_log.count("Could not open the unit at " + bus.devicePath("Ariette1") +
                             ": Failed to open a device with path 'hidraw3': Permission denied"),
                 1);
    }

    // While the command line holds the unit the poll says so once, and connects once it is let go.
    void heldByCommandLine()
    {
        SleepRecorder sleeps;
        VirtualBusFixture bus;
        QVERIFY(bus.plug("Ariette1"));
        HidSeam::setApi(&bus.api());
        QTemporaryDir dir;
        UnitLock::setPath(dir.filePath("unit.lock"));
        QLockFile commandLine(dir.filePath("unit.lock"));
        QVERIFY(commandLine.tryLock(0));
        DeviceManagerThread* device = DeviceManagerThread::instance();
        device->setPollInterval(20);
        SignalRelay relay;
        relay.watch(device, &DeviceManagerThread::unitInUse, "inUse");
        relay.watch(device, &DeviceManagerThread::noDevice, "noDevice");
        relay.watch(device, &DeviceManagerThread::deviceDetected, "detected");
        startWorkers({device});
        QVERIFY(relay.waitFor("noDevice()", 5000, 3));
        commandLine.unlock();
        QVERIFY(relay.waitFor("detected(2593)"));
        stopWorkers(device);
        UnitLock::setPath(QString());
        QStringList seen = relay.entries();
        seen.removeAll("noDevice()");
        QCOMPARE(seen, QStringList({"inUse(true)", "inUse(false)", "detected(2593)"}));
    }
};

int main(int argc, char* argv[])
{
    QTemporaryDir runtime;
    QTemporaryDir temp;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    QtSingleApplication app(argc, argv);
    TestUnitAccess test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_unitaccess.moc"
