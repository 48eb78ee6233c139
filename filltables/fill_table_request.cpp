#include "filltables/fill_table_request.h"

#include "filltables/shape_table.h"
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

bool isAstmConditions(Conditions conditions) {
    return conditions == Conditions::EmbankmentAstmAashto || conditions == Conditions::TrenchAstm;
}

}  // namespace

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
    case LiveLoad::E80: break;
    }
    return 2;
}

std::optional<FollowUpPage> pageAskedAt(FollowUpStep step, int shape, Conditions conditions) {
    const ShapeSpec* spec = shapeSpecOf(shape);
    switch (step) {
    case FollowUpStep::Trench:
        if (isTrenchConditions(conditions) && spec && spec->isRibProfile()) return FollowUpPage::TrenchDetails;
        return std::nullopt;
    case FollowUpStep::Design:
        if (conditions == Conditions::EmbankmentAstmAashto) return FollowUpPage::SelectDesign;
        if (conditions == Conditions::TrenchAstm) return FollowUpPage::SelectDesignTwoChoices;
        return std::nullopt;
    case FollowUpStep::Base:
        if (spec && spec->baseChoice) return FollowUpPage::BaseForTables;
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
    if (Outcome read = checkTypedNumber("soil density", text, units::poundsPerCubicFoot); !read) return std::move(read).from("soil-density");
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
    const ShapeSpec* spec = shapeSpecOf(shape_);
    const int column = static_cast<int>(conditions_);
    const bool known = spec && column >= 0 && column < conditionsCount;
    flexibilityFactor_ = known ? spec->flexibility[static_cast<std::size_t>(column)] : 0.0;
}

Outcome FillTableRequest::generate() {
    prepare();
    tableValues_ = {};
    const ShapeSpec* spec = shapeSpecOf(shape_);
    if (!spec || (!spec->round && !spec->arch)) return Outcome::failure("This case is unavailable.");
    const Outcome computed = spec->round ? computeRoundTable(*this, *spec->round, tableValues_)
                                         : computeArchTable(*this, *spec->arch, tableValues_);
    if (!computed) return computed;
    if (spec->round)
        writeRoundTable(*this, *spec->round, tableValues_, report_);
    else
        writeArchTable(*this, *spec->arch, tableValues_, report_);
    if (showCriteria_ == 0) appendCriteriaBlock(tableValues_.criteria);
    return Outcome::success();
}

}  // namespace csp
