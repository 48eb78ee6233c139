#include <gtest/gtest.h>

#include "servicelife/service_life_entries.h"
#include "shell/listing_file.h"
#include "shell/page_model.h"

namespace csp {
namespace {

using pages::Answer;
using pages::PageSession;

// Ombrel's one page: Next gives the door's report for the entries held, a
// refusal keeps the page, OK goes back with the entries kept, Done ends,
// and More Info shows each abrasion level's details.
TEST(ServiceLifePageModel, NextOkDoneAndDetails) {
    PageSession session(serviceLifeProgram());
    session.change("gage", "3");
    session.change("ph", "7 abc");
    const Answer refused = session.press("next");
    ASSERT_EQ(refused.kind, Answer::Kind::Message);
    EXPECT_EQ(refused.message.rows.front().second, "The pH '7 abc' is not a number.");
    EXPECT_EQ(refused.message.focus, "ph");
    session.change("ph", "6.5");
    ASSERT_EQ(session.press("next").kind, Answer::Kind::Results);
    Entries entries;
    for (const auto& [name, text] : session.linkEntries()) entries.set(name, text);
    ReportListing listing;
    ASSERT_TRUE(produceServiceLife(entries, listing));
    EXPECT_EQ(session.results().saved, savedBytes(listing));
    EXPECT_EQ(session.results().fileName, "ombrel-12ga-5000ohm-cm-ph6.5.txt");
    session.press("ok");
    EXPECT_FALSE(session.showingResults());
    EXPECT_EQ(session.page().controls.front().selected, 3);
    const auto details = session.details("more-info");
    ASSERT_TRUE(details);
    EXPECT_EQ(details->rows.size(), 4u);
    EXPECT_EQ(session.press("done").kind, Answer::Kind::End);
}

}  // namespace
}  // namespace csp
