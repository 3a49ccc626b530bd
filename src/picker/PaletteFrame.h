#pragma once

// The picture box that holds the palette's cells and takes the keyboard for them. The cells
// never take the focus themselves; the frame does, by Tab only, so that a click on a cell leaves
// the focus where it was. While the frame has the focus a ring, unlike the marker of the current
// colour, shows the cell under keyboard control, and a screen reader is told that this cell has
// the focus.

#include <QList>
#include <QWidget>

class PaletteCell;

class PaletteFrame : public QWidget {
    Q_OBJECT
public:
    explicit PaletteFrame(QWidget* parent = nullptr);

    // The cells in palette order, once they all exist; the ring is drawn above them.
    void setCells(const QList<PaletteCell*>& cells);
    const QList<PaletteCell*>& Cells() const { return cells_; }
    int RingIndex() const { return ringIndex_; }
    // Puts the ring on a cell.
    void setRingIndex(int index);

signals:
    // Every key pressed while the frame has the focus, as a Qt::Key.
    void keyDown(int key);
    // The frame has just taken the focus; the ring shows once the handlers have run.
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void placeRing();
    // Tells a screen reader that the ring's cell has the focus.
    void announceRing();

    QList<PaletteCell*> cells_;
    QWidget* ring_;
    int ringIndex_ = 0;
    bool takingFocus_ = false;
};
