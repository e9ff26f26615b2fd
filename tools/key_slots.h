#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace sim {

// The AES-128 key and chaining vector behind one key slot of the controller. Only the image
// builder and the product know them; the updater only names a slot.
struct SlotKey {
    std::array<std::uint8_t, 16> key;
    std::array<std::uint8_t, 16> iv;
};

inline constexpr std::uint8_t kSlotMaskProbe = 0x00;
inline constexpr std::uint8_t kSlotInfoPage = 0x1C;
inline constexpr std::uint8_t kSlotMainImage = 0x23;

// The key of a slot; empty for a slot the controller does not have.
std::optional<SlotKey> keyOfSlot(std::uint8_t slot);

}  // namespace sim
