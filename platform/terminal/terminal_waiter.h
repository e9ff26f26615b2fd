#pragma once

#include <chrono>
#include <cstdint>

#include "platform/headless/waiter.h"

namespace platform {
class DeviceSystem;
}

namespace platform::terminal {

// Real time for the headless host: sleeps in poll() until the next deadline, waking early for
// device events (which it hands to the device system) and for SIGINT or SIGTERM, which end
// the run.
class TerminalWaiter final : public headless::Waiter {
  public:
    explicit TerminalWaiter(DeviceSystem& devices);
    ~TerminalWaiter() override;
    TerminalWaiter(const TerminalWaiter&) = delete;
    TerminalWaiter& operator=(const TerminalWaiter&) = delete;

    std::uint64_t nowMs() const override;
    void waitUntil(std::uint64_t deadlineMs) override;
    bool quitRequested() const override;
    // The signal that ended the run, or 0.
    int quitSignal() const;

  private:
    DeviceSystem& devices_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace platform::terminal
