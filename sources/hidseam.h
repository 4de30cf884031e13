#pragma once

#include <hidapi/hidapi.h>

// The link reaches the HID stack only through this table. By default it holds the real hidapi;
// when TESSITRA_VIRTUAL_BUS names a folder it holds the virtual bus that serves the units
// plugged into that folder. The link cannot tell the two apart.
struct HidApi
{
    int (*init)();
    int (*exit)();
    hid_device_info* (*enumerate)(unsigned short vendorId, unsigned short productId);
    void (*free_enumeration)(hid_device_info* devices);
    hid_device* (*open_path)(const char* path);
    int (*write)(hid_device* device, const unsigned char* data, size_t length);
    int (*read_timeout)(hid_device* device, unsigned char* data, size_t length, int milliseconds);
    void (*close)(hid_device* device);
    const wchar_t* (*error)(hid_device* device);
};

namespace HidSeam {
// The table in use. Chosen on first use from the environment.
const HidApi& api();
// The real hidapi.
const HidApi& realApi();
// Replaces the table (tests); nullptr goes back to the choice made from the environment.
void setApi(const HidApi* table);
} // namespace HidSeam
