#include "selection/selection.h"

#include <algorithm>
#include <cmath>

#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_pages.h"
#include "designcheck/structure_outline.h"
#include "selection/selection_entries.h"
#include "servicelife/service_life_entries.h"
#include "servicelife/service_life_report.h"
#include "shell/number_format.h"
#include "shell/steel.h"
#include "shell/typed_number.h"

namespace csp::selection {
namespace {

namespace dc = csp::designcheck;

constexpr int leastDesignLife = 1, greatestDesignLife = 100;  // years
// The whole feet a cover range may hold: each is a design check of every
// wall walked.
constexpr double greatestCoverRange = 500.0;  // ft

const EntrySpec& entry(std::string_view name) { return *findEntry(selectionEntries(), name); }

// The entries each program takes from the selection's, as given.
constexpr std::string_view designCheckNames[] = {"live-load",       "method",      "soil-density", "corner-pressure",
                                                 "corrugation",     "installation"};
constexpr std::string_view serviceLifeNames[] = {"resistivity", "ph", "abrasion"};

Entries takenFrom(const Entries& given, std::span<const std::string_view> names) {
    Entries taken;
    for (std::string_view name : names)
        if (const std::string* text = given.find(entry(name))) taken.add(name, *text);
    return taken;
}

// One cover of the range, and the text the design check is given for it.
struct Cover {
    double feet;
    std::string text;
    std::string_view entry;  // the selection's entry the text comes from; empty for a whole foot between
};

// The site read from the entries, with what every design check and service
// life of the selection is given.
struct Reading {
    Site site;
    Entries designCheck, serviceLife;
    dc::CheckMethod method;
    const std::string* reduction;  // the load reduction factor, when given
    double span, rise;             // in.
    std::vector<Cover> covers;     // the least, the greatest, then each whole foot between
};

// A typed length (span or rise) of a pipe-arch or underpass, refused as a
// round pipe's span is refused.
Outcome readLength(const Entries& entries, std::string_view name, double least, std::string_view refusal,
                   double& value) {
    const std::string text = typedText(entry(name), entries);
    if (Outcome read = checkTypedNumber(name, text, units::inches); !read) return std::move(read).from(name);
    value = readTypedNumber(text);
    if (!(value > least || (least < 0 && value >= 0))) return Outcome::failure(std::string(refusal)).from(name);
    return Outcome::success();
}

Outcome readSpanAndRise(const Entries& entries, Reading& reading) {
    const bool roundPipe = reading.site.shape == dc::StructureShape::RoundPipe;
    reading.site.spanText = typedText(entry("span"), entries);
    if (roundPipe) {
        if (entries.given("rise")) return Outcome::usageError("rise", "a round pipe's span is its diameter; it has no rise");
        reading.span = readTypedNumber(reading.site.spanText);  // the design check refuses it as its page does
        reading.rise = reading.span;
        return Outcome::success();
    }
    reading.site.riseText = typedText(entry("rise"), entries);
    if (Outcome read = readLength(entries, "span", 0.0, "The span must be > 0.", reading.span); !read) return read;
    return readLength(entries, "rise", -1.0, "The rise must be >= 0.", reading.rise);
}

// One end of the cover range: its own entry, or else the cover.
Outcome readCoverEnd(const Entries& entries, std::string_view name, Cover& end) {
    end.entry = entries.given(entry(name)) ? name : std::string_view("cover");
    end.text = typedText(entry(end.entry), entries);
    if (Outcome read = checkTypedNumber("cover", end.text, units::feet); !read) return std::move(read).from(end.entry);
    end.feet = readTypedNumber(end.text);
    return Outcome::success();
}

Outcome readCovers(const Entries& entries, Reading& reading) {
    Cover least, greatest;
    if (Outcome read = readCoverEnd(entries, "min-cover", least); !read) return read;
    if (Outcome read = readCoverEnd(entries, "max-cover", greatest); !read) return read;
    if (least.feet > greatest.feet)
        return Outcome::failure(format("The least cover (%g ft) must not be greater than the greatest (%g ft).",
                                       least.feet, greatest.feet))
            .from("min-cover");
    if (greatest.feet - least.feet > greatestCoverRange)
        return Outcome::failure(format("The cover range must be at most %g ft.", greatestCoverRange)).from("max-cover");
    reading.site.minCover = least.feet;
    reading.site.maxCover = greatest.feet;
    reading.site.minCoverText = least.text;
    reading.site.maxCoverText = greatest.text;
    reading.covers.push_back(least);
    if (greatest.feet != least.feet) reading.covers.push_back(greatest);
    for (double foot = std::floor(least.feet) + 1; foot < greatest.feet; ++foot)
        reading.covers.push_back({foot, wholeNumber(foot), {}});
    return Outcome::success();
}

Outcome readDesignLife(const Entries& entries, Reading& reading) {
    const std::string text = typedText(entry("life"), entries);
    if (Outcome read = checkTypedNumber("design life", text); !read) return std::move(read).from("life");
    const double years = readTypedNumber(text);
    if (!(years >= leastDesignLife && years <= greatestDesignLife) || years != std::floor(years))
        return Outcome::failure(format("The design life must be a whole number of years from %d to %d.",
                                       leastDesignLife, greatestDesignLife))
            .from("life");
    reading.site.designLife = static_cast<int>(years);
    return Outcome::success();
}

Outcome readSite(const Entries& entries, Reading& reading) {
    // Every word is checked before any typed value is read; a corrugation
    // or installation type not given is the first each profile offers.
    int shape = 0, liveLoad = 0, method = 0, unused = 0;
    for (auto [name, position] : {std::pair<std::string_view, int*>{"shape", &shape},
                                  {"live-load", &liveLoad},
                                  {"method", &method},
                                  {"corrugation", &unused},
                                  {"installation", &unused},
                                  {"abrasion", &unused}}) {
        const bool preset = !entry(name).defaultText.empty();
        if (preset || entries.given(entry(name)))
            if (Outcome chosen = choicePosition(entry(name), entries, *position); !chosen) return chosen;
    }
    reading.site.shape = static_cast<dc::StructureShape>(shape);
    reading.site.liveLoad = dc::liveLoadTexts[static_cast<std::size_t>(liveLoad)];
    reading.site.method = dc::methodTexts[static_cast<std::size_t>(method)];
    reading.method = static_cast<dc::CheckMethod>(method);
    reading.site.soilDensityText = typedText(entry("soil-density"), entries);
    reading.designCheck = takenFrom(entries, designCheckNames);
    reading.designCheck.add("shape", entries.textOf(entry("shape")));
    reading.reduction = entries.find(entry("load-reduction"));
    reading.serviceLife = takenFrom(entries, serviceLifeNames);

    if (Outcome read = readSpanAndRise(entries, reading); !read) return read;
    if (Outcome read = readCovers(entries, reading); !read) return read;
    if (Outcome read = readDesignLife(entries, reading); !read) return read;
    return estimateServiceLife(reading.serviceLife, reading.site.environment);
}

// A list value as a command gives it: its text without blanks ("6x2",
// "81x59"), which selects it as the text does.
std::string listValue(std::string_view text) {
    std::string value(text);
    std::erase(value, ' ');
    return value;
}

// One profile of the shape, at one corner radius where its pipe-arch
// sizes follow it.
struct Candidate {
    int profileEntry;
    std::string_view profileText;  // as the shape's profile list shows it
    std::string_view cornerRadiusWord;  // empty where the profile has none
    std::string label;
    dc::ProfileCatalog catalog;
};

std::vector<Candidate> candidatesOf(dc::StructureShape shape) {
    std::vector<Candidate> candidates;
    const std::span<const dc::ProfileEntry> profiles = dc::profileEntries(shape);
    const EntrySpec& radiusSpec = *findEntry(dc::designCheckEntries(), "corner-radius");
    for (std::size_t p = 0; p < profiles.size(); ++p) {
        const dc::ProfileData& data = *dc::profileData(static_cast<int>(profiles[p].profile));
        // A list text that is no corrugation is no product: the pipe-arch list's test entry.
        if (leadingCorrugation(profiles[p].text).empty()) continue;
        const std::string text(profiles[p].text);
        const std::span<const std::string_view> radii = dc::cornerRadiusEntries(shape, static_cast<int>(p));
        if (radii.size() <= 1) {
            candidates.push_back({static_cast<int>(p), profiles[p].text, {}, text, dc::ProfileCatalog(data)});
            continue;
        }
        for (std::size_t r = 0; r < radii.size(); ++r)
            candidates.push_back({static_cast<int>(p), profiles[p].text, radiusSpec.words[r], text + " R" + std::string(radiusSpec.words[r]),
                                  dc::ProfileCatalog(data, data.cornerRadiusSizes[r].cornerRadius)});
    }
    return candidates;
}

// The smallest listed size with at least the span and rise: the least
// span, then the least rise; none when no size is that large.
std::optional<int> smallestSize(const dc::ProfileCatalog& catalog, double span, double rise) {
    std::optional<int> smallest;
    for (int i = 0; i < static_cast<int>(catalog.sizeSpans().size()); ++i) {
        const double s = catalog.span(i).value_or(0.0), r = catalog.rise(i).value_or(0.0);
        if (s < span || r < rise) continue;
        if (!smallest || s < *catalog.span(*smallest) || (s == *catalog.span(*smallest) && r < *catalog.rise(*smallest)))
            smallest = i;
    }
    return smallest;
}

// What walking one wall over the covers found.
struct WallWalk {
    bool passes = false;
    GoverningCheck governing{};     // the greatest D/C over the covers walked
    std::string failing;            // the checks that fail at the first cover where one does, and that cover
    double thickness = 0, weight = 0;
    bool approximate = false;
    std::string corrugation;
    Entries entries;  // the design check at the governing cover
};

// The site's refusal, or a reason this profile cannot be had for it.
enum class Trouble { None, Profile, Site };

struct Walker {
    const Reading& reading;
    Entries base;  // shape, profile, corner radius and size by position, with the site's design-check entries
    Entries byValue;  // the same, each list value as its list shows it, for the command that reproduces it
    double effectiveSpan;
    Outcome problem;

