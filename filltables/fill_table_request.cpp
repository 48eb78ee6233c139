#include "filltables/fill_table_request.h"

#include "filltables/arch_tables.h"
#include "filltables/round_tables.h"
#include "shell/typed_number.h"

#include <utility>

namespace csp {
namespace {

constexpr double lightestSoil = 1.0, heaviestSoil = 10000.0;  // pcf
constexpr double fullDeadLoad = 1.0;                          // no load reduction
constexpr const char* fullDeadLoadText = "1.0";

// Seam safety factors: AASHTO/ASTM and AISI.
constexpr int astmSeamSafetyFactor = 3;
constexpr int aisiSeamSafetyFactor = 2;

// Flexibility factor limit (in./lb) by shape and condition set:
// embankment ASTM/AASHTO, trench ASTM, embankment AISI, trench AISI. The rib
// profiles take limits by wall thickness instead and read 0.0 here.
constexpr std::array<std::array<double, conditionsCount>, shapeCount> flexibilityFactorTable = {{
    {0.0, 0.0, 0.0, 0.0},          // 0 round 3/4 x 3/4 x 7-1/2 rib
    {0.0, 0.0, 0.0, 0.0},          // 1 round 3/4 x 1 x 11-1/2 rib
    {0.0, 0.0, 0.0, 0.0},          // 2 round 3/4 x 3/4 x 7-1/2 rib, composite
    {0.0, 0.0, 0.0, 0.0},          // 3 round 3/4 x 1 x 11-1/2 rib, composite
    {0.043, 0.06, 0.0433, 0.06},   // 4 round 2-2/3 x 1/2
    {0.033, 0.06, 0.0433, 0.06},   // 5 round 3 x 1
    {0.033, 0.06, 0.0433, 0.06},   // 6 round 5 x 1
    {0.02, 0.02, 0.02, 0.02},      // 7 round 6 x 2
    {0.043, 0.06, 0.065, 0.06},    // 8 pipe-arch 2-2/3 x 1/2
    {0.033, 0.06, 0.065, 0.06},    // 9 pipe-arch 3 x 1
    {0.033, 0.06, 0.065, 0.06},    // 10 pipe-arch 5 x 1
    {0.03, 0.02, 0.03, 0.03},      // 11 pipe-arch 6 x 2, 18 in.
    {0.03, 0.02, 0.03, 0.03},      // 12 pipe-arch 6 x 2, 31 in.
    {0.03, 0.02, 0.03, 0.03},      // 13 underpass 6 x 2
    {0.0, 0.0, 0.0, 0.0},          // 14 pipe-arch 3/4 x 3/4 x 7-1/2 ribs
    {0.0, 0.0, 0.0, 0.0},          // 15 pipe-arch 3/4 x 1 x 11-1/2 ribs
}};

bool hasTableBaseChoice(int shape) { return shape == 4 || shape == 5 || shape == 8 || shape == 9; }

bool isAstmConditions(Conditions conditions) {
    return conditions == Conditions::EmbankmentAstmAashto || conditions == Conditions::TrenchAstm;
}

}  // namespace

bool isRibProfile(int shape) { return (shape >= 0 && shape <= 3) || shape == 14 || shape == 15; }

bool isAisiConditions(Conditions conditions) {
    return conditions == Conditions::EmbankmentAisi || conditions == Conditions::TrenchAisi;
}

bool isTrenchConditions(Conditions conditions) {
    return conditions == Conditions::TrenchAstm || conditions == Conditions::TrenchAisi;
}

int liveLoadIndex(LiveLoad liveLoad) {
    switch (liveLoad) {
    case LiveLoad::H20: return 0;
    case LiveLoad::H25: return 1;
    default: return 2;
    }
}

std::optional<FollowUpPage> pageAskedAt(FollowUpStep step, int shape, Conditions conditions) {
    switch (step) {
    case FollowUpStep::Trench:
        if (isTrenchConditions(conditions) && isRibProfile(shape)) return FollowUpPage::TrenchDetails;
        return std::nullopt;
    case FollowUpStep::Design:
        if (conditions == Conditions::EmbankmentAstmAashto) return FollowUpPage::SelectDesign;
        if (conditions == Conditions::TrenchAstm) return FollowUpPage::SelectDesignTwoChoices;
        return std::nullopt;
    case FollowUpStep::Base:
        if (hasTableBaseChoice(shape)) return FollowUpPage::BaseForTables;
        return std::nullopt;
    case FollowUpStep::LoadReduction:
        if (isAisiConditions(conditions)) return FollowUpPage::LoadReduction;
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<FollowUpPage> followUpPages(int shape, Conditions conditions) {
    std::vector<FollowUpPage> pages;
    for (FollowUpStep step : followUpSteps)
        if (const auto page = pageAskedAt(step, shape, conditions)) pages.push_back(*page);
    return pages;
}

PageExit walkFollowUpPages(FillTableRequest& request, const std::function<PageExit(FollowUpPage)>& askPage) {
    for (FollowUpStep step : followUpSteps) {
        if (const auto page = pageAskedAt(step, request.shape(), request.conditions())) {
            if (askPage(*page) == PageExit::Back) return PageExit::Back;
        } else {
            request.takeValueOfPageNotAsked(step);
        }
    }
    return PageExit::Next;
}

Outcome checkSoilDensity(std::string_view text) {
    if (Outcome read = checkTypedNumber("soil density", text); !read) return std::move(read).from("soil-density");
    const double x = readTypedNumber(text);
    if (!(x >= lightestSoil && x <= heaviestSoil)) return Outcome::failure("The soil density must be between 1 and 10000.").from("soil-density");
    return Outcome::success();
}

Outcome checkLoadReduction(std::string_view text) {
    if (Outcome read = checkTypedNumber("load reduction factor", text); !read)
        return std::move(read).from("load-reduction");
    const double x = readTypedNumber(text);
    if (!(x > 0.0 && x <= fullDeadLoad))
        return Outcome::failure("The soil dead load reduction factor must be > 0 and <= 1.").from("load-reduction");
    return Outcome::success();
}

double FillTableRequest::fillDensity() const { return readTypedNumber(soilDensityText_); }

double FillTableRequest::loadReductionFactor() const { return readTypedNumber(loadReductionText_); }

Outcome FillTableRequest::takeMainPage(const MainPageValues& page) {
    Outcome checked = checkSoilDensity(page.soilDensityText);
    if (!checked) return checked;
    liveLoad_ = page.liveLoad;
    shape_ = page.shape;
    conditions_ = page.conditions;
    soilDensityText_ = page.soilDensityText;
    showCriteria_ = page.showCriteria;
    return checked;
}

Outcome FillTableRequest::takeLoadReduction(std::string_view text) {
    Outcome checked = checkLoadReduction(text);
    if (checked) loadReductionText_ = std::string(text);
    return checked;
}

void FillTableRequest::takeValueOfPageNotAsked(FollowUpStep step) {
    switch (step) {
    case FollowUpStep::Trench: trenchType_ = TrenchType::Standard; break;
    case FollowUpStep::Design: designMethod_ = DesignMethod::Asd; break;
    case FollowUpStep::Base: tableBase_ = TableBase::Helical; break;
    case FollowUpStep::LoadReduction: loadReductionText_ = fullDeadLoadText; break;
    }
}

void FillTableRequest::prepare() {
    if (isAstmConditions(conditions_)) {
        bucklingEquation_ = BucklingEquation::AashtoAstm;
        seamSafetyFactor_ = astmSeamSafetyFactor;
        loadReductionText_ = fullDeadLoadText;
    } else {
        bucklingEquation_ = BucklingEquation::Aisi;
        seamSafetyFactor_ = aisiSeamSafetyFactor;
    }
    const int column = static_cast<int>(conditions_);
    const bool known = shape_ >= 0 && shape_ < shapeCount && column >= 0 && column < conditionsCount;
    flexibilityFactor_ = known ? flexibilityFactorTable[static_cast<std::size_t>(shape_)][static_cast<std::size_t>(column)]
                               : 0.0;
}

Outcome FillTableRequest::generate() {
    prepare();
    tableValues_.columns.clear();
    tableValues_.rows.clear();
    if (shape_ >= 0 && shape_ < firstPipeArchShape)
        return generateRoundTable(*this, roundProfiles[static_cast<std::size_t>(shape_)]);
    if (shape_ >= firstPipeArchShape && shape_ < shapeCount)
        return generateArchTable(*this, archProfiles[static_cast<std::size_t>(shape_ - firstPipeArchShape)]);
    return Outcome::failure("This case is unavailable.");
}

}  // namespace csp
