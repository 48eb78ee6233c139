#include "apps/csp-report/report_command.h"

namespace csp::cli {

void addTabrellCommand(CLI::App& /*parent*/, std::vector<Subcommand>& /*commands*/) {}

}  // namespace csp::cli
