#include <gtest/gtest.h>

#include <QTest>

#include "qt/artifacts.h"
#include "qt/modal_closer.h"
#include "qt/qt_dialog_fixture.h"
#include "res/embedded_resources.h"
#include "res/resource.h"
#include "sim/scenario.h"

namespace {

constexpr int kTickMs = 20;

// The whole two-stage update of a product in its Application Code, started by a click on
// "Update F/W": the first stage rewrites EF32_0, the product restarts into its OTA Code, the
// dialog starts the second stage by itself and rewrites EF64.
TEST(SimulatedUpdate, ApplicationCodeUpdatesInTwoStagesFromOneClick) {
    qt_testing::QtDialogFixture f({kTickMs});
    f.resources = testing_support::TestResources(res::EmbeddedResources());
    std::string error;
    sim::ProductOptions options;
    options.restartDelayMs = 100;
    auto product = sim::makeScenario("application-old", f.devices, f.windows, error, options);
    ASSERT_TRUE(product && *product) << error;

    CQuillPCISPDlg& dlg = f.start();
    qt_testing::ModalCloser closer(f.windows, 2000);
    QWidget* update = f.window().control(IDC_UPDATE_FW);
    ASSERT_TRUE(QTest::qWaitFor([&] { return update->isEnabled(); }, 5000));
    EXPECT_EQ(f.banner(), "Ready");
    ASSERT_TRUE(qt_testing::saveScreenshot(f.window(), QStringLiteral("update_ready")));

    QTest::mouseClick(update, Qt::LeftButton);
    // The first stage has run inside the click; the product is restarting.
    EXPECT_EQ(dlg.g_ResumeAfterReconnect, 1);
    EXPECT_EQ(f.window().text(IDC_TRACE), "DUT FW Updating...\r\n");

    const std::string done = "Updat FW.... Update complete !!\r\n";
    auto text = [&] { return f.window().text(IDC_LOG); };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return text().size() >= done.size() && text().ends_with(done); }, 20000))
        << text();
    EXPECT_EQ(f.banner(), "Update complete!");
    EXPECT_TRUE(qt_testing::saveScreenshot(f.window(), QStringLiteral("update_complete")));
    EXPECT_NE(text().find("Run Code at OTA "), std::string::npos);
    EXPECT_TRUE(closer.seen().empty());
    // The final jump restarts it into the new Application Code.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return (*product)->onBus() &&
                   (*product)->location() == sim::CodeLocation::ApplicationCode;
        },
        5000));
}

}  // namespace
