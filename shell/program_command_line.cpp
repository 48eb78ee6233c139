#include "shell/program_command_line.h"

#include <array>
#include <string_view>

namespace csp {
namespace {

// What each program answers, in the order of ProgramId.
constexpr std::array<std::string_view, programTextsTable.size()> purposes = {
    "Tables of maximum fill heights for one shape and corrugation profile.",
    "Design check of one buried corrugated steel structure.",
    "Service life of galvanized pipe, and total life with each coating.",
    "Lightest pipe of each profile that carries a site's cover and lasts its life.",
};

}  // namespace

std::optional<CommandLineAnswer> answerCommandLine(ProgramId program, int argc, const char* const* argv) {
    const ProgramTexts& texts = programTexts(program);
    const std::string command(texts.settingsName);
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") return CommandLineAnswer{command + " " + CSP_VERSION + "\n", 0};
        if (arg == "--help" || arg == "-h")
            return CommandLineAnswer{
                "Usage: " + command + " [OPTION]\n" + std::string(purposes[static_cast<std::size_t>(program)]) +
                    "\nStarts the program's window; 'csp-report " + command +
                    "' writes the same reports\nfrom the command line.\n\n"
                    "Options:\n"
                    "  -h, --help     display this help and exit\n"
                    "      --version  output version information and exit\n",
                0};
    }
    return std::nullopt;
}

}  // namespace csp
