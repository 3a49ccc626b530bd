#pragma once

// The parts of a text that differ from an earlier version of it, so that an editor showing the
// earlier text can be brought up to date by replacing only those parts.

#include <QList>
#include <QStringView>

// One changed part: oldLength characters from start in the old text are replaced by the
// newLength characters from start in the new text. Applying the spans of ChangedSpans in order
// turns the old text into the new one.
struct TextSpan {
    qsizetype start = 0;
    qsizetype oldLength = 0;
    qsizetype newLength = 0;
    bool operator==(const TextSpan&) const = default;
};

// Texts of the same length (two page texts that differ only in colour codes) give one span per
// run of differing characters; texts of different lengths give one span between their common
// beginning and common end. Equal texts give none.
QList<TextSpan> ChangedSpans(QStringView before, QStringView after);
