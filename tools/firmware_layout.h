#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace sim {

// Where things sit in the firmware images and in the eFlash memories that hold them.
//
// A main image is a 512-byte lead-in in clear followed by the 65536-byte body, enciphered with
// the main-image key. The deciphered body is what a main memory holds:
//   0..63        the identity record the controller reports for it
//   64..79       the firmware descriptor: "QPFW", then the command level
//   80..65531    code
//   65532..65535 CRC-32 of bytes 0..65531, little-endian
// An information image is a 512-byte lead-in, the 128-byte page enciphered with the
// information-page key, and 128 filler bytes. The deciphered page ends in the CRC-32 of its
// first 124 bytes.
inline constexpr std::size_t kLeadInSize = 512;
inline constexpr std::size_t kMainBodySize = 65536;
inline constexpr std::size_t kMainImageFileSize = kLeadInSize + kMainBodySize;
inline constexpr std::size_t kImageHeadSize = 2048;
inline constexpr std::size_t kInfoPageSize = 128;
inline constexpr std::size_t kInfoImageFileSize = 768;
inline constexpr std::size_t kReservedFileSize = 256;
inline constexpr std::size_t kRecordSize = 64;
inline constexpr std::size_t kRecordTagOffset = 7;
inline constexpr std::size_t kRecordVersionOffset = 11;
inline constexpr std::size_t kRecordNameOffset = 32;
inline constexpr std::size_t kRecordNameLength = 24;
inline constexpr std::size_t kDescriptorOffset = 64;
inline constexpr std::size_t kCrcSize = 4;

using IdentityRecord = std::array<std::uint8_t, kRecordSize>;

// Which commands an application firmware answers: antique firmware predates the key slots
// and the identity commands.
enum class CommandLevel : std::uint8_t { Antique = 0, Current = 1 };

// Writes the descriptor of a main body.
void writeDescriptor(std::span<std::uint8_t> plainBody, CommandLevel level);
// Writes the trailing CRC of a main body or an information page.
void sealMainBody(std::span<std::uint8_t> plainBody);
void sealInfoPage(std::span<std::uint8_t> plainPage);
// The trailing CRC matches the rest (false for a span of the wrong size).
bool mainBodyIntact(std::span<const std::uint8_t> plainBody);
bool infoPageIntact(std::span<const std::uint8_t> plainPage);

// The first 64 bytes of a deciphered body; missing bytes read as erased (0xFF).
IdentityRecord recordOf(std::span<const std::uint8_t> plainBody);
// The descriptor's command level; Antique also for a body without a descriptor.
CommandLevel commandLevelOf(std::span<const std::uint8_t> plainBody);

// The record of the protected loader: its signature at the even offsets.
IdentityRecord protectedLoaderRecord();
bool isProtectedLoaderRecord(const IdentityRecord& record);

}  // namespace sim
