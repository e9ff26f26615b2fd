#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "platform/qt/banner_button.h"
#include "platform/qt/dialog_units.h"
#include "qt/qt_dialog_fixture.h"
#include "res/resource.h"

namespace {

using platform::qt::dluToPxX;
using platform::qt::dluToPxY;

TEST(DialogUnits, ConvertAtTheDialogFontBaseUnitsRoundingToNearest) {
    struct Case {
        int dlu, px;
    };
    // .5 rounds up as the dialog manager's MulDiv does: 391 DLU wide is 587 px, 288 is 432.
    for (Case c :
         {Case{391, 587}, Case{288, 432}, Case{7, 11}, Case{83, 125}, Case{1, 2}, Case{0, 0}})
        EXPECT_EQ(dluToPxX(c.dlu), c.px) << c.dlu;
    for (Case c :
         {Case{326, 530}, Case{71, 115}, Case{14, 23}, Case{8, 13}, Case{1, 2}, Case{0, 0}})
        EXPECT_EQ(dluToPxY(c.dlu), c.px) << c.dlu;
}

struct Expected {
    int id;
    const char* caption;
    QRect rect;
    bool visible, enabled;
};

// The main dialog after start-up, in pixels at 6 x 13 base units.
const Expected kControls[] = {
    {IDC_BANNER, "Button6", {11, 13, 432, 115}, true, true},
    {IDC_UPDATE_FW, "Update F/W", {452, 13, 125, 115}, true, false},
    {IDC_PROGRESS, "", {11, 138, 566, 23}, true, true},
    {IDC_TRACE, "", {11, 167, 140, 23}, false, true},
    {IDC_FW_FILE, "", {63, 205, 417, 23}, true, true},
    {IDC_BROWSE, "Browse", {503, 205, 75, 23}, true, true},
    {IDC_AUX_FILE, "", {63, 234, 417, 23}, false, false},
    {IDC_BROWSE_AUX, "Browse", {501, 234, 75, 23}, false, false},
    // Start-up found no product and said so.
    {IDC_LOG, "USB device not found!\r\n", {11, 265, 401, 250}, true, false},
    {IDC_TEST, "TEST", {504, 280, 75, 23}, true, false},
    {IDC_CLEAR, "Clear", {504, 314, 75, 23}, true, false},
    {IDC_UPDATE_GUI, "Update GUI", {464, 348, 113, 39}, false, false},
};

TEST(MainWindow, EveryControlStartsAtItsPlaceWithItsCaptionVisibilityAndState) {
    qt_testing::QtDialogFixture f;
    CQuillPCISPDlg& dlg = f.start();
    platform::qt::QtWindow& w = f.window();
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.id);
        QWidget* widget = w.control(e.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), e.rect);
        EXPECT_EQ(w.text(e.id), e.caption);
        EXPECT_EQ(widget->isVisibleTo(&w), e.visible);
        EXPECT_EQ(widget->isEnabled(), e.enabled);
    }
    EXPECT_FALSE(dlg.m_UpdateButton.IsWindowEnabled());
    auto* update = qobject_cast<QPushButton*>(w.control(IDC_UPDATE_FW));
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->text(), "Update F/W");

    // The two labels without an id.
    std::map<QString, QRect> labels;
    for (QLabel* label : w.findChildren<QLabel*>()) labels[label->text()] = label->geometry();
    EXPECT_EQ(labels[QStringLiteral("F/W file:")], QRect(11, 208, 42, 13));
    EXPECT_EQ(labels[QStringLiteral("Status")], QRect(11, 242, 33, 13));
}

TEST(MainWindow, ShowsOnlyTheBandOfBannerButtonAndProgressBarAndCannotBeResized) {
    qt_testing::QtDialogFixture f;
    f.start();
    platform::qt::QtWindow& w = f.window();
    EXPECT_EQ(w.windowTitle(), "Corvel_R010_1");
    // 595 x 210 outside, less the dialog frame.
    EXPECT_EQ(w.size(), QSize(589, 181));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.pos(), QPoint(0, 0));
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);

    for (int id : {IDC_BANNER, IDC_UPDATE_FW, IDC_PROGRESS})
        EXPECT_TRUE(w.rect().contains(w.control(id)->geometry())) << id;
    for (int id : {IDC_FW_FILE, IDC_BROWSE, IDC_LOG, IDC_TEST, IDC_CLEAR})
        EXPECT_GE(w.control(id)->y(), w.height()) << id;
}

TEST(MainWindow, BannerStartsOnStandbyAndProgressAtZeroOfSevenWithoutText) {
    qt_testing::QtDialogFixture f;
    CQuillPCISPDlg& dlg = f.start();
    EXPECT_EQ(f.banner(), "Standby");
    auto* bar = qobject_cast<QProgressBar*>(f.window().control(IDC_PROGRESS));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 7);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_EQ(dlg.m_wDevicePID, 0);
    EXPECT_EQ(dlg.m_bDeviceFound, 0);
}

TEST(MainWindow, ProgressStaysWithinItsRange) {
    qt_testing::QtDialogFixture f;
    CQuillPCISPDlg& dlg = f.start();
    for (int i = 0; i < 9; ++i) dlg.ProgressAdvance();
    EXPECT_EQ(dlg.m_Progress.GetPos(), 7);
    dlg.m_Progress.SetPos(-3);
    EXPECT_EQ(dlg.m_Progress.GetPos(), 0);
}

TEST(MainWindow, TextIsDrawnInARealFont) {
    // Without any font installed Qt draws boxes and says nothing.
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
    qt_testing::QtDialogFixture f;
    f.start();
    QFontInfo info(f.window().font());
    EXPECT_EQ(info.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(info.pixelSize(), 11);
}

}  // namespace
