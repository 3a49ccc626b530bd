#include "colour/ColorConverter.h"

#include <QTest>
#include <limits>

#include <cstdlib>

namespace {

// Packed forms written out from their layout: red in the low byte, hue in the high bits.
int32_t packRGB(int32_t r, int32_t g, int32_t b) {
    return r + g * 256 + b * 65536;
}
int32_t packHSB(int32_t h, int32_t s, int32_t br) {
    return h * 65536 + s * 256 + br;
}

} // namespace

class TestColorConverter : public QObject {
    Q_OBJECT

private slots:
    void roundHalfEvenValues_data();
    void roundHalfEvenValues();
    void hsbToRgb_data();
    void hsbToRgb();
    void rgbToHsb_data();
    void rgbToHsb();
    void roundTripIsNotExact();
    void greyAndColoredPathsDiffer();
    void hsbToLongClamps_data();
    void hsbToLongClamps();
    void rgbToLongClamps_data();
    void rgbToLongClamps();
    void rgbComponents_data();
    void rgbComponents();
    void hsbComponents_data();
    void hsbComponents();
    void texts_data();
    void texts();
    void wholeRgbDomain();
    void wholeHsbDomain();
};

void TestColorConverter::roundHalfEvenValues_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("127.5") << 127.5 << 128;
    QTest::newRow("76.5") << 76.5 << 76;
    QTest::newRow("25.5") << 25.5 << 26;
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("2.5001") << 2.5001 << 3;
    QTest::newRow("-0.004") << -0.004 << 0;
    QTest::newRow("359.4") << 359.4 << 359;
    // Beyond 32 bits the result saturates; no number at all gives 0.
    constexpr int kMax = std::numeric_limits<int32_t>::max();
    constexpr int kMin = std::numeric_limits<int32_t>::min();
    QTest::newRow("largest + 0.5") << 2147483647.5 << kMax;
    QTest::newRow("1e10") << 1e10 << kMax;
    QTest::newRow("smallest") << -2147483648.0 << kMin;
    QTest::newRow("-1e10") << -1e10 << kMin;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << kMax;
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << kMin;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestColorConverter::roundHalfEvenValues() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(roundHalfEven(value), expected);
}

void TestColorConverter::hsbToRgb_data() {
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("br");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");

    // Greys: an exact quotient rounded halves to even.
    QTest::newRow("grey 50") << 0 << 0 << 50 << 128 << 128 << 128;
    QTest::newRow("grey 30") << 0 << 0 << 30 << 76 << 76 << 76;
    QTest::newRow("grey 10") << 0 << 0 << 10 << 26 << 26 << 26;
    QTest::newRow("grey 100") << 0 << 0 << 100 << 255 << 255 << 255;
    QTest::newRow("black") << 0 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("black with hue") << 200 << 80 << 0 << 0 << 0 << 0;
    QTest::newRow("grey ignores hue") << 123 << 0 << 50 << 128 << 128 << 128;

    QTest::newRow("red") << 0 << 100 << 100 << 255 << 0 << 0;
    QTest::newRow("yellow") << 60 << 100 << 100 << 255 << 255 << 0;
    QTest::newRow("green") << 120 << 100 << 100 << 0 << 255 << 0;
    QTest::newRow("cyan") << 180 << 100 << 100 << 0 << 255 << 255;
    QTest::newRow("blue") << 240 << 100 << 100 << 0 << 0 << 255;
    QTest::newRow("magenta") << 300 << 100 << 100 << 255 << 0 << 255;
    QTest::newRow("orange") << 30 << 100 << 100 << 255 << 128 << 0;
    QTest::newRow("hue 359") << 359 << 100 << 100 << 255 << 0 << 4;
    QTest::newRow("180,50,50") << 180 << 50 << 50 << 64 << 128 << 128;
    QTest::newRow("0,50,100") << 0 << 50 << 100 << 255 << 128 << 128;
    QTest::newRow("red at 30") << 0 << 100 << 30 << 77 << 0 << 0;
    // Single-precision factors decide these: (1 - 0.4f) * 0.5f is just above 0.3.
    QTest::newRow("0,40,50") << 0 << 40 << 50 << 128 << 77 << 77;
    // 0.6f is above 0.6, so p = (1 - s) * V narrows to just below 0.1: 25.4999... -> 25.
    QTest::newRow("0,60,25") << 0 << 60 << 25 << 64 << 25 << 25;
    // hh = 62 / 60 narrowed to single is above 31/30: red 246.500008 -> 247.
    QTest::newRow("62,100,100") << 62 << 100 << 100 << 247 << 255 << 0;
    QTest::newRow("68,50,75") << 68 << 50 << 75 << 178 << 191 << 96;
    QTest::newRow("210,67,60") << 210 << 67 << 60 << 50 << 102 << 153;
    QTest::newRow("161,30,100") << 161 << 30 << 100 << 178 << 255 << 231;
    // One row in every sector.
    QTest::newRow("sector 0") << 45 << 100 << 100 << 255 << 191 << 0;
    QTest::newRow("sector 1") << 90 << 100 << 100 << 128 << 255 << 0;
    QTest::newRow("sector 2") << 150 << 100 << 100 << 0 << 255 << 128;
    QTest::newRow("sector 3") << 210 << 100 << 100 << 0 << 128 << 255;
    QTest::newRow("sector 4") << 270 << 100 << 100 << 128 << 0 << 255;
    QTest::newRow("sector 5") << 330 << 100 << 100 << 255 << 0 << 128;
}

