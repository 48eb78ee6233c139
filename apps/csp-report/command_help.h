#pragma once

#include <string>

#include "apps/csp-report/report_command.h"

namespace csp::cli {

// The help of csp-report and of each subcommand, within 80 columns.
std::string commandHelp();
std::string subcommandHelp(const ReportProgram& program);
std::string checkHelp();
std::string selectHelp();

inline constexpr std::string_view checkDescription = "Design check of every structure of a CSV file";
inline constexpr std::string_view selectDescription = "Lightest wall of each profile for a site's covers and life";

// What an option's value is called in the help and the messages: "PCF",
// "FT", "N", "WORD".
std::string valueName(const EntrySpec& spec);

}  // namespace csp::cli
