#include "colour/Contrast.h"

#include "colour/ColorConverter.h"
#include "colour/HexColor.h"

#include <QLatin1StringView>
#include <QStringBuilder>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

using L = QLatin1StringView;

// Relative slack under which a ratio counts as reaching a threshold; the luminance and ratio
// arithmetic is good to a few units in 1e-16.
constexpr double kSlack = 1e-12;

// The ratio in whole hundredths, truncated: 4.499 gives 449, 21 gives 2100.
int64_t hundredths(double ratio) {
    return static_cast<int64_t>(std::floor(ratio * 100.0 * (1.0 + kSlack)));
}

// The texts and target of each role, in the order of ContrastRole.
struct RoleTexts {
    L shortName;  // "Visited"
    L longName;   // "Visited link"
    L colorName;  // "visited link color"
    L targetName; // "VLink Color"
};
constexpr RoleTexts kRoles[] = {
    {L("Text"), L("Text"), L("text color"), L("Text Color")},
    {L("Link"), L("Link"), L("link color"), L("Link Color")},
    {L("Visited"), L("Visited link"), L("visited link color"), L("VLink Color")},
    {L("Active"), L("Active link"), L("active link color"), L("ALink Color")},
};

const RoleTexts& textsOf(ContrastRole role) {
    return kRoles[static_cast<int>(role)];
}

