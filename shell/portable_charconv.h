#pragma once

// std::bit_cast, and std::to_chars / std::from_chars for a double, as the
// formatter and the typed-number reader use them. Every standard library
// the suite is built with has them but libc++ before version 14, which the
// browser edition's WebAssembly compiler ships; only there are they
// supplied here. Everywhere else these are the standard functions.

#include <version>

#include <bit>
#include <charconv>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <type_traits>

namespace csp::portable {

template <class To, class From>
    requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>)
To bit_cast(const From& from) noexcept {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

using std::from_chars;
using std::to_chars;

// The C library there is exact in every printed digit and knows only the C
// locale, so its conversions give what the standard ones give.
inline std::to_chars_result to_chars(char* first, char* last, double value, std::chars_format format,
                                     int precision) {
    const char* conversion = format == std::chars_format::fixed ? "%.*f" : "%.*e";
    const std::size_t room = static_cast<std::size_t>(last - first);
    const int written = std::snprintf(nullptr, 0, conversion, precision, value);
    if (written < 0 || static_cast<std::size_t>(written) > room) return {last, std::errc::value_too_large};
    std::string text(static_cast<std::size_t>(written) + 1, '\0');
    std::snprintf(text.data(), text.size(), conversion, precision, value);
    std::memcpy(first, text.data(), static_cast<std::size_t>(written));
    return {first + written, std::errc{}};
}

// The reader hands over a plain decimal number (digits, point, exponent,
// no sign), so the C library's correctly rounded conversion reads it as the
// standard function does; out of range leaves `value` untouched.
inline std::from_chars_result from_chars(const char* first, const char* last, double& value,
                                         std::chars_format = std::chars_format::general) {
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return {first, std::errc::invalid_argument};
    const char* stop = first + (end - text.c_str());
    if (errno == ERANGE && (read == 0.0 || std::isinf(read))) return {stop, std::errc::result_out_of_range};
    value = read;
    return {stop, std::errc{}};
}

}  // namespace csp::portable

#else

namespace csp::portable {
using std::bit_cast;
using std::from_chars;
using std::to_chars;
}  // namespace csp::portable

#endif
