#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_pages.h"
#include "filltables/fill_table_entries.h"
#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

namespace dc = csp::designcheck;

// What a door gave: the outcome and every line of the report.
std::string answer(Outcome (*produce)(const Entries&, ReportListing&, std::string*), const Entries& entries) {
    ReportListing listing;
    const Outcome produced = produce(entries, listing, nullptr);
    std::string text = std::to_string(static_cast<int>(produced.kind)) + produced.entry + produced.message + "\n";
    for (const std::string& line : listing.lines()) text += line + "\n";
    return text;
}

Entries with(Entries entries, const std::string& name, const std::string& text) {
    entries.set(name, text);
    return entries;
}

// The items of one list --list shows for the entries.
std::vector<OfferedItem> listed(const Entries& entries, std::string_view entry) {
    std::vector<OfferedList> lists;
    EXPECT_TRUE(dc::listDesignCheckChoices(entries, lists).ok());
    for (const OfferedList& list : lists)
        if (list.entry == entry) return list.items;
    return {};
}

// "81 x 59 in." without its unit, and without its blanks.
std::string bare(std::string text) { return text.ends_with(" in.") ? text.substr(0, text.size() - 4) : text; }
std::string compact(std::string text) {
    std::erase(text, ' ');
    return text;
}

// Every thickness of every profile, and every size of every pipe-arch and
// underpass, checked by its value as the list shows it, gives the report
// of its position, byte for byte.
TEST(EntryValues, EveryThicknessAndSizeByValueGivesTheReportOfItsPosition) {
    std::size_t thicknesses = 0, sizes = 0;
    for (const char* shape : {"round", "pipe-arch", "underpass"}) {
        const Entries ofShape = with({}, "shape", shape);
        for (const OfferedItem& profile : listed(ofShape, "profile")) {
            const bool plateArch = std::string(shape) == "pipe-arch" && profile.text == "6 x 2";
            for (const char* radius : plateArch ? std::vector<const char*>{"18", "31"} : std::vector<const char*>{""}) {
                Entries structure = with(ofShape, "profile", profile.key);
                if (*radius) structure.set("corner-radius", radius);
                // The profile by its text, as the list shows it.
                EXPECT_EQ(answer(dc::produceDesignCheckReport, with(structure, "profile", profile.text)),
                          answer(dc::produceDesignCheckReport, structure))
                    << shape << " " << profile.text;
                for (const OfferedItem& thickness : listed(structure, "thickness")) {
                    const std::string byPosition =
                        answer(dc::produceDesignCheckReport, with(structure, "thickness", thickness.key));
                    for (const std::string& value : {thickness.text, bare(thickness.text)})
                        EXPECT_EQ(answer(dc::produceDesignCheckReport, with(structure, "thickness", value)), byPosition)
                            << shape << " " << profile.text << " " << value;
                    ++thicknesses;
                }
                for (const OfferedItem& size : listed(structure, "size")) {
                    const std::string byPosition = answer(dc::produceDesignCheckReport, with(structure, "size", size.key));
                    for (const std::string& value : {size.text, bare(size.text), compact(bare(size.text))})
                        EXPECT_EQ(answer(dc::produceDesignCheckReport, with(structure, "size", value)), byPosition)
                            << shape << " " << profile.text << " " << value;
                    ++sizes;
                }
            }
        }
    }
    EXPECT_GE(thicknesses, 91u);  // the catalog's, every one reached
    EXPECT_GE(sizes, 167u);
}

// Each shape of the fill tables by its spelling, by its text in another
// case and with its blanks and hyphens moved, gives the table of its
// position.
TEST(EntryValues, EveryTabrellShapeBySpellingOrTextGivesTheTableOfItsPosition) {
    std::vector<OfferedList> lists;
    ASSERT_TRUE(listFillTableChoices({}, lists).ok());
    ASSERT_EQ(lists.front().entry, "shape");
    for (const OfferedItem& shape : lists.front().items) {
        const std::string byPosition = answer(produceFillTable, with({}, "shape", shape.key));
        std::string shouted = shape.text;
        for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        std::string respaced = shape.spelling;
        std::replace(respaced.begin(), respaced.end(), '-', ' ');
        for (const std::string& value : {shape.spelling, shape.text, shouted, respaced, compact(shape.text)})
            EXPECT_EQ(answer(produceFillTable, with({}, "shape", value)), byPosition) << value;
    }
}

