#include "colour/Contrast.h"

#include <QTest>

// Colours are packed 0xBBGGRR; row names and comments write them RRGGBB.
class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void ratios_data();
    void ratios();
    void texts();
    void nearestPassing_data();
    void nearestPassing();
};

void TestContrast::ratios_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("black on white") << ContrastRatio(0, 0xFFFFFF) << "21.00"
                                    << "AAA";
    QTest::newRow("colour on itself") << ContrastRatio(0x1180FF, 0x1180FF) << "1.00"
                                      << "fails";
    QTest::newRow("767676 on FFFFFF") << ContrastRatio(0x767676, 0xFFFFFF) << "4.54"
                                      << "AA";
    QTest::newRow("777777 on FFFFFF") << ContrastRatio(0x777777, 0xFFFFFF) << "4.47"
                                      << "AA large";
    // Channels 0..10 are linear, c / 3294.6 (255 * 12.92), and 255 gives 1: these are exact.
    // 090801 / 020009: (7.7072 + 164.73) / (1.075 + 164.73) = 172.4372 / 165.805 = 1.04.
    QTest::newRow("exactly 1.04") << ContrastRatio(0x010809, 0x090002) << "1.04"
                                  << "fails";
    // FF0202 / 070209: (700.43196 + 1.5748 + 164.73) / (3.5684 + 164.73) = 5.15.
    QTest::newRow("exactly 5.15") << ContrastRatio(0x0202FF, 0x090207) << "5.15"
                                  << "AA";
    QTest::newRow("7") << 7.0 << "7.00"
                       << "AAA";
    QTest::newRow("6.999") << 6.999 << "6.99"
                           << "AA";
    QTest::newRow("4.5") << 4.5 << "4.50"
                         << "AA";
    QTest::newRow("4.4999999") << 4.4999999 << "4.49"
                               << "AA large";
    QTest::newRow("3") << 3.0 << "3.00"
                       << "AA large";
    QTest::newRow("2.999") << 2.999 << "2.99"
                           << "fails";
    QTest::newRow("10.5") << 10.5 << "10.50"
                          << "AAA";
    QTest::newRow("0.05") << 0.05 << "0.05"
                          << "fails";
}

void TestContrast::ratios() {
    QFETCH(double, ratio);
    QFETCH(QString, text);
    QFETCH(QString, verdict);
    QCOMPARE(ContrastRatioText(ratio), text);
    QCOMPARE(ContrastVerdictText(ContrastVerdictOf(ratio)), verdict);
}

void TestContrast::texts() {
    QCOMPARE(ContrastReadoutText(ContrastRole::Text, 21.0), "Text 21.00 AAA");
    QCOMPARE(ContrastAccessibleName(ContrastRole::Text, 21.0), "Text contrast 21.00:1 AAA");
    QCOMPARE(ContrastReadoutText(ContrastRole::Link, 4.5422), "Link 4.54 AA");
    QCOMPARE(ContrastAccessibleName(ContrastRole::Link, 4.5422), "Link contrast 4.54:1 AA");
    QCOMPARE(ContrastReadoutText(ContrastRole::VisitedLink, 3.029), "Visited 3.02 AA large");
    QCOMPARE(ContrastAccessibleName(ContrastRole::VisitedLink, 3.029),
             "Visited link contrast 3.02:1 AA large");
    QCOMPARE(ContrastReadoutText(ContrastRole::ActiveLink, 1.0), "Active 1.00 fails");
    QCOMPARE(ContrastAccessibleName(ContrastRole::ActiveLink, 1.0),
             "Active link contrast 1.00:1 fails");
    QCOMPARE(LinkDistinctionText(3.0),
             "Link color against text color 3.00:1: distinguishable without underline");
    QCOMPARE(LinkDistinctionText(2.999),
             "Link color against text color 2.99:1: not distinguishable without underline");
    // Holders read as HexToColor reads them: "abc" is AB 0C 00.
    const SchemeColors holders =
        HolderSchemeColors({"#ffffff", "767676", "abc", "#000000", "ffffff"});
    QCOMPARE(ContrastRatioText(SchemeContrastRatio(holders, ContrastRole::Text)), "4.54");
    QCOMPARE(SchemeContrastRatio(holders, ContrastRole::VisitedLink), 21.0);
    QCOMPARE(SchemeContrastRatio(holders, ContrastRole::ActiveLink), 1.0);
    QCOMPARE(LinkAgainstTextRatio(holders), ContrastRatio(0x000CAB, 0x767676));
    QCOMPARE(ContrastFixTip(ContrastRole::ActiveLink, NearestPassingColor(0x777777, 0xFFFFFF)),
             "Click to make the active link color pass AA: 757575");
    QCOMPARE(ContrastFixTip(ContrastRole::Text, NearestPassingColor(0x1180FF, 0x777777, 7.0)),
             "No brightness or saturation of the text color passes AA");
    QVERIFY(ContrastFixTip(ContrastRole::Link, NearestPassingColor(0, 0xFFFFFF)).isEmpty());
}

