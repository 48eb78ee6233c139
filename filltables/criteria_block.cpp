#include "filltables/fill_table_request.h"
#include "filltables/max_cover.h"
#include "shell/number_format.h"

namespace csp {
namespace {

// Coefficients c of the rib profiles' flexibility limit c I^1/3, as printed:
// embankment, trench Standard, trench Special.
struct RibCoefficients {
    const char* embankment;
    const char* trenchStandard;
    const char* trenchSpecial;
};
constexpr RibCoefficients ribs3by4Coefficients = {"0.217", "0.263", "0.367"};
constexpr RibCoefficients ribs1by11Coefficients = {"0.140", "0.163", "0.220"};
constexpr RibCoefficients compositeRibs3by4Coefficients = {"0.228", "0.276", "0.385"};
constexpr RibCoefficients compositeRibs1by11Coefficients = {"0.147", "0.171", "0.231"};

const RibCoefficients& ribCoefficientsOf(int shape) {
    switch (shape) {
    case 1:
    case 15: return ribs1by11Coefficients;
    case 2: return compositeRibs3by4Coefficients;
    case 3: return compositeRibs1by11Coefficients;
    default: return ribs3by4Coefficients;
    }
}

bool isBoltedPlate(int shape) { return shape == 7 || shape == 11 || shape == 12 || shape == 13; }

const char* conditionsHeading(Conditions conditions, int shape) {
    switch (conditions) {
    case Conditions::EmbankmentAstmAashto: return "(ASTM/AASHTO embankment):";
    case Conditions::TrenchAstm: return isRibProfile(shape) ? "(ASTM/AASHTO trench):" : "(ASTM trench):";
    case Conditions::EmbankmentAisi: return "(AISI embankment):";
    default: return "(AISI trench):";
    }
}

const char* pipeType(int shape, TableBase base) {
    if (isBoltedPlate(shape)) return "Bolted,4 bolts/ft";
    return base == TableBase::Annular ? "Annular" : "Helical";
}

const char* designMethodName(DesignMethod method) {
    switch (method) {
    case DesignMethod::Asd: return "ASD";
    case DesignMethod::Lrfd: return "LRFD";
    case DesignMethod::AashtoLfd: return "AASHTO LFD";
    default: return "Unknown";
    }
}

void appendFlexibilityLines(ReportListing& report, int shape, Conditions conditions, TrenchType trenchType,
                            double flexibilityLimit) {
    if (isRibProfile(shape)) {
        const RibCoefficients& c = ribCoefficientsOf(shape);
        const char* coefficient = !isTrenchConditions(conditions)       ? c.embankment
                                  : trenchType == TrenchType::Special ? c.trenchSpecial
                                                                        : c.trenchStandard;
        report.append(format("  Flexibility Factor Limit = %s I^1/3", coefficient));
    } else if (conditions == Conditions::TrenchAisi && shape == 4) {
        report.append("  Flexibility Factor Limit = 0.043 for spans 42 in. or less.");
        report.append("  Flexibility Factor Limit = 0.060 for spans 48 - 72 in.");
        report.append("  Flexibility Factor Limit = 0.080 for spans 78 in. or more.");
    } else if (conditions == Conditions::TrenchAisi && shape == 8) {
        report.append("  Flexibility Factor Limit = 0.060 in.");
    } else {
        report.append(format("  Flexibility Factor Limit = %5.3f", flexibilityLimit));
    }
}

}  // namespace

void FillTableRequest::appendCriteriaBlock(double fillDensity, double loadReductionFactor, double flexibilityLimit,
                                           double seamSafetyFactor, const std::array<double, 3>& spanDivisors,
                                           const std::array<double, 3>& minimumCovers) {
    const std::size_t load = static_cast<std::size_t>(liveLoadIndex(liveLoad_));
    report_.append(" ");
    report_.append(std::string("The table is based on the following criteria ") + conditionsHeading(conditions_, shape_));
    report_.append(std::string("  Pipe Type = ") + pipeType(shape_, tableBase_));
    report_.append(std::string("  Design Method = ") + designMethodName(designMethod_));
    if (isTrenchConditions(conditions_) && isRibProfile(shape_))
        report_.append(trenchType_ == TrenchType::Special ? "  Trench Type = Special" : "  Trench Type = Standard");
    report_.append(format("  Fill Density = %5.0f pcf (prism above pipe).", fillDensity));
    if (isAisiConditions(conditions_))
        report_.append(format("  Load Reduction Factor = %4.2f for fill heights not less than span.", loadReductionFactor));
    appendFlexibilityLines(report_, shape_, conditions_, trenchType_, flexibilityLimit);
    report_.append("  Safety Factor on Wall Area = 2.00");
    report_.append(bucklingEquation_ == BucklingEquation::AashtoAstm
                       ? "  Safety Factor on Buckling = 2.00 based on equations of AASHTO/ASTM."
                       : "  Safety Factor on Buckling = 2.00 based on equations of AISI.");
    if (seamSafetyFactor == noSeamCheck)
        report_.append("  Seam Strength check not required for helical pipe.");
    else
        report_.append(format("  Safety Factor on Seam Strength = %4.2f", seamSafetyFactor));
    report_.append(format("  Minimum Fill Height taken as Span/%2.0f but not less than %3.0f in.", spanDivisors[load],
                          minimumCovers[load]));
}

}  // namespace csp
