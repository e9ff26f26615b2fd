#pragma once

#include <functional>
#include <string>

namespace platform::qt {

// An item a front-end adds to the main window's context menu, after the dialog's own.
struct ContextAction {
    std::string text;
    std::function<void()> run;
};

}  // namespace platform::qt
