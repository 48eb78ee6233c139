#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace csp {

// One argument of a report format, captured by type so that a conversion
// never reads an argument as something it is not.
class FormatArg {
public:
    enum class Kind { Signed, Unsigned, Real, Text };

    template <std::signed_integral T>
    FormatArg(T value) : kind_(Kind::Signed), signed_(value) {}
    template <std::unsigned_integral T>
        requires(!std::same_as<T, bool>)
    FormatArg(T value) : kind_(Kind::Unsigned), unsigned_(value) {}
    template <std::floating_point T>
    FormatArg(T value) : kind_(Kind::Real), real_(static_cast<double>(value)) {}
    FormatArg(const char* text) : kind_(Kind::Text), text_(text) {}
    FormatArg(std::string_view text) : kind_(Kind::Text), text_(text) {}
    FormatArg(const std::string& text) : kind_(Kind::Text), text_(text) {}

    Kind kind() const { return kind_; }
    std::int64_t asSigned() const { return signed_; }
    std::uint64_t asUnsigned() const { return unsigned_; }
    double asReal() const { return real_; }
    std::string_view asText() const { return text_; }

private:
    Kind kind_;
    union {
        std::int64_t signed_;
        std::uint64_t unsigned_;
        double real_;
    };
    std::string_view text_;
};

// printf-compatible formatting of %d %i %u %f %F %e %E %g %G %s %% with the
// flags - + space 0 #, width and precision (length modifiers are accepted and
// ignored). Where it differs from the C library:
// - a value lying exactly half-way between two printable results rounds
//   away from zero, so "%.0f" of 16.5 is "17" and "%4.2f" of 0.125 is "0.13";
// - a not-a-number prints without a sign ("nan") whatever its sign bit,
//   which arithmetic sets differently on different processors (the C
//   library on x86 prints "-nan" for 0.0/0.0);
// - "%#g" keeps all its digits when rounding carries into a new power of
//   ten ("1.0e+02" for "%#.2g" of 99.96, as the C standard has it);
// - precisions beyond 790 significant digits, far past the 767 a double
//   can hold, are taken as 790.
// The output never depends on the locale. A conversion whose argument is
// missing or of the wrong kind (text for a number, or a number for text)
// throws std::invalid_argument.
void formatArgsTo(std::string& out, std::string_view format, std::span<const FormatArg> args);

template <class... Args>
void formatTo(std::string& out, std::string_view format, const Args&... args) {
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    formatArgsTo(out, format, list);
}

template <class... Args>
std::string format(std::string_view format, const Args&... args) {
    std::string out;
    formatTo(out, format, args...);
    return out;
}

// Appends what format("%.0f", value) gives, by a short path for the values
// a picture prints by the thousand (its cells, as the table prints them).
void appendWholeNumber(std::string& out, double value);
// The same, as a text of its own.
inline std::string wholeNumber(double value) {
    std::string text;
    appendWholeNumber(text, value);
    return text;
}
// Appends what format("%g", value) gives, by the same short path where the
// value is a whole number below a million (an axis's ticks, mostly).
void appendGeneralNumber(std::string& out, double value);

// Rounds half up to the given number of decimals: multiply by 10^decimals,
// add 0.5, drop the fraction toward zero, divide. A value that is not finite
// comes back unchanged.
double roundHalfUp(double value, int decimals = 0);

}  // namespace csp
