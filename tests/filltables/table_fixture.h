#pragma once

#include <string>
#include <vector>

#include "filltables/fill_table_request.h"

namespace csp::testing_tables {

// The choices of one run of the wizard, set straight into the request.
struct TableChoice {
    int shape = 4;
    LiveLoad liveLoad = LiveLoad::H20;
    Conditions conditions = Conditions::EmbankmentAstmAashto;
    DesignMethod design = DesignMethod::Asd;
    TableBase base = TableBase::Helical;
    TrenchType trench = TrenchType::Standard;
    const char* loadReduction = "1.0";
    int showCriteria = 1;
    const char* soilDensity = "120";
};

inline FillTableRequest requestFor(const TableChoice& choice) {
    FillTableRequest request;
    request.setShape(choice.shape);
    request.setLiveLoad(choice.liveLoad);
    request.setConditions(choice.conditions);
    request.setDesignMethod(choice.design);
    request.setTableBase(choice.base);
    request.setTrenchType(choice.trench);
    request.setLoadReductionText(choice.loadReduction);
    request.setShowCriteria(choice.showCriteria);
    request.setSoilDensityText(choice.soilDensity);
    return request;
}

struct Generated {
    bool ok;
    std::string message;
    std::vector<std::string> lines;
};

inline Generated generateTable(const TableChoice& choice) {
    FillTableRequest request = requestFor(choice);
    Generated result;
    const Outcome generated = request.generate();
    result.ok = generated.ok();
    result.message = generated.message;
    result.lines = request.report().lines();
    return result;
}

// The lines after the header: for round pipe the rows start after the
// 9-line head, for pipe-arches after the 8-line head.
inline std::vector<std::string> rowsOf(const Generated& table, std::size_t headLines) {
    std::vector<std::string> rows;
    for (std::size_t i = headLines; i < table.lines.size() && table.lines[i] != " "; ++i)
        rows.push_back(table.lines[i]);
    return rows;
}

}  // namespace csp::testing_tables
