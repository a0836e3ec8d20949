// A picture control: its image scaled to fit, keeping its proportions.
#pragma once

#include <QImage>
#include <QWidget>

namespace ui {

class PictureWidget : public QWidget {
  public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {}

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

}  // namespace ui
