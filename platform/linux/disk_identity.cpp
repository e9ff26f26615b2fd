#include "platform/linux/disk_identity.h"

#include <libudev.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace platform::linux_backend {

namespace {

constexpr std::string_view kScsiTypeDisk = "0";

std::optional<std::string_view> attribute(udev_device* device, const char* name) {
    const char* value = device ? udev_device_get_sysattr_value(device, name) : nullptr;
    if (value == nullptr) return std::nullopt;
    std::string_view text(value);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool isHexWord(std::string_view text) {
    return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) != 0;
           });
}

bool boundToMassStorage(udev_device* usbInterface) {
    const char* driver = usbInterface ? udev_device_get_driver(usbInterface) : nullptr;
    if (driver == nullptr) return false;
    std::string_view name(driver);
    return name == "usb-storage" || name == "uas";
}

std::optional<std::string> compatibleIdOf(udev_device* scsiGeneric) {
    udev_device* scsiDevice =
        udev_device_get_parent_with_subsystem_devtype(scsiGeneric, "scsi", "scsi_device");
    auto type = attribute(scsiDevice, "type");
    if (!type) return std::nullopt;
    bool disk = *type == kScsiTypeDisk;
    udev_device* usbInterface =
        udev_device_get_parent_with_subsystem_devtype(scsiGeneric, "usb", "usb_interface");
    if (usbInterface != nullptr) {
        return std::string(disk && boundToMassStorage(usbInterface) ? kUsbStorageDiskId
                                                                    : kUsbOtherId);
    }
    return std::string(disk ? kScsiDiskId : kScsiOtherId);
}

std::optional<std::string> parentIdOf(udev_device* scsiGeneric) {
    udev_device* usbDevice =
        udev_device_get_parent_with_subsystem_devtype(scsiGeneric, "usb", "usb_device");
    if (usbDevice == nullptr) {
        // A disk on another bus (SATA, SAS, virtual). Its parent is named after the SCSI device
        // it belongs to; the name holds no "VID_" or "PID_", so it never reads as a product,
        // and, since its compatible identifier is not the USB storage one either, discovery
        // passes over it and goes on with the next disk.
        udev_device* parent = udev_device_get_parent(scsiGeneric);
        const char* name = parent ? udev_device_get_sysname(parent) : nullptr;
        if (name == nullptr) return std::nullopt;
        return "SCSI\\" + std::string(name);
    }
    auto vid = attribute(usbDevice, "idVendor");
    auto pid = attribute(usbDevice, "idProduct");
    if (!vid || !pid) return std::nullopt;
    // A device without a serial number is known by its port instead, as its instance identifier
    // then has to be unique some other way.
    auto serial = attribute(usbDevice, "serial");
    std::string_view instance;
    if (serial && !serial->empty()) {
        instance = *serial;
    } else if (const char* port = udev_device_get_sysname(usbDevice)) {
        instance = port;
    }
    return formatUsbParentId(*vid, *pid, instance);
}

}  // namespace

std::optional<std::string> formatUsbParentId(std::string_view idVendor, std::string_view idProduct,
                                             std::string_view serial) {
    if (!isHexWord(idVendor) || !isHexWord(idProduct)) return std::nullopt;
    std::string id = "USB\\VID_";
    for (char c : idVendor) id += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    id += "&PID_";
    for (char c : idProduct) id += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    id += '\\';
    id += serial;
    return id;
}

DiskIdentity readDiskIdentity(udev_device* scsiGeneric) {
    DiskIdentity identity;
    if (const char* node = udev_device_get_devnode(scsiGeneric)) identity.interfacePath = node;
    identity.compatibleId = compatibleIdOf(scsiGeneric);
    identity.hasParent = udev_device_get_parent(scsiGeneric) != nullptr;
    if (identity.hasParent) identity.parentDeviceId = parentIdOf(scsiGeneric);
    return identity;
}

}  // namespace platform::linux_backend
