#pragma once

#include <cstdint>

namespace platform::headless {

// How the headless host lets time pass. The virtual clock jumps; a real-time waiter sleeps and
// may return early when device events arrive.
class Waiter {
  public:
    virtual ~Waiter() = default;
    virtual std::uint64_t nowMs() const = 0;
    // Returns when the deadline is reached, or earlier when something may have arrived.
    virtual void waitUntil(std::uint64_t deadlineMs) = 0;
    // True once the run should end (an interrupt, for example).
    virtual bool quitRequested() const { return false; }
};

class VirtualClock final : public Waiter {
  public:
    std::uint64_t nowMs() const override { return now_; }
    void waitUntil(std::uint64_t deadlineMs) override {
        if (deadlineMs > now_) now_ = deadlineMs;
    }

  private:
    std::uint64_t now_ = 0;
};

}  // namespace platform::headless
