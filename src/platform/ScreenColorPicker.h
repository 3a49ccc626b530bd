#pragma once

// Picking the colour of one pixel anywhere on the screen. A pick runs asynchronously: start()
// turns the cursor into a cross, and the pick ends with exactly one signal: picked() for a
// left click, cancelled() for Esc or a right click, failed() with the reason when the desktop
// could not run it. Where the display gives programs no way to read the screen, available() is
// false and unavailableReason() says why in a few words, fit for a tooltip.

#include <QObject>
#include <QString>
#include <memory>

class ScreenColorPicker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether picking can be tried here. A picker that asks the desktop learns whether the
    // desktop can pick only when a pick is tried, and says so then by failed().
    virtual bool available() const = 0;
    // Empty while available() is true.
    virtual QString unavailableReason() const = 0;
    // True when a pick has begun; it then ends with one signal, never from within start().
    // False, and no signal, when picking is unavailable or the picker cannot begin another pick
    // while one runs. (A picker that waits on the desktop replaces a waiting pick instead.)
    virtual bool start() = 0;
    virtual bool isPicking() const = 0;

signals:
    // The pixel's colour, packed as red + green * 256 + blue * 65536.
    void picked(int color);
    void cancelled();
    // The pick could not run or could not end well; the reason is a sentence for the user.
    void failed(const QString& reason);
};

// Which picker serves a session. Every Wayland session (WAYLAND_DISPLAY set, or
// XDG_SESSION_TYPE "wayland") gets the desktop portal, whatever platform Qt runs on: on
// XWayland the pointer grab could not read the native Wayland windows. Other X11 displays get
// the pointer grab; anything else (the offscreen platform of tests) none.
enum class ScreenPickerKind { X11, Portal, None };
ScreenPickerKind ScreenPickerKindFor(const QString& qtPlatform, const QString& waylandDisplay,
                                     const QString& sessionType);

// The picker for the running session, as ScreenPickerKindFor chooses it from Qt's platform and
// the environment.
std::unique_ptr<ScreenColorPicker> CreateScreenColorPicker();
