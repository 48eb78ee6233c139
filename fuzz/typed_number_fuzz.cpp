// The typed-number reader on any bytes: a number always, never a crash; a
// text that is only a decimal number reads as strtod reads it in the C
// locale, bit for bit; a text with no leading number reads 0.

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "shell/typed_number.h"

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where the digits from `at` end.
std::size_t digitsEnd(const std::string& text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) ++at;
    return at;
}

// Blanks, a sign, digits with at most one point (one digit at least), then
// an optional exponent, and nothing after: the texts strtod and the reader
// must agree on.
bool isOnlyADecimalNumber(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t start = at;
    at = digitsEnd(text, at);
    std::size_t digits = at - start;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = at + 1;
        at = digitsEnd(text, fraction);
        digits += at - fraction;
    }
    if (digits == 0) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        const std::size_t exponent = at;
        at = digitsEnd(text, at);
        if (at == exponent) return false;
    }
    return at == text.size();
}

bool hasLeadingNumber(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (at < text.size() && text[at] == '.') ++at;
    return at < text.size() && isDigit(text[at]);
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = csp::readTypedNumber(text);
    const bool whole = csp::isWholeTypedNumber(text);
    if (std::isnan(value)) csp::fuzz::fail("read as not-a-number");
    if (isOnlyADecimalNumber(text)) {
        const double expected = std::strtod(text.c_str(), nullptr);
        if (!sameBits(value, expected))
            csp::fuzz::fail("'" + text + "' reads as " + csp::fuzz::exactText(value) + ", strtod " + csp::fuzz::exactText(expected));
        if (!whole) csp::fuzz::fail("'" + text + "' is a whole number");
    }
    if (!hasLeadingNumber(text) && (!sameBits(value, 0.0) || whole))
        csp::fuzz::fail("'" + text + "' has no leading number but reads as " + csp::fuzz::exactText(value));
    return 0;
}
