#include <gtest/gtest.h>

#include <QImage>

#include "platform/qt/banner_button.h"
#include "platform/qt/pictures.h"
#include "qt/artifacts.h"
#include "qt/qt_dialog_fixture.h"
#include "res/resource.h"

namespace {

bool isRed(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool isGreen(QRgb c) {
    return qGreen(c) > 120 && qRed(c) < 80 && qBlue(c) < 80;
}
bool isDarkGreen(QRgb c) {
    return qGreen(c) > 70 && qGreen(c) < 130 && qRed(c) < 40 && qBlue(c) < 40;
}
bool isBlue(QRgb c) {
    return qBlue(c) > 150 && qRed(c) < 80 && qGreen(c) < 100;
}
bool isBrown(QRgb c) {
    return qRed(c) > 110 && qRed(c) < 170 && qGreen(c) > 40 && qGreen(c) < 100 && qBlue(c) < 50;
}

struct Picture {
    int id;
    const char* artifact;
    bool (*ink)(QRgb);
};

// Each picture: its text in its own colour on white.
const Picture kPictures[] = {
    {IDB_STANDBY, "banner_standby", isBlue},
    {IDB_READY, "banner_ready", isDarkGreen},
    {IDB_UPDATING, "banner_updating", isBrown},
    {IDB_UPDATE_COMPLETE, "banner_update_complete", isGreen},
    {IDB_FAIL, "banner_fail", isRed},
    {IDB_PASS, "", isGreen},
};

TEST(BannerPictures, AreBuiltInAtTheirSizeWithTheirTextColourOnWhite) {
    for (const Picture& p : kPictures) {
        SCOPED_TRACE(p.id);
        QImage image = platform::qt::bannerPicture(p.id).toImage();
        ASSERT_EQ(image.size(), QSize(432, 117));
        int inked = 0, white = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QRgb c = image.pixel(x, y);
                inked += p.ink(c) ? 1 : 0;
                white += c == qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        EXPECT_GT(inked, 1000);
        EXPECT_GT(white, image.width() * image.height() / 2);
    }
    EXPECT_TRUE(platform::qt::bannerPicture(134).isNull());
    EXPECT_FALSE(platform::qt::applicationIcon().isNull());
}

TEST(BannerScreenshots, TheWindowShowsEachPictureCutToTheBanner) {
    qt_testing::QtDialogFixture f;
    CQuillPCISPDlg& dlg = f.start();
    QWidget* banner = f.window().control(IDC_BANNER);
    for (const Picture& p : kPictures) {
        if (*p.artifact == '\0') continue;  // never shown
        SCOPED_TRACE(p.artifact);
        dlg.SetBanner(p.id);
        dlg.m_StatusBanner.Invalidate(true);
        // The 117-pixel picture shows its top 115 rows, at the banner's corner.
        QImage shown = banner->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected = platform::qt::bannerPicture(p.id)
                              .toImage()
                              .copy(0, 0, 432, 115)
                              .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, expected);
        EXPECT_TRUE(qt_testing::saveScreenshot(f.window(), QString::fromLatin1(p.artifact)));
    }
}

}  // namespace
