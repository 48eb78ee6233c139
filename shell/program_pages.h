#pragma once

// What the page models of every program share: the entries as the pages
// hold them, the Results they lead to and the helpers that describe a
// page. Each engine's page model (<engine>/*_page_model.cpp) derives from
// ProgramPages.

#include <algorithm>
#include <map>
#include <optional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/entries.h"
#include "shell/listing_file.h"
#include "shell/outcome.h"
#include "shell/program_texts.h"
#include "shell/report_listing.h"
#include "shell/results_window_design.h"
#include "shell/svg_writer.h"
#include "shell/windows1252.h"
#include "shell/page_model.h"
#include "shell/program_description.h"

namespace csp::pages {

inline std::string utf8(std::string_view windows1252) { return windows1252ToUtf8(std::string(windows1252)); }

// A file name part: letters, digits and points kept, any other run one "-".
std::string namePart(std::string_view text);
// The number of a typed entry as a file name part: "8" of "8 ft".
std::string numberPart(std::string_view typed);
// A list position typed as decimal digits, or -1.
int positionIn(std::string_view text);
// A value as a POSIX shell reads it back unchanged.
std::string shellWord(const std::string& value);
MessageBox refusal(std::string_view caption, const Outcome& outcome);
Page makePage(std::string id, std::string_view title);
Control makeControl(std::string id, Control::Kind kind, std::string_view label, std::string text = {});
Control list(std::string id, std::string_view label, std::vector<std::string> items, int selected);
Control field(std::string id, std::string_view label, std::string text, std::string_view unit = {});
Control note(std::string id, std::string_view text);

template <class Texts>
std::vector<std::string> textsOf(const Texts& texts) {
    std::vector<std::string> result;
    for (const auto& text : texts) result.push_back(utf8(text));
    return result;
}

// What every program's pages share: the entries as the pages hold them
// (by name, UTF-8), the Results they led to, and the door that makes them.
class ProgramPages {
public:
    ProgramPages(ProgramId program, std::string_view name, std::span<const EntrySpec> specs)
        : program_(program), name_(name), specs_(specs) {}
    virtual ~ProgramPages() = default;

    const ProgramTexts& texts() const { return programTexts(program_); }
    std::string_view name() const { return name_; }
    std::span<const EntrySpec> specs() const { return specs_; }

    virtual Page page() const = 0;
    virtual int stage() const = 0;  // the page's place in the sequence
    virtual void change(std::string_view control, std::string_view value) { store(control, value); }
    virtual Answer press(std::string_view button) = 0;
    virtual void back() = 0;
    virtual std::optional<MessageBox> details(std::string_view) const { return std::nullopt; }
    // The list a position entry's value is chosen from as the pages now
    // stand; none where the entry's position is kept as it is.
    virtual const ValueList* valueList(std::string_view) const { return nullptr; }
    // The door's report, refusal or usage error for these entries.
    virtual Outcome produce(const Entries& entries, Results& results) const = 0;
    // The name part of a saved file after the program's name.
    virtual std::string fileNameOf(const Entries& entries) const = 0;

    bool showingResults() const { return showingResults_; }
    const std::string& notice() const { return notice_; }
    void clearNotice() { notice_.clear(); }
    const Results& results() const { return results_; }

