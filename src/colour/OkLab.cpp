#include "colour/OkLab.h"

#include "colour/ColorConverter.h"
#include "colour/Contrast.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>

namespace {

// XYZ to the cone responses LMS and their cube roots to OKLab, and back: the matrices computed
// for the exact D65 white that the sRGB matrices use.
constexpr Matrix3 kXyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix3 kLmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix3 kLmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix3 kOklabToLms = {{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};

// Linear-light sRGB straight to LMS and back.
constexpr Matrix3 kLinearSrgbToLms = MultiplyMatrices(kXyzToLms, kLinearSrgbToXyz);
constexpr Matrix3 kLmsToLinearSrgb = MultiplyMatrices(kXyzToLinearSrgb, kLmsToXyz);

// One just noticeable difference in deltaEOK, and the chroma precision of the search.
constexpr double kJnd = 0.02;
constexpr double kChromaEpsilon = 0.0001;

// Below this chroma the hue is not written and counts as 0.
constexpr double kGreyChroma = 0.000005;

// Inside sRGB; NaN is not.
bool inGamut(const Vec3& linear) {
    return std::all_of(linear.begin(), linear.end(), [](double c) { return c >= 0.0 && c <= 1.0; });
}

// Each component limited to 0..1; NaN gives 0. Clipping linear light clips the gamma-encoded
// channels alike: the transfer curve keeps 0 and 1 and the order of values.
Vec3 clipped(const Vec3& linear) {
    Vec3 out;
    std::transform(linear.begin(), linear.end(), out.begin(),
                   [](double c) { return c > 0.0 ? (c < 1.0 ? c : 1.0) : 0.0; });
    return out;
}

Vec3 gammaEncoded(const Vec3& linear) {
    return clipped({LinearToSrgb(linear[0]), LinearToSrgb(linear[1]), LinearToSrgb(linear[2])});
}

// The square of deltaEOK, the distance in OKLab.
double squaredDelta(const Vec3& p, const Vec3& q) {
    const double dL = p[0] - q[0];
    const double da = p[1] - q[1];
    const double db = p[2] - q[2];
    return dL * dL + da * da + db * db;
}

Vec3 lmsToOklab(const Vec3& lms) {
    return Multiply(kLmsToOklab, {std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])});
}

// The cube root of 1e-200 <= x <= 2 to within 1e-14 of it: a first guess within 3.2% from the
// bits of x, its exponent divided by three, then two Halley steps (the error goes from e to
// about e^3; the bound was checked over every exponent of that range and a fine grid of
// mantissas). std::cbrt is several times slower.
double quickCbrt(double x) {
    double y = std::bit_cast<double>(std::bit_cast<uint64_t>(x) / 3 + 0x2A9F7893782DA1CEull);
    for (int i = 0; i < 2; ++i) {
        const double y3 = y * y * y;
        y = y * (y3 + 2.0 * x) / (2.0 * y3 + x);
    }
    return y;
}

// Where the clipped colour of a search step lies against one JND, from its squared distance d.
// Distances are compared squared: E < JND, and JND - E < epsilon as E > JND - epsilon.
enum class JndBand {
    Beyond, // d >= JND^2
    Near,   // (JND - epsilon)^2 < d < JND^2: the search stops
    Within, // d <= (JND - epsilon)^2
};

constexpr double kJnd2 = kJnd * kJnd;
constexpr double kNearJnd2 = (kJnd - kChromaEpsilon) * (kJnd - kChromaEpsilon);

JndBand bandOf(double delta2) {
    if (!(delta2 < kJnd2)) {
        return JndBand::Beyond;
    }
    return delta2 > kNearJnd2 ? JndBand::Near : JndBand::Within;
}

