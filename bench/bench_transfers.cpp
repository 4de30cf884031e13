// How much of a transfer is the unit's mandated waiting and how much is our own work.
//
// Every transfer runs against a virtual unit with the settle function replaced by a counting clock, so the
// waits cost nothing and are only added up. For each transfer the table shows the waits the protocol
// mandates, the process CPU time the transfer took (the link and the virtual unit together) and CPU as a share
// of the waits: the link is fast enough when that share is small. A last line measures the file module alone:
// a 200-preset backup file written and read back.

#include "Connect.h"
#include "bench/benchclock.h"
#include "SerialPatchCollection.h"
#include "deviceinfo.h"
#include "hidseam.h"
#include "settle.h"
#include "virtualunit/VirtualBusHost.h"
#include "virtualunit/VirtualHidBackend.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
using namespace BenchClock;

struct Row
{
    const char* name;
    int result;
    long long waitedMs;
    double cpu;
    double imageBytes; // firmware rows: they have no waits, so their CPU rate is shown instead
};

Row measure(const char* name, const std::function<int()>& transfer, double imageBytes = 0)
{
    g_waitedMs = 0;
    const double start = cpuSeconds();
    const int result = transfer();
    return {name, result, g_waitedMs, cpuSeconds() - start, imageBytes};
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Write and read back a 200-preset backup several times; MB/s over the file's bytes, both ways together.
double fileThroughput(const QString& path, double& fileBytes)
{
    const int presets = 200, nameLength = 16, paramCount = 120;
    std::vector<int> data(size_t(presets) * (nameLength + paramCount));
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = int(i % 1000) - 500;
    std::vector<int> setLists(100, 7);
    QByteArray sysParams;
    for (int i = 0; i < 200; ++i)
        sysParams += QByteArray::number(i * 13) + '\n';
    const SpcCollectionFile file = {0x21,
                                    3,
                                    nameLength,
                                    paramCount,
                                    presets,
                                    data.data(),
                                    int(data.size()),
                                    setLists.data(),
                                    100,
                                    sysParams.constData(),
                                    int(sysParams.size())};
    std::vector<int> readData(data.size()), readLists(100);
    QByteArray readParams(sysParams.size(), '\0');
    const QByteArray local = path.toLocal8Bit();

    const int rounds = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r) {
        SpcReadRequest request = {0,   readData.data(),   int(readData.size()),  readLists.data(),
                                  100, readParams.data(), int(readParams.size())};
        if (SpcWriteCollection(local.constData(), SPC_VERSION, file) != 0 ||
            SpcReadCollection(local.constData(), request) != 0 || readData != data)
            return -1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    fileBytes = double(QFile(path).size());
    return 2.0 * rounds * fileBytes / seconds / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    VirtualBusHost& host = countedVirtualBus(dir);
    const UnitIdentity identity = UnitIdentity::defaults(UnitModel::Ariette);
    if (!host.plug(QStringLiteral("A"), identity) || !host.plug(QStringLiteral("B"), identity)) {
        std::fprintf(stderr, "cannot plug the virtual units\n");
        return 1;
    }

    // Firmware images of 512 KiB: raw bytes, and the same bytes as ".ldr" lines.
    QByteArray bin(512 * 1024, '\0'), ldr;
    for (int i = 0; i < bin.size(); ++i)
        bin[i] = char((i * 31) & 0xFF);
    ldr.reserve(5 * bin.size()); // "0xNN\n" per byte; growing line by line would copy the text each time
    for (char c : bin)
        ldr += "0x" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0') + '\n';
    const QString binPath = dir.filePath(QStringLiteral("micro.bin")),
                  ldrPath = dir.filePath(QStringLiteral("dsp.ldr"));
    const QString backup = dir.filePath(QStringLiteral("unit.tarb"));
    const QString factory = dir.filePath(QStringLiteral("FactoryPresets.dat"));
    if (!writeFile(binPath, bin) || !writeFile(ldrPath, ldr))
        return 1;

    CUSBConnect link;
    const QString unitA = host.devicePath(QStringLiteral("A")), unitB = host.devicePath(QStringLiteral("B"));
    if (link.Open(unitA) != 0 || link.BackUpPresets(1, factory, nullptr) != 0)
        return 1;
    std::vector<Row> rows;
    rows.push_back(measure("list all names (user + factory)", [&] {
        int base = 0, count = 0;
        QStringList names;
        const int user = link.GetAllPresetNames(0, base, count, names, nullptr, nullptr);
        return user != 0 ? user : link.GetAllPresetNames(1, base, count, names, nullptr, nullptr);
    }));
    rows.push_back(
        measure("back up (100 presets, lists, params)", [&] { return link.BackUpPresets(0, backup, nullptr); }));
    link.Close();
    link.Open(unitB);
    rows.push_back(
        measure("restore onto a second unit", [&] { return link.RestorePresets(backup, nullptr, nullptr); }));
    rows.push_back(
        measure("factory rewrite (100 presets)", [&] { return link.RestoreFactoryPresets(factory, nullptr); }));
    rows.push_back(measure(
        "firmware .bin, 512 KiB", [&] { return link.UpdateMicroFW(binPath, nullptr); }, bin.size()));
    rows.push_back(measure(
        "firmware .ldr, 512 KiB of bytes", [&] { return link.UpdateDSPFW(ldrPath, nullptr); }, bin.size()));

    std::printf("%-38s %6s %14s %12s %12s\n", "transfer", "result", "mandated wait", "CPU time", "CPU / wait");
    std::printf("%s\n", std::string(86, '-').c_str());
    for (const Row& row : rows) {
        char ratio[32] = "no waits";
        if (row.imageBytes > 0 && row.cpu > 0)
            std::snprintf(ratio, sizeof ratio, "(%.0f MB/s)", row.imageBytes / row.cpu / 1e6);
        else if (row.waitedMs > 0)
            std::snprintf(ratio, sizeof ratio, "%.4f %%", 100.0 * row.cpu / (row.waitedMs / 1000.0));
        std::printf("%-38s %6d %12.1f s %10.3f s %12s\n", row.name, row.result, row.waitedMs / 1000.0, row.cpu, ratio);
    }
    double fileBytes = 0;
    const double mbps = fileThroughput(dir.filePath(QStringLiteral("200.tarb")), fileBytes);
    std::printf("%s\n", std::string(86, '-').c_str());
    std::printf("file module: 200-preset backup (%.0f KiB) written and read back: %.1f MB/s\n", fileBytes / 1024, mbps);
    for (const Row& row : rows)
        if (row.result != 0)
            return 1;
    return mbps > 0 ? 0 : 1;
}
