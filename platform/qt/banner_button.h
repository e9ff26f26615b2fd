#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace platform::qt {

// An owner-drawn button showing one picture in every state, drawn at its top-left corner
// and cut off at the button's edges.
class BannerButton final : public QAbstractButton {
    Q_OBJECT
  public:
    explicit BannerButton(QWidget* parent);

    void setPicture(int bitmapId, QPixmap picture);
    int pictureId() const { return pictureId_; }
    const QPixmap& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int pictureId_ = 0;
    QPixmap picture_;
};

}  // namespace platform::qt
