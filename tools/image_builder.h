#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/firmware_layout.h"

namespace sim {

enum class FlashMemory { EF64, EF32_0 };

// What a firmware says of itself, and how it behaves.
struct Firmware {
    std::array<std::uint8_t, 4> tag{};
    std::array<std::uint8_t, 4> version{};
    std::string name;  // at most 24 characters; shorter names end in zero bytes
    CommandLevel level = CommandLevel::Current;
};

IdentityRecord identityRecord(const Firmware& firmware);

// Deciphered contents, as a memory holds them once programmed.
std::vector<std::uint8_t> plainMainBody(const Firmware& firmware);
std::vector<std::uint8_t> plainProtectedLoaderBody();
std::vector<std::uint8_t> plainInfoPage(FlashMemory memory);

// Image files, enciphered for the main-image and information-page key slots. An image
// enciphered for another slot lets tests hand the controller the wrong key. A body or page of
// another size is cut or padded as erased; the result is empty for a slot without a key.
std::vector<std::uint8_t> mainImage(std::span<const std::uint8_t> plainBody,
                                    std::uint8_t keySlot = 0x23);
std::vector<std::uint8_t> infoImage(std::span<const std::uint8_t> plainPage,
                                    std::uint8_t keySlot = 0x1C);
std::vector<std::uint8_t> buildMainImage(const Firmware& firmware);
std::vector<std::uint8_t> reservedResource();

}  // namespace sim
