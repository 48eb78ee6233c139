// The three engines through their front doors, every typed field filled
// with any text: the fill-height table for every shape and condition set,
// the design check for every shape, profile, size, thickness and method,
// and the service life. No crash; no check that holds on a not-a-number; no
// report line wider than its report.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_picture.h"
#include "filltables/fill_table_entries.h"
#include "filltables/fill_table_request.h"
#include "filltables/shape_table.h"
#include "fuzz/fuzz_support.h"
#include "servicelife/service_life_entries.h"
#include "shell/typed_number.h"
#include "shell/windows1252.h"

namespace {

// The width of each report. The fill tables are fixed columns under a
// 74-character ruler. The service-life table is 75 wide, but its General
// Note runs to 86: the longest line of the preset report. A design check is
// not in columns: its widest format is the corner pressure's, "    Pc =
// (%g/%g)*(%g*%g + %g*%g)*%g = %g psf", 28 characters and eight numbers,
// and a %g number is at most 12 ("-1.23457e+07").
constexpr std::size_t fillTableWidth = 74;
constexpr double minimumFactorInUse = 0.5;
constexpr std::size_t serviceLifeWidth = 86;
constexpr std::size_t designCheckWidth = 28 + 8 * 12;

// A typed text: a decimal number of any size and precision, or any text.
std::string typedValue(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return in.ConsumeRandomLengthString(24);
    const double value = (in.ConsumeProbability<double>() * 2.0 - 0.2) * std::pow(10.0, in.ConsumeIntegralInRange(-2, 6));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", in.ConsumeIntegralInRange(0, 4), value);
    return text;
}

// Gives the entry a value the way the command line would: one of its
// words, a list position, or a typed text.
void give(FuzzedDataProvider& in, csp::Entries& entries, const csp::EntrySpec& spec) {
    switch (spec.kind) {
    case csp::EntryKind::Choice:
        entries.set(spec.name, std::string(spec.words[in.ConsumeIntegralInRange<std::size_t>(0, spec.words.size() - 1)]));
        break;
    case csp::EntryKind::Position: entries.set(spec.name, std::to_string(in.ConsumeIntegralInRange(0, 40))); break;
    case csp::EntryKind::Typed: entries.set(spec.name, typedValue(in)); break;
    }
}

// The service-life report shows the typed resistivity and pH as typed.
std::size_t echoedLength(const std::string& line, const csp::Entries& entries) {
    for (const auto& [name, text] : entries.all()) {
        const std::string typed = csp::utf8ToWindows1252(text);
        if (!typed.empty() && line.ends_with(typed)) return typed.size();
    }
    return 0;
}

// "nan" as a word of its own, as %g prints a not-a-number.
bool holdsNotANumber(const std::string& line) {
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::size_t at = line.find("nan"); at != std::string::npos; at = line.find("nan", at + 1))
        if ((at == 0 || !isLetter(line[at - 1])) && (at + 3 == line.size() || !isLetter(line[at + 3]))) return true;
    return false;
}

std::string described(const csp::Entries& entries) {
    std::string text;
    for (const auto& [name, value] : entries.all()) text += " --" + name + "='" + value + "'";
    return text;
}

void checkWidth(const csp::ReportListing& listing, std::size_t width, const csp::Entries& entries) {
    for (const std::string& line : listing.lines())
        if (line.size() - echoedLength(line, entries) > width)
            csp::fuzz::fail("a report line wider than " + std::to_string(width) + ": \"" + line + "\" for" +
                            described(entries));
}

