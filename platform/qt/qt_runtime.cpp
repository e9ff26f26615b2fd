#include "platform/qt/qt_runtime.h"

#include <QApplication>
#include <QFont>

#include "platform/qt/pictures.h"

namespace platform::qt {

QtRuntime::QtRuntime(int& argc, char** argv)
    : app_(std::make_unique<QApplication>(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral("quill-pcisp"));
    QApplication::setDesktopFileName(QStringLiteral("quill-pcisp"));
    QApplication::setWindowIcon(applicationIcon());
    QFont font(QString::fromLatin1(kDialogFontFamily));
    font.setPixelSize(kDialogFontPixelSize);
    QApplication::setFont(font);
}

QtRuntime::~QtRuntime() = default;

}  // namespace platform::qt
