#include "shell/typed_number.h"

#include <charconv>
#include <limits>
#include <string>

namespace csp {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) ++at;
    return at;
}

// The decimal exponent of the first significant digit, clamped, used only
// to tell an overflow from an underflow.
long leadingMagnitude(std::string_view mantissa, long exponent) {
    long integerDigits = 0;
    bool seenPoint = false, seenSignificant = false;
    long zerosAfterPoint = 0;
    for (char c : mantissa) {
        if (c == '.') { seenPoint = true; continue; }
        if (!seenSignificant && c == '0') {
            if (seenPoint) ++zerosAfterPoint;
            continue;
        }
        seenSignificant = true;
        if (!seenPoint) ++integerDigits;
    }
    return exponent + (integerDigits > 0 ? integerDigits : -zerosAfterPoint);
}

}  // namespace

double readTypedNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const std::size_t mantissaStart = at;
    const std::size_t integerEnd = skipDigits(text, at);
    std::size_t end = integerEnd;
    bool anyDigit = integerEnd > mantissaStart;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) return 0.0;
    const std::size_t mantissaEnd = end;
    long exponent = 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t e = end + 1;
        bool negativeExponent = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) negativeExponent = text[e++] == '-';
        const std::size_t exponentEnd = skipDigits(text, e);
        if (exponentEnd > e) {
            for (std::size_t i = e; i < exponentEnd; ++i)
                if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
            if (negativeExponent) exponent = -exponent;
            end = exponentEnd;
        }
    }

    const std::string_view number = text.substr(mantissaStart, end - mantissaStart);
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
        value = leadingMagnitude(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace csp
