#include "platform/X11ScreenColorPicker.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "platform/QtColor.h"

namespace {
// Another program (or a menu of this one that is just closing) may hold the pointer for a
// moment; the grab is tried this many times, this far apart, before the pick is cancelled.
constexpr int GrabAttempts = 10;
constexpr int GrabRetryMs = 20;
} // namespace

class X11ScreenColorPicker::GrabWindow : public QWidget {
public:
    explicit GrabWindow(X11ScreenColorPicker& picker)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                               Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
          picker_(picker) {
        setObjectName(QStringLiteral("screenColorPickerGrab"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setCursor(Qt::CrossCursor);
    }

    Qt::MouseButton pressed = Qt::NoButton;
    std::optional<int> pressedColor;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (pressed != Qt::NoButton)
            return;
        if (event->button() == Qt::LeftButton)
            pressedColor = ScreenPixelColor(event->globalPosition());
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
            pressed = event->button();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != pressed)
            return;
        picker_.finish(pressed == Qt::LeftButton ? pressedColor : std::nullopt);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape)
            picker_.finish(std::nullopt);
    }

private:
    X11ScreenColorPicker& picker_;
};

X11ScreenColorPicker::X11ScreenColorPicker() = default;
X11ScreenColorPicker::~X11ScreenColorPicker() = default;

bool X11ScreenColorPicker::start() {
    if (picking_)
        return false;
    if (!window_)
        window_ = std::make_unique<GrabWindow>(*this);
    window_->pressed = Qt::NoButton;
    window_->pressedColor.reset();
    // Just outside the bounding box of all screens, so that it covers no pixel to be picked.
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QPoint corner = primary ? primary->virtualGeometry().topLeft() : QPoint();
    window_->setGeometry(QRect(corner - QPoint(2, 2), QSize(1, 1)));
    window_->show();
    picking_ = true;
    grabAttempts_ = 0;
    tryGrab();
    return true;
}

void X11ScreenColorPicker::tryGrab() {
    // The window system's grabs first, because only they tell whether they were granted.
    // The widget's grabs then route every mouse and key event of the program to the window,
    // show the cross cursor and are taken again when a menu of the program closes.
    QWindow* handle = window_->windowHandle();
    const bool mouse = handle && handle->setMouseGrabEnabled(true);
    const bool keyboard = mouse && handle->setKeyboardGrabEnabled(true);
    if (keyboard) {
        window_->grabMouse(Qt::CrossCursor);
        window_->grabKeyboard();
        return;
    }
    if (mouse)
        handle->setMouseGrabEnabled(false);
    if (++grabAttempts_ < GrabAttempts)
        QTimer::singleShot(GrabRetryMs, this, [this] { tryGrab(); });
    else
        QTimer::singleShot(0, this, [this] { finish(std::nullopt); });
}

void X11ScreenColorPicker::finish(std::optional<int> color) {
    if (!picking_)
        return;
    picking_ = false;
    window_->releaseKeyboard();
    window_->releaseMouse();
    window_->hide();
    if (color)
        emit picked(*color);
    else
        emit cancelled();
}

std::optional<int> ScreenPixelColor(QPointF globalPosition) {
    QScreen* screen = QGuiApplication::screenAt(globalPosition.toPoint());
    if (!screen)
        return std::nullopt;
    const QPointF local = globalPosition - screen->geometry().topLeft();
    const QPoint cell(int(std::floor(local.x())), int(std::floor(local.y())));
    const QPixmap grabbed = screen->grabWindow(0, cell.x(), cell.y(), 1, 1);
    const QImage image = grabbed.toImage();
    if (image.isNull())
        return std::nullopt;
    // On a scaled screen one device-independent pixel covers several device pixels: take
    // the one under the point itself.
    const qreal ratio = grabbed.devicePixelRatio();
    const int x = qBound(0, int((local.x() - cell.x()) * ratio), image.width() - 1);
    const int y = qBound(0, int((local.y() - cell.y()) * ratio), image.height() - 1);
    return packedFromRgb(image.pixel(x, y));
}
