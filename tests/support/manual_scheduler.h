#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/scheduler.h"

namespace testing_support {

// Virtual time that moves only when a test advances it.
class ManualScheduler final : public platform::Scheduler {
  public:
    std::uint64_t nowMs() const override { return now_; }
    void schedule(std::uint64_t delayMs, std::function<void()> work) override {
        pending_.push_back({now_ + delayMs, std::move(work)});
    }
    // Moves time forward, running the work that falls due on the way in time order.
    void advance(std::uint64_t ms) {
        std::uint64_t end = now_ + ms;
        for (;;) {
            auto next =
                std::min_element(pending_.begin(), pending_.end(),
                                 [](const Item& a, const Item& b) { return a.due < b.due; });
            if (next == pending_.end() || next->due > end) break;
            now_ = next->due;
            auto work = std::move(next->work);
            pending_.erase(next);
            work();
        }
        now_ = end;
    }

  private:
    struct Item {
        std::uint64_t due;
        std::function<void()> work;
    };
    std::uint64_t now_ = 0;
    std::vector<Item> pending_;
};

}  // namespace testing_support
