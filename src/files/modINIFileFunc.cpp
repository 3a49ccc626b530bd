#include "files/modINIFileFunc.h"

#include "platform/FileSystem.h"

#include <QList>
#include <QStringDecoder>
#include <QTextBoundaryFinder>

// The settings file is read and rewritten here rather than through a general settings class:
// such classes read a value with a comma as a list and rewrite the whole file in their own form,
// while this file must keep every line that is not the one being written exactly as it was.
//
// Reading rules:
// - Lines end with CR LF, a lone LF or a lone CR. A UTF-8 byte-order mark at the very start is
//   skipped.
// - A line whose first non-blank character is "[" and that holds a "]" starts a section; the
//   name is what lies between the "[" and the last "]", without the blanks around it.
// - A line whose first non-blank character is ";" is a comment.
// - Any other line with an "=" is a key: the name is the text before the first "=", the value
//   the text after it, both without surrounding blanks. Lines without "=" are ignored, and so
//   are keys that come before the first section.
// - Names match without regard to letter case. When a section or a key occurs more than once,
//   the first occurrence counts; a key is looked for only in the first section of its name.
// - The value read loses one pair of enclosing quotes (both double or both single) and is cut
//   to IniValueMaxLength characters as the user sees them: a letter with its accents, a symbol
//   made of a surrogate pair, an emoji with its modifiers count as one and are never split.
//
// Writing rules:
// - Only the line of the key is rewritten, as the key's name as it stands in the file, "=" and
//   the value; the line keeps its own line break. A missing key is added after the last key of
//   its section (or right after the section line), a missing section at the end of the file.
//   Every added line ends with CR LF. All other bytes stay as they were.
// - A value that holds line breaks would split the key's line, so each CR LF, lone CR and lone
//   LF in it is written as one space.
// - A value that starts or ends with a blank, or that is enclosed in a pair of quotes, is
//   written inside double quotes, so that reading it back gives the same text.
//
// Encoding: names are plain ASCII. Values are written in UTF-8, the encoding of file names here.
// A value read is taken as UTF-8 when it is valid UTF-8; otherwise it was written by a
// single-byte program and is read in Windows-1252, the code page such files were written in.

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
bool IsBlank(QChar c) {
    return c.unicode() < 128 && IsBlank(static_cast<char>(c.unicode()));
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

// Byte positions of one line: [begin, textEnd) is its text, [textEnd, end) its line break.
struct Line {
    qsizetype begin;
    qsizetype textEnd;
    qsizetype end;
};

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    Line pos;
    LineKind kind = LineKind::Other;
    QString name; // section or key name, without surrounding blanks
    qsizetype valueBegin = 0;
};

bool HasUtf8Bom(const QByteArray& content) {
    return content.startsWith("\xEF\xBB\xBF");
}

QList<ParsedLine> ParseLines(const QByteArray& content) {
    QList<ParsedLine> lines;
    const char* data = content.constData();
    const qsizetype size = content.size();
    qsizetype pos = HasUtf8Bom(content) ? 3 : 0;
    while (pos < size) {
        ParsedLine line;
        line.pos.begin = pos;
        qsizetype i = pos;
        while (i < size && data[i] != '\r' && data[i] != '\n')
            ++i;
        line.pos.textEnd = i;
        if (i < size && data[i++] == '\r' && i < size && data[i] == '\n')
            ++i;
        line.pos.end = i;
        pos = i;

        qsizetype first = line.pos.begin;
        while (first < line.pos.textEnd && IsBlank(data[first]))
            ++first;
        if (first == line.pos.textEnd || data[first] == ';') {
            lines.append(line);
            continue;
        }
        const QByteArrayView text(data + first, line.pos.textEnd - first);
        if (text.front() == '[') {
            const qsizetype close = text.lastIndexOf(']');
            if (close > 0) {
                line.kind = LineKind::Section;
                line.name = TrimBlanks(QString::fromLatin1(text.sliced(1, close - 1)));
            }
        } else if (const qsizetype eq = text.indexOf('='); eq >= 0) {
            line.name = TrimBlanks(QString::fromLatin1(text.first(eq)));
            if (!line.name.isEmpty()) {
                line.kind = LineKind::Key;
                line.valueBegin = first + eq + 1;
            }
        }
        lines.append(line);
    }
    return lines;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first section line of that name, or -1.
qsizetype FindSection(const QList<ParsedLine>& lines, const QString& section) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].kind == LineKind::Section && SameName(lines[i].name, section))
            return i;
    return -1;
}

// Index of the line after the last line of the section that starts at index start.
qsizetype SectionEnd(const QList<ParsedLine>& lines, qsizetype start) {
    qsizetype i = start + 1;
    while (i < lines.size() && lines[i].kind != LineKind::Section)
        ++i;
    return i;
}

// Index of the first line of key in the section that starts at index start, or -1.
qsizetype FindKey(const QList<ParsedLine>& lines, qsizetype start, const QString& key) {
    const qsizetype end = SectionEnd(lines, start);
    for (qsizetype i = start + 1; i < end; ++i)
        if (lines[i].kind == LineKind::Key && SameName(lines[i].name, key))
            return i;
    return -1;
}

