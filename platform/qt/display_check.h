#pragma once

#include <functional>
#include <optional>
#include <ostream>

namespace platform::qt {

// The exit status for a desktop run where no window can be shown.
inline constexpr int kExitNoDisplay = 64;

// Reads an environment variable; null when unset.
using EnvLookup = std::function<const char*(const char*)>;

// True when a window can be shown: an X11 or Wayland display is named, or a Qt platform
// plugin is chosen explicitly (offscreen, vnc, ...). Empty values count as unset.
bool displayAvailable(const EnvLookup& env);

// For the front-end, before it builds the window: nothing when it may go on (the terminal was
// asked for, or a display is there); otherwise tells on err how to run without a display and
// returns the exit status.
std::optional<int> checkDisplay(bool headlessRequested, std::ostream& err);
std::optional<int> checkDisplay(bool headlessRequested, std::ostream& err, const EnvLookup& env);

}  // namespace platform::qt
