#pragma once

#include <optional>
#include <string>

#include "shell/program_texts.h"

namespace csp {

// What a desktop program prints instead of starting, and its exit status.
struct CommandLineAnswer {
    std::string text;
    int status = 0;
};

// A desktop program answers --help (or -h) and --version on the command
// line, as desktop programs on Linux do; with any other arguments (the
// toolkit's own among them) it starts as usual, and none is returned.
std::optional<CommandLineAnswer> answerCommandLine(ProgramId program, int argc, const char* const* argv);

}  // namespace csp
