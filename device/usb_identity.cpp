#include "device/usb_identity.h"

#include "device/usb_ids.h"

std::uint16_t ParseHexWord(std::string_view text) {
    unsigned value = 0;
    for (std::size_t i = 0; i < 4 && i < text.size(); ++i) {
        char c = text[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        value = value * 16 + digit;
    }
    return static_cast<std::uint16_t>(value);
}

bool IsUsbStorageDisk(std::string_view compatibleId) {
    return compatibleId.substr(0, 12) == "USBSTOR\\Disk";
}

std::optional<ParentIdentity> ParseParentDeviceId(std::string_view parentId) {
    std::size_t vidAt = parentId.find("VID_");
    std::size_t pidAt = parentId.find("PID_");
    if (vidAt == std::string_view::npos || pidAt == std::string_view::npos) return std::nullopt;
    if (vidAt + 8 > parentId.size()) return std::nullopt;
    // The serial starts at the ninth character after "PID_": four digits and a backslash.
    if (pidAt + 9 > parentId.size()) return std::nullopt;
    return ParentIdentity{ParseHexWord(parentId.substr(vidAt + 4, 4)),
                          ParseHexWord(parentId.substr(pidAt + 4, 4)),
                          std::string(parentId.substr(pidAt + 9))};
}

CodeLocation ClassifyCodeLocation(std::uint16_t vid, std::uint16_t pid, std::string_view serial) {
    if (vid == VID_LOADER && pid == PID_MASK_CODE) return CodeLocation::MaskCode;
    if (vid == VID_LOADER && pid == PID_PROTECT_CODE) return CodeLocation::ProtectCode;
    if (vid == VID_APPLICATION && pid == PID_APPLICATION)
        return serial.substr(0, SN_OTA_CODE.size()) == SN_OTA_CODE ? CodeLocation::OtaCode
                                                                   : CodeLocation::ApplicationCode;
    return CodeLocation::NotProduct;
}
