// Fuzz target for the CSS colour texts: any text, read as UTF-8, is handed to ParseCssColor
// over a black and over a white background. Checked:
// - the text is read over both backgrounds or over neither, and never when it is longer than
//   200 characters without the white space around it;
// - a colour read is a packed RGB value 0..0xFFFFFF, and each channel over black is at most
//   the channel over white (only a colour that is not opaque shows the background);
// - the colour's "#RRGGBB" text and its oklch() text read back as the colour itself;
// - upper-case ASCII letters and white space around the text read the same.

#include "FuzzCheck.h"
#include "colour/ColorFormats.h"
#include "colour/CssColor.h"
#include "colour/OkLab.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace {

QString upperAscii(QString text) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - ('a' - 'A'));
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = Utf8Text(QByteArrayView(data, static_cast<qsizetype>(size)));

    const std::optional<int32_t> overBlack = ParseCssColor(text, 0x000000);
    const std::optional<int32_t> overWhite = ParseCssColor(text, 0xFFFFFF);
    CHECK(overBlack.has_value() == overWhite.has_value());
    if (text.trimmed().size() > 200) {
        CHECK(!overBlack);
    }
    if (!overBlack) {
        return 0;
    }
    for (const int32_t color : {*overBlack, *overWhite}) {
        CHECK(color >= 0 && color <= 0xFFFFFF);
        CHECK(ParseCssColor(HexColorText(color), 0x808080) == color);
        CHECK(ParseCssColor(OklchText(color), 0x808080) == color);
    }
    for (int shift = 0; shift < 24; shift += 8) {
        CHECK((*overBlack >> shift & 0xFF) <= (*overWhite >> shift & 0xFF));
    }
    CHECK(ParseCssColor(QLatin1String(" \n") + upperAscii(text) + QLatin1String("\t "), 0) ==
          overBlack);
    return 0;
}
