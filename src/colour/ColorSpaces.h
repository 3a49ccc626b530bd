#pragma once

// The colour spaces that CSS colour texts name, in linear light: the sRGB transfer curve (which
// Display P3 shares), CIE XYZ with the D65 white of sRGB, CIE Lab and LCH with the D50 white
// and the Bradford adaptation between the two whites. The matrices and constants are the ones
// browsers use for CSS, so that a colour text gives the colour a browser shows.

#include <array>
#include <cstddef>

// Three components of one colour, in the order the space names them (r g b, X Y Z, L a b).
using Vec3 = std::array<double, 3>;
using Matrix3 = std::array<Vec3, 3>;

constexpr Vec3 Multiply(const Matrix3& m, const Vec3& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The matrix that applies n, then m.
constexpr Matrix3 MultiplyMatrices(const Matrix3& m, const Matrix3& n) {
    Matrix3 product{};
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            product[i][j] = m[i][0] * n[0][j] + m[i][1] * n[1][j] + m[i][2] * n[2][j];
        }
    }
    return product;
}

// Linear-light sRGB to CIE XYZ (D65) and back: the sRGB primaries and D65 white as exact
// fractions.
inline constexpr Matrix3 kLinearSrgbToXyz = {{
    {506752.0 / 1228815.0, 87881.0 / 245763.0, 12673.0 / 70218.0},
    {87098.0 / 409605.0, 175762.0 / 245763.0, 12673.0 / 175545.0},
    {7918.0 / 409605.0, 87881.0 / 737289.0, 1001167.0 / 1053270.0},
}};
inline constexpr Matrix3 kXyzToLinearSrgb = {{
    {12831.0 / 3959.0, -329.0 / 214.0, -1974.0 / 3959.0},
    {-851781.0 / 878810.0, 1648619.0 / 878810.0, 36519.0 / 878810.0},
    {705.0 / 12673.0, -2585.0 / 12673.0, 705.0 / 667.0},
}};

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
