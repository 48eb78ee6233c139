#include "shell/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "shell/portable_charconv.h"

namespace csp {
namespace {

struct ConversionSpec {
    bool leftAlign = false, plusSign = false, spaceSign = false, zeroPad = false, alternate = false;
    int width = 0;
    int precision = -1;  // -1: not given
    char conversion = 0;
};

// ---- exact halves -------------------------------------------------------
// A positive finite double is m * 2^e with m odd. Its exact decimal
// expansion is finite; a printed result is an exact half (a tie) only when
// that expansion ends with a 5 one place past the last printed digit.

__extension__ typedef unsigned __int128 Wide;  // holds 38 decimal digits

struct OddBinary {
    std::uint64_t m;
    int e;
};

OddBinary decompose(double positive) {
    const auto bits = portable::bit_cast<std::uint64_t>(positive);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e = -1074;
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }
    const int zeros = std::countr_zero(m);
    return {m >> zeros, e + zeros};
}

// The fixed notation with `decimals` places is a tie when the exact value
// ends exactly one place further.
bool isFixedTie(double positive, int decimals) {
    if (positive == 0.0) return false;
    return decompose(positive).e == -(decimals + 1);
}

int decimalDigitCount(Wide n) {
    int count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

// Slow but plainly exact: the C library prints every digit of a double
// when asked for enough of them (no double has more than 767 significant
// digits), so the expansion can be read off directly.
bool isScientificTieByExpansion(double positive, int keptDigits) {
    char buffer[900];
    const auto result = portable::to_chars(buffer, buffer + sizeof buffer, positive, std::chars_format::scientific, 800);
    const char* exponent = std::find(buffer, result.ptr, 'e');
    std::string digits;
    for (const char* p = buffer; p != exponent; ++p)
        if (*p != '.') digits += *p;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return static_cast<int>(digits.size()) == keptDigits + 1 && digits.back() == '5';
}

// Scientific notation keeping `keptDigits` significant digits is a tie when
// the exact expansion, without trailing zeros, has one digit more, a 5.
bool isScientificTie(double positive, int keptDigits) {
    if (positive == 0.0) return false;
    const auto [m, e] = decompose(positive);
    const int wanted = keptDigits + 1;
    if (wanted > 38) return isScientificTieByExpansion(positive, keptDigits);
    Wide limit = 1;
    for (int i = 0; i < wanted; ++i) limit *= 10;
    Wide significand = m;
    if (e < 0) {
        // m * 2^e = m * 5^-e / 10^-e: the digits are those of m * 5^-e.
        for (int i = 0; i < -e; ++i) {
            significand *= 5;
            if (significand >= limit) return false;
        }
    } else {
        // An integer; its digits end in 5 only when m carries more factors
        // of 5 than there are factors of 2 to pair them into tens.
        for (int i = 0; i <= e; ++i) {
            if (significand % 5 != 0) return false;
            if (i < e) significand /= 5;
        }
    }
    return significand % 10 == 5 && decimalDigitCount(significand) == wanted;
}

// Adds one unit in the last place of a string of decimal digits (a point
// may stand among them); returns true when the carry runs off the front.
bool incrementDigits(char* first, char* last) {
    for (char* p = last; p != first;) {
        --p;
        if (*p == '.') continue;
        if (*p != '9') {
            ++*p;
            return false;
        }
        *p = '0';
    }
    return true;
}

// ---- digit generation ---------------------------------------------------

// |value| in fixed notation with `decimals` places, halves away from zero.
void appendFixedDigits(std::string& out, double positive, int decimals) {
    const bool tie = isFixedTie(positive, decimals);
    const int places = tie ? decimals + 1 : decimals;
    const std::size_t start = out.size();
    out.resize(start + 330 + static_cast<std::size_t>(places));
    const auto result = portable::to_chars(out.data() + start, out.data() + out.size(), positive,
                                      std::chars_format::fixed, places);
    out.resize(static_cast<std::size_t>(result.ptr - out.data()));
    if (!tie) return;
    out.pop_back();                              // the 5
    if (decimals == 0) out.pop_back();           // the point before it
    if (incrementDigits(out.data() + start, out.data() + out.size())) out.insert(out.begin() + static_cast<std::ptrdiff_t>(start), '1');
}

// |value| rounded to `count` significant digits, halves away from zero:
// the digits and the decimal exponent of the first one.
struct Significand {
    char digits[800];
    int count;
    int exponent;
};

void roundToSignificant(double positive, int count, Significand& s) {
    s.count = count;
    if (positive == 0.0) {
        std::memset(s.digits, '0', static_cast<std::size_t>(count));
        s.exponent = 0;
        return;
    }
    const bool tie = isScientificTie(positive, count);
    char buffer[900];
    const auto result = portable::to_chars(buffer, buffer + sizeof buffer, positive, std::chars_format::scientific,
                                      tie ? count : count - 1);
    const char* e = std::find(buffer, result.ptr, 'e');
    int n = 0;
    for (const char* p = buffer; p != e; ++p)
        if (*p != '.') s.digits[n++] = *p;
    int exponent = 0;
    portable::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, exponent);
    s.exponent = exponent;
    if (!tie) return;
    if (incrementDigits(s.digits, s.digits + count)) {  // 9.99..5 became 10.00
        s.digits[0] = '1';
        std::memset(s.digits + 1, '0', static_cast<std::size_t>(count - 1));
        ++s.exponent;
    }
}

void appendExponent(std::string& out, char letter, int exponent) {
    out += letter;
    out += exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) out += '0';
    char buffer[8];
    const auto result = portable::to_chars(buffer, buffer + sizeof buffer, magnitude);
    out.append(buffer, result.ptr);
}

