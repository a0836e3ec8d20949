#include "picture_widget.h"

#include <QPainter>

namespace ui {

void PictureWidget::setImage(const QImage& image) {
    image_ = image;
    encoded_.clear();
    update();
}

void PictureWidget::setEncodedImage(const QByteArray& png) {
    image_ = QImage();
    encoded_ = png;
    update();
}

const QImage& PictureWidget::image() const {
    if (!encoded_.isEmpty()) {
        image_ = QImage::fromData(encoded_, "PNG");
        encoded_.clear();
    }
    return image_;
}

QSize PictureWidget::sizeHint() const {
    return image().isNull() ? QSize(32, 32) : image().size();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    const QImage& picture = image();
    if (picture.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    painter.drawImage(target, picture);
}

}  // namespace ui
