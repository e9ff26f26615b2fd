// The one-second poller and device changes, in virtual time against the simulated product.
#include <gtest/gtest.h>

#include <algorithm>

#include "device/usb_ids.h"
#include "res/resource.h"
#include "sim/fault_injection.h"
#include "support/product_fixture.h"
#include "tools/image_builder.h"

using testing_support::ProductFixture;

namespace {

// What each tick left behind: the banner, the button, and the requests it sent.
struct TickRecord {
    std::string banner;
    bool enabled;
    std::vector<std::string> requests;
};

std::vector<TickRecord> RunTicks(ProductFixture& f, int n) {
    std::vector<TickRecord> ticks;
    for (int i = 0; i < n; ++i) {
        f.windows.tick();
        ticks.push_back({f.banner(), f.updateEnabled(), f.takeTrace()});
    }
    return ticks;
}

int Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

void Fault(ProductFixture& f, const std::string& spec) {
    std::string error;
    f.product->faults().add(*sim::parseFault(spec, error));
}

TEST(Poller, NoProductStandbyEveryTickAndDiscoveryEveryEleventh) {
    ProductFixture f("none");
    CQuillPCISPDlg& d = f.startQuiet();
    int invalidations = f.window().control(IDC_BANNER).invalidations;
    for (int tick = 1; tick <= 33; ++tick) {
        f.windows.tick();
        EXPECT_EQ(f.banner(), "Standby");
        EXPECT_FALSE(f.updateEnabled());
        EXPECT_EQ(Count(f.logLines(), "USB device not found!"), tick / 11) << tick;
    }
    EXPECT_EQ(f.window().control(IDC_BANNER).invalidations, invalidations + 33);
    EXPECT_EQ(d.m_bDeviceFound, 0);
}

std::vector<int> ProbeTicks(const std::vector<TickRecord>& ticks) {
    std::vector<int> probes;
    for (std::size_t i = 0; i < ticks.size(); ++i)
        for (const auto& r : ticks[i].requests)
            if (r.rfind("cdb: FF 44", 0) == 0) {
                probes.push_back(static_cast<int>(i + 1));
                break;
            }
    return probes;
}

TEST(Poller, MaskCodeFailingProbeRunsInAnElevenTickCycle) {
    ProductFixture f("mask0210");
    Fault(f, "MASK_QUERY:transport");
    f.startQuiet();
    auto ticks = RunTicks(f, 33);
    // The first probe on the second tick; then rediscovery on 11, four quiet ticks, six probes.
    std::vector<int> expected{2,  3,  4,  5,  6,  7,  8,  9,  10, 16, 17,
                              18, 19, 20, 21, 27, 28, 29, 30, 31, 32};
    EXPECT_EQ(ProbeTicks(ticks), expected);
    EXPECT_EQ(Count(f.logLines(), "Run Code at Mask Code"), 3);
    for (const auto& t : ticks) EXPECT_EQ(t.banner, "Standby");
}

TEST(Poller, MaskCodeSucceedingProbeIsReadyOnItsTickAndEnabledFromTheNext) {
    ProductFixture f("mask0210");
    f.startQuiet();
    auto ticks = RunTicks(f, 4);
    EXPECT_EQ(ProbeTicks(ticks), std::vector<int>{2});
    EXPECT_EQ(ticks[0].banner, "Standby");
    EXPECT_EQ(ticks[1].banner, "Ready");
    EXPECT_FALSE(ticks[1].enabled);
    EXPECT_TRUE(ticks[2].enabled);
    EXPECT_TRUE(ticks[3].enabled);
}

TEST(Poller, ProtectCodeIsFoundAtOnceWithoutACheck) {
    ProductFixture f("protect");
    f.startQuiet();
    auto ticks = RunTicks(f, 3);
    for (const auto& t : ticks) {
        EXPECT_TRUE(t.enabled);
        EXPECT_EQ(t.banner, "Standby");
        EXPECT_TRUE(t.requests.empty());
    }
}

TEST(Poller, ApplicationCodeBothChecksOnTheFirstTickThenReady) {
    ProductFixture f("application-old");
    CQuillPCISPDlg& d = f.startQuiet();
    auto ticks = RunTicks(f, 3);
    // Key, head, image record, own record; then the EF32_0 record, key, head, image record.
    EXPECT_EQ(ticks[0].requests.size(), 8u);
    EXPECT_EQ(ticks[0].banner, "Ready");
    EXPECT_TRUE(ticks[0].enabled);
    EXPECT_TRUE(ticks[1].requests.empty());
    EXPECT_TRUE(ticks[2].enabled);
    EXPECT_EQ(d.g_EF64_Verdict, 2);
    EXPECT_EQ(d.g_EF32_0_Verdict, 3);
}

TEST(Poller, ARejectedImageKeepsTheButtonDisabledUntilAFileIsChosen) {
    ProductFixture f("application-old");
    f.resources.set(IDR_EF64_MAIN_1,
                    sim::buildMainImage({{1, 2, 3, 4}, {101, 0, 0, 0}, "QPL_F_TR52_64_APP"}));
    f.startQuiet();
    auto ticks = RunTicks(f, 6);
    EXPECT_EQ(f.windows.messageBoxes().size(), 1u);
    for (const auto& t : ticks) EXPECT_FALSE(t.enabled);
    for (std::size_t i = 1; i < ticks.size(); ++i) EXPECT_TRUE(ticks[i].requests.empty());
    // A chosen file re-arms the check, which reads the same image and rejects it again.
    f.windows.scriptFileDialog("/tmp/another.binx");
    f.windows.click(IDC_BROWSE);
    auto after = RunTicks(f, 1);
    EXPECT_EQ(after[0].requests.size(), 3u);
    EXPECT_EQ(f.windows.messageBoxes().size(), 2u);
    EXPECT_FALSE(after[0].enabled);
    EXPECT_EQ(f.window().text(IDC_FW_FILE), "");
}

TEST(Poller, OtaCodeWithTheResumeMarkPostsTheClickTwoTicksAfterArming) {
    ProductFixture f("ota");
    CQuillPCISPDlg& d = f.startQuiet();
    d.g_ResumeAfterReconnect = 1;
    f.windows.tick();  // sees the device, checks it, arms the count-down
    EXPECT_EQ(d.m_AutoStartTicks, 2);
    EXPECT_FALSE(f.updateEnabled());
    EXPECT_EQ(d.g_ResumeAfterReconnect, 0);
    f.windows.tick();
    EXPECT_EQ(d.m_AutoStartTicks, 1);
    EXPECT_FALSE(f.updateEnabled());
    EXPECT_EQ(Count(f.logLines(), "Button2..."), 0);
    f.windows.tick();  // reaches 0 and posts the click, which runs right after the tick
    EXPECT_EQ(f.logLines().front(), "Button2...");
    EXPECT_EQ(Count(f.logLines(), "Updat FW.... Update complete !!"), 1);
}

TEST(Poller, ACheckOnATickResetsTheCountDown) {
    ProductFixture f("ota");
    CQuillPCISPDlg& d = f.startQuiet();
    d.g_ResumeAfterReconnect = 1;
    f.windows.tick();
    ASSERT_EQ(d.m_AutoStartTicks, 2);
    d.g_EF32_0_Verdict = 0;  // asks for a new assessment
    f.windows.tick(5);
    EXPECT_EQ(d.m_AutoStartTicks, 0);
    EXPECT_EQ(Count(f.logLines(), "Button2..."), 0);
    EXPECT_TRUE(f.updateEnabled());
}

TEST(Poller, WatchdogTimesOutOnThe39thCountedTick) {
    ProductFixture f("none");
    CQuillPCISPDlg& d = f.startQuiet();
    d.g_UpdateWatchdogTicks = 1;  // an update stage has started
    d.m_Progress.SetPos(3);
    d.m_AutoStartTicks = 0;
    std::vector<std::string> banners;
    f.windows.setTickHook([&] { banners.push_back(f.banner()); });
    f.windows.scriptMessageBox(8);  // the time-out box stays open for eight ticks
    f.windows.tick(39);
    ASSERT_GE(banners.size(), 39u + 8u);
    for (int i = 0; i < 38; ++i)
        EXPECT_EQ(banners[static_cast<std::size_t>(i)], "Updating...") << i;
    EXPECT_EQ(f.windows.messageBoxes(),
              std::vector<std::string>{
                  "Please disconnect and reconnect the device to your PC, \r\ntry the update "
                  "again."});
    EXPECT_EQ(Count(f.logLines(), "Updat FW.... FAIL !!"), 1);
    EXPECT_EQ(f.progress(), 0);
    // Inside the box, nested ticks go on: five held, then the poller's own picture.
    std::vector<std::string> nested(banners.begin() + 38, banners.begin() + 38 + 8);
    EXPECT_EQ(nested, (std::vector<std::string>{"FAIL", "FAIL", "FAIL", "FAIL", "FAIL", "Standby",
                                                "Standby", "Standby"}));
    EXPECT_EQ(d.g_UpdateWatchdogTicks, 0);
}

TEST(Poller, ADeviceChangeDuringAHoldDoesNotShortenIt) {
    ProductFixture f("application-old");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    d.SetBanner(IDB_FAIL);
    d.g_BannerHoldTicks = 5;
    f.windows.tick(2);
    f.windows.deviceChange(platform::kDeviceArrival);
    f.windows.tick(3);
    EXPECT_EQ(f.banner(), "FAIL");
    f.windows.tick();
    EXPECT_EQ(f.banner(), "Ready");
}

TEST(Poller, APostedClickRunsTheUpdateWhileTheButtonIsDisabled) {
    ProductFixture f("application-current");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    d.OnClear();
    d.m_UpdateButton.EnableWindow(false);
    f.windows.click(IDC_UPDATE_FW);
    EXPECT_TRUE(f.logLines().empty());
    f.windows.post(IDC_UPDATE_FW);
    EXPECT_EQ(f.logLines(),
              (std::vector<std::string>{"Button2...", "Run Code at Application ", "EF64_current"}));
}

TEST(DeviceChange, RediscoversAndClearsTheVerdicts) {
    ProductFixture f("application-old");
    CQuillPCISPDlg& d = f.startQuiet();
    f.windows.tick();
    d.g_MaskVariant0210 = 1;
    f.product->unplug();
    f.windows.processPending();
    EXPECT_EQ(d.m_wDevicePID, 0);
    EXPECT_EQ(d.m_bDeviceFound, 0);
    EXPECT_EQ(d.g_EF64_Verdict, 0);
    EXPECT_EQ(d.g_EF32_0_Verdict, 0);
    EXPECT_EQ(d.g_MaskVariant0210, 0);
    EXPECT_FALSE(f.updateEnabled());
    f.product->plugIn();
    f.windows.processPending();
    EXPECT_EQ(d.m_wDevicePID, PID_APPLICATION);
    EXPECT_EQ(d.m_bDeviceFound, 1);
    // Other event types change nothing.
    d.g_EF64_Verdict = 2;
    f.windows.deviceChange(0x0007);
    EXPECT_EQ(d.g_EF64_Verdict, 2);
}

}  // namespace