    Trouble troubleOf(Outcome outcome, const Cover& cover) {
        if (outcome) return Trouble::None;
        const bool profileKind = (outcome.usageError() && (outcome.entry.empty() || outcome.entry == "corrugation" ||
                                                           outcome.entry == "installation")) ||
                                 (outcome.refused() && outcome.entry.empty());
        if (outcome.entry == "cover" && !cover.entry.empty()) outcome.entry = cover.entry;
        problem = std::move(outcome);
        return profileKind ? Trouble::Profile : Trouble::Site;
    }

    // Every cover of the range on one wall, until one fails.
    Trouble walk(int thickness, WallWalk& wall) {
        wall = WallWalk{};
        Entries entries = base;
        entries.add("thickness", std::to_string(thickness));
        entries.add("cover", {});
        for (const Cover& cover : reading.covers) {
            entries.set("cover", cover.text);
            const bool reduced = reading.reduction && (reading.method != dc::CheckMethod::Aisi ||
                                                       dc::reductionPageAsked(reading.method, cover.feet, effectiveSpan));
            Entries given = entries;
            if (reduced) given.add("load-reduction", *reading.reduction);
            dc::DesignCheck check;
            if (Trouble trouble = troubleOf(dc::produceDesignCheck(given, check, dc::DesignCheckOutput::RecordOnly), cover);
                trouble != Trouble::None)
                return trouble;
            if (wall.corrugation.empty()) describe(check, wall);
            const dc::CheckResult* governing = check.result().governing();
            if (governing && (wall.entries.all().empty() || governing->ratio() > wall.governing.ratio)) {
                wall.governing = {governing->check, governing->ratio(), cover.feet, cover.text};
                wall.entries = commandEntries(check, cover, reduced);
            }
            if (check.failed()) {
                wall.failing = failedChecks(check, cover);
                return Trouble::None;
            }
        }
        wall.passes = true;
        return Trouble::None;
    }