// The band of the clipped linear colour clip against current, exactly as std::cbrt places it.
// The LMS of a clipped colour lie within 0..1.0000001; quickCbrt's roots differ from std::cbrt's
// by below 1e-14, which moves a squared distance near the thresholds (below 0.0009) by less
// than 1e-14. A distance farther than kBandMargin from both thresholds is therefore on the same
// side of each as with std::cbrt; one closer (or NaN, or a root too small for quickCbrt) is
// taken again with std::cbrt.
constexpr double kBandMargin = 1e-10;

JndBand bandOfClipped(const Vec3& clip, const Vec3& current) {
    const Vec3 lms = Multiply(kLinearSrgbToLms, clip);
    if (std::all_of(lms.begin(), lms.end(), [](double v) { return v >= 1e-200 && v <= 2.0; })) {
        const double delta2 = squaredDelta(
            Multiply(kLmsToOklab, {quickCbrt(lms[0]), quickCbrt(lms[1]), quickCbrt(lms[2])}),
            current);
        if (std::abs(delta2 - kJnd2) > kBandMargin && std::abs(delta2 - kNearJnd2) > kBandMargin) {
            return bandOf(delta2);
        }
    }
    return bandOf(squaredDelta(lmsToOklab(lms), current));
}

Vec3 oklabToLms(const Vec3& lab) {
    const Vec3 root = Multiply(kOklabToLms, lab);
    return {root[0] * root[0] * root[0], root[1] * root[1] * root[1], root[2] * root[2] * root[2]};
}

int32_t channelByte(double value) {
    const double scaled = std::floor(value * 255.0 + 0.5 + 1e-9);
    if (!(scaled > 0.0)) {
        return 0;
    }
    return scaled < 255.0 ? static_cast<int32_t>(scaled) : 255;
}

// Writes value / 10^decimals (value >= 0) at p without trailing zeros or point; returns the end.
char* writeDecimal(char* p, int64_t value, int decimals) {
    int64_t unit = 1;
    for (int i = 0; i < decimals; ++i) {
        unit *= 10;
    }
    char digits[24];
    int count = 0;
    for (int64_t whole = value / unit; count == 0 || whole > 0; whole /= 10) {
        digits[count++] = static_cast<char>('0' + whole % 10);
    }
    while (count > 0) {
        *p++ = digits[--count];
    }
    int64_t fraction = value % unit;
    if (fraction > 0) {
        *p++ = '.';
        for (unit /= 10; fraction > 0; unit /= 10) {
            *p++ = static_cast<char>('0' + fraction / unit);
            fraction %= unit;
        }
    }
    return p;
}

int64_t scaledHalfUp(double value, double scale) {
    return std::max<int64_t>(0, std::llround(value * scale));
}

} // namespace

Vec3 XyzToOklab(const Vec3& xyz) {
    return lmsToOklab(Multiply(kXyzToLms, xyz));
}

Vec3 OklabToXyz(const Vec3& lab) {
    return Multiply(kLmsToXyz, oklabToLms(lab));
}

Vec3 LinearSrgbToOklab(const Vec3& rgb) {
    return lmsToOklab(Multiply(kLinearSrgbToLms, rgb));
}

Vec3 OklabToLinearSrgb(const Vec3& lab) {
    return Multiply(kLmsToLinearSrgb, oklabToLms(lab));
}

Oklch OklabToOklch(const Vec3& lab) {
    Oklch lch;
    lch.L = lab[0];
    lch.C = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    if (lch.C >= kGreyChroma) {
        lch.H = std::atan2(lab[2], lab[1]) * 180.0 / std::numbers::pi;
        if (lch.H < 0.0) {
            lch.H += 360.0;
        }
        if (lch.H >= 360.0) {
            lch.H = 0.0;
        }
    }
    return lch;
}

Vec3 OklabOf(int32_t color) {
    const RgbChannels c = SplitPacked(color);
    return LinearSrgbToOklab({LinearChannel(c.red), LinearChannel(c.green), LinearChannel(c.blue)});
}

Oklch OklchOf(int32_t color) {
    return OklabToOklch(OklabOf(color));
}