// A section of a design check begins at a line that starts in column 0;
// no section may hold both a not-a-number and an OK, and no check of the
// record may be OK for a section that holds one.
void checkVerdicts(const csp::designcheck::DesignCheck& check) {
    std::vector<std::string> sectionsWithNotANumber;
    std::string title;
    bool notANumber = false, ok = false;
    const auto endSection = [&] {
        if (notANumber && ok) csp::fuzz::fail("an OK in a section with a not-a-number: " + title);
        if (notANumber) sectionsWithNotANumber.push_back(title);
        notANumber = ok = false;
    };
    for (const std::string& line : check.reportLines().lines()) {
        if (!line.empty() && line[0] != ' ') {
            endSection();
            title = line;
        }
        notANumber = notANumber || holdsNotANumber(line);
        ok = ok || line.ends_with(" OK");
    }
    endSection();
    // The record agrees: no check OK whose block shows a not-a-number, and
    // an OK check's demand and capacity are numbers.
    for (const auto& verdict : check.verdicts()) {
        if (!verdict.ok) continue;
        const std::string name(csp::designcheck::summaryCheckTexts[static_cast<std::size_t>(verdict.check)]);
        for (const std::string& section : sectionsWithNotANumber)
            if (section.starts_with(name)) csp::fuzz::fail("the summary says OK for " + section);
        if (std::isnan(verdict.ratio())) csp::fuzz::fail("an OK check without a ratio: " + name);
    }
}

// A picture is whole SVG text whatever was typed: one document, no control
// byte that XML cannot hold, every element closed.
void checkPicture(const std::string& svg) {
    if (!svg.starts_with("<?xml") || !svg.ends_with("</svg>\n") || svg.find("</svg>") != svg.size() - 7)
        csp::fuzz::fail("the picture is not one whole SVG document");
    for (char c : svg)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n') csp::fuzz::fail("the picture holds a control byte");
    if (std::count(svg.begin(), svg.end(), '<') != std::count(svg.begin(), svg.end(), '>'))
        csp::fuzz::fail("a '<' or '>' of a text is not escaped");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    csp::Entries entries;
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: {
        for (const csp::EntrySpec& spec : csp::serviceLifeEntries())
            if (in.ConsumeBool()) give(in, entries, spec);
        csp::ReportListing listing;
        std::string picture;
        if (csp::produceServiceLife(entries, listing, &picture)) {
            checkWidth(listing, serviceLifeWidth, entries);
            checkPicture(picture);
        }
        break;
    }
    case 1: {
        // Every shape and condition set; the follow-up pages only where asked.
        const std::span<const csp::EntrySpec> specs = csp::fillTableEntries();
        const int shape = in.ConsumeIntegralInRange(0, csp::shapeCount - 1);
        const auto conditions = in.ConsumeIntegralInRange(0, csp::conditionsCount - 1);
        entries.set("shape", std::to_string(shape));
        entries.set("conditions", std::string(csp::findEntry(specs, "conditions")->words[conditions]));
        for (const char* name : {"live-load", "soil-density", "criteria"})
            if (in.ConsumeBool()) give(in, entries, *csp::findEntry(specs, name));
        for (const auto& [step, name] : {std::pair{csp::FollowUpStep::Trench, "trench"},
                                         {csp::FollowUpStep::Design, "design"},
                                         {csp::FollowUpStep::Base, "base"},
                                         {csp::FollowUpStep::LoadReduction, "load-reduction"}})
            if (csp::pageAskedAt(step, shape, static_cast<csp::Conditions>(conditions)) && in.ConsumeBool())
                give(in, entries, *csp::findEntry(specs, name));
        // A cell prints as its printf format prints it: a number wider than
        // its column widens the row. The page takes any load reduction
        // factor above 0, and a factor far below the 0.86 it suggests divides
        // the covers into such numbers; the ruler holds for the factors in
        // use.
        const std::string* factor = entries.find("load-reduction");
        const bool inUse = !factor || csp::readTypedNumber(csp::utf8ToWindows1252(*factor)) >= minimumFactorInUse;
        csp::ReportListing listing;
        std::string picture;
        if (!csp::produceFillTable(entries, listing, &picture)) break;
        if (inUse) checkWidth(listing, fillTableWidth, entries);
        checkPicture(picture);
        break;
    }
    default: {
        for (const csp::EntrySpec& spec : csp::designcheck::designCheckEntries())
            if (in.ConsumeBool()) give(in, entries, spec);
        csp::designcheck::DesignCheck check;
        if (!csp::designcheck::produceDesignCheck(entries, check)) break;
        checkWidth(check.reportLines(), designCheckWidth, entries);
        checkVerdicts(check);
        checkPicture(csp::designcheck::drawDesignCheckPicture(check));
    }
    }
    return 0;
}
