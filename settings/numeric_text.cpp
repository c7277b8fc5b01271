#include "settings/numeric_text.h"

#include <QByteArray>
#include <QString>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace settings {

namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

char16_t unitOf(char c)
{
    return static_cast<unsigned char>(c);
}

char16_t unitOf(QChar c)
{
    return c.unicode();
}

// The accepted characters of a number with the blanks taken out, in the form from_chars reads.
struct NumberText {
    bool negative = false;
    std::string mantissa; // digits with at most one "."
    std::string exponent; // "e", an optional "-", digits; empty when there is none
};

template <typename Text> NumberText scan(const Text& text)
{
    NumberText number;
    qsizetype pos = 0;
    const auto peek = [&]() -> char16_t {
        while (pos < text.size() && isSkipped(unitOf(text[pos])))
            ++pos;
        return pos < text.size() ? unitOf(text[pos]) : u'\0';
    };
    const auto take = [&](std::string& into) {
        into += static_cast<char>(unitOf(text[pos]));
        ++pos;
    };

    char16_t c = peek();
    if (c == u'+' || c == u'-') {
        number.negative = c == u'-';
        ++pos;
        c = peek();
    }
    bool digits = false;
    for (; isDigit(c); c = peek()) {
        take(number.mantissa);
        digits = true;
    }
    if (c == u'.') {
        take(number.mantissa);
        for (c = peek(); isDigit(c); c = peek()) {
            take(number.mantissa);
            digits = true;
        }
    }
    if (!digits) {
        number.mantissa.clear();
        return number;
    }
    if (c == u'E' || c == u'e' || c == u'D' || c == u'd') {
        ++pos;
        std::string exponent = "e";
        c = peek();
        if (c == u'+' || c == u'-') {
            if (c == u'-')
                exponent += '-';
            ++pos;
            c = peek();
        }
        bool exponentDigits = false;
        for (; isDigit(c); c = peek()) {
            take(exponent);
            exponentDigits = true;
        }
        // "1E" and "1E+" are the number 1 followed by something else.
        if (exponentDigits)
            number.exponent = exponent;
    }
    return number;
}

// Whether a number that a double cannot hold is too large (rather than too small): the power of ten
// of its first significant digit decides.
bool overflows(const NumberText& number)
{
    const std::string& mantissa = number.mantissa;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    long long power = static_cast<long long>(point) - static_cast<long long>(first) - (first < point ? 1 : 0);
    long long exponent = 0;
    constexpr long long kSaturated = 1'000'000'000;
    for (const char c : number.exponent) {
        if (c >= '0' && c <= '9')
            exponent = std::min(exponent * 10 + (c - '0'), kSaturated);
    }
    const bool negativeExponent = number.exponent.find('-') != std::string::npos;
    power += negativeExponent ? -exponent : exponent;
    return power > 0;
}

template <typename Text> double valueOf(const Text& text)
{
    const NumberText number = scan(text);
    if (number.mantissa.empty())
        return 0.0;
    const std::string digits = number.mantissa + number.exponent;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range)
        value = overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return number.negative ? -value : value;
}

} // namespace

double numericValue(QByteArrayView text)
{
    return valueOf(text);
}

double numericValue(QStringView text)
{
    return valueOf(text);
}

QByteArray decimalText(double value)
{
    if (value == 0.0)
        return "0";
    char buffer[32];
    const auto [end, error]
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QByteArray text(buffer, error == std::errc() ? end - buffer : 0);
    text.replace('e', 'E');
    if (text.startsWith("0."))
        text.remove(0, 1);
    else if (text.startsWith("-0."))
        text.remove(1, 1);
    return text;
}

QString valueText(double value)
{
    if (!std::isfinite(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
    // The file leaves out the zero before the point; a person reads a box better with it.
    QString text = QString::fromLatin1(decimalText(value));
    if (text.startsWith(u'.'))
        text.prepend(u'0');
    else if (text.startsWith(u"-."))
        text.insert(1, u'0');
    return text;
}

} // namespace settings
