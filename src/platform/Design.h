#pragma once

// What every window's design shares: the interface font its captions were measured for.

#include <QFont>
#include <QStringList>

// 8 points in a family with the metrics of Arial, which the set-up installs; any sans-serif
// family where none of them is present.
inline QFont InterfaceFont(qreal pointSize = 8) {
    QFont font(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                           QStringLiteral("Arimo")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}