void TestColorConverter::hsbToRgb() {
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, br);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    ColorConverter cc;
    QCOMPARE(cc.HSBToRGB(packHSB(h, s, br)), packRGB(r, g, b));
}

void TestColorConverter::rgbToHsb_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("br");

    QTest::newRow("255,0,10") << 255 << 0 << 10 << 358 << 100 << 100;
    QTest::newRow("255,0,1") << 255 << 0 << 1 << 0 << 100 << 100;
    QTest::newRow("orange") << 255 << 128 << 0 << 30 << 100 << 100;
    QTest::newRow("grey 128") << 128 << 128 << 128 << 0 << 0 << 50;
    QTest::newRow("white") << 255 << 255 << 255 << 0 << 0 << 100;
    QTest::newRow("black") << 0 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("204,153,102") << 204 << 153 << 102 << 30 << 50 << 80;
    QTest::newRow("51,102,153") << 51 << 102 << 153 << 210 << 67 << 60;
    // Yellow takes the red rule.
    QTest::newRow("yellow") << 255 << 255 << 0 << 60 << 100 << 100;
    QTest::newRow("green") << 0 << 255 << 0 << 120 << 100 << 100;
    QTest::newRow("cyan") << 0 << 255 << 255 << 180 << 100 << 100;
    QTest::newRow("blue") << 0 << 0 << 255 << 240 << 100 << 100;
    QTest::newRow("magenta") << 255 << 0 << 255 << 300 << 100 << 100;
    // x = 4 - 1/120 in double is 239.5 after * 60; narrowed to single it is below the half.
    QTest::newRow("0,1,120") << 0 << 1 << 120 << 239 << 100 << 47;
    QTest::newRow("B2FFE6") << 178 << 255 << 230 << 161 << 30 << 100;
    QTest::newRow("dark red") << 1 << 0 << 0 << 0 << 100 << 0;
}

void TestColorConverter::rgbToHsb() {
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, br);
    ColorConverter cc;
    QCOMPARE(cc.RGBToHSB(packRGB(r, g, b)), packHSB(h, s, br));
}

void TestColorConverter::roundTripIsNotExact() {
    ColorConverter cc;
    const int32_t hsb = cc.RGBToHSB(packRGB(51, 102, 153));
    QCOMPARE(cc.hue(hsb), 210);
    QCOMPARE(cc.Saturation(hsb), 67);
    QCOMPARE(cc.brightness(hsb), 60);
    const int32_t back = cc.HSBToRGB(hsb);
    QCOMPARE(cc.Red(back), 50);
    QCOMPARE(cc.Green(back), 102);
    QCOMPARE(cc.Blue(back), 153);
}

