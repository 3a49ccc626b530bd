#pragma once

// Where the keyboard moves on the palette and on the brightness strip. Keys are Qt::Key values;
// modifiers play no part.

// The palette cell that a key moves the focus ring to, on a grid of `rows` by `columns` cells
// numbered row by row from 0: the arrow keys one cell, stopping at the grid's edges; Home and
// End the first and last cell of the row; Page Up and Page Down the cell of the same column in
// the first and last row. -1 for any other key.
int PaletteKeyMove(int index, int key, int rows, int columns);

// The strip row that a key picks, rows 0 to lastRow from the top: Up and Down one row up or
// down, staying within the strip; Home row 0; End lastRow. -1 for any other key.
int StripKeyRow(int row, int key, int lastRow);
