#pragma once

// The settings file: an INI text of [section] lines and key=value lines.
// Section and key names match case-insensitively; a value is trimmed of surrounding blanks
// and of one pair of enclosing quotes (double or single) and cut to 511 characters as the user
// sees them (never inside one); the default comes back when the file, the section or the key
// is missing. Writing replaces only
// the line of that key (adding the section or key where needed) and keeps every other line,
// section, key and comment as it was; new lines end with CR LF; LF-only files are read too.
// Values are written in UTF-8, the encoding of file names here; a value that is not valid
// UTF-8 (written by a single-byte program) is read in Windows-1252. Names are plain ASCII.

#include <QByteArray>
#include <QString>

class FileSystem;

inline constexpr int IniValueMaxLength = 511;

// The value of key in section of an INI text, or defaultValue.
QString IniLookup(const QByteArray& content, const QString& section, const QString& key,
                  const QString& defaultValue);

// The INI text with key in section set to value.
QByteArray IniReplace(const QByteArray& content, const QString& section, const QString& key,
                      const QString& value);

// Reads through the file system; a missing or unreadable file gives defaultValue.
QString ReadIniValue(FileSystem& fs, const QString& file, const QString& section,
                     const QString& key, const QString& defaultValue);

// Writes atomically through the file system; false (with the reason in error) when the file
// cannot be written, in which case the old file is left as it was.
bool WriteIniValue(FileSystem& fs, const QString& file, const QString& section, const QString& key,
                   const QString& value, QString* error = nullptr);
