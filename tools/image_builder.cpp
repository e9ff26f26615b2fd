#include "tools/image_builder.h"

#include <algorithm>

#include "tools/block_cipher.h"
#include "tools/crc32.h"
#include "tools/key_slots.h"

namespace sim {

namespace {

constexpr std::array<std::uint8_t, 6> kLeadInMagic{'Q', 'P', 'I', 'M', 'G', 0};
constexpr std::uint8_t kLeadInFormat = 1;
constexpr std::uint8_t kKindMain = 1;
constexpr std::uint8_t kKindInfo = 2;

// Deterministic filler standing in for code: xorshift32 from a seed.
void fillCode(std::span<std::uint8_t> bytes, std::uint32_t seed) {
    std::uint32_t x = seed == 0 ? 0x9E3779B9u : seed;
    for (auto& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<std::uint8_t>(x >> 24);
    }
}

void putLe32(std::span<std::uint8_t> at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The clear lead-in: what the file is, which slot its payload needs and the payload's CRC.
std::vector<std::uint8_t> leadIn(std::uint8_t kind, std::uint8_t keySlot,
                                 std::span<const std::uint8_t> stored) {
    std::vector<std::uint8_t> lead(kLeadInSize, 0);
    std::copy(kLeadInMagic.begin(), kLeadInMagic.end(), lead.begin());
    lead[6] = kLeadInFormat;
    lead[7] = kind;
    lead[8] = keySlot;
    putLe32(std::span(lead).subspan(12, 4), static_cast<std::uint32_t>(stored.size()));
    putLe32(std::span(lead).subspan(16, 4), crc32(stored));
    return lead;
}

// The plain bytes cut or padded (as erased) to `size`, enciphered; empty when the slot has no
// key.
std::vector<std::uint8_t> encipherFor(std::uint8_t keySlot, std::span<const std::uint8_t> plain,
                                      std::size_t size) {
    std::vector<std::uint8_t> exact(plain.begin(), plain.begin() + std::min(plain.size(), size));
    exact.resize(size, 0xFF);
    auto key = keyOfSlot(keySlot);
    if (!key) return {};
    auto stored = encipher(*key, exact);
    return stored ? std::move(*stored) : std::vector<std::uint8_t>{};
}

}  // namespace

IdentityRecord identityRecord(const Firmware& firmware) {
    IdentityRecord record{};
    std::copy(firmware.tag.begin(), firmware.tag.end(), record.begin() + kRecordTagOffset);
    std::copy(firmware.version.begin(), firmware.version.end(),
              record.begin() + kRecordVersionOffset);
    std::copy_n(firmware.name.begin(), std::min(firmware.name.size(), kRecordNameLength),
                record.begin() + kRecordNameOffset);
    return record;
}

std::vector<std::uint8_t> plainMainBody(const Firmware& firmware) {
    std::vector<std::uint8_t> body(kMainBodySize);
    IdentityRecord record = identityRecord(firmware);
    std::copy(record.begin(), record.end(), body.begin());
    writeDescriptor(body, firmware.level);
    fillCode(std::span(body).subspan(80, kMainBodySize - 80 - kCrcSize), crc32(record));
    sealMainBody(body);
    return body;
}

std::vector<std::uint8_t> plainProtectedLoaderBody() {
    std::vector<std::uint8_t> body(kMainBodySize);
    IdentityRecord record = protectedLoaderRecord();
    std::copy(record.begin(), record.end(), body.begin());
    writeDescriptor(body, CommandLevel::Current);
    fillCode(std::span(body).subspan(80, kMainBodySize - 80 - kCrcSize), crc32(record));
    sealMainBody(body);
    return body;
}

std::vector<std::uint8_t> plainInfoPage(FlashMemory memory) {
    std::vector<std::uint8_t> page(kInfoPageSize);
    const char* magic = memory == FlashMemory::EF64 ? "QPIF64" : "QPIF32";
    std::copy_n(magic, 6, page.begin());
    fillCode(std::span(page).subspan(6, kInfoPageSize - 6 - kCrcSize),
             memory == FlashMemory::EF64 ? 0x64u : 0x320u);
    sealInfoPage(page);
    return page;
}

std::vector<std::uint8_t> mainImage(std::span<const std::uint8_t> plainBody, std::uint8_t keySlot) {
    std::vector<std::uint8_t> stored = encipherFor(keySlot, plainBody, kMainBodySize);
    if (stored.empty()) return {};
    std::vector<std::uint8_t> image = leadIn(kKindMain, keySlot, stored);
    image.insert(image.end(), stored.begin(), stored.end());
    return image;
}

std::vector<std::uint8_t> infoImage(std::span<const std::uint8_t> plainPage, std::uint8_t keySlot) {
    std::vector<std::uint8_t> stored = encipherFor(keySlot, plainPage, kInfoPageSize);
    if (stored.empty()) return {};
    std::vector<std::uint8_t> image = leadIn(kKindInfo, keySlot, stored);
    image.insert(image.end(), stored.begin(), stored.end());
    image.resize(kInfoImageFileSize, 0xFF);
    return image;
}

std::vector<std::uint8_t> buildMainImage(const Firmware& firmware) {
    return mainImage(plainMainBody(firmware));
}

std::vector<std::uint8_t> reservedResource() {
    std::vector<std::uint8_t> bytes(kReservedFileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
}

}  // namespace sim
