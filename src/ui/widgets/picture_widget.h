// SPDX-License-Identifier: MIT
// A picture control: its image scaled to fit, keeping its proportions.
//
// An image given as SVG text keeps its source and is drawn from it at the
// screen's pixel density, on first paint and again when the density or the
// control's size changes, so it is as sharp as the text around it. A raster
// image read from a panel file (PNG in base64) is decoded only when first
// needed, so a hidden picture costs nothing at start-up.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace ui {

class PictureWidget : public QWidget {
    Q_OBJECT

  public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {}

    void setImage(const QImage& image);
    void setEncodedImage(const QByteArray& base64);
    void setSvg(const QByteArray& svg);
    const QByteArray& svg() const { return svg_; }
    // The image at its own size; for SVG, drawn at one pixel per unit.
    const QImage& image() const;
    QSize sizeHint() const override;

    // Where the image lies in the control.
    QRect imageRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSize ownSize() const;
    const QPixmap& drawnSvg(const QSize& size, qreal ratio);

    mutable QImage image_;
    mutable QByteArray encoded_;  // base64 PNG, not decoded yet
    QByteArray svg_;
    mutable QSize svgSize_;  // read from svg_ when first needed
    QPixmap drawn_;          // svg_ at the size and density last painted
};

}  // namespace ui
