#pragma once

#include <functional>
#include <memory>

#include "platform/device_system.h"
#include "platform/linux/udev_handles.h"

namespace platform::linux_backend {

// Where device events come from: the udev daemon once it has set up a device, or the kernel
// directly where no daemon runs (containers, minimal systems).
enum class EventSource { Udev, Kernel };

// Listens for SCSI generic nodes and whole disks arriving and leaving.
class HotplugMonitor {
  public:
    // Null when the monitor cannot be set up.
    static std::unique_ptr<HotplugMonitor> create(udev* context, EventSource source);

    // Readable when events are waiting.
    int fd() const;
    // Reads every event that is waiting and reports adds and removals; other actions are
    // ignored. Never blocks.
    void drain(const std::function<void(DeviceEvent)>& report);

  private:
    explicit HotplugMonitor(UdevMonitorPtr monitor) : monitor_(std::move(monitor)) {}

    UdevMonitorPtr monitor_;
};

}  // namespace platform::linux_backend
