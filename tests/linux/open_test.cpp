#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <ostream>
#include <string>
#include <vector>

#include "linux/linux_dialog.h"
#include "linux/mock_testbed.h"
#include "linux/sg_responder.h"

namespace linux_testing {
namespace {

using platform::linux_backend::LinuxDeviceSystemOptions;

struct RefusalCase {
    const char* name;
    int error;
    std::string line;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class OpenRefused : public testing::TestWithParam<RefusalCase> {};

// A refused open gives an empty handle and one line on the terminal saying why. The open asks
// for read and write access and sole use of the node.
TEST_P(OpenRefused, SaysWhy) {
    MockTestbed bed;
    std::vector<int> flagsSeen;
    LinuxDeviceSystemOptions options;
    options.openNode = [&](const char*, int flags) {
        flagsSeen.push_back(flags);
        errno = GetParam().error;
        return -1;
    };
    LinuxDialog harness(options);

    platform::DeviceHandle handle = harness.devices.open("/dev/sg250");

    EXPECT_FALSE(handle.valid());
    EXPECT_EQ(harness.diagnostics, std::vector<std::string>{GetParam().line});
    ASSERT_EQ(flagsSeen.size(), 1u);
    EXPECT_EQ(flagsSeen[0] & O_ACCMODE, O_RDWR);
    EXPECT_NE(flagsSeen[0] & O_EXCL, 0);
}

const std::string kPermission =
    "quill-pcisp: /dev/sg250: permission denied — install packaging/70-quill-pcisp.rules or "
    "run as root";
const std::string kGone = "quill-pcisp: /dev/sg250: the device is gone";

INSTANTIATE_TEST_SUITE_P(
    Errors, OpenRefused,
    testing::Values(
        RefusalCase{"Busy", EBUSY,
                    "quill-pcisp: /dev/sg250: busy — another program has the device open"},
        RefusalCase{"AccessDenied", EACCES, kPermission},
        RefusalCase{"NotPermitted", EPERM, kPermission}, RefusalCase{"NoNode", ENOENT, kGone},
        RefusalCase{"NoDevice", ENODEV, kGone}, RefusalCase{"NoAddress", ENXIO, kGone},
        RefusalCase{"Other", EIO, "quill-pcisp: /dev/sg250: Input/output error"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

// Discovery meets a product the user may not open: the tool's own lines in the log, the reason
// and the remedy on the terminal, and no product.
TEST(OpenRefusedDuringDiscovery, ProductWithoutPermission) {
    MockTestbed bed;
    MockDisk disk = bed.addUsbDisk(Usb("4d7b", "1b41", "PROT0001"));
    SgResponder responder(bed.get(), disk.devnode);
    LinuxDeviceSystemOptions options;
    options.openNode = [](const char*, int) {
        errno = EACCES;
        return -1;
    };
    LinuxDialog harness(options);
    CQuillPCISPDlg& dlg = harness.start();

    std::vector<std::string> expected{"VID:4D7B PID:1B41", "SN:PROT0001",
                                      "Open Ostrel USB device failed.", "USB device not found!"};
    EXPECT_EQ(harness.logLines(), expected);
    EXPECT_EQ(dlg.m_wDevicePID, 0);
    EXPECT_EQ(harness.diagnostics,
              std::vector<std::string>{"quill-pcisp: /dev/sg250: permission denied — install "
                                       "packaging/70-quill-pcisp.rules or run as root"});
    EXPECT_TRUE(responder.calls().empty());
}

}  // namespace
}  // namespace linux_testing
