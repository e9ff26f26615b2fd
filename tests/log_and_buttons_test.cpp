// The log, the trace field, the banner, the progress bar and the small buttons.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/dialog_fixture.h"

using testing_support::DialogFixture;

namespace {

TEST(Log, AppendsLinesWithCrLfAndScrollsToTheEnd) {
    DialogFixture f;
    f.start();
    f.dlg().OnClear();
    f.dlg().LogAppend("abc");
    EXPECT_EQ(f.window().text(IDC_LOG), "abc\r\n");
    f.dlg().LogAppend("def");
    EXPECT_EQ(f.window().text(IDC_LOG), "abc\r\ndef\r\n");
    f.dlg().LogAppend("");
    EXPECT_EQ(f.window().text(IDC_LOG), "abc\r\ndef\r\n\r\n");
    // Four lines, the last one empty: the view has scrolled down to it.
    EXPECT_EQ(f.window().lineCount(IDC_LOG), 4);
    EXPECT_EQ(f.window().control(IDC_LOG).firstVisibleLine, 3);
}

TEST(Log, TraceGoesToTheHiddenFieldOnly) {
    DialogFixture f;
    f.start();
    std::string log = f.window().text(IDC_LOG);
    f.dlg().TraceAppend("DUT FW Updating...");
    EXPECT_EQ(f.window().text(IDC_TRACE), "DUT FW Updating...\r\n");
    EXPECT_EQ(f.window().text(IDC_LOG), log);
}

TEST(Progress, AdvanceStopsAtTheTop) {
    DialogFixture f;
    f.start();
    for (int i = 0; i < 9; ++i) f.dlg().ProgressAdvance();
    EXPECT_EQ(f.progress(), 7);
}

TEST(Buttons, TestShowsUpdatingAndClearEmptiesTheLogEvenThoughDisabled) {
    DialogFixture f;
    f.start();
    f.windows.click(IDC_TEST);  // disabled: a click does nothing
    EXPECT_EQ(f.banner(), "Standby");
    f.windows.post(IDC_TEST);
    EXPECT_EQ(f.banner(), "Updating...");
    f.windows.post(IDC_CLEAR);
    EXPECT_EQ(f.window().text(IDC_LOG), "");
}

TEST(Browse, ConfirmedSetsThePathAndReArmsTheAssessment) {
    DialogFixture f;
    f.start();
    f.dlg().g_FirmwareFileOk = 0;
    f.dlg().g_EF64_Verdict = 2;
    f.dlg().g_EF32_0_Verdict = 3;
    f.windows.scriptFileDialog("/home/user/fw/new.binx");
    f.windows.click(IDC_BROWSE);
    EXPECT_EQ(f.window().text(IDC_FW_FILE), "/home/user/fw/new.binx");
    EXPECT_EQ(f.dlg().g_FirmwareFileOk, 1);
    EXPECT_EQ(f.dlg().g_EF64_Verdict, 0);
    EXPECT_EQ(f.dlg().g_EF32_0_Verdict, 0);
    ASSERT_EQ(f.windows.fileDialogs().size(), 1u);
    const auto& spec = f.windows.fileDialogs()[0];
    EXPECT_EQ(spec.defaultExt, ".binx|");
    EXPECT_EQ(spec.fileName, "*.binx");
    EXPECT_EQ(spec.flags, 6u);
    EXPECT_EQ(spec.filter, "Image file(*.BINX)|*.BINX|All files(*.*)|*.*||");
}

TEST(Browse, CancelledKeepsPathAndFlagButClearsVerdicts) {
    DialogFixture f;
    f.start();
    f.windows.scriptFileDialog("/tmp/a.binx");
    f.windows.click(IDC_BROWSE);
    f.dlg().g_FirmwareFileOk = 0;
    f.dlg().g_EF64_Verdict = 3;
    f.dlg().g_EF32_0_Verdict = 3;
    f.windows.scriptFileDialog(std::nullopt);
    f.windows.click(IDC_BROWSE);
    EXPECT_EQ(f.window().text(IDC_FW_FILE), "/tmp/a.binx");
    EXPECT_EQ(f.dlg().g_FirmwareFileOk, 0);
    EXPECT_EQ(f.dlg().g_EF64_Verdict, 0);
    EXPECT_EQ(f.dlg().g_EF32_0_Verdict, 0);
}

TEST(Browse, TheSecondBrowseOnlyFillsItsField) {
    DialogFixture f;
    f.start();
    f.dlg().g_EF64_Verdict = 3;
    f.windows.scriptFileDialog("/tmp/other.bin");
    f.windows.post(IDC_BROWSE_AUX);
    EXPECT_EQ(f.window().text(IDC_AUX_FILE), "/tmp/other.bin");
    EXPECT_EQ(f.dlg().g_EF64_Verdict, 3);
    const auto& spec = f.windows.fileDialogs().back();
    EXPECT_EQ(spec.defaultExt, "");
    EXPECT_EQ(spec.fileName, "*.*");
    EXPECT_EQ(spec.filter, "All files(*.*)|*.*||");
}

TEST(Browse, TicksGoOnWhileTheFileDialogIsOpen) {
    DialogFixture f;
    f.start();
    f.windows.scriptFileDialog(std::nullopt, 3);
    f.windows.click(IDC_BROWSE);
    EXPECT_EQ(f.windows.ticks(), 3u);
}

}  // namespace
