#include "shell/program_command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace csp {
namespace {

std::optional<CommandLineAnswer> answer(ProgramId program, std::vector<const char*> args) {
    args.insert(args.begin(), "program");
    return answerCommandLine(program, static_cast<int>(args.size()), args.data());
}

TEST(ProgramCommandLine, HelpAndVersionAreAnsweredAndAnythingElseStartsTheProgram) {
    EXPECT_EQ(answer(ProgramId::Tabrell, {"--version"})->text, "tabrell " CSP_VERSION "\n");
    const std::optional<CommandLineAnswer> help = answer(ProgramId::Verrick, {"-platform", "xcb", "--help"});
    ASSERT_TRUE(help);
    EXPECT_EQ(help->status, 0);
    EXPECT_TRUE(help->text.starts_with("Usage: verrick [OPTION]\n")) << help->text;
    EXPECT_NE(help->text.find("'csp-report verrick'"), std::string::npos);
    EXPECT_FALSE(answer(ProgramId::Ombrel, {}));
    EXPECT_FALSE(answer(ProgramId::Ombrel, {"-platform", "offscreen", "--versions"}));
}

}  // namespace
}  // namespace csp
