// The program whose engine this page's module carries.
#include "designcheck/design_check_entries.h"
#include "web/module_program.h"

namespace csp::web {

const ProgramDescription& moduleProgram() { return designcheck::designCheckProgram(); }

}  // namespace csp::web
