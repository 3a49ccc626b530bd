#include "colour/DarkVariant.h"

#include "colour/Contrast.h"
#include "colour/OkLab.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStep = 0.001;

// Lightness this close to 0 or 1 counts as having reached it: k steps from an L leave a
// remainder of rounding noise rather than exactly 0 or 1.
constexpr double kEndSlack = 1e-9;

// How steps are passed over (see firstFound): the longest and the shortest run of steps
// bounded at once, and the share of the guessed way to the level that a run covers.
constexpr int kLongestRun = 64;
constexpr int kShortestRun = 10;
constexpr int kShortestRunInside = 2;
constexpr double kGuessShare = 0.45;
// The effort a bound of a run may take: a base and a share for each step it passes over.
constexpr int kEffortBase = 8;
constexpr int kEffortPerStep = 4;

constexpr int32_t kBlack = 0x000000;
constexpr int32_t kWhite = 0xFFFFFF;

// The ratio a verdict stands for; 0 for a colour that fails, which is held to nothing.
double levelRatio(ContrastVerdict verdict) {
    switch (verdict) {
    case ContrastVerdict::AAA:
        return 7.0;
    case ContrastVerdict::AA:
        return 4.5;
    case ContrastVerdict::AALarge:
        return 3.0;
    case ContrastVerdict::Fails:
        break;
    }
    return 0.0;
}

// The colour of lab with its lightness set to lightness, mapped into sRGB and rounded, as
// OklabToColorOutside gives it.
ColorOrLuminance withLightness(Vec3 lab, double lightness, double low, double high) {
    lab[0] = lightness;
    return OklabToColorOutside(lab, low, high);
}

bool reaches(int32_t color, int32_t background, double ratio) {
    return ContrastReaches(ContrastRatio(color, background), ratio);
}

// Whether lab at lightness lies inside sRGB: its mapping and its bounds are then quick.
bool insideSrgb(Vec3 lab, double lightness) {
    lab[0] = lightness;
    const Vec3 linear = OklabToLinearSrgb(lab);
    return std::all_of(linear.begin(), linear.end(), [](double c) { return c >= 0.0 && c <= 1.0; });
}

// The steps of one colour's lightness, start + direction k kStep for k = 1, 2, ...
struct Steps {
    double start = 0.0;
    double direction = 1.0;

    double at(int k) const { return start + direction * k * kStep; }
};

// The first step k of 1..last whose colour reaches the level, or last + 1 when there is none.
// mapped(k) maps step k as OklabToColorOutside does with (low, high): only a colour whose
// luminance leaves (low, high) can reach the level. Steps k <= last have lightness inside
// (0, 1). Every step is either mapped or passed over in a run of steps that
// MappedLuminanceWithin shows within (low, high). From the luminance Y of a mapped step (or
// the middle of the range the search showed it in), the lightness where the level's limit Y'
// lies is guessed as L (Y' / Y)^(1/3), and the run after it covers kGuessShare of the way;
// after a run that could not be shown, runs are kept to half its length. Once a run would be
// shorter than kShortestRun (kShortestRunInside for a colour inside sRGB, whose bounds are
// quick), the steps are mapped one by one, and the next guess waits for a step whose colour the
// search gives.
template <typename Mapped, typename Reaches>
int firstFound(const Vec3& lab, const Steps& steps, int last, double low, double high,
               Mapped mapped, Reaches reaches) {
    int longest = kLongestRun;
    bool near = false;
    for (int k = 1; k <= last; ++k) {
        const ColorOrLuminance mapping = mapped(k);
        if (mapping.color && reaches(*mapping.color)) {
            return k;
        }
        if (!mapping.color && near) {
            continue;
        }
        const double y =
            mapping.color ? RelativeLuminance(*mapping.color) : (mapping.low + mapping.high) / 2.0;
        const double limit = steps.direction > 0.0 ? high : low;
        double guess = kLongestRun;
        if (limit > 0.0 && y > 0.0) {
            const double lightness = steps.at(k);
            guess = (lightness * std::cbrt(limit / y) - lightness) / (steps.direction * kStep);
        }
        const int run =
            static_cast<int>(std::clamp(guess * kGuessShare, 0.0, static_cast<double>(longest)));
        const int end = std::min(k + run, last);
        near = run < (insideSrgb(lab, steps.at(k)) ? kShortestRunInside : kShortestRun);
        if (near || end == k) {
            continue;
        }
        const double a = steps.at(k + 1);
        const double b = steps.at(end);
        if (MappedLuminanceWithin(lab, std::min(a, b), std::max(a, b), low, high,
                                  kEffortBase + kEffortPerStep * (end - k))) {
            k = end;
        } else {
            longest = run / 2;
        }
    }
    return last + 1;
}

