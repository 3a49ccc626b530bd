#include "picker/FieldText.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

int32_t packRGB(int32_t r, int32_t g, int32_t b) {
    return r + g * 256 + b * 65536;
}

constexpr int kMax = std::numeric_limits<int32_t>::max();
constexpr int kMin = std::numeric_limits<int32_t>::min();
constexpr qsizetype kLong = 10 * 1024 * 1024;

} // namespace

class TestFieldText : public QObject {
    Q_OBJECT

private slots:
    void hexToColor_data();
    void hexToColor();
    void hexToColorStripsCallersText();
    void padHex_data();
    void padHex();
    void colorToHex_data();
    void colorToHex();
    void hexRoundTrip();
    void numericTextValue_data();
    void numericTextValue();
    void clampFieldText_data();
    void clampFieldText();
    void fieldInteger_data();
    void fieldInteger();
    void longTexts();
    void limitTypedText_data();
    void limitTypedText();
};

void TestFieldText::hexToColor_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("left");

    QTest::newRow("FF8000") << "FF8000" << 255 << 128 << 0 << "FF8000";
    QTest::newRow("#ff8000") << "#ff8000" << 255 << 128 << 0 << "ff8000";
    QTest::newRow("abc") << "abc" << 171 << 12 << 0 << "abc";
    QTest::newRow("0") << "0" << 0 << 0 << 0 << "0";
    QTest::newRow("empty") << "" << 0 << 0 << 0 << "";
    QTest::newRow("GG0000") << "GG0000" << 0 << 0 << 0 << "GG0000";
    QTest::newRow("12#3456") << "12#3456" << 52 << 86 << 0 << "3456";
    QTest::newRow("blanks") << " f f0000" << 15 << 15 << 0 << " f f0000";
    QTest::newRow("tab and line feed") << "\nF\tF\n1" << 15 << 15 << 1 << "\nF\tF\n1";
    QTest::newRow("carriage return stops") << "F\rFF00" << 15 << 255 << 0 << "F\rFF00";
    QTest::newRow("stops at non-hex") << "0G1234" << 0 << 18 << 52 << "0G1234";
    QTest::newRow("mixed case") << "aBcDeF" << 0xAB << 0xCD << 0xEF << "aBcDeF";
    QTest::newRow("only first hash") << "a#b#c" << 11 << 12 << 0 << "b#c";
    QTest::newRow("hash alone") << "#" << 0 << 0 << 0 << "";
    QTest::newRow("double hash") << "##FFFFFF" << 0 << 255 << 255 << "#FFFFFF";
    QTest::newRow("longer text") << "FFFFFF12" << 255 << 255 << 255 << "FFFFFF12";
    QTest::newRow("five chars") << "12345" << 0x12 << 0x34 << 5 << "12345";
    QTest::newRow("full-width digits") << QString::fromUtf8("\xEF\xBC\xA6\xEF\xBC\xA6"
                                                            "0000")
                                       << 0 << 0 << 0
                                       << QString::fromUtf8("\xEF\xBC\xA6\xEF\xBC\xA6"
                                                            "0000");
    QTest::newRow("sign is not a digit") << "-1FF00" << 0 << 0xFF << 0 << "-1FF00";
}

void TestFieldText::hexToColor() {
    QFETCH(QString, text);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(QString, left);
    QCOMPARE(HexToColor(text), packRGB(r, g, b));
    QCOMPARE(text, left);
}

void TestFieldText::hexToColorStripsCallersText() {
    QString holder = QStringLiteral("#00FF00");
    QCOMPARE(HexToColor(holder), packRGB(0, 255, 0));
    QCOMPARE(holder, QStringLiteral("00FF00"));
    // Reading again gives the same colour and leaves the text alone.
    QCOMPARE(HexToColor(holder), packRGB(0, 255, 0));
    QCOMPARE(holder, QStringLiteral("00FF00"));
}

