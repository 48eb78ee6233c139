#include "filltables/fill_table_request.h"
#include "filltables/max_cover.h"
#include "filltables/shape_table.h"
#include "shell/number_format.h"

namespace csp {
namespace {

// A shape past the list has no row, and is no rib profile.
bool isRibProfile(const ShapeSpec* spec) { return spec && spec->isRibProfile(); }

const char* conditionsHeading(Conditions conditions, const ShapeSpec* spec) {
    switch (conditions) {
    case Conditions::EmbankmentAstmAashto: return "(ASTM/AASHTO embankment):";
    case Conditions::TrenchAstm: return isRibProfile(spec) ? "(ASTM/AASHTO trench):" : "(ASTM trench):";
    case Conditions::EmbankmentAisi: return "(AISI embankment):";
    case Conditions::TrenchAisi: break;
    }
    return "(AISI trench):";
}

const char* pipeType(const ShapeSpec* spec, TableBase base) {
    if (spec && spec->isBolted()) return "Bolted,4 bolts/ft";
    return base == TableBase::Annular ? "Annular" : "Helical";
}

const char* designMethodName(DesignMethod method) {
    switch (method) {
    case DesignMethod::Asd: return "ASD";
    case DesignMethod::Lrfd: return "LRFD";
    case DesignMethod::AashtoLfd: return "AASHTO LFD";
    }
    return "Unknown";
}

void appendFlexibilityLines(ReportListing& report, const ShapeSpec* spec, Conditions conditions,
                            TrenchType trenchType, double flexibilityLimit) {
    if (isRibProfile(spec)) {
        const RibCoefficients& c = *spec->rib;
        const std::string_view coefficient = !isTrenchConditions(conditions)       ? c.embankment
                                             : trenchType == TrenchType::Special ? c.trenchSpecial
                                                                                   : c.trenchStandard;
        report.append("  Flexibility Factor Limit = " + std::string(coefficient) + " I^1/3");
    } else if (conditions == Conditions::TrenchAisi && spec && !spec->aisiTrenchLines.empty()) {
        for (std::string_view line : spec->aisiTrenchLines) report.append(std::string(line));
    } else {
        report.append(format("  Flexibility Factor Limit = %5.3f", flexibilityLimit));
    }
}

}  // namespace

void FillTableRequest::appendCriteriaBlock(const TableCriteria& criteria) {
    const std::size_t load = static_cast<std::size_t>(liveLoadIndex(liveLoad_));
    const ShapeSpec* spec = shapeSpecOf(shape_);
    report_.append(" ");
    report_.append(std::string("The table is based on the following criteria ") + conditionsHeading(conditions_, spec));
    report_.append(std::string("  Pipe Type = ") + pipeType(spec, tableBase_));
    report_.append(std::string("  Design Method = ") + designMethodName(designMethod_));
    if (isTrenchConditions(conditions_) && isRibProfile(spec))
        report_.append(trenchType_ == TrenchType::Special ? "  Trench Type = Special" : "  Trench Type = Standard");
    report_.append(format("  Fill Density = %5.0f pcf (prism above pipe).", criteria.fillDensity));
    if (isAisiConditions(conditions_))
        report_.append(format("  Load Reduction Factor = %4.2f for fill heights not less than span.", criteria.loadReduction));
    appendFlexibilityLines(report_, spec, conditions_, trenchType_, criteria.flexibilityLimit);
    report_.append("  Safety Factor on Wall Area = 2.00");
    report_.append(bucklingEquation_ == BucklingEquation::AashtoAstm
                       ? "  Safety Factor on Buckling = 2.00 based on equations of AASHTO/ASTM."
                       : "  Safety Factor on Buckling = 2.00 based on equations of AISI.");
    if (criteria.seamSafetyFactor == noSeamCheck)
        report_.append("  Seam Strength check not required for helical pipe.");
    else
        report_.append(format("  Safety Factor on Seam Strength = %4.2f", criteria.seamSafetyFactor));
    report_.append(format("  Minimum Fill Height taken as Span/%2.0f but not less than %3.0f in.",
                          criteria.spanDivisors[load], criteria.minimumCovers[load]));
}

}  // namespace csp
