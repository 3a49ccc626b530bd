#include "platform/ClickWatcher.h"

#include <QMouseEvent>
#include <QWidget>

void ClickWatcher::watch(QWidget* control) {
    control->installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        pressed_ = press->button() == Qt::LeftButton ? watched : nullptr;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        auto* control = static_cast<QWidget*>(watched);
        const bool click = pressed_ == watched && release->button() == Qt::LeftButton &&
                           control->rect().contains(release->position().toPoint());
        pressed_ = nullptr;
        if (click)
            emit clicked(control);
    }
    return false;
}
