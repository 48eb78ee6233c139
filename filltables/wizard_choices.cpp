#include "filltables/wizard_choices.h"

#include <algorithm>
#include <vector>

#include "filltables/choice_pages.h"

namespace csp {
namespace {

// How many answers a follow-up page offers.
std::size_t answerCount(FollowUpPage page, std::size_t loadReductionTexts) {
    if (const ChoicePageTexts* texts = choicePageTexts(page)) return texts->choices.size();
    return loadReductionTexts;
}

// Steps to the next combination of answers, the last page's answer
// changing fastest; false after the last one.
bool nextCombination(std::vector<std::size_t>& answers, const std::vector<std::size_t>& counts) {
    for (std::size_t i = answers.size(); i-- > 0;) {
        if (++answers[i] < counts[i]) return true;
        answers[i] = 0;
    }
    return false;
}

}  // namespace

void forEachWizardRequest(std::string_view soilDensityText, std::span<const std::string_view> loadReductionTexts,
                          const std::function<void(FillTableRequest&)>& visit) {
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
                    if (!request.takeMainPage(page)) continue;
                    const std::vector<FollowUpPage> pages = followUpPages(shape, page.conditions);
                    std::vector<std::size_t> counts, answers(pages.size(), 0);
                    for (FollowUpPage asked : pages) counts.push_back(answerCount(asked, loadReductionTexts.size()));
                    if (std::find(counts.begin(), counts.end(), 0u) != counts.end()) continue;
                    do {
                        std::size_t next = 0;
                        walkFollowUpPages(request, [&](FollowUpPage asked) {
                            const std::size_t answer = answers[next++];
                            if (isChoicePage(asked))
                                storeChoice(request, asked, answer);
                            else
                                (void)request.takeLoadReduction(loadReductionTexts[answer]);
                            return PageExit::Next;
                        });
                        visit(request);
                    } while (nextCombination(answers, counts));
                }
}

}  // namespace csp
