#include "frontend/desktop_run.h"

#include "app/quill_pcisp_app.h"
#include "platform/qt/display_check.h"
#include "platform/qt/qt_runtime.h"
#include "platform/qt/qt_window_system.h"
#include "res/embedded_resources.h"
#include "sim/fault_injection.h"
#include "sim/request_trace.h"
#include "sim/scenario.h"

namespace frontend {

int RunDesktop(int& argc, char** argv, const Options& options, platform::DeviceSystem& devices,
               sim::SimulatedDeviceSystem* bus, std::ostream& err) {
    if (auto status = platform::qt::checkDisplay(false, err)) return *status;
    platform::qt::QtRuntime runtime(argc, argv);
    platform::qt::QtWindowSystem windows({options.tickMs});

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
        if (product) {
            windows.addContextAction("Unplug", [product] { product->unplug(); });
            windows.addContextAction("Plug in", [product] { product->plugIn(); });
        }
    }
    windows.watchDevices(devices);

    res::EmbeddedResources resources;
    platform::Platform platform{windows, devices, resources};
    CQuillPCISPApp app(platform);
    app.InitInstance();
    return 0;
}

}  // namespace frontend
