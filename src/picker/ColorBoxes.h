#pragma once

// The controls of the main window that show nothing but a packed RGB colour (red in the low
// byte) and keep it as their state: the colour labels, the background swatch and the palette
// cells with their marker; and the mouse masks they share with the strip.

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "colour/ColorVision.h"
#include "platform/QtColor.h"

class QMouseEvent;

// The buttons held during a mouse event as a mask: 1 left, 2 right, 4 middle.
int mouseButtonMask(const QMouseEvent* event);
// The button that went down in a mouse-press event, in the same mask form.
int mouseDownButton(const QMouseEvent* event);
// The keys held during a mouse event as a mask: 1 Shift, 2 Ctrl, 4 Alt.
int mouseShiftMask(const QMouseEvent* event);

// A rectangle filled with its back colour; the colour labels and the background swatch.
class ColorBox : public QWidget {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent = nullptr);
    int32_t BackColor() const { return backColor_; }
    void setBackColor(int32_t color);
    // Keeps the accessible name as nameOf gives it for the back colour, from now on.
    void setNamedByColor(QString (*nameOf)(int32_t color));
    // A picture box takes the keyboard focus when it is clicked itself, not when one of the
    // labels on it is.
    void setTakesFocusOnClick(bool takes) { takesFocus_ = takes; }
    // The box paints its colour as seen with this vision; BackColor stays the colour itself.
    void setVision(ColorVision vision);
    // The box paints this colour in place of its own (the page's dark variant), or its own
    // again; BackColor stays the colour itself.
    void setShownColor(std::optional<int32_t> shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int32_t backColor_ = 0xFFFFFF;
    bool takesFocus_ = false;
    QString (*nameOf_)(int32_t) = nullptr;
    ColorVision vision_ = ColorVision::Normal;
    std::optional<int32_t> shown_;
};

// One palette cell: its colour, its place in twips and its index in the palette.
class PaletteCell : public ColorBox {
    Q_OBJECT
public:
    PaletteCell(int index, QWidget* parent);
    int Index() const { return index_; }
    int LeftTwips = 0;
    int TopTwips = 0;
    int WidthTwips = 315;
    int HeightTwips = 255;
    void placeTwips(int left, int top);

signals:
    // Mouse-down with the mask of the button that went down (1 left, 2 right, 4 middle) and
    // the shift mask.
    void mouseDown(int index, int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int index_;
};

// The marker drawn over the palette cell of the current colour.
class SelectorShape : public QWidget {
    Q_OBJECT
public:
    explicit SelectorShape(QWidget* parent = nullptr);
    int LeftTwips = 0;
    int TopTwips = 0;
    void moveTwips(int left, int top);

protected:
    void paintEvent(QPaintEvent* event) override;
};
