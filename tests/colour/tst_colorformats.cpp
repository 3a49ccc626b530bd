#include "colour/ColorFormats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Holders as schemes leave them: "#" and lower case, short ("abc" reads AB 0C 00), garbage
// (GG0000 reads black) and text before a "#" (12#3456 reads 34 56 00).
const PageColors kHolders{"#ff8011", "3a7bc4", "abc", "GG0000", "12#3456"};

} // namespace

// Colours are packed 0xBBGGRR; row names and comments write them RRGGBB.
class TestColorFormats : public QObject {
    Q_OBJECT

private slots:
    void oneColor_data();
    void oneColor();
    void schemeTexts();
    void designTokens();
    void exportTarget_data();
    void exportTarget();
};

void TestColorFormats::oneColor_data() {
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<QString>("hsl");
    // l = (255 + 17) / 510 = 53.3%; s = 238 / min(272, 238) = 100%; h = 60 * 111 / 238 = 27.98.
    QTest::newRow("FF8011") << 0x1180FF << "#FF8011"
                            << "rgb(255 128 17)"
                            << "hsl(28 100% 53%)";
    QTest::newRow("FF8000") << 0x0080FF << "#FF8000"
                            << "rgb(255 128 0)"
                            << "hsl(30 100% 50%)";
    // Blue largest: h = (60 * (58 - 123) + 240 * 138) / 138 = 211.74; s = 138 / 254 = 54.3%.
    QTest::newRow("3A7BC4") << 0xC47B3A << "#3A7BC4"
                            << "rgb(58 123 196)"
                            << "hsl(212 54% 50%)";
    // Green largest: h = (60 * 33 + 120 * 111) / 111 = 137.84; s = 111 / 201; l = 201 / 510.
    QTest::newRow("2D9C4E") << 0x4E9C2D << "#2D9C4E"
                            << "rgb(45 156 78)"
                            << "hsl(138 55% 39%)";
    // Light: s = 25 / (510 - 459) = 49.0%; h = 60 * 13 / 25 = 31.2; l = 90%.
    QTest::newRow("F2E6D9") << 0xD9E6F2 << "#F2E6D9"
                            << "rgb(242 230 217)"
                            << "hsl(31 49% 90%)";
    // h = 360 - 60 / 255 = 359.76 rounds to 360, which is 0.
    QTest::newRow("FF0001") << 0x0100FF << "#FF0001"
                            << "rgb(255 0 1)"
                            << "hsl(0 100% 50%)";
    QTest::newRow("grey") << 0x7F7F7F << "#7F7F7F"
                          << "rgb(127 127 127)"
                          << "hsl(0 0% 50%)";
    // Halves to even: s = 2 / 16 = 12.5% -> 12; h = 60 / 120 = 0.5 -> 0.
    QTest::newRow("s 12.5") << 0x070709 << "#090707"
                            << "rgb(9 7 7)"
                            << "hsl(0 12% 3%)";
    QTest::newRow("h 0.5") << 0x5051C8 << "#C85150"
                           << "rgb(200 81 80)"
                           << "hsl(0 52% 55%)";
    QTest::newRow("upper byte ignored") << 0x7F1180FF << "#FF8011"
                                        << "rgb(255 128 17)"
                                        << "hsl(28 100% 53%)";
}

void TestColorFormats::oneColor() {
    QFETCH(int, color);
    QFETCH(QString, hex);
    QFETCH(QString, rgb);
    QFETCH(QString, hsl);
    QCOMPARE(HexColorText(color), hex);
    QCOMPARE(CssRgbText(color), rgb);
    QCOMPARE(CssHslText(color), hsl);
}

void TestColorFormats::schemeTexts() {
    QCOMPARE(CssSchemeBlock(kHolders), ":root {\n"
                                       "  --page-background: #FF8011;\n"
                                       "  --page-text: #3A7BC4;\n"
                                       "  --page-link: #AB0C00;\n"
                                       "  --page-visited: #000000;\n"
                                       "  --page-active: #345600;\n"
                                       "}\n");
    // The classic scheme, holders as users leave them; its variant is worked out in the dark
    // variant's own test.
    QCOMPARE(CssSchemeBlockWithDarkVariant({"ffffff", "#000000", "0000EE", "551a8b", "FF0000"}),
             ":root {\n"
             "  color-scheme: light dark;\n"
             "  --page-background: light-dark(#FFFFFF, #000000);\n"
             "  --page-text: light-dark(#000000, #FFFFFF);\n"
             "  --page-link: light-dark(#0000EE, #5B92FF);\n"
             "  --page-visited: light-dark(#551A8B, #AF7DF1);\n"
             "  --page-active: light-dark(#FF0000, #B70000);\n"
             "}\n");
    // A dark scheme's variant is the lighter page: it comes first (the variant of the dark
    // variant's own test, where the background moves).
    QCOMPARE(CssSchemeBlockWithDarkVariant({"3E5C76", "FFFFFF", "F5E9C1", "D4A5FF", "FFE135"})
                 .split('\n')
                 .mid(2, 2),
             QStringList({"  --page-background: light-dark(#7999B5, #3E5C76);",
                          "  --page-text: light-dark(#000000, #FFFFFF);"}));
    QCOMPARE(GimpPaletteText(kHolders, "Spring\r\nmorning"), "GIMP Palette\n"
                                                             "Name: Spring morning\n"
                                                             "Columns: 5\n"
                                                             "#\n"
                                                             "255 128  17\tBackground Color\n"
                                                             " 58 123 196\tText Color\n"
                                                             "171  12   0\tLink Color\n"
                                                             "  0   0   0\tVLink Color\n"
                                                             " 52  86   0\tALink Color\n");
    QCOMPARE(GimpPaletteName("Été à Paris"), "Été à Paris");
    QCOMPARE(GimpPaletteName("\nOne\r\n\rTwo\tThree\n"), "One Two Three");
    QCOMPARE(GimpPaletteName(QString::fromUtf16(u"a\u2028b\u2029c\u0085d")), "a b c d");
    QCOMPARE(GimpPaletteName(" \r\n "), "Untitled");
}

