// SPDX-License-Identifier: MIT
#include "widgets/picture_widget.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {

void PictureWidget::setImage(const QImage& image) {
    image_ = image;
    encoded_.clear();
    svg_.clear();
    svgSize_ = QSize();
    drawn_ = QPixmap();
    update();
}

void PictureWidget::setEncodedImage(const QByteArray& base64) {
    setImage(QImage());
    encoded_ = base64;
}

void PictureWidget::setSvg(const QByteArray& svg) {
    setImage(QImage());
    svg_ = svg;
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
    } else if (!svg_.isEmpty() && image_.isNull()) {
        QSvgRenderer renderer(svg_);
        if (renderer.isValid() && !renderer.defaultSize().isEmpty()) {
            image_ = QImage(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
            image_.fill(Qt::transparent);
            QPainter painter(&image_);
            renderer.render(&painter);
        }
    }
    return image_;
}

QSize PictureWidget::sizeHint() const {
    return ownSize().isEmpty() ? QSize(32, 32) : ownSize();
}

QSize PictureWidget::ownSize() const {
    if (svg_.isEmpty()) {
        return image().size();
    }
    if (svgSize_.isEmpty()) {
        svgSize_ = QSvgRenderer(svg_).defaultSize();
    }
    return svgSize_;
}

QRect PictureWidget::imageRect() const {
    const QSize fitted = ownSize().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

const QPixmap& PictureWidget::drawnSvg(const QSize& size, qreal ratio) {
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (drawn_.size() != pixels || drawn_.devicePixelRatio() != ratio) {
        drawn_ = QPixmap(pixels);
        drawn_.fill(Qt::transparent);
        QSvgRenderer renderer(svg_);
        QPainter painter(&drawn_);
        renderer.render(&painter);
        painter.end();
        drawn_.setDevicePixelRatio(ratio);
    }
    return drawn_;
}

void PictureWidget::paintEvent(QPaintEvent*) {
    const QRect target = imageRect();
    if (target.isEmpty()) {
        return;
    }
    QPainter painter(this);
    if (!svg_.isEmpty()) {
        painter.drawPixmap(target.topLeft(), drawnSvg(target.size(), devicePixelRatioF()));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image());
}

}  // namespace ui
