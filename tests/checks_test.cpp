// The mask probe and the version checks against the simulated product, log line by line.
#include <gtest/gtest.h>

#include "device/usb_ids.h"
#include "res/resource.h"
#include "sim/fault_injection.h"
#include "sim/scenario.h"
#include "support/product_fixture.h"
#include "tools/image_builder.h"

using testing_support::MakeRecord;
using testing_support::PlaceRecord;
using testing_support::ProductFixture;
using Lines = std::vector<std::string>;

namespace {

const std::string kFail2 = "SendSCSICommand FAIL : >0x2<";
const std::string kFail0 = "SendSCSICommand FAIL : >0x0<";

void Fault(ProductFixture& f, const std::string& spec) {
    std::string error;
    auto parsed = sim::parseFault(spec, error);
    ASSERT_TRUE(parsed) << error;
    f.product->faults().add(*parsed);
}

// ---- Mask Code ----

TEST(CheckMaskCode, Variant0210) {
    ProductFixture f("mask0210");
    CQuillPCISPDlg& d = f.startQuiet();
    d.Check_Mask_Code();
    EXPECT_EQ(f.logLines(), Lines{"Run Code at Mask Code 0210"});
    EXPECT_EQ(d.g_MaskVariant0210, 1);
    EXPECT_EQ(d.m_bDeviceFound, 1);
    EXPECT_EQ(d.m_bProjectMatched, 1);
    EXPECT_EQ(f.takeTrace(),
              (Lines{"cdb: FF 44 00 00 00 00 00 00 00 00 00 00 00 00 00 00 dir=in len=128",
                     "cdb: FF 62 00 00 00 00 00 00 00 00 00 00 00 00 00 00 dir=in len=0"}));
    EXPECT_FALSE(f.devices.isOpen(d.m_szDevicePath));
}

TEST(CheckMaskCode, Variant0110KeepsTheKeyFailuresBeforeItsLine) {
    ProductFixture f("mask0110");
    CQuillPCISPDlg& d = f.startQuiet();
    d.Check_Mask_Code();
    EXPECT_EQ(f.logLines(), (Lines{kFail2, kFail2, kFail2, "Run Code at Mask Code 0110"}));
    EXPECT_EQ(d.g_MaskVariant0210, 0);
    EXPECT_EQ(d.m_bDeviceFound, 1);
    EXPECT_EQ(d.m_bProjectMatched, 1);
}

TEST(CheckMaskCode, NoAnswerLeavesTheDeviceUnfoundAndRunsAgain) {
    ProductFixture f("mask0210");
    Fault(f, "MASK_QUERY:transport:3");
    CQuillPCISPDlg& d = f.startQuiet();
    d.Check_Mask_Code();
    EXPECT_EQ(f.logLines(), (Lines{kFail0, kFail0, kFail0, "Command Fail"}));
    EXPECT_EQ(d.m_bDeviceFound, 0);
    EXPECT_EQ(d.m_bProjectMatched, 0);
    d.Check_Mask_Code();
    EXPECT_EQ(f.logLines().back(), "Run Code at Mask Code 0210");
    EXPECT_EQ(d.m_bDeviceFound, 1);
}

TEST(CheckMaskCode, TheReplyBytesNeverChangeTheOutcome) {
    for (const char* variant : {"mask0210", "mask0110"}) {
        ProductFixture f(variant);
        Fault(f, "MASK_QUERY:corrupt");
        CQuillPCISPDlg& d = f.startQuiet();
        d.Check_Mask_Code();
        EXPECT_EQ(d.g_MaskVariant0210, std::string(variant) == "mask0210" ? 1 : 0);
        EXPECT_EQ(d.m_bDeviceFound, 1);
    }
}

TEST(CheckMaskCode, AnUnopenableDeviceFailsEveryAttempt) {
    ProductFixture f("mask0210");
    CQuillPCISPDlg& d = f.startQuiet();
    platform::DeviceHandle held = f.devices.open(d.m_szDevicePath);
    ASSERT_TRUE(held.valid());
    d.Check_Mask_Code();
    EXPECT_EQ(f.logLines(),
              (Lines{"Open USB device failed.", kFail0, kFail0, kFail0, "Command Fail"}));
    EXPECT_EQ(d.m_bDeviceFound, 0);
    EXPECT_TRUE(f.takeTrace().empty());
}

// ---- Application Code, EF64 ----

Lines ImageLines() {
    return {"BINX File FW, Tag: 1.2.3.4,  Version: 100.2.0.0 ",
            "BINX File FW Name: QPL_F_TR52_64_APP", "\r"};
}

TEST(CheckApplicationVersion, VerdictByVersionNumber) {
    struct Case {
        std::array<std::uint8_t, 4> device;
        std::string deviceNumber;
        std::string verdictLine;
        std::uint8_t verdict;
    };
    const Case cases[] = {
        {{100, 1, 0, 0}, "100100", "Device EF64 FW Version is  'Old'", 2},
        {{100, 2, 0, 0}, "100200", "Device EF64 FW Version is  'Current'", 3},
        // A different quad with the same weighted sum is equal.
        {{100, 1, 10, 0}, "100200", "Device EF64 FW Version is  'Current'", 3},
        {{100, 3, 0, 0}, "100300", "Device EF64 FW Version is  'New'", 4},
        // The device's own first byte is never tested.
        {{99, 12, 0, 0}, "100200", "Device EF64 FW Version is  'Current'", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deviceNumber);
        ProductFixture f("application-old");
        sim::Firmware spec{{1, 2, 3, 4}, c.device, "QPL_F_TR52_64_APP_003"};
        sim::installFirmware(f.product->ef64(), sim::plainMainBody(spec),
                             sim::plainInfoPage(sim::FlashMemory::EF64));
        CQuillPCISPDlg& d = f.startQuiet();
        d.Check_Application_Version_Combine();
        Lines expected{
            "Check_Application_Version_Combine -----------------------------------------"};
        for (auto& l : ImageLines()) expected.push_back(l);
        char version[64];
        std::snprintf(version, sizeof version,
                      "Device EF64 FW, Tag: 1.2.3.4,  Version: %d.%d.%d.%d ", c.device[0],
                      c.device[1], c.device[2], c.device[3]);
        Lines rest{version,
                   "Device EF64 FW Name: QPL_F_TR52_64_APP_003",
                   "\r",
                   "BinX File FW Version:   100200",
                   "Device EF64 FW Version: " + c.deviceNumber,
                   c.verdictLine,
                   "Compared_DUT_FW_Name__Project_1 PASS",
                   "DUT_FW_Group_3 (_003_)"};
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_EQ(f.logLines(), expected);
        EXPECT_EQ(d.g_EF64_Verdict, c.verdict);
        EXPECT_EQ(d.g_EF32_0_Verdict, 3);
        EXPECT_EQ(d.g_pEF64_Selected, d.g_pEF64_Main_4);
        EXPECT_FALSE(f.devices.isOpen(d.m_szDevicePath));
    }
}

// Records what the dialog's state was when each message box opened.
class BoxWitness : public platform::headless::Observer {
  public:
    explicit BoxWitness(CQuillPCISPDlg*& dlg) : dlg_(dlg) {}
    void messageBox(const std::string&) override {
        const CQuillPCISPDlg& d = *dlg_;
        stateAtBox = {d.g_FirmwareFileOk, d.g_EF64_Verdict, d.g_EF32_0_Verdict,
                      static_cast<std::uint8_t>(d.m_UpdateButton.IsWindowEnabled())};
        fileAtBox = d.m_FwFileEdit.GetWindowText();
        deviceOpenAtBox = d.GetPlatform().devices.open(d.m_szDevicePath).valid() == false;
    }
    std::array<std::uint8_t, 4> stateAtBox{};
    std::string fileAtBox = "unset";
    bool deviceOpenAtBox = true;

