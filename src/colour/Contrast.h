#pragma once

// Contrast between the page colours as WCAG 2.x measures it, the texts of the contrast
// readouts, and the nearest colour that passes.

#include "colour/PageColors.h"

#include <QString>
#include <cstdint>

// The ratios a text colour needs against its background for levels AA and AAA (normal text).
inline constexpr double kContrastAA = 4.5;
inline constexpr double kContrastAAA = 7.0;

// Linear-light value 0..1 of one 8-bit sRGB channel: with c = channel / 255, c / 12.92 when
// c <= 0.04045, otherwise ((c + 0.055) / 1.055) ^ 2.4. The channel is taken modulo 256.
double LinearChannel(int32_t channel);

// Relative luminance of linear-light channels: 0.2126 R + 0.7152 G + 0.0722 B.
constexpr double LinearLuminance(double red, double green, double blue) {
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue;
}

// Relative luminance 0..1 of a packed RGB colour (red + green*256 + blue*65536; the upper byte
// is ignored): LinearLuminance of its linear channels.
double RelativeLuminance(int32_t color);

// (L1 + 0.05) / (L2 + 0.05), L1 the lighter of the two luminances: 1..21, symmetric in a, b.
double ContrastRatio(int32_t a, int32_t b);

// Whether ratio reaches minimum. Compared unrounded: 4.499 does not reach 4.5. A shortfall
// below 1e-12 of the ratio, far below what the arithmetic can tell apart, counts as reaching
// it, so that exact ratios (21 for black on white) are never lost to floating-point error.
bool ContrastReaches(double ratio, double minimum);

enum class ContrastVerdict { Fails, AALarge, AA, AAA };

// AAA from 7, AA from 4.5, AA large from 3, else fails; compared as ContrastReaches does.
ContrastVerdict ContrastVerdictOf(double ratio);

// "AAA", "AA", "AA large" or "fails".
QString ContrastVerdictText(ContrastVerdict verdict);

// The ratio with two decimals, truncated and never rounded up: 4.499 gives "4.49", black on
// white "21.00", a colour on itself "1.00".
QString ContrastRatioText(double ratio);

// The four text colours that are read against the background, and all four in that order.
enum class ContrastRole { Text, Link, VisitedLink, ActiveLink };
inline constexpr ContrastRole kContrastRoles[] = {
    ContrastRole::Text, ContrastRole::Link, ContrastRole::VisitedLink, ContrastRole::ActiveLink};

// The readout's short text: "Text 21.00 AAA", "Link 4.54 AA", "Visited 3.02 AA large",
// "Active 1.00 fails".
QString ContrastReadoutText(ContrastRole role, double ratio);

// The readout's accessible name: "Text contrast 21.00:1 AAA", "Link contrast 4.54:1 AA",
// "Visited link contrast 3.02:1 AA large", "Active link contrast 1.00:1 fails".
QString ContrastAccessibleName(ContrastRole role, double ratio);

// The link readout's tooltip part for the link colour against the text colour:
// "Link color against text color 3.02:1: distinguishable without underline" from 3 on,
// otherwise "Link color against text color 1.50:1: not distinguishable without underline".
QString LinkDistinctionText(double linkAgainstText);

// The colour of a hex holder's text as HexToColor reads it; the holder itself is not changed.
int32_t HolderColor(const QString& holder);

// The name in the target list of the page colour of role: "Text Color", "Link Color",
// "VLink Color", "ALink Color".
QString ContrastRoleTarget(ContrastRole role);

// The five colours of the hex holders, as HolderColor reads them.
SchemeColors HolderSchemeColors(const PageColors& colors);

// The slot of a scheme that holds the colour of role.
constexpr SchemeSlot SlotOf(ContrastRole role) {
    return static_cast<SchemeSlot>(static_cast<std::size_t>(role) + 1);
}

// The colour of role against the background of a scheme.
double SchemeContrastRatio(const SchemeColors& scheme, ContrastRole role);

// The link colour against the text colour of a scheme.
double LinkAgainstTextRatio(const SchemeColors& scheme);

// The nearest colour that passes, found along the HSB fields. H, S and B are those of
// RGBToHSB(colour). Brightness B' = B +- 1, B +- 2, ... within 0..100 is tried first; the first
// B' whose colour HSBToRGB(HSBToLong(H, S, B')) reaches the minimum against the background
// wins; when B - k and B + k both reach it, the higher ratio wins (the darker on a tie). If no
// brightness does, B' = 100 and S' = S - 1, S - 2, ..., 0 are tried, the first passing wins.
// B itself is never tried: the fix always changes the colour.
struct ContrastFix {
    enum class Outcome {
        AlreadyPasses, // the colour reaches the minimum: no fix is offered; H, S, B, colour
                       // are those of the colour itself
        Found,         // hue, saturation, brightness and colour are the fix
        NothingPasses, // no colour of the search reaches the minimum (cannot happen for 4.5,
                       // where black or white always passes); H, S, B, colour as AlreadyPasses
    };
    Outcome outcome = Outcome::NothingPasses;
    // The values to type into the hue, saturation and brightness fields, and the colour they
    // give, HSBToRGB(HSBToLong(hue, saturation, brightness)), when Found.
    int32_t hue = 0;
    int32_t saturation = 0;
    int32_t brightness = 0;
    int32_t color = 0;
};
ContrastFix NearestPassingColor(int32_t color, int32_t background, double minimum = kContrastAA);

// The fix readout's tooltip: for Found "Click to make the active link color pass AA: 4D4D4D"
// (the role as "text color", "link color", "visited link color", "active link color"); for
// NothingPasses "No brightness or saturation of the active link color passes AA"; for
// AlreadyPasses an empty text.
QString ContrastFixTip(ContrastRole role, const ContrastFix& fix);
