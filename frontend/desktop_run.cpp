#include "frontend/desktop_run.h"

#include "app/quill_pcisp_app.h"
#include "frontend/simulation.h"
#include "platform/qt/display_check.h"
#include "platform/qt/qt_runtime.h"
#include "platform/qt/qt_window_system.h"
#include "res/embedded_resources.h"

namespace frontend {

int RunDesktop(int& argc, char** argv, const Options& options, platform::DeviceSystem& devices,
               sim::SimulatedDeviceSystem* bus, std::ostream& err) {
    if (auto status = platform::qt::checkDisplay(false, err)) return *status;
    platform::qt::QtRuntime runtime(argc, argv);
    platform::qt::QtWindowSystem windows({options.tickMs});

    std::shared_ptr<sim::Product> product;
    if (options.scenario && bus != nullptr) {
        auto started = StartSimulation(options, *bus, windows, err);
        if (!started) return kExitBadCommandLine;
        product = *started;
    }
    if (product) {
        windows.addContextAction("Unplug", [product] { product->unplug(); });
        windows.addContextAction("Plug in", [product] { product->plugIn(); });
    }
    windows.watchDevices(devices);

    res::EmbeddedResources resources;
    platform::Platform platform{windows, devices, resources};
    CQuillPCISPApp app(platform);
    app.InitInstance();
    return 0;
}

}  // namespace frontend
