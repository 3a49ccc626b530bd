#pragma once

// What the fuzz targets share: a property check that stops the run with the failed condition,
// and the text of the fuzzer's bytes.

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <cstdio>
#include <cstdlib>

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond);       \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// The text of UTF-8 bytes; a byte-order mark at the start is kept as a character (U+FEFF), so
// that texts starting with one are tried too.
inline QString Utf8Text(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8(bytes);
}
