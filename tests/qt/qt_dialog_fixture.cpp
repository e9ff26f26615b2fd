#include "qt/qt_dialog_fixture.h"

#include "platform/qt/banner_button.h"
#include "res/resource.h"
#include "res/templates.h"

namespace qt_testing {

QtDialogFixture::QtDialogFixture(platform::qt::QtWindowOptions options) : windows(options) {
    windows.watchDevices(devices);
}

QtDialogFixture::~QtDialogFixture() = default;

CQuillPCISPDlg& QtDialogFixture::start() {
    dlg_ = std::make_unique<CQuillPCISPDlg>(platform);
    windows.open(*dlg_);
    return *dlg_;
}

std::string QtDialogFixture::banner() {
    auto* button = qobject_cast<platform::qt::BannerButton*>(window().control(IDC_BANNER));
    return button ? std::string(res::bannerText(button->pictureId())) : std::string();
}

}  // namespace qt_testing
