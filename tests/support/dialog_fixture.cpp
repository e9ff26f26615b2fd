#include "support/dialog_fixture.h"
#include "platform/log_text.h"

#include "res/resource.h"
#include "res/templates.h"

namespace testing_support {

DialogFixture::DialogFixture() {
    windows.watchDevices(devices);
}

DialogFixture::~DialogFixture() = default;

CQuillPCISPDlg& DialogFixture::start() {
    dlg_ = std::make_unique<CQuillPCISPDlg>(platform);
    windows.open(*dlg_);
    return *dlg_;
}

std::vector<std::string> DialogFixture::logLines() const {
    return platform::SplitCrLfLines(windows.mainWindow()->text(IDC_LOG));
}

std::string DialogFixture::banner() const {
    return std::string(res::bannerText(windows.mainWindow()->control(IDC_BANNER).bitmap));
}

bool DialogFixture::updateEnabled() const {
    return windows.mainWindow()->isEnabled(IDC_UPDATE_FW);
}

int DialogFixture::progress() const {
    return windows.mainWindow()->pos(IDC_PROGRESS);
}

sim::DiskEntry UsbDisk(std::string path, std::string parentId) {
    sim::DiskEntry entry;
    entry.path = std::move(path);
    entry.parentDeviceId = std::move(parentId);
    return entry;
}

}  // namespace testing_support
