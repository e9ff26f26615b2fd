#include <gtest/gtest.h>
#include <poll.h>

#include <ostream>
#include <string>
#include <vector>

#include "linux/linux_dialog.h"
#include "linux/mock_testbed.h"
#include "linux/sg_responder.h"

namespace linux_testing {
namespace {

using platform::DeviceEvent;
using platform::linux_backend::LinuxDeviceSystemOptions;

// Generous bound on the wait for an event umockdev has already sent; never reached when the
// event arrives.
constexpr int kEventBoundMs = 5000;

bool readable(int fd) {
    pollfd watched{fd, POLLIN, 0};
    return ::poll(&watched, 1, kEventBoundMs) == 1;
}

struct SourceCase {
    const char* name;
    std::string udevControlPath;
};

void PrintTo(const SourceCase& c, std::ostream* os) {
    *os << c.name;
}

class Hotplug : public testing::TestWithParam<SourceCase> {};

// Adds and removals of the sg node reach the listener through the event descriptor, from the
// udev daemon's events or, where none runs, the kernel's. The adds of the USB and SCSI devices
// above the node and other actions are passed over.
TEST_P(Hotplug, AddAndRemoveReachTheListener) {
    MockTestbed bed;
    LinuxDeviceSystemOptions options;
    options.udevControlPath = GetParam().udevControlPath;
    LinuxDialog harness(options);
    std::vector<DeviceEvent> events;
    harness.devices.setListener([&](DeviceEvent event) { events.push_back(event); });
    int fd = harness.devices.eventFd();
    ASSERT_GE(fd, 0);

    MockDisk disk = bed.addUsbDisk(Usb("4d7b", "1b40"));
    while (events.empty() && readable(fd)) harness.devices.processEvents();
    EXPECT_EQ(events, std::vector<DeviceEvent>{DeviceEvent::Arrival});

    bed.announceChange(disk);
    bed.remove(disk);
    while (events.size() < 2 && readable(fd)) harness.devices.processEvents();
    std::vector<DeviceEvent> expected{DeviceEvent::Arrival, DeviceEvent::Removal};
    EXPECT_EQ(events, expected);
    EXPECT_TRUE(harness.diagnostics.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sources, Hotplug,
    testing::Values(SourceCase{"UdevDaemon", "/"},
                    SourceCase{"KernelWithoutDaemon", "/nonexistent/udev/control"}),
    [](const testing::TestParamInfo<SourceCase>& info) { return info.param.name; });

// A product plugged in after start-up is found at once, and its removal is noticed at once.
TEST(HotplugDialog, ArrivalAndRemovalRunDiscovery) {
    MockTestbed bed;
    LinuxDialog harness;
    CQuillPCISPDlg& dlg = harness.start();
    EXPECT_EQ(harness.logLines(), std::vector<std::string>{"USB device not found!"});

    MockDisk disk = bed.addUsbDisk(Usb("4d7b", "1b41", "PROT0001"));
    SgResponder responder(bed.get(), disk.devnode);
    ASSERT_TRUE(readable(harness.devices.eventFd()));
    harness.deliverDeviceEvents();
    EXPECT_EQ(dlg.m_wDevicePID, 0x1B41);
    EXPECT_EQ(dlg.m_bDeviceFound, 1);
    EXPECT_EQ(harness.logLines().back(), "USB device found!");

    bed.remove(disk);
    while (dlg.m_wDevicePID != 0 && readable(harness.devices.eventFd()))
        harness.deliverDeviceEvents();
    EXPECT_EQ(dlg.m_wDevicePID, 0);
    EXPECT_EQ(dlg.m_bDeviceFound, 0);
    EXPECT_EQ(harness.logLines().back(), "USB device not found!");
}

}  // namespace
}  // namespace linux_testing
