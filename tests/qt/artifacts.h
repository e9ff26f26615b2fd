#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

namespace qt_testing {

// Saves a picture of the widget as build/artifacts/<name>.png; true when written.
inline bool saveScreenshot(QWidget& widget, const QString& name) {
    QDir dir(QStringLiteral(QUILL_ARTIFACT_DIR));
    if (!dir.mkpath(QStringLiteral("."))) return false;
    return widget.grab().save(dir.filePath(name + QStringLiteral(".png")), "PNG");
}

}  // namespace qt_testing
