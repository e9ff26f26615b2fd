#pragma once

#include <QIcon>
#include <QPixmap>

namespace platform::qt {

// The pictures built into the program: banner bitmaps by id (a null pixmap for an unknown
// id) and the application icon.
QPixmap bannerPicture(int bitmapId);
QIcon applicationIcon();

}  // namespace platform::qt
