#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::qt {

// A file dialog filter in the form "Name|pattern;pattern|Name|pattern||" turned into name
// filters of the form "Name (pattern pattern)". "*.*" means every file, with or without a
// dot, so it becomes "*". An entry without a pattern, or a name left without one at the end,
// is dropped.
std::vector<std::string> nameFilters(std::string_view filter);

}  // namespace platform::qt
