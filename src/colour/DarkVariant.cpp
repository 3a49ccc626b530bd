#include "colour/DarkVariant.h"

#include "colour/Contrast.h"
#include "colour/OkLab.h"

#include <algorithm>

namespace {

constexpr double kStep = 0.001;

// Lightness this close to 0 or 1 counts as having reached it: k steps from an L leave a
// remainder of rounding noise rather than exactly 0 or 1.
constexpr double kEndSlack = 1e-9;

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

// The colour of lab with its lightness set to lightness, mapped into sRGB and rounded.
int32_t withLightness(Vec3 lab, double lightness) {
    lab[0] = lightness;
    return OklabToColor(lab);
}

bool reaches(int32_t color, int32_t background, double ratio) {
    return ContrastReaches(ContrastRatio(color, background), ratio);
}

// Most steps cannot reach the level yet, and the bounds of their luminance show it at a small
// part of the cost of mapping them: only the steps that may reach it are mapped. Luminance
// within (low, high) reaches nothing; the margin keeps a step whose bound is that close.
constexpr double kBoundMargin = 1e-9;
constexpr int kBoundPieces = 16;

bool cannotReach(Vec3 lab, double lightness, double low, double high) {
    lab[0] = lightness;
    const LuminanceBounds y = MappedLuminanceBounds(lab, kBoundPieces);
    return y.low > low + kBoundMargin && y.high < high - kBoundMargin;
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
    if (highest > 0.0 && !reaches(kBlack, background, highest) &&
        !reaches(kWhite, background, highest)) {
        const double direction = backgroundLab[0] < 0.5 ? -1.0 : 1.0;
        // White reaches the level against a background at or below this luminance, black at or
        // above that one.
        const double whiteLimit = 1.05 / highest - 0.05;
        const double blackLimit = 0.05 * highest - 0.05;
        for (int k = 1;; ++k) {
            backgroundL = backgroundLab[0] + direction * k * kStep;
            if (backgroundL > 0.0 && backgroundL < 1.0 &&
                cannotReach(backgroundLab, backgroundL, whiteLimit, blackLimit)) {
                continue;
            }
            background = withLightness(backgroundLab, backgroundL);
            if (reaches(kBlack, background, highest) || reaches(kWhite, background, highest)) {
                break;
            }
        }
    }

    for (std::size_t i = SchemeText; i < dark.size(); ++i) {
        if (levels[i] == 0.0 || reaches(dark[i], background, levels[i])) {
            continue;
        }
        const double start = labs[i][0];
        const bool up = start > backgroundL || (start == backgroundL && backgroundL < 0.5);
        const double direction = up ? 1.0 : -1.0;
        // A text colour reaches the level as the darker one at or below this luminance, as the
        // lighter one at or above that one.
        const double backgroundY = RelativeLuminance(background);
        const double darkLimit = (backgroundY + 0.05) / levels[i] - 0.05;
        const double lightLimit = levels[i] * (backgroundY + 0.05) - 0.05;
        for (int k = 1;; ++k) {
            const double lightness = start + direction * k * kStep;
            if (lightness <= kEndSlack || lightness >= 1.0 - kEndSlack) {
                dark[i] = ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background)
                              ? kBlack
                              : kWhite;
                break;
            }
            if (cannotReach(labs[i], lightness, darkLimit, lightLimit)) {
                continue;
            }
            dark[i] = withLightness(labs[i], lightness);
            if (reaches(dark[i], background, levels[i])) {
                break;
            }
        }
    }
    return dark;
}

SchemeColors HolderSchemeColors(const PageColors& colors) {
    return {HolderColor(colors.backC), HolderColor(colors.textC), HolderColor(colors.linkC),
            HolderColor(colors.vlinkC), HolderColor(colors.alinkC)};
}
