#include "platform/linux/hotplug_monitor.h"

#include <libudev.h>

#include <string_view>

namespace platform::linux_backend {

std::unique_ptr<HotplugMonitor> HotplugMonitor::create(udev* context, EventSource source) {
    if (context == nullptr) return nullptr;
    UdevMonitorPtr monitor(
        udev_monitor_new_from_netlink(context, source == EventSource::Udev ? "udev" : "kernel"));
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "scsi_generic", nullptr) <
            0 ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "block", "disk") < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        return nullptr;
    }
    return std::unique_ptr<HotplugMonitor>(new HotplugMonitor(std::move(monitor)));
}

int HotplugMonitor::fd() const {
    return udev_monitor_get_fd(monitor_.get());
}

void HotplugMonitor::drain(const std::function<void(DeviceEvent)>& report) {
    // The monitor's socket does not block: a null device means nothing more is waiting.
    while (UdevDevicePtr device{udev_monitor_receive_device(monitor_.get())}) {
        const char* action = udev_device_get_action(device.get());
        if (action == nullptr || !report) continue;
        std::string_view name(action);
        if (name == "add") {
            report(DeviceEvent::Arrival);
        } else if (name == "remove") {
            report(DeviceEvent::Removal);
        }
    }
}

}  // namespace platform::linux_backend
