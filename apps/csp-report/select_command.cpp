#include "apps/csp-report/select_command.h"

#include "apps/csp-report/command_messages.h"
#include "selection/selection.h"
#include "selection/selection_chart.h"
#include "selection/selection_report.h"

namespace csp::cli {

int runSelect(const Entries& site, SelectOutput output, ReportListing& listing, std::string* picture,
              std::ostream& err) {
    constexpr std::string_view command = "select";
    selection::SelectionResult result;
    const Outcome computed = selection::computeSelection(site, result);
    if (computed.usageError()) return usageError(err, command, entryPart(computed.entry) + computed.message);
    if (computed.refused()) {
        err << messagePrefix(command) << refusalText(computed) << "\n";
        return 1;
    }
    switch (output) {
    case SelectOutput::Report: selection::appendSelectionReport(result, listing); break;
    case SelectOutput::Csv: selection::appendSelectionCsv(result, listing); break;
    }
    if (picture) *picture = selection::drawSelectionChart(result);
    return result.chosen() ? 0 : 1;
}

}  // namespace csp::cli
