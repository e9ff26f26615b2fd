#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

// Where the controller runs from. Each location shows its own USB identity.
enum class CodeLocation { MaskCode, ProtectCode, ApplicationCode, OtaCode };

// The two boot ROMs. 0110 has no key in slot 0.
enum class MaskVariant { V0210, V0110 };

struct UsbIdentity {
    std::uint16_t vendorId;
    std::uint16_t productId;
};

UsbIdentity usbIdentityOf(CodeLocation location);
std::string_view codeLocationName(CodeLocation location);
// The parent identifier of the disk: USB\VID_vvvv&PID_pppp\serial, hex in upper case.
std::string parentDeviceId(UsbIdentity identity, std::string_view serial);

}  // namespace sim
