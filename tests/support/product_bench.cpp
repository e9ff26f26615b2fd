#include "support/product_bench.h"

namespace testing_support {

ProductBench::ProductBench(sim::ProductOptions options)
    : product(sim::Product::create(bus, clock, std::move(options))) {}

ProductBench::Result ProductBench::send(const IspCommand& command, std::uint8_t argument,
                                        std::span<const std::uint8_t> dataOut) {
    Result result;
    auto cdb = BuildCdb(command, Tail::Zero, argument);
    std::copy(cdb.begin(), cdb.end(), result.request.cdb.begin());
    result.request.cdbLength = command.cdbLength;
    result.request.dataIn = command.direction;
    std::vector<std::uint8_t> out(dataOut.begin(), dataOut.end());
    if (command.direction == 1) {
        result.dataIn.assign(command.transferLength, 0xEE);
        result.request.dataBuffer = result.dataIn.data();
        result.request.dataTransferLength = command.transferLength;
    } else if (command.transferLength != 0) {
        result.request.dataBuffer = out.data();
        result.request.dataTransferLength = static_cast<std::uint32_t>(out.size());
    }
    platform::DeviceHandle handle = bus.open(product->options().diskPath);
    result.completed = handle.passThrough(result.request);
    result.dataIn.resize(result.request.bytesTransferred);
    return result;
}

bool ProductBench::good(const IspCommand& command, std::uint8_t argument,
                        std::span<const std::uint8_t> dataOut) {
    Result result = send(command, argument, dataOut);
    return result.completed && result.request.scsiStatus == platform::kScsiStatusGood;
}

std::optional<std::string> ProductBench::parentId() {
    auto set = bus.presentDiskInterfaces();
    for (std::size_t i = 0; set && set->exists(i); ++i)
        if (set->interfacePath(i) == product->options().diskPath) return set->parentDeviceId(i);
    return std::nullopt;
}

std::span<const std::uint8_t> slice(const std::vector<std::uint8_t>& image, std::size_t offset,
                                    std::size_t length) {
    return std::span<const std::uint8_t>(image).subspan(offset, length);
}

}  // namespace testing_support
