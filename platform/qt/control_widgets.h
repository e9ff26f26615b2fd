#pragma once

#include <QWidget>

#include "platform/dialog_template.h"

namespace platform::qt {

// The widget for one control of a dialog template, placed at its rectangle, with the
// template's visibility and enabled state. Its signals are left for the window to connect.
QWidget* createControlWidget(const ControlTemplate& control, QWidget* parent);

}  // namespace platform::qt
