#include "page/ContrastReadout.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "platform/ClickWatcher.h"

namespace {

// The warning sign at the left of a marked readout: 11 x 10 pixels, with room around it.
constexpr qreal SignWidth = 11;
constexpr qreal SignHeight = 10;
constexpr int SignLeft = 3;
constexpr int TextLeft = SignLeft + 11 + 4;

// A triangle with an exclamation mark: a shape that is read without its colour.
void drawWarningSign(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(box.center().x(), box.top());
    triangle.lineTo(box.right(), box.bottom());
    triangle.lineTo(box.left(), box.bottom());
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(0x80, 0x50, 0x00), 1));
    painter.setBrush(QColor(0xF5, 0xB7, 0x00));
    painter.drawPath(triangle);
    painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::FlatCap));
    const qreal x = box.center().x();
    painter.drawLine(QPointF(x, box.top() + 3.5), QPointF(x, box.bottom() - 3.5));
    painter.drawLine(QPointF(x, box.bottom() - 2.2), QPointF(x, box.bottom() - 0.7));
    painter.restore();
}

} // namespace

ContrastReadout::ContrastReadout(ContrastRole role, QWidget* parent) : QLabel(parent), role_(role) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The sign's room is kept whether or not it shows, so that the text never moves.
    setIndent(TextLeft);
    setFocusPolicy(Qt::StrongFocus);
    auto* clicks = new ClickWatcher(this);
    clicks->watch(this);
    connect(clicks, &ClickWatcher::clicked, this, [this] {
        if (belowAA_)
            emit fixRequested();
    });
}

void ContrastReadout::setColors(int32_t color, int32_t background, std::optional<int32_t> textColor,
                                std::optional<FixColors> fix) {
    const bool ratioChanges = color != color_ || background != background_;
    const FixColors basis = fix.value_or(FixColors{color, background});
    const bool fixChanges = basis.color != fixColor_ || basis.background != fixBackground_;
    if (!ratioChanges && !fixChanges && textColor == textColor_)
        return;
    color_ = color;
    background_ = background;
    textColor_ = textColor;
    if (fixChanges) {
        fixColor_ = basis.color;
        fixBackground_ = basis.background;
        fix_.reset();
    }
    if (ratioChanges) {
        ratio_ = ContrastRatio(color, background);
        const QString shown = ContrastReadoutText(role_, ratio_);
        if (shown != text()) {
            setText(shown);
            setAccessibleName(namePrefix_ + ContrastAccessibleName(role_, ratio_));
        }
        setMarked(ContrastVerdictOf(ratio_) < ContrastVerdict::AA);
    }
    // A readout with the focus is being read: its tooltip is kept whole.
    showTip(hasFocus());
}

void ContrastReadout::setNamePrefix(const QString& prefix) {
    if (prefix == namePrefix_)
        return;
    namePrefix_ = prefix;
    setAccessibleName(namePrefix_ + ContrastAccessibleName(role_, ratio_));
}

const ContrastFix& ContrastReadout::Fix() {
    if (!fix_)
        fix_ = NearestPassingColor(fixColor_, fixBackground_);
    return *fix_;
}

void ContrastReadout::setMarked(bool marked) {
    if (marked == belowAA_)
        return;
    belowAA_ = marked;
    // The text is drawn bold when marked; the label's font stays, as a change of font would
    // lay out the label anew on every crossing of AA during a drag.
    update();
    if (marked)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void ContrastReadout::showTip(bool withFix) {
    QString tip;
    if (belowAA_ && withFix)
        tip = ContrastFixTip(role_, Fix());
    if (textColor_) {
        if (!tip.isEmpty())
            tip += QLatin1Char('\n');
        tip += LinkDistinctionText(ContrastRatio(color_, *textColor_));
    }
    tipHasFix_ = withFix || !belowAA_;
    if (tip != toolTip())
        setToolTip(tip);
}

bool ContrastReadout::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !tipHasFix_)
        showTip(true);
    return QLabel::event(event);
}

void ContrastReadout::focusInEvent(QFocusEvent* event) {
    if (!tipHasFix_)
        showTip(true);
    QLabel::focusInEvent(event);
}

void ContrastReadout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    QFont shown = font();
    shown.setBold(belowAA_);
    painter.setFont(shown);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect().adjusted(indent(), 0, 0, 0), int(alignment()), text());
    if (belowAA_)
        drawWarningSign(painter, QRectF(frameWidth() + SignLeft, (height() - SignHeight) / 2,
                                        SignWidth, SignHeight));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ContrastReadout::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && belowAA_) {
        event->accept();
        if (!event->isAutoRepeat())
            emit fixRequested();
        return;
    }
    QLabel::keyPressEvent(event);
}
