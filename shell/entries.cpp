#include "shell/entries.h"

#include <algorithm>

#include "shell/number_format.h"
#include "shell/typed_number.h"
#include "shell/windows1252.h"

namespace csp {

void Entries::set(std::string_view name, std::string text) {
    for (auto& [key, value] : values_)
        if (key == name) {
            value = std::move(text);
            return;
        }
    values_.emplace_back(std::string(name), std::move(text));
}

const std::string* Entries::find(std::string_view name) const {
    for (const auto& [key, value] : values_)
        if (key == name) return &value;
    return nullptr;
}

std::string Entries::textOf(const EntrySpec& spec) const {
    const std::string* text = find(spec.name);
    return text ? *text : std::string(spec.defaultText);
}

OfferedList wordList(const EntrySpec& spec, std::string title, std::span<const std::string_view> texts) {
    OfferedList list{spec.name, std::move(title), {}};
    for (std::size_t i = 0; i < texts.size() && i < spec.words.size(); ++i)
        list.items.emplace_back(spec.words[i], texts[i]);
    return list;
}

const EntrySpec* findEntry(std::span<const EntrySpec> specs, std::string_view name) {
    const auto found = std::find_if(specs.begin(), specs.end(), [name](const EntrySpec& s) { return s.name == name; });
    return found == specs.end() ? nullptr : &*found;
}

Outcome choicePosition(const EntrySpec& spec, const Entries& entries, int& position) {
    const std::string word = entries.textOf(spec);
    const auto found = std::find(spec.words.begin(), spec.words.end(), word);
    if (found != spec.words.end()) {
        position = static_cast<int>(found - spec.words.begin());
        return Outcome::success();
    }
    std::string words;
    for (std::string_view w : spec.words) words += (words.empty() ? "" : ", ") + std::string(w);
    return Outcome::usageError(spec.name, "'" + word + "' is not one of " + words);
}

Outcome listPosition(const EntrySpec& spec, const Entries& entries, std::size_t count, std::string_view listName,
                     int& position) {
    const std::string text = entries.textOf(spec);
    const bool digits = !text.empty() && text.size() <= 9 &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int value = digits ? std::stoi(text) : -1;
    if (value >= 0 && static_cast<std::size_t>(value) < count) {
        position = value;
        return Outcome::success();
    }
    if (count == 0) return Outcome::usageError(spec.name, std::string(listName) + " is empty");
    return Outcome::usageError(
        spec.name, "'" + text + "' is not a position in " + std::string(listName) + " (" + positionRange(count) + ")");
}

std::string typedText(const EntrySpec& spec, const Entries& entries) { return utf8ToWindows1252(entries.textOf(spec)); }

std::vector<PartReading> partReadings(std::span<const EntrySpec> specs, const Entries& given) {
    std::vector<PartReading> readings;
    for (const EntrySpec& spec : specs) {
        const std::string* text = given.find(spec.name);
        if (spec.kind != EntryKind::Typed || !text || isWholeTypedNumber(*text) || isMisreadTypedNumber(*text))
            continue;
        readings.push_back({spec.name, *text, format("%g", readTypedNumber(*text))});
    }
    return readings;
}

std::string positionRange(std::size_t count) {
    return count == 1 ? std::string("0") : "0-" + std::to_string(count - 1);
}

}  // namespace csp
