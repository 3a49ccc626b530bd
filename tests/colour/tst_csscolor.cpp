#include "colour/ColorFormats.h"
#include "colour/CssColor.h"

#include <QTest>

// Expected colours are written "#RRGGBB" as HexColorText writes them. The background D2E1F0
// shows through the colours with an alpha below 1.
class TestCssColor : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void message();
};

void TestCssColor::reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("color");
    const auto row = [](const char* text, const char* color) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromLatin1(color);
    };
    row("#2c7", "#22CC77");
    row("#2C7E", "#2ECD7F");
    row("#3a7bc4", "#3A7BC4");
    row("#3A7BC480", "#86AEDA");
    row("3A7BC4", "#3A7BC4");
    row("rgb(58, 123, 196)", "#3A7BC4");
    row("rgb(23%, 46%, 81%)", "#3B75CF"); // 58.65, 117.3, 206.55
    row("RGBA(58,123,196,0.25)", "#ACC8E5");
    row("rgb(58 48% 196 / 50%)", "#86AEDA");
    row("hsl(212, 54%, 50%)", "#3B7BC4");
    row("hsl(0.59turn 54% 50%)", "#3B7AC4");
    row("hsl(3.7rad 54 50)", "#3B7BC4");
    row("hsla(235grad, 54%, 50%, 0.75)", "#6095CF");
    row("hsl(0 80% 50%)", "#E61A1A"); // 229.5 and 25.5, rounded up
    row("hwb(212 23% 19%)", "#3B80CF");
    row("hwb(212 60% 70%)", "#767676"); // white and black over 100%: grey 60 / 130
    row("lab(52.4% 19 -47)", "#7874CE");
    row("lab(52.4 15.2% -37.6%)", "#7874CE");
    row("lch(52.4% 50.7 292deg)", "#7874CF");
    row("lch(60% 90% 40)", "#FF4747");
    row("oklab(57.1% -0.03 -0.13)", "#4078C5");
    row("oklab(0.571 -7.5% -32.5%)", "#4078C5");
    row("oklch(57.1% 0.1334 257)", "#4078C5");
    row("oklch(70% 0.4 150)", "#00C248");
    row("oklch(70% 0.4 150 / 0.25)", "#9ED9C6"); // mapped, then over the background
    row("color(srgb 0.23 0.48 0.77)", "#3B7AC4");
    row("color(srgb 1.2 0.48 -0.1)", "#FF9B69");
    row("color(display-p3 0.29 0.47 0.74)", "#3A79C2");
    row("color(display-p3 1 0 0)", "#FF0B0C");
    row(" \tChocoLate\n", "#D2691E");
    row("rgb(none 123 196)", "#007BC4");
    row("rgb(58 123 196 / none)", "#D2E1F0");
    // Clamped: channels, saturation, lightness, chroma, alpha.
    row("rgb(300 -20 196)", "#FF00C4");
    row("hsl(212 -50% 50%)", "#808080");
    row("lab(120 19 -47)", "#FFFFFF");
    row("oklch(57.1% -0.1 257)", "#787878");
    row("rgb(58 123 196 / 2)", "#3A7BC4");
    QTest::newRow("200 characters")
        << QString("rgb(58 123 196") + QString(185, QLatin1Char(' ')) + ")"
        << "#3A7BC4";
}

void TestCssColor::reads() {
    QFETCH(QString, text);
    QFETCH(QString, color);
    const std::optional<int32_t> read = ParseCssColor(text, 0xF0E1D2);
    QVERIFY(read);
    QCOMPARE(HexColorText(*read), color);
}

void TestCssColor::refuses_data() {
    QTest::addColumn<QString>("text");
    for (const char* text : {"",
                             "  \n",
                             "red blue",
                             "#3a7bc4 #000",
                             "transparent",
                             "currentColor",
                             "var(--x)",
                             "#3a7bc",
                             "3A7BC",
                             "rgb (58 123 196)",
                             "rgb(58 123 196))",
                             "rgb(58, 48%, 196)",
                             "hsl(212, 54, 50)",
                             "rgb(58 123)",
                             "rgb(58, 123, 196, 0.5, 1)",
                             "rgb(none, 123, 196)",
                             "hwb(212, 23%, 19%)",
                             "rgb(58 123 196, 0.5)",
                             "rgb(58 123 196 /)",
                             "rgb(58px 123 196)",
                             "hsl(212 54deg 50%)",
                             "rgb(calc(58) 123 196)",
                             "color(a98-rgb 0.2 0.4 0.7)"}) {
        QTest::newRow(text) << QString::fromLatin1(text);
    }
    QTest::newRow("201 characters")
        << QString("rgb(58 123 196") + QString(186, QLatin1Char(' ')) + ")";
}

void TestCssColor::refuses() {
    QFETCH(QString, text);
    QCOMPARE(ParseCssColor(text, 0), std::nullopt);
}

void TestCssColor::message() {
    const QString prefix = "The clipboard holds no color that Tintara can use: ";
    QCOMPARE(UnusableColorMessage(u" var(--x)\n"), prefix + "\"var(--x)\"");
    QCOMPARE(UnusableColorMessage(u"a\tb"), prefix + "\"a b\"");
    QCOMPARE(UnusableColorMessage(QString(59, 'x') + "yz"),
             prefix + "\"" + QString(59, 'x') + "y…\"");
    QCOMPARE(UnusableColorMessage(u" "), prefix + "it is empty");
}

QTEST_APPLESS_MAIN(TestCssColor)
#include "tst_csscolor.moc"
