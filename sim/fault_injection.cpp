#include "sim/fault_injection.h"

#include <algorithm>
#include <charconv>

#include "device/isp_commands.h"

namespace sim {

namespace {

struct KindName {
    FaultKind kind;
    std::string_view name;
};

constexpr KindName kKinds[] = {
    {FaultKind::Transport, "transport"}, {FaultKind::CheckCondition, "check-condition"},
    {FaultKind::Timeout, "timeout"},     {FaultKind::Unplug, "unplug"},
    {FaultKind::Short, "short"},         {FaultKind::Corrupt, "corrupt"},
};

bool knownCommand(std::string_view name) {
    auto all = AllIspCommands();
    return std::any_of(all.begin(), all.end(),
                       [&](const IspCommand& command) { return command.name == name; });
}

}  // namespace

std::string_view faultKindName(FaultKind kind) {
    for (const KindName& k : kKinds)
        if (k.kind == kind) return k.name;
    return "";
}

std::optional<Fault> parseFault(std::string_view text, std::string& error) {
    std::size_t first = text.find(':');
    if (first == std::string_view::npos) {
        error = "fault '" + std::string(text) + "' is not CMD:KIND[:COUNT]";
        return std::nullopt;
    }
    std::string_view command = text.substr(0, first);
    std::string_view rest = text.substr(first + 1);
    std::size_t second = rest.find(':');
    std::string_view kindText = rest.substr(0, second);
    if (!knownCommand(command)) {
        error = "fault '" + std::string(text) + "': unknown command '" + std::string(command) + "'";
        return std::nullopt;
    }
    auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                             [&](const KindName& k) { return k.name == kindText; });
    if (kind == std::end(kKinds)) {
        error = "fault '" + std::string(text) + "': unknown kind '" + std::string(kindText) +
                "' (transport, check-condition, timeout, unplug, short or corrupt)";
        return std::nullopt;
    }
    Fault fault{std::string(command), kind->kind, std::nullopt};
    if (second != std::string_view::npos) {
        std::string_view countText = rest.substr(second + 1);
        unsigned count = 0;
        auto [end, ec] =
            std::from_chars(countText.data(), countText.data() + countText.size(), count);
        if (ec != std::errc() || end != countText.data() + countText.size() || count == 0) {
            error = "fault '" + std::string(text) + "': count '" + std::string(countText) +
                    "' is not a positive number";
            return std::nullopt;
        }
        fault.count = count;
    }
    return fault;
}

std::optional<FaultKind> FaultInjector::take(std::string_view command) {
    for (Fault& fault : faults_) {
        if (fault.command != command) continue;
        if (fault.count) {
            if (*fault.count == 0) continue;
            --*fault.count;
        }
        return fault.kind;
    }
    return std::nullopt;
}

}  // namespace sim
