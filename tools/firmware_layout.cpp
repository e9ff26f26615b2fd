#include "tools/firmware_layout.h"

#include <algorithm>

#include "tools/crc32.h"

namespace sim {

namespace {

constexpr std::array<std::uint8_t, 32> kProtectSignature{
    0x90, 0xB0, 0xFB, 0xE0, 0xA3, 0xF9, 0x00, 0x12, 0x97, 0x44, 0x00, 0x20, 0xC2, 0x00, 0x22, 0xF8,
    0x01, 0x24, 0x30, 0x01, 0x26, 0x66, 0x01, 0x28, 0x9A, 0x01, 0x31, 0xCE, 0x01, 0x33, 0x02, 0x02,
};

constexpr std::array<std::uint8_t, 4> kDescriptorMagic{'Q', 'P', 'F', 'W'};

std::uint32_t storedCrc(std::span<const std::uint8_t> bytes) {
    auto at = bytes.size() - kCrcSize;
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void seal(std::span<std::uint8_t> bytes) {
    std::uint32_t crc = crc32(bytes.first(bytes.size() - kCrcSize));
    for (std::size_t i = 0; i < kCrcSize; ++i)
        bytes[bytes.size() - kCrcSize + i] = static_cast<std::uint8_t>(crc >> (8 * i));
}

bool intact(std::span<const std::uint8_t> bytes, std::size_t size) {
    if (bytes.size() != size) return false;
    // An erased area carries no integrity data at all.
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0xFF; }))
        return false;
    return crc32(bytes.first(size - kCrcSize)) == storedCrc(bytes);
}

}  // namespace

void writeDescriptor(std::span<std::uint8_t> plainBody, CommandLevel level) {
    auto descriptor = plainBody.subspan(kDescriptorOffset, kDescriptorMagic.size() + 1);
    std::copy(kDescriptorMagic.begin(), kDescriptorMagic.end(), descriptor.begin());
    descriptor[kDescriptorMagic.size()] = static_cast<std::uint8_t>(level);
}

void sealMainBody(std::span<std::uint8_t> plainBody) {
    seal(plainBody);
}
void sealInfoPage(std::span<std::uint8_t> plainPage) {
    seal(plainPage);
}

bool mainBodyIntact(std::span<const std::uint8_t> plainBody) {
    return intact(plainBody, kMainBodySize);
}

bool infoPageIntact(std::span<const std::uint8_t> plainPage) {
    return intact(plainPage, kInfoPageSize);
}

IdentityRecord recordOf(std::span<const std::uint8_t> plainBody) {
    IdentityRecord record;
    record.fill(0xFF);
    std::copy_n(plainBody.begin(), std::min(plainBody.size(), record.size()), record.begin());
    return record;
}

CommandLevel commandLevelOf(std::span<const std::uint8_t> plainBody) {
    if (plainBody.size() < kDescriptorOffset + kDescriptorMagic.size() + 1)
        return CommandLevel::Antique;
    auto descriptor = plainBody.subspan(kDescriptorOffset);
    if (!std::equal(kDescriptorMagic.begin(), kDescriptorMagic.end(), descriptor.begin()))
        return CommandLevel::Antique;
    return descriptor[kDescriptorMagic.size()] == static_cast<std::uint8_t>(CommandLevel::Current)
               ? CommandLevel::Current
               : CommandLevel::Antique;
}

IdentityRecord protectedLoaderRecord() {
    IdentityRecord record{};
    for (std::size_t i = 0; i < kProtectSignature.size(); ++i) {
        record[2 * i] = kProtectSignature[i];
        record[2 * i + 1] = static_cast<std::uint8_t>(0x5A ^ i);
    }
    return record;
}

bool isProtectedLoaderRecord(const IdentityRecord& record) {
    for (std::size_t i = 0; i < kProtectSignature.size(); ++i)
        if (record[2 * i] != kProtectSignature[i]) return false;
    return true;
}

}  // namespace sim
