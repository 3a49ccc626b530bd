#include "colour/OkLab.h"

#include "colour/ColorConverter.h"
#include "colour/Contrast.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>
#include <optional>

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

// A Halley step towards the cube root of x from y: the relative error goes from e to about e^3.
double halleyCbrt(double x, double y) {
    const double y3 = y * y * y;
    return y * (y3 + 2.0 * x) / (2.0 * y3 + x);
}

// A first guess of the cube root of x from its bits, the exponent divided by three, within
// 3.2% of it for 1e-200 <= x <= 2; one Halley step brings it within 2.1e-5, two within 6.4e-15
// (checked over every exponent of that range and a fine grid of mantissas).
double cbrtGuess(double x) {
    return halleyCbrt(
        x, std::bit_cast<double>(std::bit_cast<uint64_t>(x) / 3 + 0x2A9F7893782DA1CEull));
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
// The LMS of a clipped colour lie within 0..1.0000001, their cube roots within 0..1. A relative
// error e in each root moves OKLab by at most 5.22 e (the rows of kLmsToOklab) and a squared
// distance d by at most 2 sqrt(d) 5.22 e + (5.22 e)^2. With roots off by up to 3e-5 (one Halley
// step), that stays below 8e-6 while d is below 6e-4 and below d - 4e-4, the distance to both
// thresholds, above; with roots off by up to 1e-14 (two steps), below 1e-15 near the
// thresholds. A distance farther than that step's margin from both thresholds is therefore on
// the same side of each as with std::cbrt; one closer goes on to the next step, and in the end
// (or for NaN, or roots too small for the guess) to std::cbrt.
constexpr double kRoughBandMargin = 2e-5;
constexpr double kBandMargin = 1e-10;

JndBand bandOfClipped(const Vec3& clip, const Vec3& current) {
    const Vec3 lms = Multiply(kLinearSrgbToLms, clip);
    const auto clear = [](double delta2, double margin) {
        return std::abs(delta2 - kJnd2) > margin && std::abs(delta2 - kNearJnd2) > margin;
    };
    if (std::all_of(lms.begin(), lms.end(), [](double v) { return v >= 1e-200 && v <= 2.0; })) {
        Vec3 roots = {cbrtGuess(lms[0]), cbrtGuess(lms[1]), cbrtGuess(lms[2])};
        double delta2 = squaredDelta(Multiply(kLmsToOklab, roots), current);
        if (clear(delta2, kRoughBandMargin)) {
            return bandOf(delta2);
        }
        for (std::size_t j = 0; j < 3; ++j) {
            roots[j] = halleyCbrt(lms[j], roots[j]);
        }
        delta2 = squaredDelta(Multiply(kLmsToOklab, roots), current);
        if (clear(delta2, kBandMargin)) {
            return bandOf(delta2);
        }
    }
    return bandOf(squaredDelta(lmsToOklab(lms), current));
}

Vec3 oklabToLms(const Vec3& lab) {
    const Vec3 root = Multiply(kOklabToLms, lab);
    return {root[0] * root[0] * root[0], root[1] * root[1] * root[1], root[2] * root[2] * root[2]};
}

// Ranges of values, of the three linear channels, and of luminance.
struct Range {
    double low = 0.0;
    double high = 0.0;
};
using ChannelBox = std::array<Range, 3>;
struct LuminanceRange {
    double low = 0.0;
    double high = 0.0;
};

// Arithmetic noise in the linear channels of a search step against the polynomials that bound
// them, and the margin by which a bound luminance must clear a limit.
constexpr double kChannelNoise = 1e-9;
constexpr double kLuminanceMargin = 1e-9;
// Arithmetic noise in a distance in OKLab.
constexpr double kDistanceSlack = 1e-9;

// The bytes a linear channel rounds to. Byte b (1..255) is the first one of the linear
// values from threshold[b] on, where the encoded channel reaches (b - 0.5 - 1e-9) / 255, as
// channelByte rounds; threshold[0] is 0. A value within kThresholdSlack of a threshold (its
// relative size, far above the arithmetic noise of the transfer curve) may round either way.
// Each of the kByteCells equal cells of linear values starts at the byte of its lowest value.
constexpr int kByteCells = 1024;
constexpr double kThresholdSlack = 1e-10;

struct ByteTables {
    std::array<double, 257> threshold{};
    std::array<uint8_t, kByteCells> cellByte{};
    std::array<double, 256> linear{}; // LinearChannel of each byte
};

const ByteTables& byteTables() {
    static const ByteTables tables = [] {
        ByteTables t;
        for (int b = 1; b <= 255; ++b) {
            t.threshold[static_cast<std::size_t>(b)] = SrgbToLinear((b - 0.5 - 1e-9) / 255.0);
        }
        t.threshold[256] = 2.0;
        for (int b = 0; b <= 255; ++b) {
            t.linear[static_cast<std::size_t>(b)] = LinearChannel(b);
        }
        int b = 0;
        for (int cell = 0; cell < kByteCells; ++cell) {
            const double x = static_cast<double>(cell) / kByteCells;
            while (t.threshold[static_cast<std::size_t>(b + 1)] * (1.0 - kThresholdSlack) <= x) {
                ++b;
            }
            t.cellByte[static_cast<std::size_t>(cell)] = static_cast<uint8_t>(b);
        }
        return t;
    }();
    return tables;
}

// The least byte a value of low..1 rounds to, and the largest one a value of 0..high rounds to
// (0 <= low, high <= 1).
std::pair<int, int> byteRange(double low, double high) {
    const ByteTables& t = byteTables();
    const auto thresholdAt = [&](int b) { return t.threshold[static_cast<std::size_t>(b)]; };
    const auto cellOf = [](double x) {
        return std::min(static_cast<std::size_t>(x * kByteCells), std::size_t{kByteCells - 1});
    };
    // From the byte at the start of the value's cell (one less for low, whose threshold may lie
    // within the slack above it), the thresholds are walked up: least is the largest byte whose
    // threshold lies surely at or below low, most the largest one whose threshold may.
    int least = t.cellByte[cellOf(low)];
    if (least > 0) {
        --least;
    }
    while (thresholdAt(least + 1) * (1.0 + kThresholdSlack) <= low) {
        ++least;
    }
    int most = t.cellByte[cellOf(high)];
    while (thresholdAt(most + 1) * (1.0 - kThresholdSlack) <= high) {
        ++most;
    }
    return {least, most};
}

// The luminance of colours whose clipped linear channels lie in box, rounded to 8 bits as
// OklabToColor rounds them and measured as RelativeLuminance measures them.
LuminanceRange roundedLuminance(const ChannelBox& box) {
    const ByteTables& t = byteTables();
    std::array<double, 3> low;
    std::array<double, 3> high;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [least, most] = byteRange(box[i].low, box[i].high);
        low[i] = t.linear[static_cast<std::size_t>(least)];
        high[i] = t.linear[static_cast<std::size_t>(most)];
    }
    return {LinearLuminance(low[0], low[1], low[2]), LinearLuminance(high[0], high[1], high[2])};
}

