#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>

#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_pages.h"
#include "designcheck/structure_outline.h"
#include "selection/selection.h"
#include "selection/selection_chart.h"
#include "selection/selection_entries.h"
#include "selection/selection_report.h"
#include "servicelife/service_life_entries.h"
#include "shell/number_format.h"
#include "shell/typed_number.h"

namespace csp::selection {
namespace {

namespace dc = csp::designcheck;

Entries entriesOf(std::initializer_list<std::pair<const char*, const char*>> given) {
    Entries entries;
    for (const auto& [name, text] : given) entries.set(name, text);
    return entries;
}

// The sites of the sweep: every shape, several methods and live loads,
// one cover and cover ranges, mild and harsh environments.
const std::vector<Entries>& sites() {
    static const std::vector<Entries> all = {
        entriesOf({{"span", "120"}, {"cover", "30"}, {"method", "aisi"}, {"live-load", "E80"}}),
        entriesOf({{"span", "48"}, {"min-cover", "4"}, {"max-cover", "10"}, {"method", "aisi"},
                   {"load-reduction", "0.86"}, {"life", "75"}, {"ph", "6"}, {"resistivity", "2000"}}),
        entriesOf({{"span", "72"}, {"min-cover", "1.5"}, {"max-cover", "12.5"}, {"method", "aashto-lrfd"},
                   {"life", "100"}, {"abrasion", "3"}}),
        entriesOf({{"span", "36"}, {"min-cover", "2"}, {"max-cover", "8"}, {"method", "astm-lrfd"}, {"live-load", "H25"},
                   {"life", "60"}, {"ph", "5.5"}, {"resistivity", "1200"}, {"abrasion", "4"}}),
        entriesOf({{"shape", "pipe-arch"}, {"span", "60"}, {"rise", "40"}, {"min-cover", "2"}, {"max-cover", "12"},
                   {"life", "75"}, {"ph", "6"}, {"resistivity", "2000"}, {"abrasion", "3"}}),
        entriesOf({{"shape", "pipe-arch"}, {"span", "100"}, {"min-cover", "3"}, {"max-cover", "9"},
                   {"method", "aashto-asd"}, {"live-load", "H25"}, {"corner-pressure", "3000"}, {"ph", "8"}}),
        entriesOf({{"shape", "underpass"}, {"span", "100"}, {"rise", "120"}, {"min-cover", "2"}, {"max-cover", "6"},
                   {"method", "aisi"}, {"life", "80"}, {"resistivity", "8000"}}),
    };
    return all;
}

// The covers a site's range holds: its ends and each whole foot between.
std::vector<std::string> coversOf(const Site& site) {
    std::vector<std::string> covers = {site.minCoverText, site.maxCoverText};
    for (double foot = std::floor(site.minCover) + 1; foot < site.maxCover; ++foot) covers.push_back(format("%g", foot));
    return covers;
}

// The design check's door on the alternative's entries at another cover
// and thickness; the load reduction factor where its page asks for it.
bool passesEveryCover(const Entries& site, const Site& read, Entries entries, const std::string& thickness,
                      std::string* failedAt = nullptr) {
    entries.set("thickness", thickness);
    for (const std::string& cover : coversOf(read)) {
        Entries at;
        for (const auto& [name, text] : entries.all())
            if (name != "load-reduction") at.add(name, name == "cover" ? cover : text);
        dc::DesignCheck probe;
        EXPECT_TRUE(dc::produceDesignCheck(at, probe, dc::DesignCheckOutput::RecordOnly));
        if (const std::string* k = site.find("load-reduction"); k && dc::reductionPageAsked(probe)) at.set("load-reduction", *k);
        dc::DesignCheck check;
        const Outcome produced = dc::produceDesignCheck(at, check, dc::DesignCheckOutput::RecordOnly);
        EXPECT_TRUE(produced) << produced.message;
        if (check.failed()) {
            if (failedAt) *failedAt = cover;
            return false;
        }
    }
    return true;
}

// The wall listed before this one in the profile's thickness list, by
// value; empty for the thinnest.
std::string thinnerWall(const Entries& entries) {
    dc::DesignCheck check;
    EXPECT_TRUE(dc::produceDesignCheck(entries, check, dc::DesignCheckOutput::RecordOnly));
    const auto walls = check.catalog()->walls();
    const auto at = static_cast<std::size_t>(check.thicknessIndex());
    return at == 0 ? std::string() : format("%g", walls[at - 1].thickness);
}

// What the service-life report says for these entries: the galvanized life
// and each listed total by name (coatings, and Aluminum Coated Type 2 at
// its lower bound).
struct OmbrelSays {
    int galvanized = -1;
    std::map<std::string, int> totals;
};

OmbrelSays ombrelSays(const Entries& entries) {
    ReportListing listing;
    EXPECT_TRUE(produceServiceLife(entries, listing));
    OmbrelSays says;
    const std::vector<std::string>& lines = listing.lines();
    const auto dashes = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("-----"); });
    std::string last;
    for (auto line = dashes + 1; line != lines.end() && !line->starts_with("Aluminum") && !line->starts_with("-----"); ++line) {
        if (line->size() < 50) {  // a blank, or a name's second line
            if (line->starts_with("    ")) {
                const int total = says.totals[last];
                says.totals.erase(last);
                last += ' ';
                last += line->substr(4);
                says.totals[last] = total;
            }
            continue;
        }
        last = line->substr(0, line->find_last_not_of(' ', 44) + 1);
        says.galvanized = static_cast<int>(readTypedNumber(line->substr(60, 3)));
        says.totals[last] = static_cast<int>(readTypedNumber(line->substr(69, 3)));
    }
    for (const std::string& line : lines)
        if (line.starts_with("Aluminum Coated Type 2 without"))
            says.totals[std::string(aluminumCoatedType2Name)] = static_cast<int>(readTypedNumber(line.substr(line.find(':') + 1)));
    return says;
}

