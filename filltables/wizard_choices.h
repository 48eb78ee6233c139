#pragma once

#include <array>
#include <functional>
#include <span>
#include <string_view>

#include "filltables/fill_table_request.h"

namespace csp {

// The values the follow-up pages offer, in the order of their radio buttons.
inline constexpr std::array<TrenchType, 2> trenchDetailsChoices = {TrenchType::Special, TrenchType::Standard};
inline constexpr std::array<DesignMethod, 3> selectDesignChoices = {DesignMethod::Asd, DesignMethod::Lrfd,
                                                                    DesignMethod::AashtoLfd};
inline constexpr std::array<DesignMethod, 2> selectDesignTwoChoices = {DesignMethod::Asd, DesignMethod::Lrfd};
inline constexpr std::array<TableBase, 2> baseForTablesChoices = {TableBase::Helical, TableBase::Annular};

// Calls `visit` once for every table the wizard can be asked for at one soil
// density: every shape, live load, condition set and print choice, and
// every combination of answers to the follow-up pages asked for it (on the
// Load Reduction page, each of the given texts). The request is filled as
// the page sequence fills it, ready for generate; its report is left as the
// visitor leaves it.
void forEachWizardRequest(std::string_view soilDensityText, std::span<const std::string_view> loadReductionTexts,
                          const std::function<void(FillTableRequest&)>& visit);

}  // namespace csp