    std::vector<std::string> load(const std::vector<std::pair<std::string, std::string>>& given);
    std::vector<std::pair<std::string, std::string>> linkEntries() const;

protected:
    const EntrySpec& spec(std::string_view entry) const { return *findEntry(specs_, entry); }
    std::string valueOf(std::string_view entry) const {
        const auto found = values_.find(std::string(entry));
        return found != values_.end() ? found->second : std::string(spec(entry).defaultText);
    }
    // A list's selection: a choice's word or a position, as csp-report
    // takes it.
    int selectedIn(std::string_view entry) const {
        const EntrySpec& s = spec(entry);
        const std::string value = valueOf(entry);
        if (s.kind == EntryKind::Choice) {
            const auto found = std::find(s.words.begin(), s.words.end(), value);
            return found == s.words.end() ? 0 : static_cast<int>(found - s.words.begin());
        }
        if (const ValueList* list = valueList(entry)) return positionOf(s, value, *list).value_or(0);
        return std::max(0, positionIn(value));
    }
    // Where a value stands in a list, as csp-report finds it; none when the
    // list does not offer it.
    static std::optional<int> positionOf(const EntrySpec& s, const std::string& value, const ValueList& list) {
        Entries one;
        one.set(s.name, value);
        int position = 0;
        if (!listPosition(s, one, list, position)) return std::nullopt;
        return position;
    }
    // A list entry by what it is, as csp-report takes it: its spelling, or
    // its text without blanks ("0.109", "81x59", "6x2").
    static std::string valueWord(const ListValue& value) {
        if (!value.spelling.empty()) return value.spelling;
        std::string word = value.text;
        std::erase(word, ' ');
        return word;
    }
    // A kept list value the list no longer offers is dropped for the
    // page's preset, with a notice naming both.
    void dropValueNotOffered(std::string_view entry, std::string_view what) {
        const auto found = values_.find(std::string(entry));
        const ValueList* list = valueList(entry);
        if (found == values_.end() || list == nullptr || list->values.empty()) return;
        if (positionOf(spec(entry), found->second, *list)) return;
        notice_ = "The " + std::string(what) + " " + found->second + " is not offered here; the page takes " +
                  list->values.front().text + " instead.";
        values_.erase(found);
    }
    // Stores what a control now holds: a list's position becomes its word.
    void store(std::string_view control, std::string_view value) {
        const EntrySpec* s = findEntry(specs_, control);
        if (s == nullptr) return;
        std::string text(value);
        if (s->kind == EntryKind::Choice) {
            const int position = positionIn(value);
            if (position < 0 || static_cast<std::size_t>(position) >= s->words.size()) return;
            text = std::string(s->words[static_cast<std::size_t>(position)]);
        }
        // A list's entry is kept by what it is, so that it stays itself when
        // the list around it changes.
        if (const ValueList* list = s->kind == EntryKind::Position ? valueList(control) : nullptr) {
            const int position = positionIn(value);
            if (position >= 0 && static_cast<std::size_t>(position) < list->values.size()) {
                std::string word = valueWord(list->values[static_cast<std::size_t>(position)]);
                if (positionOf(*s, word, *list) == position) text = std::move(word);
            }
        }
        values_[std::string(control)] = std::move(text);
    }
    void forget(std::initializer_list<std::string_view> entries) {
        for (std::string_view entry : entries) values_.erase(std::string(entry));
    }
    // The entries the door takes: each named one that differs from its preset.
    Entries doorEntries(std::span<const std::string_view> names) const {
        Entries entries;
        for (std::string_view name : names) {
            const auto found = values_.find(std::string(name));
            if (found != values_.end() && found->second != spec(name).defaultText) entries.set(name, found->second);
        }
        return entries;
    }
    // The door's answer shown: the Results view, or the refusal.
    Answer showResults(const Entries& entries) {
        Results made;
        const Outcome produced = produce(entries, made);
        if (!produced) return {Answer::Kind::Message, refusal(texts().name, produced)};
        made.fileName = std::string(name_) + "-" + fileNameOf(entries) + ".txt";
        made.commandLine = "csp-report " + std::string(name_);
        for (const EntrySpec& s : specs_)
            if (const std::string* text = entries.find(s.name))
                made.commandLine += " --" + std::string(s.name) + " " + shellWord(*text);
        made.commandLine += " -o " + made.fileName;
        // A browser never starts a download without being asked: Escape is
        // OK there, whatever the desktop's Results window does with it.
        made.escapeButton = "ok";
        results_ = std::move(made);
        showingResults_ = true;
        fromLink_ = false;
        return {Answer::Kind::Results, {}};
    }
    // A door that gives the report and its picture, into the Results.
    using Door = Outcome (*)(const Entries&, ReportListing&, std::string*);
    static Outcome producedBy(Door door, const Entries& entries, Results& results) {
        ReportListing listing;
        std::string picture;
        const Outcome produced = door(entries, listing, &picture);
        if (produced) fill(results, listing, std::move(picture));
        return produced;
    }
    static void fill(Results& results, const ReportListing& listing, std::string picture) {
        for (const std::string& line : listing.lines()) {
            results.display += windows1252ToUtf8(line);
            results.display += '\n';
        }
        results.saved = savedBytes(listing);
        results.listing = listing;
        results.savedPicture = savedPicture(picture);
        results.picture = std::move(picture);
    }

    std::map<std::string, std::string> values_;
    // A message for the page just opened, until the next change or press.
    std::string notice_;
    bool showingResults_ = false;
    // The entries came from a link: the later pages show the link's values
    // on the first run instead of their presets.
    bool fromLink_ = false;

private:
    ProgramId program_;
    std::string_view name_;
    std::span<const EntrySpec> specs_;
    Results results_;
};

}  // namespace csp::pages
