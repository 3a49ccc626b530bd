#pragma once

// The colour spaces that CSS colour texts name, in linear light: the sRGB transfer curve (which
// Display P3 shares), CIE XYZ with the D65 white of sRGB, CIE Lab and LCH with the D50 white
// and the Bradford adaptation between the two whites. The matrices and constants are the ones
// browsers use for CSS, so that a colour text gives the colour a browser shows.

#include <array>

// Three components of one colour, in the order the space names them (r g b, X Y Z, L a b).
using Vec3 = std::array<double, 3>;
using Matrix3 = std::array<Vec3, 3>;

inline Vec3 Multiply(const Matrix3& m, const Vec3& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// One gamma-encoded sRGB (or Display P3) component to linear light and back. Values outside
// 0..1 are allowed: the curve is mirrored at 0, so -x gives minus what x gives.
double SrgbToLinear(double c);
double LinearToSrgb(double c);

// Linear-light sRGB to CIE XYZ (D65) and back.
Vec3 LinearSrgbToXyz(const Vec3& rgb);
Vec3 XyzToLinearSrgb(const Vec3& xyz);

// Linear-light Display P3 to CIE XYZ (D65).
Vec3 LinearP3ToXyz(const Vec3& rgb);

// CIE XYZ relative to D50 to XYZ relative to D65 (linear Bradford adaptation).
Vec3 XyzD50ToD65(const Vec3& xyz);

// CIE Lab (L 0..100, D50) to CIE XYZ relative to D50.
Vec3 LabToXyzD50(const Vec3& lab);

// Polar (L, C, H in degrees) to rectangular (L, a, b) form; serves CIE LCH and OKLCH alike.
Vec3 PolarToRectangular(double lightness, double chroma, double hueDegrees);
