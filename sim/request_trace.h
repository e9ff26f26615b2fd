#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sim {

// One request as it reached the product.
struct TraceEntry {
    std::array<std::uint8_t, 16> cdb{};
    std::uint8_t cdbLength = 0;
    std::uint8_t dataIn = 0;
    std::uint32_t transferLength = 0;
    std::vector<std::uint8_t> dataOut;  // what the host sent, for data-out requests
};

// "cdb: FF 62 23 00 ... dir=in len=0": the CDB's own bytes in upper-case hex, the direction
// and the transfer length.
std::string formatTraceLine(const TraceEntry& entry);

// Every request the product was handed, in order; a listener sees each as it arrives.
class RequestTrace {
  public:
    using Listener = std::function<void(const TraceEntry&)>;

    void record(TraceEntry entry);
    void setListener(Listener listener) { listener_ = std::move(listener); }
    const std::vector<TraceEntry>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

  private:
    std::vector<TraceEntry> entries_;
    Listener listener_;
};

}  // namespace sim
