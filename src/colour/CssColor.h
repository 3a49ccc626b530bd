#pragma once

// Colour texts in any of the forms CSS has, as a designer copies them from a style sheet, a
// browser's developer tools or a design program, read into one opaque 8-bit colour.
//
// Read: "#rgb", "#rgba", "#rrggbb", "#rrggbbaa" and six hex digits without "#"; rgb() and
// rgba(), hsl() and hsla() with commas (all arguments numbers, or for rgb() all percentages)
// or with spaces and an optional "/ alpha"; hwb(), lab(), lch(), oklab(), oklch(),
// color(srgb ...) and color(display-p3 ...) with spaces only; the 148 named colours. Letters
// may be of either case and white space may surround the text. Hues take deg, rad, grad, turn
// or a plain number of degrees; an alpha is a number or a percentage; with spaces, "none"
// stands for 0. Values CSS clamps are clamped (rgb 300 is 255, a negative saturation or chroma
// is 0, lab L over 100 is 100, an alpha over 1 is 1).
//
// Refused: empty texts, texts longer than 200 characters, two colours, "transparent",
// "currentcolor", var(), calc() and the like, and whatever CSS refuses (commas mixed with
// spaces, numbers mixed with percentages in rgb() with commas, "none" with commas, a wrong
// number of arguments, unknown units).
//
// Colours of the sRGB forms (hex, rgb(), hsl(), hwb(), color(srgb ...)) with every channel
// within 0..1 are taken as they are; other colours are first mapped into sRGB as GamutMapToSrgb
// does. A colour with an alpha below 1 is laid over the background in gamma-encoded sRGB from
// the unrounded channels, and the result is rounded once, each channel half up.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The packed colour (red + green*256 + blue*65536) of a colour text, laid over background (a
// packed colour) when it is not opaque; nothing when the text is no colour that can be used.
std::optional<int32_t> ParseCssColor(QStringView text, int32_t background);

// Where a colour text came from.
enum class ColorTextSource { Clipboard, Drop };

// "The clipboard holds no color that Tintara can use: \"var(--x)\"" (for a drop: "The dropped
// text holds no color ..."), the text without the white space around it, line breaks and tabs
// as spaces, and cut to its first 60 characters followed by "…" when it is longer. An empty
// text gives "...: it is empty".
QString UnusableColorMessage(QStringView text, ColorTextSource source = ColorTextSource::Clipboard);