// The same, wider and quicker: rounding moves a linear channel by at most half a step of the
// encoded channel times the steepest slope of the transfer curve, 2.4 / 1.055 at 1.
LuminanceRange roughRoundedLuminance(const ChannelBox& box) {
    constexpr double kReach = (0.5 + 1e-6) / 255.0 * (2.4 / 1.055);
    return {LinearLuminance(std::max(box[0].low - kReach, 0.0), std::max(box[1].low - kReach, 0.0),
                            std::max(box[2].low - kReach, 0.0)),
            LinearLuminance(std::min(box[0].high + kReach, 1.0),
                            std::min(box[1].high + kReach, 1.0),
                            std::min(box[2].high + kReach, 1.0))};
}

// Cube roots below and above those of low and high (0 <= low, high <= 2). For any y > 0,
// (2 y + x / y^2) / 3 is at least the cube root r of x (the mean of y, y and x / y^2 is at
// least their geometric mean), and x over its square is at most r. A Newton step for the
// inverse root from a guess off its bits brings y within about 1% of r, which puts both within
// about 1e-4 of it.
Range cbrtRange(double low, double high) {
    constexpr double kTiny = 1e-200;
    const auto above = [](double x) {
        double z = std::bit_cast<double>(0x553EF0FF289DD796ull - std::bit_cast<uint64_t>(x) / 3);
        z = z * (4.0 - x * z * z * z) * (1.0 / 3.0);
        const double y = x * z * z;
        return (2.0 * y + x / (y * y)) * (1.0 / 3.0) * (1.0 + 1e-15);
    };
    if (!(high > kTiny)) {
        return {0.0, 1e-66};
    }
    Range r{0.0, above(high)};
    if (low > kTiny) {
        const double up = above(low);
        r.low = low / (up * up) * (1.0 - 1e-15);
    }
    return r;
}

