#pragma once

#include <memory>
#include <vector>

#include "platform/device_system.h"
#include "platform/linux/disk_identity.h"

struct udev;

namespace platform::linux_backend {

// The SCSI generic devices present when it was taken, each with what discovery reads of it.
class DiskInterfaceSnapshot final : public DiskInterfaceSet {
  public:
    explicit DiskInterfaceSnapshot(std::vector<DiskIdentity> disks) : disks_(std::move(disks)) {}

    bool exists(std::size_t index) const override { return index < disks_.size(); }
    std::optional<std::string> interfacePath(std::size_t index) const override;
    std::optional<std::string> compatibleId(std::size_t index) const override;
    bool hasParent(std::size_t index) const override;
    std::optional<std::string> parentDeviceId(std::size_t index) const override;

  private:
    const DiskIdentity* at(std::size_t index) const;

    std::vector<DiskIdentity> disks_;
};

// Lists the scsi_generic devices in sysfs order. Null when the list cannot be read.
std::unique_ptr<DiskInterfaceSet> snapshotDiskInterfaces(udev* context);

}  // namespace platform::linux_backend
