// Discovery: which disks are the product, in which code location, and what the log says.
#include <gtest/gtest.h>

#include "device/usb_identity.h"
#include "device/usb_ids.h"
#include "support/dialog_fixture.h"

using testing_support::DialogFixture;
using testing_support::UsbDisk;

namespace {

const std::string kApp = "USB\\VID_6E39&PID_7C15\\QP0000000001";
const std::string kOta = "USB\\VID_6E39&PID_7C15\\00000000EF320001";
const std::string kMask = "USB\\VID_4D7B&PID_1B40\\MASK0001";
const std::string kProtect = "USB\\VID_4D7B&PID_1B41\\PROT0001";

struct DiscoveryCase {
    const char* name;
    std::vector<sim::DiskEntry> disks;
    std::vector<std::string> log;
    std::uint16_t result;
    std::uint16_t vid;
    std::int32_t found;
    std::int32_t applicationCode;
};

sim::DiskEntry Disk(std::string parent, std::string path = "sim:/dev/sg240") {
    return UsbDisk(std::move(path), std::move(parent));
}

sim::DiskEntry WithCompatible(sim::DiskEntry e, std::string id) {
    e.compatibleId = std::move(id);
    return e;
}

std::vector<DiscoveryCase> Cases() {
    sim::DiskEntry unopenable = Disk(kApp);
    unopenable.openable = false;
    return {
        {"NoDisk", {}, {"USB device not found!"}, 0, 0, 0, 0},
        {"OtherProduct",
         {Disk("USB\\VID_0781&PID_5567\\4C530001")},
         {"VID:0781 PID:5567", "SN:4C530001", "USB device not found!"},
         0,
         0,
         0,
         0},
        {"MaskCode",
         {Disk(kMask)},
         {"VID:4D7B PID:1B40", "SN:MASK0001", "Open Ostrel USB device Passed.",
          "Run Code at Mask Code", "USB device not found!"},
         PID_MASK_CODE,
         VID_LOADER,
         0,
         0},
        {"ProtectCode",
         {Disk(kProtect)},
         {"VID:4D7B PID:1B41", "SN:PROT0001", "Open Ostrel USB device Passed.",
          "Run Code at Protect_Code", "USB device found!"},
         PID_PROTECT_CODE,
         VID_LOADER,
         1,
         0},
        {"OtaCode",
         {Disk(kOta)},
         {"VID:6E39 PID:7C15", "SN:00000000EF320001", "Open Ostrel USB device Passed.",
          "Run Code at Application/OTA Code", "Run Code at OTA Code", "USB device found!"},
         PID_APPLICATION,
         VID_APPLICATION,
         1,
         0},
        {"ApplicationCode",
         {Disk(kApp)},
         {"VID:6E39 PID:7C15", "SN:QP0000000001", "Open Ostrel USB device Passed.",
          "Run Code at Application/OTA Code", "Run Code at Application Code", "USB device found!"},
         PID_APPLICATION,
         VID_APPLICATION,
         1,
         1},
        {"OtaSerialExactly12",
         {Disk("USB\\VID_6E39&PID_7C15\\00000000EF32")},
         {"VID:6E39 PID:7C15", "SN:00000000EF32", "Open Ostrel USB device Passed.",
          "Run Code at Application/OTA Code", "Run Code at OTA Code", "USB device found!"},
         PID_APPLICATION,
         VID_APPLICATION,
         1,
         0},
        {"OtaSerialLowercaseIsApplication",
         {Disk("USB\\VID_6E39&PID_7C15\\00000000ef32")},
         {"VID:6E39 PID:7C15", "SN:00000000ef32", "Open Ostrel USB device Passed.",
          "Run Code at Application/OTA Code", "Run Code at Application Code", "USB device found!"},
         PID_APPLICATION,
         VID_APPLICATION,
         1,
         1},
        {"LowercaseHexCountsAsZero",
         {Disk("USB\\VID_6e39&PID_7c15\\QP01")},
         {"VID:6039 PID:7015", "SN:QP01", "USB device not found!"},
         0,
         0,
         0,
         0},
        {"WrongPidForLoaderVid",
         {Disk("USB\\VID_4D7B&PID_1B42\\X")},
         {"VID:4D7B PID:1B42", "SN:X", "USB device not found!"},
         0,
         0,
         0,
         0},
        {"WrongPidForApplicationVid",
         {Disk("USB\\VID_6E39&PID_1B40\\X")},
         {"VID:6E39 PID:1B40", "SN:X", "USB device not found!"},
         0,
         0,
         0,
         0},
        {"CompatibleIdWithMoreCharacters",
         {WithCompatible(Disk(kProtect), "USBSTOR\\DiskOstrel__Flash")},
         {"VID:4D7B PID:1B41", "SN:PROT0001", "Open Ostrel USB device Passed.",
          "Run Code at Protect_Code", "USB device found!"},
         PID_PROTECT_CODE,
         VID_LOADER,
         1,
         0},
        {"CompatibleIdLowercase",
         {WithCompatible(Disk(kProtect), "usbstor\\disk")},
         {"USB device not found!"},
         0,
         0,
         0,
         0},
        {"OpenFails",
         {unopenable},
         {"VID:6E39 PID:7C15", "SN:QP0000000001", "Open Ostrel USB device failed.",
          "USB device not found!"},
         0,
         0,
         0,
         0},
        {"MalformedParentIdsSkipped",
         {Disk("USB\\ROOT_HUB30\\4&1234"), Disk("USB\\VID_6E39&PID_7C"),
          Disk("USB\\VID_6E&PID_7C15\\X"), Disk("USB\\VID_6E39&PID_7C15"),
          Disk(kProtect, "sim:/dev/sg241")},
         {"VID:4D7B PID:1B41", "SN:PROT0001", "Open Ostrel USB device Passed.",
          "Run Code at Protect_Code", "USB device found!"},
         PID_PROTECT_CODE,
         VID_LOADER,
         1,
         0},
    };
}

class Discovery : public ::testing::TestWithParam<DiscoveryCase> {};

TEST_P(Discovery, ClassifiesAndLogs) {
    const DiscoveryCase& c = GetParam();
    DialogFixture f;
    for (const auto& disk : c.disks) f.devices.attach(disk, false);
    CQuillPCISPDlg& dlg = f.start();
    EXPECT_EQ(f.logLines(), c.log);
    EXPECT_EQ(dlg.m_wDevicePID, c.result);
    EXPECT_EQ(dlg.m_wDeviceVID, c.vid);
    EXPECT_EQ(dlg.m_bDeviceFound, c.found);
    EXPECT_EQ(dlg.m_bApplicationCode, c.applicationCode);
    // Discovery keeps nothing open.
    for (const auto& disk : c.disks) EXPECT_FALSE(f.devices.isOpen(disk.path));
}

INSTANTIATE_TEST_SUITE_P(Disks, Discovery, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiscoveryFailures, EachReadFailureStopsTheEnumeration) {
    struct Case {
        const char* line;
        void (*breakIt)(sim::DiskEntry&);
    };
    const Case cases[] = {
        {"USBFound get registry property error", [](sim::DiskEntry& e) { e.compatibleId.reset(); }},
        {"USBFound get parent ID error", [](sim::DiskEntry& e) { e.hasParent = false; }},
        {"USBFound get device id error", [](sim::DiskEntry& e) { e.parentDeviceId.reset(); }},
        {"USBFound get device id error",
         [](sim::DiskEntry& e) { e.parentDeviceId = kProtect + std::string(160, 'X'); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        DialogFixture f;
        f.devices.attach(Disk(kApp, "sim:/dev/sg240"), false);
        sim::DiskEntry broken = Disk(kProtect, "sim:/dev/sg241");
        c.breakIt(broken);
        f.devices.attach(broken, false);
        f.devices.attach(Disk(kOta, "sim:/dev/sg242"), false);
        CQuillPCISPDlg& dlg = f.start();
        // The device before the failure counts, the one after it is never looked at.
        std::vector<std::string> expected{"VID:6E39 PID:7C15",
                                          "SN:QP0000000001",
                                          "Open Ostrel USB device Passed.",
                                          "Run Code at Application/OTA Code",
                                          "Run Code at Application Code",
                                          c.line,
                                          "USB device found!"};
        EXPECT_EQ(f.logLines(), expected);
        EXPECT_EQ(dlg.m_bApplicationCode, 1);
        EXPECT_EQ(f.devices.openCount("sim:/dev/sg242"), 0u);
    }
}

TEST(DiscoveryFailures, NoInterfaceSetLogsOnlyTheHandleError) {
    DialogFixture f;
    f.devices.attach(Disk(kApp), false);
    f.devices.setEnumerationFails(true);
    CQuillPCISPDlg& dlg = f.start();
    EXPECT_EQ(f.logLines(), std::vector<std::string>{"USBFound handle error"});
    EXPECT_EQ(dlg.m_wDevicePID, 0);
}

TEST(DiscoveryFailures, OpenFailureKeepsThePath) {
    DialogFixture f;
    sim::DiskEntry disk = Disk(kApp, "sim:/dev/sg245");
    disk.openable = false;
    f.devices.attach(disk, false);
    CQuillPCISPDlg& dlg = f.start();
    EXPECT_EQ(dlg.m_szDevicePath, "sim:/dev/sg245");
    EXPECT_EQ(dlg.m_wDeviceVID, 0);
}

TEST(DiscoveryFailures, PathTooLongForTheDescriptorIsSkippedNotTruncated) {
    DialogFixture f;
    std::string longPath = "sim:/dev/" + std::string(250, 'p');
    f.devices.attach(Disk(kApp, longPath), false);
    CQuillPCISPDlg& dlg = f.start();
    EXPECT_EQ(dlg.m_szDevicePath, "");
    EXPECT_EQ(f.devices.openCount(longPath), 0u);
    EXPECT_EQ(dlg.m_wDevicePID, 0);
    EXPECT_EQ(f.logLines().at(2), "USBFound device path too long, skipped");
}

TEST(DiscoveryMultiple, LastOpenedDeviceDecidesAndEarlierFlagsStay) {
    DialogFixture f;
    f.devices.attach(Disk(kApp, "sim:/dev/sg240"), false);
    f.devices.attach(Disk(kMask, "sim:/dev/sg241"), false);
    CQuillPCISPDlg& dlg = f.start();
    EXPECT_EQ(dlg.m_wDevicePID, PID_MASK_CODE);
    EXPECT_EQ(dlg.m_wDeviceVID, VID_LOADER);
    EXPECT_EQ(dlg.m_szDevicePath, "sim:/dev/sg241");
    // Set by the Application Code device and kept.
    EXPECT_EQ(dlg.m_bApplicationCode, 1);
    EXPECT_EQ(f.logLines().back(), "USB device found!");
}

TEST(ParseHexWord, ReadsFourUppercaseDigitsAndCountsOthersAsZero) {
    EXPECT_EQ(ParseHexWord("6E39"), 0x6E39);
    EXPECT_EQ(ParseHexWord("ffff"), 0x0000);
    EXPECT_EQ(ParseHexWord("1g2Z"), 0x1020);
    EXPECT_EQ(ParseHexWord("12345"), 0x1234);
}

TEST(SerialLine, IsBoundedToTheLineBuffer) {
    DialogFixture f;
    f.devices.attach(Disk("USB\\VID_6E39&PID_7C15\\" + std::string(100, 'S')), false);
    f.start();
    EXPECT_EQ(f.logLines().at(1), "SN:" + std::string(76, 'S'));
    EXPECT_EQ(f.dlg().m_bApplicationCode, 1);
}

}  // namespace
