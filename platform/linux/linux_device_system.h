#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/device_system.h"
#include "platform/linux/udev_handles.h"

namespace platform::linux_backend {

class HotplugMonitor;

struct LinuxDeviceSystemOptions {
    // Opens a device node: returns the descriptor, or -1 with errno set. Defaults to open(2).
    std::function<int(const char* path, int flags)> openNode;
    // Receives one line, without a newline, for each failed open. Defaults to standard error.
    std::function<void(const std::string& line)> diagnostics;
    // Present while a udev daemon runs; events then come from it, otherwise from the kernel.
    std::string udevControlPath = "/run/udev/control";
};

// The real hardware: SCSI generic devices found with libudev, opened exclusively and driven
// with SG_IO; arrivals and removals heard on a udev monitor.
class LinuxDeviceSystem final : public DeviceSystem {
  public:
    explicit LinuxDeviceSystem(LinuxDeviceSystemOptions options = {});
    ~LinuxDeviceSystem() override;

    std::unique_ptr<DiskInterfaceSet> presentDiskInterfaces() override;
    DeviceHandle open(const std::string& path) override;
    void setListener(Listener listener) override { listener_ = std::move(listener); }
    // -1 when no monitor could be set up: then arrivals and removals go unheard and the
    // tool relies on its periodic rediscovery.
    int eventFd() const override;
    void processEvents() override;

  private:
    LinuxDeviceSystemOptions options_;
    UdevPtr udev_;
    std::unique_ptr<HotplugMonitor> monitor_;
    Listener listener_;
};

}  // namespace platform::linux_backend
