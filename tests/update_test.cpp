// The whole update, end to end in virtual time against the simulated product: the log line by
// line and the requests byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "device/usb_ids.h"
#include "res/resource.h"
#include "sim/fault_injection.h"
#include "sim/scenario.h"
#include "support/product_fixture.h"
#include "tools/demo_set.h"
#include "tools/image_builder.h"

using testing_support::ProductFixture;
using Lines = std::vector<std::string>;

namespace {

const std::string kZero = " 00 00 00 00 00 00 00 00 00";
const std::string kSeq = " 01 02 03 04 05 06 07 08 09";

std::string Cdb(const std::string& bytes0to6, const std::string& tail, const std::string& dir,
                int len) {
    return "cdb: " + bytes0to6 + tail + " dir=" + dir + " len=" + std::to_string(len);
}

// The EF32_0 procedure's requests; with `jump` its last one.
Lines Ef32Requests(bool jump) {
    Lines r{Cdb("FF 62 23 00 00 00 00", kZero, "in", 0),
            Cdb("FF 29 00 00 00 00 00", kSeq, "out", 65536),
            Cdb("FF 24 00 00 00 00 00", kSeq, "out", 0),
            Cdb("FF 62 1C 00 00 00 00", kSeq, "in", 0),
            Cdb("FF 2A 00 00 00 00 00", kSeq, "out", 128),
            Cdb("FF 25 00 00 00 00 00", kSeq, "out", 0),
            Cdb("FF 2A 01 00 00 00 00", kSeq, "out", 128),
            Cdb("FF 25 01 00 00 00 00", kSeq, "out", 0)};
    if (jump) r.push_back(Cdb("FF 27 01 00 00 00 00", kSeq, "out", 0));
    return r;
}

Lines Ef64MaskOtaRequests() {
    return {Cdb("FF 52 00 00 00 00 00", kZero, "in", 0),
            Cdb("FF 53 00 00 00 00 00", kZero, "in", 0),
            Cdb("FF 62 23 00 00 00 00", kZero, "in", 0),
            Cdb("FF 5A 00 00 00 00 00", kZero, "out", 65536),
            Cdb("FF 58 00 00 00 00 00", kZero, "in", 0),
            Cdb("FF 62 1C 00 00 00 00", kZero, "in", 0),
            Cdb("FF 5B 00 00 00 00 00", kZero, "out", 128),
            Cdb("FF 59 00 00 00 00 00", kZero, "in", 0),
            Cdb("FF 56 00 00 00 00 00", kZero, "out", 0)};
}

Lines Ef64ProtectRequests() {
    return {Cdb("FF 52 00 00 00 00 00", kZero, "in", 0),
            Cdb("FF 53 00 00 00 00 00", kZero, "in", 0),
            Cdb("FF 62 23 00 00 00 00", kZero, "in", 0),
            Cdb("FF 50 00 00 00 00 00", kSeq, "out", 65536),
            Cdb("FF 58 00 00 00 00 00", kSeq, "in", 0),
            Cdb("FF 62 1C 00 00 00 00", kSeq, "in", 0),
            Cdb("FF 5A 00 00 00 00 00", kSeq, "out", 128),
            Cdb("FF 59 00 00 00 00 00", kSeq, "in", 0),
            Cdb("FF 56 00 00 00 00 00", kSeq, "out", 0)};
}

Lines Ef32Log(bool jump) {
    Lines l{"Run_Code_at_EF64_ISP_EF32_0_OTA",
            "Select AES Key",
            "ISP EF32_0 Main Memory",
            "0th * 64KB",
            "Check EF32_0 Main Memory Checksum",
            "Select AES Key",
            "ISP EF32 Information Page_0",
            "Check EF32 Information Page_0 Checksum",
            "ISP EF32 Information Page_1",
            "Check EF32 Information Page_1 Checksum"};
    if (jump) l.push_back("Jump to EFlash");
    return l;
}

Lines Ef64Steps(const std::string& jumpLine) {
    return {
        "Erase EF64*8 Main Memory",         "Erase EF64*8 Information Page",     "Select AES Key",
        "Program EF64K*8 Main Memory",      "EF64K*8 Main Memory Checksum",      "Select AES Key",
        "Program EF64K*8 Information Page", "EF64K*8 Information Page Checksum", jumpLine};
}

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

Lines Pass() {
    return {"PASS.", "Test...........4", "Updat FW.... Update complete !!"};
}

const std::string kReconnect =
    "Please disconnect and reconnect the device to your PC, \r\ntry the update again.";
const std::string kNotSupported =
    "Your device's current firmware is not supported to update. \r\nPlease return the product "
    "to manufacturer.";

// The log of the last run of the update handler: from its last "Button2..." up to the first
// line that discovery or the poller added after it.
Lines RunLog(const Lines& log) {
    auto start = std::find(log.rbegin(), log.rend(), "Button2...");
    Lines run(start == log.rend() ? log.begin() : std::prev(start.base()), log.end());
    auto vid = std::find_if(run.begin(), run.end(), [](const std::string& l) {
        return l.rfind("USB device", 0) == 0 || l.rfind("VID:", 0) == 0;
    });
    run.erase(vid, run.end());
    return run;
}

// Positions the progress bar took, in order.
class ProgressWatch : public platform::headless::Observer {
  public:
    void posChanged(int id, int pos) override {
        if (id == IDC_PROGRESS) positions.push_back(pos);
    }
    std::vector<int> positions;
};

void Fault(ProductFixture& f, const std::string& spec) {
    std::string error;
    f.product->faults().add(*sim::parseFault(spec, error));
}

bool RunsDemoFirmware(const sim::EFlash& memory, sim::FlashMemory kind, int set) {
    return memory.valid() && memory.record() == sim::identityRecord(sim::demoFirmware(kind, set));
}

TEST(UpdateMask0210, OnePassThenBackInApplicationCode) {
    ProductFixture f("mask0210");
    ProgressWatch progress;
    f.windows.addObserver(&progress);
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick(3);  // probed on the second tick, enabled on the third
    ASSERT_TRUE(f.updateEnabled());
    f.takeTrace();
    f.windows.click(IDC_UPDATE_FW);

    EXPECT_EQ(RunLog(f.logLines()),
              Concat({{"Button2...", "Run Code at Mask...", "Mask 0210....", "ISP EF32_0"},
                      Ef32Log(false),
                      {"ISP EF64", "Run Code at Mask0210 or OTA ISP EF64"},
                      Ef64Steps("Jump to EFlash 64*8"),
                      Pass()}));
    EXPECT_EQ(f.takeTrace(), Concat({Ef32Requests(false), Ef64MaskOtaRequests()}));
    EXPECT_EQ(progress.positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0}));
    EXPECT_EQ(d.g_MaskVariant0210, 0);
    EXPECT_EQ(f.banner(), "Update complete!");
    // The banner repainted with "Updating..." before the device was programmed.
    ASSERT_FALSE(f.window().redraws().empty());
    EXPECT_EQ(f.window().redraws().front(), IDB_UPDATING);

    for (int tick = 1; tick <= 5; ++tick) {
        f.windows.tick();
        EXPECT_EQ(f.banner(), "Update complete!") << tick;
    }
    f.windows.tick();
    EXPECT_EQ(f.banner(), "Ready");
    EXPECT_EQ(f.product->location(), sim::CodeLocation::ApplicationCode);
    EXPECT_TRUE(RunsDemoFirmware(f.product->ef64(), sim::FlashMemory::EF64, 1));
    EXPECT_TRUE(RunsDemoFirmware(f.product->ef32_0(), sim::FlashMemory::EF32_0, 1));
    EXPECT_EQ(d.g_EF64_Verdict, 3);  // the new firmware is current
}

