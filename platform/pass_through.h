#pragma once

#include <array>
#include <cstdint>

namespace platform {

// One SCSI pass-through request: the same fields the tool hands to the platform on every
// command. The backend fills the status, the sense data and the byte count.
struct PassThroughRequest {
    static constexpr std::uint32_t kTimeoutSeconds = 30;
    static constexpr std::size_t kSenseLength = 96;

    std::array<std::uint8_t, 16> cdb{};
    std::uint8_t cdbLength = 0;
    std::uint8_t dataIn = 0;  // 1: device to host, 0: host to device
    std::uint8_t* dataBuffer = nullptr;
    std::uint32_t dataTransferLength = 0;
    std::uint32_t timeOutValue = kTimeoutSeconds;

    // Filled by the backend.
    std::uint8_t scsiStatus = 0;
    std::array<std::uint8_t, kSenseLength> sense{};
    std::uint32_t bytesTransferred = 0;
};

inline constexpr std::uint8_t kScsiStatusGood = 0x00;
inline constexpr std::uint8_t kScsiStatusCheckCondition = 0x02;

}  // namespace platform
