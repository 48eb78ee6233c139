// The report formatter against the C library's snprintf: formats built from
// the conversions, flags, widths and precisions the reports use, with any
// values. Each conversion must print as snprintf prints it, except at an
// exact half (away from zero), for a not-a-number (no sign) and for glibc's
// "%#g" carry, as the formatter's header says.

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "shell/number_format.h"
#include "tests/shell/printf_oracle.h"

namespace {

using csp::printf_oracle::cFormat;

template <class T>
std::string cFormatInteger(const std::string& directive, T value) {
    char text[256];
    std::snprintf(text, sizeof text, directive.c_str(), value);
    return text;
}

// "%" with the flags among `allowed` that the input picks, a width and a
// precision; `precision` is what the conversion will use.
std::string directiveStart(FuzzedDataProvider& in, const char* allowed, int& precision) {
    std::string directive = "%";
    for (const char* flag = allowed; *flag; ++flag)
        if (in.ConsumeBool()) directive += *flag;
    if (in.ConsumeBool()) directive += std::to_string(in.ConsumeIntegralInRange(0, 40));
    if (in.ConsumeBool()) {
        directive += '.';
        precision = in.ConsumeIntegralInRange(-1, 30);
        if (precision < 0) precision = 0;  // "%.f": a point alone is precision 0
        else directive += std::to_string(precision);
    }
    return directive;
}

double consumeReal(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: {  // any bits: infinities, not-a-numbers, subnormals
        const auto bits = in.ConsumeIntegral<std::uint64_t>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 1:  // a typed decimal, as in the reports
        return static_cast<double>(in.ConsumeIntegral<std::int32_t>()) /
               std::pow(10.0, in.ConsumeIntegralInRange(0, 9));
    default:  // a short binary fraction: exact halves are common
        return std::ldexp(static_cast<double>(in.ConsumeIntegral<std::int32_t>()), -in.ConsumeIntegralInRange(0, 20));
    }
}

// What the formatter must print for one real conversion.
std::string expectedReal(const std::string& directive, double value, int precision) {
    const std::string ours = csp::format(directive, value);
    const char conversion = static_cast<char>(std::tolower(directive.back()));
    std::string theirs = cFormat(directive, std::isnan(value) ? std::fabs(value) : value);
    if (ours == theirs) return theirs;
    if (std::isfinite(value) && csp::printf_oracle::isExactHalf(value, conversion, precision))
        theirs = csp::printf_oracle::cFormatAwayFromZero(directive, value);
    if (ours != theirs && csp::printf_oracle::isGlibcAlternateCarryQuirk(directive, ours, theirs)) return ours;
    return theirs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::string format, expected;
    std::vector<csp::FormatArg> args;
    std::deque<std::string> texts;  // the %s arguments, kept where the arguments point
    const int pieces = in.ConsumeIntegralInRange(1, 6);
    for (int piece = 0; piece < pieces && in.remaining_bytes() > 0; ++piece) {
        int precision = 6;
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: {  // text between conversions
            std::string text = in.ConsumeRandomLengthString(16);
            std::erase_if(text, [](char c) { return c == '%' || c == '\0'; });
            format += text;
            expected += text;
            break;
        }
        case 1:
            format += "%%";
            expected += "%";
            break;
        case 2: {
            const std::string directive = directiveStart(in, "-+ 0", precision) + (in.ConsumeBool() ? "lld" : "lli");
            const auto value = in.ConsumeIntegral<std::int64_t>();
            format += directive;
            expected += cFormatInteger(directive, static_cast<long long>(value));
            args.emplace_back(value);
            break;
        }
        case 3: {
            const std::string directive = directiveStart(in, "-0", precision) + "llu";
            const auto value = in.ConsumeIntegral<std::uint64_t>();
            format += directive;
            expected += cFormatInteger(directive, static_cast<unsigned long long>(value));
            args.emplace_back(value);
            break;
        }
        case 4: {
            const std::string directive = directiveStart(in, "-+ 0#", precision) + in.PickValueInArray({'f', 'e', 'g', 'F', 'E', 'G'});
            const double value = consumeReal(in);
            format += directive;
            expected += expectedReal(directive, value, precision);
            args.emplace_back(value);
            break;
        }
        default: {
            const std::string directive = directiveStart(in, "-", precision) + "s";
            std::string& text = texts.emplace_back(in.ConsumeRandomLengthString(24));
            std::erase(text, '\0');
            format += directive;
            expected += cFormatInteger(directive, text.c_str());
            args.emplace_back(std::string_view(text));
        }
        }
    }
    std::string ours;
    csp::formatArgsTo(ours, format, args);
    if (ours != expected) csp::fuzz::fail("format \"" + format + "\": \"" + ours + "\", expected \"" + expected + "\"");
    return 0;
}