TEST(UpdateRefused, Mask0110AndAnUnprobedMaskDevice) {
    for (const char* scenario : {"mask0110", "mask0210"}) {
        SCOPED_TRACE(scenario);
        ProductFixture f(scenario);
        f.startQuiet();
        if (std::string(scenario) == "mask0110") f.windows.tick(3);
        f.takeTrace();
        f.windows.post(IDC_UPDATE_FW);  // the unprobed device: before any tick
        EXPECT_EQ(RunLog(f.logLines()),
                  (Lines{"Button2...", "Run Code at Mask...", "Mask 0110...."}));
        EXPECT_EQ(f.windows.messageBoxes(), Lines{kNotSupported});
        EXPECT_TRUE(f.takeTrace().empty());
        EXPECT_FALSE(f.devices.isOpen(f.dlg().m_szDevicePath));
        for (int tick = 1; tick <= 20; ++tick) {
            f.windows.tick();
            ASSERT_EQ(f.banner(), "FAIL") << tick;
        }
        f.windows.tick();
        EXPECT_NE(f.banner(), "FAIL");
    }
}

TEST(UpdateApplication, OldRunsBothStagesWithTheSetOfItsNameGroup) {
    ProductFixture f("application-old");
    ProgressWatch progress;
    f.windows.addObserver(&progress);
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    f.takeTrace();
    f.windows.click(IDC_UPDATE_FW);
    EXPECT_EQ(RunLog(f.logLines()), Concat({{"Button2...", "Run Code at Application ", "EF64_Old",
                                             "Test...........2..", "ISP EF32_0"},
                                            Ef32Log(true),
                                            {"Test...........3"}}));
    // Group _001 selected set 2: its body went to the device.
    const auto& entries = f.product->trace().entries();
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_TRUE(std::equal(entries[1].dataOut.begin(), entries[1].dataOut.end(),
                           d.g_pEF32_0_Main_2 + 0x200));
    // Both information pages got the same 128 bytes.
    EXPECT_EQ(entries[4].dataOut, entries[6].dataOut);
    EXPECT_EQ(f.takeTrace(), Ef32Requests(true));
    EXPECT_EQ(d.g_ResumeAfterReconnect, 1);
    EXPECT_EQ(d.m_bDeviceFound, 0);
    EXPECT_EQ(f.window().text(IDC_TRACE), "DUT FW Updating...\r\n");

    // Back in its OTA Code three ticks later; armed, then the click two ticks after.
    for (int tick = 0;
         tick < 10 && RunLog(f.logLines()).back() != "Updat FW.... Update complete !!"; ++tick)
        f.windows.tick();
    EXPECT_EQ(RunLog(f.logLines()), Concat({{"Button2...", "Run Code at OTA ", "ISP EF64",
                                             "Run Code at Mask0210 or OTA ISP EF64"},
                                            Ef64Steps("Jump to EFlash 64*8"),
                                            Pass()}));
    EXPECT_EQ(f.takeTrace(),
              Concat({{Cdb("FF A0 04 00 00 00 00", kZero, "in", 64)}, Ef64MaskOtaRequests()}));
    // The second stage continued the bar from where the first stage left it.
    EXPECT_EQ(progress.positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0}));
    f.windows.tick(6);
    EXPECT_EQ(f.product->location(), sim::CodeLocation::ApplicationCode);
    EXPECT_TRUE(RunsDemoFirmware(f.product->ef64(), sim::FlashMemory::EF64, 2));
    EXPECT_TRUE(RunsDemoFirmware(f.product->ef32_0(), sim::FlashMemory::EF32_0, 2));
    EXPECT_EQ(f.banner(), "Ready");
}