// The least and the largest distance between values of the ranges value and target.
Range distanceRange(const Range& value, const Range& target) {
    const double farthest = std::max(value.high - target.low, target.high - value.low);
    if (value.high < target.low) {
        return {target.low - value.high, farthest};
    }
    if (value.low > target.high) {
        return {value.low - target.high, farthest};
    }
    return {0.0, farthest};
}

// The rows that take the cube roots of LMS to OKLab lightness and to the components along the
// hue direction (a, b) = unit and across it.
struct OklabRows {
    Vec3 lightness;
    Vec3 hue;
    Vec3 across;
};

OklabRows oklabRows(double unitA, double unitB) {
    OklabRows rows{kLmsToOklab[0], {}, {}};
    for (std::size_t j = 0; j < 3; ++j) {
        rows.hue[j] = unitA * kLmsToOklab[1][j] + unitB * kLmsToOklab[2][j];
        rows.across[j] = unitA * kLmsToOklab[2][j] - unitB * kLmsToOklab[1][j];
    }
    return rows;
}

// Bounds of the distance in OKLab between a colour whose linear channels lie in clip and a
// colour (L, c unitA, c unitB) with L and c in their ranges, measured along L, along the hue
// direction and across it: OKLab of a colour is kLmsToOklab times the cube roots of its LMS,
// and LMS grows with every channel.
Range clipDistance(const ChannelBox& clip, const OklabRows& rows, const Range& lightness,
                   const Range& chroma) {
    std::array<Range, 3> roots;
    for (std::size_t j = 0; j < 3; ++j) {
        double low = 0.0;
        double high = 0.0;
        for (std::size_t i = 0; i < 3; ++i) {
            low += kLinearSrgbToLms[j][i] * clip[i].low;
            high += kLinearSrgbToLms[j][i] * clip[i].high;
        }
        roots[j] = cbrtRange(low * (1.0 - 1e-12), high * (1.0 + 1e-12));
    }
    const auto along = [&](const Vec3& row) {
        Range r;
        for (std::size_t j = 0; j < 3; ++j) {
            const double x = row[j] * roots[j].low;
            const double y = row[j] * roots[j].high;
            r.low += std::min(x, y);
            r.high += std::max(x, y);
        }
        return Range{r.low - 1e-12, r.high + 1e-12};
    };
    const Range dL = distanceRange(along(rows.lightness), lightness);
    const Range dHue = distanceRange(along(rows.hue), chroma);
    const Range dAcross = distanceRange(along(rows.across), {0.0, 0.0});
    return {std::sqrt(dL.low * dL.low + dHue.low * dHue.low + dAcross.low * dAcross.low),
            std::sqrt(dL.high * dL.high + dHue.high * dHue.high + dAcross.high * dAcross.high)};
}

static_assert(std::all_of(kLinearSrgbToLms.begin(), kLinearSrgbToLms.end(),
                          [](const Vec3& row) {
                              return std::all_of(row.begin(), row.end(),
                                                 [](double m) { return m > 0.0; });
                          }),
              "LMS grows with every linear channel");

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

