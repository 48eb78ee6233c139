#pragma once

#include <string>
#include <utility>

namespace csp {

// Result of an operation that can be refused: success, or failure with the
// sentence the page shows in its message box.
struct Outcome {
    bool ok = true;
    std::string message;

    static Outcome success() { return {}; }
    static Outcome failure(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace csp
