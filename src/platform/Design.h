#pragma once

// What every window's design shares: controls named and placed in twips, and the interface font
// their captions were measured for.

#include <QFont>
#include <QStringList>
#include <QWidget>

#include "platform/Twips.h"

// 8 points in a family with the metrics of Arial, which the set-up installs; any sans-serif
// family where none of them is present.
inline QFont InterfaceFont(qreal pointSize = 8) {
    QFont font(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                           QStringLiteral("Arimo")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

// Gives a control its design name, its place in twips (left, top, width, height) and the
// accessible name of a control that has no caption of its own.
template <typename W>
W* place(W* widget, const char* name, const QRect& twips, const QString& accessibleName = {}) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twipsRect(twips));
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

// Takes a control out of the keyboard's reach (Tab, Shift+Tab and clicks no longer give it the
// focus), or gives it back the focus policy it had before.
inline void setKeyboardReachable(QWidget* control, bool reachable) {
    const char* const kept = "reachableFocusPolicy";
    if (!reachable && control->focusPolicy() != Qt::NoFocus) {
        control->setProperty(kept, int(control->focusPolicy()));
        control->setFocusPolicy(Qt::NoFocus);
    } else if (reachable && control->property(kept).isValid()) {
        control->setFocusPolicy(Qt::FocusPolicy(control->property(kept).toInt()));
    }
}
