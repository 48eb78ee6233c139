#include "selection/selection_entries.h"
#include "shell/ui/program_shell.h"

int main(int argc, char** argv) { return csp::ui::runProgram(argc, argv, csp::selection::selectionProgram()); }
