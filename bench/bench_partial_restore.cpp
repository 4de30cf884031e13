// What putting back k presets from a back-up costs, against what it must cost and against a whole restore.
//
// The device worker runs on its own thread against a virtual Ariette, with the settle function replaced by a
// counting clock: the waits cost nothing and are only added up. On a real unit those waits are nearly the whole
// time of an operation, so the time a singer waits is the waits counted plus the time the run itself took here
// (the link, the virtual unit, the files). For k = 1, 10 and 100 presets put back with read-back on, the table
// sets that time against the waits the unit mandates for k record writes and their read-back (3 s to store a
// record, 0.1 s before each report of a record read), and against a whole restore as the window runs it (an
// automatic back-up first, every record written and read back, the set lists and the system parameters). What a
// partial restore waits beyond the mandated is the read of each slot it keeps for Undo first.

#include "DeviceManagerThread.h"
#include "bench/benchclock.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "protocol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <string>

namespace {
using namespace BenchClock;
using D = DeviceManagerThread;

struct Run
{
    int result = -99;
    long long waitedMs = 0;
    double elapsedMs = 0;
    double wallSeconds() const { return (double(waitedMs) + elapsedMs) / 1000.0; }
};

// Runs one operation on the worker's thread, the counter reset just before it, and returns when it has ended.
Run measure(D* worker, QEvent::Type type)
{
    Run run;
    QMetaObject::Connection finished = QObject::connect(
        worker, &D::operationFinished, worker, [&run](int result, bool) { run.result = result; }, Qt::DirectConnection);
    QMetaObject::invokeMethod(
        worker,
        [&] {
            g_waitedMs = 0;
            QElapsedTimer clock;
            clock.start();
            QEvent event(type);
            QCoreApplication::sendEvent(worker, &event);
            run.elapsedMs = double(clock.nsecsElapsed()) / 1e6;
            run.waitedMs = g_waitedMs;
        },
        Qt::BlockingQueuedConnection);
    QObject::disconnect(finished);
    return run;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QTemporaryDir home;
    VirtualBusHost& host = countedVirtualBus(dir);
    buildDataFolders(home.path()); // automatic back-ups and the undo journal go there
    for (const QString& folder : {g_arietteFolder, g_arietteBackUpFolder})
        makeDataFolder(folder);
    const UnitIdentity identity = UnitIdentity::defaults(UnitModel::Ariette);
    if (!host.plug(QStringLiteral("A"), identity)) {
        std::fprintf(stderr, "cannot plug the virtual unit\n");
        return 1;
    }

    D* worker = D::instance();
    CFirmwareUpdate* update = CFirmwareUpdate::instance();
    worker->setPollInterval(20);
    worker->setSafetyOptions(true, true);
    QEventLoop ready;
    QObject::connect(worker, &D::undoAvailable, &ready, &QEventLoop::quit); // the last word on a unit found
    QTimer::singleShot(20000, &ready, &QEventLoop::quit);
    for (QThread* thread : {static_cast<QThread*>(update), static_cast<QThread*>(worker)})
        thread->moveToThread(thread), thread->start();
    ready.exec();

    const QString backup = dir.filePath(QStringLiteral("unit.tarb"));
    worker->setBackUpFilePath(backup);
    int failures = measure(worker, D::BackUpEvent).result != 0;
    worker->setBackUpFilePath(backup);
    worker->setRecovery(false);
    const Run whole = measure(worker, D::RestoreEvent);
    failures += whole.result != 0;

    std::printf("Putting back k presets (read-back on) against the unit's mandated waits and a whole restore\n");
    std::printf("%8s %7s %10s %10s %12s %10s %10s %12s\n", "presets", "result", "waits", "took here", "time",
                "mandated", "time/mand.", "time/whole");
    std::printf("%s\n", std::string(86, '-').c_str());
    for (const int k : {1, 10, 100}) {
        QList<int> presets;
        for (int number = 1; number <= k; ++number)
            presets.append(number);
        worker->setSelectedRestore(backup, presets, {}, false);
        const Run run = measure(worker, D::RestoreSelectedEvent);
        failures += run.result != 0;
        // A record read is one reply of name bytes and 16-bit parameters, in reports of up to 56 bytes.
        const int reports = (identity.nameLength + 2 * identity.paramCount) / Protocol::MaxPayload + 1;
        const double mandated =
            k * (Protocol::Settle::AfterRecordWrite + reports * Protocol::Settle::BeforePresetDataReport) / 1000.0;
        std::printf("%8d %7d %8.1f s %7.0f ms %10.1f s %8.1f s %9.3fx %12.3f\n", k, run.result, run.waitedMs / 1000.0,
                    run.elapsedMs, run.wallSeconds(), mandated, run.wallSeconds() / mandated,
                    run.wallSeconds() / whole.wallSeconds());
    }
    std::printf("%s\n", std::string(86, '-').c_str());
    std::printf("%8s %7d %8.1f s %7.0f ms %10.1f s\n", "whole", whole.result, whole.waitedMs / 1000.0, whole.elapsedMs,
                whole.wallSeconds());

    worker->setAbort(true);
    update->setStopping(true);
    for (QThread* thread : {static_cast<QThread*>(worker), static_cast<QThread*>(update)})
        thread->quit(), thread->wait(), delete thread;
    return failures == 0 ? 0 : 1;
}
