#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "tools/key_slots.h"

namespace sim {

inline constexpr std::size_t kCipherBlock = 16;

// AES-128 in CBC mode with the slot's fixed chaining vector and no padding, so that the same
// plaintext always gives the same stored bytes. Any leading part of a whole number of blocks
// deciphers on its own. Empty when the length is not a whole number of blocks or the cipher
// library fails.
std::optional<std::vector<std::uint8_t>> encipher(const SlotKey& key,
                                                  std::span<const std::uint8_t> plain);
std::optional<std::vector<std::uint8_t>> decipher(const SlotKey& key,
                                                  std::span<const std::uint8_t> stored);

}  // namespace sim
