#include "shell/typed_number.h"

#include <cmath>
#include <limits>
#include <string>

#include "shell/portable_charconv.h"

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

// Where the leading number of a text lies: its sign, mantissa and exponent.
struct LeadingNumber {
    bool found = false;
    bool negative = false;
    std::size_t start = 0, mantissaEnd = 0, end = 0;  // the mantissa's first digit or point; past the exponent
    long exponent = 0;
};

LeadingNumber scanLeadingNumber(std::string_view text) {
    LeadingNumber n;
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) n.negative = text[at++] == '-';
    n.start = at;
    const std::size_t integerEnd = skipDigits(text, at);
    std::size_t end = integerEnd;
    bool anyDigit = integerEnd > n.start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) return {};
    n.found = true;
    n.mantissaEnd = end;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t e = end + 1;
        bool negativeExponent = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) negativeExponent = text[e++] == '-';
        const std::size_t exponentEnd = skipDigits(text, e);
        if (exponentEnd > e) {
            for (std::size_t i = e; i < exponentEnd; ++i)
                if (n.exponent < 100000) n.exponent = n.exponent * 10 + (text[i] - '0');
            if (negativeExponent) n.exponent = -n.exponent;
            end = exponentEnd;
        }
    }
    n.end = end;
    return n;
}

}  // namespace

double readTypedNumber(std::string_view text) {
    const LeadingNumber n = scanLeadingNumber(text);
    if (!n.found) return 0.0;
    const std::string_view number = text.substr(n.start, n.end - n.start);
    double value = 0.0;
    const auto [ptr, error] = portable::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(n.start, n.mantissaEnd - n.start);
        value = leadingMagnitude(mantissa, n.exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    return n.negative ? -value : value;
}

bool isWholeTypedNumber(std::string_view text) {
    const LeadingNumber n = scanLeadingNumber(text);
    if (!n.found) return false;
    for (std::size_t at = n.end; at < text.size(); ++at)
        if (!isBlank(text[at])) return false;
    return true;
}

bool isMisreadTypedNumber(std::string_view text) {
    const LeadingNumber n = scanLeadingNumber(text);
    if (!n.found || std::isinf(readTypedNumber(text))) return true;
    for (std::size_t at = n.end; at < text.size(); ++at)
        if (isDigit(text[at])) return true;
    return false;
}

const TypedUnit* typedUnitShownAs(std::string_view shown) {
    for (const TypedUnit* unit : {&units::feet, &units::inches, &units::poundsPerCubicFoot,
                                  &units::poundsPerSquareFoot, &units::ohmCentimetres})
        if (unit->shown == shown) return unit;
    return nullptr;
}

namespace {

char lowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameWord(std::string_view typed, std::string_view spelling) {
    if (typed.size() != spelling.size()) return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (lowerCase(typed[i]) != spelling[i]) return false;
    return true;
}

}  // namespace

bool endsInItsUnit(std::string_view text, const TypedUnit* unit) {
    const LeadingNumber n = scanLeadingNumber(text);
    std::string_view rest = n.found ? text.substr(n.end) : text;
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && isBlank(rest.back())) rest.remove_suffix(1);
    if (rest.empty()) return true;
    if (unit == nullptr) return false;
    if (rest.back() == '.') rest.remove_suffix(1);
    for (std::string_view spelling : unit->spellings)
        if (sameWord(rest, spelling)) return true;
    return false;
}

Outcome checkTypedNumber(std::string_view field, std::string_view text, const TypedUnit* unit) {
    const std::string quoted = "The " + std::string(field) + " '" + std::string(text) + "' ";
    if (isMisreadTypedNumber(text) || (unit == nullptr && !endsInItsUnit(text, unit)))
        return Outcome::failure(quoted + "is not a number.");
    if (!endsInItsUnit(text, unit)) return Outcome::failure(quoted + "is not in " + std::string(unit->named) + ".");
    return Outcome::success();
}

std::string_view typedNumberPart(std::string_view text) {
    const LeadingNumber n = scanLeadingNumber(text);
    if (!n.found) return {};
    const std::size_t signStart = n.start > 0 && (text[n.start - 1] == '-' || text[n.start - 1] == '+') ? n.start - 1
                                                                                                       : n.start;
    return text.substr(signStart, n.end - signStart);
}

}  // namespace csp
