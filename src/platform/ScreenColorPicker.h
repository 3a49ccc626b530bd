#pragma once

// Picking the colour of one pixel anywhere on the screen. A pick runs asynchronously: start()
// turns the cursor into a cross, and the pick ends with exactly one signal, picked() for a
// left click or cancelled() for Esc, a right click or a desktop that refused. Where the
// desktop gives programs no way to read the screen, available() is false and
// unavailableReason() says why in a few words, fit for a tooltip.

#include <QObject>
#include <QString>
#include <memory>

class ScreenColorPicker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether picking works here. A picker that has to ask the desktop first answers false
    // until it knows, and says so by availabilityChanged().
    virtual bool available() const = 0;
    // Empty while available() is true.
    virtual QString unavailableReason() const = 0;
    // True when a pick has begun; it then ends with one signal, never from within start().
    // False, and no signal, when picking is unavailable or a pick is already running.
    virtual bool start() = 0;
    virtual bool isPicking() const = 0;

signals:
    // The pixel's colour, packed as red + green * 256 + blue * 65536.
    void picked(int color);
    void cancelled();
    void availabilityChanged();
};

// The picker for the running display: the pointer grab on X11, the desktop portal on
// Wayland, and one that only explains itself anywhere else.
std::unique_ptr<ScreenColorPicker> CreateScreenColorPicker();
