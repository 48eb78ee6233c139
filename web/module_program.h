#pragma once

#include "shell/program_description.h"

namespace csp::web {

// The one program a page's module carries (web/<program>_module.cpp), so
// that each module holds the engine of its own program only.
const ProgramDescription& moduleProgram();

}  // namespace csp::web
