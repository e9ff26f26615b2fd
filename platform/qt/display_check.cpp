#include "platform/qt/display_check.h"

#include <cstdlib>

namespace platform::qt {

namespace {

bool isSet(const EnvLookup& env, const char* name) {
    const char* value = env(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool displayAvailable(const EnvLookup& env) {
    return isSet(env, "DISPLAY") || isSet(env, "WAYLAND_DISPLAY") || isSet(env, "QT_QPA_PLATFORM");
}

std::optional<int> checkDisplay(bool headlessRequested, std::ostream& err) {
    return checkDisplay(headlessRequested, err, [](const char* name) { return std::getenv(name); });
}

std::optional<int> checkDisplay(bool headlessRequested, std::ostream& err, const EnvLookup& env) {
    if (headlessRequested || displayAvailable(env)) return std::nullopt;
    err << "quill-pcisp: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
           "is set).\n"
           "Run it with --headless to use the terminal instead.\n";
    return kExitNoDisplay;
}

}  // namespace platform::qt
