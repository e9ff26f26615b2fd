#include "firmware/fw_identity.h"

#include <algorithm>
#include <cstdio>

FwIdentity FwIdentity::FromBytes(const std::uint8_t* bytes) {
    FwIdentity identity;
    std::copy_n(bytes, kSize, identity.raw.begin());
    return identity;
}

std::int32_t VersionNumber(const FwIdentity& identity) {
    return 1000 * identity.Version(0) + 100 * identity.Version(1) + 10 * identity.Version(2) +
           identity.Version(3);
}

namespace {

std::string_view Who(RecordSource source) {
    switch (source) {
        case RecordSource::Image:
            return "BINX File";
        case RecordSource::DeviceEF64:
            return "Device EF64";
        case RecordSource::DeviceEF32_0:
            return "Device EF32_0";
    }
    return {};
}

}  // namespace

std::string IdentityLine(RecordSource source, const FwIdentity& id) {
    char line[96];
    std::snprintf(line, sizeof line, " FW, Tag: %d.%d.%d.%d,  Version: %d.%d.%d.%d ", id.Tag(0),
                  id.Tag(1), id.Tag(2), id.Tag(3), id.Version(0), id.Version(1), id.Version(2),
                  id.Version(3));
    return std::string(Who(source)) + line;
}

std::string NameLine(RecordSource source, const FwIdentity& id) {
    std::string line = std::string(Who(source)) + " FW Name: ";
    for (std::size_t i = 0; i < FwIdentity::kNameLength; ++i) {
        std::uint8_t byte = id.raw[FwIdentity::kNameOffset + i];
        if (byte == 0) break;
        if (byte < 0x80) {
            line += static_cast<char>(byte);
        } else {
            line += static_cast<char>(0xC0 | (byte >> 6));
            line += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return line;
}
