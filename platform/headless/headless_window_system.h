#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_window.h"
#include "platform/headless/observer.h"
#include "platform/headless/waiter.h"
#include "platform/message.h"
#include "platform/scheduler.h"
#include "platform/window_host.h"

class CDialog;

namespace platform {
class DeviceSystem;
}

namespace platform::headless {

// The window system with no screen. One thread, one message queue: posted commands and device
// changes first, then scheduled work and timer ticks in time order. Message boxes, file
// dialogs and nested modal dialogs run a nested loop for as many ticks as their script says.
class HeadlessWindowSystem final : public WindowSystem, public Scheduler {
  public:
    // Without a waiter time is virtual: it jumps to the next due event.
    explicit HeadlessWindowSystem(Waiter* waiter = nullptr);
    ~HeadlessWindowSystem() override;

    // Device changes of this device system reach the main window as messages.
    void watchDevices(DeviceSystem& devices);
    void addObserver(Observer* observer) { observers_.push_back(observer); }
    // Called after every tick of the main window (and its nested work) has been dispatched.
    void setTickHook(std::function<void()> hook) { tickHook_ = std::move(hook); }
    // Runs every timer at this period instead of the one the dialog asks for.
    void setTimerPeriod(int periodMs) { timerPeriodOverride_ = periodMs; }

    // Scheduler
    std::uint64_t nowMs() const override { return waiter_->nowMs(); }
    void schedule(std::uint64_t delayMs, std::function<void()> work) override;

    // WindowSystem
    void initCommonControls(unsigned size, unsigned classes) override {
        commonControls_ = {size, classes};
    }
    int runModal(CDialog& dialog) override;

    // Builds the dialog's window and runs OnInitDialog without entering a loop; the first
    // window opened is the main window.
    HeadlessWindow& open(CDialog& dialog);
    HeadlessWindow* mainWindow() const { return main_; }

    // Runs until n more timer ticks have been dispatched, then whatever is queued by then.
    void tick(int n = 1);
    // Dispatches what is queued and scheduled work that is due, without letting time pass.
    void processPending();
    std::uint64_t ticks() const { return ticks_; }

    // User actions on the main window. A click reaches the dialog only when the button is
    // visible and enabled; a posted command always does.
    void click(int controlId);
    void post(int controlId);
    void key(int virtualKey);
    void sysCommand(int id);
    void paint();
    void deviceChange(int eventType);
    // A click that arrives as a message: dispatched in turn, if the button is usable then.
    void enqueueClick(int controlId);

    // Scripts for the modal boxes, taken in order. Unscripted boxes answer at once (message
    // box: OK; file dialog: Cancel; modal dialog: closed).
    void scriptMessageBox(int ticksBeforeOk = 0);
    void scriptFileDialog(std::optional<std::string> path, int ticksBeforeAnswer = 0);
    void scriptModalDialog(int ticksBeforeClose = 0);
    const std::vector<std::string>& messageBoxes() const { return messageBoxes_; }
    const std::vector<FileDialogSpec>& fileDialogs() const { return fileDialogs_; }
    const std::vector<int>& modalDialogs() const { return modalDialogs_; }
    std::pair<unsigned, unsigned> commonControls() const { return commonControls_; }

    // A bound on how many ticks runModal of the main window may run (virtual time only).
    void setModalTickLimit(std::uint64_t ticks) { modalTickLimit_ = ticks; }

    // Called by HeadlessWindow.
    void addTimer(HeadlessWindow& window, int id, int periodMs);
    void enqueue(std::function<void()> message);
    void showMessageBox(const std::string& text);
    std::optional<std::string> showFileDialog(const FileDialogSpec& spec);
    template <typename Event>
    void notify(Event&& event) {
        for (Observer* o : observers_) event(*o);
    }
    void windowEnded(HeadlessWindow& window);

  private:
    static constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();

    struct Timer {
        HeadlessWindow* window;
        int id;
        int periodMs;
        std::uint64_t due;
    };
    struct Scheduled {
        std::uint64_t due;
        std::uint64_t seq;
        std::function<void()> work;
    };

    bool pumpOne(std::uint64_t deadline);
    void pumpTicks(std::uint64_t n);
    void dispatchTo(HeadlessWindow* window, const Message& message);
    int takeScript(std::deque<int>& script);

    std::unique_ptr<VirtualClock> ownClock_;
    Waiter* waiter_;
    std::vector<Observer*> observers_;
    std::function<void()> tickHook_;
    std::optional<int> timerPeriodOverride_;
    std::vector<std::unique_ptr<HeadlessWindow>> windows_;
    HeadlessWindow* main_ = nullptr;
    std::deque<std::function<void()>> queue_;
    std::vector<Scheduled> scheduled_;
    std::uint64_t seq_ = 0;
    std::vector<Timer> timers_;
    std::uint64_t ticks_ = 0;
    std::optional<std::uint64_t> modalTickLimit_;

    std::deque<int> messageBoxScript_;
    std::deque<std::pair<std::optional<std::string>, int>> fileDialogScript_;
    std::deque<int> modalScript_;
    std::vector<std::string> messageBoxes_;
    std::vector<FileDialogSpec> fileDialogs_;
    std::vector<int> modalDialogs_;
    std::pair<unsigned, unsigned> commonControls_{0, 0};
};

}  // namespace platform::headless
