#include "colour/CssColor.h"

#include "colour/ColorConverter.h"
#include "colour/HexColor.h"
#include "colour/OkLab.h"

#include <QLatin1StringView>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

namespace {

constexpr qsizetype kMaxLength = 200;
constexpr qsizetype kShownLength = 60;

// Components may lie this far outside 0..1 from arithmetic alone and still count as inside.
constexpr double kInsideSlack = 1e-9;

// Parsed numbers beyond this magnitude are limited to it: far outside every gamut, yet small
// enough that no conversion overflows.
constexpr double kLargest = 1e6;

// The named colours, sorted by name, each written 0xRRGGBB as style sheets write them.
struct NamedColor {
    std::string_view name;
    int32_t rrggbb;
};
constexpr NamedColor kNamedColors[] = {
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xADFF2F},
    {"grey", 0x808080},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080},
    {"oldlace", 0xFDF5E6},
    {"olive", 0x808000},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"teal", 0x008080},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32},
};

// A colour as read: gamma-encoded sRGB channels (inside 0..1 once mapped) and its alpha 0..1.
struct Color {
    Vec3 rgb{};
    double alpha = 1.0;
};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c) {
    return isNameStart(c) || isDigit(c) || c == '-';
}

int hexValue(char c) {
    return HexDigitValue(static_cast<char16_t>(static_cast<unsigned char>(c)));
}

std::optional<Color> hexColor(std::string_view digits) {
    const std::size_t n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8) {
        return std::nullopt;
    }
    std::array<int, 4> values{0, 0, 0, 255};
    const std::size_t width = n <= 4 ? 1 : 2;
    for (std::size_t i = 0; i < n / width; ++i) {
        int value = 0;
        for (std::size_t j = 0; j < width; ++j) {
            const int digit = hexValue(digits[i * width + j]);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + digit;
        }
        values[i] = width == 1 ? value * 17 : value;
    }
    return Color{{values[0] / 255.0, values[1] / 255.0, values[2] / 255.0}, values[3] / 255.0};
}

std::optional<Color> namedColor(std::string_view name) {
    const auto* found = std::lower_bound(
        std::begin(kNamedColors), std::end(kNamedColors), name,
        [](const NamedColor& entry, std::string_view key) { return entry.name < key; });
    if (found == std::end(kNamedColors) || found->name != name) {
        return std::nullopt;
    }
    const int32_t v = found->rrggbb;
    return Color{{(v >> 16) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0}};
}

// The arguments of the colour functions, as tokens.
enum class Kind { Number, Percentage, Angle, None, Name, Comma, Slash };

struct Token {
    Kind kind = Kind::Number;
    double value = 0.0; // a number, a percentage (50 for 50%) or an angle in degrees
    std::string_view name;
};

// At most a colour space, three components, a slash and an alpha, or four components and
// three commas.
constexpr std::size_t kMaxTokens = 8;

struct Tokens {
    std::array<Token, kMaxTokens> items;
    std::size_t count = 0;
    bool hasComma = false;
};

bool startsNumber(std::string_view s, std::size_t i) {
    const auto at = [s](std::size_t k) { return k < s.size() ? s[k] : '\0'; };
    std::size_t k = i;
    if (at(k) == '+' || at(k) == '-') {
        ++k;
    }
    return isDigit(at(k)) || (at(k) == '.' && isDigit(at(k + 1)));
}

bool startsName(std::string_view s, std::size_t i) {
    const char next = i + 1 < s.size() ? s[i + 1] : '\0';
    return isNameStart(s[i]) || (s[i] == '-' && (isNameStart(next) || next == '-'));
}

std::size_t nameEnd(std::string_view s, std::size_t i) {
    while (i < s.size() && isNameChar(s[i])) {
        ++i;
    }
    return i;
}

// Reads the number at s[i] as CSS writes numbers: a sign, digits with an optional fraction of
// at least one digit, and an optional exponent. Returns the end of the number.
std::size_t readNumber(std::string_view s, std::size_t i, double& value) {
    const auto at = [s](std::size_t k) { return k < s.size() ? s[k] : '\0'; };
    const std::size_t start = i;
    bool exponentNegative = false;
    if (at(i) == '+' || at(i) == '-') {
        ++i;
    }
    while (isDigit(at(i))) {
        ++i;
    }
    if (at(i) == '.' && isDigit(at(i + 1))) {
        for (++i; isDigit(at(i)); ++i) {
        }
    }
    if (at(i) == 'e' &&
        (isDigit(at(i + 1)) || ((at(i + 1) == '+' || at(i + 1) == '-') && isDigit(at(i + 2))))) {
        exponentNegative = at(i + 1) == '-';
        for (i += 2; isDigit(at(i)); ++i) {
        }
    }
    // from_chars takes no plus sign, and it reads numbers as the C locale does whatever the
    // program's locale is.
    const char* first = s.data() + start + (s[start] == '+' ? 1 : 0);
    const auto result = std::from_chars(first, s.data() + i, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = exponentNegative ? 0.0 : std::copysign(HUGE_VAL, s[start] == '-' ? -1.0 : 1.0);
    }
    return i;
}

