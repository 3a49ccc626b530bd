#pragma once

#include <cstdint>
#include <string>

// Conversions between packed RGB values (red + green*256 + blue*65536), packed HSB values
// (hue*65536 + saturation*256 + brightness; hue 0..359, saturation and brightness 0..100),
// their components and their display texts. Holds no state; nothing here ever fails:
// components out of range are clamped.
class ColorConverter {
public:
    // "255, 128, 0"
    std::string RGBAsString(int32_t RGBValue) const;
    // "30, 100, 100" (components clamped as SplitHSB gives them)
    std::string HSBAsString(int32_t HSBValue) const;

    int32_t RGBToLong(int32_t Red, int32_t Green, int32_t Blue) const;
    int32_t HSBToLong(int32_t hue, int32_t Saturation, int32_t brightness) const;

    int32_t Red(int32_t RGBValue) const;
    int32_t Green(int32_t RGBValue) const;
    int32_t Blue(int32_t RGBValue) const;
    int32_t hue(int32_t HSBValue) const;
    int32_t Saturation(int32_t HSBValue) const;
    int32_t brightness(int32_t HSBValue) const;

    void SplitRGB(int32_t RGBValue, int32_t& Red, int32_t& Green, int32_t& Blue) const;
    void SplitHSB(int32_t HSBValue, int32_t& hue, int32_t& Saturation, int32_t& brightness) const;

    int32_t HSBToRGB(int32_t HSBValue) const;
    int32_t RGBToHSB(int32_t RGBValue) const;

private:
    // Limits value to [min, max], writes it back and returns it.
    static int32_t Clamp(int32_t& value, int32_t min, int32_t max);
};

// The channels 0..255 of a packed RGB value (red + green*256 + blue*65536); the upper byte is
// ignored. Every part of the program that takes a packed colour apart does it here.
struct RgbChannels {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};
constexpr RgbChannels SplitPacked(int32_t color) {
    const auto bits = static_cast<uint32_t>(color);
    return {static_cast<int32_t>(bits & 0xFFu), static_cast<int32_t>((bits >> 8) & 0xFFu),
            static_cast<int32_t>((bits >> 16) & 0xFFu)};
}

// The packed RGB value of three channels 0..255.
constexpr int32_t PackRgb(int32_t red, int32_t green, int32_t blue) {
    return red + green * 256 + blue * 65536;
}

// Nearest integer, halves to the even one (127.5 -> 128, 76.5 -> 76); values beyond the 32-bit
// range and infinities saturate to INT32_MAX / INT32_MIN, and NaN gives 0.
int32_t roundHalfEven(double value);
