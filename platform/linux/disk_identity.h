#pragma once

#include <optional>
#include <string>
#include <string_view>

struct udev_device;

namespace platform::linux_backend {

// What discovery reads of one SCSI generic device, each value on its own; an empty value is a
// read that failed.
struct DiskIdentity {
    std::optional<std::string> interfacePath;  // the /dev/sgN node
    std::optional<std::string> compatibleId;
    bool hasParent = false;
    std::optional<std::string> parentDeviceId;
};

inline constexpr std::string_view kUsbStorageDiskId = "USBSTOR\\Disk";
inline constexpr std::string_view kUsbOtherId = "USB\\Other";
inline constexpr std::string_view kScsiDiskId = "SCSI\\Disk";
inline constexpr std::string_view kScsiOtherId = "SCSI\\Other";

// Reads the identity of a device of the scsi_generic subsystem from sysfs.
DiskIdentity readDiskIdentity(udev_device* scsiGeneric);

// USB\VID_vvvv&PID_pppp\serial with uppercase digits, from the idVendor and idProduct
// attributes as sysfs gives them (four hexadecimal digits, lowercase). Empty when either is
// not four hexadecimal digits.
std::optional<std::string> formatUsbParentId(std::string_view idVendor, std::string_view idProduct,
                                             std::string_view serial);

}  // namespace platform::linux_backend
