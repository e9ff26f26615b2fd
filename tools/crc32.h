#pragma once

#include <cstdint>
#include <span>

namespace sim {

// CRC-32 as in IEEE 802.3 (reflected polynomial 0xEDB88320, initial and final value all ones).
std::uint32_t crc32(std::span<const std::uint8_t> bytes);

}  // namespace sim
