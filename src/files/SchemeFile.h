#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "colour/PageColors.h"

// A colour-scheme file: ten lines, section line then value line for background, text, link,
// visited link and active link, each line ended by CR LF, in a single-byte code page
// (Latin-1 here, so every byte survives a round trip).
inline constexpr int SchemeLineCount = 10;
using SchemeLines = std::array<QString, SchemeLineCount>;

// The file text for the five colours (section lines "[Background Color]", "[Text Color]",
// "[Link Color]", "[VLink Color]", "[ALink Color]").
QByteArray SchemeFileText(const PageColors& colors);

// The first ten lines of a file, by position. Lines may end with CR LF, a lone LF or a lone
// CR; lines that are missing are empty; lines after the tenth are ignored.
SchemeLines ReadSchemeLines(const QByteArray& content);

// A scheme read by position: the five colour lines and the five section lines before them, in
// the order background, text, link, visited link, active link.
struct Scheme {
    PageColors colors;
    std::array<QString, 5> headers;
};
Scheme ReadScheme(const QByteArray& content);

// Whether content reads as a colour scheme rather than some other file. The window opens any
// file by position; a build's check must not pass a file that holds no scheme at all. False,
// with the reason, when the first ten lines hold a NUL byte (binary data), or when none of the
// five section lines (lines 1, 3, 5, 7, 9) is one of the five section names, compared without
// the blanks around it and in any case. Every file the program writes passes, as does one with
// sections misspelled, reordered or missing, so long as one of them names a page colour.
bool LooksLikeScheme(const QByteArray& content, QString* reason);
