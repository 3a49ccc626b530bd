#include "picker/ColorBoxes.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/Twips.h"

namespace {
constexpr Qt::MouseButtons kMaskedButtons = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
}

int mouseButtonMask(const QMouseEvent* event) {
    return static_cast<int>(event->buttons() & kMaskedButtons);
}

int mouseDownButton(const QMouseEvent* event) {
    return static_cast<int>(event->button() & kMaskedButtons);
}

int mouseShiftMask(const QMouseEvent* event) {
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    return shift;
}

ColorBox::ColorBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorBox::setBackColor(int32_t color) {
    if (color == backColor_)
        return;
    backColor_ = color;
    if (nameOf_)
        setAccessibleName(nameOf_(color));
    update();
}

void ColorBox::setNamedByColor(QString (*nameOf)(int32_t color)) {
    nameOf_ = nameOf;
    setAccessibleName(nameOf_(backColor_));
}

void ColorBox::setVision(ColorVision vision) {
    if (vision == vision_)
        return;
    vision_ = vision;
    update();
}

void ColorBox::setShownColor(std::optional<int32_t> shown) {
    if (shown == shown_)
        return;
    shown_ = shown;
    update();
}

void ColorBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(),
                     colorFromPacked(SimulateColorVision(shown_.value_or(backColor_), vision_)));
}

void ColorBox::mousePressEvent(QMouseEvent*) {
    if (takesFocus_)
        setFocus(Qt::MouseFocusReason);
}

PaletteCell::PaletteCell(int index, QWidget* parent) : ColorBox(parent), index_(index) {
    setObjectName(QStringLiteral("pc"));
    setBackColor(0xFFFFFF);
}

void PaletteCell::placeTwips(int left, int top) {
    LeftTwips = left;
    TopTwips = top;
    setGeometry(twipsRect(left, top, WidthTwips, HeightTwips));
}

void PaletteCell::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mouseDown(index_, mouseDownButton(event), mouseShiftMask(event),
                   pixelsToTwips(1) * float(at.x()), pixelsToTwips(1) * float(at.y()));
}

SelectorShape::SelectorShape(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("selector"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(twipsToPixels(285), twipsToPixels(225));
}

void SelectorShape::moveTwips(int left, int top) {
    LeftTwips = left;
    TopTwips = top;
    move(twipsToPixels(left), twipsToPixels(top));
}

void SelectorShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}
