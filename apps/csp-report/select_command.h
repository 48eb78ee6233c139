#pragma once

#include <ostream>

#include "shell/entries.h"

namespace csp::cli {

// `csp-report select`: for a round pipe job (span, cover, live load, method,
// soil density and, where given, reduction factor, corrugation and
// installation), the thinnest wall of each profile that passes every check,
// and the lightest of them. Returns the exit status: 0 when some wall
// passes, 1 when none does or the job is refused, 2 for a usage error.
int runSelect(const Entries& job, std::ostream& out, std::ostream& err);

}  // namespace csp::cli
