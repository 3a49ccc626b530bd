// Fuzz target for the colour-scheme file format. The input serves twice:
// - as the bytes of a scheme file: ReadSchemeLines gives ten lines without CR or LF, equal to
//   the first ten lines of the bytes split at CR LF, lone CR and lone LF (missing lines empty);
// - split at NUL bytes into five values (UTF-8): SchemeFileText writes the five section lines
//   and the values (characters beyond Latin-1 as "?"), each ended by CR LF, and when no value
//   holds a CR or LF, reading that text back gives the ten lines exactly.

#include "FuzzCheck.h"
#include "files/SchemeFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const kSections[] = {"[Background Color]", "[Text Color]", "[Link Color]",
                                 "[VLink Color]", "[ALink Color]"};

// The lines of bytes, each without its break; a break at the very end starts no further line.
QList<QByteArray> SplitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    QByteArray current;
    bool open = false; // a line has begun that has not been ended yet
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(current);
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current.append(c);
            open = true;
        }
    }
    if (open)
        lines.append(current);
    return lines;
}

void CheckRead(const QByteArray& bytes) {
    const SchemeLines lines = ReadSchemeLines(bytes);
    const QList<QByteArray> expected = SplitLines(bytes);
    for (int i = 0; i < SchemeLineCount; ++i) {
        const QString& line = lines[static_cast<std::size_t>(i)];
        CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
        const QByteArray want = i < expected.size() ? expected[i] : QByteArray();
        CHECK(line == QString::fromLatin1(want));
    }
}

// The text a value becomes in the single-byte file: every UTF-16 unit beyond Latin-1 is "?".
QString Latin1Form(const QString& value) {
    QString out = value;
    for (QChar& c : out)
        if (c.unicode() > 0xFF)
            c = QLatin1Char('?');
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckRead(bytes);

    const QList<QByteArray> parts = bytes.split('\0');
    QString values[5];
    bool breaks = false;
    for (int i = 0; i < 5; ++i) {
        if (i < parts.size())
            values[i] = Utf8Text(parts[i]);
        breaks = breaks || values[i].contains(QLatin1Char('\r')) ||
                 values[i].contains(QLatin1Char('\n'));
    }

    const QByteArray text = SchemeFileText({values[0], values[1], values[2], values[3], values[4]});
    QByteArray expectedText;
    for (int i = 0; i < 5; ++i)
        expectedText.append(kSections[i])
            .append("\r\n")
            .append(Latin1Form(values[i]).toLatin1())
            .append("\r\n");
    CHECK(text == expectedText);

    CheckRead(text);
    if (!breaks) {
        const SchemeLines lines = ReadSchemeLines(text);
        for (int i = 0; i < 5; ++i) {
            CHECK(lines[static_cast<std::size_t>(2 * i)] == QLatin1String(kSections[i]));
            CHECK(lines[static_cast<std::size_t>(2 * i + 1)] == Latin1Form(values[i]));
        }
    }
    return 0;
}
