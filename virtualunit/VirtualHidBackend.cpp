#include "VirtualHidBackend.h"

// Placeholder until the virtual bus lands: behaves like an empty bus.
namespace VirtualHidBackend {
namespace {
int vInit() { return 0; }
int vExit() { return 0; }
hid_device_info* vEnumerate(unsigned short, unsigned short) { return nullptr; }
void vFree(hid_device_info*) {}
hid_device* vOpen(const char*) { return nullptr; }
int vWrite(hid_device*, const unsigned char*, size_t) { return -1; }
int vRead(hid_device*, unsigned char*, size_t, int) { return -1; }
void vClose(hid_device*) {}
const wchar_t* vError(hid_device*) { return L"no virtual unit"; }
const HidApi g_table = {&vInit, &vExit, &vEnumerate, &vFree, &vOpen, &vWrite, &vRead, &vClose, &vError};
} // namespace
const HidApi& api(const QString&) { return g_table; }
} // namespace VirtualHidBackend
