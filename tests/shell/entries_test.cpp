#include "shell/entries.h"

#include <gtest/gtest.h>

#include <array>

namespace csp {
namespace {

constexpr std::array<std::string_view, 3> loads = {"H20", "H25", "E80"};
constexpr EntrySpec liveLoad = choiceEntry("live-load", loads, "H20", "Live load");
constexpr EntrySpec profile = positionEntry("profile", "0", "Profile");
constexpr EntrySpec cover = typedEntry("cover", "1.5", "ft", "Cover");

struct ReadCase {
    const char* name;
    const EntrySpec* spec;
    const char* given;  // nullptr: not given
    int position;       // -1: a usage error
};

// Positions come from the words in list order, or from digits alone within
// the list; anything else is a usage error that names the entry.
TEST(Entries, ChoiceWordsAndListPositionsReadTheirPositionOrAreUsageErrors) {
    const ReadCase cases[] = {
        {"default word", &liveLoad, nullptr, 0},    {"last word", &liveLoad, "E80", 2},
        {"empty word", &liveLoad, "", -1},          {"other case", &liveLoad, "h20", -1},
        {"default position", &profile, nullptr, 0}, {"last position", &profile, "7", 7},
        {"past the list", &profile, "8", -1},       {"negative", &profile, "-1", -1},
        {"not digits", &profile, "1.5", -1},        {"blank", &profile, " 1", -1},
        {"empty position", &profile, "", -1},       {"huge", &profile, "99999999999999", -1},
    };
    for (const ReadCase& c : cases) {
        Entries entries;
        if (c.given) entries.set(c.spec->name, c.given);
        int position = -1;
        const Outcome read = c.spec->kind == EntryKind::Choice
                                 ? choicePosition(*c.spec, entries, position)
                                 : listPosition(*c.spec, entries, 8, "the list", position);
        if (c.position < 0) {
            EXPECT_TRUE(read.usageError()) << c.name;
            EXPECT_EQ(read.entry, c.spec->name) << c.name;
        } else {
            EXPECT_TRUE(read.ok()) << c.name << ": " << read.message;
            EXPECT_EQ(position, c.position) << c.name;
        }
    }
}

TEST(Entries, AnEntryGivenTwiceKeepsItsLastTextAndTypedTextBecomesWindows1252) {
    Entries entries;
    entries.set("cover", "2");
    entries.set("cover", "7\u00BD");
    EXPECT_EQ(entries.all().size(), 1u);
    EXPECT_EQ(typedText(cover, entries), "7\xBD");
    EXPECT_EQ(typedText(cover, Entries{}), "1.5");
    EXPECT_FALSE(entries.given("span"));
}

}  // namespace
}  // namespace csp