namespace {

// GamutMapToSrgb's colour in linear light, for 0 < L < 1 (and NaN): lab itself when inside
// sRGB, otherwise the clipped colour where the search ends. After each step of the search,
// settled(low, lowLinear, high, highLinear) is asked with the ends of the chroma range left
// and their unclipped colours; if it answers true, the search ends there with nothing. The
// colour the search would have ended with is the clipped one of a chroma in low..high (the
// last clipped colour is that of one end).
template <bool kWatched, typename Settled>
std::optional<Vec3> searchLinear(const Vec3& lab, Settled&& settled) {
    Vec3 linear = OklabToLinearSrgb(lab);
    if (inGamut(linear)) {
        return linear;
    }
    Vec3 clip = clipped(linear);
    if (bandOfClipped(clip, lab) != JndBand::Beyond) {
        return clip;
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
    Vec3 lowLinear{};
    Vec3 highLinear = linear;
    if constexpr (kWatched) {
        lowLinear = OklabToLinearSrgb({lab[0], 0.0, 0.0});
    }
    bool lowInGamut = true;
    while (high - low > kChromaEpsilon) {
        const double mid = (low + high) / 2.0;
        const Vec3 current = {lab[0], mid * unitA, mid * unitB};
        linear = OklabToLinearSrgb(current);
        if (lowInGamut && inGamut(linear)) {
            low = mid;
            lowLinear = linear;
        } else {
            clip = clipped(linear);
            const JndBand band = bandOfClipped(clip, current);
            if (band == JndBand::Near) {
                break;
            }
            if (band == JndBand::Within) {
                lowInGamut = false;
                low = mid;
                lowLinear = linear;
            } else {
                high = mid;
                highLinear = linear;
            }
        }
        if constexpr (kWatched) {
            if (settled(low, lowLinear, high, highLinear)) {
                return std::nullopt;
            }
        }
    }
    return clip;
}

Vec3 mappedLinear(const Vec3& lab) {
    return *searchLinear<false>(lab,
                                [](double, const Vec3&, double, const Vec3&) { return false; });
}

// PackSrgb(gammaEncoded(linear)) for channels 0..1, from the byte thresholds where no channel
// lies within their slack of one.
int32_t packedLinear(const Vec3& linear) {
    std::array<int, 3> bytes;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [least, most] = byteRange(linear[i], linear[i]);
        if (least != most) {
            return PackSrgb(gammaEncoded(linear));
        }
        bytes[i] = least;
    }
    return PackRgb(bytes[0], bytes[1], bytes[2]);
}

} // namespace

Vec3 GamutMapToSrgb(const Vec3& lab) {
    if (lab[0] >= 1.0) {
        return {1.0, 1.0, 1.0};
    }
    if (lab[0] <= 0.0) {
        return {0.0, 0.0, 0.0};
    }
    return gammaEncoded(mappedLinear(lab));
}

int32_t PackSrgb(const Vec3& rgb) {
    return PackRgb(channelByte(rgb[0]), channelByte(rgb[1]), channelByte(rgb[2]));
}

