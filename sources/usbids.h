#pragma once

// USB identity of the Tessitra units. The vendor ID is ours; each model has its own product ID.
// The Ariette is the first model, the Cadenzo the second.
namespace UsbIds {
constexpr unsigned short VendorId = 0x7A57;
constexpr unsigned short ArietteProductId = 0x0A21;
constexpr unsigned short CadenzoProductId = 0x0C42;

constexpr bool isModelProductId(int productId)
{
    return productId == ArietteProductId || productId == CadenzoProductId;
}
} // namespace UsbIds
