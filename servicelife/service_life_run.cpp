#include "servicelife/service_life_run.h"

#include "servicelife/service_life_report.h"

namespace csp {

Outcome produceServiceLifeReport(ServiceLifeInput& input, ReportListing& listing) {
    Outcome checked = validateServiceLifeInput(input);
    if (!checked) return checked;
    estimateLife(input);
    buildServiceLifeReport(input, listing);
    return Outcome::success();
}

}  // namespace csp
