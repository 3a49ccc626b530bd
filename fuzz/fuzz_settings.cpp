// Fuzz target for the settings file. The input is split at its first three NUL bytes into
// section name, key name, value and file content: "section\0key\0value\0content" (names ASCII,
// each byte with its top bit cleared; the value UTF-8; the content any bytes; missing parts are
// empty). Names are made into names the file can hold: CR and LF are dropped from both, "="
// from the key, and a key that is empty or starts with "[" or ";" (a section or comment line)
// gets a leading "k".
// Checked, with replaced = IniReplace(content, section, key, value):
// - IniLookup(replaced, section, key, default) is the value with each CR LF, lone CR and lone
//   LF a space, cut to its first 511 characters as the user sees them (grapheme clusters);
// - whatever the content, the value IniLookup finds in it holds no lone surrogate;
// - every other line is kept: the lines of replaced (text and line break) are the lines of
//   content with the key's line replaced (same line break), or with a key line added (CR LF)
//   after some line, or with a section line and a key line added at the end; only a last line
//   without a line break may gain a CR LF; a UTF-8 byte-order mark stays where it was;
// - writing the same value again changes nothing.

#include "FuzzCheck.h"
#include "files/modINIFileFunc.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QString kDefault = QStringLiteral("\x01not there\x01");

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\v') ||
           c == QLatin1Char('\f');
}

QString TrimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

struct Line {
    QByteArray text;
    QByteArray lineBreak; // "\r\n", "\r", "\n" or empty (last line only)
    bool operator==(const Line&) const = default;
};

QList<Line> SplitLines(const QByteArray& bytes) {
    QList<Line> lines;
    qsizetype i = 0;
    while (i < bytes.size()) {
        Line line;
        while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            line.text.append(bytes[i++]);
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n') {
            line.lineBreak = "\r\n";
            i += 2;
        } else if (i < bytes.size()) {
            line.lineBreak = QByteArray(1, bytes[i]);
            ++i;
        }
        lines.append(line);
    }
    return lines;
}

// The value as reading the file gives it back: line breaks cannot be stored.
QString StoredForm(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < value.size() && value[i + 1] == QLatin1Char('\n'))
                ++i;
            out.append(QLatin1Char(' '));
        } else {
            out.append(c);
        }
    }
    // The end of the 511th grapheme cluster, found over the whole text.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, out);
    qsizetype end = out.size();
    for (int n = 0; n < IniValueMaxLength; ++n)
        if ((end = finder.toNextBoundary()) < 0)
            return out;
    return out.left(end);
}

// Every high surrogate followed by a low one, every low one preceded by a high one.
bool NoLoneSurrogate(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate()) {
            if (i + 1 == s.size() || !s[i + 1].isLowSurrogate())
                return false;
            ++i;
        } else if (s[i].isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

// A key line "name=..." whose name, without surrounding blanks, is key (in letter case
// exactly, or in any letter case).
bool IsKeyLine(const Line& line, const QString& key, bool anyCase) {
    const qsizetype eq = line.text.indexOf('=');
    if (eq <= 0)
        return false;
    const QString name = TrimBlanks(QString::fromLatin1(line.text.left(eq)));
    return anyCase ? name.compare(key, Qt::CaseInsensitive) == 0 : name == key;
}

// original[i] == result[i], except that the last original line, when it has no line break,
// may have gained a CR LF.
bool SameLine(const QList<Line>& original, qsizetype i, const Line& result) {
    const Line& o = original[i];
    if (o == result)
        return true;
    return i == original.size() - 1 && o.lineBreak.isEmpty() && result.text == o.text &&
           result.lineBreak == "\r\n";
}

bool KeepsOtherLines(const QList<Line>& original, const QList<Line>& result, const QString& section,
                     const QString& key) {
    const qsizetype n = original.size();
    if (result.size() == n) {
        // The key's line replaced in place, with its own line break.
        qsizetype changed = -1;
        for (qsizetype i = 0; i < n; ++i) {
            if (original[i] == result[i])
                continue;
            if (changed >= 0)
                return false;
            changed = i;
        }
        if (changed < 0)
            return true;
        return result[changed].lineBreak == original[changed].lineBreak &&
               IsKeyLine(original[changed], key, true) && IsKeyLine(result[changed], key, true);
    }
    if (result.size() == n + 1) {
        // A key line added after line at - 1. The lines before the first difference are
        // kept, so the added line is at that difference or right after it (where the line
        // before it gained a line break).
        qsizetype first = 0;
        while (first < n && original[first] == result[first])
            ++first;
        for (qsizetype at = std::max<qsizetype>(first, 1); at <= std::min(first + 1, n); ++at) {
            bool ok = IsKeyLine(result[at], key, false) && result[at].lineBreak == "\r\n" &&
                      SameLine(original, at - 1, result[at - 1]);
            for (qsizetype i = at; ok && i < n; ++i)
                ok = original[i] == result[i + 1];
            if (ok)
                return true;
        }
        return false;
    }
    if (result.size() == n + 2) {
        // A section line and a key line added at the end.
        for (qsizetype i = 0; i < n; ++i)
            if (!SameLine(original, i, result[i]))
                return false;
        const Line sectionLine{'[' + TrimBlanks(section).toLatin1() + ']', "\r\n"};
        return result[n] == sectionLine && IsKeyLine(result[n + 1], key, false) &&
               result[n + 1].lineBreak == "\r\n";
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QByteArray parts[4];
    qsizetype pos = 0;
    for (int i = 0; i < 3; ++i) {
        const qsizetype nul = input.indexOf('\0', pos);
        if (nul < 0) {
            parts[i] = input.mid(pos);
            pos = input.size();
            break;
        }
        parts[i] = input.mid(pos, nul - pos);
        pos = nul + 1;
    }
    parts[3] = input.mid(pos);

    for (int i = 0; i < 2; ++i)
        for (char& c : parts[i])
            c = static_cast<char>(c & 0x7F);
    QString section = QString::fromLatin1(parts[0]);
    section.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    QString key = QString::fromLatin1(parts[1]);
    key.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QLatin1Char('='));
    const QString trimmedKey = TrimBlanks(key);
    if (trimmedKey.isEmpty() || trimmedKey.front() == QLatin1Char('[') ||
        trimmedKey.front() == QLatin1Char(';'))
        key.prepend(QLatin1Char('k'));
    const QString value = Utf8Text(parts[2]);
    const QByteArray& content = parts[3];

    CHECK(NoLoneSurrogate(IniLookup(content, section, key, kDefault)));

    const QByteArray replaced = IniReplace(content, section, key, value);
    CHECK(IniLookup(replaced, section, key, kDefault) == StoredForm(value));

    const bool bom = content.startsWith(kBom);
    CHECK(replaced.startsWith(kBom) == bom);
    const qsizetype skip = bom ? kBom.size() : 0;
    CHECK(KeepsOtherLines(SplitLines(content.mid(skip)), SplitLines(replaced.mid(skip)), section,
                          TrimBlanks(key)));

    CHECK(IniReplace(replaced, section, key, value) == replaced);
    return 0;
}
