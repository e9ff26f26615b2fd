#include "frontend/update_driver.h"

#include "platform/headless/headless_window_system.h"
#include "res/resource.h"

namespace frontend {

UpdateDriver::UpdateDriver(platform::headless::HeadlessWindowSystem& windows) : windows_(windows) {
    windows_.setTickHook([this] { onTick(); });
}

void UpdateDriver::onTick() {
    auto* window = windows_.mainWindow();
    if (window == nullptr || outcome_ || pressed_) return;
    if (window->isEnabled(IDC_UPDATE_FW)) {
        pressed_ = true;
        windows_.enqueueClick(IDC_UPDATE_FW);
    } else if (windows_.ticks() >= kNoProductTicks) {
        finish(UpdateOutcome::NoProduct);
    }
}

void UpdateDriver::textChanged(int id, const std::string& before, const std::string& after) {
    if (id != IDC_LOG || !pressed_ || after.size() <= before.size()) return;
    std::string added = after.substr(before.size());
    if (added.find("Updat FW.... Update complete !!") != std::string::npos)
        finish(UpdateOutcome::Complete);
    else if (added.find("Updat FW.... FAIL !!") != std::string::npos)
        finish(UpdateOutcome::Failed);
}

void UpdateDriver::messageBox(const std::string& text) {
    if (!pressed_) return;
    if (text == "Your device is already updated.")
        finish(UpdateOutcome::AlreadyUpdated);
    else if (text.rfind("Your device's current firmware is not supported", 0) == 0)
        finish(UpdateOutcome::NotSupported);
}

void UpdateDriver::finish(UpdateOutcome outcome) {
    if (outcome_) return;
    outcome_ = outcome;
    // The handler finishes what it is doing; the modal loop then ends.
    if (auto* window = windows_.mainWindow()) window->endDialog(static_cast<int>(outcome));
}

}  // namespace frontend
