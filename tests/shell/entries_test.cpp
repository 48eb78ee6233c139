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

// A list of eight: sizes by span x rise and a label, profiles by their
// corrugation, two of which share one.
ValueList testList() {
    ValueList list{"the list", "Items", "in.", {}};
    list.values.push_back({"81 x 59", {}, {"81 (x59)"}, {}, {81, 59}});
    list.values.push_back({"0.109", {}, {}, {}, {0.109}});
    list.values.push_back({"3/4 x 1 x 11-1/2 Ribbed", {}, {}, {"3/4 x 1 x 11-1/2"}, {}});
    list.values.push_back({"3/4 x 1 x 11-1/2 Composite Ribbed", {}, {}, {"3/4 x 1 x 11-1/2"}, {}});
    list.values.push_back({"Pipe-arch with 3 x 1 corrugation", "pipe-arch-3x1", {}, {"pipe-arch"}, {}});  // 4
    list.values.push_back({"6 x 2", {}, {}, {"pipe-arch"}, {}});
    list.values.push_back({"1.5", {}, {}, {}, {}});
    list.values.push_back({"TEST", {}, {}, {}, {}});
    return list;
}

// Positions come from the words in list order (case, blanks and hyphens
// aside), from digits alone within the list, or from a value the list
// shows; anything else, or a value of two entries, is a usage error that
// names the entry.
TEST(Entries, ChoiceWordsAndListValuesReadTheirPositionOrAreUsageErrors) {
    const ReadCase cases[] = {
        {"default word", &liveLoad, nullptr, 0},    {"last word", &liveLoad, "E80", 2},
        {"empty word", &liveLoad, "", -1},          {"other case", &liveLoad, "h20", 0},
        {"blank and case", &liveLoad, " H 25", 1},  {"hyphen", &liveLoad, "e-80", 2},
        {"other word", &liveLoad, "HS20", -1},      {"default position", &profile, nullptr, 0},
        {"last position", &profile, "7", 7},        {"past the list", &profile, "8", -1},
        {"negative", &profile, "-1", -1},           {"blank", &profile, " 1", 1},
        {"empty position", &profile, "", -1},       {"huge", &profile, "99999999999999", -1},
        {"span x rise", &profile, "81x59", 0},      {"blanks and unit", &profile, "81 X 59 in.", 0},
        {"label", &profile, "81 (x59)", 0},         {"rise x span", &profile, "59x81", -1},
        {"span alone", &profile, "81.0", -1},       {"thickness", &profile, "0.109", 1},
        {"thickness, other digits", &profile, ".1090", 1}, {"thickness not listed", &profile, "0.11", -1},
        {"whole text", &profile, "3/4x1x11-1/2 ribbed", 2}, {"corrugation of two", &profile, "3/4 x 1 x 11-1/2", -1},
        {"spelling", &profile, "Pipe Arch 3x1", 4}, {"text over a loose name", &profile, "6x2", 5},
        {"loose name of two", &profile, "pipe-arch", -1}, {"a text that is a number", &profile, "1.5", 6},
        {"a word", &profile, "test", 7},             {"half a value", &profile, "81x", -1},
    };
    for (const ReadCase& c : cases) {
        Entries entries;
        if (c.given) entries.set(c.spec->name, c.given);
        int position = -1;
        const Outcome read = c.spec->kind == EntryKind::Choice
                                 ? choicePosition(*c.spec, entries, position)
                                 : listPosition(*c.spec, entries, testList(), position);
        if (c.position < 0) {
            EXPECT_TRUE(read.usageError()) << c.name;
            EXPECT_EQ(read.entry, c.spec->name) << c.name;
            if (c.spec->kind == EntryKind::Position && c.given && *c.given) {  // the offer, as --list shows it
                EXPECT_NE(read.message.find(":\n                0                 81 x 59 in.\n                1  "
                                            "               0.109 in.\n"),
                          std::string::npos)
                    << c.name << ": " << read.message;
            }
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

// A slip of a key or two names the nearest known name; anything farther
// names none.
TEST(Entries, NearestNameIsAKeySlipAway) {
    const std::vector<std::string> names = {"cover", "corner-pressure", "corner-radius", "span", "id", "live-load"};
    const std::pair<const char*, const char*> cases[] = {
        {"cvoer", "cover"},          {"covr", "cover"},  {"coverr", "cover"}, {"corner-presure", "corner-pressure"},
        {"Live Load", "live-load"},  {"spam", "span"},   {"ix", "id"},        {"corner-radios", "corner-radius"},
        {"thickness", nullptr},      {"spanner", nullptr}, {"", nullptr},   {"cor", nullptr},
    };
    for (const auto& [given, nearest] : cases) {
        const std::optional<std::string> found = nearestName(given, names);
        EXPECT_EQ(found.value_or("(none)"), nearest ? nearest : "(none)") << given;
    }
}

}  // namespace
}  // namespace csp
