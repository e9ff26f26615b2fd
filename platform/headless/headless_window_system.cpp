#include "platform/headless/headless_window_system.h"

#include <algorithm>

#include "platform/cdialog.h"
#include "platform/device_system.h"
#include "res/templates.h"

namespace platform::headless {

HeadlessWindowSystem::HeadlessWindowSystem(Waiter* waiter) : waiter_(waiter) {
    if (waiter_ == nullptr) {
        ownClock_ = std::make_unique<VirtualClock>();
        waiter_ = ownClock_.get();
    }
}

// Dialogs end before their window system: a window never touches its dialog once gone.
HeadlessWindowSystem::~HeadlessWindowSystem() = default;

void HeadlessWindowSystem::watchDevices(DeviceSystem& devices) {
    devices.setListener([this](DeviceEvent event) {
        int type = event == DeviceEvent::Arrival ? kDeviceArrival : kDeviceRemoveComplete;
        enqueue([this, type] { dispatchTo(main_, {MessageKind::DeviceChange, type}); });
    });
}

void HeadlessWindowSystem::schedule(std::uint64_t delayMs, std::function<void()> work) {
    scheduled_.push_back({nowMs() + delayMs, seq_++, std::move(work)});
}

HeadlessWindow& HeadlessWindowSystem::open(CDialog& dialog) {
    const DialogTemplate* tmpl = res::dialogTemplate(dialog.TemplateId());
    static const DialogTemplate kEmpty{0, "", 0, 0, "", 0, 0, {}};
    windows_.push_back(std::make_unique<HeadlessWindow>(*this, dialog, tmpl ? *tmpl : kEmpty));
    HeadlessWindow& window = *windows_.back();
    if (main_ == nullptr) main_ = &window;
    dialog.Attach(&window);
    dialog.OnInitDialog();
    return window;
}

int HeadlessWindowSystem::runModal(CDialog& dialog) {
    bool isMain = main_ == nullptr;
    HeadlessWindow& window = open(dialog);
    if (isMain) {
        std::uint64_t start = ticks_;
        while (!window.ended()) {
            if (waiter_->quitRequested()) {
                dialog.Dispatch({MessageKind::Command, kIdCancel});
                break;
            }
            if (modalTickLimit_ && ticks_ - start >= *modalTickLimit_) {
                window.endDialog(-1);
                break;
            }
            pumpOne(kNever);
        }
    } else {
        modalDialogs_.push_back(dialog.TemplateId());
        int ticks = takeScript(modalScript_);
        std::uint64_t target = ticks_ + static_cast<std::uint64_t>(ticks);
        while (!window.ended() && ticks_ < target && !waiter_->quitRequested()) pumpOne(kNever);
        window.endDialog(kIdOk);
    }
    dialog.Attach(nullptr);
    return window.result().value_or(-1);
}

void HeadlessWindowSystem::addTimer(HeadlessWindow& window, int id, int periodMs) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == &window && t.id == id; });
    int period = timerPeriodOverride_.value_or(periodMs);
    timers_.push_back({&window, id, period, nowMs() + static_cast<std::uint64_t>(period)});
}

void HeadlessWindowSystem::enqueue(std::function<void()> message) {
    queue_.push_back(std::move(message));
}

void HeadlessWindowSystem::windowEnded(HeadlessWindow& window) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == &window; });
}

void HeadlessWindowSystem::dispatchTo(HeadlessWindow* window, const Message& message) {
    if (window != nullptr && !window->ended()) window->dialog().Dispatch(message);
}