double ratioOfLuminances(double la, double lb) {
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

double LinearChannel(int32_t channel) {
    // The 256 values, computed once; the readouts and the fix search read many colours.
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double c = static_cast<double>(i) / 255.0;
            t[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table[static_cast<std::size_t>(channel & 0xFF)];
}

double RelativeLuminance(int32_t color) {
    const RgbChannels c = SplitPacked(color);
    return LinearLuminance(LinearChannel(c.red), LinearChannel(c.green), LinearChannel(c.blue));
}

double ContrastRatio(int32_t a, int32_t b) {
    return ratioOfLuminances(RelativeLuminance(a), RelativeLuminance(b));
}

bool ContrastReaches(double ratio, double minimum) {
    return ratio * (1.0 + kSlack) >= minimum;
}

ContrastVerdict ContrastVerdictOf(double ratio) {
    if (ContrastReaches(ratio, kContrastAAA)) {
        return ContrastVerdict::AAA;
    }
    if (ContrastReaches(ratio, 4.5)) {
        return ContrastVerdict::AA;
    }
    if (ContrastReaches(ratio, 3.0)) {
        return ContrastVerdict::AALarge;
    }
    return ContrastVerdict::Fails;
}

QString ContrastVerdictText(ContrastVerdict verdict) {
    switch (verdict) {
    case ContrastVerdict::AAA:
        return QStringLiteral("AAA");
    case ContrastVerdict::AA:
        return QStringLiteral("AA");
    case ContrastVerdict::AALarge:
        return QStringLiteral("AA large");
    case ContrastVerdict::Fails:
        break;
    }
    return QStringLiteral("fails");
}

// The readouts build these texts on every move of a drag: digit by digit, and each whole text
// in one allocation.
QString ContrastRatioText(double ratio) {
    const int64_t n = hundredths(ratio);
    char digits[24];
    char* end = digits + sizeof digits;
    char* p = end;
    for (int64_t rest = n; p > end - 4 || rest > 0; rest /= 10) {
        *--p = static_cast<char>('0' + rest % 10);
        if (p == end - 2)
            *--p = '.';
    }
    return QString::fromLatin1(p, end - p);
}

QString ContrastReadoutText(ContrastRole role, double ratio) {
    return textsOf(role).shortName % QLatin1Char(' ') % ContrastRatioText(ratio) %
           QLatin1Char(' ') % ContrastVerdictText(ContrastVerdictOf(ratio));
}

QString ContrastAccessibleName(ContrastRole role, double ratio) {
    return textsOf(role).longName % L(" contrast ") % ContrastRatioText(ratio) % L(":1 ") %
           ContrastVerdictText(ContrastVerdictOf(ratio));
}

QString LinkDistinctionText(double linkAgainstText) {
    return L("Link color against text color ") % ContrastRatioText(linkAgainstText) %
           (ContrastReaches(linkAgainstText, 3.0) ? L(":1: distinguishable without underline")
                                                  : L(":1: not distinguishable without underline"));
}

int32_t HolderColor(const QString& holder) {
    QString text = holder;
    return HexToColor(text);
}

QString ContrastRoleTarget(ContrastRole role) {
    return textsOf(role).targetName;
}

SchemeColors HolderSchemeColors(const PageColors& colors) {
    return {HolderColor(colors.backC), HolderColor(colors.textC), HolderColor(colors.linkC),
            HolderColor(colors.vlinkC), HolderColor(colors.alinkC)};
}

double SchemeContrastRatio(const SchemeColors& scheme, ContrastRole role) {
    return ContrastRatio(scheme[SlotOf(role)], scheme[SchemeBackground]);
}

double LinkAgainstTextRatio(const SchemeColors& scheme) {
    return ContrastRatio(scheme[SchemeLink], scheme[SchemeText]);
}

ContrastFix NearestPassingColor(int32_t color, int32_t background, double minimum) {
    const ColorConverter cc;
    const int32_t hsb = cc.RGBToHSB(color);
    ContrastFix fix;
    fix.hue = cc.hue(hsb);
    fix.saturation = cc.Saturation(hsb);
    fix.brightness = cc.brightness(hsb);
    fix.color = color;
    const double backgroundLuminance = RelativeLuminance(background);
    const auto ratioTo = [backgroundLuminance](int32_t rgb) {
        return ratioOfLuminances(RelativeLuminance(rgb), backgroundLuminance);
    };
    if (ContrastReaches(ratioTo(color), minimum)) {
        fix.outcome = ContrastFix::Outcome::AlreadyPasses;
        return fix;
    }
    const auto found = [&fix](int32_t s, int32_t b, int32_t rgb) {
        fix.outcome = ContrastFix::Outcome::Found;
        fix.saturation = s;
        fix.brightness = b;
        fix.color = rgb;
        return fix;
    };
    const int32_t h = fix.hue;
    const int32_t s = fix.saturation;
    const int32_t b = fix.brightness;
    for (int32_t k = 1; b - k >= 0 || b + k <= 100; ++k) {
        const int32_t dark = cc.HSBToRGB(cc.HSBToLong(h, s, b - k));
        const int32_t light = cc.HSBToRGB(cc.HSBToLong(h, s, b + k));
        const double darkRatio = b - k >= 0 ? ratioTo(dark) : 0.0;
        const double lightRatio = b + k <= 100 ? ratioTo(light) : 0.0;
        const bool darkPasses = ContrastReaches(darkRatio, minimum);
        const bool lightPasses = ContrastReaches(lightRatio, minimum);
        if (darkPasses && (!lightPasses || darkRatio >= lightRatio)) {
            return found(s, b - k, dark);
        }
        if (lightPasses) {
            return found(s, b + k, light);
        }
    }
    for (int32_t sat = s - 1; sat >= 0; --sat) {
        const int32_t rgb = cc.HSBToRGB(cc.HSBToLong(h, sat, 100));
        if (ContrastReaches(ratioTo(rgb), minimum)) {
            return found(sat, 100, rgb);
        }
    }
    fix.outcome = ContrastFix::Outcome::NothingPasses;
    return fix;
}

QString ContrastFixTip(ContrastRole role, const ContrastFix& fix) {
    switch (fix.outcome) {
    case ContrastFix::Outcome::Found:
        return L("Click to make the ") + textsOf(role).colorName + L(" pass AA: ") +
               ColorToHex(fix.color);
    case ContrastFix::Outcome::NothingPasses:
        return L("No brightness or saturation of the ") + textsOf(role).colorName + L(" passes AA");
    case ContrastFix::Outcome::AlreadyPasses:
        break;
    }
    return QString();
}
