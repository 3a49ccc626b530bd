#pragma once

// The brightness strip: a picture with a 2-pixel sunken border whose 56 x 186 drawing area
// keeps what was drawn in an image of its own. Mouse moves with a button held (and the press
// itself) are reported in drawing-area pixels with the button mask (1 left, 2 right, 4 middle).
// The keyboard's pick point is a row of the drawing area, marked at both edges while the strip
// has the focus; a left-button pick with the mouse moves it too.

#include <QFrame>
#include <QImage>
#include <cstdint>

class BrightnessStrip : public QFrame {
    Q_OBJECT
public:
    static constexpr int DrawWidth = 56;
    static constexpr int DrawHeight = 186;
    static constexpr int Border = 2;

    explicit BrightnessStrip(QWidget* parent = nullptr);

    int ScaleHeight() const { return DrawHeight; }
    // Fills row y (0 at the top of the drawing area) across the full width; rows outside
    // the drawing area are ignored. The strip is repainted at the next update().
    void drawRow(int y, int32_t color);
    // The colour drawn at a pixel of the drawing area.
    int32_t Point(int x, int y) const;

    int KeyRow() const { return keyRow_; }
    // Moves the pick point to a row (kept within the drawing area).
    void setKeyRow(int row);

signals:
    void mouseMoved(int button, int shift, float x, float y);
    // Every key pressed while the strip has the focus, as a Qt::Key.
    void keyDown(int key);
    // A row to pick, asked for through the strip's accessible value.
    void rowRequested(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void report(QMouseEvent* event);
    // Where the marks of the pick point at a row are drawn.
    QRect pickPointRect(int row) const;

    QImage image_;
    int keyRow_ = 0;
};
