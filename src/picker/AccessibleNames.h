#pragma once

// What a screen reader hears of the colour controls of the picker: the palette cells, the
// brightness strip and the new and old colour boxes.

#include <QString>
#include <cstdint>

// A palette cell's accessible name: its colour and place, rows and columns counted from 1 (cell
// i lies in row i / 18 and column i % 18 counted from 0): "FF8080, row 6, column 1" for cell 90.
QString PaletteCellAccessibleName(int index, int32_t color);

// The brightness strip's accessible name: "Brightness variants of FF8011".
QString BrightnessStripAccessibleName(int32_t base);

// The accessible names of the current and old colour boxes: "New Color FF8011",
// "Old Color FF8011" (their captions without the colon, and the colour).
QString NewColorAccessibleName(int32_t color);
QString OldColorAccessibleName(int32_t color);
