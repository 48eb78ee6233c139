#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "designcheck/design_check_entries.h"
#include "shell/listing_file.h"
#include "shell/page_model.h"

namespace csp::designcheck {
namespace {

using pages::Answer;
using pages::PageSession;

std::string doorBytes(const PageSession& session) {
    Entries entries;
    for (const auto& [name, text] : session.linkEntries()) entries.set(name, text);
    ReportListing listing;
    if (!produceDesignCheckReport(entries, listing)) return "refused";
    return savedBytes(listing);
}

// Verrick's sequence: main page, properties page (round or not), the Load
// Reduction Factor page when AISI asks it, Results; each way gives the
// door's report for the entries the pages hold.
TEST(DesignCheckPageModel, EachSequenceOfPagesGivesTheDoorsReport) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> main, properties;
        std::vector<std::string> pagesShown;  // after the main page
    };
    const Case cases[] = {
        {"the presets", {}, {}, {"properties"}},
        {"AISI under cover at least the span", {{"method", "5"}, {"cover", "6"}}, {}, {"properties", "load-reduction"}},
        {"AISI under less cover", {{"method", "5"}, {"cover", "3"}}, {{"span", "60"}}, {"properties"}},
        {"a pipe-arch", {{"shape", "1"}, {"cover", "4"}}, {{"size", "3"}, {"thickness", "1"}}, {"properties"}},
        {"a 6 x 2 pipe-arch with 31 in. corners", {{"shape", "1"}, {"profile", "3"}, {"corner-radius", "1"}},
         {{"size", "2"}}, {"properties"}},
        {"an underpass under AISI", {{"shape", "2"}, {"method", "5"}, {"cover", "9"}}, {}, {"properties", "load-reduction"}},
    };
    for (const Case& c : cases) {
        PageSession session(designCheckProgram());
        for (const auto& [name, value] : c.main) session.change(name, value);
        std::vector<std::string> shown;
        for (Answer answer = session.press("next"); !session.showingResults() && shown.size() < 4;
             answer = session.press("next")) {
            ASSERT_EQ(answer.kind, Answer::Kind::Page) << c.name << ": " << answer.message.rows.front().second;
            shown.push_back(session.page().id);
            if (session.page().id == "properties")
                for (const auto& [name, value] : c.properties) session.change(name, value);
        }
        EXPECT_EQ(shown, c.pagesShown) << c.name;
        ASSERT_TRUE(session.showingResults()) << c.name;
        EXPECT_EQ(session.results().saved, doorBytes(session)) << c.name;
        EXPECT_EQ(session.depth(), static_cast<int>(c.pagesShown.size()) + 1) << c.name;
    }
}

// A refusal keeps the page and names the field; the field's text stays as
// typed.
TEST(DesignCheckPageModel, RefusalsKeepThePageAndNameTheirField) {
    const struct {
        const char* field;
        const char* text;
        const char* message;
    } cases[] = {
        {"cover", "0.5", "The cover must be >= 1."},
        {"cover", "2.4 m", "The cover '2.4 m' is not in ft."},
        {"soil-density", "12,5", "The soil density '12,5' is not a number."},
    };
    for (const auto& c : cases) {
        PageSession session(designCheckProgram());
        session.change(c.field, c.text);
        const Answer answer = session.press("next");
        ASSERT_EQ(answer.kind, Answer::Kind::Message) << c.text;
        EXPECT_EQ(answer.message.rows.front().second, c.message);
        EXPECT_EQ(answer.message.focus, c.field);
        EXPECT_EQ(session.page().id, "main");
        EXPECT_EQ(session.page().control(c.field)->text, c.text);
    }
}

// A new shape brings its own profiles and corner pressure preset, a new
// profile its own corner radii; the round pipe's corner pressure is shown
// as not applicable and not used.
TEST(DesignCheckPageModel, AShapeOrProfileChangeResetsWhatFollowsIt) {
    PageSession session(designCheckProgram());
    EXPECT_TRUE(session.page().control("corner-pressure")->disabled);
    EXPECT_TRUE(session.page().control("corner-radius")->disabled);
    session.change("shape", "1");
    session.change("profile", "3");  // 6 x 2: two corner radii
    session.change("corner-radius", "1");
    session.change("corner-pressure", "5000");
    EXPECT_FALSE(session.page().control("corner-radius")->disabled);
    EXPECT_EQ(session.page().control("corner-radius")->selected, 1);
    session.change("profile", "1");
    EXPECT_TRUE(session.page().control("corner-radius")->disabled);
    EXPECT_EQ(session.page().control("corner-pressure")->text, "5000");
    session.change("shape", "2");
    EXPECT_EQ(session.page().control("profile")->selected, 0);
    EXPECT_NE(session.page().control("corner-pressure")->text, "5000");
    EXPECT_EQ(session.page().focus, "shape");
}

// Back from each page goes to the page before; OK in Results to the main
// page, entries kept; Quit ends.
TEST(DesignCheckPageModel, BackOkAndQuit) {
    PageSession session(designCheckProgram());
    session.change("method", "5");
    session.change("cover", "6");
    session.press("next");
    session.press("next");
    ASSERT_EQ(session.page().id, "load-reduction");
    session.press("backup");
    EXPECT_EQ(session.page().id, "properties");
    session.press("next");
    session.press("next");
    ASSERT_TRUE(session.showingResults());
    session.back();
    EXPECT_EQ(session.page().id, "load-reduction");
    session.back();
    session.back();
    EXPECT_EQ(session.page().id, "main");
    EXPECT_EQ(session.page().control("cover")->text, "6");
    EXPECT_EQ(session.press("quit").kind, Answer::Kind::End);
}

// A list entry is kept by what it is: 0.109 stays 0.109 when the profile
// changes to another that offers it, and gives way to the preset, with a
// notice naming both, when the new profile lacks it; the link holds it by
// value, as csp-report takes it.
TEST(DesignCheckPageModel, AListValueFollowsWhatItIsNotItsPlace) {
    PageSession session(designCheckProgram());
    session.load({{"cover", "4"}});
    session.press("next");
    const auto thickness = [&session] {
        const pages::Page page = session.page();
        const pages::Control* c = page.control("thickness");
        return c->items.at(static_cast<std::size_t>(c->selected));
    };
    session.change("thickness", "2");
    EXPECT_EQ(thickness(), "0.109");
    const auto link = session.linkEntries();
    EXPECT_NE(std::find(link.begin(), link.end(), std::pair<std::string, std::string>("thickness", "0.109")), link.end());
    session.press("backup");
    session.change("profile", "1");  // 3 x 1 offers 0.109 too, one place later
    session.press("next");
    EXPECT_EQ(thickness(), "0.109");
    EXPECT_TRUE(session.page().notice.empty());
    session.press("backup");
    session.change("profile", "3");  // 6 x 2 plate starts at 0.111
    session.press("next");
    EXPECT_EQ(thickness(), "0.111");
    EXPECT_NE(session.page().notice.find("0.109"), std::string::npos) << session.page().notice;
    EXPECT_NE(session.page().notice.find("0.111"), std::string::npos) << session.page().notice;
    session.change("thickness", "1");
    EXPECT_TRUE(session.page().notice.empty());
}

}  // namespace
}  // namespace csp::designcheck
