#include "colour/Contrast.h"

#include <QTest>

using Outcome = ContrastFix::Outcome;
Q_DECLARE_METATYPE(ContrastRole)
Q_DECLARE_METATYPE(Outcome)

// Colours are packed 0xBBGGRR; row names and comments write them RRGGBB.
class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void pairs_data();
    void pairs();
    void verdictBoundaries_data();
    void verdictBoundaries();
    void readoutTexts_data();
    void readoutTexts();
    void holders();
    void nearestPassing_data();
    void nearestPassing();
    void fixTips();
};

void TestContrast::pairs_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("black on white") << 0x000000 << 0xFFFFFF << "21.00"
                                    << "AAA";
    QTest::newRow("white on black") << 0xFFFFFF << 0x000000 << "21.00"
                                    << "AAA";
    QTest::newRow("colour on itself") << 0x1180FF << 0x1180FF << "1.00"
                                      << "fails";
    QTest::newRow("767676 on FFFFFF") << 0x767676 << 0xFFFFFF << "4.54"
                                      << "AA";
    QTest::newRow("777777 on FFFFFF") << 0x777777 << 0xFFFFFF << "4.47"
                                      << "AA large";
    // Channels 0..10 are linear, c / 3294.6 (255 * 12.92), and 255 gives 1: these are exact.
    // 090801 / 020009: (7.7072 + 164.73) / (1.075 + 164.73) = 172.4372 / 165.805 = 1.04.
    QTest::newRow("exactly 1.04") << 0x010809 << 0x090002 << "1.04"
                                  << "fails";
    // FF0202 / 070209: (0.2126 * 3294.6 + 1.5748 + 164.73) / (3.5684 + 164.73)
    // = 866.73676 / 168.2984 = 5.15 exactly.
    QTest::newRow("exactly 5.15") << 0x0202FF << 0x090207 << "5.15"
                                  << "AA";
}

void TestContrast::pairs() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, text);
    QFETCH(QString, verdict);
    const double ratio = ContrastRatio(a, b);
    QCOMPARE(ContrastRatioText(ratio), text);
    QCOMPARE(ContrastVerdictText(ContrastVerdictOf(ratio)), verdict);
}

void TestContrast::verdictBoundaries_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("7") << 7.0 << "7.00"
                       << "AAA";
    QTest::newRow("6.999") << 6.999 << "6.99"
                           << "AA";
    QTest::newRow("4.5") << 4.5 << "4.50"
                         << "AA";
    QTest::newRow("4.499") << 4.499 << "4.49"
                           << "AA large";
    QTest::newRow("4.4999999") << 4.4999999 << "4.49"
                               << "AA large";
    QTest::newRow("3") << 3.0 << "3.00"
                       << "AA large";
    QTest::newRow("2.999") << 2.999 << "2.99"
                           << "fails";
    QTest::newRow("10.057") << 10.057 << "10.05"
                            << "AAA";
}

void TestContrast::verdictBoundaries() {
    QFETCH(double, ratio);
    QFETCH(QString, text);
    QFETCH(QString, verdict);
    QCOMPARE(ContrastRatioText(ratio), text);
    QCOMPARE(ContrastVerdictText(ContrastVerdictOf(ratio)), verdict);
}

void TestContrast::readoutTexts_data() {
    QTest::addColumn<ContrastRole>("role");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("text") << ContrastRole::Text << 21.0 << "Text 21.00 AAA"
                          << "Text contrast 21.00:1 AAA";
    QTest::newRow("link") << ContrastRole::Link << ContrastRatio(0x767676, 0xFFFFFF)
                          << "Link 4.54 AA"
                          << "Link contrast 4.54:1 AA";
    QTest::newRow("visited") << ContrastRole::VisitedLink << 3.029 << "Visited 3.02 AA large"
                             << "Visited link contrast 3.02:1 AA large";
    QTest::newRow("active") << ContrastRole::ActiveLink << 1.0 << "Active 1.00 fails"
                            << "Active link contrast 1.00:1 fails";
}

void TestContrast::readoutTexts() {
    QFETCH(ContrastRole, role);
    QFETCH(double, ratio);
    QFETCH(QString, text);
    QFETCH(QString, name);
    QCOMPARE(ContrastReadoutText(role, ratio), text);
    QCOMPARE(ContrastAccessibleName(role, ratio), name);
}