namespace {

// The colours the chroma search gives at one hue and chroma over a range of lightness, bounded
// as MappedLuminanceWithin describes. Along the chroma c at lightness lowL + t, 0 <= t <= T,
// each cube root of LMS is lowL + t + c k_j, and each linear channel
// sum_j M_ij (lowL + t + c k_j)^3 is A_i(c) + t B_i(c) + t^2 D_i(c) + t^3 E_i: a cubic, a
// quadratic and a line in c, and the sum of the matrix row.
class ChromaRun {
public:
    ChromaRun(const Vec3& lab, double lowL, double highL, double low, double high, int effort)
        : lightness_{lowL, highL}, span_(highL - lowL), low_(low), high_(high), budget_(effort) {
        chroma_ = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
        Vec3 k{};
        if (chroma_ > 0.0) {
            const double unitA = lab[1] / chroma_;
            const double unitB = lab[2] / chroma_;
            rows_ = oklabRows(unitA, unitB);
            for (std::size_t j = 0; j < 3; ++j) {
                k[j] = kOklabToLms[j][1] * unitA + kOklabToLms[j][2] * unitB;
            }
        }
        const double L = lowL;
        // How fast a channel can change with c, for chromas up to this.
        const double c = chroma_ + kChromaEpsilon;
        for (std::size_t i = 0; i < 3; ++i) {
            Terms& p = terms_[i];
            for (std::size_t j = 0; j < 3; ++j) {
                const double m = kLmsToLinearSrgb[i][j];
                p.a[0] += m * L * L * L;
                p.a[1] += m * 3.0 * L * L * k[j];
                p.a[2] += m * 3.0 * L * k[j] * k[j];
                p.a[3] += m * k[j] * k[j] * k[j];
                p.b[0] += m * 3.0 * L * L;
                p.b[1] += m * 6.0 * L * k[j];
                p.b[2] += m * 3.0 * k[j] * k[j];
                p.d[0] += m * 3.0 * L;
                p.d[1] += m * 3.0 * k[j];
                p.e += m;
            }
            p.findTurns(chroma_);
            p.slope = std::abs(p.a[1]) + 2.0 * std::abs(p.a[2]) * c +
                      3.0 * std::abs(p.a[3]) * c * c +
                      span_ * (std::abs(p.b[1]) + 2.0 * std::abs(p.b[2]) * c) +
                      span_ * span_ * std::abs(p.d[1]);
        }
    }

    bool within() {
        // A colour inside sRGB is only rounded.
        const Values end = valuesAt(chroma_);
        const ChannelBox own = boxOf(chroma_, end, chroma_, end);
        if (inside(own)) {
            return harmless(own);
        }
        // Outside, the search only ever clips chromas beyond the first one where the colour
        // leaves sRGB: the pieces of the chroma range that lie wholly inside are passed over.
        // A piece whose luminance may leave (low, high) counts only if the search may end in it
        // (mayEndIn). Pieces are taken in the order of chroma, and one that counts is split in
        // halves, down to kDepth times.
        return piecesWithin(0.0, valuesAt(0.0), chroma_, end, 0);
    }

private:
    static constexpr int kDepth = 8;
    // Pieces longer than 2^-kDistanceDepth of the chroma range are too long for the distances
    // to one JND to tell much.
    static constexpr int kDistanceDepth = 2;

    // One channel's polynomials, the turning points of A in (0, chroma) and the vertex of B.
    struct Terms {
        std::array<double, 4> a{}; // c^0 .. c^3
        std::array<double, 3> b{};
        std::array<double, 2> d{};
        double e = 0.0;
        double slope = 0.0;
        std::array<double, 2> turns{};
        std::array<double, 2> turnValues{};
        int turnCount = 0;
        double vertex = 0.0;
        double vertexValue = 0.0;
        bool hasVertex = false;

        double atA(double c) const { return ((a[3] * c + a[2]) * c + a[1]) * c + a[0]; }
        double atB(double c) const { return (b[2] * c + b[1]) * c + b[0]; }

        void findTurns(double chroma) {
            const auto add = [&](double c) {
                if (c > 0.0 && c < chroma) {
                    turns[turnCount] = c;
                    turnValues[turnCount++] = atA(c);
                }
            };
            const double qa = 3.0 * a[3];
            const double qb = 2.0 * a[2];
            const double qc = a[1];
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
            if (b[2] != 0.0) {
                vertex = -b[1] / (2.0 * b[2]);
                vertexValue = atB(vertex);
                hasVertex = true;
            }
        }
    };

    // A, B and D of each channel at one chroma.
    struct Values {
        Vec3 a;
        Vec3 b;
        Vec3 d;
    };

    Values valuesAt(double c) const {
        Values v;
        for (std::size_t i = 0; i < 3; ++i) {
            const Terms& p = terms_[i];
            v.a[i] = p.atA(c);
            v.b[i] = p.atB(c);
            v.d[i] = p.d[0] + p.d[1] * c;
        }
        return v;
    }