    // The design check's entries as its command gives them: the structure
    // by value, then the cover and the site's entries as given.
    Entries commandEntries(const dc::DesignCheck& check, const Cover& cover, bool reduced) const {
        Entries entries = byValue;
        entries.add("thickness", format("%g", check.wallThickness()));
        entries.add("cover", cover.text);
        for (const auto& [name, text] : reading.designCheck.all())
            if (name != "shape") entries.add(name, text);
        if (reduced) entries.add("load-reduction", *reading.reduction);
        return entries;
    }

    static void describe(const dc::DesignCheck& check, WallWalk& wall) {
        const dc::StructureOutline outline = dc::structureOutline(check);
        wall.thickness = check.wallThickness();
        wall.weight = check.wallArea() * dc::periphery(outline) * steel::unitWeight;
        wall.approximate = outline.schematic();
        wall.corrugation = check.corrugationTypeText();
    }

    static std::string failedChecks(const dc::DesignCheck& check, const Cover& cover) {
        std::string names;
        for (const dc::CheckResult& verdict : check.verdicts())
            if (!verdict.ok)
                names += (names.empty() ? "" : ", ") +
                         std::string(dc::summaryCheckTexts[static_cast<std::size_t>(verdict.check)]);
        return names + " at " + cover.text + " ft";  // as typed: "2.5", or a whole foot
    }
};

// The galvanized life of a wall and what lasts the design life on it.
void addLife(const Reading& reading, Alternative& alternative) {
    ServiceLifeInput input = reading.site.environment;
    const std::size_t row = lifeGageRow(*alternative.thickness);
    input.thicknessIndex = static_cast<int>(row);
    estimateLife(input);
    const int life = reading.site.designLife;
    alternative.galvanizedLife = galvanizedLife(input);
    alternative.lifeGage = gageTable[row].number;
    alternative.lifeOfOwnGage = gageTable[row].thickness == *alternative.thickness;
    if (alternative.galvanizedLife >= life)
        alternative.reaching.push_back({std::string(galvanizedName), alternative.galvanizedLife});
    if (aluminumCoatedType2NoteApplies(input)) {
        const int aluminum = std::min(aluminumCoatedType2Life(input), aluminumCoatedType2Ceiling);
        if (aluminum >= life) alternative.reaching.push_back({std::string(aluminumCoatedType2Name), aluminum});
    }
    for (const CoatingRow& coating : coatingRows(input))
        if (coating.addOn > 0 && coating.total >= life) alternative.reaching.push_back({coatingName(coating), coating.total});
    alternative.serviceLifeEntries = reading.serviceLife;
    alternative.serviceLifeEntries.set("gage", std::to_string(alternative.lifeGage));
}

int lifeOfGage(const Reading& reading, double thickness) {
    ServiceLifeInput input = reading.site.environment;
    input.thicknessIndex = static_cast<int>(lifeGageRow(thickness));
    estimateLife(input);
    return galvanizedLife(input);
}

Alternative alternativeOf(const Reading& reading, const Candidate& candidate, const std::string& size,
                          const WallWalk& wall, ChosenFor chosenFor) {
    Alternative alternative{candidate.label, wall.corrugation, size, wall.thickness, {}, chosenFor,
                            wall.weight, wall.approximate, wall.governing, 0, 0, false, {}, wall.entries, {}};
    addLife(reading, alternative);
    return alternative;
}

Alternative withoutWall(const Candidate& candidate, std::string size, std::string remark) {
    return {candidate.label, {}, std::move(size), std::nullopt, std::move(remark), ChosenFor::Structure, 0, false,
            {}, 0, 0, false, {}, {}, {}};
}

// The alternatives of one profile: its structural wall and, where
// galvanizing alone falls short, the wall chosen for its life. A refusal
// of the site is returned.
Outcome selectWalls(const Reading& reading, const Candidate& candidate, std::vector<Alternative>& alternatives) {
    const bool roundPipe = reading.site.shape == dc::StructureShape::RoundPipe;
    Walker walker{reading, reading.designCheck, {}, reading.span, Outcome::success()};
    walker.base.add("profile", std::to_string(candidate.profileEntry));
    walker.byValue.add("shape", *reading.designCheck.find("shape"));
    walker.byValue.add("profile", listValue(candidate.profileText));
    if (!candidate.cornerRadiusWord.empty()) {
        walker.base.add("corner-radius", std::string(candidate.cornerRadiusWord));
        walker.byValue.add("corner-radius", std::string(candidate.cornerRadiusWord));
    }
    std::string size = reading.site.spanText;
    if (roundPipe) {
        walker.base.add("span", reading.site.spanText);
        walker.byValue.add("span", reading.site.spanText);
    } else {
        const std::optional<int> index = smallestSize(candidate.catalog, reading.span, reading.rise);
        if (!index) {
            alternatives.push_back(withoutWall(candidate, "", "no listed size is that large"));
            return Outcome::success();
        }
        walker.effectiveSpan = *candidate.catalog.span(*index);
        size = format("%g x %g", walker.effectiveSpan, *candidate.catalog.rise(*index));
        walker.base.add("size", std::to_string(*index));
        walker.byValue.add("size", listValue(size));
    }

    const int walls = static_cast<int>(candidate.catalog.walls().size());
    WallWalk wall;
    for (int t = 0; t < walls; ++t) {
        switch (walker.walk(t, wall)) {
        case Trouble::Site: return walker.problem;
        case Trouble::Profile:
            alternatives.push_back(withoutWall(candidate, size, walker.problem.message));
            return Outcome::success();
        case Trouble::None: break;
        }
        if (!wall.passes) continue;
        alternatives.push_back(alternativeOf(reading, candidate, size, wall, ChosenFor::Structure));
        if (alternatives.back().galvanizedLife >= reading.site.designLife) return Outcome::success();
        for (int thicker = t + 1; thicker < walls; ++thicker) {
            if (lifeOfGage(reading, candidate.catalog.walls()[static_cast<std::size_t>(thicker)].thickness) <
                reading.site.designLife)
                continue;
            if (walker.walk(thicker, wall) == Trouble::Site) return walker.problem;
            if (!wall.passes) continue;
            alternatives.push_back(alternativeOf(reading, candidate, size, wall, ChosenFor::Life));
            break;
        }
        return Outcome::success();
    }
    alternatives.push_back(
        withoutWall(candidate, size, format("no wall passes: %g in. fails %s", wall.thickness, wall.failing)));
    return Outcome::success();
}

}  // namespace

std::size_t lifeGageRow(double thickness) {
    std::size_t row = 0;
    while (row + 1 < gageTable.size() && gageTable[row + 1].thickness <= thickness) ++row;
    return row;
}

const Alternative* SelectionResult::chosen() const {
    const auto found = std::find_if(alternatives.begin(), alternatives.end(),
                                    [](const Alternative& alternative) { return alternative.meetsBoth(); });
    return found == alternatives.end() ? nullptr : &*found;
}

Outcome computeSelection(const Entries& entries, SelectionResult& result) {
    Reading reading{};
    if (Outcome read = readSite(entries, reading); !read) return read;
    result = SelectionResult{reading.site, {}};
    for (const Candidate& candidate : candidatesOf(reading.site.shape))
        if (Outcome selected = selectWalls(reading, candidate, result.alternatives); !selected) return selected;
    std::stable_sort(result.alternatives.begin(), result.alternatives.end(),
                     [](const Alternative& a, const Alternative& b) {
                         if (a.carries() != b.carries()) return a.carries();
                         return a.steelWeight < b.steelWeight;
                     });
    return Outcome::success();
}

}  // namespace csp::selection
