#pragma once

#include <memory>

#include "app/quill_pcisp_dlg.h"
#include "platform/headless/headless_window_system.h"
#include "sim/simulated_device_system.h"

namespace fuzzing {

// A resource module with nothing in it: image loading stops at its first entry.
class NoResources final : public platform::ResourceProvider {
public:
    std::optional<platform::ResourceHandle> find(int) const override { return std::nullopt; }
    std::optional<platform::ResourceData> load(platform::ResourceHandle) const override {
        return std::nullopt;
    }
    std::string loadString(int) const override { return {}; }
};

// The dialog on the headless host over simulated disks, started.
struct FuzzDialog {
    platform::headless::HeadlessWindowSystem windows;
    sim::SimulatedDeviceSystem devices;
    NoResources resources;
    platform::Platform platform{windows, devices, resources};
    std::unique_ptr<CQuillPCISPDlg> dlg;

    void start() {
        dlg = std::make_unique<CQuillPCISPDlg>(platform);
        windows.open(*dlg);
    }
};

}  // namespace fuzzing
