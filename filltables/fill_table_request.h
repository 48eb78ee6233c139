#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/outcome.h"
#include "shell/report_listing.h"

namespace csp {

enum class LiveLoad : int { H20 = 0, H25 = 1, E80 = 2 };
enum class BucklingEquation : int { AashtoAstm = 0, Aisi = 1 };
enum class Conditions : int { EmbankmentAstmAashto = 0, TrenchAstm = 1, EmbankmentAisi = 2, TrenchAisi = 3 };
enum class DesignMethod : int { Asd = 0, Lrfd = 1, AashtoLfd = 2 };
enum class TableBase : int { Helical = 0, Annular = 1 };
enum class TrenchType : int { Special = 0, Standard = 1 };

inline constexpr int liveLoadCount = 3;
inline constexpr int conditionsCount = 4;

// A shape is the index of its entry in the main page's shape-and-profile
// list, whose rows are in filltables/shape_table.h.
bool isAisiConditions(Conditions conditions);
bool isTrenchConditions(Conditions conditions);
// H 20, H 25, and E 80 for any other value: the row of a per-live-load table.
int liveLoadIndex(LiveLoad liveLoad);

// Follow-up pages of the wizard, each asked only when the choice on the main
// page needs it.
enum class FollowUpPage { TrenchDetails, SelectDesign, SelectDesignTwoChoices, BaseForTables, LoadReduction };
// The steps of the follow-up page rule, in the order the pages come.
enum class FollowUpStep { Trench, Design, Base, LoadReduction };
inline constexpr std::array<FollowUpStep, 4> followUpSteps = {FollowUpStep::Trench, FollowUpStep::Design,
                                                               FollowUpStep::Base, FollowUpStep::LoadReduction};

// The page asked at one step for a main-page choice, if any.
std::optional<FollowUpPage> pageAskedAt(FollowUpStep step, int shape, Conditions conditions);
// Every page asked for a main-page choice, in order.
std::vector<FollowUpPage> followUpPages(int shape, Conditions conditions);

// How a follow-up page was left: "Next >" with its value stored in the
// request, or the back button (or any other close), which ends the sequence.
enum class PageExit { Next, Back };
class FillTableRequest;
// Walks the follow-up page rule for the request's shape and conditions:
// each page asked is put to `askPage`, which stores the page's value on
// Next; a page not asked gives its field the rule's value. Back on any page
// ends the walk at once and is returned; Next once every page is answered.
PageExit walkFollowUpPages(FillTableRequest& request, const std::function<PageExit(FollowUpPage)>& askPage);

// What the pages show when they open.
struct MainPageValues {
    int shape = 4;
    LiveLoad liveLoad = LiveLoad::H20;
    std::string soilDensityText = "120";
    Conditions conditions = Conditions::EmbankmentAisi;
    int showCriteria = 0;  // 0 show the criteria block, 1 do not
};
inline constexpr TrenchType trenchDetailsPreselection = TrenchType::Standard;
inline constexpr DesignMethod selectDesignPreselection = DesignMethod::Asd;
inline constexpr TableBase baseForTablesPreselection = TableBase::Helical;
inline constexpr std::string_view loadReductionPreselection = "1.0";

// The soil density in pcf must be a number within 1..10000 (a misread text
// is refused first).
Outcome checkSoilDensity(std::string_view text);
// The soil dead load reduction factor must be a number within 0 (excluded)
// and 1.
Outcome checkLoadReduction(std::string_view text);

// The numbers a table prints, computed before a line is written: the
// report and its chart are both written from them.
enum class TableKind { RoundPipe, PipeArch };
// How a pipe-arch row writes its size: "17 x 13" in inches, "6-1 x 4-7" in
// feet and inches.
enum class SizeNotation { Inches, FeetInches };
inline constexpr std::size_t mostTableColumns = 7;
struct TableRowValues {
    double span, rise;    // in.; a round pipe's rise is its span
    double minimumCover;  // in.
    std::array<double, mostTableColumns> covers;  // ft, one per column
    double thickness;     // in., a pipe-arch row's wall; 0 for a round pipe
};
// What the criteria block states about the table.
struct TableCriteria {
    double fillDensity = 0.0;       // pcf
    double loadReduction = 0.0;
    double flexibilityLimit = 0.0;  // the limit the block prints
    double seamSafetyFactor = 0.0;  // noSeamCheck when none applied
    std::array<double, 3> spanDivisors{}, minimumCovers{};  // by live load
};
struct TableValues {
    TableKind kind = TableKind::RoundPipe;
    SizeNotation notation = SizeNotation::Inches;
    // Each column's wall thickness (in., round pipe) or corner bearing
    // pressure (psf, pipe-arch).
    std::vector<double> columns;
    std::vector<TableRowValues> rows;
    TableCriteria criteria;
};

// One request for a fill-height table: what the pages chose, what prepare
// derives from it, and the report the generator writes.
class FillTableRequest {
public:
    ReportListing& report() { return report_; }
    const ReportListing& report() const { return report_; }
    // The values of the table, as generate last computed them.
    TableValues& tableValues() { return tableValues_; }
    const TableValues& tableValues() const { return tableValues_; }

