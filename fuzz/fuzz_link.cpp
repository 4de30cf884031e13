// The link's reply handling against a unit that answers arbitrary bytes.
//
// Input layout: byte 0 steers the host side: 255 lets every write succeed, any other value makes write
// number (byte 0 >> 1) fail; its low bit says whether an exhausted input ends in silence (0, reads time out)
// or in read errors (1). Every following 64 bytes are one input report, the last one possibly short.
// Each reader ends at the latest one report after the input runs out, so a run is bounded by the input.

#include "Connect.h"
#include "deviceinfo.h"
#include "hidseam.h"
#include "settle.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
struct Script
{
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    int failingWrite = -1;
    bool errorAtEnd = false;
    int writes = 0;
};

Script g_script;
uint8_t g_handle; // any non-null address will do as the open device

const HidApi g_api = {
    [] { return 0; },
    [] { return 0; },
    [](unsigned short, unsigned short) -> hid_device_info* { return nullptr; },
    [](hid_device_info*) {},
    [](const char*) { return reinterpret_cast<hid_device*>(&g_handle); },
    [](hid_device*, const unsigned char*, size_t length) {
        return g_script.writes++ == g_script.failingWrite ? -1 : static_cast<int>(length);
    },
    [](hid_device*, unsigned char* buffer, size_t length, int) {
        if (g_script.pos >= g_script.size)
            return g_script.errorAtEnd ? -1 : 0;
        const size_t n = std::min({length, size_t(64), g_script.size - g_script.pos});
        std::memcpy(buffer, g_script.data + g_script.pos, n);
        g_script.pos += n;
        return static_cast<int>(n);
    },
    [](hid_device*) {},
    [](hid_device*) { return L"fuzzed unit"; },
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        HidSeam::setApi(&g_api);
        Settle::setSleepFunction([](int) {});
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    (void)ready;
    if (size == 0)
        return 0;

    g_script = Script();
    g_script.failingWrite = data[0] == 255 ? -1 : data[0] >> 1;
    g_script.errorAtEnd = (data[0] & 1) != 0;
    g_script.data = data + 1;
    g_script.size = size - 1;

    // The identity comes from the input too: a refused one ends the run, since the link then closes itself.
    CUSBConnect link;
    if (link.Open(QStringLiteral("fuzz")) != 0)
        return 0;

    int base = 0;
    int count = 0;
    QStringList names;
    link.GetAllPresetNames(0, base, count, names, nullptr, nullptr);

    const int nameLength = g_deviceInfo.maxPresetNameLength;
    const int paramCount = g_deviceInfo.maxPresetParamLength;
    int* record = new int[static_cast<size_t>(nameLength + paramCount)]();
    link.GetPresetDataFromHardware(record, 1, nameLength, paramCount);
    delete[] record;

    int setList[20] = {};
    link.GetSetListData(0, setList);
    QByteArray sysParams;
    link.GetSysParams(sysParams);
    return 0;
}
