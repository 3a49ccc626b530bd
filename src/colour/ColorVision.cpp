#include "colour/ColorVision.h"

#include "colour/ColorConverter.h"
#include "colour/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

using Matrix = double[3][3];

// Severity 1.0 (dichromacy) matrices from G. M. Machado, M. M. Oliveira and L. A. F. Fernandes,
// "A Physiologically-based Model for Simulation of Color Vision Deficiency", IEEE Transactions
// on Visualization and Computer Graphics 15(6), 1291-1298, 2009. They act on linear RGB; each
// row gives one output channel from (R, G, B).
constexpr Matrix kProtanopia = {{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}};
constexpr Matrix kDeuteranopia = {{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}};
constexpr Matrix kTritanopia = {{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}};

int32_t applyMatrix(const Matrix& m, int32_t color) {
    const RgbChannels c = SplitPacked(color);
    const double in[3] = {LinearChannel(c.red), LinearChannel(c.green), LinearChannel(c.blue)};
    int32_t out[3];
    for (int row = 0; row < 3; ++row) {
        out[row] = EncodeLinearChannel(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    }
    return PackRgb(out[0], out[1], out[2]);
}

} // namespace

int32_t EncodeLinearChannel(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    const double encoded = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return std::clamp(roundHalfEven(encoded * 255.0), 0, 255);
}

int32_t SimulateColorVision(int32_t color, ColorVision vision) {
    switch (vision) {
    case ColorVision::Normal:
        break;
    case ColorVision::Protanopia:
        return applyMatrix(kProtanopia, color);
    case ColorVision::Deuteranopia:
        return applyMatrix(kDeuteranopia, color);
    case ColorVision::Tritanopia:
        return applyMatrix(kTritanopia, color);
    case ColorVision::Achromatopsia: {
        const int32_t grey = EncodeLinearChannel(RelativeLuminance(color));
        return PackRgb(grey, grey, grey);
    }
    }
    return color & 0xFFFFFF;
}

QString ColorVisionCaption(ColorVision vision) {
    switch (vision) {
    case ColorVision::Normal:
        break;
    case ColorVision::Protanopia:
        return QStringLiteral("Protanopia");
    case ColorVision::Deuteranopia:
        return QStringLiteral("Deuteranopia");
    case ColorVision::Tritanopia:
        return QStringLiteral("Tritanopia");
    case ColorVision::Achromatopsia:
        return QStringLiteral("Achromatopsia");
    }
    return QStringLiteral("Normal Vision");
}
