// SPDX-License-Identifier: MIT
// Bitmaps behind handles: from SVG text, from a panel or control as shown, to
// and from the system clipboard, into picture controls and PNG files.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include "controls/controls.h"
#include "widgets/picture_widget.h"

namespace ui {

void setPicture(Control& control, const Bitmap& bitmap) {
    auto* picture = static_cast<PictureWidget*>(control.widget);
    if (bitmap.svg.isEmpty()) {
        picture->setImage(bitmap.image);
    } else {
        picture->setSvg(bitmap.svg);
    }
}

QImage pictureOf(const Control& control) {
    return static_cast<const PictureWidget*>(control.widget)->image();
}

namespace {

int Keep(const QImage& image, int* bitmap, const QByteArray& svg = {}) {
    Runtime& rt = runtime();
    *bitmap = rt.nextBitmap++;
    rt.bitmaps[*bitmap] = Bitmap{image, svg};
    return 0;
}

int FindBitmap(int bitmap, Bitmap** image) {
    auto it = runtime().bitmaps.find(bitmap);
    if (it == runtime().bitmaps.end()) {
        return fail(UIEBadBitmap, "no bitmap " + std::to_string(bitmap));
    }
    *image = &it->second;
    return 0;
}

}  // namespace
}  // namespace ui

using namespace ui;

Rect MakeRect(int top, int left, int height, int width) {
    return {top, left, height, width};
}

// The image is drawn at the size the document gives, on a transparent ground;
// a picture that takes it draws it again from the text at its own density.
int GetUserBitmapFromText(const char* text, int version, int* bitmap) {
    *bitmap = 0;
    if (version != VAL_SVG_IMAGE_TEXT || text == nullptr) {
        return fail(UIEBadBitmap, "image text of an unknown encoding");
    }
    if (!runtime().app) {
        return fail(UIENotInitialized, "GetUserBitmapFromText before InitCVIRTE");
    }
    const QByteArray svg(text);
    QSvgRenderer renderer(svg);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty()) {
        return fail(UIEBadBitmap, "image text is no SVG document");
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return Keep(image, bitmap, svg);
}

int GetPanelDisplayBitmap(int panel, int, Rect area, int* bitmap) {
    *bitmap = 0;
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    const QSize size = p->widget->size();
    const int height = area.height < 0 ? size.height() - area.top : area.height;
    const int width = area.width < 0 ? size.width() - area.left : area.width;
    if (area.top < 0 || area.left < 0 || height <= 0 || width <= 0) {
        return fail(UIEBadValue, "rectangle outside the panel");
    }
    const QImage image = p->widget->grab(QRect(area.left, area.top, width, height)).toImage();
    if (image.isNull()) {
        return fail(UIEBadBitmap, "the panel cannot be drawn");
    }
    return Keep(image, bitmap);
}

int GetCtrlDisplayBitmap(int panel, int control, int, int* bitmap) {
    *bitmap = 0;
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    const QImage image = c->widget->grab().toImage();
    if (image.isNull()) {
        return fail(UIEBadBitmap, "the control cannot be drawn");
    }
    return Keep(image, bitmap);
}

int SaveBitmapToPNGFile(int bitmap, const char* path) {
    Bitmap* image;
    if (int status = FindBitmap(bitmap, &image); status < 0) {
        return status;
    }
    QSaveFile file(QString::fromUtf8(path ? path : ""));
    if (!file.open(QIODevice::WriteOnly) || !image->image.save(&file, "PNG") || !file.commit()) {
        return fail(UIEFileWrite, file.errorString().toStdString());
    }
    return 0;
}

int GetBitmapSize(int bitmap, int* width, int* height) {
    Bitmap* image;
    if (int status = FindBitmap(bitmap, &image); status < 0) {
        return status;
    }
    *width = image->image.width();
    *height = image->image.height();
    return 0;
}

int SetCtrlBitmap(int panel, int control, int, int bitmap) {
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    if (c->kind != CTRL_PICTURE) {
        return fail(UIEBadControlId, "control " + std::to_string(control) + " is no picture");
    }
    Bitmap* image;
    if (int status = FindBitmap(bitmap, &image); status < 0) {
        return status;
    }
    setPicture(*c, *image);
    return 0;
}

int ClipboardPutBitmap(int bitmap) {
    Bitmap* image;
    if (int status = FindBitmap(bitmap, &image); status < 0) {
        return status;
    }
    QGuiApplication::clipboard()->setImage(image->image);
    return 0;
}

int ClipboardPutBitmap(int bitmap, const char* text) {
    Bitmap* image;
    if (int status = FindBitmap(bitmap, &image); status < 0) {
        return status;
    }
    auto* data = new QMimeData;  // the clipboard takes it over
    data->setImageData(image->image);
    data->setText(QString::fromUtf8(text ? text : ""));
    QGuiApplication::clipboard()->setMimeData(data);
    return 0;
}

int ClipboardPutText(const char* text) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "ClipboardPutText before InitCVIRTE");
    }
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text ? text : ""));
    return 0;
}

int ClipboardGetBitmap(int* bitmap, int* available) {
    *bitmap = 0;
    *available = 0;
    if (!runtime().app) {
        return fail(UIENotInitialized, "ClipboardGetBitmap before InitCVIRTE");
    }
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        return 0;
    }
    *available = 1;
    return Keep(image, bitmap);
}

int DiscardBitmap(int bitmap) {
    if (runtime().bitmaps.erase(bitmap) == 0) {
        return fail(UIEBadBitmap, "no bitmap " + std::to_string(bitmap));
    }
    return 0;
}