// The tokens between the parentheses of a colour function; false when one is not a number,
// percentage, angle, name, comma or slash, or when there are too many.
bool tokenize(std::string_view s, Tokens& out) {
    std::size_t i = 0;
    while (i < s.size()) {
        Token token;
        if (isSpace(s[i])) {
            ++i;
            continue;
        }
        if (s[i] == ',' || s[i] == '/') {
            token.kind = s[i] == ',' ? Kind::Comma : Kind::Slash;
            out.hasComma = out.hasComma || s[i] == ',';
            ++i;
        } else if (startsNumber(s, i)) {
            i = readNumber(s, i, token.value);
            if (i < s.size() && s[i] == '%') {
                token.kind = Kind::Percentage;
                ++i;
            } else if (i < s.size() && startsName(s, i)) {
                const std::size_t end = nameEnd(s, i);
                const std::string_view unit = s.substr(i, end - i);
                i = end;
                token.kind = Kind::Angle;
                if (unit == "rad") {
                    token.value *= 180.0 / std::numbers::pi;
                } else if (unit == "grad") {
                    token.value *= 0.9;
                } else if (unit == "turn") {
                    token.value *= 360.0;
                } else if (unit != "deg") {
                    return false;
                }
            }
        } else if (startsName(s, i)) {
            const std::size_t end = nameEnd(s, i);
            token.name = s.substr(i, end - i);
            token.kind = token.name == "none" ? Kind::None : Kind::Name;
            i = end;
        } else {
            return false;
        }
        if (out.count == kMaxTokens) {
            return false;
        }
        out.items[out.count++] = token;
    }
    return true;
}

// Three components and an alpha, laid out as CSS allows: "a, b, c" or "a, b, c, alpha" with
// commas (legacy true), "a b c" or "a b c / alpha" without.
struct Arguments {
    std::array<Token, 3> components;
    std::optional<Token> alpha;
    bool legacy = false;
};

std::optional<Arguments> arrange(const Tokens& tokens, std::size_t first) {
    Arguments args;
    args.legacy = tokens.hasComma;
    const std::size_t n = tokens.count - first;
    const Token* t = tokens.items.data() + first;
    const auto isValue = [](const Token& token) {
        return token.kind != Kind::Comma && token.kind != Kind::Slash && token.kind != Kind::Name;
    };
    if (args.legacy) {
        if (n != 5 && n != 7) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (i % 2 == 1 ? t[i].kind != Kind::Comma : !isValue(t[i]) || t[i].kind == Kind::None) {
                return std::nullopt;
            }
        }
        args.components = {t[0], t[2], t[4]};
        if (n == 7) {
            args.alpha = t[6];
        }
        return args;
    }
    if (n != 3 && n != 5) {
        return std::nullopt;
    }
    if (!isValue(t[0]) || !isValue(t[1]) || !isValue(t[2]) ||
        (n == 5 && (t[3].kind != Kind::Slash || !isValue(t[4])))) {
        return std::nullopt;
    }
    args.components = {t[0], t[1], t[2]};
    if (n == 5) {
        args.alpha = t[4];
    }
    return args;
}

double limited(double value) {
    return std::clamp(value, -kLargest, kLargest);
}

// A number or percentage (100% standing for percentReference); "none" is 0.
std::optional<double> scalar(const Token& token, double percentReference) {
    switch (token.kind) {
    case Kind::Number:
        return limited(token.value);
    case Kind::Percentage:
        return limited(token.value) / 100.0 * percentReference;
    case Kind::None:
        return 0.0;
    default:
        return std::nullopt;
    }
}

