#include "platform/linux/udev_handles.h"

#include <libudev.h>

namespace platform::linux_backend {

void UdevUnref::operator()(udev* object) const {
    udev_unref(object);
}
void UdevUnref::operator()(udev_device* object) const {
    udev_device_unref(object);
}
void UdevUnref::operator()(udev_enumerate* object) const {
    udev_enumerate_unref(object);
}
void UdevUnref::operator()(udev_monitor* object) const {
    udev_monitor_unref(object);
}

}  // namespace platform::linux_backend
