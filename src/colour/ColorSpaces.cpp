#include "colour/ColorSpaces.h"

#include <cmath>
#include <numbers>

namespace {

constexpr Matrix3 kLinearP3ToXyz = {{
    {608311.0 / 1250200.0, 189793.0 / 714400.0, 198249.0 / 1000160.0},
    {35783.0 / 156275.0, 247089.0 / 357200.0, 198249.0 / 2500400.0},
    {0.0, 32229.0 / 714400.0, 5220557.0 / 5000800.0},
}};
constexpr Matrix3 kBradfordD50ToD65 = {{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};

// The D50 white from its four-figure chromaticity x 0.3457, y 0.3585.
constexpr Vec3 kD50 = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

} // namespace

double SrgbToLinear(double c) {
    const double magnitude = std::abs(c);
    if (magnitude <= 0.04045) {
        return c / 12.92;
    }
    return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), c);
}

double LinearToSrgb(double c) {
    const double magnitude = std::abs(c);
    if (magnitude <= 0.0031308) {
        return c * 12.92;
    }
    return std::copysign(1.055 * std::pow(magnitude, 1.0 / 2.4) - 0.055, c);
}

Vec3 LinearSrgbToXyz(const Vec3& rgb) {
    return Multiply(kLinearSrgbToXyz, rgb);
}

Vec3 XyzToLinearSrgb(const Vec3& xyz) {
    return Multiply(kXyzToLinearSrgb, xyz);
}

Vec3 LinearP3ToXyz(const Vec3& rgb) {
    return Multiply(kLinearP3ToXyz, rgb);
}

Vec3 XyzD50ToD65(const Vec3& xyz) {
    return Multiply(kBradfordD50ToD65, xyz);
}

Vec3 LabToXyzD50(const Vec3& lab) {
    constexpr double kappa = 24389.0 / 27.0;    // 29^3 / 3^3
    constexpr double epsilon = 216.0 / 24389.0; // 6^3 / 29^3
    const double fy = (lab[0] + 16.0) / 116.0;
    const double fx = lab[1] / 500.0 + fy;
    const double fz = fy - lab[2] / 200.0;
    const auto fromF = [](double f) {
        const double cube = f * f * f;
        return cube > epsilon ? cube : (116.0 * f - 16.0) / kappa;
    };
    const double y = lab[0] > kappa * epsilon ? fy * fy * fy : lab[0] / kappa;
    return {fromF(fx) * kD50[0], y * kD50[1], fromF(fz) * kD50[2]};
}

Vec3 PolarToRectangular(double lightness, double chroma, double hueDegrees) {
    const double radians = hueDegrees * std::numbers::pi / 180.0;
    return {lightness, chroma * std::cos(radians), chroma * std::sin(radians)};
}
