#include "apps/csp-report/report_command.h"

namespace csp::cli {

void addVerrickCommand(CLI::App& /*parent*/, std::vector<Subcommand>& /*commands*/) {}

}  // namespace csp::cli
