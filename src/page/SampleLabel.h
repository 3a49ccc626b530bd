#pragma once

// A sample line of the colour display: transparent over the background swatch, its text in its
// fore colour (a packed RGB colour, red in the low byte).

#include <QLabel>
#include <cstdint>
#include <optional>

#include "colour/ColorVision.h"

class SampleLabel : public QLabel {
    Q_OBJECT
public:
    SampleLabel(const QString& text, QWidget* parent);
    int32_t ForeColor() const { return foreColor_; }
    void setForeColor(int32_t color);
    // The line paints its text as seen with this vision; ForeColor stays the colour itself.
    void setVision(ColorVision vision);
    // The line paints its text in this colour in place of its own (the page's dark variant),
    // or in its own again; ForeColor stays the colour itself.
    void setShownColor(std::optional<int32_t> shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A press on a sample line is the line's own; it does not reach the swatch below.
    void mousePressEvent(QMouseEvent*) override {}

private:
    int32_t foreColor_ = 0xFFFFFF;
    ColorVision vision_ = ColorVision::Normal;
    std::optional<int32_t> shown_;
};
