#include "linux/linux_dialog.h"
#include "platform/log_text.h"

#include <fcntl.h>

#include "res/resource.h"

namespace linux_testing {

platform::linux_backend::LinuxDeviceSystemOptions LinuxDialog::withRecorders(
    platform::linux_backend::LinuxDeviceSystemOptions options, LinuxDialog& self) {
    if (!options.diagnostics)
        options.diagnostics = [&self](const std::string& line) {
            self.diagnostics.push_back(line);
        };
    auto open = options.openNode;
    if (!open) open = [](const char* path, int flags) { return ::open(path, flags); };
    options.openNode = [&self, open](const char* path, int flags) {
        self.opened.push_back(path);
        return open(path, flags);
    };
    return options;
}

LinuxDialog::LinuxDialog(platform::linux_backend::LinuxDeviceSystemOptions options)
    : devices(withRecorders(std::move(options), *this)) {
    windows.watchDevices(devices);
}

LinuxDialog::~LinuxDialog() = default;

CQuillPCISPDlg& LinuxDialog::start() {
    dlg_ = std::make_unique<CQuillPCISPDlg>(platform);
    windows.open(*dlg_);
    return *dlg_;
}

std::vector<std::string> LinuxDialog::logLines() const {
    return platform::SplitCrLfLines(windows.mainWindow()->text(IDC_LOG));
}

void LinuxDialog::deliverDeviceEvents() {
    devices.processEvents();
    windows.processPending();
}

}  // namespace linux_testing
