#include "sim/code_location.h"

#include <cstdio>

namespace sim {

UsbIdentity usbIdentityOf(CodeLocation location) {
    switch (location) {
        case CodeLocation::MaskCode:
            return {0x4D7B, 0x1B40};
        case CodeLocation::ProtectCode:
            return {0x4D7B, 0x1B41};
        case CodeLocation::ApplicationCode:
        case CodeLocation::OtaCode:
            return {0x6E39, 0x7C15};
    }
    return {0, 0};
}

std::string_view codeLocationName(CodeLocation location) {
    switch (location) {
        case CodeLocation::MaskCode:
            return "Mask Code";
        case CodeLocation::ProtectCode:
            return "Protect_Code";
        case CodeLocation::ApplicationCode:
            return "Application Code";
        case CodeLocation::OtaCode:
            return "OTA Code";
    }
    return "";
}

std::string parentDeviceId(UsbIdentity identity, std::string_view serial) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "USB\\VID_%04X&PID_%04X\\", identity.vendorId,
                  identity.productId);
    return std::string(prefix) + std::string(serial);
}

}  // namespace sim
