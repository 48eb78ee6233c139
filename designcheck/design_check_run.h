#pragma once

// The steps of a design check's run, each block computed from the entries
// and then written from what was computed; design_check_report.cpp runs
// them in the report's order.
#include "designcheck/design_check.h"
#include "designcheck/design_check_result.h"
#include "shell/report_listing.h"

namespace csp::designcheck {

LoadResult computeLoads(const DesignCheck& check, double span);
BucklingResult computeBuckling(const DesignCheck& check, double span);
AreaResult computeArea(const DesignCheck& check, const LoadResult& loads, const BucklingResult& buckling);
std::optional<SeamResult> computeSeam(const DesignCheck& check, const LoadResult& loads);
std::optional<HandlingResult> computeHandling(const DesignCheck& check, double span);
CoverResult computeCover(const DesignCheck& check, double span);
std::optional<CornerResult> computeCorner(const DesignCheck& check, double span);

// Earth load, live load, pressure and thrust blocks.
void appendLoadBlocks(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report);
void appendBucklingBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report);
void appendAreaBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report);
void appendSeamBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report);
void appendHandlingBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report);
void appendCoverBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report);
void appendCornerBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report);

// Writes the whole report; returns the index of the first line of its
// second printed page.
int writeDesignCheckReport(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report);

inline const char* verdictText(bool ok) { return ok ? "OK" : "NO GOOD"; }

}  // namespace csp::designcheck