void TestColorFormats::designTokens() {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(DesignTokensText(kHolders).toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(doc.object().keys(), (QStringList{"page", "page-dark"}));
    const QJsonObject page = doc.object().value("page").toObject();
    // The dark group has the same shape; the classic scheme's variant link is 5B92FF.
    const QJsonValue classic = QJsonDocument::fromJson(
        DesignTokensText({"FFFFFF", "000000", "0000EE", "551A8B", "FF0000"}).toUtf8())["page-dark"];
    QCOMPARE(classic["link"]["$value"]["hex"].toString(), "#5B92FF");
    QCOMPARE(classic["link"]["$value"]["components"].toArray(), (QJsonArray{0.3569, 0.5725, 1}));
    QCOMPARE(classic["visited"]["$description"].toString(), "VLink Color");
    // A dark scheme's variant is its light page.
    QCOMPARE(QJsonDocument::fromJson(
                 DesignTokensText({"3E5C76", "FFFFFF", "F5E9C1", "D4A5FF", "FFE135"}).toUtf8())
                 .object()
                 .keys(),
             (QStringList{"page", "page-light"}));
    QCOMPARE(page.keys(), (QStringList{"active", "background", "link", "text", "visited"}));
    // 171 / 255 = 0.670588, 12 / 255 = 0.047059.
    const QJsonObject link = page.value("link").toObject();
    QCOMPARE(link.value("$type").toString(), "color");
    QCOMPARE(link.value("$description").toString(), "Link Color");
    const QJsonObject value = link.value("$value").toObject();
    QCOMPARE(value.value("colorSpace").toString(), "srgb");
    QCOMPARE(value.value("components").toArray(), (QJsonArray{0.6706, 0.0471, 0}));
    QCOMPARE(value.value("hex").toString(), "#AB0C00");
    // 128 / 255 = 0.50196, 17 / 255 = 0.066667; written without trailing zeros.
    QVERIFY(DesignTokensText(kHolders).contains("\"components\": [1, 0.502, 0.0667],\n"
                                                "        \"hex\": \"#FF8011\"\n"));
    // Four decimals give every 8-bit value back.
    for (int c = 0; c < 256; ++c) {
        PageColors grey;
        grey.backC = QString::number(c * 0x010101, 16).rightJustified(6, '0');
        const QJsonValue v = QJsonDocument::fromJson(DesignTokensText(grey).toUtf8())["page"];
        QCOMPARE(qRound(v["background"]["$value"]["components"][2].toDouble() * 255), c);
    }
}

void TestColorFormats::exportTarget_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("filterIndex");
    // ExportFormat: 1 GIMP palette, 2 CSS, 3 design tokens, 4 CSS with dark variant
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("written");
    QTest::newRow("ending decides") << "/d/a.gpl" << 2 << 1 << "/d/a.gpl";
    QTest::newRow("ending in capitals") << "/d/a.CSS" << 1 << 2 << "/d/a.CSS";
    QTest::newRow("tokens ending") << "/d/a.tokens.json" << 1 << 3 << "/d/a.tokens.json";
    QTest::newRow("plain json") << "/d/a.json" << 2 << 3 << "/d/a.json";
    QTest::newRow("no ending, GIMP chosen") << "/d/spring" << 1 << 1 << "/d/spring.gpl";
    QTest::newRow("no ending, CSS chosen") << "/d/spring" << 2 << 2 << "/d/spring.css";
    QTest::newRow("no ending, tokens chosen") << "/d/spring" << 3 << 3 << "/d/spring.tokens.json";
    QTest::newRow("dot in the folder only") << "/d.x/spring" << 2 << 2 << "/d.x/spring.css";
    QTest::newRow("hidden file") << "/d/.spring" << 2 << 2 << "/d/.spring.css";
    QTest::newRow("other ending kept") << "/d/spring.v2" << 3 << 3 << "/d/spring.v2";
    QTest::newRow("filter out of range") << "/d/spring" << 7 << 1 << "/d/spring.gpl";
    QTest::newRow(".css, dark variant chosen") << "/d/a.Css" << 4 << 4 << "/d/a.Css";
    QTest::newRow(".css, tokens chosen") << "/d/a.css" << 3 << 2 << "/d/a.css";
    QTest::newRow("no ending, dark variant chosen") << "/d/spring" << 4 << 4 << "/d/spring.css";
}

void TestColorFormats::exportTarget() {
    QFETCH(QString, path);
    QFETCH(int, filterIndex);
    QFETCH(int, format);
    QFETCH(QString, written);
    const ExportTarget target = ChooseExportTarget(path, filterIndex);
    QCOMPARE(static_cast<int>(target.format), format);
    QCOMPARE(target.path, written);
}

QTEST_APPLESS_MAIN(TestColorFormats)
#include "tst_colorformats.moc"