TEST(UpdateApplication, AntiqueAfterTheNamePassedExecutesAndRunsTheSecondStage) {
    ProductFixture f("application-old");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    // A re-assessment whose commands fail: the verdict becomes Antique, the name stays tested.
    Fault(f, "SELECT_AES_KEY:check-condition:3");
    f.windows.scriptFileDialog("/tmp/fw.binx");
    f.windows.click(IDC_BROWSE);
    f.windows.tick();
    ASSERT_EQ(d.g_EF64_Verdict, 1);
    ASSERT_EQ(d.m_bProjectMatched, 1);
    f.takeTrace();
    f.windows.click(IDC_UPDATE_FW);
    EXPECT_EQ(RunLog(f.logLines()), (Lines{"Button2...", "Run Code at Application ",
                                           "EF64_Antique  -  ISP_CMD_EXECUTE"}));
    EXPECT_EQ(f.takeTrace(), Lines{"cdb: FF A0 02 00 00 00 00 00 00 00 00 dir=in len=0"});
    f.windows.tick(8);
    EXPECT_EQ(RunLog(f.logLines()).back(), "Updat FW.... Update complete !!");
    f.windows.tick(6);
    EXPECT_TRUE(RunsDemoFirmware(f.product->ef64(), sim::FlashMemory::EF64, 2));
}

