#include "platform/qt/qt_window_system.h"

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "platform/cdialog.h"
#include "platform/device_system.h"
#include "platform/message.h"
#include "platform/qt/qt_window.h"
#include "res/templates.h"

namespace platform::qt {

QtWindowSystem::QtWindowSystem(QtWindowOptions options) : options_(options) {
    clock_.start();
}

QtWindowSystem::~QtWindowSystem() {
    if (devices_ != nullptr) devices_->setListener({});
}

void QtWindowSystem::watchDevices(DeviceSystem& devices) {
    devices_ = &devices;
    devices.setListener([this](DeviceEvent event) {
        int type = event == DeviceEvent::Arrival ? kDeviceArrival : kDeviceRemoveComplete;
        QMetaObject::invokeMethod(
            this, [this, type] { deliverDeviceChange(type); }, Qt::QueuedConnection);
    });
    notifier_.reset();
    if (devices.eventFd() >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(devices.eventFd(), QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this,
                [this] { devices_->processEvents(); });
    }
}

void QtWindowSystem::addContextAction(std::string text, std::function<void()> run) {
    extraActions_.push_back({std::move(text), std::move(run)});
}

void QtWindowSystem::deliverDeviceChange(int eventType) {
    if (main_ != nullptr && !main_->ended())
        main_->dialog().Dispatch({MessageKind::DeviceChange, eventType});
}

std::uint64_t QtWindowSystem::nowMs() const {
    return static_cast<std::uint64_t>(clock_.elapsed());
}

void QtWindowSystem::schedule(std::uint64_t delayMs, std::function<void()> work) {
    auto ms = static_cast<int>(std::min<std::uint64_t>(delayMs, std::numeric_limits<int>::max()));
    QTimer::singleShot(ms, Qt::PreciseTimer, this, std::move(work));
}

int QtWindowSystem::timerPeriod(int requestedMs) const {
    return options_.tickPeriodMs.value_or(requestedMs);
}

std::string QtWindowSystem::applicationTitle() const {
    return std::string(res::mainDialog().title);
}

QtWindow& QtWindowSystem::open(CDialog& dialog) {
    const DialogTemplate* tmpl = res::dialogTemplate(dialog.TemplateId());
    static const DialogTemplate kEmpty{0, "", 0, 0, "", 0, 0, {}};
    windows_.push_back(std::make_unique<QtWindow>(*this, dialog, tmpl ? *tmpl : kEmpty, main_));
    QtWindow& window = *windows_.back();
    if (main_ == nullptr) main_ = &window;
    dialog.Attach(&window);
    dialog.OnInitDialog();
    if (!window.ended()) window.show();
    return window;
}

int QtWindowSystem::runModal(CDialog& dialog) {
    QtWindow& window = open(dialog);
    if (!window.ended()) {
        if (&window != main_) aboutToRunModal(window);
        window.exec();
    }
    int result = window.endResult().value_or(window.result());
    dialog.Attach(nullptr);
    if (&window != main_) {
        std::erase_if(windows_, [&](const auto& w) { return w.get() == &window; });
    }
    return result;
}

}  // namespace platform::qt
