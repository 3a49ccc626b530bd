#pragma once

// Six-digit hexadecimal colour codes, the way the program writes and reads them.

#include <QString>
#include <cstdint>

// Six upper-case hex digits RRGGBB of a packed RGB colour (red in the low byte).
QString ColorToHex(int32_t color);

// Left-pads text with "0" to six characters; six or more characters are returned unchanged.
QString PadHex(const QString& text);

// The packed RGB colour that text describes. Everything up to and including the first "#" is
// removed from text (the caller's variable). Characters 1-2, 3-4 and 5-6 are red, green and
// blue, each read as a hexadecimal number: blanks, tabs and line feeds are skipped, either
// letter case, reading stops at the first non-hex character, no digits give 0.
int32_t HexToColor(QString& text);

// The value of an ASCII hexadecimal digit of either case, or -1.
int HexDigitValue(char16_t c);
