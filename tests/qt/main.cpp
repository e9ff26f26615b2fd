#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "platform/qt/qt_runtime.h"

int main(int argc, char** argv) {
    // The windows are drawn offscreen unless a platform is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    testing::InitGoogleTest(&argc, argv);
    platform::qt::QtRuntime runtime(argc, argv);
    return RUN_ALL_TESTS();
}
