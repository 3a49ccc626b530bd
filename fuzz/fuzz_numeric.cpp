// Fuzz target for the numeric value-field texts: any text, read as UTF-8, is checked against
// the limits of the hue (360, 0), saturation and brightness (100, 0) and red, green and blue
// (255, 0) fields, and against a few other 16-bit limits. Checked:
// - ClampFieldText gives either the decimal text of a number within [minimum, maximum], or the
//   text exactly as typed when it is numeric and its rounded value lies within the limits;
//   more precisely the minimum for a text that is not numeric, the maximum or the minimum for
//   a value beyond them;
// - NumericTextValue accepts a decimal text exactly when the C library's strtod reads all of
//   it (with d/D exponents as e) and gives the same double; &H / &O literals are accepted
//   exactly when all their digits are digits of that base, and give the 32-bit value of the
//   digits (beyond 32 bits +infinity);
// - roundHalfEven rounds halves to even and saturates, and FieldInteger is 0 for a text that
//   is not numeric and the rounded value otherwise.

#include "FuzzCheck.h"
#include "colour/ColorConverter.h"
#include "picker/FieldText.h"

#include <QString>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace {

struct Limits {
    int maximum;
    int minimum;
};

constexpr Limits kLimits[] = {{360, 0}, {100, 0}, {255, 0}, {32767, -32768}, {-5, -20}, {7, 7}};

// Nearest integer, halves to the even one, beyond the 32-bit range the nearest 32-bit limit.
int32_t RoundHalfEven(double v) {
    const double low = std::floor(v);
    const double fraction = v - low; // exact for every finite double
    double r = low;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(low, 2.0) != 0.0))
        r = low + 1.0;
    if (r >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (r <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

bool IsFieldBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString TrimFieldBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsFieldBlank(s[b]))
        ++b;
    while (e > b && IsFieldBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

// Decimal form: strtod must read the whole body, and no character outside the decimal form
// may occur (strtod also reads "inf", "nan", hexadecimal floats and leading white space).
void CheckDecimal(const QString& body, const std::optional<double>& value) {
    std::string s;
    s.reserve(static_cast<std::size_t>(body.size()));
    for (const QChar ch : body) {
        const char16_t c = ch.unicode();
        if (c >= u'0' && c <= u'9')
            s.push_back(static_cast<char>(c));
        else if (c == u'+' || c == u'-' || c == u'.')
            s.push_back(static_cast<char>(c));
        else if (c == u'e' || c == u'E' || c == u'd' || c == u'D')
            s.push_back('e');
        else {
            CHECK(!value.has_value());
            return;
        }
    }
    char* end = nullptr;
    errno = 0;
    const double reference = std::strtod(s.c_str(), &end);
    const bool whole = !s.empty() && end == s.c_str() + s.size();
    CHECK(value.has_value() == whole);
    if (whole)
        CHECK(*value == reference);
}

// &H / &O literal: strip leading zeros, count the significant digits, read them with strtoull.
void CheckLiteral(const QString& body, const std::optional<double>& value) {
    if (body.size() < 3) {
        CHECK(!value.has_value());
        return;
    }
    const char16_t kind = body[1].unicode();
    int radix = 0;
    if (kind == u'H' || kind == u'h')
        radix = 16;
    else if (kind == u'O' || kind == u'o')
        radix = 8;
    if (radix == 0) {
        CHECK(!value.has_value());
        return;
    }
    std::string digits;
    for (const QChar ch : body.mid(2)) {
        const char16_t c = ch.unicode();
        const bool ok = radix == 16 ? ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') ||
                                       (c >= u'A' && c <= u'F'))
                                    : (c >= u'0' && c <= u'7');
        if (!ok) {
            CHECK(!value.has_value());
            return;
        }
        digits.push_back(static_cast<char>(c));
    }
    CHECK(value.has_value());
    const std::size_t first = digits.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? "" : digits.substr(first);
    // Over 32 bits: more than 8 hex digits, or more than 11 octal digits (11 octal digits hold
    // 33 bits, so a first digit above 3 is over as well).
    const bool over = radix == 16 ? significant.size() > 8
                                  : (significant.size() > 11 ||
                                     (significant.size() == 11 && significant[0] > '3'));
    if (over) {
        CHECK(std::isinf(*value) && *value > 0);
        return;
    }
    const unsigned long long bits =
        significant.empty() ? 0ull : std::strtoull(significant.c_str(), nullptr, radix);
    CHECK(bits <= 0xFFFFFFFFull);
    const int64_t expected = bits >= 0x80000000ull ? static_cast<int64_t>(bits) - 0x100000000ll
                                                   : static_cast<int64_t>(bits);
    CHECK(*value == static_cast<double>(expected));
}

bool IsDecimalTextWithin(const QString& s, int minimum, int maximum) {
    bool ok = false;
    const int n = s.toInt(&ok);
    return ok && QString::number(n) == s && n >= minimum && n <= maximum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = Utf8Text(QByteArrayView(data, static_cast<qsizetype>(size)));
    const std::optional<double> value = NumericTextValue(text);

    const QString body = TrimFieldBlanks(text);
    if (body.isEmpty())
        CHECK(!value.has_value());
    else if (body[0] == QLatin1Char('&'))
        CheckLiteral(body, value);
    else
        CheckDecimal(body, value);

    if (value) {
        CHECK(!std::isnan(*value));
        CHECK(roundHalfEven(*value) == RoundHalfEven(*value));
        CHECK(FieldInteger(text) == RoundHalfEven(*value));
    } else {
        CHECK(FieldInteger(text) == 0);
    }

    for (const Limits& limits : kLimits) {
        const QString shown = ClampFieldText(text, limits.maximum, limits.minimum);
        const bool typedWithin = value && RoundHalfEven(*value) >= limits.minimum &&
                                 RoundHalfEven(*value) <= limits.maximum;
        CHECK(typedWithin ? shown == text
                          : IsDecimalTextWithin(shown, limits.minimum, limits.maximum));
        if (!value)
            CHECK(shown == QString::number(limits.minimum));
        else if (RoundHalfEven(*value) > limits.maximum)
            CHECK(shown == QString::number(limits.maximum));
        else if (RoundHalfEven(*value) < limits.minimum)
            CHECK(shown == QString::number(limits.minimum));
    }
    return 0;
}
