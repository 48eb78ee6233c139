#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "selection/selection_entries.h"
#include "shell/listing_file.h"
#include "shell/page_model.h"

namespace csp::selection {
namespace {

using pages::Answer;
using pages::PageSession;

// What the door gives for the entries the Results name in their command.
std::string doorBytes(const std::string& commandLine) {
    Entries entries;
    const std::string start = "csp-report select ";
    std::string rest = commandLine.substr(start.size(), commandLine.rfind(" -o ") - start.size());
    while (rest.starts_with("--")) {
        const std::size_t nameEnd = rest.find(' ');
        const std::size_t valueEnd = rest.find(" --");
        entries.set(rest.substr(2, nameEnd - 2), rest.substr(nameEnd + 1, valueEnd - nameEnd - 1));
        rest = valueEnd == std::string::npos ? "" : rest.substr(valueEnd + 1);
    }
    ReportListing listing;
    if (!produceSelection(entries, listing)) return "refused";
    return savedBytes(listing);
}

// One page: what the shape and method leave in use, which entries reach
// the door, and its report for them.
TEST(SelectionPageModel, TheSiteReachesTheDoorWithTheEntriesItsShapeAndMethodUse) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> changes;
        bool riseInUse, reductionInUse;
        std::string command;  // the entries the door was given
    };
    const Case cases[] = {
        {"the presets", {}, false, false, "csp-report select -o select-round-48in-1.5-1.5ft.txt"},
        {"a round pipe ignores a rise typed for another shape",
         {{"shape", "1"}, {"rise", "40"}, {"shape", "0"}, {"span", "60"}, {"max-cover", "12"}},
         false,
         false,
         "csp-report select --span 60 --max-cover 12 -o select-round-60in-1.5-12ft.txt"},
        {"a pipe-arch under AISI with its own corrugation",
         {{"shape", "1"}, {"span", "72"}, {"rise", "44"}, {"method", "5"}, {"load-reduction", "0.9"}, {"corrugation", "2"}},
         true,
         true,
         "csp-report select --shape pipe-arch --span 72 --rise 44 --method aisi --load-reduction 0.9 --corrugation annular "
         "-o select-pipe-arch-72in-1.5-1.5ft.txt"},
        {"the first offered corrugation again, and a method without a reduction",
         {{"corrugation", "2"}, {"corrugation", "0"}, {"method", "5"}, {"load-reduction", "0.9"}, {"method", "1"}},
         false,
         false,
         "csp-report select --method astm-lrfd -o select-round-48in-1.5-1.5ft.txt"},
    };
    for (const Case& c : cases) {
        PageSession session(selectionProgram());
        for (const auto& [name, value] : c.changes) session.change(name, value);
        const pages::Page page = session.page();
        EXPECT_EQ(!page.control("rise")->disabled, c.riseInUse) << c.name;
        EXPECT_EQ(!page.control("corner-pressure")->disabled, c.riseInUse) << c.name;
        EXPECT_EQ(!page.control("load-reduction")->disabled, c.reductionInUse) << c.name;
        EXPECT_NE(page.control("abrasion")->help.find("4: Severe Abrasion"), std::string::npos) << c.name;

        const Answer answer = session.press("next");
        ASSERT_EQ(answer.kind, Answer::Kind::Results) << c.name;
        EXPECT_EQ(session.results().commandLine, c.command) << c.name;
        EXPECT_EQ(session.results().saved, doorBytes(c.command)) << c.name;
        EXPECT_FALSE(session.results().picture.empty()) << c.name;
        session.press("ok");
        EXPECT_EQ(session.depth(), 0) << c.name;
    }
}

// A refusal keeps the page and names the field to go back to; Quit ends.
TEST(SelectionPageModel, ARefusalNamesItsFieldAndQuitEnds) {
    const struct {
        const char* field;
        const char* typed;
        std::string focus;
    } cases[] = {{"min-cover", "9", "min-cover"}, {"life", "101", "life"}, {"ph", "5,5", "ph"}, {"span", "0", "span"}};
    for (const auto& c : cases) {
        PageSession session(selectionProgram());
        session.change(c.field, c.typed);
        const Answer answer = session.press("next");
        ASSERT_EQ(answer.kind, Answer::Kind::Message) << c.field;
        EXPECT_EQ(answer.message.title, "Pipe Selection");
        EXPECT_EQ(answer.message.focus, c.focus) << answer.message.rows.front().second;
        EXPECT_FALSE(session.showingResults());
        EXPECT_EQ(session.press("quit").kind, Answer::Kind::End);
    }
}

}  // namespace
}  // namespace csp::selection