    LiveLoad liveLoad() const { return liveLoad_; }
    BucklingEquation bucklingEquation() const { return bucklingEquation_; }
    int shape() const { return shape_; }
    Conditions conditions() const { return conditions_; }
    DesignMethod designMethod() const { return designMethod_; }
    int showCriteria() const { return showCriteria_; }
    int seamSafetyFactor() const { return seamSafetyFactor_; }
    TableBase tableBase() const { return tableBase_; }
    TrenchType trenchType() const { return trenchType_; }
    const std::string& soilDensityText() const { return soilDensityText_; }
    const std::string& loadReductionText() const { return loadReductionText_; }
    double flexibilityFactor() const { return flexibilityFactor_; }

    void setLiveLoad(LiveLoad value) { liveLoad_ = value; }
    void setShape(int value) { shape_ = value; }
    void setConditions(Conditions value) { conditions_ = value; }
    void setSoilDensityText(std::string value) { soilDensityText_ = std::move(value); }
    void setShowCriteria(int value) { showCriteria_ = value; }
    void setTrenchType(TrenchType value) { trenchType_ = value; }
    void setDesignMethod(DesignMethod value) { designMethod_ = value; }
    void setTableBase(TableBase value) { tableBase_ = value; }
    void setLoadReductionText(std::string value) { loadReductionText_ = std::move(value); }

    // Fill density w (pcf) and load reduction factor, read from the texts.
    double fillDensity() const;
    double loadReductionFactor() const;

    // "Next >" on the main page: checks the soil density, then copies the
    // five choices; on failure nothing is copied.
    Outcome takeMainPage(const MainPageValues& page);
    // "Next >" on the Load Reduction page: checks the text, then stores it.
    Outcome takeLoadReduction(std::string_view text);
    // A follow-up page that the rule does not ask gives its field the
    // rule's value (Standard trench, ASD, helical pipe, factor "1.0").
    void takeValueOfPageNotAsked(FollowUpStep step);

    // Derives the buckling equation, seam safety factor, flexibility factor
    // and, for the ASTM condition sets, the load reduction text.
    void prepare();
    // Runs prepare, computes the table of the shape into tableValues, and
    // appends its report, written from them. A refusal carries the message
    // to show (possibly empty), and appends nothing.
    Outcome generate();

    // The block that states the criteria a table rests on.
    void appendCriteriaBlock(const TableCriteria& criteria);

private:
    ReportListing report_;
    TableValues tableValues_;
    LiveLoad liveLoad_ = LiveLoad::H20;
    BucklingEquation bucklingEquation_ = BucklingEquation::AashtoAstm;
    int shape_ = 0;
    Conditions conditions_ = Conditions::EmbankmentAstmAashto;
    DesignMethod designMethod_ = DesignMethod::Asd;
    int showCriteria_ = 0;
    int seamSafetyFactor_ = 0;
    TableBase tableBase_ = TableBase::Helical;
    // Read only if a page of the very first sequence is closed without a
    // choice; the page's own preselection is the safe value.
    TrenchType trenchType_ = trenchDetailsPreselection;
    std::string soilDensityText_;
    std::string loadReductionText_;
    double flexibilityFactor_ = 0.0;
};

}  // namespace csp
