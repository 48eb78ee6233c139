#include "shell/entries.h"

#include <algorithm>
#include <cctype>

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

const std::string* Entries::find(const EntrySpec& spec) const {
    const std::string* text = find(spec.name);
    return text || spec.alias.empty() ? text : find(spec.alias);
}

std::string Entries::textOf(const EntrySpec& spec) const {
    const std::string* text = find(spec);
    return text ? *text : std::string(spec.defaultText);
}

namespace {

// Words ignore case by ASCII alone, whatever the locale says of other bytes.
char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool isIgnoredInWords(char c) { return c == ' ' || c == '\t' || c == '-'; }

// Whether two texts are one word as normalisedWord compares them, without
// making either.
bool sameWord(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    for (;;) {
        while (i < a.size() && isIgnoredInWords(a[i])) ++i;
        while (j < b.size() && isIgnoredInWords(b[j])) ++j;
        if (i == a.size() || j == b.size()) return i == a.size() && j == b.size();
        if (lowered(a[i++]) != lowered(b[j++])) return false;
    }
}

}  // namespace

std::string normalisedWord(std::string_view text) {
    std::string word;
    word.reserve(text.size());
    for (char c : text)
        if (!isIgnoredInWords(c)) word += lowered(c);
    return word;
}

OfferedList wordList(const EntrySpec& spec, std::string title, std::span<const std::string_view> texts) {
    OfferedList list{spec.name, std::move(title), {}};
    for (std::size_t i = 0; i < texts.size() && i < spec.words.size(); ++i)
        list.items.push_back({std::string(spec.words[i]), std::string(texts[i]), {}});
    return list;
}

std::vector<std::string> offeredLines(const OfferedList& list) {
    std::vector<std::string> lines = {"--" + std::string(list.entry) + ": " + list.title};
    std::size_t spellingWidth = 0;
    for (const OfferedItem& item : list.items) spellingWidth = std::max(spellingWidth, item.spelling.size());
    for (const OfferedItem& item : list.items) {
        const std::size_t pad = item.key.size() < 17 ? 17 - item.key.size() : 1;  // keys end in one column
        std::string line = std::string(pad, ' ') + item.key;
        if (spellingWidth > 0) line += "  " + item.spelling + std::string(spellingWidth - item.spelling.size(), ' ');
        if (!item.text.empty()) line += "  " + windows1252ToUtf8(item.text);
        lines.push_back(std::move(line));
    }
    return lines;
}

OfferedList positionList(const EntrySpec& spec, const ValueList& list) {
    OfferedList offered{spec.name, list.title, {}};
    for (const ListValue& value : list.values)
        offered.items.push_back({std::to_string(offered.items.size()),
                                 list.unit.empty() ? value.text : value.text + " " + list.unit, value.spelling});
    return offered;
}

std::string leadingCorrugation(std::string_view text) {
    std::string corrugation, token;
    const auto corrugationToken = [](const std::string& t) {
        return t == "x" || (t.find_first_of("0123456789") != std::string::npos &&
                            t.find_first_not_of("0123456789/-x") == std::string::npos);
    };
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        token = std::string(text.substr(at, end - at));
        at = end + 1;
        if (token.empty()) continue;
        if (!corrugationToken(token)) break;
        corrugation += (corrugation.empty() ? "" : " ") + token;
    }
    return corrugation;
}

const EntrySpec* findEntry(std::span<const EntrySpec> specs, std::string_view name) {
    const auto found = std::find_if(specs.begin(), specs.end(), [name](const EntrySpec& s) { return s.name == name; });
    return found == specs.end() ? nullptr : &*found;
}

const EntrySpec* findEntryByWord(std::span<const EntrySpec> specs, std::string_view word) {
    const std::string normalised = normalisedWord(word);
    const auto found = std::find_if(specs.begin(), specs.end(), [&](const EntrySpec& s) {
        return normalisedWord(s.name) == normalised || (!s.alias.empty() && normalisedWord(s.alias) == normalised);
    });
    return found == specs.end() ? nullptr : &*found;
}

namespace {

// The edits that take one text to the other: a letter changed, missing,
// extra, or two neighbours swapped.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

}  // namespace

std::optional<std::string> nearestName(std::string_view name, std::span<const std::string> known) {
    if (name.size() > 64) return std::nullopt;  // no name is that long
    std::optional<std::string> nearest;
    std::size_t best = 0;
    for (const std::string& candidate : known) {
        const std::size_t distance = editDistance(normalisedWord(name), normalisedWord(candidate));
        // A slip of one key in a short name, of two in a longer one.
        const std::size_t allowed = candidate.size() < 6 ? 1 : 2;
        if (distance > allowed || (nearest && distance >= best)) continue;
        nearest = candidate;
        best = distance;
    }
    return nearest;
}

Outcome choicePosition(const EntrySpec& spec, const Entries& entries, int& position) {
    const std::string* given = entries.find(spec);
    const std::string_view word = given ? std::string_view(*given) : spec.defaultText;
    const auto found = std::find_if(spec.words.begin(), spec.words.end(),
                                    [&](std::string_view w) { return sameWord(w, word); });
    if (found != spec.words.end()) {
        position = static_cast<int>(found - spec.words.begin());
        return Outcome::success();
    }
    std::string words;
    for (std::string_view w : spec.words) words += (words.empty() ? "" : ", ") + std::string(w);
    std::string message = "'";
    message.append(word).append("' is not one of ").append(words);
    return Outcome::usageError(spec.name, std::move(message));
}

