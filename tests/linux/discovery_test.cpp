#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "linux/linux_dialog.h"
#include "linux/mock_testbed.h"
#include "linux/sg_responder.h"

namespace linux_testing {
namespace {

using platform::linux_backend::LinuxDeviceSystem;

struct IdentityCase {
    const char* name;
    UsbDiskLayout layout;
    std::optional<std::string> compatibleId;
    std::optional<std::string> parentId;
};

void PrintTo(const IdentityCase& c, std::ostream* os) {
    *os << c.name;
}

class SysfsIdentity : public testing::TestWithParam<IdentityCase> {};

// What one mocked disk reads as: the identifiers in the form discovery parses, from sysfs.
TEST_P(SysfsIdentity, ReadsAsExpected) {
    MockTestbed bed;
    MockDisk disk = bed.addUsbDisk(GetParam().layout);
    LinuxDialog harness;
    LinuxDeviceSystem& devices = harness.devices;

    auto set = devices.presentDiskInterfaces();
    ASSERT_TRUE(set);
    ASSERT_TRUE(set->exists(0));
    EXPECT_FALSE(set->exists(1));
    EXPECT_EQ(set->interfacePath(0), disk.devnode);
    EXPECT_EQ(set->compatibleId(0), GetParam().compatibleId);
    EXPECT_TRUE(set->hasParent(0));
    EXPECT_EQ(set->parentDeviceId(0), GetParam().parentId);
}

INSTANTIATE_TEST_SUITE_P(
    Disks, SysfsIdentity,
    testing::Values(IdentityCase{"LowercaseHexBecomesUppercase", Usb("4d7b", "1b4f", "abcDEF"),
                                 "USBSTOR\\Disk", "USB\\VID_4D7B&PID_1B4F\\abcDEF"},
                    IdentityCase{"UasDisk", Usb("6e39", "7c15", "0123456789AB", "uas"),
                                 "USBSTOR\\Disk", "USB\\VID_6E39&PID_7C15\\0123456789AB"},
                    IdentityCase{"CdRomOnUsbStorage",
                                 Usb("6e39", "7c15", "0123456789AB", "usb-storage", "5"),
                                 "USB\\Other", "USB\\VID_6E39&PID_7C15\\0123456789AB"},
                    IdentityCase{"InterfaceWithoutDriver", Usb("6e39", "7c15", "0123456789AB", ""),
                                 "USB\\Other", "USB\\VID_6E39&PID_7C15\\0123456789AB"},
                    IdentityCase{"NoSerialIsKnownByItsPort",
                                 Usb("4d7b", "1b41", "", "usb-storage", "0", 251), "USBSTOR\\Disk",
                                 "USB\\VID_4D7B&PID_1B41\\1-251"},
                    IdentityCase{"ProductIdNotFourHexDigits", Usb("4d7b", "1b4"), "USBSTOR\\Disk",
                                 std::nullopt}),
    [](const testing::TestParamInfo<IdentityCase>& info) { return info.param.name; });

struct LocationCase {
    const char* name;
    UsbDiskLayout layout;
    std::vector<std::string> lines;
    std::uint16_t pid;
    std::int32_t found;
    std::int32_t applicationCode;
};

void PrintTo(const LocationCase& c, std::ostream* os) {
    *os << c.name;
}

class DiscoveryOnLinux : public testing::TestWithParam<LocationCase> {};

// Each code location found through the real backend, from the mocked sysfs to the log.
TEST_P(DiscoveryOnLinux, FindsTheCodeLocation) {
    MockTestbed bed;
    MockDisk disk = bed.addUsbDisk(GetParam().layout);
    SgResponder responder(bed.get(), disk.devnode);
    LinuxDialog harness;
    CQuillPCISPDlg& dlg = harness.start();

    EXPECT_EQ(harness.logLines(), GetParam().lines);
    EXPECT_EQ(dlg.m_wDevicePID, GetParam().pid);
    EXPECT_EQ(dlg.m_bDeviceFound, GetParam().found);
    EXPECT_EQ(dlg.m_bApplicationCode, GetParam().applicationCode);
    EXPECT_EQ(dlg.m_szDevicePath, disk.devnode);
    EXPECT_EQ(harness.opened, std::vector<std::string>{disk.devnode});
    EXPECT_TRUE(responder.calls().empty());
    EXPECT_TRUE(harness.diagnostics.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Locations, DiscoveryOnLinux,
    testing::Values(
        LocationCase{"MaskCode",
                     Usb("4d7b", "1b40", "MASK0001"),
                     {"VID:4D7B PID:1B40", "SN:MASK0001", "Open Ostrel USB device Passed.",
                      "Run Code at Mask Code", "USB device not found!"},
                     0x1B40,
                     0,
                     0},
        LocationCase{"ProtectCode",
                     Usb("4d7b", "1b41", "PROT0001"),
                     {"VID:4D7B PID:1B41", "SN:PROT0001", "Open Ostrel USB device Passed.",
                      "Run Code at Protect_Code", "USB device found!"},
                     0x1B41,
                     1,
                     0},
        LocationCase{
            "OtaCode",
            Usb("6e39", "7c15", "00000000EF32"),
            {"VID:6E39 PID:7C15", "SN:00000000EF32", "Open Ostrel USB device Passed.",
             "Run Code at Application/OTA Code", "Run Code at OTA Code", "USB device found!"},
            0x7C15,
            1,
            0},
        LocationCase{"ApplicationCode",
                     Usb("6e39", "7c15", "00000000ef32"),
                     {"VID:6E39 PID:7C15", "SN:00000000ef32", "Open Ostrel USB device Passed.",
                      "Run Code at Application/OTA Code", "Run Code at Application Code",
                      "USB device found!"},
                     0x7C15,
                     1,
                     1}),
    [](const testing::TestParamInfo<LocationCase>& info) { return info.param.name; });

// A SATA disk and another maker's USB stick come first in sysfs order. Neither stops the
// enumeration, neither is opened, and no request reaches them.
TEST(DiscoveryOnLinuxOthers, OtherDisksAreNeverOpened) {
    MockTestbed bed;
    MockDisk sata = bed.addSataDisk(240);
    MockDisk stick = bed.addUsbDisk(Usb("0781", "5581", "STICK", "usb-storage", "0", 241));
    MockDisk product = bed.addUsbDisk(Usb("4d7b", "1b41", "PROT0001"));
    SgResponder sataNode(bed.get(), sata.devnode);
    SgResponder stickNode(bed.get(), stick.devnode);
    SgResponder productNode(bed.get(), product.devnode);
    productNode.setHandler([](platform::PassThroughRequest&) -> SgAnswer {
        ADD_FAILURE() << "discovery sent a request";
        return {};
    });
    LinuxDialog harness;

    auto set = harness.devices.presentDiskInterfaces();
    ASSERT_TRUE(set && set->exists(2));
    EXPECT_EQ(set->interfacePath(0), sata.devnode);
    EXPECT_EQ(set->compatibleId(0), "SCSI\\Disk");
    EXPECT_TRUE(set->hasParent(0));
    EXPECT_EQ(set->parentDeviceId(0), "SCSI\\240:0:0:0");
    set.reset();

    CQuillPCISPDlg& dlg = harness.start();
    std::vector<std::string> expected{"VID:0781 PID:5581",
                                      "SN:STICK",
                                      "VID:4D7B PID:1B41",
                                      "SN:PROT0001",
                                      "Open Ostrel USB device Passed.",
                                      "Run Code at Protect_Code",
                                      "USB device found!"};
    EXPECT_EQ(harness.logLines(), expected);
    EXPECT_EQ(dlg.m_wDevicePID, 0x1B41);
    EXPECT_EQ(harness.opened, std::vector<std::string>{product.devnode});
    EXPECT_TRUE(sataNode.calls().empty());
    EXPECT_TRUE(stickNode.calls().empty());
}

}  // namespace
}  // namespace linux_testing
