#include "hidseam.h"

#include "virtualunit/VirtualHidBackend.h"

#include <QByteArray>
#include <QString>
#include <atomic>

namespace HidSeam {
namespace {
const HidApi g_real = {&hid_init,       &hid_exit,          &hid_enumerate, &hid_free_enumeration, &hid_open_path,
                       &hid_write,      &hid_read_timeout,  &hid_close,     &hid_error};

std::atomic<const HidApi*> g_override{nullptr};

const HidApi& fromEnvironment()
{
    static const HidApi* chosen = [] {
        const QByteArray bus = qgetenv("TESSITRA_VIRTUAL_BUS");
        if (bus.isEmpty())
            return &g_real;
        return &VirtualHidBackend::api(QString::fromLocal8Bit(bus));
    }();
    return *chosen;
}
} // namespace

const HidApi& api()
{
    const HidApi* table = g_override.load();
    return table ? *table : fromEnvironment();
}

const HidApi& realApi()
{
    return g_real;
}

void setApi(const HidApi* table)
{
    g_override.store(table);
}
} // namespace HidSeam
