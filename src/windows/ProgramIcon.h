#pragma once

#include <QIcon>

// The program's icon: palette cells, the brightness strip and the marker, as the desktop entry
// shows it.
QIcon ProgramIcon();
