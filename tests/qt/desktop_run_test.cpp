#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

TEST(DesktopRun, WithoutADisplayNamesTheTerminalOptionAndExits64) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(QUILL_PCISP), {QStringLiteral("--simulate"), QStringLiteral("none")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 64);
    EXPECT_TRUE(tool.readAllStandardError().contains("--headless"));
}

}  // namespace
