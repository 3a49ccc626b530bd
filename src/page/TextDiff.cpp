#include "page/TextDiff.h"

QList<TextSpan> ChangedSpans(QStringView before, QStringView after) {
    QList<TextSpan> spans;
    const qsizetype oldSize = before.size();
    const qsizetype newSize = after.size();
    if (oldSize == newSize) {
        qsizetype i = 0;
        while (i < newSize) {
            if (before[i] == after[i]) {
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < newSize && before[end] != after[end])
                ++end;
            spans.append({i, end - i, end - i});
            i = end;
        }
        return spans;
    }
    qsizetype prefix = 0;
    while (prefix < oldSize && prefix < newSize && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < oldSize - prefix && suffix < newSize - prefix &&
           before[oldSize - 1 - suffix] == after[newSize - 1 - suffix])
        ++suffix;
    spans.append({prefix, oldSize - prefix - suffix, newSize - prefix - suffix});
    return spans;
}