bool HeadlessWindowSystem::pumpOne(std::uint64_t deadline) {
    if (!queue_.empty()) {
        auto message = std::move(queue_.front());
        queue_.pop_front();
        message();
        return true;
    }
    auto work = std::min_element(scheduled_.begin(), scheduled_.end(), [](auto& a, auto& b) {
        return a.due != b.due ? a.due < b.due : a.seq < b.seq;
    });
    auto timer = std::min_element(timers_.begin(), timers_.end(),
                                  [](auto& a, auto& b) { return a.due < b.due; });
    std::uint64_t workDue = work == scheduled_.end() ? kNever : work->due;
    std::uint64_t timerDue = timer == timers_.end() ? kNever : timer->due;
    std::uint64_t next = std::min(workDue, timerDue);
    if (next > deadline || next == kNever) return false;
    if (next > nowMs()) {
        waiter_->waitUntil(next);
        // A real-time waiter returns early when events arrive: look at the queue again.
        if (nowMs() < next || !queue_.empty()) return true;
    }
    if (workDue <= timerDue) {
        auto run = std::move(work->work);
        scheduled_.erase(work);
        run();
        return true;
    }
    timer->due += static_cast<std::uint64_t>(timer->periodMs);
    HeadlessWindow* window = timer->window;
    int id = timer->id;
    dispatchTo(window, {MessageKind::Timer, id});
    if (window == main_) {
        ++ticks_;
        if (tickHook_) tickHook_();
    }
    return true;
}

void HeadlessWindowSystem::pumpTicks(std::uint64_t n) {
    std::uint64_t target = ticks_ + n;
    while (ticks_ < target && !waiter_->quitRequested())
        if (!pumpOne(kNever)) break;
}

void HeadlessWindowSystem::tick(int n) {
    pumpTicks(static_cast<std::uint64_t>(std::max(0, n)));
    processPending();
}

void HeadlessWindowSystem::processPending() {
    while (pumpOne(nowMs())) {
    }
}

void HeadlessWindowSystem::click(int controlId) {
    if (main_ == nullptr || !main_->hasControl(controlId)) return;
    const ControlState& c = main_->control(controlId);
    if (!c.enabled || !c.visible) return;
    dispatchTo(main_, {MessageKind::Command, controlId});
    processPending();
}

void HeadlessWindowSystem::enqueueClick(int controlId) {
    enqueue([this, controlId] {
        if (main_ == nullptr || !main_->hasControl(controlId)) return;
        const ControlState& c = main_->control(controlId);
        if (c.enabled && c.visible) dispatchTo(main_, {MessageKind::Command, controlId});
    });
}

void HeadlessWindowSystem::post(int controlId) {
    if (main_ == nullptr) return;
    main_->postCommand(controlId);
    processPending();
}

void HeadlessWindowSystem::key(int virtualKey) {
    dispatchTo(main_, {MessageKind::KeyDown, virtualKey});
    processPending();
}

void HeadlessWindowSystem::sysCommand(int id) {
    dispatchTo(main_, {MessageKind::SysCommand, id});
    processPending();
}

void HeadlessWindowSystem::paint() {
    dispatchTo(main_, {MessageKind::Paint, 0});
    processPending();
}

void HeadlessWindowSystem::deviceChange(int eventType) {
    enqueue([this, eventType] { dispatchTo(main_, {MessageKind::DeviceChange, eventType}); });
    processPending();
}

void HeadlessWindowSystem::scriptMessageBox(int ticksBeforeOk) {
    messageBoxScript_.push_back(ticksBeforeOk);
}

void HeadlessWindowSystem::scriptFileDialog(std::optional<std::string> path,
                                            int ticksBeforeAnswer) {
    fileDialogScript_.emplace_back(std::move(path), ticksBeforeAnswer);
}

void HeadlessWindowSystem::scriptModalDialog(int ticksBeforeClose) {
    modalScript_.push_back(ticksBeforeClose);
}

int HeadlessWindowSystem::takeScript(std::deque<int>& script) {
    if (script.empty()) return 0;
    int ticks = script.front();
    script.pop_front();
    return ticks;
}

void HeadlessWindowSystem::showMessageBox(const std::string& text) {
    messageBoxes_.push_back(text);
    notify([&](Observer& o) { o.messageBox(text); });
    pumpTicks(static_cast<std::uint64_t>(takeScript(messageBoxScript_)));
}

std::optional<std::string> HeadlessWindowSystem::showFileDialog(const FileDialogSpec& spec) {
    fileDialogs_.push_back(spec);
    if (fileDialogScript_.empty()) return std::nullopt;
    auto [path, ticks] = std::move(fileDialogScript_.front());
    fileDialogScript_.pop_front();
    pumpTicks(static_cast<std::uint64_t>(ticks));
    return path;
}

}  // namespace platform::headless