void TestColorConverter::greyAndColoredPathsDiffer() {
    ColorConverter cc;
    QCOMPARE(cc.Red(cc.HSBToRGB(packHSB(0, 0, 30))), 76);
    QCOMPARE(cc.Red(cc.HSBToRGB(packHSB(0, 100, 30))), 77);
}

void TestColorConverter::hsbToLongClamps_data() {
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("br");
    QTest::addColumn<int>("expected");
    QTest::newRow("400,150,-5") << 400 << 150 << -5 << 359 * 65536 + 100 * 256 + 0;
    QTest::newRow("in range") << 30 << 100 << 100 << 30 * 65536 + 100 * 256 + 100;
    QTest::newRow("negative") << -1 << -100 << -7 << 0;
    QTest::newRow("360") << 360 << 0 << 0 << 359 * 65536;
    QTest::newRow("359,101,101") << 359 << 101 << 101 << 359 * 65536 + 100 * 256 + 100;
    QTest::newRow("int extremes") << INT32_MAX << INT32_MIN << INT32_MAX
                                  << 359 * 65536 + 0 * 256 + 100;
}

void TestColorConverter::hsbToLongClamps() {
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, br);
    QFETCH(int, expected);
    ColorConverter cc;
    QCOMPARE(cc.HSBToLong(h, s, br), expected);
}

void TestColorConverter::rgbToLongClamps_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("300,-4,128") << 300 << -4 << 128 << 255 + 0 * 256 + 128 * 65536;
    QTest::newRow("in range") << 255 << 128 << 0 << 255 + 128 * 256;
    QTest::newRow("white") << 255 << 255 << 255 << 0xFFFFFF;
    QTest::newRow("256") << 256 << 256 << 256 << 0xFFFFFF;
    QTest::newRow("int extremes") << INT32_MIN << INT32_MAX << -1 << 255 * 256;
}

void TestColorConverter::rgbToLongClamps() {
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(int, expected);
    ColorConverter cc;
    QCOMPARE(cc.RGBToLong(r, g, b), expected);
}

void TestColorConverter::rgbComponents_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("orange") << 0x0080FF << 255 << 128 << 0;
    QTest::newRow("upper byte ignored") << 0x12345678 << 0x78 << 0x56 << 0x34;
    QTest::newRow("minus one") << -1 << 255 << 255 << 255;
    QTest::newRow("blue") << 0xFF0000 << 0 << 0 << 255;
}

void TestColorConverter::rgbComponents() {
    QFETCH(int, value);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    ColorConverter cc;
    QCOMPARE(cc.Red(value), r);
    QCOMPARE(cc.Green(value), g);
    QCOMPARE(cc.Blue(value), b);
    int32_t sr = -1;
    int32_t sg = -1;
    int32_t sb = -1;
    cc.SplitRGB(value, sr, sg, sb);
    QCOMPARE(sr, r);
    QCOMPARE(sg, g);
    QCOMPARE(sb, b);
}

void TestColorConverter::hsbComponents_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("br");
    QTest::newRow("30,100,100") << 30 * 65536 + 100 * 256 + 100 << 30 << 100 << 100;
    QTest::newRow("negative") << -1 << 0 << 100 << 100;
    QTest::newRow("most negative") << INT32_MIN << 0 << 0 << 0;
    QTest::newRow("bytes above 100") << 10 * 65536 + 200 * 256 + 101 << 10 << 100 << 100;
    QTest::newRow("hue above 359") << 400 * 65536 + 5 * 256 + 6 << 359 << 5 << 6;
    QTest::newRow("hue 360") << 360 * 65536 << 359 << 0 << 0;
    QTest::newRow("just below zero hue") << -65535 << 0 << 0 << 1;
    QTest::newRow("largest") << INT32_MAX << 359 << 100 << 100;
}

void TestColorConverter::hsbComponents() {
    QFETCH(int, value);
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, br);
    ColorConverter cc;
    QCOMPARE(cc.hue(value), h);
    QCOMPARE(cc.Saturation(value), s);
    QCOMPARE(cc.brightness(value), br);
    int32_t sh = -1;
    int32_t ss = -1;
    int32_t sbr = -1;
    cc.SplitHSB(value, sh, ss, sbr);
    QCOMPARE(sh, h);
    QCOMPARE(ss, s);
    QCOMPARE(sbr, br);
}

