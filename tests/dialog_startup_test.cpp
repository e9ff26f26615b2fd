// The dialog after start-up, the system menu, keys, and the application object.
#include <gtest/gtest.h>

#include "app/quill_pcisp_app.h"
#include "device/usb_ids.h"
#include "res/resource.h"
#include "support/dialog_fixture.h"

using testing_support::DialogFixture;
using testing_support::UsbDisk;

namespace {

void ExpectStartState(DialogFixture& f) {
    CQuillPCISPDlg& d = f.dlg();
    EXPECT_EQ(f.banner(), "Standby");
    EXPECT_EQ(f.window().control(IDC_PROGRESS).low, 0);
    EXPECT_EQ(f.window().control(IDC_PROGRESS).high, 7);
    EXPECT_EQ(f.progress(), 0);
    EXPECT_FALSE(f.updateEnabled());
    EXPECT_FALSE(f.window().isEnabled(IDC_TEST));
    EXPECT_FALSE(f.window().isEnabled(IDC_CLEAR));
    EXPECT_FALSE(f.window().isEnabled(IDC_LOG));
    EXPECT_TRUE(f.window().isEnabled(IDC_BROWSE));
    for (int hidden : {IDC_AUX_FILE, IDC_BROWSE_AUX, IDC_UPDATE_GUI, IDC_TRACE})
        EXPECT_FALSE(f.window().control(hidden).visible) << hidden;
    EXPECT_EQ(f.window().placement().x, 0);
    EXPECT_EQ(f.window().placement().y, 0);
    EXPECT_EQ(f.window().placement().width, 595);
    EXPECT_EQ(f.window().placement().height, 210);
    // Every module-level item is zero except the file flag; the probe delay starts at 3.
    EXPECT_EQ(d.g_EF64_Verdict, 0);
    EXPECT_EQ(d.g_EF32_0_Verdict, 0);
    EXPECT_EQ(d.g_MaskVariant0210, 0);
    EXPECT_EQ(d.g_FirmwareFileOk, 1);
    EXPECT_EQ(d.g_RediscoverTicks, 0);
    EXPECT_EQ(d.g_BannerHoldTicks, 0);
    EXPECT_EQ(d.g_ResumeAfterReconnect, 0);
    EXPECT_EQ(d.g_UpdateWatchdogTicks, 0);
    EXPECT_EQ(d.g_pEF64_Selected, nullptr);
    EXPECT_EQ(d.g_pEF32_0_Selected, nullptr);
    EXPECT_EQ(d.m_nMaskProbeDelay, 3);
    EXPECT_EQ(d.m_AutoStartTicks, 0);
    EXPECT_EQ(d.m_TimerId, 1);
}

TEST(Startup, NoProduct) {
    DialogFixture f;
    f.start();
    ExpectStartState(f);
    EXPECT_EQ(f.dlg().m_wDevicePID, 0);
    EXPECT_EQ(f.dlg().m_bDeviceFound, 0);
    EXPECT_TRUE(f.windows.messageBoxes().empty());
    // All twelve image pointers point at the resources.
    EXPECT_EQ(f.dlg().g_pEF64_Main_3, f.resources.dataOf(IDR_EF64_MAIN_3));
    EXPECT_EQ(f.dlg().g_pEF32_0_Info, f.resources.dataOf(IDR_EF32_0_INFO));
}

TEST(Startup, MaskCodeProductIsNotFoundYet) {
    DialogFixture f;
    f.devices.attach(UsbDisk("sim:/dev/sg240", "USB\\VID_4D7B&PID_1B40\\M1"), false);
    f.start();
    ExpectStartState(f);
    EXPECT_EQ(f.dlg().m_wDevicePID, PID_MASK_CODE);
    EXPECT_EQ(f.dlg().m_bDeviceFound, 0);
}

TEST(Startup, SystemMenuGetsAboutAndHelpOnlyWithString101) {
    DialogFixture withString;
    withString.start();
    std::vector<std::pair<int, std::string>> expected{
        {0, ""}, {IDM_ABOUTBOX, "About Corvel_R010_1.exe..."}, {0, ""}, {IDM_HELP, "Help"}};
    EXPECT_EQ(withString.window().systemMenuItems(), expected);

    DialogFixture without;
    without.resources.setString(IDS_ABOUTBOX, "");
    without.start();
    EXPECT_TRUE(without.window().systemMenuItems().empty());
}

TEST(Startup, IconSetBigThenSmall) {
    DialogFixture f;
    f.start();
    std::vector<std::pair<int, bool>> expected{{IDR_MAINFRAME, true}, {IDR_MAINFRAME, false}};
    EXPECT_EQ(f.window().iconsSet(), expected);
    EXPECT_EQ(f.dlg().OnQueryDragIcon(), IDR_MAINFRAME);
}

TEST(SystemCommands, SeventeenOpensHelpAndSixteenToThirtyOneOpenAbout) {
    DialogFixture f;
    f.start();
    std::vector<int> expected;
    for (int id = 16; id <= 31; ++id) {
        f.windows.sysCommand(id);
        expected.push_back(id == IDM_HELP ? IDD_HELP_INTRO : IDD_ABOUTBOX);
    }
    f.windows.sysCommand(32);  // default handling, no dialog
    f.windows.sysCommand(15);
    EXPECT_EQ(f.windows.modalDialogs(), expected);
}

TEST(Keys, EnterAndEscapeDoNothingAndTheCloseBoxEnds) {
    DialogFixture f;
    f.start();
    f.windows.key(13);
    f.windows.key(27);
    EXPECT_FALSE(f.window().ended());
    f.windows.post(2);  // the close box sends IDCANCEL
    EXPECT_TRUE(f.window().ended());
}

TEST(Paint, MinimisedWindowDrawsTheIconCentred) {
    DialogFixture f;
    f.start();
    f.windows.paint();
    EXPECT_TRUE(f.window().iconsDrawn().empty());
    f.window().setIconic(true);
    f.windows.paint();
    ASSERT_EQ(f.window().iconsDrawn().size(), 1u);
    // Client 589 x 181, icon 32 x 32.
    EXPECT_EQ(f.window().iconsDrawn()[0], std::make_pair(279, 75));
    EXPECT_EQ(f.window().iconBackgroundErases(), 1);
}

TEST(Application, RunsTheDialogModallyAndEndsWithIt) {
    DialogFixture f;
    f.windows.setModalTickLimit(3);
    CQuillPCISPApp app(f.platform);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(f.windows.commonControls(), std::make_pair(8u, 0xFFu));
    EXPECT_EQ(app.RegistryKey(), "Local AppWizard-Generated Applications");
    EXPECT_EQ(f.windows.ticks(), 3u);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

}  // namespace
