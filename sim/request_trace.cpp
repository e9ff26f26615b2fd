#include "sim/request_trace.h"

#include <cstdio>

namespace sim {

std::string formatTraceLine(const TraceEntry& entry) {
    std::string line = "cdb:";
    for (std::size_t i = 0; i < entry.cdbLength && i < entry.cdb.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", entry.cdb[i]);
        line += hex;
    }
    line += entry.dataIn ? " dir=in" : " dir=out";
    line += " len=" + std::to_string(entry.transferLength);
    return line;
}

void RequestTrace::record(TraceEntry entry) {
    entries_.push_back(std::move(entry));
    if (listener_) listener_(entries_.back());
}

}  // namespace sim
