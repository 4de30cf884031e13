#pragma once

#include "sources/hidseam.h"

#include <QString>

// hidapi-shaped functions served by the virtual units plugged into a bus folder.
namespace VirtualHidBackend {
// The table for the bus folder busDir (created when missing). The same folder always gives the same table.
const HidApi& api(const QString& busDir);
} // namespace VirtualHidBackend
