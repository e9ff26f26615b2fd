#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "device/usb_ids.h"
#include "qt/modal_closer.h"
#include "qt/qt_dialog_fixture.h"
#include "res/resource.h"

namespace {

using qt_testing::ModalCloser;
using qt_testing::QtDialogFixture;

constexpr int kShortTickMs = 10;

sim::DiskEntry applicationDisk() {
    sim::DiskEntry disk;
    disk.path = "/dev/sg7";
    disk.parentDeviceId = "USB\\VID_6E39&PID_7C15\\0123456789AB";
    return disk;
}

TEST(MessageBox, IsAWarningWithOnlyOkCaptionedWithTheApplicationTitle) {
    QtDialogFixture f;
    f.start();
    ModalCloser closer(f.windows);
    f.window().messageBox("First line\r\nSecond line");
    ASSERT_EQ(closer.seen().size(), 1u);
    const auto& box = closer.seen()[0];
    EXPECT_EQ(box.kind, "message");
    EXPECT_EQ(box.title, "Corvel_R010_1");
    EXPECT_EQ(box.text, "First line\nSecond line");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttons, static_cast<int>(QMessageBox::Ok));
}

// While a box is open its loop keeps the dialog's ticks, device changes and posted commands
// flowing; each case waits for its effect inside the box, which is then closed.
TEST(MessageBox, KeepsTicksDeviceChangesAndPostedCommandsFlowing) {
    struct Case {
        const char* what;
        std::function<void(QtDialogFixture&)> during;
        std::function<bool(QtDialogFixture&)> effect;
    };
    const Case cases[] = {
        {"tick: the poller's rediscovery finds an unannounced product",
         [](QtDialogFixture& f) { f.devices.attach(applicationDisk(), false); },
         [](QtDialogFixture& f) { return f.dlg().m_bDeviceFound == 1; }},
        {"device change: an arrival is handled at once",
         [](QtDialogFixture& f) { f.devices.attach(applicationDisk()); },
         [](QtDialogFixture& f) { return f.dlg().m_wDevicePID == PID_APPLICATION; }},
        {"posted command: Clear empties the log",
         [](QtDialogFixture& f) { f.window().postCommand(IDC_CLEAR); },
         [](QtDialogFixture& f) { return f.window().text(IDC_LOG).empty(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A long period for the device-change and command cases, so no tick stands in.
        bool ticking = std::string(c.what).starts_with("tick");
        QtDialogFixture f({ticking ? kShortTickMs : 60'000});
        f.start();
        ASSERT_FALSE(c.effect(f));
        ModalCloser closer(f.windows);
        closer.setReady([&] { return c.effect(f); });
        QTimer::singleShot(0, &f.window(), [&] { c.during(f); });
        f.window().messageBox("box");
        EXPECT_TRUE(closer.lastReady());
    }
}

// The update watchdog's time-out opens its box from inside a tick; the ticks after it still
// run while the box is up (a Qt timer does not fire again while its own handler runs).
TEST(MessageBox, OpenedFromATickLetsTheNextTicksRun) {
    QtDialogFixture f({kShortTickMs});
    CQuillPCISPDlg& dlg = f.start();
    ModalCloser closer(f.windows);
    closer.setReady([&] { return dlg.m_bDeviceFound == 1; });
    f.devices.attach(applicationDisk(), false);  // found only by the poller's rediscovery
    dlg.g_UpdateWatchdogTicks = 39;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !closer.seen().empty(); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.m_bDeviceFound == 1; }, 6000));
    EXPECT_EQ(closer.seen()[0].text,
              "Please disconnect and reconnect the device to your PC, \ntry the update again.");
    EXPECT_TRUE(closer.lastReady());
}

TEST(PostedCommand, ReachesTheDialogEvenForADisabledButtonAndOnlyFromTheLoop) {
    QtDialogFixture f;
    f.start();
    ASSERT_FALSE(f.window().isEnabled(IDC_TEST));
    f.window().postCommand(IDC_TEST);  // TEST shows "Updating..."
    EXPECT_EQ(f.banner(), "Standby");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.banner() == "Updating..."; }, 2000));
}

