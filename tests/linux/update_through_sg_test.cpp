#include <gtest/gtest.h>
#include <poll.h>

#include <algorithm>
#include <string>
#include <vector>

#include "linux/linux_dialog.h"
#include "linux/mock_testbed.h"
#include "linux/product_on_testbed.h"
#include "res/resource.h"
#include "sim/scenario.h"

namespace linux_testing {
namespace {

constexpr int kEventBoundMs = 5000;
constexpr int kTickLimit = 200;

bool readable(int fd, int timeoutMs) {
    pollfd watched{fd, POLLIN, 0};
    return ::poll(&watched, 1, timeoutMs) == 1;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The whole two-stage update of a product running old Application Code, through the real
// backend: discovery in the mocked sysfs, every command as SG_IO on the sg node, and the
// product's restarts as remove and add events followed by rediscovery.
TEST(UpdateThroughSg, ApplicationCodeTwoStageUpdate) {
    MockTestbed bed;
    LinuxDialog harness;
    sim::SimulatedDeviceSystem bus;
    std::string error;
    auto made = sim::makeScenario("application-old", bus, harness.windows, error);
    ASSERT_TRUE(made && *made) << error;
    std::shared_ptr<sim::Product> product = *made;
    ProductOnTestbed attached(bed, product);
    attached.sync();

    CQuillPCISPDlg& dlg = harness.start();
    int fd = harness.devices.eventFd();
    ASSERT_GE(fd, 0);
    bool pressed = false;
    bool sawGone = false;  // rediscovery found nothing while the product restarted
    bool sawOta = false;   // and then found it running its OTA Code
    std::vector<std::string> lines;
    for (int tick = 0; tick < kTickLimit; ++tick) {
        auto* window = harness.windows.mainWindow();
        if (!pressed && window->isEnabled(IDC_UPDATE_FW)) {
            harness.windows.click(IDC_UPDATE_FW);
            pressed = true;
        }
        harness.windows.tick(1);
        if (attached.sync()) {
            // The events are already sent; wait until they can be read, then take them all.
            if (readable(fd, kEventBoundMs)) {
                do harness.deliverDeviceEvents();
                while (readable(fd, 0));
            }
        }
        if (pressed) {
            sawGone |= dlg.m_wDevicePID == 0;
            sawOta |= sawGone && dlg.m_wDevicePID == 0x7C15 && dlg.m_bApplicationCode == 0;
        }
        lines = harness.logLines();
        if (contains(lines, "Updat FW.... Update complete !!") ||
            contains(lines, "Updat FW.... FAIL !!")) {
            break;
        }
    }

    EXPECT_TRUE(pressed);
    EXPECT_TRUE(contains(lines, "Updat FW.... Update complete !!"));
    EXPECT_FALSE(contains(lines, "Updat FW.... FAIL !!"));
    EXPECT_TRUE(sawGone);
    EXPECT_TRUE(sawOta);
    EXPECT_EQ(product->bootSelection(), sim::CodeLocation::ApplicationCode);
    EXPECT_GT(attached.requests(), 0);
    EXPECT_TRUE(harness.diagnostics.empty());
}

}  // namespace
}  // namespace linux_testing
