#pragma once

#include <array>
#include <span>
#include <string_view>

#include "filltables/fill_table_request.h"
#include "filltables/shape_table.h"
#include "filltables/wizard_choices.h"

namespace csp {

// What Tabrell's pages say: titles, labels, list entries, group box
// captions, radio texts, notes and buttons, double blanks included. The
// lists and radio groups follow the order of the values they stand for.

inline constexpr std::string_view nextButtonText = "Next >";
inline constexpr std::string_view backButtonText = "< Back";
inline constexpr std::string_view backupButtonText = "< Backup";
inline constexpr std::string_view doneButtonText = "Done";

// Main page; its title is the program's name. The shape-and-profile list is
// shapeProfileTexts (shape_table.h).
inline constexpr std::string_view shapeProfileLabel = "Shape and Profile";
inline constexpr std::string_view liveLoadLabel = "Live Load";
inline constexpr std::string_view soilDensityLabel = "Soil Density (pcf)";
inline constexpr std::string_view conditionsLabel = "Conditions/Criteria";
inline constexpr std::string_view printLabel = "Print";

// Indexed by LiveLoad.
inline constexpr std::array<std::string_view, liveLoadCount> liveLoadTexts = {"H 20", "H 25", "E 80"};
// Indexed by Conditions.
inline constexpr std::array<std::string_view, conditionsCount> conditionsTexts = {
    "Embankment  ASTM/AASHTO", "Trench  ASTM", "Embankment  AISI", "Trench  AISI"};
// Indexed by the request's showCriteria: 0 shows the criteria block.
inline constexpr std::array<std::string_view, 2> printTexts = {"Show the Criteria With the  Results",
                                                               "Do Not Show the Criteria With the Results"};

// A follow-up page of radio buttons: one group box, one radio button per
// value the page offers (wizard_choices.h), in the same order.
struct ChoicePageTexts {
    std::string_view title;
    std::string_view groupCaption;
    std::span<const std::string_view> choices;
    std::string_view backButton;
};

inline constexpr std::array<std::string_view, trenchDetailsChoices.size()> trenchDetailsChoiceTexts = {
    "Trench in undisturbed soil with backfill material that minimizes compactive effort per ASTM or AASHTO.",
    "Trench that does not meet the above requirements."};
inline constexpr std::array<std::string_view, selectDesignChoices.size()> selectDesignChoiceTexts = {"ASD", "LRFD",
                                                                                                     "AASHTO LFD"};
inline constexpr std::array<std::string_view, selectDesignTwoChoices.size()> selectDesignTwoChoiceTexts = {"ASD",
                                                                                                           "LRFD"};
inline constexpr std::array<std::string_view, baseForTablesChoices.size()> baseForTablesChoiceTexts = {
    "Helical Pipe", "Annular Pipe"};

inline constexpr ChoicePageTexts trenchDetailsPageTexts = {"Trench Details", "Select Trench Details ",
                                                           trenchDetailsChoiceTexts, backButtonText};
inline constexpr ChoicePageTexts selectDesignPageTexts = {"Select Design", "Design", selectDesignChoiceTexts,
                                                          backButtonText};
inline constexpr ChoicePageTexts selectDesignTwoChoicesPageTexts = {"Select Design", "Design",
                                                                    selectDesignTwoChoiceTexts, backupButtonText};
inline constexpr ChoicePageTexts baseForTablesPageTexts = {"Base for Tables", "Select Table Base",
                                                           baseForTablesChoiceTexts, backButtonText};

// Load Reduction page; its field opens with loadReductionPreselection.
inline constexpr std::string_view loadReductionTitle = "Load Reduction";
inline constexpr std::string_view loadReductionLabel = "Load Reduction Factor";
inline constexpr std::string_view loadReductionNote =
    "Applied when cover is greater than span of pipe.  Suggested value is 0.86 for 85-90% density per AASHTO T-99.";

}  // namespace csp