TEST(PipeSelection, EachAlternativeHoldsAgainstTheDesignCheckAndTheServiceLife) {
    for (const Entries& site : sites()) {
        SelectionResult result;
        const Outcome computed = computeSelection(site, result);
        ASSERT_TRUE(computed) << computed.entry << ": " << computed.message;
        ASSERT_FALSE(result.alternatives.empty());
        const int life = result.site.designLife;
        double lighter = 0;
        for (const Alternative& a : result.alternatives) {
            const std::string name = a.profile + " " + a.size + " " + (a.carries() ? format("%g", *a.thickness) : "none");
            SCOPED_TRACE(name);
            if (!a.carries()) {
                EXPECT_FALSE(a.remark.empty());
                continue;
            }
            EXPECT_GE(a.steelWeight, lighter) << "ranked lightest first";
            lighter = a.steelWeight;
            EXPECT_LE(a.governing.ratio, 1.0 + 1e-12);
            // The wall passes at every cover of the range.
            EXPECT_TRUE(passesEveryCover(site, result.site, a.designCheckEntries, format("%g", *a.thickness)));
            const OmbrelSays says = ombrelSays(a.serviceLifeEntries);
            EXPECT_EQ(a.galvanizedLife, says.galvanized);
            const std::string thinner = thinnerWall(a.designCheckEntries);
            switch (a.chosenFor) {
            case ChosenFor::Structure:
                if (!thinner.empty()) {
                    EXPECT_FALSE(passesEveryCover(site, result.site, a.designCheckEntries, thinner));
                }
                break;
            case ChosenFor::Life: {
                EXPECT_GE(a.galvanizedLife, life);
                Entries thinnerLife = a.serviceLifeEntries;
                thinnerLife.set("gage", std::to_string(gageTable[lifeGageRow(readTypedNumber(thinner))].number));
                EXPECT_LT(ombrelSays(thinnerLife).galvanized, life);
                break;
            }
            }
            // Every protection listed lasts the design life; every one left out does not.
            std::set<std::string> expected;
            if (says.galvanized >= life) expected.insert(std::string(galvanizedName));
            for (const auto& [protection, total] : says.totals)
                if (protection != "None" && std::min(total, protection == aluminumCoatedType2Name ? 75 : 100) >= life)
                    expected.insert(protection);
            std::set<std::string> listed;
            for (const Protection& p : a.reaching) listed.insert(p.name);
            EXPECT_EQ(listed, expected);
        }
        const Alternative* chosen = result.chosen();
        for (const Alternative& a : result.alternatives) {
            if (&a == chosen) break;
            EXPECT_FALSE(a.meetsBoth()) << a.profile << ": a lighter alternative meets both";
        }
    }
}

