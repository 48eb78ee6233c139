#include "apps/csp-report/select_command.h"

#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "apps/csp-report/command_messages.h"
#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_pages.h"
#include "shell/number_format.h"
#include "shell/typed_number.h"

namespace csp::cli {
namespace {

namespace dc = csp::designcheck;
constexpr std::string_view command = "select";
constexpr double steelUnitWeight = 0.2836;  // lb/cu in.

// What one profile offers the job.
struct ProfileChoice {
    std::string profile;
    std::optional<int> thickness;  // the thinnest passing wall
    double wallThickness = 0.0, area = 0.0;
    std::string thinnerFails;  // the checks one wall thinner fails
    std::string governing;     // the check nearest its limit, and its D/C
    std::string remark;        // why the profile has no wall for the job
    std::string reproduce;     // the csp-report verrick command of the chosen wall

    // A bare steel estimate per foot of pipe: the wall's section around the
    // circumference, without laps, galvanizing or coating.
    double weight(double span) const { return area * std::numbers::pi * span * steelUnitWeight; }
};

// A text as a shell reads it back unchanged.
std::string shellWord(const std::string& text) {
    const bool plain = !text.empty() && text.find_first_not_of(
                                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789._+-/=:,") ==
                                            std::string::npos;
    if (plain) return text;
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string failedChecks(const dc::DesignCheck& check) {
    std::string names;
    for (const dc::Verdict& verdict : check.verdicts())
        if (!verdict.ok)
            names += (names.empty() ? "" : ", ") +
                     std::string(dc::summaryCheckTexts[static_cast<std::size_t>(verdict.check)]);
    return names;
}

// A choice the job's entries leave to select.
Outcome checkJob(const Entries& job) {
    int shape = 0;
    if (job.given("shape") && (!choicePosition(*findEntry(dc::designCheckEntries(), "shape"), job, shape) || shape != 0))
        return Outcome::usageError("shape", "select chooses round pipe walls only, for now");
    for (const char* chosenHere : {"profile", "thickness"})
        if (job.given(chosenHere))
            return Outcome::usageError(chosenHere, "select chooses the profile and thickness itself");
    return Outcome::success();
}

// Walks the thicknesses of one profile from the thinnest; a refusal that
// concerns the job rather than the profile is returned.
Outcome chooseWall(const Entries& job, int profile, std::size_t thicknesses, ProfileChoice& choice) {
    std::string thinnerFails = "(thinnest offered)";
    for (std::size_t t = 0; t < thicknesses; ++t) {
        Entries entries = job;
        entries.set("shape", "round");
        entries.set("profile", std::to_string(profile));
        entries.set("thickness", std::to_string(t));
        dc::DesignCheck check;
        const Outcome produced = dc::produceDesignCheck(entries, check, dc::DesignCheckOutput::RecordOnly);
        if (produced.usageError() && (produced.entry == "corrugation" || produced.entry == "installation")) {
            choice.remark = windows1252ToUtf8(produced.message);
            return Outcome::success();
        }
        if (produced.refused() && produced.entry.empty()) {  // no installation type for this profile and method
            choice.remark = windows1252ToUtf8(produced.message);
            return Outcome::success();
        }
        if (!produced) return produced;
        if (!check.failed()) {
            choice.thickness = static_cast<int>(t);
            choice.wallThickness = check.wallThickness();
            choice.area = check.wallArea();
            choice.thinnerFails = thinnerFails;
            if (const dc::CheckResult* governing = check.result().governing())
                choice.governing = format("%s, D/C %.3f", dc::summaryCheckTexts[static_cast<std::size_t>(governing->check)],
                                          governing->ratio());
            choice.reproduce = "csp-report verrick";
            for (const auto& [name, text] : job.all()) choice.reproduce += " --" + name + " " + shellWord(text);
            // By value: the profile as its list shows it, without blanks, and the wall in inches.
            std::string profileWord(dc::profileEntries(dc::StructureShape::RoundPipe)[static_cast<std::size_t>(profile)].text);
            std::erase(profileWord, ' ');
            choice.reproduce += " --profile " + shellWord(profileWord) + " --thickness " + format("%g", choice.wallThickness);
            return Outcome::success();
        }
        thinnerFails = failedChecks(check);
    }
    choice.remark = "no wall passes";
    return Outcome::success();
}

}  // namespace

int runSelect(const Entries& job, std::ostream& out, std::ostream& err) {
    if (const Outcome checked = checkJob(job); !checked)
        return usageError(err, command, entryPart(checked.entry) + checked.message);

    const std::span<const dc::ProfileEntry> profiles = dc::profileEntries(dc::StructureShape::RoundPipe);
    std::vector<ProfileChoice> choices;
    for (std::size_t p = 0; p < profiles.size(); ++p) {
        ProfileChoice choice;
        choice.profile = profiles[p].text;
        const std::size_t thicknesses = dc::profileData(static_cast<int>(profiles[p].profile))->walls.size();
        const Outcome walked = chooseWall(job, static_cast<int>(p), thicknesses, choice);
        if (walked.usageError()) return usageError(err, command, refusalText(walked));
        if (walked.refused()) {
            err << messagePrefix(command) << refusalText(walked) << "\n";
            return 1;
        }
        choices.push_back(std::move(choice));
    }

    const EntrySpec* spanSpec = findEntry(dc::designCheckEntries(), "span");
    const double span = readTypedNumber(typedText(*spanSpec, job));
    const ProfileChoice* lightest = nullptr;
    for (const ProfileChoice& choice : choices)
        if (choice.thickness && (!lightest || choice.weight(span) < lightest->weight(span))) lightest = &choice;

    const auto text = [&job](const char* name) { return job.textOf(*findEntry(dc::designCheckEntries(), name)); };
    out << "Thinnest passing wall of each round pipe profile\n"
        << "  " << text("span") << " in. span, " << text("cover") << " ft cover, " << text("live-load") << ", "
        << text("method") << ", " << text("soil-density") << " pcf\n\n"
        << format("  %-35s %-7s %-9s %-9s %s\n", "Profile", "Wall", "A", "Steel*", "One wall thinner fails")
        << format("  %-35s %-7s %-9s %s\n", "", "in.", "sq in/ft", "lb/ft");
    for (const ProfileChoice& choice : choices) {
        const char* mark = &choice == lightest ? "> " : "  ";
        if (!choice.thickness) {
            out << format("  %-35s %-7s %s\n", choice.profile, "none", choice.remark);
            continue;
        }
        out << mark
            << format("%-35s %-7g %-9g %-9.1f %s\n", choice.profile, choice.wallThickness, choice.area,
                      choice.weight(span), choice.thinnerFails)
            << "      governing: " << choice.governing << "\n"
            << "      " << choice.reproduce << "\n";
    }
    out << "\n> the lightest passing wall\n"
        << "* estimated bare steel weight per foot of pipe, A x pi x span x 0.2836 lb/cu in.,\n"
        << "  without laps, galvanizing or coating\n";
    return lightest ? 0 : 1;
}

}  // namespace csp::cli
