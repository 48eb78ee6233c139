#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "filltables/fill_table_entries.h"
#include "shell/listing_file.h"
#include "shell/page_model.h"

namespace csp {
namespace {

using pages::Answer;
using pages::Control;
using pages::PageSession;

// The saved bytes the door gives for the entries the pages hold.
std::string doorBytes(const PageSession& session) {
    Entries entries;
    for (const auto& [name, text] : session.linkEntries()) entries.set(name, text);
    ReportListing listing;
    if (!produceFillTable(entries, listing)) return "refused";
    return savedBytes(listing);
}

// A page's Alt+letters: no letter twice, and every button has one.
bool mnemonicsAreDistinct(const pages::Page& page) {
    std::set<char> used;
    int given = 0;
    const auto take = [&](char letter) {
        if (letter == 0) return;
        ++given;
        used.insert(letter);
    };
    for (const pages::Button& button : page.buttons) {
        if (button.mnemonic == 0) return false;
        take(button.mnemonic);
    }
    for (const Control& control : page.controls) {
        take(control.mnemonic);
        for (char letter : control.itemMnemonics) take(letter);
    }
    return static_cast<int>(used.size()) == given;
}

struct Walk {
    std::vector<std::string> pages;  // the follow-up pages in the order shown
    bool results = false;
};

// From the main page with the given choices, Next through the follow-up
// pages, answering each with the next of `answers` (a radio position, or
// the typed factor), and on to Results.
Walk walk(PageSession& session, int shape, int conditions, int liveLoad, const std::vector<int>& answers) {
    session.change("shape", std::to_string(shape));
    session.change("conditions", std::to_string(conditions));
    session.change("live-load", std::to_string(liveLoad));
    Walk walked;
    Answer answer = session.press("next");
    for (std::size_t step = 0; answer.kind == Answer::Kind::Page && !session.showingResults() && step < 8; ++step) {
        const pages::Page page = session.page();
        EXPECT_TRUE(mnemonicsAreDistinct(page)) << page.id;
        walked.pages.push_back(page.id);
        const std::size_t at = walked.pages.size() - 1;
        const int choice = at < answers.size() ? answers[at] : 0;
        if (page.controls.front().kind == Control::Kind::Radio)
            session.change(page.id, std::to_string(choice));
        else
            session.change(page.id, choice == 0 ? "0.86" : "1.0");
        answer = session.press("next");
    }
    walked.results = session.showingResults();
    return walked;
}

// Every way through the follow-up pages of every shape, condition set and
// live load: each choice of each page asked, and each page's position in
// the sequence, gives the Results the door gives for the entries held.
TEST(FillTablePageModel, EveryWayThroughTheFollowUpPagesGivesTheDoorsTable) {
    int tables = 0;
    std::set<std::string> seen;
    for (int shape = 0; shape < 16; ++shape)
        for (int conditions = 0; conditions < 4; ++conditions)
            for (int liveLoad = 0; liveLoad < 3; liveLoad += 2) {
                // Each page's choices, first all first choices, then each
                // page's every choice in turn.
                for (int page = 0; page < 3; ++page)
                    for (int choice = 0; choice < 3; ++choice) {
                        std::vector<int> answers(3, 0);
                        answers[static_cast<std::size_t>(page)] = choice;
                        PageSession session(fillTableProgram());
                        const Walk walked = walk(session, shape, conditions, liveLoad, answers);
                        for (const std::string& id : walked.pages) seen.insert(id);
                        const std::string door = doorBytes(session);
                        if (!walked.results) {
                            EXPECT_EQ(door, "refused") << shape << " " << conditions << " " << liveLoad;
                            continue;
                        }
                        ++tables;
                        ASSERT_EQ(session.results().saved, door) << shape << " " << conditions << " " << liveLoad;
                    }
            }
    EXPECT_GT(tables, 500);
    EXPECT_EQ(seen, (std::set<std::string>{"trench", "design", "base", "load-reduction"}));
}

// Back and Escape on a follow-up page, and OK in Results, as the desktop
// pages do: Back steps one page, a follow-up page's own Back ends the
// sequence, OK returns to the main page with the entries kept.
TEST(FillTablePageModel, BackEscapeAndOkKeepTheEntries) {
    PageSession session(fillTableProgram());
    session.change("conditions", "3");  // AISI trench: trench details first
    ASSERT_EQ(session.press("next").kind, Answer::Kind::Page);
    const std::string first = session.page().id;
    EXPECT_EQ(session.page().escapeButton, "back");
    EXPECT_EQ(session.depth(), 1);
    session.press("back");
    EXPECT_EQ(session.page().id, "main");
    EXPECT_EQ(session.page().controls[3].selected, 3);
    session.press("next");
    EXPECT_EQ(session.page().id, first);
    session.back();
    EXPECT_EQ(session.page().id, "main");
    EXPECT_EQ(session.press("done").kind, Answer::Kind::End);
}

}  // namespace
}  // namespace csp
