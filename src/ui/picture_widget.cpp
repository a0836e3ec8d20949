#include "ui/picture_widget.h"

#include <QPainter>

namespace ui {

void PictureWidget::setImage(const QImage& image) {
    image_ = image;
    update();
}

QSize PictureWidget::sizeHint() const {
    return image_.isNull() ? QSize(32, 32) : image_.size();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (image_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    painter.drawImage(target, image_);
}

}  // namespace ui
