#pragma once

#include <QIcon>

// The program's icon: a small grid of palette colours, drawn rather than loaded.
QIcon ProgramIcon();
