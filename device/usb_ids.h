#pragma once

#include <cstdint>
#include <string_view>

// The product's USB identity in each code location.
inline constexpr std::uint16_t VID_LOADER = 0x4D7B;
inline constexpr std::uint16_t VID_APPLICATION = 0x6E39;
inline constexpr std::uint16_t PID_MASK_CODE = 0x1B40;
inline constexpr std::uint16_t PID_PROTECT_CODE = 0x1B41;
inline constexpr std::uint16_t PID_APPLICATION = 0x7C15;
inline constexpr std::string_view SN_OTA_CODE = "00000000EF32";
