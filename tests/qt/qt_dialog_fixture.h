#pragma once

#include <memory>
#include <string>

#include "app/quill_pcisp_dlg.h"
#include "platform/qt/qt_window.h"
#include "platform/qt/qt_window_system.h"
#include "sim/simulated_device_system.h"
#include "support/test_resources.h"

namespace qt_testing {

// The real main dialog in a Qt window over a simulated device system with no product.
class QtDialogFixture {
  public:
    explicit QtDialogFixture(platform::qt::QtWindowOptions options = {});
    ~QtDialogFixture();

    // Builds the dialog, runs its start-up and shows the window.
    CQuillPCISPDlg& start();

    CQuillPCISPDlg& dlg() { return *dlg_; }
    platform::qt::QtWindow& window() { return *windows.mainWindow(); }
    // The picture text of the banner.
    std::string banner();

    sim::SimulatedDeviceSystem devices;
    testing_support::TestResources resources;
    platform::qt::QtWindowSystem windows;
    platform::Platform platform{windows, devices, resources};

  private:
    std::unique_ptr<CQuillPCISPDlg> dlg_;
};

}  // namespace qt_testing