void TestContrast::nearestPassing_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("background");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("hsb");
    QTest::addColumn<int>("color");
    const int passes = int(ContrastFix::Outcome::AlreadyPasses);
    const int found = int(ContrastFix::Outcome::Found);
    const int nothing = int(ContrastFix::Outcome::NothingPasses);
    // 777777 is HSB 0, 0, 47 (4.47). B' 46 gives 46 * 2.55 = 117.3 -> 757575, 4.60: passes
    // at k = 1; B' 48 is lighter, 7A7A7A, and fails.
    QTest::newRow("darker by one") << 0x777777 << 0xFFFFFF << 4.5 << found << "0 0 46" << 0x757575;
    // 808080 on 757575 (L 0.178): B 50. B' 1 (030303, 4.48) and 99 (FCFCFC, 4.49) fail;
    // k = 50 gives black (0.228 / 0.05 = 4.56) and white (1.05 / 0.228 = 4.61): white wins.
    QTest::newRow("both pass, lighter higher")
        << 0x808080 << 0x757575 << 4.5 << found << "0 0 100" << 0xFFFFFF;
    // 808073 is HSB 60, 10, 50; at k = 50 black (4.56) beats FFFFE5 (L 0.984, 4.54).
    QTest::newRow("both pass, darker higher")
        << 0x738080 << 0x757575 << 4.5 << found << "60 10 0" << 0x000000;
    // 000080 is HSB 240, 100, 50. Its brightest, 0000FF, has L 0.0722 and black 4.49 on
    // 747474 (L 0.1747): no brightness passes. At B' 100 the colour is (c, c, 255) with
    // c = 255 (1 - S'); it needs L >= 4.5 * 0.2247 - 0.05 = 0.961, i.e. c >= 251: S' 2
    // gives 250 (4.49), S' 1 gives 252 (4.56).
    QTest::newRow("saturation, worst case")
        << 0x800000 << 0x747474 << 4.5 << found << "240 1 100" << 0xFFFCFC;
    // On black the colour needs L >= 0.175: c >= 94, S' 63 gives 255 * 0.37 = 94.35 -> 94.
    QTest::newRow("saturation on black")
        << 0x800000 << 0x000000 << 4.5 << found << "240 63 100" << 0xFF5E5E;
    QTest::newRow("already passes") << 0 << 0xFFFFFF << 4.5 << passes << "0 0 0" << 0;
    // On 777777 black reaches 0.2345 / 0.05 = 4.69 and white 4.47: nothing reaches 7.
    // FF8011 stays HSB 28, 93, 100.
    QTest::newRow("nothing reaches 7")
        << 0x1180FF << 0x777777 << 7.0 << nothing << "28 93 100" << 0x1180FF;
}

void TestContrast::nearestPassing() {
    QFETCH(int, target);
    QFETCH(int, background);
    QFETCH(double, minimum);
    QFETCH(int, outcome);
    QFETCH(QString, hsb);
    QFETCH(int, color);
    const ContrastFix fix = NearestPassingColor(target, background, minimum);
    QCOMPARE(int(fix.outcome), outcome);
    QCOMPARE(QString("%1 %2 %3").arg(fix.hue).arg(fix.saturation).arg(fix.brightness), hsb);
    QCOMPARE(fix.color, color);
}

QTEST_APPLESS_MAIN(TestContrast)
#include "tst_contrast.moc"