namespace {

// The numbers a value gives, each wholly a number: "0.109", "81x59", "81 x
// 59 in."; none for any other text.
std::optional<std::vector<double>> measuresOf(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t') compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view unit : {"in.", "in", "\""})
        if (compact.ends_with(unit)) {
            compact.resize(compact.size() - unit.size());
            break;
        }
    std::vector<double> measures;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = std::min(compact.find('x', at), compact.size());
        const std::string_view part = std::string_view(compact).substr(at, end - at);
        if (part.empty() || !isWholeTypedNumber(part)) return std::nullopt;
        measures.push_back(readTypedNumber(part));
        if (end == compact.size()) return measures;
        at = end + 1;
    }
}

bool namedBy(const std::string& normalised, std::string_view name) {
    return !name.empty() && normalisedWord(name) == normalised;
}

std::string offerText(const EntrySpec& spec, const ValueList& list) {
    std::string text;
    const std::vector<std::string> lines = offeredLines(positionList(spec, list));
    for (std::size_t i = 1; i < lines.size(); ++i) text += "\n" + lines[i];
    return text;
}

}  // namespace

Outcome listPosition(const EntrySpec& spec, const Entries& entries, const ValueList& list, int& position) {
    const std::string text = entries.textOf(spec);
    const std::size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    const std::string bare = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    const std::size_t count = list.values.size();
    if (count == 0) return Outcome::usageError(spec.name, list.name + " is empty");
    const bool digits = !bare.empty() && std::all_of(bare.begin(), bare.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits) {
        const int value = bare.size() <= 9 ? std::stoi(bare) : -1;
        if (value >= 0 && static_cast<std::size_t>(value) < count) {
            position = value;
            return Outcome::success();
        }
        return Outcome::usageError(spec.name, "'" + text + "' is not a position in " + list.name + " (" +
                                                  positionRange(count) + "), which offers:" + offerText(spec, list));
    }

    const std::string normalised = normalisedWord(text);
    const std::optional<std::vector<double>> measures = measuresOf(text);
    std::vector<int> exact, loose;
    for (std::size_t i = 0; i < count; ++i) {
        const ListValue& value = list.values[i];
        const bool named = namedBy(normalised, value.text) || namedBy(normalised, value.spelling) ||
                           std::any_of(value.names.begin(), value.names.end(),
                                       [&](const std::string& name) { return namedBy(normalised, name); }) ||
                           (measures && !value.measures.empty() && *measures == value.measures);
        if (named)
            exact.push_back(static_cast<int>(i));
        else if (std::any_of(value.looseNames.begin(), value.looseNames.end(),
                             [&](const std::string& name) { return namedBy(normalised, name); }))
            loose.push_back(static_cast<int>(i));
    }
    const std::vector<int>& found = exact.empty() ? loose : exact;
    if (found.size() == 1) {
        position = found.front();
        return Outcome::success();
    }
    const std::string what = found.empty() ? "is not in " : "is more than one entry of ";
    return Outcome::usageError(spec.name, "'" + text + "' " + what + list.name + ", which offers:" + offerText(spec, list));
}

std::string typedText(const EntrySpec& spec, const Entries& entries) { return utf8ToWindows1252(entries.textOf(spec)); }

std::vector<PartReading> partReadings(std::span<const EntrySpec> specs, const Entries& given) {
    std::vector<PartReading> readings;
    for (const EntrySpec& spec : specs) {
        const std::string* text = given.find(spec);
        if (spec.kind != EntryKind::Typed || !text || isWholeTypedNumber(*text) || isMisreadTypedNumber(*text) ||
            !endsInItsUnit(*text, typedUnitShownAs(spec.unit)))
            continue;
        readings.push_back({spec.name, *text, format("%g", readTypedNumber(*text))});
    }
    return readings;
}

std::string positionRange(std::size_t count) {
    return count == 1 ? std::string("0") : "0-" + std::to_string(count - 1);
}

std::string entryDescription(const EntrySpec& spec) {
    std::string text(spec.help);
    if (spec.kind == EntryKind::Choice) {
        text += ": ";
        for (std::size_t i = 0; i < spec.words.size(); ++i) {
            if (i > 0) text += i + 1 == spec.words.size() ? " or " : ", ";
            text += spec.words[i];
        }
    }
    if (spec.kind == EntryKind::Typed && !spec.unit.empty()) text += ", in " + std::string(spec.unit);
    if (!spec.accepted.empty()) text += ", " + std::string(spec.accepted);
    if (!spec.defaultText.empty()) text += " (default " + std::string(spec.defaultText) + ")";
    for (std::size_t i = 0; i < spec.meanings.size() && i < spec.words.size(); ++i)
        text += (i == 0 ? ". " : " ") + std::string(spec.words[i]) + ": " + std::string(spec.meanings[i]);
    return text;
}

}  // namespace csp
