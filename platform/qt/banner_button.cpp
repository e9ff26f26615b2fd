#include "platform/qt/banner_button.h"

#include <QPainter>

namespace platform::qt {

BannerButton::BannerButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void BannerButton::setPicture(int bitmapId, QPixmap picture) {
    pictureId_ = bitmapId;
    picture_ = std::move(picture);
}

void BannerButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
}

}  // namespace platform::qt
