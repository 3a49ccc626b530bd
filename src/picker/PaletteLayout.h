#pragma once

// The palette's grid: 198 cells in rows of 18, numbered row by row from the top left.
inline constexpr int PaletteCells = 198;
inline constexpr int PaletteColumns = 18;
