#include "files/PageFile.h"

#include <QList>

QByteArray PageFileBytes(const QString& page) {
    QByteArray bytes;
    bytes.reserve(page.size() + 2);
    for (char32_t c : page.toUcs4()) {
        if (c < 256)
            bytes.append(static_cast<char>(c));
        else
            bytes.append("&#").append(QByteArray::number(static_cast<uint>(c))).append(';');
    }
    bytes.append("\r\n");
    return bytes;
}
