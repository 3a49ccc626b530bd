#pragma once

// Picking on X11. A one-pixel frameless window, placed off the screens, grabs the pointer
// and the keyboard with a cross cursor, so that the next click anywhere on the screen comes
// to it; the colour is then read from the screen at the click's position. The pick is taken
// at the left button's press and reported at its release, so that no other window sees half
// a click; a right click reports a cancel at its release, Esc at once.

#include "platform/ScreenColorPicker.h"

#include <QPointF>
#include <optional>

class X11ScreenColorPicker : public ScreenColorPicker {
    Q_OBJECT
public:
    X11ScreenColorPicker();
    ~X11ScreenColorPicker() override;

    bool available() const override { return true; }
    QString unavailableReason() const override { return {}; }
    bool start() override;
    bool isPicking() const override { return picking_; }

private:
    class GrabWindow;

    void tryGrab();
    void finish(std::optional<int> color);

    std::unique_ptr<GrabWindow> window_;
    bool picking_ = false;
    int grabAttempts_ = 0;
};

// The colour of the screen's pixel under a point in Qt's global, device-independent
// coordinates, packed as red + green * 256 + blue * 65536; nullopt outside every screen.
std::optional<int> ScreenPixelColor(QPointF globalPosition);
