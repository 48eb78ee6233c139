#pragma once

#include <array>
#include <optional>
#include <vector>
#include <string_view>

#include "designcheck/design_types.h"
#include "designcheck/profile_catalog.h"
#include "shell/outcome.h"
#include "shell/report_listing.h"

namespace csp::designcheck {

// The checks a Design Check Summary can list, in its order; a report lists
// those that apply to its structure.
enum class SummaryCheck { CrossSectionalArea, SeamStrength, HandlingAndInstallation, MinimumCover, CornerBearingPressure };
inline constexpr std::array<std::string_view, 5> summaryCheckTexts = {
    "Required Cross-Sectional Area", "Required Seam Strength", "Handling and Installation", "Minimum Cover",
    "Corner Bearing Pressure"};

// The summary's closing sentence.
inline constexpr std::string_view allChecksSatisfiedText = "ALL DESIGN CHECKS ARE SATISFIED.";
inline constexpr std::string_view checksNotSatisfiedText = "INDICATED DESIGN CHECKS WERE NOT SATISFIED.";

struct Verdict {
    SummaryCheck check;
    bool ok;
};

// One buried corrugated steel structure under check: the inputs the pages
// store, the loads and wall values derived from them, and the report that
// `run` writes. The pages validate; the setters only store.
class DesignCheck {
public:
    DesignCheck() = default;
    virtual ~DesignCheck() = default;
    DesignCheck(const DesignCheck&) = delete;
    DesignCheck& operator=(const DesignCheck&) = delete;

    // --- Inputs -------------------------------------------------------------
    void setShape(int shape) { shape_ = static_cast<StructureShape>(shape); }
    // Points the catalog at the profile's; an index past the profile
    // table leaves none.
    void setProfile(int profile);
    void setLiveLoad(int liveLoad) { liveLoad_ = static_cast<LiveLoad>(liveLoad); }
    void setMethod(int method) { method_ = static_cast<CheckMethod>(method); }
    void setCover(double feet) { cover_ = feet; }
    void setSoilDensity(double pcf) { soilDensity_ = pcf; }
    void setAllowableCornerPressure(double psf) { allowableCornerPressure_ = psf; }
    // 18 or 31 for a 6 x 2 pipe-arch, 0 otherwise; the 6 x 2 catalog picks
    // its size list from it.
    void setCornerRadius(int inches);
    // The typed diameter of a round pipe.
    void setSpan(double inches) { span_ = inches; }
    void setSizeIndex(int index) { sizeIndex_ = index; }
    void setThicknessIndex(int index) { thicknessIndex_ = index; }
    void setReduction(bool applied, double factor) {
        reductionApplied_ = applied;
        reductionFactor_ = factor;
    }
    // Exact list texts only; any other text changes nothing and fails.
    bool setCorrugationType(std::string_view text);
    bool setInstallationType(std::string_view text);

    StructureShape shape() const { return shape_; }
    Profile profile() const { return profile_; }
    LiveLoad liveLoad() const { return liveLoad_; }
    CheckMethod method() const { return method_; }
    double cover() const { return cover_; }
    double soilDensity() const { return soilDensity_; }
    double allowableCornerPressure() const { return allowableCornerPressure_; }
    int cornerRadius() const { return cornerRadius_; }
    double span() const { return span_; }
    int sizeIndex() const { return sizeIndex_; }
    int thicknessIndex() const { return thicknessIndex_; }
    CorrugationType corrugationType() const { return corrugationType_; }
    InstallationType installationType() const { return installationType_; }
    bool reductionApplied() const { return reductionApplied_; }
    double reductionFactor() const { return reductionFactor_; }

    std::string_view shapeText() const;
    std::string_view profileText() const;
    std::string_view liveLoadText() const;
    std::string_view methodText() const;
    std::string_view corrugationTypeText() const;
    std::string_view installationTypeText() const;

    // The catalog of the current profile, or none.
    const ProfileCatalog* catalog() const { return catalog_ ? &*catalog_ : nullptr; }

