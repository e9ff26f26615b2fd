// Loading the embedded image set: its order, its messages and what stays empty.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/dialog_fixture.h"

using testing_support::DialogFixture;

namespace {

std::vector<const std::uint8_t*> Pointers(const CQuillPCISPDlg& d) {
    return {d.g_pEF64_Info,     d.g_pEF32_0_Info,   d.g_pEF64_Main_1,   d.g_pEF64_Main_2,
            d.g_pEF64_Main_3,   d.g_pEF64_Main_4,   d.g_pEF64_Main_5,   d.g_pEF32_0_Main_1,
            d.g_pEF32_0_Main_2, d.g_pEF32_0_Main_3, d.g_pEF32_0_Main_4, d.g_pEF32_0_Main_5};
}

TEST(LoadFirmwareImages, EverythingPresentLoadsAllTwelveWithoutMessages) {
    DialogFixture f;
    f.start();
    EXPECT_TRUE(f.windows.messageBoxes().empty());
    for (const std::uint8_t* p : Pointers(f.dlg())) EXPECT_NE(p, nullptr);
}

TEST(LoadFirmwareImages, MissingResourcesStopTheLoading) {
    struct Case {
        int missing;
        std::string message;
        std::size_t loaded;  // how many of the twelve, in load order
    };
    const Case cases[] = {
        {IDR_RESERVED_134, "findresource", 0},
        {IDR_EF64_INFO, "findresource EF64_Info", 0},
        {IDR_EF64_MAIN_3, "findresource EF64_Main_3", 4},
        {IDR_EF32_0_MAIN_5, "findresource EF32_0_Main_5", 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        DialogFixture f;
        f.resources.makeUnfindable(c.missing);
        f.start();
        EXPECT_EQ(f.windows.messageBoxes(), std::vector<std::string>{c.message});
        auto pointers = Pointers(f.dlg());
        for (std::size_t i = 0; i < pointers.size(); ++i)
            EXPECT_EQ(pointers[i] != nullptr, i < c.loaded) << i;
    }
}

TEST(LoadFirmwareImages, ALoadFailureLeavesOnlyThatImageEmpty) {
    DialogFixture f;
    f.resources.makeUnloadable(IDR_EF32_0_MAIN_5);
    f.resources.makeUnloadable(IDR_RESERVED_134);
    f.start();
    EXPECT_EQ(f.windows.messageBoxes(),
              (std::vector<std::string>{"loadresource", "loadresource EF32_0_Main_5"}));
    auto pointers = Pointers(f.dlg());
    for (std::size_t i = 0; i + 1 < pointers.size(); ++i) EXPECT_NE(pointers[i], nullptr);
    EXPECT_EQ(pointers.back(), nullptr);
}

TEST(LoadFirmwareImages, DataShorterThanItsImageIsNotUsed) {
    DialogFixture f;
    f.resources.set(IDR_EF64_MAIN_2, std::vector<std::uint8_t>(100, 0));
    f.start();
    EXPECT_EQ(f.windows.messageBoxes(), std::vector<std::string>{"loadresource EF64_Main_2"});
    EXPECT_EQ(f.dlg().g_pEF64_Main_2, nullptr);
    EXPECT_NE(f.dlg().g_pEF64_Main_3, nullptr);
}

}  // namespace
