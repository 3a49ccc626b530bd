#include "picker/BrightnessStrip.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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

void BrightnessStrip::setKeyRow(int row) {
    row = std::clamp(row, 0, DrawHeight - 1);
    if (row == keyRow_)
        return;
    // Only the rows of the old and the new pick point are drawn again: a drag moves it on every
    // pick.
    if (hasFocus()) {
        update(pickPointRect(keyRow_));
        update(pickPointRect(row));
    }
    keyRow_ = row;
    QAccessibleValueChangeEvent event(this, row);
    QAccessible::updateAccessibility(&event);
}

QRect BrightnessStrip::pickPointRect(int row) const {
    return QRect(0, Border + row - 5, width(), 11);
}

void BrightnessStrip::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(Border, Border, image_);
    if (!hasFocus())
        return;
    // The pick point: a black arrow head with a white edge pointing in from each side.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    const qreal y = Border + keyRow_ + 0.5;
    const qreal left = Border;
    const qreal right = Border + DrawWidth;
    painter.drawPolygon(QPolygonF{{left, y - 4}, {left + 5, y}, {left, y + 4}});
    painter.drawPolygon(QPolygonF{{right, y - 4}, {right - 5, y}, {right, y + 4}});
}

void BrightnessStrip::mousePressEvent(QMouseEvent* event) {
    report(event);
}

void BrightnessStrip::mouseMoveEvent(QMouseEvent* event) {
    report(event);
}

void BrightnessStrip::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
}

void BrightnessStrip::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void BrightnessStrip::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

void BrightnessStrip::report(QMouseEvent* event) {
    const int buttons = mouseButtonMask(event);
    const int shift = mouseShiftMask(event);
    const QPointF at = event->position();
    const float x = float(at.x()) - Border;
    const float y = float(at.y()) - Border;
    if (buttons == 1)
        setKeyRow(int(y));
    emit mouseMoved(buttons, shift, x, y);
}