void TestFieldText::padHex_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("FF") << "FF"
                        << "0000FF";
    QTest::newRow("12345") << "12345"
                           << "012345";
    QTest::newRow("seven") << "1234567"
                           << "1234567";
    QTest::newRow("six") << "ABCDEF"
                         << "ABCDEF";
    QTest::newRow("empty") << ""
                           << "000000";
    QTest::newRow("0") << "0"
                       << "000000";
    QTest::newRow("not hex") << "xy"
                             << "0000xy";
}

void TestFieldText::padHex() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(PadHex(text), expected);
}

void TestFieldText::colorToHex_data() {
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blue") << packRGB(0, 0, 255) << "0000FF";
    QTest::newRow("red") << packRGB(255, 0, 0) << "FF0000";
    QTest::newRow("green") << packRGB(0, 255, 0) << "00FF00";
    QTest::newRow("orange") << packRGB(255, 128, 0) << "FF8000";
    QTest::newRow("black") << 0 << "000000";
    QTest::newRow("white") << packRGB(255, 255, 255) << "FFFFFF";
    QTest::newRow("upper case") << packRGB(0x0A, 0x0B, 0x0C) << "0A0B0C";
    QTest::newRow("123456") << packRGB(0x12, 0x34, 0x56) << "123456";
    QTest::newRow("one") << 1 << "010000";
}

void TestFieldText::colorToHex() {
    QFETCH(int, color);
    QFETCH(QString, expected);
    QCOMPARE(ColorToHex(color), expected);
}

void TestFieldText::hexRoundTrip() {
    // Every value of each channel, against a few values of the others.
    const int others[] = {0, 1, 15, 16, 127, 128, 254, 255};
    int failures = 0;
    for (int a = 0; a < 256; ++a) {
        for (int x : others) {
            for (int y : others) {
                for (const int32_t color : {packRGB(a, x, y), packRGB(x, a, y), packRGB(x, y, a)}) {
                    QString text = ColorToHex(color);
                    const QString written = text;
                    const int32_t back = HexToColor(text);
                    const QString expected = QString::asprintf(
                        "%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
                    if (back != color || written != expected) {
                        ++failures;
                    }
                }
            }
        }
    }
    QCOMPARE(failures, 0);
}

void TestFieldText::numericTextValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "12" << true << 12.0;
    QTest::newRow("surrounding blanks") << " 12 " << true << 12.0;
    QTest::newRow("tabs") << "\t12\t" << true << 12.0;
    QTest::newRow("plus") << "+5" << true << 5.0;
    QTest::newRow("minus") << "-5" << true << -5.0;
    QTest::newRow("fraction") << "12.5" << true << 12.5;
    QTest::newRow("trailing point") << "2." << true << 2.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("signed leading point") << "-.5" << true << -0.5;
    QTest::newRow("exponent") << "1e2" << true << 100.0;
    QTest::newRow("exponent E+") << "1E+2" << true << 100.0;
    QTest::newRow("exponent d") << "1d2" << true << 100.0;
    QTest::newRow("exponent D-") << "1D-2" << true << 0.01;
    QTest::newRow("point then exponent") << "2.e1" << true << 20.0;
    QTest::newRow("leading zeros") << "007" << true << 7.0;
    QTest::newRow("9e9") << "9e9" << true << 9e9;
    QTest::newRow("1e308") << "1e308" << true << 1e308;
    QTest::newRow("0.1") << "0.1" << true << 0.1;
    QTest::newRow("&H10") << "&H10" << true << 16.0;
    QTest::newRow("&hF") << "&hF" << true << 15.0;
    QTest::newRow("&HFFFF") << "&HFFFF" << true << 65535.0;
    QTest::newRow("&HFFFFFFFF") << "&HFFFFFFFF" << true << -1.0;
    QTest::newRow("&H7FFFFFFF") << "&H7FFFFFFF" << true << 2147483647.0;
    QTest::newRow("&H80000000") << "&H80000000" << true << -2147483648.0;
    QTest::newRow("&H leading zeros") << "&H000000001" << true << 1.0;
    QTest::newRow("&O777") << "&O777" << true << 511.0;
    QTest::newRow("&o17") << "&o17" << true << 15.0;
    QTest::newRow("&O37777777777") << "&O37777777777" << true << -1.0;
    QTest::newRow("&H blanks") << " &H10 " << true << 16.0;

    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
    QTest::newRow("lone plus") << "+" << false << 0.0;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("sign and point") << "-." << false << 0.0;
    QTest::newRow("1e") << "1e" << false << 0.0;
    QTest::newRow("1e+") << "1e+" << false << 0.0;
    QTest::newRow("e5") << "e5" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("blank after sign") << "- 5" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letter") << "12x" << false << 0.0;
    QTest::newRow("0x10") << "0x10" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("&H alone") << "&H" << false << 0.0;
    QTest::newRow("& alone") << "&" << false << 0.0;
    QTest::newRow("&HG") << "&HG" << false << 0.0;
    QTest::newRow("&O8") << "&O8" << false << 0.0;
    QTest::newRow("&X1") << "&X1" << false << 0.0;
    QTest::newRow("full-width digits")
        << QString::fromUtf8("\xEF\xBC\x91\xEF\xBC\x92") << false << 0.0;
}