    // The channels over c0 <= c <= c1 and 0 <= t <= T: the range of A there (its values at
    // the ends and turning points), with t B, t^2 D and t^3 E added at their extremes.
    ChannelBox boxOf(double c0, const Values& v0, double c1, const Values& v1) const {
        ChannelBox box;
        const double T = span_;
        for (std::size_t i = 0; i < 3; ++i) {
            const Terms& p = terms_[i];
            Range r{std::min(v0.a[i], v1.a[i]), std::max(v0.a[i], v1.a[i])};
            for (int t = 0; t < p.turnCount; ++t) {
                if (p.turns[t] > c0 && p.turns[t] < c1) {
                    r = {std::min(r.low, p.turnValues[t]), std::max(r.high, p.turnValues[t])};
                }
            }
            if (T > 0.0) {
                Range b{std::min(v0.b[i], v1.b[i]), std::max(v0.b[i], v1.b[i])};
                if (p.hasVertex && p.vertex > c0 && p.vertex < c1) {
                    b = {std::min(b.low, p.vertexValue), std::max(b.high, p.vertexValue)};
                }
                const Range d{std::min(v0.d[i], v1.d[i]), std::max(v0.d[i], v1.d[i])};
                r.low += std::min(0.0, T * b.low) + std::min(0.0, T * T * d.low) +
                         std::min(0.0, T * T * T * p.e);
                r.high += std::max(0.0, T * b.high) + std::max(0.0, T * T * d.high) +
                          std::max(0.0, T * T * T * p.e);
            }
            box[i] = {r.low - kChannelNoise, r.high + kChannelNoise};
        }
        return box;
    }

    static bool inside(const ChannelBox& box) {
        return std::all_of(box.begin(), box.end(),
                           [](const Range& r) { return r.low >= 0.0 && r.high <= 1.0; });
    }

    bool harmless(const ChannelBox& box) const {
        const auto clear = [&](const LuminanceRange& y) {
            return y.low > low_ + kLuminanceMargin && y.high < high_ - kLuminanceMargin;
        };
        return clear(roughRoundedLuminance(box)) || clear(roundedLuminance(box));
    }

    // Whether the search may end at a chroma m of c0..c1, whose channels lie in box. With d(c)
    // the distance of the clipped colour at chroma c from the unclipped one (0 inside sRGB),
    // the search ends at
    // - lab's own chroma when d < JND there;
    // - m with JND - epsilon < d(m) < JND, where it stops;
    // - m with d(m) < JND whose next step up, within epsilon above, has d >= JND;
    // - m with d(m) >= JND whose step below, within epsilon, is in sRGB.
    // Each needs d < JND and (but for lab's own chroma) d > JND - epsilon somewhere within
    // epsilon of the piece.
    bool mayEndIn(double c0, double c1, const ChannelBox& box) const {
        ChannelBox wide;
        for (std::size_t i = 0; i < 3; ++i) {
            const double widen = kChromaEpsilon * terms_[i].slope;
            wide[i] = {box[i].low - widen, box[i].high + widen};
        }
        const bool own = c1 >= chroma_;
        if (inside(wide)) {
            return own;
        }
        for (Range& r : wide) {
            r = {std::clamp(r.low, 0.0, 1.0), std::clamp(r.high, 0.0, 1.0)};
        }
        budget_ -= 2;
        const Range d =
            clipDistance(wide, rows_, lightness_, {c0 - kChromaEpsilon, c1 + kChromaEpsilon});
        return d.low < kJnd + kDistanceSlack &&
               (own || d.high > kJnd - kChromaEpsilon - kDistanceSlack);
    }

