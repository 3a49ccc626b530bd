#include "windows/ProgramIcon.h"

QIcon ProgramIcon() {
    // Rendered at build time from the installed SVG icon, so the window shows the same picture
    // as the desktop's menu; a PNG needs no image plugin.
    return QIcon(QStringLiteral(":/icons/org.tintara.Tintara.png"));
}
