#pragma once

// Menu shortcuts come before a focused control's own keys, wherever the keyboard focus is in
// the window: Ctrl+A opens About from a text box instead of selecting its text.

#include <QList>
#include <QObject>

class QAction;
class QWidget;

class MenuKeysFirst : public QObject {
public:
    // Watches the key presses of the window's controls for as long as the window lives. Made
    // once the window's menus are complete: their shortcuts are taken then.
    explicit MenuKeysFirst(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QList<QAction*> shortcuts_; // the window's actions that have a shortcut
};
