#include "selection/selection_report.h"

#include "designcheck/design_check_result.h"
#include "servicelife/service_life.h"
#include "shell/csv_row.h"
#include "shell/number_format.h"
#include "shell/program_pages.h"
#include "shell/svg_writer.h"
#include "shell/windows1252.h"

namespace csp::selection {
namespace {

constexpr std::size_t reportWidth = 80;
constexpr std::string_view detailIndent = "      ";
constexpr std::string_view chosenMark = ">", approximateMark = "~", otherGageMark = "*";

std::string_view checkName(designcheck::SummaryCheck check) {
    return designcheck::summaryCheckTexts[static_cast<std::size_t>(check)];
}

// The names of what lasts the design life, as the service-life report
// names them.
std::string reachingNames(const Alternative& alternative, std::string_view separator) {
    std::string names;
    for (const Protection& protection : alternative.reaching)
        names += (names.empty() ? "" : std::string(separator)) + protection.name;
    return names;
}

// A command's words as a shell reads them back; the entries are UTF-8.
std::string commandOf(std::string_view program, const Entries& entries) {
    std::string command = "csp-report " + std::string(program);
    for (const auto& [name, text] : entries.all()) command += " --" + name + " " + pages::shellWord(text);
    return command;
}

void appendSite(const Site& site, ReportListing& listing) {
    const bool roundPipe = site.shape == designcheck::StructureShape::RoundPipe;
    listing.append("Pipe Selection");
    listing.append(" ");
    listing.append("Site:");
    listing.append(format("  Shape:            %s", designcheck::shapeTexts[static_cast<std::size_t>(site.shape)]));
    if (roundPipe) {
        listing.append("  Diameter:         " + site.spanText + " in.");
    } else {
        listing.append("  Least Span:       " + site.spanText + " in.");
        listing.append("  Least Rise:       " + site.riseText + " in.");
    }
    listing.append(site.minCover == site.maxCover
                       ? "  Cover:            " + site.minCoverText + " ft"
                       : "  Cover:            " + site.minCoverText + " to " + site.maxCoverText + " ft");
    listing.append("  Live Load:        " + site.liveLoad);
    listing.append("  Design Method:    " + site.method);
    listing.append("  Soil Density:     " + site.soilDensityText + " pcf");
    listing.append(format("  Design Life:      %d years", site.designLife));
    listing.append("  Resistivity:      " + site.environment.resistivityText + " ohm-cm");
    listing.append("  pH:               " + site.environment.phText);
    listing.append(format("  Abrasion Level:   %d", site.environment.abrasionLevel + 1));
    listing.append(" ");
}

void appendHeading(ReportListing& listing) {
    listing.append("Alternatives, lightest first:");
    listing.append("                                                 Wall   Steel   Max   Cover Galv");
    listing.append("    Profile                            Size      in.    lb/ft   D/C   ft    life");
    listing.append("--- ---------------------------------- --------- ----- -------- ----- ----- ----");
}

void appendWrapped(std::string_view text, ReportListing& listing) {
    for (const std::string& line : wrappedLines(text, reportWidth - detailIndent.size()))
        listing.append(std::string(detailIndent) + line);
}

void appendAlternative(const Alternative& alternative, int rank, bool chosen, int designLife, ReportListing& listing) {
    const std::string_view mark = chosen ? chosenMark : " ";
    if (!alternative.carries()) {
        listing.append(format("%s%2d %-34s %-9s none", mark, rank, alternative.profile, alternative.size));
        appendWrapped(alternative.remark, listing);
        return;
    }
    const GoverningCheck& governing = alternative.governing;
    listing.append(format("%s%2d %-34s %-9s %5.3f %7.1f%-1s %5.3f %-5g %3d%-1s", mark, rank, alternative.profile,
                          alternative.size, *alternative.thickness, alternative.steelWeight,
                          alternative.weightApproximate ? approximateMark : "", governing.ratio, governing.cover,
                          alternative.galvanizedLife, alternative.lifeOfOwnGage ? "" : otherGageMark));
    std::string said = format("%s; %s governs; galvanized life of %d gage", alternative.corrugation,
                              checkName(governing.check), alternative.lifeGage);
    if (alternative.chosenFor == ChosenFor::Life) said += "; the wall chosen for its life";
    appendWrapped(said, listing);
    appendWrapped(alternative.reaching.empty()
                      ? format("Nothing listed lasts %d years.", designLife)
                      : format("Lasts %d years: %s.", designLife, reachingNames(alternative, ", ")),
                  listing);
    listing.append(std::string(detailIndent) + utf8ToWindows1252(designCheckCommand(alternative)));
    listing.append(std::string(detailIndent) + utf8ToWindows1252(serviceLifeCommand(alternative)));
}

void appendNotes(const SelectionResult& result, ReportListing& listing) {
    listing.append(" ");
    listing.append(result.chosen() ? "> the lightest alternative that meets both structure and life"
                                   : "No alternative meets both structure and life.");
    listing.append("~ steel of a schematic outline (the catalog gives no invert radius): approximate");
    listing.append("* the life of the thinner listed gage: the wall is not a listed gage");
    listing.append("Steel: bare steel per foot, A x periphery x 0.2836 lb/cu in., without laps,");
    listing.append("       galvanizing or coating.");
    listing.append("Max D/C: the governing check's demand over capacity at the worst cover of the");
    listing.append("       range (its ends and each whole foot between).");
}

}  // namespace

std::string designCheckCommand(const Alternative& alternative) {
    return commandOf("verrick", alternative.designCheckEntries);
}

std::string serviceLifeCommand(const Alternative& alternative) {
    return commandOf("ombrel", alternative.serviceLifeEntries);
}

void appendSelectionReport(const SelectionResult& result, ReportListing& listing) {
    appendSite(result.site, listing);
    appendHeading(listing);
    int rank = 0;
    for (const Alternative& alternative : result.alternatives)
        appendAlternative(alternative, ++rank, &alternative == result.chosen(), result.site.designLife, listing);
    appendNotes(result, listing);
}

void appendSelectionCsv(const SelectionResult& result, ReportListing& listing) {
    listing.append(std::string(selectionCsvHeader));
    for (const Alternative& a : result.alternatives) {
        if (!a.carries()) {
            listing.append(csvRow({a.profile, a.corrugation, a.size, "", "", a.remark, "", "", "", "", ""}));
            continue;
        }
        listing.append(csvRow({a.profile, a.corrugation, a.size, format("%g", *a.thickness),
                               format("%.1f", a.steelWeight), std::string(checkName(a.governing.check)),
                               format("%.3f", a.governing.ratio), format("%g", a.governing.cover),
                               format("%d", a.galvanizedLife), format("%d", a.lifeGage), reachingNames(a, ";")}));
    }
}

}  // namespace csp::selection
