// Each step of the three programming procedures failing in turn: what is logged, where the
// progress bar stands, what is sent after it, and the result.
#include <gtest/gtest.h>

#include "support/product_fixture.h"

using testing_support::ProductFixture;
using Lines = std::vector<std::string>;

namespace {

// The product's own connection, with the attempts of one request made to fail.
class FailingStep final : public platform::DeviceConnection {
  public:
    FailingStep(platform::DeviceHandle inner, int failFrom, int failCount)
        : inner_(std::move(inner)), failFrom_(failFrom), failTo_(failFrom + failCount) {}
    bool passThrough(platform::PassThroughRequest& request) override {
        ++attempt_;
        if (attempt_ >= failFrom_ && attempt_ < failTo_) return false;
        return inner_.passThrough(request);
    }

  private:
    platform::DeviceHandle inner_;
    int failFrom_, failTo_;
    int attempt_ = 0;
};

enum class Procedure { EF32_0, EF64MaskOta, EF64Protect };

struct Step {
    std::string line;
    bool passedOver;  // an erase: its failure does not end the procedure
    bool ignored;     // the jump: its result is not looked at
    int progressAfter;
};

std::vector<Step> Steps(Procedure p) {
    if (p == Procedure::EF32_0)
        return {{"Select AES Key", false, false, 1},
                {"0th * 64KB", false, false, 1},
                {"Check EF32_0 Main Memory Checksum", false, false, 1},
                {"Select AES Key", false, false, 2},
                {"ISP EF32 Information Page_0", false, false, 2},
                {"Check EF32 Information Page_0 Checksum", false, false, 3},
                {"ISP EF32 Information Page_1", false, false, 3},
                {"Check EF32 Information Page_1 Checksum", false, false, 3},
                {"Jump to EFlash", false, true, 3}};
    std::string jump = p == Procedure::EF64Protect ? "Jump to EFlash" : "Jump to EFlash 64*8";
    return {{"Erase EF64*8 Main Memory", true, false, 0},
            {"Erase EF64*8 Information Page", true, false, 0},
            {"Select AES Key", false, false, 1},
            {"Program EF64K*8 Main Memory", false, false, 2},
            {"EF64K*8 Main Memory Checksum", false, false, 2},
            {"Select AES Key", false, false, 3},
            {"Program EF64K*8 Information Page", false, false, 4},
            {"EF64K*8 Information Page Checksum", false, false, 5},
            {jump, false, true, 5}};
}

const char* Scenario(Procedure p) {
    switch (p) {
        case Procedure::EF32_0:
            return "application-old";
        case Procedure::EF64MaskOta:
            return "ota";
        case Procedure::EF64Protect:
            return "protect";
    }
    return "";
}

Lines Header(Procedure p) {
    if (p == Procedure::EF32_0) return {"Run_Code_at_EF64_ISP_EF32_0_OTA"};
    if (p == Procedure::EF64MaskOta) return {"Run Code at Mask0210 or OTA ISP EF64"};
    return {};
}

// The expected log, request count, progress and result when step `failing` (0-based) fails.
struct Expected {
    Lines log;
    std::size_t requests = 0;
    int progress = 0;
    bool result = true;
};

Expected Expect(Procedure p, std::size_t failing) {
    Expected e;
    e.log = Header(p);
    const std::vector<Step> steps = Steps(p);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        if (p == Procedure::EF32_0 && i == 1) e.log.push_back("ISP EF32_0 Main Memory");
        e.log.push_back(s.line);
        ++e.requests;
        if (i != failing) {
            e.progress = s.progressAfter;
            continue;
        }
        for (int attempt = 0; attempt < 3; ++attempt)
            e.log.push_back("SendSCSICommand FAIL : >0x0<");
        e.requests += 2;  // the transport tried it twice more
        if (s.ignored) continue;
        e.log.push_back("FAIL.");
        if (s.passedOver) continue;
        e.result = false;
        return e;
    }
    return e;
}

class ProcedureStepFails : public ::testing::TestWithParam<std::tuple<Procedure, std::size_t>> {};

