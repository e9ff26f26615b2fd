#include "platform/qt/pictures.h"

#include <QString>

#include "res/resource.h"

namespace platform::qt {

QPixmap bannerPicture(int bitmapId) {
    if (bitmapId < IDB_STANDBY || bitmapId > IDB_UPDATE_COMPLETE) return {};
    return QPixmap(QStringLiteral(":/quill/bitmaps/%1.bmp").arg(bitmapId));
}

QIcon applicationIcon() {
    return QIcon(QStringLiteral(":/quill/icon.png"));
}

}  // namespace platform::qt