void TestColorConverter::texts_data() {
    QTest::addColumn<bool>("isRgb");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rgb orange") << true << 255 + 128 * 256 << "255, 128, 0";
    QTest::newRow("rgb black") << true << 0 << "0, 0, 0";
    QTest::newRow("rgb blue") << true << 255 * 65536 << "0, 0, 255";
    QTest::newRow("rgb upper byte") << true << 0x7F010203 << "3, 2, 1";
    QTest::newRow("hsb orange") << false << 30 * 65536 + 100 * 256 + 100 << "30, 100, 100";
    QTest::newRow("hsb clamped") << false << 400 * 65536 + 200 * 256 + 150 << "359, 100, 100";
    QTest::newRow("hsb negative") << false << -1 << "0, 100, 100";
    QTest::newRow("hsb zero") << false << 0 << "0, 0, 0";
}

void TestColorConverter::texts() {
    QFETCH(bool, isRgb);
    QFETCH(int, value);
    QFETCH(QString, expected);
    ColorConverter cc;
    const std::string text = isRgb ? cc.RGBAsString(value) : cc.HSBAsString(value);
    QCOMPARE(QString::fromStdString(text), expected);
}

void TestColorConverter::wholeRgbDomain() {
    ColorConverter cc;
    // Counted failures instead of one QVERIFY per value keep the run short.
    int64_t outOfRange = 0;
    int64_t badGreys = 0;
    int64_t farRoundTrips = 0;
    int32_t firstBad = -1;
    for (int32_t v = 0; v < (1 << 24); ++v) {
        const int32_t hsb = cc.RGBToHSB(v);
        const int32_t h = hsb >> 16;
        const int32_t s = (hsb >> 8) & 0xFF;
        const int32_t br = hsb & 0xFF;
        const int32_t r = v & 0xFF;
        const int32_t g = (v >> 8) & 0xFF;
        const int32_t b = (v >> 16) & 0xFF;
        if (hsb < 0 || h > 359 || s > 100 || br > 100) {
            ++outOfRange;
            firstBad = firstBad < 0 ? v : firstBad;
        }
        if (r == g && g == b && (h != 0 || s != 0)) {
            ++badGreys;
            firstBad = firstBad < 0 ? v : firstBad;
        }
        // Whole degrees and percent lose at most a few steps per channel.
        const int32_t back = cc.HSBToRGB(hsb);
        if (std::abs((back & 0xFF) - r) > 3 || std::abs(((back >> 8) & 0xFF) - g) > 3 ||
            std::abs(((back >> 16) & 0xFF) - b) > 3) {
            ++farRoundTrips;
            firstBad = firstBad < 0 ? v : firstBad;
        }
    }
    if (firstBad >= 0) {
        qWarning("first failing packed RGB value: %06X", static_cast<unsigned>(firstBad));
    }
    QCOMPARE(outOfRange, int64_t(0));
    QCOMPARE(badGreys, int64_t(0));
    QCOMPARE(farRoundTrips, int64_t(0));
}

void TestColorConverter::wholeHsbDomain() {
    ColorConverter cc;
    int64_t bad = 0;
    int64_t wrongGrey = 0;
    for (int32_t h = 0; h <= 359; ++h) {
        for (int32_t s = 0; s <= 100; ++s) {
            for (int32_t br = 0; br <= 100; ++br) {
                const int32_t rgb = cc.HSBToRGB(packHSB(h, s, br));
                if ((rgb & 0xFF000000) != 0) {
                    ++bad;
                    qWarning("HSB %d, %d, %d gives %08X", h, s, br, static_cast<unsigned>(rgb));
                }
                const int32_t r = rgb & 0xFF;
                if (s == 0 && (rgb != r * 0x010101)) {
                    ++wrongGrey;
                }
            }
        }
    }
    QCOMPARE(bad, int64_t(0));
    QCOMPARE(wrongGrey, int64_t(0));
}

QTEST_APPLESS_MAIN(TestColorConverter)
#include "tst_colorconverter.moc"
