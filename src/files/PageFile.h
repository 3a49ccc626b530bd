#pragma once

#include <QByteArray>
#include <QString>

// A page as the bytes of a saved page or the preview page: the text followed by CR LF, one byte
// per character. A character beyond Latin-1 that the user typed into the code view is written
// as a numeric character reference ("&#8364;"), which a browser shows as the same character.
QByteArray PageFileBytes(const QString& page);