  private:
    CQuillPCISPDlg*& dlg_;
};

TEST(CheckApplicationVersion, AnImageOfAnotherVersionLineIsRejectedBeforeTheDeviceRecord) {
    ProductFixture f("application-old");
    // The tool's own set-1 image, built with first version byte 99.
    f.resources.set(IDR_EF64_MAIN_1,
                    sim::buildMainImage({{1, 2, 3, 4}, {99, 2, 0, 0}, "QPL_F_TR52_64_APP"}));
    CQuillPCISPDlg* dp = nullptr;
    BoxWitness witness(dp);
    f.windows.addObserver(&witness);
    CQuillPCISPDlg& d = f.startQuiet();
    dp = &d;
    d.m_FwFileEdit.SetWindowText("/tmp/fw.binx");
    d.m_UpdateButton.EnableWindow(true);
    d.g_EF64_Verdict = 0;
    d.g_EF32_0_Verdict = 3;
    d.m_AutoStartTicks = 2;
    d.Check_Application_Version_Combine();
    EXPECT_EQ(f.logLines(),
              (Lines{"Check_Application_Version_Combine -----------------------------------------",
                     "BINX File FW, Tag: 1.2.3.4,  Version: 99.2.0.0 ",
                     "BINX File FW Name: QPL_F_TR52_64_APP", "\r"}));
    EXPECT_EQ(f.windows.messageBoxes().back(),
              "Firmware file(Binx) is not supported,\r\nPlease select another file.");
    // Cleared, disabled, emptied and closed before the box opened.
    EXPECT_EQ(witness.stateAtBox, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(witness.fileAtBox, "");
    EXPECT_FALSE(witness.deviceOpenAtBox);
    EXPECT_EQ(d.m_AutoStartTicks, 0);
    // The device record was never asked for.
    Lines trace = f.takeTrace();
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace.back(), "cdb: FF A0 07 00 00 00 00 00 00 00 00 00 00 00 00 00 dir=in len=64");
}

TEST(CheckApplicationVersion, ADeviceRejectingTheKeyIsAntiqueWithoutIdentityLines) {
    ProductFixture f("application-old");
    Fault(f, "SELECT_AES_KEY:check-condition");
    CQuillPCISPDlg& d = f.startQuiet();
    d.m_AutoStartTicks = 2;
    d.Check_Application_Version_Combine();
    EXPECT_EQ(f.logLines(),
              (Lines{"Check_Application_Version_Combine -----------------------------------------",
                     kFail2, kFail2, kFail2, "CMD FAIL.", "Device EF64 FW Version is  'Antique'"}));
    EXPECT_EQ(d.g_EF64_Verdict, 1);
    EXPECT_EQ(d.m_bProjectMatched, 0);
    EXPECT_EQ(d.m_AutoStartTicks, 0);
}

TEST(CheckApplicationVersion, WithoutItsImageTheCheckRejectsWithoutOpeningTheDevice) {
    ProductFixture f("application-old");
    f.resources.makeUnloadable(IDR_EF64_MAIN_1);
    CQuillPCISPDlg& d = f.startQuiet();
    std::size_t opens = f.devices.openCount(d.m_szDevicePath);
    d.Check_Application_Version_Combine();
    EXPECT_EQ(f.logLines(),
              (Lines{"Check_Application_Version_Combine -----------------------------------------",
                     "Image EF64_Main_1 not loaded, nothing sent."}));
    EXPECT_EQ(f.devices.openCount(d.m_szDevicePath), opens);
    EXPECT_EQ(d.g_FirmwareFileOk, 0);
    EXPECT_EQ(f.windows.messageBoxes().back(),
              "Firmware file(Binx) is not supported,\r\nPlease select another file.");
}

// ---- Application Code, EF32_0 ----

const std::string kOtaHeader =
    "Check_OTA_Version_at_Application ------------------------------------";

std::array<std::uint8_t, 64> ProtectRecord(std::uint8_t odd) {
    const std::uint8_t signature[32] = {0x90, 0xB0, 0xFB, 0xE0, 0xA3, 0xF9, 0x00, 0x12,
                                        0x97, 0x44, 0x00, 0x20, 0xC2, 0x00, 0x22, 0xF8,
                                        0x01, 0x24, 0x30, 0x01, 0x26, 0x66, 0x01, 0x28,
                                        0x9A, 0x01, 0x31, 0xCE, 0x01, 0x33, 0x02, 0x02};
    std::array<std::uint8_t, 64> r{};
    for (int i = 0; i < 32; ++i) {
        r[2 * i] = signature[i];
        r[2 * i + 1] = static_cast<std::uint8_t>(odd + i);
    }
    return r;
}

TEST(CheckOtaAtApplication, RecordKinds) {
    std::array<std::uint8_t, 64> erased64;
    erased64.fill(0xFF);
    auto erased63 = erased64;
    erased63[40] = 0x00;
    auto erased62 = erased63;
    erased62[7] = 0x07;  // goes on, and fails the tag test
    auto offByOne = ProtectRecord(0x11);
    offByOne[20] ^= 1;
    auto tag11 = MakeRecord({7, 8, 9, 11}, {1, 1, 0, 0}, "QPL_F_TR52_64_OTA_001");
    struct Case {
        const char* what;
        std::array<std::uint8_t, 64> record;
        std::string verdictLine;
        std::uint8_t verdict;
    };
    const Case cases[] = {
        {"64 FF", erased64, "Device EF32_0 is  'No_Code'", 1},
        {"63 FF", erased63, "Device EF32_0 is  'No_Code'", 1},
        {"62 FF", erased62, "EF32_0 Tag FAIL, Set Device EF32_0 is  'No_Code'", 1},
        {"protect", ProtectRecord(0x5A), "Device EF32_0 FW is  'Protect'", 2},
        {"protect other odd bytes", ProtectRecord(0x00), "Device EF32_0 FW is  'Protect'", 2},
        {"one even byte off", offByOne, "EF32_0 Tag FAIL, Set Device EF32_0 is  'No_Code'", 1},
        {"tag 7.8.9.11", tag11, "EF32_0 Tag FAIL, Set Device EF32_0 is  'No_Code'", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProductFixture f("application-old");
        PlaceRecord(f.product->ef32_0(), c.record);
        CQuillPCISPDlg& d = f.startQuiet();
        d.m_AutoStartTicks = 2;
        d.Check_OTA_Version_at_Application();
        Lines log = f.logLines();
        ASSERT_EQ(log.size(), 6u);
        EXPECT_EQ(log[0], "\r");
        EXPECT_EQ(log[1], kOtaHeader);
        EXPECT_EQ(log[2].rfind("Device EF32_0 FW, Tag: ", 0), 0u);
        EXPECT_EQ(log[5], c.verdictLine);
        EXPECT_EQ(d.g_EF32_0_Verdict, c.verdict);
        EXPECT_EQ(d.m_AutoStartTicks, 0);
        EXPECT_EQ(f.takeTrace().size(), 1u);  // only the record was asked for
    }
}

TEST(CheckOtaAtApplication, EachComparisonIsLoggedButOldIsStored) {
    struct Case {
        std::array<std::uint8_t, 4> version;
        std::string number;
        std::string line;
    };
    const Case cases[] = {{{1, 1, 0, 0}, "1100", "Device EF32_0 FW Version is  'Old'"},
                          {{1, 2, 0, 0}, "1200", "Device EF32_0 FW Version is  'Current'"},
                          {{1, 3, 0, 0}, "1300", "Device EF32_0 FW Version is  'New'"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ProductFixture f("application-old");
        sim::Firmware spec{{7, 8, 9, 10}, c.version, "QPL_F_TR52_64_OTA_001"};
        sim::installFirmware(f.product->ef32_0(), sim::plainMainBody(spec),
                             sim::plainInfoPage(sim::FlashMemory::EF32_0));
        CQuillPCISPDlg& d = f.startQuiet();
        d.Check_OTA_Version_at_Application();
        char deviceLine[80];
        std::snprintf(deviceLine, sizeof deviceLine,
                      "Device EF32_0 FW, Tag: 7.8.9.10,  Version: %d.%d.%d.%d ", c.version[0],
                      c.version[1], c.version[2], c.version[3]);
        Lines expected{"\r",
                       kOtaHeader,
                       deviceLine,
                       "Device EF32_0 FW Name: QPL_F_TR52_64_OTA_001",
                       "\r",
                       "EF32_0 FW Tag PASS",
                       "BINX File FW, Tag: 7.8.9.10,  Version: 1.2.0.0 ",
                       "BINX File FW Name: QPL_F_TR52_64_OTA",
                       "\r",
                       "GUI EF32_0 BINX FW Version: 1200",
                       "Device EF32_0 FW Version:   " + c.number,
                       c.line,
                       "Compared_DUT_FW_Name__Project_1 PASS"};
        EXPECT_EQ(f.logLines(), expected);
        EXPECT_EQ(d.g_EF32_0_Verdict, 3);
        // Mode 1 made no group choice.
        EXPECT_EQ(d.g_pEF32_0_Selected, nullptr);
    }
}

TEST(CheckOtaAtApplication, FailingImageCommandsKeepTheVerdictTheNameTestLeft) {
    ProductFixture f("application-old");
    CQuillPCISPDlg& d = f.startQuiet();
    d.Check_Application_Version_Combine();  // leaves 3 through the name test
    ASSERT_EQ(d.g_EF32_0_Verdict, 3);
    Fault(f, "SEND_IMAGE_HEAD:transport");
    d.OnClear();
    d.Check_OTA_Version_at_Application();
    Lines log = f.logLines();
    EXPECT_EQ(Lines(log.end() - 5, log.end()),
              (Lines{"EF32_0 FW Tag PASS", kFail0, kFail0, kFail0, "CMD FAIL."}));
    EXPECT_EQ(d.g_EF32_0_Verdict, 3);
}

TEST(CheckOtaAtApplication, ARecordReadFailureIsNoCode) {
    ProductFixture f("application-old");
    Fault(f, "READ_EF32_0_INFO:transport");
    CQuillPCISPDlg& d = f.startQuiet();
    d.Check_OTA_Version_at_Application();
    EXPECT_EQ(f.logLines(), (Lines{"\r", kOtaHeader, kFail0, kFail0, kFail0, "CMD FAIL."}));
    EXPECT_EQ(d.g_EF32_0_Verdict, 1);
}

TEST(CheckOtaAtApplication, WithoutItsImageNothingIsSentAfterTheRecord) {
    ProductFixture f("application-old");
    f.resources.makeUnloadable(IDR_EF32_0_MAIN_1);
    CQuillPCISPDlg& d = f.startQuiet();
    d.Check_OTA_Version_at_Application();
    Lines log = f.logLines();
    EXPECT_EQ(Lines(log.end() - 3, log.end()),
              (Lines{"EF32_0 FW Tag PASS", "Image EF32_0_Main_1 not loaded, nothing sent.",
                     "CMD FAIL."}));
    EXPECT_EQ(f.takeTrace().size(), 1u);
}

// ---- OTA Code ----

TEST(CheckOtaAtOta, AGroupThreeNameSelectsSetFour) {
    ProductFixture f("ota");
    sim::Firmware spec{{7, 8, 9, 10}, {1, 1, 0, 0}, "QPL_F_TR52_64_OTA_003"};
    sim::installFirmware(f.product->ef32_0(), sim::plainMainBody(spec),
                         sim::plainInfoPage(sim::FlashMemory::EF32_0));
    CQuillPCISPDlg& d = f.startQuiet();
    d.m_AutoStartTicks = 2;
    d.Check_OTA_Version_at_OTA();
    EXPECT_EQ(f.logLines(),
              (Lines{"Check_OTA_Version_at_OTA -------------------------------------------",
                     "Device EF32_0 FW, Tag: 7.8.9.10,  Version: 1.1.0.0 ",
                     "Device EF32_0 FW Name: QPL_F_TR52_64_OTA_003", "\r",
                     "Compared_DUT_FW_Name__Project_1 PASS", "DUT_FW_Group_3 (_003_)",
                     "Device EF32_0 FW Version:   1100"}));
    EXPECT_EQ(d.g_EF32_0_Verdict, 3);
    EXPECT_EQ(d.g_pEF64_Selected, d.g_pEF64_Main_4);
    EXPECT_EQ(d.g_pEF32_0_Selected, d.g_pEF32_0_Main_4);
    EXPECT_EQ(d.m_AutoStartTicks, 0);
    EXPECT_EQ(f.takeTrace(),
              Lines{"cdb: FF A0 04 00 00 00 00 00 00 00 00 00 00 00 00 00 dir=in len=64"});
}

TEST(CheckOtaAtOta, AFailingRecordReadLeavesTheVerdictUnjudged) {
    ProductFixture f("ota");
    Fault(f, "READ_FW_INFO:check-condition");
    CQuillPCISPDlg& d = f.startQuiet();
    d.Check_OTA_Version_at_OTA();
    EXPECT_EQ(f.logLines(),
              (Lines{"Check_OTA_Version_at_OTA -------------------------------------------", kFail2,
                     kFail2, kFail2, "CMD FAIL."}));
    EXPECT_EQ(d.g_EF32_0_Verdict, 0);
}

}  // namespace
