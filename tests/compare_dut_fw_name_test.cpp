// Identity records, version numbers, and the firmware name test with its image-set choice.
#include <gtest/gtest.h>

#include <cstring>

#include "firmware/fw_identity.h"
#include "res/resource.h"
#include "support/dialog_fixture.h"

using testing_support::DialogFixture;

namespace {

FwIdentity Record(std::array<int, 4> tag, std::array<int, 4> version, std::string name) {
    FwIdentity id;
    for (int i = 0; i < 4; ++i) {
        id.raw[7 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(tag[i]);
        id.raw[11 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(version[i]);
    }
    std::memcpy(id.raw.data() + 32, name.data(), std::min<std::size_t>(name.size(), 24));
    return id;
}

TEST(FwIdentity, LinesAndVersionNumber) {
    FwIdentity id = Record({7, 8, 9, 10}, {100, 2, 0, 1}, "F_TR52_64_Demo_001");
    EXPECT_EQ(IdentityLine(RecordSource::Image, id),
              "BINX File FW, Tag: 7.8.9.10,  Version: 100.2.0.1 ");
    EXPECT_EQ(IdentityLine(RecordSource::DeviceEF64, id),
              "Device EF64 FW, Tag: 7.8.9.10,  Version: 100.2.0.1 ");
    EXPECT_EQ(NameLine(RecordSource::DeviceEF32_0, id),
              "Device EF32_0 FW Name: F_TR52_64_Demo_001");
    EXPECT_EQ(VersionNumber(id), 100201);
    // A weighted sum: different quads can give one number.
    EXPECT_EQ(VersionNumber(Record({}, {1, 0, 10, 0}, "")), 1100);
    EXPECT_EQ(VersionNumber(Record({}, {1, 1, 0, 0}, "")), 1100);
    EXPECT_EQ(VersionNumber(Record({}, {255, 255, 255, 255}, "")), 283305);
}

TEST(FwIdentity, NameBytesAboveAsciiAreLatin1AndTheNameEndsAtZero) {
    FwIdentity all = Record({}, {}, "");
    std::fill_n(all.raw.begin() + 32, 24, 0xFF);
    std::string expected = "BINX File FW Name: ";
    for (int i = 0; i < 24; ++i) expected += "\xC3\xBF";
    EXPECT_EQ(NameLine(RecordSource::Image, all), expected);

    FwIdentity cut = Record({}, {}, std::string("AB\0F_TR52_64_", 13));
    EXPECT_EQ(NameLine(RecordSource::Image, cut), "BINX File FW Name: AB");
}

struct NameCase {
    const char* what;
    std::string name;
    std::uint8_t mode;
    std::vector<std::string> log;
    std::uint8_t matched;
    std::uint8_t group;
    int ef64Selected;  // resource id, 0 for none
};

class CompareName : public ::testing::TestWithParam<NameCase> {};

TEST_P(CompareName, TestsTheNameAndChoosesTheSet) {
    const NameCase& c = GetParam();
    DialogFixture f;
    CQuillPCISPDlg& d = f.start();
    d.OnClear();
    d.Compare_DUT_FW_Name("Device EF64 FW Name: " + c.name, c.mode);
    EXPECT_EQ(f.logLines(), c.log);
    EXPECT_EQ(d.m_bProjectMatched, c.matched);
    EXPECT_EQ(d.m_nFwGroup, c.group);
    const std::uint8_t* expected = c.ef64Selected ? f.resources.dataOf(c.ef64Selected) : nullptr;
    EXPECT_EQ(d.g_pEF64_Selected, expected);
    if (c.ef64Selected != 0) {
        // The EF32_0 image of the same set.
        int ef32 = c.ef64Selected == IDR_EF64_MAIN_1   ? IDR_EF32_0_MAIN_1
                   : c.ef64Selected == IDR_EF64_MAIN_2 ? IDR_EF32_0_MAIN_2
                   : c.ef64Selected == IDR_EF64_MAIN_3 ? IDR_EF32_0_MAIN_3
                   : c.ef64Selected == IDR_EF64_MAIN_4 ? IDR_EF32_0_MAIN_4
                                                       : IDR_EF32_0_MAIN_5;
        EXPECT_EQ(d.g_pEF32_0_Selected, f.resources.dataOf(ef32));
    }
    std::uint8_t verdict = (c.mode <= 2) ? 3 : 0;
    EXPECT_EQ(d.g_EF32_0_Verdict, verdict);
}

const std::string kPass = "Compared_DUT_FW_Name__Project_1 PASS";
const std::string kFail = "Compared_DUT_FW_Name__Project_1 FAIL ";
const std::string kGroup0 = "Compare_DUT_FW_Name All Group Fail (Group 0) ";

INSTANTIATE_TEST_SUITE_P(
    Names, CompareName,
    ::testing::Values(
        NameCase{"NoPattern", "X_TR52_64_A_001", 0, {kFail}, 0, 0, 0},
        NameCase{"PatternNoGroup", "F_TR52_64_Demo", 0, {kPass, kGroup0}, 1, 0, IDR_EF64_MAIN_1},
        NameCase{"Group1",
                 "F_TR52_64_Demo_001",
                 0,
                 {kPass, "DUT_FW_Group_1 (_001_)"},
                 1,
                 1,
                 IDR_EF64_MAIN_2},
        NameCase{"Group3InMode2",
                 "F_TR52_64_X_003",
                 2,
                 {kPass, "DUT_FW_Group_3 (_003_)"},
                 1,
                 3,
                 IDR_EF64_MAIN_4},
        NameCase{"LowestGroupWins",
                 "F_TR52_64_004_001",
                 0,
                 {kPass, "DUT_FW_Group_1 (_001_)"},
                 1,
                 1,
                 IDR_EF64_MAIN_2},
        NameCase{"GroupBeforePattern",
                 "_002F_TR52_64_",
                 0,
                 {kPass, "DUT_FW_Group_2 (_002_)"},
                 1,
                 2,
                 IDR_EF64_MAIN_3},
        NameCase{"GroupFollowedByDigits",
                 "F_TR52_64_0019",
                 0,
                 {kPass, "DUT_FW_Group_1 (_001_)"},
                 1,
                 1,
                 IDR_EF64_MAIN_2},
        NameCase{"LowercasePattern", "f_tr52_64_demo_001", 0, {kFail}, 0, 0, 0},
        NameCase{"Mode1NoGroupStep", "F_TR52_64_Demo_001", 1, {kPass}, 1, 0, 0},
        NameCase{"OtherModeOnlyTheProjectTest", "F_TR52_64_Demo_001", 7, {kPass}, 1, 0, 0}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(CompareNameState, ProjectTestOnceAndGroupZeroSearchedAgain) {
    DialogFixture f;
    CQuillPCISPDlg& d = f.start();
    d.OnClear();
    d.Compare_DUT_FW_Name("Device EF64 FW Name: F_TR52_64_Demo", 0);
    d.Compare_DUT_FW_Name("Device EF64 FW Name: F_TR52_64_Demo", 2);
    d.Compare_DUT_FW_Name("Device EF64 FW Name: F_TR52_64_Demo_002", 0);
    d.Compare_DUT_FW_Name("Device EF64 FW Name: F_TR52_64_Demo_003", 0);
    EXPECT_EQ(f.logLines(),
              (std::vector<std::string>{kPass, kGroup0, kGroup0, "DUT_FW_Group_2 (_002_)"}));
    EXPECT_EQ(d.m_nFwGroup, 2);
}

TEST(CompareNameState, AFailingNameIsTestedAgainEachTimeAndMode1KeepsSelections) {
    DialogFixture f;
    CQuillPCISPDlg& d = f.start();
    d.OnClear();
    d.Compare_DUT_FW_Name("Device EF64 FW Name: Other", 0);
    d.Compare_DUT_FW_Name("Device EF64 FW Name: Other", 0);
    EXPECT_EQ(f.logLines(), (std::vector<std::string>{kFail, kFail}));
    // The image name passes in mode 1, with no group step: nothing selected yet.
    d.Compare_DUT_FW_Name("BINX File FW Name: F_TR52_64_Img_004", 1);
    EXPECT_EQ(d.m_bProjectMatched, 1);
    EXPECT_EQ(d.g_pEF64_Selected, nullptr);
    EXPECT_EQ(d.g_pEF32_0_Selected, nullptr);
}

}  // namespace
