#pragma once

// OKLab and its polar form OKLCH: packed sRGB colours to OKLab and OKLCH and back, the mapping
// of colours outside sRGB into it along OKLCH chroma as CSS maps them for display, and the
// oklch() text of a colour.
//
// Packed colours are red + green*256 + blue*65536. sRGB channels as doubles are gamma-encoded
// and 0..1 inside the gamut.

#include "colour/ColorSpaces.h"

#include <QString>
#include <cstdint>
#include <optional>

// L 0..1, chroma C from 0 (about 0.4 at most inside sRGB), hue H in degrees, 0 <= H < 360.
struct Oklch {
    double L = 0.0;
    double C = 0.0;
    double H = 0.0;
};

// CIE XYZ (D65) to OKLab (L, a, b) and back.
Vec3 XyzToOklab(const Vec3& xyz);
Vec3 OklabToXyz(const Vec3& lab);

// Linear-light sRGB to OKLab and back, through XYZ.
Vec3 LinearSrgbToOklab(const Vec3& rgb);
Vec3 OklabToLinearSrgb(const Vec3& lab);

// Chroma sqrt(a^2 + b^2) and hue atan2(b, a) in degrees, 0 <= H < 360. A colour whose chroma is
// below 0.000005, which OklchText writes as 0, has hue 0: greys come out with a hue of 0
// rather than the direction of their rounding noise.
Oklch OklabToOklch(const Vec3& lab);

// The OKLab and OKLCH of a packed colour (the upper byte is ignored).
Vec3 OklabOf(int32_t color);
Oklch OklchOf(int32_t color);

// The sRGB channels of an OKLab colour, each 0..1, unrounded. A colour inside sRGB is converted
// as it is; L >= 1 gives white and L <= 0 black; any other colour is mapped into sRGB by the
// binary search along OKLCH chroma (lightness and hue kept) that CSS uses: the search ends with
// a clipped colour within deltaEOK 0.02 (one just noticeable difference) of the reduced-chroma
// colour, to a chroma precision of 0.0001. A colour whose clipped form is already within 0.02
// of it is only clipped, so colours a hair outside from rounding keep their hue and chroma.
Vec3 GamutMapToSrgb(const Vec3& lab);

// sRGB channels 0..1 as a packed colour: each channel times 255, rounded half up. A value within
// 1e-9 of a half counts as the half, so that arithmetic noise never turns 229.5 into 229.49999.
// Values outside 0..1 (and NaN) give 0 or 255.
int32_t PackSrgb(const Vec3& rgb);

// PackSrgb(GamutMapToSrgb(lab)).
int32_t OklabToColor(const Vec3& lab);

// OklabToColor(lab) as far as its relative luminance against (low, high) goes: the colour, or,
// when the chroma search shows before its end that the luminance lies more than 1e-9 inside
// (low, high), the range it lies in. Each step of the search leaves a range of chromas whose
// clipped colours are the ones it can still end with.
struct ColorOrLuminance {
    std::optional<int32_t> color;
    double low = 0.0; // the range, when there is no colour
    double high = 0.0;
};
ColorOrLuminance OklabToColorOutside(const Vec3& lab, double low, double high);

// Whether every colour OklabToColor gives for lab's chroma and hue at a lightness within
// lowL..highL (0 < lowL <= highL < 1) has a relative luminance more than 1e-9 inside
// (low, high), shown without the chroma search; false when it cannot be shown. A colour inside
// sRGB is only rounded. Outside, the search clips colours at that lightness and hue with a
// chroma between the first one outside sRGB and lab's own, and ends where the clipped colour
// comes to about one JND from the unclipped one (or within the chroma precision of such a
// chroma or of sRGB, or at lab's own chroma): the bounds take what those chromas can give,
// clipped and rounded to 8 bits as OklabToColor rounds them. The chroma range is bounded in
// pieces, and the bound gives up after effort of them (a distance to one JND counts as two;
// one piece costs about a sixth of a chroma search).
bool MappedLuminanceWithin(const Vec3& lab, double lowL, double highL, double low, double high,
                           int effort);

// "oklch(62.796% 0.25768 29.234)": L in percent with three decimals, C with five, H with three,
// each rounded half up, without trailing zeros or a trailing point; white is "oklch(100% 0 0)".
// A hue that rounds to 360 is written 0. Read back as CSS reads it, every colour gives itself.
QString OklchText(int32_t color);