void appendScientific(std::string& out, const Significand& s, int shownDigits, bool point, char letter) {
    out += s.digits[0];
    if (point) out += '.';
    out.append(s.digits + 1, static_cast<std::size_t>(shownDigits - 1));
    appendExponent(out, letter, s.exponent);
}

void dropTrailingZeros(std::string& out, std::size_t start) {
    if (out.find('.', start) == std::string::npos) return;
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
}

// %g: P significant digits; fixed notation when the exponent X of the
// rounded value satisfies P > X >= -4, scientific otherwise.
void appendGeneral(std::string& out, double positive, const ConversionSpec& spec) {
    const int p = spec.precision < 0 ? 6 : std::clamp(spec.precision, 1, 790);
    Significand s;
    roundToSignificant(positive, p, s);
    const std::size_t start = out.size();
    const int x = s.exponent;
    if (p > x && x >= -4) {
        if (x >= 0) {
            out.append(s.digits, static_cast<std::size_t>(x + 1));
            if (p - 1 - x > 0 || spec.alternate) out += '.';
            out.append(s.digits + x + 1, static_cast<std::size_t>(p - 1 - x));
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-x - 1), '0');
            out.append(s.digits, static_cast<std::size_t>(p));
        }
        if (!spec.alternate) dropTrailingZeros(out, start);
    } else {
        int shown = p;
        if (!spec.alternate)
            while (shown > 1 && s.digits[shown - 1] == '0') --shown;
        appendScientific(out, s, shown, shown > 1 || spec.alternate, spec.conversion == 'G' ? 'E' : 'e');
    }
}

// ---- padding ------------------------------------------------------------

void appendPadded(std::string& out, std::string_view sign, std::string_view body, const ConversionSpec& spec,
                  bool zeroPadAllowed) {
    const std::size_t length = sign.size() + body.size();
    const std::size_t width = spec.width > 0 ? static_cast<std::size_t>(spec.width) : 0;
    const std::size_t fill = width > length ? width - length : 0;
    if (spec.leftAlign) {
        out += sign;
        out += body;
        out.append(fill, ' ');
    } else if (spec.zeroPad && zeroPadAllowed) {
        out += sign;
        out.append(fill, '0');
        out += body;
    } else {
        out.append(fill, ' ');
        out += sign;
        out += body;
    }
}

std::string_view signText(bool negative, const ConversionSpec& spec) {
    if (negative) return "-";
    if (spec.plusSign) return "+";
    if (spec.spaceSign) return " ";
    return "";
}

[[noreturn]] void mismatch(std::string_view format, std::size_t argument) {
    throw std::invalid_argument("format \"" + std::string(format) + "\": argument " + std::to_string(argument + 1) +
                                " is missing or of the wrong kind");
}

thread_local std::string scratch;

void appendInteger(std::string& out, bool negative, std::uint64_t magnitude, const ConversionSpec& spec) {
    char buffer[24];
    const auto result = portable::to_chars(buffer, buffer + sizeof buffer, magnitude);
    std::string_view digits(buffer, static_cast<std::size_t>(result.ptr - buffer));
    scratch.clear();
    if (spec.precision >= 0) {
        if (spec.precision == 0 && magnitude == 0) digits = {};
        if (digits.size() < static_cast<std::size_t>(spec.precision))
            scratch.append(static_cast<std::size_t>(spec.precision) - digits.size(), '0');
    }
    scratch += digits;
    appendPadded(out, signText(negative, spec), scratch, spec, spec.precision < 0);
}