    bool piecesWithin(double c0, const Values& v0, double c1, const Values& v1, int depth) {
        // Past its effort, a bound gives up.
        if (--budget_ < 0) {
            return false;
        }
        const ChannelBox box = boxOf(c0, v0, c1, v1);
        const bool pieceInside = inside(box);
        if (!leftSrgb_ && pieceInside) {
            return true;
        }
        ChannelBox clip;
        for (std::size_t i = 0; i < 3; ++i) {
            clip[i] = {std::clamp(box[i].low, 0.0, 1.0), std::clamp(box[i].high, 0.0, 1.0)};
        }
        if (harmless(clip) || (depth >= kDistanceDepth && !mayEndIn(c0, c1, box))) {
            leftSrgb_ = leftSrgb_ || !pieceInside;
            return true;
        }
        if (depth == kDepth) {
            return false;
        }
        const double middle = (c0 + c1) / 2.0;
        const Values vm = valuesAt(middle);
        return piecesWithin(c0, v0, middle, vm, depth + 1) &&
               piecesWithin(middle, vm, c1, v1, depth + 1);
    }

    Range lightness_;
    double span_;
    double low_;
    double high_;
    double chroma_ = 0.0;
    OklabRows rows_ = oklabRows(0.0, 0.0);
    std::array<Terms, 3> terms_{};
    bool leftSrgb_ = false;
    mutable int budget_;
};

} // namespace

bool MappedLuminanceWithin(const Vec3& lab, double lowL, double highL, double low, double high,
                           int effort) {
    return ChromaRun(lab, lowL, highL, low, high, effort).within();
}

int32_t OklabToColor(const Vec3& lab) {
    if (lab[0] >= 1.0) {
        return PackRgb(255, 255, 255);
    }
    if (lab[0] <= 0.0) {
        return 0;
    }
    return packedLinear(mappedLinear(lab));
}

ColorOrLuminance OklabToColorOutside(const Vec3& lab, double low, double high) {
    if (!(lab[0] > 0.0 && lab[0] < 1.0)) {
        return {OklabToColor(lab)};
    }
    // Each channel along the chroma c is a cubic sum_j M_ij (L + c k_j)^3 (see ChromaRun): on
    // low..high it lies within its chord there and (high - low)^2 / 8 times the largest size
    // of its second derivative 6 sum_j M_ij k_j^2 (L + c k_j) on 0..chroma.
    const double chroma = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    Vec3 bend{};
    if (chroma > 0.0) {
        for (std::size_t j = 0; j < 3; ++j) {
            const double k = (kOklabToLms[j][1] * lab[1] + kOklabToLms[j][2] * lab[2]) / chroma;
            const double root = std::max(std::abs(lab[0]), std::abs(lab[0] + chroma * k));
            for (std::size_t i = 0; i < 3; ++i) {
                bend[i] += std::abs(kLmsToLinearSrgb[i][j]) * 6.0 * k * k * root / 8.0;
            }
        }
    }
    // The first look once the chroma range is down to an eighth, then every second step.
    double nextLook = chroma / 8.0;
    LuminanceRange found;
    const auto settled = [&](double lowC, const Vec3& lowLinear, double highC,
                             const Vec3& highLinear) {
        const double width = highC - lowC;
        if (width > nextLook * (1.0 + 1e-9)) {
            return false;
        }
        nextLook = width / 4.0;
        ChannelBox box;
        for (std::size_t i = 0; i < 3; ++i) {
            const double bow = width * width * bend[i] + kChannelNoise;
            box[i] = {std::clamp(std::min(lowLinear[i], highLinear[i]) - bow, 0.0, 1.0),
                      std::clamp(std::max(lowLinear[i], highLinear[i]) + bow, 0.0, 1.0)};
        }
        const auto clear = [&](const LuminanceRange& y) {
            if (y.low > low + kLuminanceMargin && y.high < high - kLuminanceMargin) {
                found = y;
                return true;
            }
            return false;
        };
        return clear(roughRoundedLuminance(box)) || clear(roundedLuminance(box));
    };
    const std::optional<Vec3> linear = searchLinear<true>(lab, settled);
    if (!linear) {
        return {std::nullopt, found.low, found.high};
    }
    return {packedLinear(*linear)};
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
