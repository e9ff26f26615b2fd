#include "platform/linux/sg_connection.h"

#include <scsi/sg.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>

namespace platform::linux_backend {

namespace {

// driver_status flag: sense data was written. Anything else in that field is a driver error.
constexpr unsigned kDriverSense = 0x08;
constexpr std::uint32_t kMillisecondsPerSecond = 1000;

unsigned timeoutMs(std::uint32_t seconds) {
    constexpr std::uint32_t kMaxSeconds =
        std::numeric_limits<unsigned>::max() / kMillisecondsPerSecond;
    return std::min(seconds, kMaxSeconds) * kMillisecondsPerSecond;
}

}  // namespace

bool SgConnection::passThrough(PassThroughRequest& request) {
    request.scsiStatus = 0;
    request.bytesTransferred = 0;
    request.sense.fill(0);
    if (request.cdbLength == 0 || request.cdbLength > request.cdb.size()) return false;
    if (request.dataTransferLength != 0 && request.dataBuffer == nullptr) return false;

    sg_io_hdr_t header{};
    header.interface_id = 'S';
    if (request.dataTransferLength == 0) {
        header.dxfer_direction = SG_DXFER_NONE;
    } else {
        header.dxfer_direction = request.dataIn != 0 ? SG_DXFER_FROM_DEV : SG_DXFER_TO_DEV;
        header.dxfer_len = request.dataTransferLength;
        header.dxferp = request.dataBuffer;
    }
    header.cmd_len = request.cdbLength;
    header.cmdp = request.cdb.data();
    header.mx_sb_len = static_cast<unsigned char>(request.sense.size());
    header.sbp = request.sense.data();
    header.timeout = timeoutMs(request.timeOutValue);

    int result;
    do {
        result = ::ioctl(fd_.get(), SG_IO, &header);
    } while (result < 0 && errno == EINTR);
    if (result < 0) return false;

    request.scsiStatus =
        header.status != 0 ? header.status : static_cast<std::uint8_t>(header.masked_status << 1);
    if (header.dxfer_len != 0) {
        auto resid = static_cast<std::int64_t>(header.resid);
        auto moved = std::clamp<std::int64_t>(header.dxfer_len - resid, 0, header.dxfer_len);
        request.bytesTransferred = static_cast<std::uint32_t>(moved);
    }
    return header.host_status == 0 && (header.driver_status & ~kDriverSense) == 0;
}

}  // namespace platform::linux_backend
