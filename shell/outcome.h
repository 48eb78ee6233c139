#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace csp {

// Result of anything that can be refused: success, a refusal with the
// sentence the page shows in its message box, or a usage error (an entry
// the pages would not offer). `entry` names the entry, as the command line
// and a CSV header name it, when the failure comes from one.
struct Outcome {
    enum class Kind { Success, Refused, UsageError };
    Kind kind = Kind::Success;
    std::string message;
    std::string entry;

    static Outcome success() { return {}; }
    static Outcome failure(std::string text) { return {Kind::Refused, std::move(text), {}}; }
    static Outcome usageError(std::string_view entryName, std::string text) {
        return {Kind::UsageError, std::move(text), std::string(entryName)};
    }
    // The same outcome, naming the entry a refusal comes from.
    Outcome from(std::string_view entryName) && {
        if (kind != Kind::Success && entry.empty()) entry = entryName;
        return std::move(*this);
    }

    bool ok() const { return kind == Kind::Success; }
    bool refused() const { return kind == Kind::Refused; }
    bool usageError() const { return kind == Kind::UsageError; }
    explicit operator bool() const { return ok(); }
};

}  // namespace csp
