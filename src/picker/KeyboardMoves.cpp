#include "picker/KeyboardMoves.h"

#include <Qt>
#include <algorithm>

int PaletteKeyMove(int index, int key, int rows, int columns) {
    const int row = index / columns;
    const int column = index % columns;
    const auto at = [columns](int r, int c) { return r * columns + c; };
    switch (key) {
    case Qt::Key_Left:
        return at(row, std::max(column - 1, 0));
    case Qt::Key_Right:
        return at(row, std::min(column + 1, columns - 1));
    case Qt::Key_Up:
        return at(std::max(row - 1, 0), column);
    case Qt::Key_Down:
        return at(std::min(row + 1, rows - 1), column);
    case Qt::Key_Home:
        return at(row, 0);
    case Qt::Key_End:
        return at(row, columns - 1);
    case Qt::Key_PageUp:
        return at(0, column);
    case Qt::Key_PageDown:
        return at(rows - 1, column);
    default:
        return -1;
    }
}

int StripKeyRow(int row, int key, int lastRow) {
    switch (key) {
    case Qt::Key_Up:
        return std::clamp(row - 1, 0, lastRow);
    case Qt::Key_Down:
        return std::clamp(row + 1, 0, lastRow);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return lastRow;
    default:
        return -1;
    }
}
