#include "VirtualHidBackend.h"

#include "VirtualBusHost.h"

#include <QFile>
#include <QHash>
#include <mutex>

#include <array>
#include <atomic>
#include <utility>

// hidapi's table holds plain function pointers without a context argument, yet enumerate must know its
// bus folder. Each bus folder in use gets one of a fixed number of slots, and each slot its own
// instantiation of the two functions that need the folder (enumerate, open_path). Every other call finds
// its bus through the device handle. When more folders than slots are used in one process (a long test
// run), the slot given out longest ago is handed to the new folder; handles already open keep working.
namespace VirtualHidBackend {
namespace {
constexpr int kSlotCount = 32;

std::array<std::atomic<VirtualBusHost*>, kSlotCount> g_hosts{};

int vInit()
{
    return 0;
}

int vExit()
{
    return 0;
}

template <int N> hid_device_info* vEnumerate(unsigned short vendorId, unsigned short productId)
{
    VirtualBusHost* host = g_hosts[N].load();
    return host ? host->enumerate(vendorId, productId) : nullptr;
}

template <int N> hid_device* vOpen(const char* path)
{
    VirtualBusHost* host = g_hosts[N].load();
    return host && path ? host->open(QFile::decodeName(path)) : nullptr;
}

int vWrite(hid_device* device, const unsigned char* data, size_t length)
{
    return VirtualBusHost::write(device, data, length);
}

// The virtual unit has its answer queued the moment the request arrives, so nothing is ever waited for:
// an empty queue is a timed-out read and returns 0 at once, whatever the timeout.
int vRead(hid_device* device, unsigned char* data, size_t length, int)
{
    return VirtualBusHost::read(device, data, length);
}

template <std::size_t... I> std::array<HidApi, kSlotCount> makeTables(std::index_sequence<I...>)
{
    return {{HidApi{&vInit, &vExit, &vEnumerate<static_cast<int>(I)>, &VirtualBusHost::freeEnumeration,
                    &vOpen<static_cast<int>(I)>, &vWrite, &vRead, &VirtualBusHost::close, &VirtualBusHost::error}...}};
}

const std::array<HidApi, kSlotCount> g_tables = makeTables(std::make_index_sequence<kSlotCount>{});
} // namespace

const HidApi& api(const QString& busDir)
{
    static std::mutex mutex;
    static QHash<VirtualBusHost*, int> slotOf;
    static int nextSlot = 0;
    VirtualBusHost* host = &VirtualBusHost::forDir(busDir);
    std::lock_guard<std::mutex> lock(mutex);
    auto it = slotOf.find(host);
    if (it != slotOf.end() && g_hosts[*it].load() == host)
        return g_tables[*it];
    const int slot = nextSlot;
    nextSlot = (nextSlot + 1) % kSlotCount;
    g_hosts[slot].store(host);
    slotOf.insert(host, slot);
    return g_tables[slot];
}
} // namespace VirtualHidBackend
