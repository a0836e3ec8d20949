// A picture control: its image scaled to fit, keeping its proportions. An
// image read from a panel file (PNG in base64) is decoded only when first
// needed, so a hidden picture costs nothing at start-up.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

namespace ui {

class PictureWidget : public QWidget {
  public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {}

    void setImage(const QImage& image);
    void setEncodedImage(const QByteArray& base64);
    const QImage& image() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    mutable QImage image_;
    mutable QByteArray encoded_;  // base64 PNG, not decoded yet
};

}  // namespace ui
