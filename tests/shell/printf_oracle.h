#pragma once

// What the report formatter must print for one conversion of a real number,
// told by the C library: glibc's own output, except at an exact half, where
// the formatter rounds away from zero. Shared by the differential test and
// the formatter's fuzz target.

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <string>

namespace csp::printf_oracle {

inline std::string cFormat(const std::string& spec, double value) {
    char buffer[2048];
    std::snprintf(buffer, sizeof buffer, spec.c_str(), value);
    return buffer;
}

// Whether the exact value of `value` lies half-way at the place where the
// conversion cuts it, read off the C library's full expansion.
inline bool isExactHalf(double value, char conversion, int precision) {
    char buffer[2048];
    std::string digits;
    std::size_t cut = 0;
    if (conversion == 'f') {
        std::snprintf(buffer, sizeof buffer, "%.1100f", std::fabs(value));
        digits = buffer;
        cut = digits.find('.') + 1 + static_cast<std::size_t>(precision);
    } else {
        if (conversion == 'g' && precision == 0) precision = 1;
        const int kept = conversion == 'g' ? precision : precision + 1;
        std::snprintf(buffer, sizeof buffer, "%.800e", std::fabs(value));
        for (const char* p = buffer; *p != 'e'; ++p)
            if (*p != '.') digits += *p;
        cut = static_cast<std::size_t>(kept);
    }
    if (cut >= digits.size() || digits[cut] != '5') return false;
    return digits.find_first_not_of('0', cut + 1) == std::string::npos;
}

// The C library rounds in the direction the floating-point rounding mode
// says; toward the value's own sign is away from zero.
inline std::string cFormatAwayFromZero(const std::string& spec, double value) {
    std::fesetround(std::signbit(value) ? FE_DOWNWARD : FE_UPWARD);
    const std::string text = cFormat(spec, value);
    std::fesetround(FE_TONEAREST);
    return text;
}

// The C standard has "%#.2g" of 99.96 print "1.0e+02": two significant
// digits, kept by '#'. glibc prints "1.e+02" when the rounding carries into
// a new power of ten; the report formatter follows the standard there.
inline bool isGlibcAlternateCarryQuirk(const std::string& spec, const std::string& ours, const std::string& theirs) {
    if (spec.find('#') == std::string::npos || std::tolower(spec.back()) != 'g') return false;
    const std::size_t point = ours.find('.');
    if (point == std::string::npos) return false;
    std::string shortened = ours;
    shortened.erase(point + 1, 1);
    const auto trimmed = [](std::string text) {
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    };
    return trimmed(shortened) == trimmed(theirs);
}

}  // namespace csp::printf_oracle
