#include "files/SchemeFile.h"

#include <algorithm>

namespace {

constexpr const char* kSectionLines[] = {"[Background Color]", "[Text Color]", "[Link Color]",
                                         "[VLink Color]", "[ALink Color]"};

} // namespace

QByteArray SchemeFileText(const PageColors& colors) {
    const QString* values[] = {&colors.backC, &colors.textC, &colors.linkC, &colors.vlinkC,
                               &colors.alinkC};
    QByteArray out;
    for (int i = 0; i < 5; ++i) {
        out.append(kSectionLines[i]);
        out.append("\r\n");
        // Characters beyond Latin-1 have no byte of their own and become "?".
        out.append(values[i]->toLatin1());
        out.append("\r\n");
    }
    return out;
}

SchemeLines ReadSchemeLines(const QByteArray& content) {
    SchemeLines lines;
    const char* p = content.constData();
    const char* const end = p + content.size();
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    // One pass over the bytes: each line is found by a single forward search for CR or LF, so
    // the time grows with the size of the first ten lines, whatever their length.
    for (int n = 0; n < SchemeLineCount && p < end; ++n) {
        const char* lineEnd = std::find_if(p, end, isBreak);
        lines[static_cast<std::size_t>(n)] =
            QString::fromLatin1(p, static_cast<qsizetype>(lineEnd - p));
        p = lineEnd;
        // A line ends with CR LF, a lone CR or a lone LF.
        if (p < end && *p++ == '\r' && p < end && *p == '\n')
            ++p;
    }
    return lines;
}

Scheme ReadScheme(const QByteArray& content) {
    const SchemeLines lines = ReadSchemeLines(content);
    return {{lines[1], lines[3], lines[5], lines[7], lines[9]},
            {lines[0], lines[2], lines[4], lines[6], lines[8]}};
}

bool LooksLikeScheme(const QByteArray& content, QString* reason) {
    const SchemeLines lines = ReadSchemeLines(content);
    for (const QString& line : lines) {
        if (line.contains(QChar::Null)) {
            *reason = QStringLiteral("It is not a color scheme: it holds binary data.");
            return false;
        }
    }
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        const QString section = lines[i].trimmed();
        for (const char* name : kSectionLines) {
            if (section.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    *reason = QStringLiteral("It is not a color scheme: none of its section lines names a page "
                             "color.");
    return false;
}
