#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The 64-byte identity record the device returns for a firmware: its tag, version and name.
struct FwIdentity {
    static constexpr std::size_t kSize = 64;
    static constexpr std::size_t kTagOffset = 7;
    static constexpr std::size_t kVersionOffset = 11;
    static constexpr std::size_t kNameOffset = 32;
    static constexpr std::size_t kNameLength = 24;

    std::array<std::uint8_t, kSize> raw{};

    static FwIdentity FromBytes(const std::uint8_t* bytes);
    std::uint8_t Tag(int i) const { return raw[kTagOffset + static_cast<std::size_t>(i)]; }
    std::uint8_t Version(int i) const { return raw[kVersionOffset + static_cast<std::size_t>(i)]; }
};

// 1000 x V0 + 100 x V1 + 10 x V2 + V3.
std::int32_t VersionNumber(const FwIdentity& identity);

// Who a record describes, as the log names it.
enum class RecordSource { Image, DeviceEF64, DeviceEF32_0 };

// "<who> FW, Tag: t.t.t.t,  Version: v.v.v.v "
std::string IdentityLine(RecordSource source, const FwIdentity& identity);
// "<who> FW Name: " and the name bytes as characters U+0000..U+00FF up to the first zero byte.
std::string NameLine(RecordSource source, const FwIdentity& identity);
