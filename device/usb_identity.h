#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The classification side of discovery: plain logic on the identifiers the platform gives.

// The value of the first four characters read as uppercase hexadecimal; any other character
// counts as 0. The caller guarantees four characters.
std::uint16_t ParseHexWord(std::string_view text);

// The compatible-identifier test: the first 12 characters are "USBSTOR\Disk".
bool IsUsbStorageDisk(std::string_view compatibleId);

// VID, PID and serial from a parent identifier of the form USB\VID_vvvv&PID_pppp\serial.
// None when "VID_" or "PID_" is missing or the text is too short for the four digits after
// each and the serial after the PID.
struct ParentIdentity {
    std::uint16_t vid;
    std::uint16_t pid;
    std::string serial;
};
std::optional<ParentIdentity> ParseParentDeviceId(std::string_view parentId);

enum class CodeLocation { NotProduct, MaskCode, ProtectCode, OtaCode, ApplicationCode };

CodeLocation ClassifyCodeLocation(std::uint16_t vid, std::uint16_t pid, std::string_view serial);
