#include "picker/PaletteFrame.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "picker/ColorBoxes.h"

namespace {

// Two pixels of alternating black and white dashes around a cell, one pixel outside it and one
// on its edge: it shows on every colour and cannot be taken for the marker, a solid outline
// inside the cell.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect outer = rect().adjusted(0, 0, -1, -1);
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        for (const auto& [r, first, second] :
             {std::tuple{outer, Qt::black, Qt::white}, std::tuple{inner, Qt::white, Qt::black}}) {
            painter.setPen(QPen(first, 1));
            painter.drawRect(r);
            QPen dashes(second, 1, Qt::CustomDashLine);
            dashes.setDashPattern({2, 2});
            painter.setPen(dashes);
            painter.drawRect(r);
        }
    }
};

} // namespace

PaletteFrame::PaletteFrame(QWidget* parent) : QWidget(parent), ring_(new FocusRing(this)) {
    setFocusPolicy(Qt::TabFocus);
    ring_->hide();
}

void PaletteFrame::setCells(const QList<PaletteCell*>& cells) {
    cells_ = cells;
    placeRing();
    ring_->raise();
}

void PaletteFrame::setRingIndex(int index) {
    if (index < 0 || index >= cells_.size())
        return;
    ringIndex_ = index;
    placeRing();
    if (hasFocus() && !takingFocus_)
        announceRing();
}

void PaletteFrame::placeRing() {
    if (ringIndex_ >= cells_.size())
        return;
    ring_->setGeometry(cells_[ringIndex_]->geometry().adjusted(-1, -1, 1, 1));
}

void PaletteFrame::announceRing() {
    if (ringIndex_ >= cells_.size() || !hasFocus())
        return;
    QAccessibleEvent event(cells_[ringIndex_], QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void PaletteFrame::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
}

void PaletteFrame::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    takingFocus_ = true;
    emit gotFocus();
    takingFocus_ = false;
    ring_->show();
    // After the window system has been told that the frame itself has the focus.
    QMetaObject::invokeMethod(this, &PaletteFrame::announceRing, Qt::QueuedConnection);
}

void PaletteFrame::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    ring_->hide();
}
