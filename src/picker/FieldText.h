#pragma once

// The texts of the colour value fields: six-digit hexadecimal colour codes (colour/HexColor.h)
// and the numeric texts typed into the hue/saturation/brightness and red/green/blue fields.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "colour/HexColor.h"

// The value of a numeric field text, read the way the fields have always read numbers:
// surrounding blanks, optional sign, digits with an optional "." and fraction (digits on at
// least one side of it), optional exponent (e/E/d/D, optional sign, digits), or the literal
// forms &H<hex digits> and &O<octal digits> (either case). Empty text, a lone sign, "." and
// an exponent without digits are not numeric: nullopt.
std::optional<double> NumericTextValue(QStringView text);

// What a numeric field shows after its text has been checked against [minimum, maximum]:
// the minimum for a text that is not numeric, the maximum or minimum for a value beyond
// them, otherwise the text exactly as typed.
QString ClampFieldText(const QString& text, int maximum, int minimum);

// The integer a field text stands for when the colour is computed from the fields: its value
// rounded as roundHalfEven (colour/ColorConverter.h), or 0 for a text that is not numeric (pasted
// text that was never checked by a key release).
int32_t FieldInteger(QStringView text);

// A text box's character limit binds what the user types, pastes or drops, never a text that
// the program sets. After a user's edit turned `before` into `after`, with the caret at
// `cursor` just behind what was inserted, this is the text the box keeps and the caret's new
// place: the inserted characters are cut to what fits under `maxLength` (none when the box was
// already full). An edit that does not lengthen the text beyond the limit is kept as it is.
struct TypedText {
    QString text;
    int cursor = 0;
};
TypedText LimitTypedText(const QString& before, const QString& after, int cursor, int maxLength);
