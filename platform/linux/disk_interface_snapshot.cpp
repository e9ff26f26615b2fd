#include "platform/linux/disk_interface_snapshot.h"

#include <libudev.h>

#include "platform/linux/udev_handles.h"

namespace platform::linux_backend {

const DiskIdentity* DiskInterfaceSnapshot::at(std::size_t index) const {
    return index < disks_.size() ? &disks_[index] : nullptr;
}

std::optional<std::string> DiskInterfaceSnapshot::interfacePath(std::size_t index) const {
    const DiskIdentity* disk = at(index);
    return disk ? disk->interfacePath : std::nullopt;
}

std::optional<std::string> DiskInterfaceSnapshot::compatibleId(std::size_t index) const {
    const DiskIdentity* disk = at(index);
    return disk ? disk->compatibleId : std::nullopt;
}

bool DiskInterfaceSnapshot::hasParent(std::size_t index) const {
    const DiskIdentity* disk = at(index);
    return disk != nullptr && disk->hasParent;
}

std::optional<std::string> DiskInterfaceSnapshot::parentDeviceId(std::size_t index) const {
    const DiskIdentity* disk = at(index);
    return disk ? disk->parentDeviceId : std::nullopt;
}

std::unique_ptr<DiskInterfaceSet> snapshotDiskInterfaces(udev* context) {
    if (context == nullptr) return nullptr;
    UdevEnumeratePtr enumerate(udev_enumerate_new(context));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "scsi_generic") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0) {
        return nullptr;
    }
    std::vector<DiskIdentity> disks;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        UdevDevicePtr device(
            udev_device_new_from_syspath(context, udev_list_entry_get_name(entry)));
        // A device that left between the scan and this read is no longer present.
        if (!device) continue;
        disks.push_back(readDiskIdentity(device.get()));
    }
    return std::make_unique<DiskInterfaceSnapshot>(std::move(disks));
}

}  // namespace platform::linux_backend
