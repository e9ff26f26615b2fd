#pragma once

#include <ostream>
#include <string>

#include "platform/headless/observer.h"

namespace platform::headless {
class HeadlessWindowSystem;
}

namespace platform::terminal {

// Prints what the dialog shows: every log line as appended, one per line, and every other
// event on a line that starts with "== ".
class EventPrinter final : public headless::Observer {
  public:
    EventPrinter(headless::HeadlessWindowSystem& windows, std::ostream& out)
        : windows_(windows), out_(out) {}

    void textChanged(int id, const std::string& before, const std::string& after) override;
    void bitmapChanged(int id, int bitmapId) override;
    void posChanged(int id, int pos) override;
    void enabledChanged(int id, bool enabled) override;
    void messageBox(const std::string& text) override;

    // CR and LF written as the two characters \r and \n, so an event stays on one line.
    static std::string Escape(const std::string& text);

  private:
    void printLines(const std::string& text);

    headless::HeadlessWindowSystem& windows_;
    std::ostream& out_;
    std::string banner_;
};

}  // namespace platform::terminal
