#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The vendor command set. Every CDB starts with 0xFF, then the operation code, then byte 2
// (a fixed sub-operation, the AES key slot or the information-page number), zeros in bytes 3
// to 6 and the tail in bytes 7 to 15. Bytes past the CDB length are not sent.

// Where a command's data phase reads or writes.
enum class DataSource {
    None,           // no buffer
    ReplyBuffer,    // the shared reply buffer (also for zero-length data-in commands)
    MainImageHead,  // the first 2048 bytes of a main image, offset 0 included
    MainImageBody,  // a main image from offset 0x200, 65536 bytes
    InfoImagePage,  // an information image from offset 0x200, 128 bytes
};

enum class Byte2 { Fixed, KeySlot, Page };

// Bytes 7 to 15: nine zeros, or the sequence tail 01 02 ... 09.
enum class Tail { Zero, Sequence };

struct IspCommand {
    std::string_view name;  // without "ISP_CMD_"
    std::uint8_t opcode;
    Byte2 byte2Kind;
    std::uint8_t byte2;  // the fixed value of byte 2
    std::uint8_t cdbLength;
    std::uint8_t direction;  // 1 data from the device, 0 data to it
    std::uint32_t transferLength;
    DataSource data;
};

inline constexpr std::size_t kMainImageSize = 66048;
inline constexpr std::size_t kInfoImageSize = 768;
inline constexpr std::size_t kImageBodyOffset = 0x200;
inline constexpr std::uint32_t kImageHeadLength = 2048;
inline constexpr std::uint32_t kMainBodyLength = 65536;
inline constexpr std::uint32_t kInfoPageLength = 128;
inline constexpr std::uint32_t kIdentityLength = 64;
inline constexpr std::uint32_t kMaskQueryLength = 128;

// clang-format off
inline constexpr IspCommand ISP_CMD_MASK_QUERY         {"MASK_QUERY",          0x44, Byte2::Fixed,   0x00, 16, 1, kMaskQueryLength, DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_SELECT_AES_KEY     {"SELECT_AES_KEY",      0x62, Byte2::KeySlot, 0x00, 16, 1, 0,                DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_EXECUTE            {"EXECUTE",             0xA0, Byte2::Fixed,   0x02, 11, 1, 0,                DataSource::None};
inline constexpr IspCommand ISP_CMD_READ_FW_INFO       {"READ_FW_INFO",        0xA0, Byte2::Fixed,   0x04, 16, 1, kIdentityLength,  DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_READ_EF32_0_INFO   {"READ_EF32_0_INFO",    0xA0, Byte2::Fixed,   0x05, 16, 1, kIdentityLength,  DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_SEND_IMAGE_HEAD    {"SEND_IMAGE_HEAD",     0xA0, Byte2::Fixed,   0x06, 16, 0, kImageHeadLength, DataSource::MainImageHead};
inline constexpr IspCommand ISP_CMD_READ_IMAGE_INFO    {"READ_IMAGE_INFO",     0xA0, Byte2::Fixed,   0x07, 16, 1, kIdentityLength,  DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_ERASE_EF64_MAIN    {"ERASE_EF64_MAIN",     0x52, Byte2::Fixed,   0x00, 16, 1, 0,                DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_ERASE_EF64_INFO    {"ERASE_EF64_INFO",     0x53, Byte2::Fixed,   0x00, 16, 1, 0,                DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_CHECKSUM_EF64_MAIN {"CHECKSUM_EF64_MAIN",  0x58, Byte2::Fixed,   0x00, 16, 1, 0,                DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_CHECKSUM_EF64_INFO {"CHECKSUM_EF64_INFO",  0x59, Byte2::Fixed,   0x00, 16, 1, 0,                DataSource::ReplyBuffer};
inline constexpr IspCommand ISP_CMD_JUMP_EF64          {"JUMP_EF64",           0x56, Byte2::Fixed,   0x00, 16, 0, 0,                DataSource::None};
inline constexpr IspCommand ISP_CMD_PROGRAM_EF32_0_MAIN{"PROGRAM_EF32_0_MAIN", 0x29, Byte2::Fixed,   0x00, 16, 0, kMainBodyLength,  DataSource::MainImageBody};
inline constexpr IspCommand ISP_CMD_CHECKSUM_EF32_0_MAIN{"CHECKSUM_EF32_0_MAIN", 0x24, Byte2::Fixed, 0x00, 16, 0, 0,                DataSource::None};
inline constexpr IspCommand ISP_CMD_PROGRAM_EF32_INFO  {"PROGRAM_EF32_INFO",   0x2A, Byte2::Page,    0x00, 16, 0, kInfoPageLength,  DataSource::InfoImagePage};
inline constexpr IspCommand ISP_CMD_CHECKSUM_EF32_INFO {"CHECKSUM_EF32_INFO",  0x25, Byte2::Page,    0x00, 16, 0, 0,                DataSource::None};
// Byte 2 of the jump is 01: the page number of the check sent before it.
inline constexpr IspCommand ISP_CMD_JUMP_EF32          {"JUMP_EF32",           0x27, Byte2::Fixed,   0x01, 16, 0, 0,                DataSource::None};

// The two dialects of EF64 programming. The protected loader takes 0x50 for the main memory
// and 0x5A for the information page; Mask Code 0210 and the OTA Code take 0x5A and 0x5B.
inline constexpr IspCommand ISP_CMD_PROGRAM_EF64_MAIN_PROTECT {"PROGRAM_EF64_MAIN", 0x50, Byte2::Fixed, 0x00, 16, 0, kMainBodyLength, DataSource::MainImageBody};
inline constexpr IspCommand ISP_CMD_PROGRAM_EF64_INFO_PROTECT {"PROGRAM_EF64_INFO", 0x5A, Byte2::Fixed, 0x00, 16, 0, kInfoPageLength, DataSource::InfoImagePage};
inline constexpr IspCommand ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA{"PROGRAM_EF64_MAIN", 0x5A, Byte2::Fixed, 0x00, 16, 0, kMainBodyLength, DataSource::MainImageBody};
inline constexpr IspCommand ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA{"PROGRAM_EF64_INFO", 0x5B, Byte2::Fixed, 0x00, 16, 0, kInfoPageLength, DataSource::InfoImagePage};
// clang-format on

// Key slots.
inline constexpr std::uint8_t KEY_SLOT_MASK_PROBE = 0x00;
inline constexpr std::uint8_t KEY_SLOT_MAIN = 0x23;
inline constexpr std::uint8_t KEY_SLOT_INFO = 0x1C;

// Every command of the set, each dialect once.
std::span<const IspCommand> AllIspCommands();

// The 16 CDB bytes of a command; `argument` is byte 2 for key-slot and page commands.
std::array<std::uint8_t, 16> BuildCdb(const IspCommand& command, Tail tail,
                                      std::uint8_t argument = 0);
