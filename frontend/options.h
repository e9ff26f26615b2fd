#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace frontend {

struct Options {
    bool headless = false;
    std::optional<std::string> scenario;  // --simulate
    std::vector<std::string> faults;      // --fault CMD:KIND[:COUNT]
    bool update = false;
    int tickMs = 1000;
    bool trace = false;
};

inline constexpr int kExitBadCommandLine = 64;

// The parsed options, or the exit status when the command line has been answered (--help,
// --version: 0) or refused (64, with a one-line reason and the usage on `err`).
std::variant<Options, int> ParseOptions(int argc, const char* const* argv, std::ostream& out,
                                        std::ostream& err);

}  // namespace frontend
