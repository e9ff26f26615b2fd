#pragma once

#include "platform/device_system.h"
#include "platform/linux/unique_fd.h"

namespace platform::linux_backend {

// An open SCSI generic node carrying requests through the SG_IO ioctl. The node is closed
// when the connection is destroyed.
class SgConnection final : public DeviceConnection {
  public:
    explicit SgConnection(UniqueFd fd) : fd_(std::move(fd)) {}

    // Completed means the ioctl succeeded and neither the host adapter nor the driver reported
    // an error (sense data waiting is not an error). The status byte, the sense data and the
    // bytes moved are then in the request; judging the status is up to the caller.
    bool passThrough(PassThroughRequest& request) override;

  private:
    UniqueFd fd_;
};

}  // namespace platform::linux_backend
