#pragma once

#include <memory>

// Owning pointers to libudev objects. Only the C types are named here, so that users of the
// backend need not see libudev's header.
struct udev;
struct udev_device;
struct udev_enumerate;
struct udev_monitor;

namespace platform::linux_backend {

struct UdevUnref {
    void operator()(udev* object) const;
    void operator()(udev_device* object) const;
    void operator()(udev_enumerate* object) const;
    void operator()(udev_monitor* object) const;
};

using UdevPtr = std::unique_ptr<udev, UdevUnref>;
using UdevDevicePtr = std::unique_ptr<udev_device, UdevUnref>;
using UdevEnumeratePtr = std::unique_ptr<udev_enumerate, UdevUnref>;
using UdevMonitorPtr = std::unique_ptr<udev_monitor, UdevUnref>;

}  // namespace platform::linux_backend
