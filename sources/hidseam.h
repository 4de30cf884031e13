#pragma once

#include <hidapi/hidapi.h>

// The link reaches the HID stack only through this table. It holds the real hidapi unless the front end (the
// window's entry point, the command line, a test) hands it another table, such as the virtual bus that serves
// the units plugged into a folder. The link cannot tell the two apart, and the core knows no other table.
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
// The table in use.
const HidApi& api();
// The real hidapi.
const HidApi& realApi();
// Replaces the table; nullptr goes back to the real hidapi. Set it before the device worker starts.
void setApi(const HidApi* table);
} // namespace HidSeam
