#include "frontend/headless_run.h"

#include "app/quill_pcisp_app.h"
#include "frontend/simulation.h"
#include "frontend/update_driver.h"
#include "platform/headless/headless_window_system.h"
#include "platform/terminal/event_printer.h"
#include "platform/terminal/terminal_waiter.h"
#include "res/embedded_resources.h"

namespace frontend {

namespace {

int InterruptStatus(int signal) {
    return 128 + signal;
}

}  // namespace

int RunHeadless(const Options& options, platform::DeviceSystem& devices,
                sim::SimulatedDeviceSystem* bus, std::ostream& out, std::ostream& err) {
    platform::terminal::TerminalWaiter waiter(devices);
    platform::headless::HeadlessWindowSystem windows(&waiter);
    windows.setTimerPeriod(options.tickMs);

    std::shared_ptr<sim::Product> product;
    if (options.scenario && bus != nullptr) {
        auto started = StartSimulation(options, *bus, windows, err);
        if (!started) return kExitBadCommandLine;
        product = *started;
    }
    windows.watchDevices(devices);

    platform::terminal::EventPrinter printer(windows, out);
    windows.addObserver(&printer);
    std::unique_ptr<UpdateDriver> driver;
    if (options.update) {
        driver = std::make_unique<UpdateDriver>(windows);
        windows.addObserver(driver.get());
    }

    res::EmbeddedResources resources;
    platform::Platform platform{windows, devices, resources};
    CQuillPCISPApp app(platform);
    app.InitInstance();
    out.flush();

    if (driver && driver->outcome()) return static_cast<int>(*driver->outcome());
    if (waiter.quitSignal() != 0) return InterruptStatus(waiter.quitSignal());
    return options.update ? static_cast<int>(UpdateOutcome::Failed) : 0;
}

}  // namespace frontend