void TestContrast::holders() {
    // Holders as a scheme may leave them: "#", lower case, short. "abc" reads AB 0C 00.
    const PageColours colours{"#ffffff", "767676", "abc", "#000000", "ffffff"};
    QCOMPARE(ContrastRatioText(PageContrastRatio(colours, ContrastRole::Text)), "4.54");
    QCOMPARE(PageContrastRatio(colours, ContrastRole::VisitedLink), 21.0);
    QCOMPARE(PageContrastRatio(colours, ContrastRole::ActiveLink), 1.0);
    QCOMPARE(ContrastRatio(HolderColor(colours.linkC), 0x000CAB), 1.0);
    QCOMPARE(colours.backC, "#ffffff");
    QCOMPARE(LinkAgainstTextRatio(colours), ContrastRatio(0x000CAB, 0x767676));
    QCOMPARE(LinkDistinctionText(3.029),
             "Link colour against text colour 3.02:1: distinguishable without underline");
    QCOMPARE(LinkDistinctionText(2.999),
             "Link colour against text colour 2.99:1: not distinguishable without underline");
}

void TestContrast::nearestPassing_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("background");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("colour");
    // 777777 is HSB 0, 0, 47 (4.47). B' 46 gives 46 * 2.55 = 117.3 -> 757575, 4.60: passes
    // at k = 1; B' 48 is lighter, 7A7A7A, and fails.
    QTest::newRow("darker by one")
        << 0x777777 << 0xFFFFFF << 4.5 << Outcome::Found << 0 << 0 << 46 << 0x757575;
    // 808080 on 757575 (L 0.178): B 50. B' 1 (030303, 4.48) and 99 (FCFCFC, 4.49) fail;
    // k = 50 gives black (0.228 / 0.05 = 4.56) and white (1.05 / 0.228 = 4.61): white wins.
    QTest::newRow("both pass, lighter higher")
        << 0x808080 << 0x757575 << 4.5 << Outcome::Found << 0 << 0 << 100 << 0xFFFFFF;
    // 808073 is HSB 60, 10, 50; at k = 50 black (4.56) beats FFFFE5 (L 0.984, 4.54).
    QTest::newRow("both pass, darker higher")
        << 0x738080 << 0x757575 << 4.5 << Outcome::Found << 60 << 10 << 0 << 0x000000;
    // 000080 is HSB 240, 100, 50. Its brightest, 0000FF, has L 0.0722 and black 4.49 on
    // 747474 (L 0.1747): no brightness passes. At B' 100 the colour is (c, c, 255) with
    // c = 255 (1 - S'); it needs L >= 4.5 * 0.2247 - 0.05 = 0.961, i.e. c >= 251: S' 2
    // gives 250 (4.49), S' 1 gives 252 (4.56).
    QTest::newRow("saturation, worst case")
        << 0x800000 << 0x747474 << 4.5 << Outcome::Found << 240 << 1 << 100 << 0xFFFCFC;
    // On black the colour needs L >= 0.175: c >= 94, S' 63 gives 255 * 0.37 = 94.35 -> 94.
    QTest::newRow("saturation on black")
        << 0x800000 << 0x000000 << 4.5 << Outcome::Found << 240 << 63 << 100 << 0xFF5E5E;
    QTest::newRow("already passes")
        << 0x000000 << 0xFFFFFF << 4.5 << Outcome::AlreadyPasses << 0 << 0 << 0 << 0x000000;
    // On 777777 black reaches 0.2345 / 0.05 = 4.69 and white 4.47: nothing reaches 7.
    // FF8011 stays HSB 28, 93, 100.
    QTest::newRow("nothing reaches 7")
        << 0x1180FF << 0x777777 << 7.0 << Outcome::NothingPasses << 28 << 93 << 100 << 0x1180FF;
}

void TestContrast::nearestPassing() {
    QFETCH(int, target);
    QFETCH(int, background);
    QFETCH(double, minimum);
    QFETCH(Outcome, outcome);
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, b);
    QFETCH(int, colour);
    const ContrastFix fix = NearestPassingColor(target, background, minimum);
    QCOMPARE(fix.outcome, outcome);
    QCOMPARE(fix.hue, h);
    QCOMPARE(fix.saturation, s);
    QCOMPARE(fix.brightness, b);
    QCOMPARE(fix.colour, colour);
}

void TestContrast::fixTips() {
    QCOMPARE(ContrastFixTip(ContrastRole::ActiveLink, NearestPassingColor(0x777777, 0xFFFFFF)),
             "Click to make the active link colour pass AA: 757575");
    QCOMPARE(ContrastFixTip(ContrastRole::VisitedLink, NearestPassingColor(0x800000, 0x747474)),
             "Click to make the visited link colour pass AA: FCFCFF");
    QCOMPARE(ContrastFixTip(ContrastRole::Text, NearestPassingColor(0x1180FF, 0x777777, 7.0)),
             "No brightness or saturation of the text colour passes AA");
    QVERIFY(ContrastFixTip(ContrastRole::Link, NearestPassingColor(0, 0xFFFFFF)).isEmpty());
}

QTEST_APPLESS_MAIN(TestContrast)
#include "tst_contrast.moc"
