#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "shell/report_listing.h"

namespace csp::cli {

// How one run of a subcommand ended. A usage error is a choice the pages
// would not offer; a refusal is the page's own message for a typed value or
// a computation that cannot be done.
struct CommandResult {
    enum class Kind { Report, Refused, UsageError };
    Kind kind = Kind::Report;
    std::string message;

    static CommandResult report() { return {}; }
    static CommandResult refused(std::string text) { return {Kind::Refused, std::move(text)}; }
    static CommandResult usageError(std::string text) { return {Kind::UsageError, std::move(text)}; }
};

struct Subcommand {
    CLI::App* app = nullptr;
    std::shared_ptr<std::string> outputPath;
    std::function<CommandResult(ReportListing&)> run;
};

// Each report subcommand registers itself here, with its options.
void addOmbrelCommand(CLI::App& parent, std::vector<Subcommand>& commands);
void addTabrellCommand(CLI::App& parent, std::vector<Subcommand>& commands);
void addVerrickCommand(CLI::App& parent, std::vector<Subcommand>& commands);

// Creates the subcommand with the -o/--output option every report shares.
Subcommand makeSubcommand(CLI::App& parent, const std::string& name, const std::string& description);

// Whether the user gave the option on the command line (as opposed to its
// default standing).
bool given(const CLI::App* app, const std::string& name);

// Parses the arguments and runs the chosen subcommand: the report goes to
// `out` as UTF-8 lines, or to the -o file exactly as Save As writes it;
// messages go to `err`. Returns the exit status: 0 report, 1 refused,
// 2 usage error.
int runCommandLine(int argc, const char* const* argv, std::string& out, std::string& err);

}  // namespace csp::cli