Vec3 GamutMapToSrgb(const Vec3& lab) {
    if (lab[0] >= 1.0) {
        return {1.0, 1.0, 1.0};
    }
    if (lab[0] <= 0.0) {
        return {0.0, 0.0, 0.0};
    }
    Vec3 linear = OklabToLinearSrgb(lab);
    if (inGamut(linear)) {
        return gammaEncoded(linear);
    }
    Vec3 clip = clipped(linear);
    if (bandOfClipped(clip, lab) != JndBand::Beyond) {
        return gammaEncoded(clip);
    }
    // Binary search of the chroma at the colour's lightness and hue. While the lower end is
    // inside sRGB it moves up to in-gamut chromas; past the boundary it moves up as long as
    // the clipped colour stays within one JND, and the search stops as soon as that distance
    // is within the precision of reaching one JND.
    const double chroma = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    const double unitA = lab[1] / chroma;
    const double unitB = lab[2] / chroma;
    double low = 0.0;
    double high = chroma;
    bool lowInGamut = true;
    while (high - low > kChromaEpsilon) {
        const double mid = (low + high) / 2.0;
        const Vec3 current = {lab[0], mid * unitA, mid * unitB};
        linear = OklabToLinearSrgb(current);
        if (lowInGamut && inGamut(linear)) {
            low = mid;
            continue;
        }
        clip = clipped(linear);
        const JndBand band = bandOfClipped(clip, current);
        if (band == JndBand::Near) {
            break;
        }
        if (band == JndBand::Within) {
            lowInGamut = false;
            low = mid;
        } else {
            high = mid;
        }
    }
    return gammaEncoded(clip);
}

int32_t PackSrgb(const Vec3& rgb) {
    return PackRgb(channelByte(rgb[0]), channelByte(rgb[1]), channelByte(rgb[2]));
}

