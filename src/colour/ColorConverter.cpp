#include "colour/ColorConverter.h"

#include <algorithm>
#include <cmath>
#include <limits>

// The conversions keep the precision of every intermediate step: quotients and products are
// computed in double, and the HSB -> RGB factors (and the hue sector value) are narrowed to
// float where the colour of the result depends on it. Changing a float to a double here
// changes the last digit of many colours.

int32_t roundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // Under the default rounding mode nearbyint rounds halves to the even neighbour.
    const double r = std::nearbyint(value);
    if (r >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (r <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(r);
}

int32_t ColorConverter::Clamp(int32_t& value, int32_t min, int32_t max) {
    if (value < min) {
        value = min;
    }
    if (value > max) {
        value = max;
    }
    return value;
}

std::string ColorConverter::RGBAsString(int32_t RGBValue) const {
    int32_t r = 0;
    int32_t g = 0;
    int32_t b = 0;
    SplitRGB(RGBValue, r, g, b);
    return std::to_string(r) + ", " + std::to_string(g) + ", " + std::to_string(b);
}

std::string ColorConverter::HSBAsString(int32_t HSBValue) const {
    int32_t h = 0;
    int32_t s = 0;
    int32_t br = 0;
    SplitHSB(HSBValue, h, s, br);
    return std::to_string(h) + ", " + std::to_string(s) + ", " + std::to_string(br);
}

int32_t ColorConverter::RGBToLong(int32_t Red, int32_t Green, int32_t Blue) const {
    Clamp(Red, 0, 255);
    Clamp(Green, 0, 255);
    Clamp(Blue, 0, 255);
    return PackRgb(Red, Green, Blue);
}

int32_t ColorConverter::HSBToLong(int32_t hue, int32_t Saturation, int32_t brightness) const {
    Clamp(hue, 0, 359);
    Clamp(Saturation, 0, 100);
    Clamp(brightness, 0, 100);
    return hue * 65536 + Saturation * 256 + brightness;
}

int32_t ColorConverter::Red(int32_t RGBValue) const {
    return SplitPacked(RGBValue).red;
}

int32_t ColorConverter::Green(int32_t RGBValue) const {
    return SplitPacked(RGBValue).green;
}

int32_t ColorConverter::Blue(int32_t RGBValue) const {
    return SplitPacked(RGBValue).blue;
}

int32_t ColorConverter::hue(int32_t HSBValue) const {
    int32_t h = HSBValue / 65536; // truncates toward zero
    return Clamp(h, 0, 359);
}

int32_t ColorConverter::Saturation(int32_t HSBValue) const {
    int32_t s = static_cast<int32_t>((static_cast<uint32_t>(HSBValue) >> 8) & 0xFFu);
    return Clamp(s, 0, 100);
}

int32_t ColorConverter::brightness(int32_t HSBValue) const {
    int32_t br = static_cast<int32_t>(static_cast<uint32_t>(HSBValue) & 0xFFu);
    return Clamp(br, 0, 100);
}

void ColorConverter::SplitRGB(int32_t RGBValue, int32_t& Red, int32_t& Green, int32_t& Blue) const {
    const RgbChannels channels = SplitPacked(RGBValue);
    Red = channels.red;
    Green = channels.green;
    Blue = channels.blue;
}

void ColorConverter::SplitHSB(int32_t HSBValue, int32_t& hue, int32_t& Saturation,
                              int32_t& brightness) const {
    hue = this->hue(HSBValue);
    Saturation = this->Saturation(HSBValue);
    brightness = this->brightness(HSBValue);
}

int32_t ColorConverter::HSBToRGB(int32_t HSBValue) const {
    int32_t h = 0;
    int32_t sat = 0;
    int32_t br = 0;
    SplitHSB(HSBValue, h, sat, br);

    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    if (sat == 0) {
        // Grey: an exact decimal quotient, rounded.
        red = roundHalfEven(static_cast<double>(br * 255) / 100.0);
        green = red;
        blue = red;
    } else {
        const float hh = static_cast<float>(static_cast<double>(h) / 60.0);
        const float v = static_cast<float>(static_cast<double>(br) / 100.0);
        const float s = static_cast<float>(static_cast<double>(sat) / 100.0);
        const int i = static_cast<int>(std::floor(hh));
        const double dv = v;
        const double ds = s;
        const float f = static_cast<float>(static_cast<double>(hh) - i);
        const double df = f;
        const float p = static_cast<float>((1.0 - ds) * dv);
        const float q = static_cast<float>((1.0 - ds * df) * dv);
        const float t = static_cast<float>((1.0 - (1.0 - df) * ds) * dv);

        float cr = 0.0f;
        float cg = 0.0f;
        float cb = 0.0f;
        switch (i) {
        case 0:
            cr = v;
            cg = t;
            cb = p;
            break;
        case 1:
            cr = q;
            cg = v;
            cb = p;
            break;
        case 2:
            cr = p;
            cg = v;
            cb = t;
            break;
        case 3:
            cr = p;
            cg = q;
            cb = v;
            break;
        case 4:
            cr = t;
            cg = p;
            cb = v;
            break;
        default: // 5: hue 300..359
            cr = v;
            cg = p;
            cb = q;
            break;
        }
        red = roundHalfEven(static_cast<double>(cr) * 255.0);
        green = roundHalfEven(static_cast<double>(cg) * 255.0);
        blue = roundHalfEven(static_cast<double>(cb) * 255.0);
    }
    return RGBToLong(red, green, blue);
}

int32_t ColorConverter::RGBToHSB(int32_t RGBValue) const {
    int32_t r = 0;
    int32_t g = 0;
    int32_t b = 0;
    SplitRGB(RGBValue, r, g, b);

    const int32_t max = std::max({r, g, b});
    const int32_t min = std::min({r, g, b});
    const int32_t delta = max - min;

    const int32_t bri = roundHalfEven(static_cast<double>(max * 100) / 255.0);
    int32_t h = 0;
    int32_t sat = 0;
    if (max != 0) {
        sat = roundHalfEven(static_cast<double>(delta) / static_cast<double>(max) * 100.0);
        if (delta != 0) {
            const double d = delta;
            double x = 0.0;
            if (max == r) {
                x = static_cast<double>(g - b) / d;
            } else if (max == g) {
                x = static_cast<double>(b - r) / d + 2.0;
            } else {
                x = static_cast<double>(r - g) / d + 4.0;
            }
            const float xs = static_cast<float>(x);
            h = roundHalfEven(static_cast<double>(xs) * 60.0);
            if (h < 0) {
                h += 360;
            }
        }
    }
    return HSBToLong(h, sat, bri);
}
