#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace csp::fuzz {

// Stops the run as a crash, saying what went wrong; libFuzzer then keeps
// the input that did it.
[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

// A double as the C library prints it to the last bit.
inline std::string exactText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace csp::fuzz