LuminanceBounds MappedLuminanceBounds(const Vec3& lab, int pieces) {
    if (lab[0] >= 1.0) {
        return {1.0, 1.0};
    }
    if (lab[0] <= 0.0) {
        return {0.0, 0.0};
    }
    // Along the chroma c from 0 to the colour's own, at its lightness and hue, each cube root
    // of LMS is L + c k_j; each linear channel is sum_j M_ij (L + c k_j)^3, a cubic in c.
    const double L = lab[0];
    const double chroma = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    Vec3 k{};
    if (chroma > 0.0) {
        for (std::size_t j = 0; j < 3; ++j) {
            k[j] = (kOklabToLms[j][1] * lab[1] + kOklabToLms[j][2] * lab[2]) / chroma;
        }
    }
    std::array<std::array<double, 4>, 3> cubic{}; // coefficients of c^0 .. c^3 per channel
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            const double m = kLmsToLinearSrgb[i][j];
            cubic[i][0] += m * L * L * L;
            cubic[i][1] += m * 3.0 * L * L * k[j];
            cubic[i][2] += m * 3.0 * L * k[j] * k[j];
            cubic[i][3] += m * k[j] * k[j] * k[j];
        }
    }
    const auto at = [](const std::array<double, 4>& p, double c) {
        return ((p[3] * c + p[2]) * c + p[1]) * c + p[0];
    };
    // Arithmetic noise in the channels, and what rounding to 8 bits adds in linear light: half
    // a step of the encoded channel moves its linear value by at most 0.5 / 255 times the
    // steepest slope of the transfer curve, 2.4 / 1.055 at 1.
    constexpr double kNoise = 1e-9;
    constexpr double kRounding = (0.5 + 1e-6) / 255.0 * (2.4 / 1.055);
    const auto bound = [](double lo, double hi) {
        return std::pair{std::max(std::clamp(lo - kNoise, 0.0, 1.0) - kRounding, 0.0),
                         std::min(std::clamp(hi + kNoise, 0.0, 1.0) + kRounding, 1.0)};
    };
    const auto luminance = [](const std::array<std::pair<double, double>, 3>& range) {
        return LuminanceBounds{LinearLuminance(range[0].first, range[1].first, range[2].first),
                               LinearLuminance(range[0].second, range[1].second, range[2].second)};
    };
    const auto inside = [](double lo, double hi) { return lo >= kNoise && hi <= 1.0 - kNoise; };

    // A colour inside sRGB is taken as it is.
    std::array<std::pair<double, double>, 3> range;
    bool colorInside = true;
    for (std::size_t i = 0; i < 3; ++i) {
        const double v = at(cubic[i], chroma);
        colorInside = colorInside && inside(v, v);
        range[i] = bound(v, v);
    }
    if (colorInside) {
        return luminance(range);
    }
    // Outside, the search only ever clips chromas beyond the first one where the colour leaves
    // sRGB: the pieces of the chroma range that lie wholly inside are passed over. Each channel
    // is bounded on a piece by its values at the piece's ends and at its turning points (the
    // roots of 3 p3 c^2 + 2 p2 c + p1) within the piece.
    std::array<std::array<double, 2>, 3> turns{};
    std::array<std::array<double, 2>, 3> turnValues{};
    std::array<int, 3> turnCount{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& p = cubic[i];
        const double qa = 3.0 * p[3];
        const double qb = 2.0 * p[2];
        const double qc = p[1];
        const auto add = [&](double c) {
            if (c > 0.0 && c < chroma) {
                turns[i][turnCount[i]] = c;
                turnValues[i][turnCount[i]++] = at(p, c);
            }
        };
        if (qa != 0.0) {
            const double disc = qb * qb - 4.0 * qa * qc;
            if (disc >= 0.0) {
                const double root = std::sqrt(disc);
                add((-qb - root) / (2.0 * qa));
                add((-qb + root) / (2.0 * qa));
            }
        } else if (qb != 0.0) {
            add(-qc / qb);
        }
    }
    LuminanceBounds bounds{2.0, -1.0};
    bool leftSrgb = false;
    Vec3 start;
    for (std::size_t i = 0; i < 3; ++i) {
        start[i] = cubic[i][0];
    }
    for (int piece = 0; piece < pieces; ++piece) {
        const double c0 = chroma * piece / pieces;
        const double c1 = chroma * (piece + 1) / pieces;
        bool pieceInside = true;
        for (std::size_t i = 0; i < 3; ++i) {
            const double end = at(cubic[i], c1);
            double lo = std::min(start[i], end);
            double hi = std::max(start[i], end);
            for (int t = 0; t < turnCount[i]; ++t) {
                if (turns[i][t] > c0 && turns[i][t] < c1) {
                    lo = std::min(lo, turnValues[i][t]);
                    hi = std::max(hi, turnValues[i][t]);
                }
            }
            start[i] = end;
            pieceInside = pieceInside && inside(lo, hi);
            range[i] = bound(lo, hi);
        }
        leftSrgb = leftSrgb || !pieceInside;
        if (leftSrgb) {
            const LuminanceBounds y = luminance(range);
            bounds.low = std::min(bounds.low, y.low);
            bounds.high = std::max(bounds.high, y.high);
        }
    }
    return bounds;
}

int32_t OklabToColor(const Vec3& lab) {
    return PackSrgb(GamutMapToSrgb(lab));
}

QString OklchText(int32_t color) {
    const Oklch lch = OklchOf(color);
    const int64_t chroma = scaledHalfUp(lch.C, 1e5);
    int64_t hue = scaledHalfUp(lch.H, 1e3);
    if (hue >= 360000) {
        hue = 0;
    }
    char text[64] = "oklch(";
    char* p = text + 6;
    p = writeDecimal(p, scaledHalfUp(lch.L, 1e5), 3);
    *p++ = '%';
    *p++ = ' ';
    p = writeDecimal(p, chroma, 5);
    *p++ = ' ';
    p = writeDecimal(p, hue, 3);
    *p++ = ')';
    return QString::fromLatin1(text, p - text);
}
