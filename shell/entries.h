#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/outcome.h"

namespace csp {

// How an entry of a program is given.
enum class EntryKind {
    Choice,    // one of fixed words, each standing for a position in the page's list
    Position,  // a position in a list the pages build (0 is the first entry)
    Typed,     // a text read as the page reads its field
};

// One entry of a program, named as the command line and a CSV header name
// it. The default is the page's preset; an empty default on a choice means
// the first entry the pages offer.
struct EntrySpec {
    std::string_view name;
    EntryKind kind = EntryKind::Typed;
    std::span<const std::string_view> words;  // Choice: in list order
    std::string_view defaultText;
    std::string_view unit;  // Typed: "pcf", "ft", "in.", "psf", "ohm-cm"; empty when none
    std::string_view help;
};

constexpr EntrySpec choiceEntry(std::string_view name, std::span<const std::string_view> words,
                                std::string_view defaultWord, std::string_view help) {
    return {name, EntryKind::Choice, words, defaultWord, {}, help};
}
constexpr EntrySpec positionEntry(std::string_view name, std::string_view defaultPosition, std::string_view help) {
    return {name, EntryKind::Position, {}, defaultPosition, {}, help};
}
constexpr EntrySpec typedEntry(std::string_view name, std::string_view defaultText, std::string_view unit,
                               std::string_view help) {
    return {name, EntryKind::Typed, {}, defaultText, unit, help};
}

// The entries given for one report, by name, as UTF-8 texts. A name given
// twice keeps its last text.
class Entries {
public:
    void set(std::string_view name, std::string text);
    bool given(std::string_view name) const { return find(name) != nullptr; }
    // The given text, or none.
    const std::string* find(std::string_view name) const;
    // The given text or the entry's default, as UTF-8.
    std::string textOf(const EntrySpec& spec) const;
    const std::vector<std::pair<std::string, std::string>>& all() const { return values_; }

private:
    std::vector<std::pair<std::string, std::string>> values_;
};

// A list the pages would show, as an entry selects from it: each item's
// word or position, and its text on the page.
struct OfferedList {
    std::string_view entry;
    std::string title;
    std::vector<std::pair<std::string, std::string>> items;
};

// A choice entry's words beside the texts of the list they stand for.
OfferedList wordList(const EntrySpec& spec, std::string title, std::span<const std::string_view> texts);
// A list the pages build, each text beside its position.
template <class Texts>
OfferedList positionList(const EntrySpec& spec, std::string title, const Texts& texts) {
    OfferedList list{spec.name, std::move(title), {}};
    for (const auto& text : texts) list.items.emplace_back(std::to_string(list.items.size()), std::string(text));
    return list;
}

// The entry of `specs` with this name; none when the program has no such entry.
const EntrySpec* findEntry(std::span<const EntrySpec> specs, std::string_view name);

// The list position of a choice entry's word (given or default); a word the
// entry does not take is a usage error naming the entry and its words.
Outcome choicePosition(const EntrySpec& spec, const Entries& entries, int& position);

// A position typed as decimal digits, within a list of `count` entries;
// anything else is a usage error naming the entry. `listName` says which
// list, as in "the round profile list".
Outcome listPosition(const EntrySpec& spec, const Entries& entries, std::size_t count, std::string_view listName,
                     int& position);

// A typed entry's text (given or default) as the page holds it:
// Windows-1252.
std::string typedText(const EntrySpec& spec, const Entries& entries);

// A typed entry given as a number followed by letters or blanks ("120
// pcf"): the page reads its leading number, `readAs` as "%g" prints it. A
// misread text ("7,5", "abc") is refused by its page instead.
struct PartReading {
    std::string_view entry;
    std::string text, readAs;
};
// Every such entry among those given, in the entries' order.
std::vector<PartReading> partReadings(std::span<const EntrySpec> specs, const Entries& given);

// The positions of a list as the usage messages write them: "0" or "0-7".
std::string positionRange(std::size_t count);

}  // namespace csp
