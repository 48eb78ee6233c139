#include "shell/report_listing.h"

#include <gtest/gtest.h>

namespace csp {
namespace {

ReportListing listingOf(std::initializer_list<const char*> lines) {
    ReportListing listing;
    for (const char* line : lines) listing.append(line);
    return listing;
}

TEST(ReportListing, KeepsLinesInTheOrderAdded) {
    const ReportListing listing = listingOf({"b", "a", " "});
    EXPECT_EQ(listing.count(), 3u);
    EXPECT_EQ(listing.line(0), "b");
    EXPECT_EQ(listing.line(2), " ");
    EXPECT_FALSE(listing.line(3).has_value());
}

TEST(ReportListing, InsertAfterPlacesTheLineAtTheNextIndex) {
    ReportListing listing = listingOf({"banner", "input", "check"});
    listing.insertAfter(1, "summary");
    EXPECT_EQ(listing.lines(), (std::vector<std::string>{"banner", "input", "summary", "check"}));
    listing.insertAfter(99, "end");
    EXPECT_EQ(listing.line(4), "end");
}

TEST(ReportListing, RemoveLastHandsBackTheLineOrNothingWhenEmpty) {
    ReportListing listing = listingOf({"one", "two"});
    EXPECT_EQ(listing.removeLast(), "two");
    EXPECT_EQ(listing.removeLast(), "one");
    EXPECT_TRUE(listing.isEmpty());
    EXPECT_FALSE(listing.removeLast().has_value());
}

TEST(ReportListing, ClearEmptiesItForTheNextRun) {
    ReportListing listing = listingOf({"one"});
    listing.clear();
    EXPECT_TRUE(listing.isEmpty());
    EXPECT_EQ(listing.count(), 0u);
}

}  // namespace
}  // namespace csp
