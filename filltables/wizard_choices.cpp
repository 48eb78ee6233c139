#include "filltables/wizard_choices.h"

namespace csp {
namespace {

struct Walk {
    std::span<const std::string_view> loadReductionTexts;
    const std::function<void(FillTableRequest&)>& visit;
};

// Answers the follow-up pages from `step` on in every way they allow.
void answerFrom(std::size_t step, FillTableRequest& request, const Walk& walk) {
    if (step == followUpSteps.size()) {
        walk.visit(request);
        return;
    }
    const FollowUpStep current = followUpSteps[step];
    const auto page = pageAskedAt(current, request.shape(), request.conditions());
    if (!page) {
        request.takeValueOfPageNotAsked(current);
        answerFrom(step + 1, request, walk);
        return;
    }
    const auto each = [&](auto choices, auto store) {
        for (const auto& choice : choices) {
            store(choice);
            answerFrom(step + 1, request, walk);
        }
    };
    switch (*page) {
    case FollowUpPage::TrenchDetails:
        each(trenchDetailsChoices, [&](TrenchType t) { request.setTrenchType(t); });
        break;
    case FollowUpPage::SelectDesign:
        each(selectDesignChoices, [&](DesignMethod m) { request.setDesignMethod(m); });
        break;
    case FollowUpPage::SelectDesignTwoChoices:
        each(selectDesignTwoChoices, [&](DesignMethod m) { request.setDesignMethod(m); });
        break;
    case FollowUpPage::BaseForTables:
        each(baseForTablesChoices, [&](TableBase b) { request.setTableBase(b); });
        break;
    case FollowUpPage::LoadReduction:
        each(walk.loadReductionTexts, [&](std::string_view text) { request.takeLoadReduction(text); });
        break;
    }
}

}  // namespace

void forEachWizardRequest(std::string_view soilDensityText, std::span<const std::string_view> loadReductionTexts,
                          const std::function<void(FillTableRequest&)>& visit) {
    const Walk walk{loadReductionTexts, visit};
    FillTableRequest request;
    for (int shape = 0; shape < shapeCount; ++shape)
        for (int load = 0; load < liveLoadCount; ++load)
            for (int conditions = 0; conditions < conditionsCount; ++conditions)
                for (int showCriteria : {0, 1}) {
                    const MainPageValues page = {.shape = shape,
                                                 .liveLoad = static_cast<LiveLoad>(load),
                                                 .soilDensityText = std::string(soilDensityText),
                                                 .conditions = static_cast<Conditions>(conditions),
                                                 .showCriteria = showCriteria};
                    if (request.takeMainPage(page)) answerFrom(0, request, walk);
                }
}

}  // namespace csp
