#include "shell/results_window_design.h"

#include <charconv>

namespace csp {

std::string windowSizeSection(int resourceId) {
    char digits[16];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, resourceId, 16);
    return error == std::errc() ? std::string(digits, end) : std::string();
}

}  // namespace csp