TEST(FileDialog, OffersTheImageFilterAndPutsTheChosenPathInTheFileField) {
    QtDialogFixture f;
    CQuillPCISPDlg& dlg = f.start();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString path = dir.filePath("image.binx");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    ModalCloser closer(f.windows);
    closer.answerFiles({path, QString()});
    dlg.g_FirmwareFileOk = 0;
    dlg.g_EF64_Verdict = EF64_OLD;
    QTest::mouseClick(f.window().control(IDC_BROWSE), Qt::LeftButton);
    ASSERT_EQ(closer.seen().size(), 1u);
    EXPECT_EQ(closer.seen()[0].filters,
              QStringList({"Image file(*.BINX) (*.BINX)", "All files(*.*) (*)"}));
    EXPECT_EQ(f.window().text(IDC_FW_FILE), path.toStdString());
    EXPECT_EQ(dlg.g_FirmwareFileOk, 1);
    EXPECT_EQ(dlg.g_EF64_Verdict, 0);

    // Cancel keeps the path.
    dlg.g_EF64_Verdict = EF64_OLD;
    QTest::mouseClick(f.window().control(IDC_BROWSE), Qt::LeftButton);
    EXPECT_EQ(closer.seen().size(), 2u);
    EXPECT_EQ(f.window().text(IDC_FW_FILE), path.toStdString());
    EXPECT_EQ(dlg.g_EF64_Verdict, 0);
}

TEST(Scheduler, RunsWorkInOrderNoEarlierThanAskedOnAMonotonicClock) {
    platform::qt::QtWindowSystem windows;
    std::vector<std::pair<int, std::uint64_t>> ran;
    std::uint64_t start = windows.nowMs();
    windows.schedule(40, [&] { ran.emplace_back(2, windows.nowMs()); });
    windows.schedule(10, [&] { ran.emplace_back(1, windows.nowMs()); });
    EXPECT_TRUE(ran.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran.size() == 2; }, 2000));
    EXPECT_EQ(ran[0].first, 1);
    EXPECT_EQ(ran[1].first, 2);
    EXPECT_GE(ran[0].second - start, 10u);
    EXPECT_GE(ran[1].second - start, 40u);
}

// A device system fed by a descriptor, as the udev monitor is.
class DescriptorDevices final : public platform::DeviceSystem {
  public:
    DescriptorDevices() : fd_(eventfd(0, EFD_NONBLOCK)) {}
    ~DescriptorDevices() override { close(fd_); }
    void signal() {
        std::uint64_t one = 1;
        ASSERT_EQ(write(fd_, &one, sizeof one), static_cast<ssize_t>(sizeof one));
    }
    int enumerations = 0;

    std::unique_ptr<platform::DiskInterfaceSet> presentDiskInterfaces() override {
        ++enumerations;
        return nullptr;
    }
    platform::DeviceHandle open(const std::string&) override { return {}; }
    void setListener(Listener listener) override { listener_ = std::move(listener); }
    int eventFd() const override { return fd_; }
    void processEvents() override {
        std::uint64_t count = 0;
        if (read(fd_, &count, sizeof count) == static_cast<ssize_t>(sizeof count) && listener_)
            listener_(platform::DeviceEvent::Arrival);
    }

  private:
    int fd_;
    Listener listener_;
};

TEST(DeviceEvents, ADescriptorBecomingReadableReachesTheDialogAsADeviceChange) {
    DescriptorDevices devices;
    testing_support::TestResources resources;
    platform::qt::QtWindowSystem windows({60'000});
    windows.watchDevices(devices);
    platform::Platform platform{windows, devices, resources};
    CQuillPCISPDlg dlg(platform);
    windows.open(dlg);
    int atStart = devices.enumerations;  // start-up's discovery
    devices.signal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return devices.enumerations > atStart; }, 2000));
}

}  // namespace
