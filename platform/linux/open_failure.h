#pragma once

#include <string>

namespace platform::linux_backend {

// One line for the terminal saying why a device node could not be opened, with what the user
// can do about it.
std::string describeOpenFailure(const std::string& path, int error);

}  // namespace platform::linux_backend
