#include <gtest/gtest.h>

#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

// Each program's typed fields with a misread text: refused with the page's
// sentence, naming the option, in the pages' order of checks; a number
// followed by letters reads as before, with its warning.
TEST(MisreadNumbers, AreRefusedByEachFieldInThePagesOrder) {
    const struct {
        std::vector<const char*> args;
        int status;
        const char* err;
    } cases[] = {
        {{"verrick", "--cover", "12,5"}, 1, "csp-report verrick: --cover: The cover '12,5' is not a number.\n"},
        {{"verrick", "--cover", "1e400", "--strict"}, 1, "csp-report verrick: --cover: The cover '1e400' is not a number.\n"},
        {{"verrick", "--soil-density", "120,5", "--cover", "0"}, 1,
         "csp-report verrick: --soil-density: The soil density '120,5' is not a number.\n"},
        {{"verrick", "--soil-density", "0", "--cover", "12,5"}, 1,
         "csp-report verrick: --soil-density: The soil density must be between 1 and 10000.\n"},
        {{"verrick", "--shape", "pipe-arch", "--corner-pressure", "4,000"}, 1,
         "csp-report verrick: --corner-pressure: The corner pressure '4,000' is not a number.\n"},
        {{"verrick", "--span", "48.0.0"}, 1, "csp-report verrick: --span: The span '48.0.0' is not a number.\n"},
        {{"verrick", "--method", "aisi", "--cover", "5", "--reduction", "1.00.86"}, 1,
         "csp-report verrick: --reduction: The soil dead load reduction factor '1.00.86' is not a number.\n"},
        {{"verrick", "--method", "aisi", "--cover", "1,5", "--reduction", "0.86"}, 1,
         "csp-report verrick: --cover: The cover '1,5' is not a number.\n"},
        {{"verrick", "--cover", "5 ft"}, 0, "csp-report verrick: warning: --cover '5 ft' is read as 5\n"},
        {{"tabrell", "--soil-density", "120,5"}, 1,
         "csp-report tabrell: --soil-density: The soil density '120,5' is not a number.\n"},
        {{"tabrell", "--load-reduction", "1.00.86"}, 1,
         "csp-report tabrell: --load-reduction: The load reduction factor '1.00.86' is not a number.\n"},
        {{"tabrell", "--soil-density", "120 pcf", "--strict"}, 1,
         "csp-report tabrell: --soil-density: '120 pcf' is not a number (the page would read it as 120)\n"},
        {{"ombrel", "--ph", "5,5"}, 1, "csp-report ombrel: --ph: The pH '5,5' is not a number.\n"},
        {{"ombrel", "--ph="}, 1, "csp-report ombrel: --ph: The pH '' is not a number.\n"},
        {{"ombrel", "--ph", "15", "--resistivity", "abc"}, 1, "csp-report ombrel: --ph: The pH must be between 0 and 14.\n"},
        {{"ombrel", "--resistivity", "5,000"}, 1,
         "csp-report ombrel: --resistivity: The resistivity '5,000' is not a number.\n"},
    };
    for (const auto& c : cases) {
        const Invocation run = invokeCspReport(c.args);
        std::string command;
        for (const char* arg : c.args) command += std::string(" ") + arg;
        EXPECT_EQ(run.status, c.status) << command;
        EXPECT_EQ(run.err, c.err) << command;
        EXPECT_EQ(run.out.empty(), c.status != 0) << command;
    }
}

}  // namespace
}  // namespace csp::cli
