#include "servicelife/service_life_run.h"

#include <gtest/gtest.h>

#include "servicelife/service_life_report.h"

namespace csp {
namespace {

TEST(ProduceServiceLifeReport, ThePresetsGiveTheReportOfAGalvanizedLifeOf70Years) {
    ServiceLifeInput input;
    ReportListing listing;
    ASSERT_TRUE(produceServiceLifeReport(input, listing));
    EXPECT_EQ(galvanizedLife(input), 70);

    ServiceLifeInput same;
    estimateLife(same);
    ReportListing expected;
    buildServiceLifeReport(same, expected);
    EXPECT_EQ(listing.lines(), expected.lines());
}

TEST(ProduceServiceLifeReport, ARefusedInputAppendsNothingAndKeepsTheEstimate) {
    ServiceLifeInput input;
    input.estimatedLife = 12.5;
    input.phText = "15";
    ReportListing listing;
    const Outcome outcome = produceServiceLifeReport(input, listing);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message, "The pH must be between 0 and 14.");
    EXPECT_TRUE(listing.isEmpty());
    EXPECT_EQ(input.estimatedLife, 12.5);
}

}  // namespace
}  // namespace csp
