#include "picker/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

MenuKeysFirst::MenuKeysFirst(QWidget* window) : QObject(window), window_(window) {
    for (QAction* action : window->findChildren<QAction*>())
        if (!action->shortcut().isEmpty())
            shortcuts_ << action;
    qApp->installEventFilter(this);
}

bool MenuKeysFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != window_)
        return false;
    // A control that accepts the override keeps the key for itself; refusing it here lets the
    // menu's shortcut run.
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : shortcuts_)
        if (action->isEnabled() && action->shortcut() == pressed)
            return true;
    return false;
}
