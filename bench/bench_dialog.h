#pragma once

#include <memory>

#include "app/quill_pcisp_dlg.h"
#include "platform/headless/headless_window_system.h"
#include "res/embedded_resources.h"
#include "sim/simulated_device_system.h"

namespace bench {

// The dialog on the headless host in virtual time, with the embedded images.
struct BenchDialog {
    platform::headless::HeadlessWindowSystem windows;
    sim::SimulatedDeviceSystem devices;
    res::EmbeddedResources resources;
    platform::Platform platform{windows, devices, resources};
    std::unique_ptr<CQuillPCISPDlg> dlg;

    BenchDialog() { windows.watchDevices(devices); }
    void start() {
        dlg = std::make_unique<CQuillPCISPDlg>(platform);
        windows.open(*dlg);
    }
};

}  // namespace bench