    // --- Lookups through the catalog; 0.0 when a value is missing ------------
    double wallArea() const;        // A, sq in/ft
    double wallInertia() const;     // I, in^4/in
    double wallThickness() const;   // in.
    // The typed diameter of a round pipe, the listed span of any other size.
    double effectiveSpan() const;
    double rise() const;            // in.
    ArchRadii archRadii() const;    // Rt and Rc in inches
    double seamStrengthProvided() const;  // lb/ft, for the thickness and span
    // The flexibility factor limit in in./lb, or none when the catalog has
    // no limit for the shape, installation and method.
    std::optional<double> flexibilityLimit() const;

    // --- Loads, pressure and thrust -----------------------------------------
    // EL, LL + IL, P and T from the cover, density, span and live load.
    void computeLoads();
    void appendEarthLoadBlock();
    void appendLiveLoadBlock();
    // Under a factored method this replaces P by Pf.
    void appendPressureBlock();
    // Under a factored method this computes Tf from Pf.
    void appendThrustBlock();

    // --- Wall strength --------------------------------------------------------
    void computeRadiusOfGyration();
    void appendBucklingCheck();
    void appendAreaCheck();
    void appendSeamCheck();

    // --- Handling, cover and corners ----------------------------------------------
    void appendHandlingCheck();
    void appendMinimumCoverCheck();
    void appendCornerBearingCheck();

    // --- The report ------------------------------------------------------------
    void appendInputData();
    // Computes everything and writes the report with its summary after the
    // Input Data block. Never refused: a failing check is a NO GOOD line.
    void run();

    const ReportListing& reportLines() const { return reportLines_; }
    const ReportListing& summaryLines() const { return summaryLines_; }
    // Index of the first line of the second printed page.
    int pageBreakLine() const { return pageBreakLine_; }
    bool failed() const { return failed_; }
    // The verdicts of the last run, in the summary's order.
    const std::vector<Verdict>& verdicts() const { return verdicts_; }
    void clearReport() { reportLines_.clear(); }

    double earthLoad() const { return earthLoad_; }
    double liveLoadImpact() const { return liveLoadImpact_; }
    double pressure() const { return pressure_; }
    double thrust() const { return thrust_; }
    double factoredThrust() const { return factoredThrust_; }
    double radiusOfGyration() const { return radiusOfGyration_; }
    double bucklingStress() const { return bucklingStress_; }

private:
    void appendAisiBuckling();
    void appendAashtoAstmBuckling();
    // Each minimum cover rule set writes its lines and the verdict line,
    // and answers whether the cover is enough.
    bool appendAashtoCoverRule();
    bool appendAstmHighwayCoverRule();
    bool appendAstmRailwayCoverRule();

    // One verdict: its summary line, and the failed flag on NO GOOD.
    void recordVerdict(SummaryCheck check, bool ok);
    const char* verdictText(bool ok) const { return ok ? "OK" : "NO GOOD"; }

    ReportListing reportLines_;
    ReportListing summaryLines_;
    StructureShape shape_ = StructureShape::RoundPipe;
    Profile profile_ = Profile::TwoThirdsByHalf;
    LiveLoad liveLoad_ = LiveLoad::H20;
    CheckMethod method_ = CheckMethod::AstmAsd;
    double soilDensity_ = 0.0;              // w, pcf
    double cover_ = 0.0;                    // H, ft
    double allowableCornerPressure_ = 0.0;  // psf
    int cornerRadius_ = 0;                  // in.
    double span_ = 0.0;                     // s, in.
    double earthLoad_ = 0.0;                // EL, psf
    double liveLoadImpact_ = 0.0;           // LL + IL, psf
    double pressure_ = 0.0;                 // P, or Pf once the pressure block is written, psf
    double thrust_ = 0.0;                   // T, lb/ft
    double factoredThrust_ = 0.0;           // Tf, lb/ft
    double radiusOfGyration_ = 0.0;         // r, in.
    double bucklingStress_ = 0.0;           // Fc, psi
    int sizeIndex_ = 0;
    int thicknessIndex_ = 0;
    CorrugationType corrugationType_ = CorrugationType::Helical;
    InstallationType installationType_ = InstallationType::Embankment;
    bool reductionApplied_ = false;
    double reductionFactor_ = 0.0;  // K
    int pageBreakLine_ = 50;
    std::optional<ProfileCatalog> catalog_;  // set with the profile
    bool failed_ = false;
    std::vector<Verdict> verdicts_;
};

}  // namespace csp::designcheck
