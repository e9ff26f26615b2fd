#pragma once

#include <string>

namespace platform::headless {

// What a front-end sees of the headless window.
class Observer {
  public:
    virtual ~Observer() = default;
    virtual void textChanged(int /*id*/, const std::string& /*before*/,
                             const std::string& /*after*/) {}
    virtual void bitmapChanged(int /*id*/, int /*bitmapId*/) {}
    virtual void posChanged(int /*id*/, int /*pos*/) {}
    virtual void enabledChanged(int /*id*/, bool /*enabled*/) {}
    virtual void messageBox(const std::string& /*text*/) {}
};

}  // namespace platform::headless
