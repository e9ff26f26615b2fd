#include "platform/linux/unique_fd.h"

#include <unistd.h>

namespace platform::linux_backend {

void UniqueFd::reset(int fd) {
    // close() releases the descriptor even when it reports EINTR, so it is never retried.
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

}  // namespace platform::linux_backend
