#pragma once

#include <array>
#include <optional>
#include <vector>
#include <string_view>

#include "designcheck/design_check_result.h"
#include "designcheck/design_types.h"
#include "designcheck/profile_catalog.h"
#include "shell/outcome.h"
#include "shell/report_listing.h"

namespace csp::designcheck {

// The summary's closing sentence.
inline constexpr std::string_view allChecksSatisfiedText = "ALL DESIGN CHECKS ARE SATISFIED.";
inline constexpr std::string_view checksNotSatisfiedText = "INDICATED DESIGN CHECKS WERE NOT SATISFIED.";

using Verdict = CheckResult;

// One buried corrugated steel structure under check: the entries the pages
// store, and what the last `run` computed from them and wrote. The pages
// validate; the setters only store.
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

    // --- The run --------------------------------------------------------------
    // Computes everything (computeDesignCheck), then writes the report with
    // its summary after the Input Data block. Never refused: a failing
    // check is a NO GOOD line.
    void run();
    // The same without the report: the record alone, the report left empty.
    void compute();

    // What the last run computed.
    const DesignCheckResult& result() const { return result_; }
    const ReportListing& reportLines() const { return reportLines_; }
    // Index of the first line of the second printed page.
    int pageBreakLine() const { return pageBreakLine_; }
    bool failed() const { return result_.failed; }
    // The verdicts of the last run, in the summary's order.
    const std::vector<Verdict>& verdicts() const { return result_.checks; }
    void clearReport() { reportLines_.clear(); }

private:
    ReportListing reportLines_;
    StructureShape shape_ = StructureShape::RoundPipe;
    Profile profile_ = Profile::TwoThirdsByHalf;
    LiveLoad liveLoad_ = LiveLoad::H20;
    CheckMethod method_ = CheckMethod::AstmAsd;
    double soilDensity_ = 0.0;              // w, pcf
    double cover_ = 0.0;                    // H, ft
    double allowableCornerPressure_ = 0.0;  // psf
    int cornerRadius_ = 0;                  // in.
    double span_ = 0.0;                     // s, in.
    int sizeIndex_ = 0;
    int thicknessIndex_ = 0;
    CorrugationType corrugationType_ = CorrugationType::Helical;
    InstallationType installationType_ = InstallationType::Embankment;
    bool reductionApplied_ = false;
    double reductionFactor_ = 0.0;  // K
    int pageBreakLine_ = 50;
    std::optional<ProfileCatalog> catalog_;  // set with the profile
    DesignCheckResult result_;
};

}  // namespace csp::designcheck
