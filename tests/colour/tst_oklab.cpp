#include "colour/Contrast.h"
#include "colour/OkLab.h"

#include <QTest>

// Colours are packed 0xBBGGRR; row names and comments write them RRGGBB.
class TestOkLab : public QObject {
    Q_OBJECT

private slots:
    void oklab_data();
    void oklab();
    void oklchText_data();
    void oklchText();
    void toColor_data();
    void toColor();
    void toColorOutside_data();
    void toColorOutside();
    void luminanceWithin_data();
    void luminanceWithin();
    void boundsNeverCrossed();
};

void TestOkLab::oklab_data() {
    QTest::addColumn<int>("color");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    // Published OKLab values to five decimals.
    QTest::newRow("white") << 0xFFFFFF << 1.0 << 0.0 << 0.0;
    QTest::newRow("red") << 0x0000FF << 0.62796 << 0.22486 << 0.12585;
    QTest::newRow("808080") << 0x808080 << 0.59987 << 0.0 << 0.0;
}

void TestOkLab::oklab() {
    QFETCH(int, color);
    QFETCH(double, L);
    QFETCH(double, a);
    QFETCH(double, b);
    const Vec3 lab = OklabOf(color);
    QVERIFY2(qAbs(lab[0] - L) < 5e-6 && qAbs(lab[1] - a) < 5e-6 && qAbs(lab[2] - b) < 5e-6,
             qPrintable(QString("%1 %2 %3").arg(lab[0]).arg(lab[1]).arg(lab[2])));
}

void TestOkLab::oklchText_data() {
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("white") << 0xFFFFFF << "oklch(100% 0 0)";
    QTest::newRow("red") << 0x0000FF << "oklch(62.796% 0.25768 29.234)";
    // Chroma about 1e-16: no hue.
    QTest::newRow("grey") << 0x808080 << "oklch(59.987% 0 0)";
    // L 70.11966, C 0.1750005: trailing zeros dropped.
    QTest::newRow("E76CB9") << 0xB96CE7 << "oklch(70.12% 0.175 344.124)";
    // L 73.03002, H 9.84022: one digit before the point.
    QTest::newRow("FA7891") << 0x9178FA << "oklch(73.03% 0.15988 9.84)";
    // C 0.0713865: a zero after the point.
    QTest::newRow("D39E87") << 0x879ED3 << "oklch(74.34% 0.07139 44.51)";
}

void TestOkLab::oklchText() {
    QFETCH(int, color);
    QFETCH(QString, text);
    QCOMPARE(OklchText(color), text);
}

void TestOkLab::toColor_data() {
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("C");
    QTest::addColumn<double>("H");
    QTest::addColumn<int>("color");
    // Inside sRGB, or a hair outside from the rounded text: the colour itself.
    QTest::newRow("E76CB9") << 0.7012 << 0.175 << 344.124 << 0xB96CE7;
    QTest::newRow("red") << 0.62796 << 0.25768 << 29.234 << 0x0000FF;
    // Far outside: chroma reduced until the clipped colour is within one JND.
    QTest::newRow("70% 0.4 150") << 0.7 << 0.4 << 150.0 << 0x48C200;
    QTest::newRow("90% 0.3 60") << 0.9 << 0.3 << 60.0 << 0xA0D0FF;
    // The search stops once the clipped colour is within 0.0001 of one JND; run on, it would
    // end at 92003B.
    QTest::newRow("41% 0.21 6") << 0.41 << 0.21 << 6.0 << 0x3B0091;
    QTest::newRow("L 1 is white") << 1.0 << 0.2 << 30.0 << 0xFFFFFF;
    QTest::newRow("L 0 is black") << 0.0 << 0.2 << 30.0 << 0x000000;
}

void TestOkLab::toColor() {
    QFETCH(double, L);
    QFETCH(double, C);
    QFETCH(double, H);
    QFETCH(int, color);
    QCOMPARE(OklabToColor(PolarToRectangular(L, C, H)), color);
}

void TestOkLab::toColorOutside_data() {
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("C");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("settled");
    // 0000B4, luminance 0.097: far outside sRGB, the search can stop once it is clear of the
    // limits; not when a limit lies on its luminance.
    QTest::newRow("red, wide limits") << 0.47 << 0.2577 << 29.23 << -1.0 << 2.0 << true;
    QTest::newRow("red, limit on it") << 0.47 << 0.2577 << 29.23 << -1.0 << 0.0970 << false;
    // Inside sRGB there is no search to stop.
    QTest::newRow("inside sRGB") << 0.5 << 0.05 << 200.0 << -1.0 << 2.0 << false;
}

void TestOkLab::toColorOutside() {
    QFETCH(double, L);
    QFETCH(double, C);
    QFETCH(double, H);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, settled);
    const Vec3 lab = PolarToRectangular(L, C, H);
    const ColorOrLuminance outcome = OklabToColorOutside(lab, low, high);
    QCOMPARE(!outcome.color, settled);
    const int32_t color = OklabToColor(lab);
    if (outcome.color) {
        QCOMPARE(*outcome.color, color);
    } else {
        const double y = RelativeLuminance(color);
        QVERIFY(low < outcome.low && outcome.low <= y && y <= outcome.high && outcome.high < high);
    }
}

// The luminance of the colours of steps 0..steps of 0.001 up from L.
static std::pair<double, double> stepLuminance(const Vec3& lab, int steps) {
    std::pair<double, double> range{2.0, -1.0};
    for (int k = 0; k <= steps; ++k) {
        const double y = RelativeLuminance(OklabToColor({lab[0] + k * 0.001, lab[1], lab[2]}));
        range = {std::min(range.first, y), std::max(range.second, y)};
    }
    return range;
}

void TestOkLab::luminanceWithin_data() {
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("C");
    QTest::addColumn<double>("H");
    QTest::addColumn<int>("steps");
    // Far outside sRGB, and inside it.
    QTest::newRow("red, one step") << 0.40 << 0.2577 << 29.23 << 0;
    QTest::newRow("red, eleven steps") << 0.47 << 0.2577 << 29.23 << 10;
    QTest::newRow("green, one step") << 0.70 << 0.4 << 150.0 << 0;
    QTest::newRow("inside sRGB, 31 steps") << 0.5 << 0.05 << 200.0 << 30;
}

void TestOkLab::luminanceWithin() {
    QFETCH(double, L);
    QFETCH(double, C);
    QFETCH(double, H);
    QFETCH(int, steps);
    // Shown within 0.01 around the steps' luminance.
    const Vec3 lab = PolarToRectangular(L, C, H);
    const auto [low, high] = stepLuminance(lab, steps);
    QVERIFY(MappedLuminanceWithin(lab, L, L + steps * 0.001, low - 0.01, high + 0.01, 1000));
}

// A limit on the luminance of a step's colour is never shown to be cleared, by either.
void TestOkLab::boundsNeverCrossed() {
    for (double H = 0.0; H < 360.0; H += 30.0) {
        for (const double C : {0.1, 0.2, 0.3}) {
            for (double L = 0.05; L < 0.95; L += 0.1) {
                const Vec3 lab = PolarToRectangular(L, C, H);
                const auto [low, high] = stepLuminance(lab, 8);
                QVERIFY(!MappedLuminanceWithin(lab, L, L + 0.008, low - 0.01, high, 1000));
                QVERIFY(!MappedLuminanceWithin(lab, L, L + 0.008, low, high + 0.01, 1000));
                QVERIFY(OklabToColorOutside(lab, low - 0.01, low).color.has_value());
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestOkLab)
#include "tst_oklab.moc"
