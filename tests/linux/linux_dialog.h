#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/quill_pcisp_dlg.h"
#include "platform/headless/headless_window_system.h"
#include "platform/linux/linux_device_system.h"
#include "platform/platform.h"
#include "res/embedded_resources.h"
#include "support/test_resources.h"

namespace linux_testing {

// The dialog on the headless host in virtual time, over the real Linux device system, with
// the embedded images. Lines
// the backend writes for the terminal are kept in diagnostics, and every path it opens in
// opened (the open itself is the real one unless the options replace it). Build the testbed
// first.
class LinuxDialog {
  public:
    explicit LinuxDialog(platform::linux_backend::LinuxDeviceSystemOptions options = {});
    ~LinuxDialog();

    CQuillPCISPDlg& start();
    CQuillPCISPDlg& dlg() { return *dlg_; }
    std::vector<std::string> logLines() const;
    // Reads the waiting device events and handles the messages they cause.
    void deliverDeviceEvents();

    std::vector<std::string> diagnostics;
    std::vector<std::string> opened;
    platform::headless::HeadlessWindowSystem windows;
    platform::linux_backend::LinuxDeviceSystem devices;
    res::EmbeddedResources embedded;
    testing_support::TestResources resources{embedded};
    platform::Platform platform{windows, devices, resources};

  private:
    static platform::linux_backend::LinuxDeviceSystemOptions withRecorders(
        platform::linux_backend::LinuxDeviceSystemOptions options, LinuxDialog& self);

    std::unique_ptr<CQuillPCISPDlg> dlg_;
};

}  // namespace linux_testing
