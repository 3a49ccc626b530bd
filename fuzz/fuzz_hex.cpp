// Fuzz target for the hexadecimal colour texts: any text, read as UTF-8, is handed to
// HexToColor. Checked: the colour is a packed RGB value 0..0xFFFFFF, the caller's variable
// keeps exactly what follows the first "#" (or the whole text), the colour is the one that
// the three digit pairs describe, and ColorToHex / PadHex agree with HexToColor.

#include "FuzzCheck.h"
#include "picker/FieldText.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The value of one digit pair, spelled out from the rule: blanks, tabs and line feeds are
// passed over, the first character that is not an ASCII hex digit ends the pair.
int PairValue(const QString& pair) {
    int value = 0;
    for (const QChar ch : pair) {
        const char16_t c = ch.unicode();
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = 10 + (c - u'a');
        else if (c >= u'A' && c <= u'F')
            digit = 10 + (c - u'A');
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

bool IsUpperHexText(const QString& s) {
    for (const QChar ch : s) {
        const char16_t c = ch.unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString typed = Utf8Text(QByteArrayView(data, static_cast<qsizetype>(size)));

    QString text = typed;
    const int32_t color = HexToColor(text);
    CHECK(color >= 0 && color <= 0xFFFFFF);

    const qsizetype hash = typed.indexOf(QLatin1Char('#'));
    const QString rest = hash < 0 ? typed : typed.mid(hash + 1);
    CHECK(text == rest);

    const int expected = PairValue(rest.mid(0, 2)) + 256 * PairValue(rest.mid(2, 2)) +
                         65536 * PairValue(rest.mid(4, 2));
    CHECK(color == expected);

    // Reading the remainder a second time gives the same colour when it holds no further "#".
    if (!rest.contains(QLatin1Char('#'))) {
        QString again = rest;
        CHECK(HexToColor(again) == color);
        CHECK(again == rest);
    }

    // The colour's own text: six upper-case digits that read back as the same colour.
    QString hex = ColorToHex(color);
    CHECK(hex.size() == 6 && IsUpperHexText(hex));
    const QString written = hex;
    CHECK(HexToColor(hex) == color);
    CHECK(hex == written);

    // Padding: at least six characters, the text at the end, zeros in front.
    const QString padded = PadHex(typed);
    CHECK(padded.size() == std::max<qsizetype>(6, typed.size()));
    CHECK(padded.endsWith(typed));
    for (qsizetype i = 0; i < padded.size() - typed.size(); ++i)
        CHECK(padded[i] == QLatin1Char('0'));
    return 0;
}