void appendReal(std::string& out, double value, const ConversionSpec& spec) {
    const bool negative = std::signbit(value);
    const bool upper = spec.conversion == 'F' || spec.conversion == 'E' || spec.conversion == 'G';
    if (std::isnan(value)) {
        // A not-a-number has no sign worth printing, and the sign bit that
        // arithmetic leaves on it differs from one processor to another;
        // reports must read the same on every machine.
        appendPadded(out, signText(false, spec), upper ? "NAN" : "nan", spec, false);
        return;
    }
    if (std::isinf(value)) {
        appendPadded(out, signText(negative, spec), upper ? "INF" : "inf", spec, false);
        return;
    }
    const double positive = std::fabs(value);
    const int precision = spec.precision < 0 ? 6 : spec.precision;
    scratch.clear();
    switch (spec.conversion) {
    case 'f':
    case 'F':
        appendFixedDigits(scratch, positive, precision);
        if (precision == 0 && spec.alternate) scratch += '.';
        break;
    case 'e':
    case 'E': {
        Significand s;
        roundToSignificant(positive, std::min(precision, 789) + 1, s);
        appendScientific(scratch, s, s.count, precision > 0 || spec.alternate, upper ? 'E' : 'e');
        break;
    }
    default:
        appendGeneral(scratch, positive, spec);
        break;
    }
    appendPadded(out, signText(negative, spec), scratch, spec, true);
}

}  // namespace

void appendWholeNumber(std::string& out, double value) {
    // Below 2^52 the fraction cut off a double is exact, so that rounding
    // it halves away from zero is exact too; the rest takes the general path.
    constexpr double shortPathLimit = 4503599627370496.0;
    if (!(std::fabs(value) < shortPathLimit)) return formatTo(out, "%.0f", value);
    long long whole = static_cast<long long>(value);
    const double fraction = value - static_cast<double>(whole);
    if (fraction >= 0.5) ++whole;
    else if (fraction <= -0.5) --whole;
    if (std::signbit(value)) out += '-';
    if (whole < 0) whole = -whole;
    char digits[20];
    char* const end = digits + sizeof digits;
    char* at = end;
    do {
        *--at = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    out.append(at, end);
}

void appendGeneralNumber(std::string& out, double value) {
    // Below a million "%g" prints a whole number with all its digits and
    // no point, as "%.0f" does.
    constexpr double shortPathLimit = 1e6;
    if (std::fabs(value) < shortPathLimit && value == std::trunc(value)) return appendWholeNumber(out, value);
    formatTo(out, "%g", value);
}

void formatArgsTo(std::string& out, std::string_view format, std::span<const FormatArg> args) {
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            std::size_t j = format.find('%', i);
            if (j == std::string_view::npos) j = format.size();
            out.append(format.substr(i, j - i));
            i = j;
            continue;
        }
        ++i;
        ConversionSpec spec;
        for (; i < format.size(); ++i) {
            const char c = format[i];
            if (c == '-') spec.leftAlign = true;
            else if (c == '+') spec.plusSign = true;
            else if (c == ' ') spec.spaceSign = true;
            else if (c == '0') spec.zeroPad = true;
            else if (c == '#') spec.alternate = true;
            else break;
        }
        for (; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
            spec.width = std::min(spec.width * 10 + (format[i] - '0'), 100000);
        if (i < format.size() && format[i] == '.') {
            spec.precision = 0;
            for (++i; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
                spec.precision = std::min(spec.precision * 10 + (format[i] - '0'), 100000);
        }
        while (i < format.size() && std::strchr("hlLqjzt", format[i]) != nullptr) ++i;
        if (i == format.size()) throw std::invalid_argument("format \"" + std::string(format) + "\": incomplete conversion");
        spec.conversion = format[i++];
        if (spec.conversion == '%') {
            out += '%';
            continue;
        }
        if (next >= args.size()) mismatch(format, next);
        const FormatArg& arg = args[next];
        switch (spec.conversion) {
        case 'd':
        case 'i':
        case 'u':
            if (arg.kind() == FormatArg::Kind::Signed) {
                const std::int64_t v = arg.asSigned();
                appendInteger(out, v < 0, v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v), spec);
            } else if (arg.kind() == FormatArg::Kind::Unsigned) {
                appendInteger(out, false, arg.asUnsigned(), spec);
            } else {
                mismatch(format, next);
            }
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            if (arg.kind() == FormatArg::Kind::Real) appendReal(out, arg.asReal(), spec);
            else if (arg.kind() == FormatArg::Kind::Signed) appendReal(out, static_cast<double>(arg.asSigned()), spec);
            else if (arg.kind() == FormatArg::Kind::Unsigned) appendReal(out, static_cast<double>(arg.asUnsigned()), spec);
            else mismatch(format, next);
            break;
        case 's': {
            if (arg.kind() != FormatArg::Kind::Text) mismatch(format, next);
            std::string_view text = arg.asText();
            if (spec.precision >= 0 && text.size() > static_cast<std::size_t>(spec.precision))
                text = text.substr(0, static_cast<std::size_t>(spec.precision));
            appendPadded(out, "", text, spec, false);
            break;
        }
        default:
            throw std::invalid_argument("format \"" + std::string(format) + "\": unsupported conversion");
        }
        ++next;
    }
}

double roundHalfUp(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    static constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double scale = decimals >= 0 && decimals < 16 ? powersOfTen[decimals] : std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;  // too large to carry decimals
    return std::trunc(scaled + 0.5) / scale;
}

}  // namespace csp
