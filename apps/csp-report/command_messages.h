#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "shell/entries.h"
#include "shell/listing_file.h"
#include "shell/outcome.h"
#include "shell/windows1252.h"

namespace csp::cli {

// Every message starts with the command and, under a subcommand, its name:
// "csp-report verrick: ".
inline std::string messagePrefix(std::string_view subcommand) {
    return subcommand.empty() ? std::string("csp-report: ") : "csp-report " + std::string(subcommand) + ": ";
}

// The option a message comes from, as its first words: "--cover: ".
inline std::string entryPart(const std::string& entry) { return entry.empty() ? std::string() : "--" + entry + ": "; }

// A usage error: the message, then where the help is; exit status 2.
inline int usageError(std::ostream& err, std::string_view subcommand, const std::string& message) {
    const std::string help =
        subcommand.empty() ? "csp-report --help" : "csp-report " + std::string(subcommand) + " --help";
    err << messagePrefix(subcommand) << message << "\nTry '" << help << "' for more information.\n";
    return 2;
}

// A refusal as csp-report writes it after its prefix: the option it comes
// from, then the program's own message (as UTF-8).
inline std::string refusalText(const Outcome& outcome) {
    return entryPart(outcome.entry) + windows1252ToUtf8(outcome.message);
}

// The warning on a typed value read in part: "warning: --ph '7,5' is read
// as 7".
inline std::string warningText(const PartReading& reading) {
    return "warning: --" + std::string(reading.entry) + " '" + reading.text + "' is read as " + reading.readAs;
}

// Lines written to a stream as a saved file holds them, each with CR LF.
class StreamLines final : public SavedLines {
public:
    explicit StreamLines(std::ostream& out) : out_(out) {}
    bool write(std::string_view line) override {
        out_ << line << "\r\n";
        return static_cast<bool>(out_);
    }

private:
    std::ostream& out_;
};

}  // namespace csp::cli
