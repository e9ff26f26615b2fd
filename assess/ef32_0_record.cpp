#include "assess/ef32_0_record.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint8_t, 32> ProtectSignature{
    0x90, 0xB0, 0xFB, 0xE0, 0xA3, 0xF9, 0x00, 0x12, 0x97, 0x44, 0x00, 0x20, 0xC2, 0x00, 0x22, 0xF8,
    0x01, 0x24, 0x30, 0x01, 0x26, 0x66, 0x01, 0x28, 0x9A, 0x01, 0x31, 0xCE, 0x01, 0x33, 0x02, 0x02,
};

}  // namespace

bool IsErasedRecord(const FwIdentity& record) {
    return std::count(record.raw.begin(), record.raw.end(), 0xFF) >= 63;
}

bool HasProtectSignature(const FwIdentity& record) {
    for (std::size_t i = 0; i < ProtectSignature.size(); ++i)
        if (record.raw[2 * i] != ProtectSignature[i]) return false;
    return true;
}

bool HasEF32_0Tag(const FwIdentity& record) {
    return record.Tag(0) == 7 && record.Tag(1) == 8 && record.Tag(2) == 9 && record.Tag(3) == 10;
}
