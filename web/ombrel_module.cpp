// The program whose engine this page's module carries.
#include "servicelife/service_life_entries.h"
#include "web/module_program.h"

namespace csp::web {

const ProgramDescription& moduleProgram() { return serviceLifeProgram(); }

}  // namespace csp::web
