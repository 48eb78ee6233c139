#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/entries.h"
#include "shell/outcome.h"
#include "shell/program_description.h"
#include "shell/report_listing.h"

namespace csp::cli {

// One report subcommand: a program as its engine describes it, whose
// front door gives the report, the program's refusal or a usage error.
using ReportProgram = ProgramDescription;

// The report subcommands, in the order the help lists them.
std::span<const ReportProgram> reportPrograms();

// Parses the arguments and runs the chosen subcommand: the report goes to
// `out` as UTF-8 lines, or to the -o file exactly as Save As writes it (to
// `out` for "-o -"), and the picture to the --svg file the same way (to
// `out` for "--svg -"); messages go to `err`. Returns the exit status:
// 0 report, 1 refused, 2 usage error.
int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
// The same, with `in` as standard input ("csp-report check -").
int runCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace csp::cli
