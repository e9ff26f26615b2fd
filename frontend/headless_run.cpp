#include "frontend/headless_run.h"

#include "app/quill_pcisp_app.h"
#include "frontend/update_driver.h"
#include "platform/headless/headless_window_system.h"
#include "platform/terminal/event_printer.h"
#include "platform/terminal/terminal_waiter.h"
#include "res/embedded_resources.h"
#include "sim/fault_injection.h"
#include "sim/request_trace.h"
#include "sim/scenario.h"

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

    // The simulated product, in its scenario's state, with its faults and trace.
    std::shared_ptr<sim::Product> product;
    if (options.scenario && bus != nullptr) {
        sim::ProductOptions productOptions;
        // A restart keeps the product away for three ticks.
        productOptions.restartDelayMs = 3 * static_cast<std::uint64_t>(options.tickMs);
        std::string error;
        auto made = sim::makeScenario(*options.scenario, *bus, windows, error, productOptions);
        if (!made) {
            err << "quill-pcisp: " << error << "\n";
            return kExitBadCommandLine;
        }
        product = *made;
        for (const auto& text : options.faults) {
            std::string problem;
            auto spec = sim::parseFault(text, problem);
            if (spec && product) product->faults().add(*spec);
        }
        if (product && options.trace)
            product->trace().setListener([&err](const sim::TraceEntry& entry) {
                err << sim::formatTraceLine(entry) << '\n' << std::flush;
            });
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
