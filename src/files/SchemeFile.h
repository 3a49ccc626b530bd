#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// A colour-scheme file: ten lines, section line then value line for background, text, link,
// visited link and active link, each line ended by CR LF, in a single-byte code page
// (Latin-1 here, so every byte survives a round trip).
inline constexpr int SchemeLineCount = 10;
using SchemeLines = std::array<QString, SchemeLineCount>;

// The file text for the five values (section lines "[Background Color]", "[Text Color]",
// "[Link Color]", "[VLink Color]", "[ALink Color]").
QByteArray SchemeFileText(const QString& back, const QString& text, const QString& link,
                          const QString& vlink, const QString& alink);

// The first ten lines of a file, by position. Lines may end with CR LF, a lone LF or a lone
// CR; lines that are missing are empty; lines after the tenth are ignored.
SchemeLines ReadSchemeLines(const QByteArray& content);
