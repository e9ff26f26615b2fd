#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/context_action.h"
#include "platform/scheduler.h"
#include "platform/window_host.h"

class CDialog;
class QDialog;
class QSocketNotifier;

namespace platform {
class DeviceSystem;
}

namespace platform::qt {

class QtWindow;

struct QtWindowOptions {
    // Runs every dialog timer at this period instead of the one the dialog asked for
    // (demonstrations and tests).
    std::optional<int> tickPeriodMs;
};

// The window system on the desktop. Needs a QApplication. Dialogs run modally in QDialog's
// own event loop; message boxes and file dialogs run nested loops in which timer ticks,
// device changes, posted commands and scheduled work go on being dispatched.
class QtWindowSystem final : public QObject, public WindowSystem, public Scheduler {
    Q_OBJECT
  public:
    explicit QtWindowSystem(QtWindowOptions options = {});
    ~QtWindowSystem() override;

    // Arrivals and removals of this device system reach the main window as queued device
    // changes; a device system with an event descriptor is read when it becomes readable.
    void watchDevices(DeviceSystem& devices);
    // Adds an item to the main window's context menu; call before the window opens.
    void addContextAction(std::string text, std::function<void()> run);
    const std::vector<ContextAction>& contextActions() const { return extraActions_; }

    // Scheduler
    std::uint64_t nowMs() const override;
    void schedule(std::uint64_t delayMs, std::function<void()> work) override;

    // WindowSystem
    void initCommonControls(unsigned /*size*/, unsigned /*classes*/) override {}
    int runModal(CDialog& dialog) override;

    // Builds the dialog's window, runs OnInitDialog and shows it, without a loop of its own;
    // the first window opened is the main window.
    QtWindow& open(CDialog& dialog);
    QtWindow* mainWindow() const { return main_; }

    // Used by the windows.
    int timerPeriod(int requestedMs) const;
    // The caption of message boxes: the main dialog's title.
    std::string applicationTitle() const;
    void aboutToRunModal(QDialog& box) { emit modalOpened(&box); }

  signals:
    // A modal box (message box, file dialog, About, Help) is about to run its loop.
    void modalOpened(QDialog* box);

  private:
    void deliverDeviceChange(int eventType);

    QtWindowOptions options_;
    QElapsedTimer clock_;
    std::vector<std::unique_ptr<QtWindow>> windows_;
    QtWindow* main_ = nullptr;
    DeviceSystem* devices_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<ContextAction> extraActions_;
};

}  // namespace platform::qt
