// The program whose engine this page's module carries.
#include "filltables/fill_table_entries.h"
#include "web/module_program.h"

namespace csp::web {

const ProgramDescription& moduleProgram() { return fillTableProgram(); }

}  // namespace csp::web