// The last step k >= 0 such that steps 1..k all have lightness inside (low, high). The lightness
// moves one way only, from a start less than a step outside (low, high): the steps inside come
// first, and there are fewer than 2048 of them.
int lastInside(const Steps& steps, double low, double high) {
    const auto inside = [&](int k) {
        const double l = steps.at(k);
        return l > low && l < high;
    };
    int k = 0;
    int jump = 1024;
    while (jump > 0) {
        if (inside(k + jump)) {
            k += jump;
        } else {
            jump /= 2;
        }
    }
    return k;
}

} // namespace

SchemeColors DarkVariant(const SchemeColors& light) {
    std::array<Vec3, 5> labs;
    std::array<double, 5> levels{};
    SchemeColors dark;
    // OKLab (1 - L, a, b) is OKLCH (1 - L, C, H): chroma and hue stay as they are.
    for (std::size_t i = 0; i < light.size(); ++i) {
        labs[i] = OklabOf(light[i]);
        labs[i][0] = 1.0 - labs[i][0];
        dark[i] = OklabToColor(labs[i]);
        if (i != SchemeBackground) {
            levels[i] =
                levelRatio(ContrastVerdictOf(ContrastRatio(light[i], light[SchemeBackground])));
        }
    }

    const double highest = *std::max_element(levels.begin(), levels.end());
    const Vec3& backgroundLab = labs[SchemeBackground];
    double backgroundL = backgroundLab[0];
    int32_t& background = dark[SchemeBackground];
    const auto blackOrWhiteReaches = [&](int32_t color) {
        return reaches(kBlack, color, highest) || reaches(kWhite, color, highest);
    };
    if (highest > 0.0 && !blackOrWhiteReaches(background)) {
        const Steps steps{backgroundLab[0], backgroundLab[0] < 0.5 ? -1.0 : 1.0};
        // White reaches the level against a background at or below this luminance, black at or
        // above that one. Past the last step inside (0, 1) the background is black or white,
        // and the other one reaches any level.
        const double whiteLimit = 1.05 / highest - 0.05;
        const double blackLimit = 0.05 * highest - 0.05;
        const auto mapped = [&](int k) {
            const ColorOrLuminance mapping =
                withLightness(backgroundLab, steps.at(k), whiteLimit, blackLimit);
            if (mapping.color) {
                background = *mapping.color;
            }
            return mapping;
        };
        const int last = lastInside(steps, 0.0, 1.0);
        int k = firstFound(backgroundLab, steps, last, whiteLimit, blackLimit, mapped,
                           blackOrWhiteReaches);
        for (; k > last; ++k) {
            Vec3 lab = backgroundLab;
            lab[0] = steps.at(k);
            background = OklabToColor(lab);
            if (blackOrWhiteReaches(background)) {
                break;
            }
        }
        backgroundL = steps.at(k);
    }

    for (std::size_t i = SchemeText; i < dark.size(); ++i) {
        if (levels[i] == 0.0 || reaches(dark[i], background, levels[i])) {
            continue;
        }
        const double start = labs[i][0];
        const bool up = start > backgroundL || (start == backgroundL && backgroundL < 0.5);
        const Steps steps{start, up ? 1.0 : -1.0};
        // A text colour reaches the level as the darker one at or below this luminance, as the
        // lighter one at or above that one.
        const double backgroundY = RelativeLuminance(background);
        const double darkLimit = (backgroundY + 0.05) / levels[i] - 0.05;
        const double lightLimit = levels[i] * (backgroundY + 0.05) - 0.05;
        const auto mapped = [&](int k) {
            const ColorOrLuminance mapping =
                withLightness(labs[i], steps.at(k), darkLimit, lightLimit);
            if (mapping.color) {
                dark[i] = *mapping.color;
            }
            return mapping;
        };
        const auto reachesLevel = [&](int32_t color) {
            return reaches(color, background, levels[i]);
        };
        // If its L reaches 0 or 1 first, it becomes black or white.
        const int last = lastInside(steps, kEndSlack, 1.0 - kEndSlack);
        if (firstFound(labs[i], steps, last, darkLimit, lightLimit, mapped, reachesLevel) > last) {
            dark[i] = ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background)
                          ? kBlack
                          : kWhite;
        }
    }
    return dark;
}

bool VariantIsDark(const SchemeColors& scheme, const SchemeColors& variant) {
    return RelativeLuminance(variant[SchemeBackground]) <=
           RelativeLuminance(scheme[SchemeBackground]);
}

QString VariantNamePrefix(const SchemeColors& scheme, const SchemeColors& variant) {
    return VariantIsDark(scheme, variant) ? QStringLiteral("Dark variant: ")
                                          : QStringLiteral("Light variant: ");
}
