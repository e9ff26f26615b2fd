#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/headless/observer.h"

namespace platform::headless {
class HeadlessWindowSystem;
}

namespace frontend {

// Exit statuses of --update.
enum class UpdateOutcome : int {
    Complete = 0,
    Failed = 1,
    AlreadyUpdated = 2,
    NoProduct = 3,
    NotSupported = 4,
};

// Presses "Update F/W" on the first tick it is enabled and ends the run once the update has
// an outcome: complete, failed (also by time-out), already updated or refused. Ends it with
// NoProduct when the button was never enabled within the first ticks.
class UpdateDriver final : public platform::headless::Observer {
  public:
    static constexpr std::uint64_t kNoProductTicks = 60;

    explicit UpdateDriver(platform::headless::HeadlessWindowSystem& windows);

    std::optional<UpdateOutcome> outcome() const { return outcome_; }

    void textChanged(int id, const std::string& before, const std::string& after) override;
    void messageBox(const std::string& text) override;

  private:
    void onTick();
    void finish(UpdateOutcome outcome);

    platform::headless::HeadlessWindowSystem& windows_;
    bool pressed_ = false;
    std::optional<UpdateOutcome> outcome_;
};

}  // namespace frontend
