#include "windows/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon ProgramIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // Four rows of four cells: hues across, saturation down, as in the palette.
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            painter.fillRect(col * 8, row * 8, 7, 7, QColor::fromHsv(col * 90, 80 + row * 58, 255));
    painter.end();
    return QIcon(pixmap);
}
