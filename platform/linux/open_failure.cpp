#include "platform/linux/open_failure.h"

#include <cerrno>
#include <cstring>

namespace platform::linux_backend {

std::string describeOpenFailure(const std::string& path, int error) {
    std::string reason;
    switch (error) {
        case EBUSY:
            reason = "busy — another program has the device open";
            break;
        case EACCES:
        case EPERM:
            reason = "permission denied — install packaging/70-quill-pcisp.rules or run as root";
            break;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            reason = "the device is gone";
            break;
        default:
            reason = std::strerror(error);
            break;
    }
    return "quill-pcisp: " + path + ": " + reason;
}

}  // namespace platform::linux_backend
