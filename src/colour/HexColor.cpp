#include "colour/HexColor.h"

#include <QStringView>

#include "colour/ColorConverter.h"

namespace {

// One colour pair read as a hexadecimal number: blanks, tabs and line feeds are skipped,
// reading stops at the first other character that is not a hex digit.
int readHexPair(QStringView pair) {
    int value = 0;
    for (const QChar ch : pair) {
        const char16_t c = ch.unicode();
        if (c == u' ' || c == u'\t' || c == u'\n') {
            continue;
        }
        const int d = HexDigitValue(c);
        if (d < 0) {
            break;
        }
        value = value * 16 + d;
    }
    return value;
}

} // namespace

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

QString ColorToHex(int32_t color) {
    const QString digits = PadHex(QString::number(static_cast<uint32_t>(color), 16).toUpper());
    // Digits of the packed value read BBGGRR; the text is RRGGBB.
    return digits.mid(4, 2) + digits.mid(2, 2) + digits.mid(0, 2);
}

QString PadHex(const QString& text) {
    QString padded = text;
    qsizetype n = padded.size();
    while (n <= 5) {
        padded.prepend(QLatin1Char('0'));
        ++n;
    }
    return padded;
}

int32_t HexToColor(QString& text) {
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        text.remove(0, hash + 1);
    }
    const QStringView view(text);
    const int red = readHexPair(view.mid(0, 2));
    const int green = view.size() > 2 ? readHexPair(view.mid(2, 2)) : 0;
    const int blue = view.size() > 4 ? readHexPair(view.mid(4, 2)) : 0;
    return PackRgb(red, green, blue);
}