QString StripQuotes(const QString& value) {
    if (value.size() >= 2) {
        const QChar q = value.front();
        if ((q == QLatin1Char('"') || q == QLatin1Char('\'')) && value.back() == q)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// The bytes of a value as it is written after "=".
QByteArray EncodeValue(const QString& value) {
    QString v;
    v.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\r')) {
            if (i + 1 < value.size() && value[i + 1] == QLatin1Char('\n'))
                ++i;
            v.append(QLatin1Char(' '));
        } else if (c == QLatin1Char('\n')) {
            v.append(QLatin1Char(' '));
        } else {
            v.append(c);
        }
    }
    if (TrimBlanks(v) != v || StripQuotes(v) != v)
        v = QLatin1Char('"') + v + QLatin1Char('"');
    return v.toUtf8();
}

// The characters of Windows-1252 for the bytes 0x80 to 0x9F; every other byte is the character
// of the same number. The five bytes the code page leaves undefined map to the control
// characters of their own number, as Windows maps them.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

QString FromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? Windows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// A value's text: UTF-8, the encoding of file names here; a value that is not valid UTF-8
// was written by a single-byte program and is read in Windows-1252.
QString DecodeValue(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return FromWindows1252(bytes);
}

// The first max characters of text as the user sees characters (grapheme clusters), so that
// the cut never splits a surrogate pair or takes the accent off a letter. The boundaries are
// looked for in a prefix that grows until it holds max whole characters; a prefix's own end
// is always a boundary, so one found there is not trusted unless the prefix is the whole text.
QString LeftCharacters(const QString& text, qsizetype max) {
    // No character is shorter than one UTF-16 unit.
    if (text.size() <= max)
        return text;
    for (qsizetype prefix = 4 * max;; prefix *= 2) {
        const bool whole = prefix >= text.size();
        const QString part = whole ? text : text.left(prefix);
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, part);
        qsizetype end = 0;
        qsizetype count = 0;
        while (count < max && (end = finder.toNextBoundary()) >= 0)
            ++count;
        if (whole)
            return count < max ? text : text.left(end);
        if (count == max && end < part.size())
            return text.left(end);
    }
}

} // namespace

QString IniLookup(const QByteArray& content, const QString& section, const QString& key,
                  const QString& defaultValue) {
    const QList<ParsedLine> lines = ParseLines(content);
    const qsizetype s = FindSection(lines, TrimBlanks(section));
    if (s < 0)
        return defaultValue;
    const qsizetype k = FindKey(lines, s, TrimBlanks(key));
    if (k < 0)
        return defaultValue;
    const Line& pos = lines[k].pos;
    const QString raw = DecodeValue(
        QByteArrayView(content).sliced(lines[k].valueBegin, pos.textEnd - lines[k].valueBegin));
    return LeftCharacters(StripQuotes(TrimBlanks(raw)), IniValueMaxLength);
}

QByteArray IniReplace(const QByteArray& content, const QString& section, const QString& key,
                      const QString& value) {
    const QString sectionName = TrimBlanks(section);
    const QString keyName = TrimBlanks(key);
    const QByteArray encoded = EncodeValue(value);
    const QList<ParsedLine> lines = ParseLines(content);

    const qsizetype s = FindSection(lines, sectionName);
    if (s < 0) {
        QByteArray out = content;
        const qsizetype bodyStart = HasUtf8Bom(content) ? 3 : 0;
        if (out.size() > bodyStart && !out.endsWith('\n') && !out.endsWith('\r'))
            out.append("\r\n");
        out.append('[').append(sectionName.toLatin1()).append("]\r\n");
        out.append(keyName.toLatin1()).append('=').append(encoded).append("\r\n");
        return out;
    }

    const qsizetype k = FindKey(lines, s, keyName);
    if (k >= 0) {
        const Line& pos = lines[k].pos;
        QByteArray line = lines[k].name.toLatin1();
        line.append('=').append(encoded);
        QByteArray out = content;
        out.replace(pos.begin, pos.textEnd - pos.begin, line);
        return out;
    }

    // The new key goes after the last key of the section, or after the section line.
    qsizetype after = s;
    const qsizetype end = SectionEnd(lines, s);
    for (qsizetype i = s + 1; i < end; ++i)
        if (lines[i].kind == LineKind::Key)
            after = i;
    const Line& pos = lines[after].pos;
    QByteArray added;
    if (pos.end == pos.textEnd) // the last line of the file, without a line break
        added.append("\r\n");
    added.append(keyName.toLatin1()).append('=').append(encoded).append("\r\n");
    QByteArray out = content;
    out.insert(pos.end, added);
    return out;
}

QString ReadIniValue(FileSystem& fs, const QString& file, const QString& section,
                     const QString& key, const QString& defaultValue) {
    QByteArray content;
    if (!fs.ReadFile(file, &content))
        return defaultValue;
    return IniLookup(content, section, key, defaultValue);
}

bool WriteIniValue(FileSystem& fs, const QString& file, const QString& section, const QString& key,
                   const QString& value, QString* error) {
    QByteArray content;
    // An existing file that cannot be read is not replaced: its other settings would be lost.
    if (fs.FileExists(file) && !fs.ReadFile(file, &content, error))
        return false;
    return fs.WriteFileAtomic(file, IniReplace(content, section, key, value), error);
}
