#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designcheck/design_check.h"
#include "shell/outcome.h"

namespace csp::designcheck {

// What the design-check pages offer, their presets, and what each page's
// "Next >" accepts and stores. The pages and csp-report share these rules.

// --- Main page ------------------------------------------------------------

// One entry of the profile list and the profile it stores.
struct ProfileEntry {
    std::string_view text;
    Profile profile;
};

// The profile list of a shape ("Round Pipe", "Pipe-arch", "Underpass").
std::span<const ProfileEntry> profileEntries(StructureShape shape);

inline constexpr std::string_view defaultSoilDensityText = "120";
inline constexpr std::string_view defaultCoverText = "1.5";
inline constexpr std::string_view notApplicableText = "N/A";
// A round pipe has no corners: its corner pressure field shows "N/A".
std::string_view defaultCornerPressureText(StructureShape shape);

// The corner radius list: "18 inch" and "31 inch" for a 6 x 2 pipe-arch,
// "N/A" otherwise.
std::span<const std::string_view> cornerRadiusEntries(StructureShape shape, int profileEntry);

// The main page's selections (list indices) and typed fields.
struct MainPageEntries {
    int shape = 0;
    int profileEntry = 0;
    int liveLoad = 0;
    int method = 0;
    std::string soilDensityText{defaultSoilDensityText};
    std::string coverText{defaultCoverText};
    std::string cornerPressureText;  // not read for a round pipe
    int cornerRadiusEntry = 0;
};

// Stores the list selections only (shape, profile, live load, method,
// corner radius), so that the lists of the next page can be built.
void storeMainPageSelections(const MainPageEntries& entries, DesignCheck& check);

// "Next >": soil density, cover and, for a pipe-arch or underpass, corner
// pressure are checked in that order, each first refused when misread; the
// first refused shows its message and nothing is stored. Otherwise every
// input is stored.
Outcome acceptMainPage(const MainPageEntries& entries, DesignCheck& check);

// --- Properties page (CPropertiesDlg, CPropertiesRoundDlg) ------------------

inline constexpr std::string_view defaultRoundSpanText = "48";

// Pipe-arch: the catalog's arch spans; underpass: its labelled spans; round
// pipe: none (the span is typed).
std::vector<std::string> spanEntries(const DesignCheck& check);
// Each thickness, or none when the catalog cannot list them; the page then
// shows thicknessListFailure and leaves its remaining lists empty.
std::vector<std::string> thicknessEntries(const DesignCheck& check);
inline constexpr std::string_view thicknessListFailure = "Internal error: 3";
std::vector<std::string_view> corrugationTypeEntries(const DesignCheck& check);
// The installation types the catalog allows for the method; may be empty.
std::vector<std::string_view> installationTypeEntries(const DesignCheck& check);

struct PropertiesPageEntries {
    int sizeEntry = 0;                               // pipe-arch and underpass
    std::string spanText{defaultRoundSpanText};      // round pipe
    int thicknessEntry = 0;
    std::string corrugationTypeText;                 // the selected entry
    std::optional<std::string> installationTypeText; // none when the list is empty
};

// "Next >": a round pipe's span must be a number > 0, and an installation type must
// be available; the first refused shows its message and nothing is stored.
// Otherwise stores size or span, thickness, corrugation and installation
// types, and clears the reduction unless the Load Reduction Factor page is
// asked next.
Outcome acceptPropertiesPage(const PropertiesPageEntries& entries, DesignCheck& check);

// Under AISI, when the cover is at least the span (12 H >= s), the soil dead
// load reduction factor is asked after the properties page.
bool reductionPageAsked(const DesignCheck& check);
// The same rule on a method, a cover (ft) and an effective span (in.).
bool reductionPageAsked(CheckMethod method, double coverFeet, double effectiveSpan);

// --- The pages in order ------------------------------------------------------------

// The design check's pages, and the Results that end them.
enum class DesignCheckPage { Main, Properties, Reduction, Results };

// Where "Next >" leads once `page` has accepted its entries: the properties
// page after the main page, then the Load Reduction Factor page when asked,
// then the Results.
DesignCheckPage pageAfter(DesignCheckPage page, const DesignCheck& check);

// Whether an entry belongs to the structure as chosen: a round pipe has a
// typed span, a pipe-arch or underpass a size from its list and a corner
// pressure; only a list of corner radii offers one; the load reduction
// factor only when its page is asked. Every other entry always belongs.
bool entryApplies(std::string_view entry, StructureShape shape, bool cornerRadiusOffered, bool reductionAsked);

// --- Load Reduction Factor page -------------------------------------------------

inline constexpr std::string_view defaultReductionText = "1.0";

// "Next >": K, a number > 0, is stored with the reduction applied.
Outcome acceptReductionPage(std::string_view factorText, DesignCheck& check);

}  // namespace csp::designcheck
