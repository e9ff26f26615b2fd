#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Time as the host keeps it: virtual in tests, the real clock in the front-ends.
// Scheduled work runs on the host's one thread, between messages.
class Scheduler {
  public:
    virtual ~Scheduler() = default;
    virtual std::uint64_t nowMs() const = 0;
    virtual void schedule(std::uint64_t delayMs, std::function<void()> work) = 0;
};

}  // namespace platform