struct OfferCase {
    std::vector<const char*> args;
    std::vector<const char*> shown;  // in the message, in this order
};

// A value that selects nothing, or more than one entry, is a usage error
// that lists what the chosen shape and profile offer, as --list shows it.
TEST(EntryValues, AnUnknownOrAmbiguousValueIsAUsageErrorListingTheOffer) {
    const OfferCase cases[] = {
        {{"verrick", "--profile", "3/4x3/4x7-1/2"},
         {"--profile: '3/4x3/4x7-1/2' is more than one entry of the round profile list, which offers:\n",
          "                4  3/4 x 3/4 x 7-1/2 Ribbed\n", "                6  3/4 x 3/4 x 7-1/2 Composite Ribbed\n"}},
        {{"verrick", "--profile", "4x1"}, {"'4x1' is not in the round profile list", "                2  5 x 1\n"}},
        {{"verrick", "--profile", "9"}, {"'9' is not a position in the round profile list (0-7), which offers:\n"}},
        {{"verrick", "--thickness", "0.11"},
         {"--thickness: '0.11' is not in the thickness list, which offers:\n", "                0  0.064 in.\n",
          "                3  0.138 in.\n"}},
        {{"verrick", "--shape", "pipe-arch", "--profile", "6x2", "--corner-radius", "31", "--size", "81x59"},
         {"--size: '81x59' is not in the span list, which offers:\n", "                1  162 x 114 in.\n"}},
        {{"tabrell", "--shape", "pipe-arch-6x2"},
         {"--shape: 'pipe-arch-6x2' is more than one entry of the shape list, which offers:\n",
          "               11  pipe-arch-6x2-18  ", "               12  pipe-arch-6x2-31  "}},
        {{"tabrell", "--shape", "box-6x2"}, {"'box-6x2' is not in the shape list", "underpass-6x2"}},
    };
    for (const OfferCase& c : cases) {
        const Invocation r = invokeCspReport(c.args);
        EXPECT_EQ(r.status, 2) << c.args[2];
        std::size_t at = 0;
        for (const char* text : c.shown) {
            at = r.err.find(text, at);
            EXPECT_NE(at, std::string::npos) << text << "\n" << r.err;
        }
        EXPECT_NE(r.err.find("\nTry 'csp-report"), std::string::npos);
    }
}

// Every choice word of every program, in any case, with blanks or hyphens
// put in or taken out, is the same choice; the first unknown option names
// the nearest known one.
TEST(EntryValues, ChoiceWordsIgnoreCaseBlanksAndHyphens) {
    for (const ReportProgram& program : reportPrograms())
        for (const EntrySpec& spec : program.entries()) {
            if (spec.kind != EntryKind::Choice) continue;
            for (std::size_t i = 0; i < spec.words.size(); ++i) {
                const std::string word(spec.words[i]);
                std::string upper = word, spaced, hyphened;
                for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                for (char c : word) {
                    spaced += std::string(c == '-' ? "" : " ") + c;
                    hyphened += std::string(1, c == '-' ? ' ' : c) + "-";
                }
                for (const std::string& variant : {upper, spaced, hyphened}) {
                    int position = -1;
                    EXPECT_TRUE(choicePosition(spec, with({}, std::string(spec.name), variant), position).ok())
                        << program.name << " --" << spec.name << " '" << variant << "'";
                    EXPECT_EQ(position, static_cast<int>(i)) << variant;
                }
            }
        }
    const Invocation r = invokeCspReport({"verrick", "--shape", "Round", "--live-load", "h 20", "--cvoer", "3"});
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
              "csp-report verrick: unexpected arguments: --cvoer 3; did you mean '--cover'?");
    EXPECT_EQ(invokeCspReport({"verrick", "--Method", "AISI", "--cover", "4", "--reduction", "0.8"}).err,
              "csp-report verrick: unexpected arguments: --Method AISI; did you mean '--method'?\n"
              "Try 'csp-report verrick --help' for more information.\n");
    EXPECT_EQ(invokeCspReport({"verrick", "--method", "AISI", "--cover", "4", "--reduction", "0.8"}).out,
              invokeCspReport({"verrick", "--method", "aisi", "--cover", "4", "--load-reduction", "0.8"}).out);
    EXPECT_EQ(invokeCspReport({"ombrel", "--colour", "red"}).err.find("did you mean"), std::string::npos);
}

}  // namespace
}  // namespace csp::cli