// A hue in degrees 0..360: a number of degrees or an angle; "none" is 0.
std::optional<double> hue(const Token& token) {
    if (token.kind == Kind::None) {
        return 0.0;
    }
    if ((token.kind != Kind::Number && token.kind != Kind::Angle) || !std::isfinite(token.value)) {
        return std::nullopt;
    }
    const double degrees = std::fmod(token.value, 360.0);
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

std::optional<double> alphaOf(const std::optional<Token>& token) {
    if (!token) {
        return 1.0;
    }
    const std::optional<double> alpha = scalar(*token, 1.0);
    if (!alpha) {
        return std::nullopt;
    }
    return std::clamp(*alpha, 0.0, 1.0);
}

Vec3 hslToSrgb(double hueDegrees, double saturation, double lightness) {
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hueDegrees / 30.0, 12.0);
        const double a = saturation * std::min(lightness, 1.0 - lightness);
        return lightness - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
    };
    return {channel(0.0), channel(8.0), channel(4.0)};
}

Vec3 hwbToSrgb(double hueDegrees, double whiteness, double blackness) {
    if (whiteness + blackness >= 1.0) {
        const double grey = whiteness / (whiteness + blackness);
        return {grey, grey, grey};
    }
    Vec3 rgb = hslToSrgb(hueDegrees, 1.0, 0.5);
    for (double& c : rgb) {
        c = c * (1.0 - whiteness - blackness) + whiteness;
    }
    return rgb;
}

// An sRGB colour as it is when it lies inside sRGB, otherwise mapped into it.
Vec3 srgbInGamut(const Vec3& rgb) {
    const bool inside = std::all_of(rgb.begin(), rgb.end(), [](double c) {
        return c >= -kInsideSlack && c <= 1.0 + kInsideSlack;
    });
    if (inside) {
        return {std::clamp(rgb[0], 0.0, 1.0), std::clamp(rgb[1], 0.0, 1.0),
                std::clamp(rgb[2], 0.0, 1.0)};
    }
    return GamutMapToSrgb(
        LinearSrgbToOklab({SrgbToLinear(rgb[0]), SrgbToLinear(rgb[1]), SrgbToLinear(rgb[2])}));
}

Vec3 labToSrgb(const Vec3& lab) {
    return GamutMapToSrgb(XyzToOklab(XyzD50ToD65(LabToXyzD50(lab))));
}

// The sRGB channels of a function's three components, mapped into sRGB where they lie outside.
std::optional<Vec3> components(std::string_view function, const Arguments& args,
                               std::string_view space) {
    const auto& [c0, c1, c2] = args.components;
    if (function == "rgb" || function == "rgba") {
        if (args.legacy && (c0.kind != c1.kind || c1.kind != c2.kind)) {
            return std::nullopt;
        }
        Vec3 rgb;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::optional<double> value = scalar(args.components[i], 255.0);
            if (!value) {
                return std::nullopt;
            }
            rgb[i] = std::clamp(*value / 255.0, 0.0, 1.0);
        }
        return rgb;
    }
    if (function == "hsl" || function == "hsla" || function == "hwb") {
        const std::optional<double> h = hue(c0);
        const std::optional<double> second = scalar(c1, 100.0);
        const std::optional<double> third = scalar(c2, 100.0);
        if (!h || !second || !third ||
            (args.legacy && (c1.kind != Kind::Percentage || c2.kind != Kind::Percentage))) {
            return std::nullopt;
        }
        if (function == "hwb") {
            return srgbInGamut(hwbToSrgb(*h, *second / 100.0, *third / 100.0));
        }
        return srgbInGamut(hslToSrgb(*h, std::max(0.0, *second) / 100.0, *third / 100.0));
    }
    // Percent references: CIE L 100, a and b 125, C 150; OKLab L 1, a, b and C 0.4; color()
    // channels 1. A reference of 0 marks the hue.
    struct Form {
        std::string_view name;
        Vec3 percentReference;
    };
    constexpr Form kForms[] = {{"lab", {100.0, 125.0, 125.0}},
                               {"lch", {100.0, 150.0, 0.0}},
                               {"oklab", {1.0, 0.4, 0.4}},
                               {"oklch", {1.0, 0.4, 0.0}},
                               {"color", {1.0, 1.0, 1.0}}};
    const Form& form = *std::find_if(std::begin(kForms), std::end(kForms),
                                     [function](const Form& f) { return f.name == function; });
    const bool polar = form.percentReference[2] == 0.0;
    const std::optional<double> first = scalar(c0, form.percentReference[0]);
    const std::optional<double> second = scalar(c1, form.percentReference[1]);
    const std::optional<double> third = polar ? hue(c2) : scalar(c2, form.percentReference[2]);
    if (!first || !second || !third) {
        return std::nullopt;
    }
    if (function == "color") {
        const Vec3 rgb{*first, *second, *third};
        if (space == "srgb") {
            return srgbInGamut(rgb);
        }
        const Vec3 linear{SrgbToLinear(rgb[0]), SrgbToLinear(rgb[1]), SrgbToLinear(rgb[2])};
        return GamutMapToSrgb(XyzToOklab(LinearP3ToXyz(linear)));
    }
    // Lightness is clamped to 0..100% of its reference, chroma to 0 and up.
    const double lightness = std::clamp(*first, 0.0, form.percentReference[0]);
    const Vec3 lab = polar ? PolarToRectangular(lightness, std::max(0.0, *second), *third)
                           : Vec3{lightness, *second, *third};
    return function.starts_with("ok") ? GamutMapToSrgb(lab) : labToSrgb(lab);
}

