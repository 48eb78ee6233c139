#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "filltables/fill_table_request.h"
#include "filltables/wizard_choices.h"
#include "filltables/wizard_page_texts.h"

namespace csp {

// The follow-up pages of radio buttons: Trench Details, the two Select
// Design pages and Base for Tables. A radio button's position in its group
// stands for the value at that position in the page's list of values
// (wizard_choices.h).

namespace detail {
template <class T, std::size_t N>
constexpr std::size_t positionOf(const std::array<T, N>& values, T value) {
    return static_cast<std::size_t>(std::find(values.begin(), values.end(), value) - values.begin());
}
}  // namespace detail

// The page's texts; the Load Reduction page has none of this kind and
// answers nullptr.
constexpr const ChoicePageTexts* choicePageTexts(FollowUpPage page) {
    switch (page) {
    case FollowUpPage::TrenchDetails: return &trenchDetailsPageTexts;
    case FollowUpPage::SelectDesign: return &selectDesignPageTexts;
    case FollowUpPage::SelectDesignTwoChoices: return &selectDesignTwoChoicesPageTexts;
    case FollowUpPage::BaseForTables: return &baseForTablesPageTexts;
    case FollowUpPage::LoadReduction: return nullptr;
    }
    return nullptr;
}

constexpr bool isChoicePage(FollowUpPage page) { return choicePageTexts(page) != nullptr; }

// The position of the radio button a fresh page opens with: its
// preselection, whatever an earlier table chose.
constexpr std::size_t preselectedChoice(FollowUpPage page) {
    using detail::positionOf;
    switch (page) {
    case FollowUpPage::TrenchDetails: return positionOf(trenchDetailsChoices, trenchDetailsPreselection);
    case FollowUpPage::SelectDesign: return positionOf(selectDesignChoices, selectDesignPreselection);
    case FollowUpPage::SelectDesignTwoChoices: return positionOf(selectDesignTwoChoices, selectDesignPreselection);
    case FollowUpPage::BaseForTables: return positionOf(baseForTablesChoices, baseForTablesPreselection);
    case FollowUpPage::LoadReduction: return 0;
    }
    return 0;
}

// "Next >" on a radio page: stores the value at `position` in the request's
// field of the page. A position the page does not offer stores nothing.
inline void storeChoice(FillTableRequest& request, FollowUpPage page, std::size_t position) {
    switch (page) {
    case FollowUpPage::TrenchDetails:
        if (position < trenchDetailsChoices.size()) request.setTrenchType(trenchDetailsChoices[position]);
        break;
    case FollowUpPage::SelectDesign:
        if (position < selectDesignChoices.size()) request.setDesignMethod(selectDesignChoices[position]);
        break;
    case FollowUpPage::SelectDesignTwoChoices:
        if (position < selectDesignTwoChoices.size()) request.setDesignMethod(selectDesignTwoChoices[position]);
        break;
    case FollowUpPage::BaseForTables:
        if (position < baseForTablesChoices.size()) request.setTableBase(baseForTablesChoices[position]);
        break;
    case FollowUpPage::LoadReduction: break;
    }
}

// Every radio page opens with one of its own choices selected.
static_assert(preselectedChoice(FollowUpPage::TrenchDetails) < trenchDetailsChoices.size());
static_assert(preselectedChoice(FollowUpPage::SelectDesign) < selectDesignChoices.size());
static_assert(preselectedChoice(FollowUpPage::SelectDesignTwoChoices) < selectDesignTwoChoices.size());
static_assert(preselectedChoice(FollowUpPage::BaseForTables) < baseForTablesChoices.size());

}  // namespace csp
