#include "colour/ColorFormats.h"
#include "colour/Contrast.h"
#include "colour/DarkVariant.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// "FFFFFF 000000 0000EE 551A8B FF0000": background, text, link, visited link, active link.
SchemeColors schemeOf(const QString& text) {
    SchemeColors scheme{};
    const QStringList hex = text.split(QLatin1Char(' '));
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        const int rgb = hex[static_cast<qsizetype>(i)].toInt(nullptr, 16);
        scheme[i] = (rgb >> 16) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    }
    return scheme;
}

QString textOf(const SchemeColors& scheme) {
    QStringList hex;
    for (const int32_t color : scheme) {
        hex << HexColorText(color).mid(1);
    }
    return hex.join(QLatin1Char(' '));
}

} // namespace

class TestDarkVariant : public QObject {
    Q_OBJECT

private slots:
    void variant_data();
    void variant();
    void noLevelLost();
};

void TestDarkVariant::variant_data() {
    QTest::addColumn<QString>("light");
    QTest::addColumn<QString>("dark");
    // Link 9.4 and visited 11.0 hold AAA: inverted they are far outside sRGB and mapped at each
    // of 111 and 66 steps up; active red holds AA large, 103 steps up.
    QTest::newRow("classic") << "FFFFFF 000000 0000EE 551A8B FF0000"
                             << "000000 FFFFFF 5B92FF AF7DF1 B70000";
    // Grey background of L 0.5658; links that fail keep their inverse. Active white inverts to
    // black, below the background's L: one step down reaches 0, and white contrasts more.
    QTest::newRow("mid grey") << "767676 000000 0B1D8E 4A148C FFFFFF"
                              << "515151 FFFFFF 628FFF 9870E9 FFFFFF";
    // White text holds AAA (7.006). The inverse of the background, 53728D at L 0.5376, gives
    // black 4.16 and white 5.05: its L moves up 130 steps, to 7999B5, where black reaches 7.04.
    QTest::newRow("background moves") << "3E5C76 FFFFFF F5E9C1 D4A5FF FFE135"
                                      << "7999B5 000000 020100 260041 050200";
    // The yellow link, L 0.8312 and C 0.1675, inverts to L 0.1688 outside sRGB.
    QTest::newRow("yellow") << "1B2D4A F5F0E6 E8C617 9ED0FF FF8C42"
                            << "8AA1C4 010000 160E00 000C2C 3F0D00";
}

void TestDarkVariant::variant() {
    QFETCH(QString, light);
    QFETCH(QString, dark);
    QCOMPARE(textOf(DarkVariant(schemeOf(light))), dark);
}

void TestDarkVariant::noLevelLost() {
    QRandomGenerator random(20240611);
    for (int n = 0; n < 10000; ++n) {
        SchemeColors light;
        for (int32_t& color : light) {
            color = static_cast<int32_t>(random.bounded(0x1000000));
        }
        const SchemeColors dark = DarkVariant(light);
        for (std::size_t i = SchemeText; i < light.size(); ++i) {
            const ContrastVerdict before = ContrastVerdictOf(ContrastRatio(light[i], light[0]));
            const ContrastVerdict after = ContrastVerdictOf(ContrastRatio(dark[i], dark[0]));
            if (after < before) {
                QFAIL(qPrintable(textOf(light) + " gives " + textOf(dark)));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestDarkVariant)
#include "tst_darkvariant.moc"