TEST_P(ProcedureStepFails, AsItsTableSays) {
    auto [procedure, failing] = GetParam();
    ProductFixture f(Scenario(procedure));
    CQuillPCISPDlg& d = f.startQuiet();
    d.g_pEF64_Selected = d.g_pEF64_Main_2;  // the protected loader needs a selection
    d.g_pEF32_0_Selected = d.g_pEF32_0_Main_2;

    // Every earlier step's request succeeds once; this step's three attempts fail.
    int failFrom = static_cast<int>(failing) + 1;
    platform::DeviceHandle device(
        std::make_unique<FailingStep>(f.devices.open(d.m_szDevicePath), failFrom, 3));
    bool result = false;
    switch (procedure) {
        case Procedure::EF32_0:
            result = d.Run_Code_at_EF64_ISP_EF32_0_OTA(device, d.g_pEF32_0_Selected);
            break;
        case Procedure::EF64MaskOta:
            result = d.Run_Code_at_Mask0210_or_OTA_ISP_EF64(device, d.g_pEF64_Selected);
            break;
        case Procedure::EF64Protect:
            result = d.Run_Code_at_Protect_ISP_EF64(device);
            break;
    }
    Expected e = Expect(procedure, failing);
    EXPECT_EQ(f.logLines(), e.log);
    EXPECT_EQ(result, e.result);
    EXPECT_EQ(f.progress(), e.progress);
    // Requests that reached the product: all but the failed attempts.
    EXPECT_EQ(f.takeTrace().size(), e.requests - 3 + (failing < Steps(procedure).size() ? 0 : 3));
}

std::string Name(const ::testing::TestParamInfo<std::tuple<Procedure, std::size_t>>& info) {
    const char* names[] = {"EF32_0", "EF64MaskOta", "EF64Protect"};
    return std::string(names[static_cast<int>(std::get<0>(info.param))]) + "_step" +
           std::to_string(std::get<1>(info.param) + 1);
}

INSTANTIATE_TEST_SUITE_P(EF32_0, ProcedureStepFails,
                         ::testing::Combine(::testing::Values(Procedure::EF32_0),
                                            ::testing::Range<std::size_t>(0, 9)),
                         Name);
INSTANTIATE_TEST_SUITE_P(EF64, ProcedureStepFails,
                         ::testing::Combine(::testing::Values(Procedure::EF64MaskOta,
                                                              Procedure::EF64Protect),
                                            ::testing::Range<std::size_t>(0, 9)),
                         Name);

TEST(ProcedureErases, BothFailingAreLoggedAndTheProcedureStillPasses) {
    ProductFixture f("ota");
    CQuillPCISPDlg& d = f.startQuiet();
    platform::DeviceHandle device(
        std::make_unique<FailingStep>(f.devices.open(d.m_szDevicePath), 1, 6));
    EXPECT_TRUE(d.Run_Code_at_Mask0210_or_OTA_ISP_EF64(device, d.g_pEF64_Main_1));
    Lines log = f.logLines();
    EXPECT_EQ(std::count(log.begin(), log.end(), "FAIL."), 2);
    EXPECT_EQ(f.progress(), 5);
}

TEST(ProcedureMaskVariant, TheEF32ProcedureLeavesTheJumpToTheEF64One) {
    ProductFixture f("mask0210");
    CQuillPCISPDlg& d = f.startQuiet();
    d.g_MaskVariant0210 = 1;
    platform::DeviceHandle device = f.devices.open(d.m_szDevicePath);
    EXPECT_TRUE(d.Run_Code_at_EF64_ISP_EF32_0_OTA(device, d.g_pEF32_0_Main_1));
    EXPECT_EQ(f.logLines().back(), "Check EF32 Information Page_1 Checksum");
    EXPECT_EQ(f.takeTrace().size(), 8u);
}

TEST(ProcedureImages, AMissingImageIsRefusedBeforeAnythingIsSent) {
    ProductFixture f("protect");
    CQuillPCISPDlg& d = f.startQuiet();
    platform::DeviceHandle device = f.devices.open(d.m_szDevicePath);
    EXPECT_FALSE(d.Run_Code_at_Protect_ISP_EF64(device));
    EXPECT_EQ(f.logLines(), (Lines{"Image EF64_Main not loaded, nothing sent.", "FAIL."}));
    EXPECT_TRUE(f.takeTrace().empty());
}

}  // namespace
