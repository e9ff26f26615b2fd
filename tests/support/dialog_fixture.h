#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/quill_pcisp_dlg.h"
#include "platform/headless/headless_window_system.h"
#include "sim/simulated_device_system.h"
#include "support/test_resources.h"

namespace testing_support {

// The dialog on the headless host in virtual time, over a simulated device system.
class DialogFixture {
  public:
    DialogFixture();
    ~DialogFixture();

    // Builds the dialog and runs its start-up.
    CQuillPCISPDlg& start();

    CQuillPCISPDlg& dlg() { return *dlg_; }
    platform::headless::HeadlessWindow& window() { return *windows.mainWindow(); }

    // The log split into its lines (each appended line ends in "\r\n").
    std::vector<std::string> logLines() const;
    std::string banner() const;  // the picture text of the banner
    bool updateEnabled() const;
    int progress() const;

    platform::headless::HeadlessWindowSystem windows;
    sim::SimulatedDeviceSystem devices;
    TestResources resources;
    platform::Platform platform{windows, devices, resources};

  private:
    std::unique_ptr<CQuillPCISPDlg> dlg_;
};

// A plain USB disk entry with the given parent identifier.
sim::DiskEntry UsbDisk(std::string path, std::string parentId);

}  // namespace testing_support
