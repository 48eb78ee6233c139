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
    std::string_view alias = {};  // a second name it answers to, kept from an earlier release; empty for none
    // What its page accepts of a typed value, as the page's refusal says it
    // ("between 1 and 10000"); empty when any number will do.
    std::string_view accepted = {};
    // Choice: what each word means, in list order; empty when the words say it.
    std::span<const std::string_view> meanings = {};
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

// The entry with what its page accepts of a typed value.
constexpr EntrySpec accepting(EntrySpec spec, std::string_view accepted) {
    spec.accepted = accepted;
    return spec;
}

// The entry with what each of its words means.
constexpr EntrySpec withMeanings(EntrySpec spec, std::span<const std::string_view> meanings) {
    spec.meanings = meanings;
    return spec;
}

// What an entry is, as csp-report's help and each page's help show it:
// its description, its words or its unit, what its page accepts, its
// preset, and what each word means.
std::string entryDescription(const EntrySpec& spec);

// The entry under a second name as well.
constexpr EntrySpec withAlias(EntrySpec spec, std::string_view alias) {
    spec.alias = alias;
    return spec;
}

// The entries given for one report, by name, as UTF-8 texts. A name given
// twice keeps its last text.
class Entries {
public:
    void set(std::string_view name, std::string text);
    // The same for a name not given yet, as when copying entries one name
    // at a time: no search for an earlier text.
    void add(std::string_view name, std::string text) { values_.emplace_back(std::string(name), std::move(text)); }
    bool given(std::string_view name) const { return find(name) != nullptr; }
    bool given(const EntrySpec& spec) const { return find(spec) != nullptr; }
    // The given text, or none.
    const std::string* find(std::string_view name) const;
    // The text given under the entry's name or else its alias, or none.
    const std::string* find(const EntrySpec& spec) const;
    // The given text or the entry's default, as UTF-8.
    std::string textOf(const EntrySpec& spec) const;
    const std::vector<std::pair<std::string, std::string>>& all() const { return values_; }

private:
    std::vector<std::pair<std::string, std::string>> values_;
};

// A word as the entries compare words: lower case, without blanks, tabs
// or hyphens, so that "H 20", "h20" and "H-20" are one word, and so are
// "Live Load" and "live-load".
std::string normalisedWord(std::string_view text);

// One item of a list the pages show: its word or position, its text on the
// page, and a short spelling that also selects it (empty for none).
struct OfferedItem {
    std::string key, text, spelling;
};

// A list the pages would show, as an entry selects from it.
struct OfferedList {
    std::string_view entry;
    std::string title;
    std::vector<OfferedItem> items;
};

// A choice entry's words beside the texts of the list they stand for.
OfferedList wordList(const EntrySpec& spec, std::string title, std::span<const std::string_view> texts);

// The lines --list prints for a list (UTF-8, without line ends): its entry
// and title, then each item's key, spelling and text in columns.
std::vector<std::string> offeredLines(const OfferedList& list);

// One entry of a list the pages build, and what selects it besides its
// position.
struct ListValue {
    std::string text;                     // the value, as the list shows it ("0.109", "81 x 59", "6 x 2")
    std::string spelling;                 // a short spelling shown beside the text; empty for none
    std::vector<std::string> names;       // other texts that select it (the page's own label)
    std::vector<std::string> looseNames;  // texts that select it when no text or name does (a corrugation)
    std::vector<double> measures;         // numbers that select it: a thickness, or a span and a rise
};

// A list the pages build, as an entry selects from it.
struct ValueList {
    std::string name;   // as the messages say it: "the thickness list"
    std::string title;  // as --list heads it: "Thicknesses"
    std::string unit;   // shown after each text by --list: "in."; empty for none
    std::vector<ListValue> values;
};

// The list as --list shows it: each position beside its value.
OfferedList positionList(const EntrySpec& spec, const ValueList& list);

// The corrugation a list text begins with, blanks as given: "3/4 x 3/4 x
// 7-1/2" of "3/4 x 3/4 x 7-1/2 Ribbed"; empty when it begins otherwise.
std::string leadingCorrugation(std::string_view text);

// The entry of `specs` with this name; none when the program has no such entry.
const EntrySpec* findEntry(std::span<const EntrySpec> specs, std::string_view name);
// The same, with the name compared as normalisedWord compares words (a CSV header).
const EntrySpec* findEntryByWord(std::span<const EntrySpec> specs, std::string_view word);

// The known name nearest to `name` when it is likely a slip of the keys
// (a letter or two wrong, missing, extra or swapped); none otherwise.
std::optional<std::string> nearestName(std::string_view name, std::span<const std::string> known);

// The list position of a choice entry's word (given or default), the word
// compared as normalisedWord compares words; a word the entry does not take
// is a usage error naming the entry and its words.
Outcome choicePosition(const EntrySpec& spec, const Entries& entries, int& position);

// The position an entry's text (given or default) selects in a list the
// pages build. Decimal digits alone are a position; any other text selects
// the value whose text, spelling or name it is (compared as normalisedWord
// compares words), or whose measures it gives ("0.109", "81x59", "81 x 59
// in."), or else whose loose name it is. A position past the list, or a
// text that selects no value or more than one, is a usage error naming the
// entry and listing the offer as --list shows it.
Outcome listPosition(const EntrySpec& spec, const Entries& entries, const ValueList& list, int& position);

// A typed entry's text (given or default) as the page holds it:
// Windows-1252.
std::string typedText(const EntrySpec& spec, const Entries& entries);

// A typed entry given as a number followed by its unit ("120 pcf"): the
// page reads its leading number, `readAs` as "%g" prints it. A misread text
// ("7,5", "abc") or one in another unit ("2.4 m") is refused by its page
// instead.
struct PartReading {
    std::string_view entry;
    std::string text, readAs;
};
// Every such entry among those given, in the entries' order.
std::vector<PartReading> partReadings(std::span<const EntrySpec> specs, const Entries& given);

// The positions of a list as the usage messages write them: "0" or "0-7".
std::string positionRange(std::size_t count);

}  // namespace csp
