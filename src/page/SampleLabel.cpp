#include "page/SampleLabel.h"

#include <QPainter>

#include "platform/QtColor.h"

SampleLabel::SampleLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void SampleLabel::setForeColor(int32_t color) {
    if (color == foreColor_)
        return;
    foreColor_ = color;
    update();
}

void SampleLabel::setVision(ColorVision vision) {
    if (vision == vision_)
        return;
    vision_ = vision;
    update();
}

void SampleLabel::setShownColor(std::optional<int32_t> shown) {
    if (shown == shown_)
        return;
    shown_ = shown;
    update();
}

void SampleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(colorFromPacked(SimulateColorVision(shown_.value_or(foreColor_), vision_)));
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextWordWrap, text());
}
