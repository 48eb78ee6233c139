#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

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
        {{"verrick", "--cover", "2.4 m"}, 1, "csp-report verrick: --cover: The cover '2.4 m' is not in ft.\n"},
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

// Each typed field of the three programs after its number: its own unit in
// every spelling, case, with or without a blank and a period, reads as the
// number; another unit is refused naming the field's unit; a field without
// a unit refuses any letters.
TEST(TypedUnits, EachFieldTakesItsOwnUnitAndRefusesAnother) {
    const struct {
        std::vector<const char*> before;  // the program and what the field needs to be read
        const char* option;
        const char* number;
        std::vector<const char*> spellings;  // empty: the field has no unit
        const char* refused;                 // the field's refusal of "<number> m"
        bool shownAsTyped = false;           // the report shows the text as typed
    } fields[] = {
        {{"verrick"}, "--soil-density", "110", {"pcf"}, "The soil density '110 m' is not in pcf."},
        {{"verrick"}, "--cover", "8", {"ft", "feet", "foot"}, "The cover '8 m' is not in ft."},
        {{"verrick", "--shape", "pipe-arch"}, "--corner-pressure", "3000", {"psf"},
         "The corner pressure '3000 m' is not in psf."},
        {{"verrick"}, "--span", "60", {"in", "inch", "inches"}, "The span '60 m' is not in inches."},
        {{"verrick", "--method", "aisi", "--cover", "9"}, "--reduction", "0.9", {},
         "The soil dead load reduction factor '0.9 m' is not a number."},
        {{"tabrell"}, "--soil-density", "110", {"pcf"}, "The soil density '110 m' is not in pcf."},
        {{"tabrell"}, "--load-reduction", "0.9", {}, "The load reduction factor '0.9 m' is not a number."},
        {{"ombrel"}, "--resistivity", "4000", {"ohm-cm", "ohm cm", "ohmcm"},
         "The resistivity '4000 m' is not in ohm-cm.", true},
        {{"ombrel"}, "--ph", "7", {}, "The pH '7 m' is not a number."},
    };
    const auto run = [](const auto& field, const std::string& text) {
        std::vector<const char*> args = field.before;
        args.push_back(field.option);
        args.push_back(text.c_str());
        return invokeCspReport(args);
    };
    for (const auto& field : fields) {
        const Invocation plain = run(field, field.number);
        ASSERT_EQ(plain.status, 0) << field.option << ": " << plain.err;
        for (std::string spelling : field.spellings) {
            std::string upper = spelling;
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            for (const std::string& text : {field.number + (" " + spelling), field.number + spelling,
                                            field.number + (" " + upper + ".  ")}) {
                const Invocation read = run(field, text);
                EXPECT_EQ(read.status, 0) << field.option << " '" << text << "': " << read.err;
                if (!field.shownAsTyped) {
                    EXPECT_EQ(read.out, plain.out) << field.option << " '" << text << "'";
                }
            }
        }
        const std::string program = field.before.front();
        const std::string refusedText = std::string(field.number) + " m";
        const Invocation refused = run(field, refusedText);
        EXPECT_EQ(refused.status, 1) << field.option;
        EXPECT_EQ(refused.err, "csp-report " + program + ": " + field.option + ": " + field.refused + "\n");
        EXPECT_TRUE(refused.out.empty()) << field.option;
        // Another field's unit is another unit.
        const bool inPsf = !field.spellings.empty() && field.spellings.front() == std::string("psf");
        const std::string otherUnit = std::string(field.number) + (inPsf ? " pcf" : " psf");
        EXPECT_EQ(run(field, otherUnit).status, 1) << field.option << " '" << otherUnit << "'";
    }
}

}  // namespace
}  // namespace csp::cli