TEST(PipeSelection, TheGageOfAWallsLifeIsItsOwnOrTheThinnerListedOne) {
    const struct {
        double thickness;
        int gage;
    } cases[] = {{0.052, 18}, {0.064, 16}, {0.07, 16}, {0.079, 14}, {0.111, 12}, {0.138, 10},
                 {0.14, 10},  {0.168, 8},  {0.188, 8}, {0.25, 8},   {0.04, 18}};
    for (const auto& c : cases) EXPECT_EQ(gageTable[lifeGageRow(c.thickness)].number, c.gage) << c.thickness;
}

TEST(PipeSelection, TheOutlinesPeripheryLiesBetweenItsWidthAndItsBoundingBox) {
    // Every pipe-arch and underpass size the lists offer: a convex outline
    // is longer than twice its span and shorter than its bounding box, and
    // near the ellipse of its span and rise.
    int sizes = 0;
    for (const char* shape : {"pipe-arch", "underpass"}) {
        for (std::size_t p = 0; p < dc::profileEntries(shape[0] == 'p' ? dc::StructureShape::PipeArch
                                                                         : dc::StructureShape::Underpass)
                                        .size();
             ++p) {
            for (const char* radius : {"18", "31"}) {
                std::vector<OfferedList> lists;
                Entries entries = entriesOf({{"shape", shape}});
                entries.set("profile", std::to_string(p));
                if (dc::cornerRadiusEntries(dc::StructureShape::PipeArch, static_cast<int>(p)).size() > 1 &&
                    shape[0] == 'p')
                    entries.set("corner-radius", radius);
                else if (radius[0] == '3')
                    continue;
                ASSERT_TRUE(dc::listDesignCheckChoices(entries, lists));
                const auto sizeList = std::find_if(lists.begin(), lists.end(), [](const OfferedList& l) { return l.entry == "size"; });
                for (std::size_t i = 0; sizeList != lists.end() && i < sizeList->items.size(); ++i) {
                    entries.set("size", std::to_string(i));
                    dc::DesignCheck check;
                    if (!dc::produceDesignCheck(entries, check, dc::DesignCheckOutput::RecordOnly)) continue;
                    const dc::StructureOutline outline = dc::structureOutline(check);
                    const double s = outline.span, r = outline.rise, length = dc::periphery(outline);
                    const double ellipse = dc::periphery(dc::structureOutline(false, s, r, {0, 0}));
                    EXPECT_GT(length, 2 * std::max(s, r)) << shape << " " << p << " " << s << "x" << r;
                    EXPECT_LT(length, 2 * (s + r)) << shape << " " << p << " " << s << "x" << r;
                    EXPECT_NEAR(length / ellipse, 1.0, 0.05) << shape << " " << p << " " << s << "x" << r;
                    EXPECT_TRUE(outline.schematic());
                    ++sizes;
                }
            }
        }
    }
    EXPECT_GT(sizes, 50);
    const dc::StructureOutline circle = dc::structureOutline(true, 48, 48, {0, 0});
    EXPECT_DOUBLE_EQ(dc::periphery(circle), std::numbers::pi * 48);
    EXPECT_FALSE(circle.schematic());
}

