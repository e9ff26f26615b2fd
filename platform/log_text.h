#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The lines of a log text whose lines each end in CR LF; a last line without one counts too.
std::vector<std::string> SplitCrLfLines(std::string_view text);

}  // namespace platform
