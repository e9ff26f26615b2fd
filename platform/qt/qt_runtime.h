#pragma once

#include <memory>

class QApplication;

namespace platform::qt {

// The Qt application the windows need, set up for the tool: its name, its icon and the
// dialog font (DejaVu Sans at the pixel size of the 8-point dialog font). Construct it once,
// in main, before any window; check the display first (display_check.h).
class QtRuntime {
  public:
    QtRuntime(int& argc, char** argv);
    ~QtRuntime();
    QtRuntime(const QtRuntime&) = delete;
    QtRuntime& operator=(const QtRuntime&) = delete;

    QApplication& application() const { return *app_; }

  private:
    std::unique_ptr<QApplication> app_;
};

// The family and pixel size of the dialog font.
inline constexpr const char* kDialogFontFamily = "DejaVu Sans";
inline constexpr int kDialogFontPixelSize = 11;

}  // namespace platform::qt
