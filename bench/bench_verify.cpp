// What read-back verification costs. Each operation runs twice against a virtual unit, without verification and
// with it, with the settle function replaced by a counting clock: the waits cost nothing and are only added up.
// On a real unit those waits are nearly the whole time of an operation (the reports themselves take a few
// milliseconds), so the table gives the time with verification against the time without as the ratio of the
// waits, and the verification's own waits as a share of the waits the protocol mandates for the operation.
// CPU time (the link and the virtual unit together) is shown beside them.

#include "Connect.h"
#include "bench/benchclock.h"
#include "deviceinfo.h"
#include "hidseam.h"
#include "protocol.h"
#include "settle.h"
#include "virtualunit/VirtualBusHost.h"
#include "virtualunit/VirtualHidBackend.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <string>

namespace {
using namespace BenchClock;

// The window takes the records; here they are only freed.
bool dropRecord(int, int, int, int* record, int, int, int, int)
{
    delete[] record;
    return false;
}

struct Run
{
    int result = 0;
    long long waitedMs = 0;
    double cpu = 0;
};

Run measure(CUSBConnect& link, bool verify, const std::function<int()>& operation)
{
    link.setVerifyWrites(verify);
    g_waitedMs = 0;
    const double start = cpuSeconds();
    Run run;
    run.result = operation();
    run.waitedMs = g_waitedMs;
    run.cpu = cpuSeconds() - start;
    return run;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    VirtualBusHost& host = countedVirtualBus(dir);
    if (!host.plug(QStringLiteral("A"), UnitIdentity::defaults(UnitModel::Ariette))) {
        std::fprintf(stderr, "cannot plug the virtual unit\n");
        return 1;
    }
    const QString backup = dir.filePath(QStringLiteral("unit.tarb"));
    const QString factory = dir.filePath(QStringLiteral("FactoryPresets.dat"));
    const QString preset = dir.filePath(QStringLiteral("one.tarp"));
    CUSBConnect link;
    if (link.Open(host.devicePath(QStringLiteral("A"))) != 0 || link.BackUpPresets(0, backup, nullptr) != 0 ||
        link.BackUpPresets(1, factory, nullptr) != 0 || link.SavePresetFromHardware(110, preset) != 0) {
        std::fprintf(stderr, "cannot prepare the files\n");
        return 1;
    }

    struct Operation
    {
        const char* name;
        std::function<int()> run;
    };
    const unsigned char setList[Protocol::SetListSlots] = {101, 102, 103, 5, 6, 7};
    const Operation operations[] = {
        {"copy (1 preset)", [&] { return link.LoadPresets(QList<int>{5}, QList<int>{107}, &dropRecord, false); }},
        {"copy (4 presets)",
         [&] {
             return link.LoadPresets(QList<int>{5, 6, 7, 8}, QList<int>{107, 108, 109, 110}, &dropRecord, false);
         }},
        {"load from file (1 preset)",
         [&] { return link.LoadPresets(QList<int>{9}, QStringList{preset}, &dropRecord, false); }},
        {"rename", [&] { return link.SendPresetNameToHardware(QStringLiteral("Bench"), 10, nullptr, &dropRecord); }},
        {"restore (100 presets, lists, params)", [&] { return link.RestorePresets(backup, nullptr, nullptr); }},
        {"factory rewrite (100 presets)", [&] { return link.RestoreFactoryPresets(factory, nullptr); }},
        // The set-list write always reads the list back for the window; verification compares what it reads.
        {"set-list write (read back either way)",
         [&] {
             int current[Protocol::SetListSlots] = {};
             int result = link.SetSetListData(1, setList);
             Settle::settle(Protocol::Settle::BeforeSetListReadBack);
             return result != 0 ? result : link.GetSetListData(1, current);
         }},
    };

    std::printf("%-38s %12s %12s %10s %12s %10s %10s\n", "operation", "waits, off", "waits, on", "on / off",
                "extra/waits", "CPU off", "CPU on");
    std::printf("%s\n", std::string(110, '-').c_str());
    int failures = 0;
    for (const Operation& operation : operations) {
        const Run off = measure(link, false, operation.run);
        const Run on = measure(link, true, operation.run);
        failures += off.result != 0 || on.result != 0;
        const double offSeconds = off.waitedMs / 1000.0, onSeconds = on.waitedMs / 1000.0;
        std::printf("%-38s %10.1f s %10.1f s %9.2fx %11.1f%% %8.3f s %8.3f s\n", operation.name, offSeconds, onSeconds,
                    offSeconds > 0 ? onSeconds / offSeconds : 0.0,
                    offSeconds > 0 ? 100.0 * (onSeconds - offSeconds) / offSeconds : 0.0, off.cpu, on.cpu);
    }
    return failures == 0 ? 0 : 1;
}
