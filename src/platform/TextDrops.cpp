#include "platform/TextDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

void TextDropWatcher::watch(QWidget* control) {
    control->setAcceptDrops(true);
    control->installEventFilter(this);
}

bool TextDropWatcher::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData() && drag->mimeData()->hasText())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData() || !drop->mimeData()->hasText())
            return false;
        drop->acceptProposedAction();
        emit dropped(drop->mimeData()->text());
        return true;
    }
    default:
        return false;
    }
}
