#pragma once

#include <string_view>

#include "designcheck/design_types.h"

namespace csp::designcheck {

// What the design-check pages say around their lists and fields: titles,
// labels, units and buttons. The list entries themselves come from
// design_types.h (shape, live load, method) and design_check_pages.h
// (profiles, corner radii, sizes, thicknesses, seam and installation types).

inline constexpr std::string_view nextButtonText = "Next >";
inline constexpr std::string_view backupButtonText = "< Backup";
inline constexpr std::string_view quitButtonText = "Quit";

// --- Main page ("Verrick") -----------------------------------------------------

inline constexpr std::string_view soilDensityLabel = "Soil Density";
inline constexpr std::string_view soilDensityUnit = "pcf";
inline constexpr std::string_view liveLoadLabel = "Live Load";
inline constexpr std::string_view coverLabel = "Cover";
inline constexpr std::string_view coverUnit = "ft";
inline constexpr std::string_view designMethodLabel = "Design Method";
inline constexpr std::string_view cornerRadiusLabel = "Corner Radius";
inline constexpr std::string_view cornerPressureLabel = "Corner Pressure";
// The allowable bearing pressure at the corners is stored and reported in
// psf; a unit weight (pcf) beside it would mislead the person typing it.
inline constexpr std::string_view cornerPressureUnit = "psf";

// --- Properties pages -------------------------------------------------------

// A round pipe's diameter is typed (CPropertiesRoundDlg); a pipe-arch or an
// underpass is one of its catalog's sizes, picked from a list (CPropertiesDlg).
constexpr bool spanIsTyped(StructureShape shape) { return shape == StructureShape::RoundPipe; }

inline constexpr std::string_view propertiesTitle = "Design Properties";
inline constexpr std::string_view roundPropertiesTitle = "Round Pipe Properties";
inline constexpr std::string_view structureShapeLabel = "Structure Shape";
inline constexpr std::string_view profileLabel = "Profile";
inline constexpr std::string_view spanLabel = "Span";
inline constexpr std::string_view thicknessLabel = "Thickness";
inline constexpr std::string_view inchesUnit = "inches";
inline constexpr std::string_view corrugationTypeLabel = "Corrugation Type";
inline constexpr std::string_view installationTypeLabel = "Installation Type";

// --- Load Reduction Factor page -----------------------------------------------

inline constexpr std::string_view reductionTitle = "Load Reduction Factor";
inline constexpr std::string_view reductionLabel = "Soil Dead Load Reduction Factor";
inline constexpr std::string_view reductionNote =
    "Applied when cover is greater than span of pipe.  Suggested value is 0.86 for 85-90% density per AASHTO T-99.";

}  // namespace csp::designcheck
