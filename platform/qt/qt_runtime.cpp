#include "platform/qt/qt_runtime.h"

#include <QApplication>
#include <QFont>

#include "platform/qt/pictures.h"

namespace platform::qt {

QtRuntime::QtRuntime(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral("quill-pcisp"));
    QApplication::setDesktopFileName(QStringLiteral("quill-pcisp"));
    QApplication::setWindowIcon(applicationIcon());
    QFont font(QString::fromLatin1(kDialogFontFamily));
    font.setPixelSize(kDialogFontPixelSize);
    // The condensed face, where installed, comes closest to the width of the 8-point dialog
    // font the templates were laid out for.
    font.setStretch(QFont::Condensed);
    QApplication::setFont(font);
}

QtRuntime::~QtRuntime() = default;

}  // namespace platform::qt
