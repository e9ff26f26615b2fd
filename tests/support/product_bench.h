#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "device/isp_commands.h"
#include "platform/pass_through.h"
#include "sim/product.h"
#include "sim/simulated_device_system.h"
#include "support/manual_scheduler.h"

namespace testing_support {

// A product on a simulated bus with a hand-driven clock, talked to directly in CDBs.
struct ProductBench {
    explicit ProductBench(sim::ProductOptions options = {});

    // Sends one command as the updater would, on a fresh open of the disk. `data` is the
    // data-out payload, or receives the data-in reply.
    struct Result {
        bool completed = false;
        platform::PassThroughRequest request;
        std::vector<std::uint8_t> dataIn;
    };
    Result send(const IspCommand& command, std::uint8_t argument = 0,
                std::span<const std::uint8_t> dataOut = {});
    // True when the command completed with GOOD status.
    bool good(const IspCommand& command, std::uint8_t argument = 0,
              std::span<const std::uint8_t> dataOut = {});
    // The USB identity the disk shows, or empty when it is off the bus.
    std::optional<std::string> parentId();

    sim::SimulatedDeviceSystem bus;
    ManualScheduler clock;
    std::shared_ptr<sim::Product> product;
};

// Bytes of an image from `offset`, `length` long.
std::span<const std::uint8_t> slice(const std::vector<std::uint8_t>& image, std::size_t offset,
                                    std::size_t length);

}  // namespace testing_support
