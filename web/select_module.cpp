// The program whose engine this page's module carries.
#include "selection/selection_entries.h"
#include "web/module_program.h"

namespace csp::web {

const ProgramDescription& moduleProgram() { return selection::selectionProgram(); }

}  // namespace csp::web
