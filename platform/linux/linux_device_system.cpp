#include "platform/linux/linux_device_system.h"

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/linux/disk_interface_snapshot.h"
#include "platform/linux/hotplug_monitor.h"
#include "platform/linux/open_failure.h"
#include "platform/linux/sg_connection.h"

namespace platform::linux_backend {

namespace {

// O_EXCL on an sg node asks for sole use. Without O_NONBLOCK the open would wait for as long
// as another program holds the node; with it the open fails at once with EBUSY, as an
// exclusive open that is refused should. SG_IO waits for its request whatever this flag says;
// it is cleared after the open all the same, so that the descriptor behaves as a plain
// blocking one.
constexpr int kOpenFlags = O_RDWR | O_EXCL | O_NONBLOCK | O_CLOEXEC;

int openWithSystemCall(const char* path, int flags) {
    return ::open(path, flags);
}

void writeToStandardError(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace

LinuxDeviceSystem::LinuxDeviceSystem(LinuxDeviceSystemOptions options)
    : options_(std::move(options)), udev_(udev_new()) {
    if (!options_.openNode) options_.openNode = openWithSystemCall;
    if (!options_.diagnostics) options_.diagnostics = writeToStandardError;
    EventSource source = ::access(options_.udevControlPath.c_str(), F_OK) == 0
                             ? EventSource::Udev
                             : EventSource::Kernel;
    monitor_ = HotplugMonitor::create(udev_.get(), source);
    if (!monitor_) options_.diagnostics("quill-pcisp: cannot listen for device arrivals");
}

LinuxDeviceSystem::~LinuxDeviceSystem() = default;

std::unique_ptr<DiskInterfaceSet> LinuxDeviceSystem::presentDiskInterfaces() {
    return snapshotDiskInterfaces(udev_.get());
}

DeviceHandle LinuxDeviceSystem::open(const std::string& path) {
    UniqueFd fd(options_.openNode(path.c_str(), kOpenFlags));
    if (!fd.valid()) {
        int error = errno;
        options_.diagnostics(describeOpenFailure(path, error));
        return {};
    }
    int status = ::fcntl(fd.get(), F_GETFL);
    if (status >= 0) ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK);
    return DeviceHandle(std::make_unique<SgConnection>(std::move(fd)));
}

int LinuxDeviceSystem::eventFd() const {
    return monitor_ ? monitor_->fd() : -1;
}

void LinuxDeviceSystem::processEvents() {
    if (monitor_) monitor_->drain(listener_);
}

}  // namespace platform::linux_backend