TEST(UpdateRefused, AnAntiqueDeviceMetFirstAndANameWithoutThePattern) {
    for (const char* scenario : {"application-antique", "application-nomatch"}) {
        SCOPED_TRACE(scenario);
        ProductFixture f(scenario);
        f.startQuiet();
        f.windows.tick();
        ASSERT_TRUE(f.updateEnabled());
        f.takeTrace();
        f.windows.click(IDC_UPDATE_FW);
        EXPECT_EQ(RunLog(f.logLines()), (Lines{"Button2...", "Other Code"}));
        EXPECT_EQ(f.windows.messageBoxes(), Lines{kNotSupported});
        EXPECT_TRUE(f.takeTrace().empty());
        EXPECT_EQ(f.banner(), "FAIL");
    }
}

TEST(UpdateApplication, CurrentAndNewAreAlreadyUpdatedTwiceWithNothingSent) {
    struct Case {
        const char* scenario;
        const char* line;
    };
    for (const Case c :
         {Case{"application-current", "EF64_current"}, Case{"application-new", "EF64_New"}}) {
        SCOPED_TRACE(c.scenario);
        ProductFixture f(c.scenario);
        CQuillPCISPDlg& d = f.startQuiet();
        f.windows.tick();
        f.takeTrace();
        std::string banner = f.banner();
        for (int press = 0; press < 2; ++press) {
            f.windows.click(IDC_UPDATE_FW);
            EXPECT_EQ(f.logLines(), (Lines{"Button2...", "Run Code at Application ", c.line}));
        }
        EXPECT_EQ(f.windows.messageBoxes(),
                  (Lines{"Your device is already updated.", "Your device is already updated."}));
        EXPECT_TRUE(f.takeTrace().empty());
        EXPECT_EQ(f.banner(), banner);
        EXPECT_EQ(d.g_UpdateWatchdogTicks, 0);
        EXPECT_FALSE(f.devices.isOpen(d.m_szDevicePath));
    }
}

TEST(UpdateApplication, OldWithoutAnEF32VerdictProgramsNothingAndTimesOut) {
    ProductFixture f("application-old");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    d.g_EF32_0_Verdict = 0;
    f.takeTrace();
    f.windows.click(IDC_UPDATE_FW);
    EXPECT_EQ(f.logLines(), (Lines{"Button2...", "Run Code at Application ", "EF64_Old",
                                   "Test...........2..", "Test...........3"}));
    EXPECT_TRUE(f.takeTrace().empty());
    EXPECT_EQ(d.g_ResumeAfterReconnect, 1);
    f.windows.tick(38);
    EXPECT_TRUE(f.windows.messageBoxes().empty());
    // Seeing the device in its Application Code again took the resume mark away.
    EXPECT_EQ(d.g_ResumeAfterReconnect, 0);
    EXPECT_EQ(f.banner(), "Updating...");
    f.windows.tick();
    EXPECT_EQ(f.windows.messageBoxes(), Lines{kReconnect});
    EXPECT_EQ(f.logLines().back(), "Updat FW.... FAIL !!");
    EXPECT_EQ(f.product->location(), sim::CodeLocation::ApplicationCode);
}

TEST(UpdateOta, ProgramsEF64WithTheSelectedSet) {
    ProductFixture f("ota");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    ASSERT_EQ(d.g_pEF64_Selected, d.g_pEF64_Main_3);
    f.takeTrace();
    f.windows.click(IDC_UPDATE_FW);
    EXPECT_EQ(RunLog(f.logLines()).back(), "Updat FW.... Update complete !!");
    const auto& entries = f.product->trace().entries();
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_TRUE(
        std::equal(entries[3].dataOut.begin(), entries[3].dataOut.end(), d.g_pEF64_Main_3 + 0x200));
    EXPECT_EQ(f.takeTrace(), Ef64MaskOtaRequests());
    f.windows.tick(4);
    EXPECT_TRUE(RunsDemoFirmware(f.product->ef64(), sim::FlashMemory::EF64, 3));
}

