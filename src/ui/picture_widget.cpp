#include "picture_widget.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace ui {

void PictureWidget::setImage(const QImage& image) {
    image_ = image;
    encoded_.clear();
    update();
}

void PictureWidget::setEncodedImage(const QByteArray& base64) {
    image_ = QImage();
    encoded_ = base64;
    update();
}

const QImage& PictureWidget::image() const {
    if (!encoded_.isEmpty()) {
        QByteArray png = QByteArray::fromBase64(encoded_);
        QBuffer buffer(&png);
        // Straight to the built-in PNG reader: guessing would load and ask
        // every image format plugin first.
        QImageReader reader(&buffer, "PNG");
        reader.setAutoDetectImageFormat(false);
        image_ = reader.read();
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
