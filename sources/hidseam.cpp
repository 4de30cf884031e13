#include "hidseam.h"

#include <atomic>

namespace HidSeam {
namespace {
const HidApi g_real = {&hid_init,       &hid_exit,          &hid_enumerate, &hid_free_enumeration, &hid_open_path,
                       &hid_write,      &hid_read_timeout,  &hid_close,     &hid_error};

std::atomic<const HidApi*> g_override{nullptr};
} // namespace

const HidApi& api()
{
    const HidApi* table = g_override.load();
    return table ? *table : g_real;
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
