#pragma once

#include "sources/hidseam.h"

#include <QString>

// hidapi-shaped functions served by the virtual units plugged into a bus folder (see VirtualBusHost):
// enumerate lists the plugged units as vendor 0x7A57 devices with the model's product ID and the path
// "virtual:<bus folder>/<unit name>"; open_path takes that path; write takes 65-byte output reports; read
// returns the next queued 64-byte input report, or 0 at once when none is queued (the virtual unit never makes
// the caller sit out the timeout); a failure returns -1 and error() tells why.
namespace VirtualHidBackend {
// The table for the bus folder busDir (created when missing). The same folder always gives the same table.
const HidApi& api(const QString& busDir);
} // namespace VirtualHidBackend