void TestFieldText::numericTextValue() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    const std::optional<double> result = NumericTextValue(text);
    QCOMPARE(result.has_value(), numeric);
    if (numeric) {
        QCOMPARE(*result, value);
    }
}

void TestFieldText::clampFieldText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<QString>("expected");

    QTest::newRow("4") << "4" << 360 << 0 << "4";
    QTest::newRow("40") << "40" << 360 << 0 << "40";
    QTest::newRow("400") << "400" << 360 << 0 << "360";
    QTest::newRow("360 stays") << "360" << 360 << 0 << "360";
    QTest::newRow("361") << "361" << 360 << 0 << "360";
    QTest::newRow("empty") << "" << 360 << 0 << "0";
    QTest::newRow("minus") << "-" << 255 << 0 << "0";
    QTest::newRow("-5") << "-5" << 255 << 0 << "0";
    QTest::newRow("12.5 stays") << "12.5" << 100 << 0 << "12.5";
    QTest::newRow("13.5 stays") << "13.5" << 100 << 0 << "13.5";
    QTest::newRow("2.5 stays") << "2.5" << 100 << 0 << "2.5";
    QTest::newRow("2.") << "2." << 100 << 0 << "2.";
    QTest::newRow(".5") << ".5" << 100 << 0 << ".5";
    QTest::newRow("-0.5 rounds to 0") << "-0.5" << 100 << 0 << "-0.5";
    QTest::newRow("-0.6 is -1") << "-0.6" << 100 << 0 << "0";
    QTest::newRow("255.5 is 256") << "255.5" << 255 << 0 << "255";
    QTest::newRow("254.5 is 254") << "254.5" << 255 << 0 << "254.5";
    QTest::newRow("360.5 is 360") << "360.5" << 360 << 0 << "360.5";
    QTest::newRow("0.5 is 0") << "0.5" << 100 << 1 << "1";
    QTest::newRow("9e9") << "9e9" << 360 << 0 << "360";
    QTest::newRow("-9e9") << "-9e9" << 360 << 0 << "0";
    QTest::newRow("1e308") << "1e308" << 255 << 0 << "255";
    QTest::newRow("1e400") << "1e400" << 255 << 0 << "255";
    QTest::newRow("-1e400") << "-1e400" << 255 << 0 << "0";
    QTest::newRow("1e-400") << "1e-400" << 255 << 0 << "1e-400";
    QTest::newRow("2147483648") << "2147483648" << 255 << 0 << "255";
    QTest::newRow("-2147483649") << "-2147483649" << 255 << 7 << "7";
    QTest::newRow("1e2") << "1e2" << 100 << 0 << "1e2";
    QTest::newRow("1d3") << "1d3" << 100 << 0 << "100";
    QTest::newRow("&HFFFFFFFF") << "&HFFFFFFFF" << 255 << 0 << "0";
    QTest::newRow("&H100000000") << "&H100000000" << 255 << 0 << "255";
    QTest::newRow("&O777") << "&O777" << 255 << 0 << "255";
    QTest::newRow("&hF") << "&hF" << 255 << 0 << "&hF";
    QTest::newRow("blanks stay") << " 12 " << 255 << 0 << " 12 ";
    QTest::newRow("plus") << "+" << 255 << 0 << "0";
    QTest::newRow("point") << "." << 255 << 0 << "0";
    QTest::newRow("1e") << "1e" << 255 << 0 << "0";
    QTest::newRow("1e+") << "1e+" << 255 << 0 << "0";
    QTest::newRow("letters to minimum") << "abc" << 100 << 5 << "5";
    QTest::newRow("below minimum") << "3" << 100 << 5 << "5";
    QTest::newRow("comma") << "1,5" << 100 << 0 << "0";
    // The maximum is tested before the minimum.
    QTest::newRow("limits crossed, high") << "25" << 10 << 20 << "10";
    QTest::newRow("limits crossed, between") << "15" << 10 << 20 << "20";
    QTest::newRow("negative limits") << "-50" << -10 << -40 << "-40";
}