TEST(PipeSelection, RefusesASiteAsTheProgramsPagesDoAndNamesTheEntry) {
    const struct {
        Entries entries;
        Outcome::Kind kind;
        const char* entry;
        const char* message;
    } cases[] = {
        {entriesOf({{"min-cover", "12"}, {"max-cover", "4"}}), Outcome::Kind::Refused, "min-cover",
         "The least cover (12 ft) must not be greater than the greatest (4 ft)."},
        {entriesOf({{"min-cover", "0.5"}, {"max-cover", "4"}}), Outcome::Kind::Refused, "min-cover",
         "The cover must be >= 1."},
        {entriesOf({{"cover", "0.5"}}), Outcome::Kind::Refused, "cover", "The cover must be >= 1."},
        {entriesOf({{"max-cover", "2,5"}}), Outcome::Kind::Refused, "max-cover", "The cover '2,5' is not a number."},
        {entriesOf({{"min-cover", "1"}, {"max-cover", "1e9"}}), Outcome::Kind::Refused, "max-cover",
         "The cover range must be at most 500 ft."},
        {entriesOf({{"life", "0"}}), Outcome::Kind::Refused, "life",
         "The design life must be a whole number of years from 1 to 100."},
        {entriesOf({{"life", "50.5"}}), Outcome::Kind::Refused, "life",
         "The design life must be a whole number of years from 1 to 100."},
        {entriesOf({{"life", "abc"}}), Outcome::Kind::Refused, "life", "The design life 'abc' is not a number."},
        {entriesOf({{"ph", "15"}}), Outcome::Kind::Refused, "ph", "The pH must be between 0 and 14."},
        {entriesOf({{"resistivity", "50"}}), Outcome::Kind::Refused, "resistivity",
         "The resistivity must be between 100 and 100000."},
        {entriesOf({{"soil-density", "0"}}), Outcome::Kind::Refused, "soil-density", nullptr},
        {entriesOf({{"span", "0"}}), Outcome::Kind::Refused, "span", "The span must be > 0."},
        {entriesOf({{"shape", "pipe-arch"}, {"span", "-3"}}), Outcome::Kind::Refused, "span", "The span must be > 0."},
        {entriesOf({{"shape", "pipe-arch"}, {"rise", "-1"}}), Outcome::Kind::Refused, "rise", "The rise must be >= 0."},
        {entriesOf({{"rise", "40"}}), Outcome::Kind::UsageError, "rise", nullptr},
        {entriesOf({{"corner-pressure", "3000"}}), Outcome::Kind::UsageError, "corner-pressure", nullptr},
        {entriesOf({{"method", "lrfd"}}), Outcome::Kind::UsageError, "method", nullptr},
        {entriesOf({{"abrasion", "5"}}), Outcome::Kind::UsageError, "abrasion", nullptr},
        {entriesOf({{"corrugation", "spiral"}}), Outcome::Kind::UsageError, "corrugation", nullptr},
        {entriesOf({{"load-reduction", "0.86"}}), Outcome::Kind::UsageError, "load-reduction", nullptr},
    };
    for (const auto& c : cases) {
        SelectionResult result;
        const Outcome outcome = computeSelection(c.entries, result);
        SCOPED_TRACE(c.entries.all().front().first + " " + c.entries.all().front().second);
        EXPECT_EQ(outcome.kind, c.kind) << outcome.message;
        EXPECT_EQ(outcome.entry, c.entry) << outcome.message;
        if (c.message) {
            EXPECT_EQ(outcome.message, c.message);
        }
    }
}

TEST(PipeSelection, TheReportCsvAndChartShowEveryAlternative) {
    const Entries site = entriesOf({{"span", "120"}, {"min-cover", "2"}, {"max-cover", "30"}, {"method", "aisi"},
                                    {"live-load", "E80"}, {"life", "75"}, {"ph", "6.5"}, {"resistivity", "3000"}});
    SelectionResult result;
    ASSERT_TRUE(computeSelection(site, result));
    ReportListing report, csv;
    appendSelectionReport(result, report);
    appendSelectionCsv(result, csv);
    ASSERT_EQ(csv.count(), result.alternatives.size() + 1);
    EXPECT_EQ(csv.lines()[0], selectionCsvHeader);
    std::size_t commands = 0, marked = 0;
    for (const std::string& line : report.lines()) {
        if (line.find("csp-report verrick") == std::string::npos && line.find("csp-report ombrel") == std::string::npos)
            EXPECT_LE(line.size(), 80u) << line;
        else
            ++commands;
        if (line.starts_with(">")) ++marked;
    }
    std::size_t carrying = 0;
    for (std::size_t i = 0; i < result.alternatives.size(); ++i) {
        const Alternative& a = result.alternatives[i];
        const std::string& row = csv.lines()[i + 1];
        EXPECT_TRUE(row.starts_with(a.profile + ",")) << row;
        if (!a.carries()) {
            // The remark names the checks, a comma between: quoted.
            if (a.remark.find(',') != std::string::npos) {
                EXPECT_NE(row.find(",\"no wall passes"), std::string::npos) << row;
            }
            continue;
        }
        ++carrying;
        EXPECT_TRUE(row.ends_with(a.reaching.empty() ? "," : a.reaching.back().name)) << row;
        EXPECT_NE(row.find(format(",%g,", *a.thickness)), std::string::npos) << row;
    }
    EXPECT_EQ(commands, 2 * carrying);
    EXPECT_EQ(marked, result.chosen() ? 2u : 0u);  // the alternative, and the key below
    const std::string chart = drawSelectionChart(result);
    std::size_t bars = 0;
    for (std::size_t at = chart.find("class=\"bar\""); at != std::string::npos; at = chart.find("class=\"bar\"", at + 1)) ++bars;
    EXPECT_EQ(bars, result.alternatives.size());
    EXPECT_EQ(chart.find("data-chosen=\"yes\"") != std::string::npos, result.chosen() != nullptr);
}

}  // namespace
}  // namespace csp::selection
