#include "picker/ComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this] {
        if (!typing_)
            emit Click();
    });
}

ComboBox::~ComboBox() {
    // The list box loses its text box's focus while it is taken down; that is no choice.
    lineEdit()->removeEventFilter(this);
    disconnect(this, nullptr, this, nullptr);
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event) {
    // The list activates the item that matches the typed text when Enter is pressed or the
    // box is left; those activations come from typing, not from the list.
    bool typed = event->type() == QEvent::FocusOut;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        typed = key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    if (watched != lineEdit() || !typed)
        return QComboBox::eventFilter(watched, event);
    const QScopedValueRollback<bool> guard(typing_, true);
    static_cast<QObject*>(lineEdit())->event(event);
    return true;
}
