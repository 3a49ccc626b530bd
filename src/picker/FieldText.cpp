#include "picker/FieldText.h"

#include "colour/ColorConverter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDecimalDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// Value of a &H / &O literal's digits as a 32-bit two's-complement number; digits beyond
// 32 bits give +infinity.
double literalValue(QStringView digits, int radix) {
    uint64_t value = 0;
    for (const QChar ch : digits) {
        value = value * static_cast<uint64_t>(radix) +
                static_cast<uint64_t>(HexDigitValue(ch.unicode()));
        if (value > 0xFFFFFFFFull) {
            return std::numeric_limits<double>::infinity();
        }
    }
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

// Significant digits handed to the number conversion; more cannot change a double, as long
// as a non-zero tail is remembered (see below).
constexpr std::size_t kMaxSignificant = 800;

// Saturation limit of the exponent; far beyond what a double can hold either way.
constexpr int64_t kExponentLimit = 1000000000;

} // namespace

std::optional<double> NumericTextValue(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin].unicode())) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1].unicode())) {
        --end;
    }
    const QStringView body = text.sliced(begin, end - begin);
    if (body.isEmpty()) {
        return std::nullopt;
    }

    // &H and &O literals.
    if (body[0] == u'&') {
        if (body.size() < 3) {
            return std::nullopt;
        }
        const char16_t kind = body[1].unicode();
        int radix = 0;
        if (kind == u'H' || kind == u'h') {
            radix = 16;
        } else if (kind == u'O' || kind == u'o') {
            radix = 8;
        } else {
            return std::nullopt;
        }
        const QStringView digits = body.sliced(2);
        for (const QChar ch : digits) {
            const int d = HexDigitValue(ch.unicode());
            if (d < 0 || d >= radix) {
                return std::nullopt;
            }
        }
        return literalValue(digits, radix);
    }

    // Decimal: [sign] digits [. digits] [exponent], with a digit on at least one side of the
    // separator.
    qsizetype pos = 0;
    bool negative = false;
    if (body[pos] == u'+' || body[pos] == u'-') {
        negative = body[pos] == u'-';
        ++pos;
    }
    const qsizetype intStart = pos;
    while (pos < body.size() && isDecimalDigit(body[pos].unicode())) {
        ++pos;
    }
    const QStringView intDigits = body.sliced(intStart, pos - intStart);
    QStringView fracDigits;
    if (pos < body.size() && body[pos] == u'.') {
        ++pos;
        const qsizetype fracStart = pos;
        while (pos < body.size() && isDecimalDigit(body[pos].unicode())) {
            ++pos;
        }
        fracDigits = body.sliced(fracStart, pos - fracStart);
    }
    if (intDigits.isEmpty() && fracDigits.isEmpty()) {
        return std::nullopt;
    }
    int64_t exponent = 0;
    if (pos < body.size()) {
        const char16_t e = body[pos].unicode();
        if (e != u'e' && e != u'E' && e != u'd' && e != u'D') {
            return std::nullopt;
        }
        ++pos;
        bool expNegative = false;
        if (pos < body.size() && (body[pos] == u'+' || body[pos] == u'-')) {
            expNegative = body[pos] == u'-';
            ++pos;
        }
        const qsizetype expStart = pos;
        while (pos < body.size() && isDecimalDigit(body[pos].unicode())) {
            if (exponent < kExponentLimit) {
                exponent = exponent * 10 + (body[pos].unicode() - u'0');
            }
            ++pos;
        }
        if (pos == expStart || pos != body.size()) {
            return std::nullopt;
        }
        if (expNegative) {
            exponent = -exponent;
        }
    }

    // Reduce the digits to at most kMaxSignificant significant ones and a decimal exponent,
    // so that a pasted text of any length converts quickly: value = 0.DDDD x 10^point.
    std::string significant;
    int64_t point = 0; // position of the decimal point relative to the significant digits
    bool started = false;
    bool nonZeroTail = false;
    auto take = [&](QStringView digits, bool beforePoint) {
        for (const QChar ch : digits) {
            const char c = static_cast<char>(ch.unicode());
            if (!started) {
                if (c == '0') {
                    if (!beforePoint) {
                        --point;
                    }
                    continue;
                }
                started = true;
            }
            if (beforePoint) {
                ++point;
            }
            if (significant.size() < kMaxSignificant) {
                significant.push_back(c);
            } else if (c != '0') {
                nonZeroTail = true;
            }
        }
    };
    take(intDigits, true);
    take(fracDigits, false);

    const double sign = negative ? -1.0 : 1.0;
    if (significant.empty()) {
        return sign * 0.0;
    }
    if (nonZeroTail) {
        // Keeps a value that lies just above a rounding midpoint above it.
        significant.push_back('1');
    }
    const int64_t scale = point + exponent;
    if (scale > 400) {
        return sign * std::numeric_limits<double>::infinity();
    }
    if (scale < -400) {
        return sign * 0.0;
    }
    const std::string number = "0." + significant + "e" + std::to_string(scale);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sign * value;
}

QString ClampFieldText(const QString& text, int maximum, int minimum) {
    const std::optional<double> value = NumericTextValue(text);
    if (!value) {
        return QString::number(minimum);
    }
    const int32_t v = roundHalfEven(*value);
    QString result = text;
    if (v > maximum) {
        result = QString::number(maximum);
    }
    if (v < minimum) {
        result = QString::number(minimum);
    }
    return result;
}

int32_t FieldInteger(QStringView text) {
    const std::optional<double> value = NumericTextValue(text);
    return value ? roundHalfEven(*value) : 0;
}

TypedText LimitTypedText(const QString& before, const QString& after, int cursor, int maxLength) {
    if (after.size() <= maxLength || after.size() <= before.size())
        return {after, cursor};
    // What follows the caret was there before the edit; what precedes the inserted part too.
    qsizetype suffix = qBound(qsizetype(0), after.size() - cursor, before.size());
    if (!after.endsWith(QStringView(before).right(suffix)))
        suffix = 0;
    const qsizetype limit = std::min(after.size(), before.size()) - suffix;
    qsizetype prefix = 0;
    while (prefix < limit && before[prefix] == after[prefix])
        ++prefix;
    const qsizetype inserted = after.size() - prefix - suffix;
    const qsizetype kept = std::max<qsizetype>(0, maxLength - (after.size() - inserted));
    const qsizetype take = std::min(inserted, kept);
    return {after.left(prefix) + after.mid(prefix, take) + after.right(suffix), int(prefix + take)};
}
