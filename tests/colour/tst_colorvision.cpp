#include "colour/ColorVision.h"

#include <QTest>

// Colours are packed 0xBBGGRR; row names and comments write them RRGGBB.
class TestColorVision : public QObject {
    Q_OBJECT

private slots:
    void simulate();
    void greysStayGrey();
};

void TestColorVision::simulate() {
    // FF0000 is linear (1, 0, 0): the result is the matrix's first column, clamped, encoded.
    // Protanopia: 0.152286 -> 1.055 * 0.152286^(1/2.4) - 0.055 = 0.42663 -> 108.79 -> 109;
    // 0.114503 -> 0.37266 -> 95.03 -> 95; -0.003882 -> 0.
    QCOMPARE(SimulateColorVision(0x0000FF, ColorVision::Protanopia), 0x005F6D);
    // Deuteranopia: 0.367322 -> 0.64005 -> 163.21 -> 163; 0.280085 -> 0.56579 -> 144.28 -> 144.
    QCOMPARE(SimulateColorVision(0x0000FF, ColorVision::Deuteranopia), 0x0090A3);
    // 0000FF gives the third column. Tritanopia: -0.178779 -> 0; 0.147602 -> 0.42039 -> 107.20
    // -> 107; 0.303900 -> 0.58728 -> 149.76 -> 150.
    QCOMPARE(SimulateColorVision(0xFF0000, ColorVision::Tritanopia), 0x966B00);
    // L of FF0000 is 0.2126 -> 0.49844 -> 127.10 -> 127.
    QCOMPARE(SimulateColorVision(0x0000FF, ColorVision::Achromatopsia), 0x7F7F7F);
    QCOMPARE(SimulateColorVision(0x7F1180FF, ColorVision::Normal), 0x1180FF);
    QCOMPARE(EncodeLinearChannel(-0.2), 0);
    QCOMPARE(EncodeLinearChannel(1.3), 255);
    QCOMPARE(EncodeLinearChannel(0.003), 10); // linear part: 12.92 * 0.003 * 255 = 9.88
}

// Every matrix row sums to 1 (within 1e-6) and a grey's luminance is its linear value, so each
// grey, decoded and encoded again, must come back unchanged.
void TestColorVision::greysStayGrey() {
    for (const ColorVision vision : {ColorVision::Protanopia, ColorVision::Deuteranopia,
                                     ColorVision::Tritanopia, ColorVision::Achromatopsia}) {
        for (int grey = 0; grey < 0x1000000; grey += 0x010101) {
            QCOMPARE(SimulateColorVision(grey, vision), grey);
        }
    }
}

QTEST_APPLESS_MAIN(TestColorVision)
#include "tst_colorvision.moc"
