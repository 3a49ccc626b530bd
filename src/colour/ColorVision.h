#pragma once

// How a person with a colour-vision deficiency sees a colour, for the sample display.

#include <QString>
#include <cstdint>

enum class ColorVision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

// The colour as seen with the given vision, packed RGB (red + green*256 + blue*65536; the upper
// byte of the input is ignored and zero in the result). Each channel is decoded to linear light
// (LinearChannel); protanopia, deuteranopia and tritanopia multiply by the severity-1.0 matrices
// of Machado, Oliveira and Fernandes (2009); achromatopsia takes the relative luminance as
// grey. The result is clamped to 0..1, encoded back to sRGB (12.92 c up to 0.0031308, else
// 1.055 c^(1/2.4) - 0.055) and rounded to 8 bits, halves to even. Normal returns the colour.
int32_t SimulateColorVision(int32_t color, ColorVision vision);

// The 8-bit sRGB channel of a linear-light value, clamped to 0..1 first.
int32_t EncodeLinearChannel(double linear);

// The menu caption of a vision: "Normal Vision", "Protanopia", "Deuteranopia", "Tritanopia",
// "Achromatopsia".
QString ColorVisionCaption(ColorVision vision);
