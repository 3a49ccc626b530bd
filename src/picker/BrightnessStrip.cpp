#include "picker/BrightnessStrip.h"

#include <QMouseEvent>
#include <QPainter>

#include "picker/ColorBoxes.h"

BrightnessStrip::BrightnessStrip(QWidget* parent)
    : QFrame(parent), image_(DrawWidth, DrawHeight, QImage::Format_RGB32) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(Border);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(Qt::white);
    setCursor(Qt::SizeAllCursor);
}

void BrightnessStrip::drawRow(int y, int32_t color) {
    if (y < 0 || y >= DrawHeight)
        return;
    const QRgb rgb = colorFromPacked(color).rgb();
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(line, line + DrawWidth, rgb);
}

int32_t BrightnessStrip::Point(int x, int y) const {
    return packedFromRgb(image_.pixel(x, y));
}

void BrightnessStrip::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(Border, Border, image_);
}

void BrightnessStrip::mousePressEvent(QMouseEvent* event) {
    report(event);
}

void BrightnessStrip::mouseMoveEvent(QMouseEvent* event) {
    report(event);
}

void BrightnessStrip::report(QMouseEvent* event) {
    const int buttons = mouseButtonMask(event);
    const int shift = mouseShiftMask(event);
    const QPointF at = event->position();
    emit mouseMoved(buttons, shift, float(at.x()) - Border, float(at.y()) - Border);
}
