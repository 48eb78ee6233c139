#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "servicelife/service_life.h"
#include "shell/report_listing.h"

namespace csp {

// Years a non-metallic coating adds to the galvanized life, by abrasion
// level 1-4 (0 where the coating is not rated for that level).
struct CoatingAddOn {
    std::string_view name;
    std::array<int, abrasionLevelCount> addOnLife;
};

inline constexpr std::array<CoatingAddOn, 11> coatingAddOnTable = {{
    {"None", {0, 0, 0, 0}},
    {"Asphalt Coated", {10, 10, 0, 0}},
    {"Asphalt Coated and Paved", {30, 30, 30, 30}},
    {"Polymerized Asphalt Invert Coated", {45, 45, 35, 0}},
    {"Polymer Precoated", {80, 80, 70, 0}},
    {"Polymer Precoated and Paved", {80, 80, 80, 30}},
    {"Polymer Precoated with Polymerized Asphalt", {80, 80, 80, 30}},
    {"Aramid Fiber Bonded Asphalt Coated", {40, 40, 0, 0}},
    {"Aramid Fiber Bonded and Asphalt Paved", {50, 50, 40, 0}},
    {"High Strength Concrete Lined", {75, 75, 50, 0}},
    {"Concrete Invert Paved (3 in. cover)", {80, 80, 80, 50}},
}};

// No total life is taken above this, in years.
inline constexpr int maximumTotalLife = 100;
// Aluminum Coated Type 2 without a coating lasts up to this, in years.
inline constexpr int aluminumCoatedType2Ceiling = 75;

// One row of the report's coating table, as it prints.
struct CoatingRow {
    std::string_view name;
    std::string_view nameContinued;  // the name's second line, or empty
    int addOn, galvanized, total;    // years
};

// The coating rows the report lists for an input that went through
// estimateLife, in its order.
std::vector<CoatingRow> coatingRows(const ServiceLifeInput& input);

// A coating's name on one line, as the chart labels its bar.
std::string coatingName(const CoatingRow& row);

// The coating table's heading: "Estimated Life for Abrasion Level 1/2:".
std::string coatingTableHeading(const ServiceLifeInput& input);

// Whether the report lists a coating row at the given abrasion level
// (level minus 1).
bool coatingListed(std::size_t row, int abrasionLevel);

// Appends the service-life report of an input that passed
// validateServiceLifeInput and went through estimateLife.
void buildServiceLifeReport(const ServiceLifeInput& input, ReportListing& listing);

}  // namespace csp