void TestFieldText::clampFieldText() {
    QFETCH(QString, text);
    QFETCH(int, maximum);
    QFETCH(int, minimum);
    QFETCH(QString, expected);
    QCOMPARE(ClampFieldText(text, maximum, minimum), expected);
}

void TestFieldText::fieldInteger_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("12.5") << "12.5" << 12;
    QTest::newRow("13.5") << "13.5" << 14;
    QTest::newRow("2.5") << "2.5" << 2;
    QTest::newRow("-2.5") << "-2.5" << -2;
    QTest::newRow("blanks") << " 7 " << 7;
    QTest::newRow("&HFF") << "&HFF" << 255;
    QTest::newRow("&HFFFFFFFF") << "&HFFFFFFFF" << -1;
    QTest::newRow("9e9") << "9e9" << kMax;
    QTest::newRow("-9e9") << "-9e9" << kMin;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("lone sign") << "-" << 0;
    QTest::newRow("1.5e1") << "1.5e1" << 15;
}

void TestFieldText::fieldInteger() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(FieldInteger(text), expected);
}

void TestFieldText::longTexts() {
    const QString ones(kLong, QLatin1Char('1'));
    QCOMPARE(ClampFieldText(ones, 255, 0), QStringLiteral("255"));
    QCOMPARE(FieldInteger(ones), kMax);

    const QString zerosThenFive = QString(kLong, QLatin1Char('0')) + QLatin1Char('5');
    QCOMPARE(FieldInteger(zerosThenFive), 5);
    QCOMPARE(ClampFieldText(zerosThenFive, 255, 0), zerosThenFive);

    // 1 followed by ten million zeros, scaled back by the exponent: 10.
    const QString scaled = QLatin1Char('1') + QString(kLong, QLatin1Char('0')) +
                           QStringLiteral("e-") + QString::number(kLong - 1);
    QCOMPARE(NumericTextValue(scaled), std::optional<double>(10.0));

    const QString tiny = QStringLiteral("0.") + QString(kLong, QLatin1Char('0')) + QLatin1Char('1');
    QCOMPARE(NumericTextValue(tiny), std::optional<double>(0.0));

    // 2^53 + 1 lies halfway between two doubles and goes to the even one; any non-zero digit
    // far behind it puts it above the half.
    QCOMPARE(NumericTextValue(u"9007199254740993"), std::optional<double>(9007199254740992.0));
    const QString aboveHalf =
        QStringLiteral("9007199254740993.") + QString(kLong, QLatin1Char('0')) + QLatin1Char('1');
    QCOMPARE(NumericTextValue(aboveHalf), std::optional<double>(9007199254740994.0));
    const QString manyDigits = QStringLiteral("900719925474099") + QString(1000, QLatin1Char('3')) +
                               QStringLiteral("e-1000");
    QCOMPARE(NumericTextValue(manyDigits), std::optional<double>(900719925474099.375));

    const QString longExponent =
        QStringLiteral("1e") + QString(kLong, QLatin1Char('0')) + QLatin1Char('2');
    QCOMPARE(NumericTextValue(longExponent), std::optional<double>(100.0));
    const QString hugeExponent = QStringLiteral("1e") + QString(kLong, QLatin1Char('9'));
    QCOMPARE(ClampFieldText(hugeExponent, 100, 0), QStringLiteral("100"));

    const QString letters(kLong, QLatin1Char('x'));
    QCOMPARE(ClampFieldText(letters, 100, 3), QStringLiteral("3"));
    const QString blanks =
        QString(kLong, QLatin1Char(' ')) + QStringLiteral("42") + QString(kLong, QLatin1Char(' '));
    QCOMPARE(ClampFieldText(blanks, 100, 0), blanks);

    const QString longHex = QStringLiteral("&H") + QString(kLong, QLatin1Char('F'));
    QCOMPARE(ClampFieldText(longHex, 100, 0), QStringLiteral("100"));
    const QString longHexZeros =
        QStringLiteral("&H") + QString(kLong, QLatin1Char('0')) + QStringLiteral("10");
    QCOMPARE(FieldInteger(longHexZeros), 16);

    QString longColor =
        QString(kLong, QLatin1Char('A')) + QLatin1Char('#') + QStringLiteral("102030");
    QCOMPARE(HexToColor(longColor), packRGB(0x10, 0x20, 0x30));
    QCOMPARE(longColor, QStringLiteral("102030"));
}