TEST(UpdateProtect, WithAnEarlierSelectionPassesWithTheSequenceTails) {
    ProductFixture f("ota");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();  // the OTA check selects set 3
    // The product restarts in its protected loader.
    sim::installFirmware(f.product->ef32_0(), sim::plainProtectedLoaderBody(),
                         sim::plainInfoPage(sim::FlashMemory::EF32_0));
    f.product->unplug();
    f.product->plugIn();
    f.windows.tick();
    ASSERT_EQ(d.m_wDevicePID, PID_PROTECT_CODE);
    f.takeTrace();
    d.OnClear();
    f.windows.click(IDC_UPDATE_FW);
    EXPECT_EQ(RunLog(f.logLines()), Concat({{"Button2...", "Run Code at Protect ISP EF64"},
                                            Ef64Steps("Jump to EFlash"),
                                            Pass()}));
    EXPECT_EQ(f.takeTrace(), Ef64ProtectRequests());
    f.windows.tick(4);
    EXPECT_EQ(f.product->location(), sim::CodeLocation::ApplicationCode);
    EXPECT_TRUE(RunsDemoFirmware(f.product->ef64(), sim::FlashMemory::EF64, 3));
}

TEST(UpdateProtect, MetFirstFailsBeforeOpeningAndErasesNothing) {
    ProductFixture f("protect");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    std::size_t opens = f.devices.openCount(d.m_szDevicePath);
    f.windows.click(IDC_UPDATE_FW);
    EXPECT_EQ(f.logLines(),
              (Lines{"Button2...", "Image EF64 of the name group not loaded, nothing sent.",
                     "Updat FW.... FAIL !!", ""}));
    EXPECT_EQ(f.devices.openCount(d.m_szDevicePath), opens);
    EXPECT_TRUE(f.takeTrace().empty());
    EXPECT_EQ(f.windows.messageBoxes(), Lines{kReconnect});
    EXPECT_EQ(f.banner(), "FAIL");
    EXPECT_EQ(d.m_bDeviceFound, 0);
}

TEST(UpdateFail, DeviceGoneWhenTheButtonIsPressed) {
    ProductFixture f("application-old");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    d.m_Progress.SetPos(2);
    f.product->unplug();  // its removal is still queued when the click arrives
    f.windows.click(IDC_UPDATE_FW);
    EXPECT_EQ(RunLog(f.logLines()),
              (Lines{"Button2...", "Open USB device failed.", "Updat FW.... FAIL !!", ""}));
    EXPECT_EQ(f.windows.messageBoxes(), Lines{kReconnect});
    EXPECT_EQ(f.progress(), 0);
    EXPECT_EQ(d.g_BannerHoldTicks, 5);
}

TEST(UpdateFail, AChecksumFailureEndsTheUpdateAndTheDeviceIsClosedBeforeTheBox) {
    ProductFixture f("mask0210");
    Fault(f, "CHECKSUM_EF64_MAIN:check-condition");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick(3);
    bool openAtBox = true;
    struct Witness : platform::headless::Observer {
        std::function<void()> onBox;
        void messageBox(const std::string&) override { onBox(); }
    } witness;
    witness.onBox = [&] { openAtBox = f.devices.isOpen(d.m_szDevicePath); };
    f.windows.addObserver(&witness);
    f.windows.click(IDC_UPDATE_FW);
    Lines log = RunLog(f.logLines());
    EXPECT_EQ(Lines(log.end() - 8, log.end()),
              (Lines{"EF64K*8 Main Memory Checksum", "SendSCSICommand FAIL : >0x2<",
                     "SendSCSICommand FAIL : >0x2<", "SendSCSICommand FAIL : >0x2<", "FAIL.",
                     "FAIL.", "Updat FW.... FAIL !!", ""}));
    EXPECT_FALSE(openAtBox);
    EXPECT_EQ(f.banner(), "FAIL");
    EXPECT_EQ(f.progress(), 0);
    EXPECT_EQ(d.g_MaskVariant0210, 0);
}

}  // namespace