std::optional<Color> functionColor(std::string_view text) {
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')') {
        return std::nullopt;
    }
    const std::string_view function = text.substr(0, open);
    constexpr std::string_view kFunctions[] = {"rgb", "rgba", "hsl",   "hsla",  "hwb",
                                               "lab", "lch",  "oklab", "oklch", "color"};
    if (std::find(std::begin(kFunctions), std::end(kFunctions), function) == std::end(kFunctions)) {
        return std::nullopt;
    }
    Tokens tokens;
    if (!tokenize(text.substr(open + 1, text.size() - open - 2), tokens)) {
        return std::nullopt;
    }
    std::size_t first = 0;
    std::string_view space;
    if (function == "color") {
        if (tokens.count == 0 || tokens.items[0].kind != Kind::Name ||
            (tokens.items[0].name != "srgb" && tokens.items[0].name != "display-p3")) {
            return std::nullopt;
        }
        space = tokens.items[0].name;
        first = 1;
    }
    const std::optional<Arguments> args = arrange(tokens, first);
    // Commas belong to the functions that CSS had before the space-separated forms.
    if (!args || (args->legacy && function != "rgb" && function != "rgba" && function != "hsl" &&
                  function != "hsla")) {
        return std::nullopt;
    }
    const std::optional<Vec3> rgb = components(function, *args, space);
    const std::optional<double> alpha = alphaOf(args->alpha);
    if (!rgb || !alpha) {
        return std::nullopt;
    }
    return Color{*rgb, *alpha};
}

// The text with its ASCII letters in lower case; empty when it holds a character that no colour
// text has (anything outside printable ASCII but blanks).
std::string lowerAscii(QStringView text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c >= 0x7F || (c < 0x20 && !isSpace(static_cast<char>(c)))) {
            return {};
        }
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return out;
}

} // namespace

std::optional<int32_t> ParseCssColor(QStringView text, int32_t background) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxLength) {
        return std::nullopt;
    }
    const std::string s = lowerAscii(trimmed);
    if (s.empty()) {
        return std::nullopt;
    }
    std::optional<Color> color;
    if (s[0] == '#') {
        color = hexColor(std::string_view(s).substr(1));
    } else if (s.size() == 6 &&
               std::all_of(s.begin(), s.end(), [](char c) { return hexValue(c) >= 0; })) {
        color = hexColor(s);
    } else if (s.back() == ')') {
        color = functionColor(s);
    } else {
        color = namedColor(s);
    }
    if (!color) {
        return std::nullopt;
    }
    Vec3 rgb = color->rgb;
    if (color->alpha < 1.0) {
        const double a = color->alpha;
        const RgbChannels under = SplitPacked(background);
        const int32_t channels[] = {under.red, under.green, under.blue};
        for (int i = 0; i < 3; ++i) {
            rgb[i] = rgb[i] * a + channels[i] / 255.0 * (1.0 - a);
        }
    }
    return PackSrgb(rgb);
}

QString UnusableColorMessage(QStringView text, ColorTextSource source) {
    const QLatin1StringView prefix(source == ColorTextSource::Clipboard
                                       ? "The clipboard holds no color that Tintara can use: "
                                       : "The dropped text holds no color that Tintara can use: ");
    QString shown = text.trimmed().toString();
    if (shown.isEmpty()) {
        return QString(prefix) + QLatin1StringView("it is empty");
    }
    for (QChar& c : shown) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph) {
            c = QLatin1Char(' ');
        }
    }
    if (shown.size() > kShownLength) {
        const qsizetype cut =
            shown[kShownLength - 1].isHighSurrogate() ? kShownLength - 1 : kShownLength;
        shown = shown.left(cut) + QChar(0x2026);
    }
    return QString(prefix) + QLatin1Char('"') + shown + QLatin1Char('"');
}
