#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// What goes wrong with a command.
enum class FaultKind {
    Transport,       // the request never completes
    CheckCondition,  // the device rejects it with CHECK CONDITION
    Timeout,         // the device does not answer in time: not completed
    Unplug,          // the product leaves the bus during the command and stays away
    Short,           // a data-in transfer moves fewer bytes than asked
    Corrupt,         // data-in: the reply is damaged; data-out: the device receives damaged data
};

std::string_view faultKindName(FaultKind kind);

// A fault on one command, by its name without "ISP_CMD_", for `count` commands or for every
// one.
struct Fault {
    std::string command;
    FaultKind kind;
    std::optional<unsigned> count;
};

// Parses "CMD:KIND[:COUNT]"; empty with a reason in `error` for bad text.
std::optional<Fault> parseFault(std::string_view text, std::string& error);

// The faults waiting for their commands. The first armed fault of a command fires.
class FaultInjector {
  public:
    void add(Fault fault) { faults_.push_back(std::move(fault)); }
    void clear() { faults_.clear(); }
    // The fault for this command now, if any; uses up one of its count.
    std::optional<FaultKind> take(std::string_view command);

  private:
    std::vector<Fault> faults_;
};

}  // namespace sim