// The limit of six: before and after the user's edit, the caret after it, what the box keeps.
void TestFieldText::limitTypedText_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("keptCursor");
    QTest::newRow("typed within the limit") << "FF80"
                                            << "FF801" << 5 << "FF801" << 5;
    QTest::newRow("seventh key refused") << "FF8011"
                                         << "FF80117" << 7 << "FF8011" << 6;
    QTest::newRow("key in the middle of a full box") << "FF8011"
                                                     << "FF78011" << 3 << "FF8011" << 2;
    QTest::newRow("paste cut to what fits") << "AB"
                                            << "A1234567B" << 8 << "A1234B" << 5;
    QTest::newRow("paste over a selection") << "ABCDEF"
                                            << "A98765F" << 6 << "A9876F" << 5;
    QTest::newRow("repeated letters") << "aaaa"
                                      << "aaaaaaa" << 7 << "aaaaaa" << 6;
    // A text that the program set beyond the limit: more is refused, less is kept.
    QTest::newRow("key into a longer set text") << "#ff8011"
                                                << "#ff80112" << 8 << "#ff8011" << 7;
    QTest::newRow("deleting from a longer set text") << "#ff8011"
                                                     << "ff8011" << 0 << "ff8011" << 0;
    QTest::newRow("whole set text replaced") << "#ff8011"
                                             << "1" << 1 << "1" << 1;
}

void TestFieldText::limitTypedText() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, cursor);
    QFETCH(QString, kept);
    QFETCH(int, keptCursor);
    const TypedText result = LimitTypedText(before, after, cursor, 6);
    QCOMPARE(result.text, kept);
    QCOMPARE(result.cursor, keptCursor);
}

QTEST_APPLESS_MAIN(TestFieldText)
#include "tst_fieldtext.moc"
