#include "shell/resizable_layout.h"

#include <gtest/gtest.h>

#include <map>

#include "shell/dialog_units.h"
#include "shell/results_window_design.h"

namespace csp {
namespace {

struct AnchorCase {
    const char* name;
    std::uint16_t flags;
    ClientRect expected;  // of the control at (10, 20)-(60, 34) after the window grew by 30 x 40
};

TEST(AnchoredRect, EachFlagFollowsTheCornerAndStretchingWinsOverMoving) {
    const ClientRect control{10, 20, 60, 34};
    const SizeChange grown{30, 40};
    const AnchorCase cases[] = {
        {"no flags: stays", 0, {10, 20, 60, 34}},
        {"move right: shifts by the width change", MoveRight, {40, 20, 90, 34}},
        {"move down: shifts by the height change", MoveDown, {10, 60, 60, 74}},
        {"stretch right: right side follows", StretchRight, {10, 20, 90, 34}},
        {"stretch down: bottom follows", StretchDown, {10, 20, 60, 74}},
        {"stretch right wins over move right", StretchRight | MoveRight, {10, 20, 90, 34}},
        {"stretch down wins over move down", StretchDown | MoveDown, {10, 20, 60, 74}},
        {"the list of the Results window grows both ways", StretchRight | StretchDown, {10, 20, 90, 74}},
        {"all four flags: stretches both ways", 15, {10, 20, 90, 74}},
    };
    for (const AnchorCase& c : cases) EXPECT_EQ(anchoredRect(control, c.flags, grown), c.expected) << c.name;
}

TEST(ResizableLayout, AnEntryWithoutFlagsIsNotKeptAndOrderIsKept) {
    ResizableLayout layout;
    layout.registerAnchor(7, 0);
    for (const Anchor& anchor : resultsWindowAnchors) layout.registerAnchor(anchor.controlId, anchor.flags);
    ASSERT_EQ(layout.anchors().size(), 4u);
    EXPECT_EQ(layout.anchors()[0].controlId, ResultsList);
    EXPECT_EQ(layout.anchors()[1].controlId, ResultsOk);
    EXPECT_EQ(layout.anchors()[3].controlId, ResultsPrint);
}

// A window with the Results window's four controls, resized as the
// toolkit would report it.
class AnchoredWindow : public testing::Test {
protected:
    void SetUp() override {
        for (const Anchor& anchor : resultsWindowAnchors) layout.registerAnchor(anchor.controlId, anchor.flags);
        controls[ResultsList] = {3, 11, 477, 296};
        controls[ResultsOk] = {3, 312, 78, 335};
        controls[ResultsSaveAs] = {98, 312, 173, 335};
        controls[ResultsPrint] = {188, 312, 263, 335};
    }
    void resize(ClientSize size, bool minimised = false) {
        const std::optional<SizeChange> change = layout.clientResized(size, minimised);
        if (!change) return;
        layout.moveAnchoredControls(
            *change,
            [this](std::uint16_t id) -> std::optional<ClientRect> {
                const auto found = controls.find(id);
                if (found == controls.end()) return std::nullopt;
                return found->second;
            },
            [this](std::uint16_t id, ClientRect rect) { controls[id] = rect; });
    }
    ResizableLayout layout;
    std::map<std::uint16_t, ClientRect> controls;
};

TEST_F(AnchoredWindow, TheFirstSizeOnlyRecordsItAndNothingMoves) {
    const auto before = controls;
    resize({480, 340});
    EXPECT_EQ(controls, before);
    EXPECT_FALSE(layout.resized());
    EXPECT_EQ(layout.lastClientSize(), (ClientSize{480, 340}));
}

TEST_F(AnchoredWindow, EnlargingGrowsTheListAndMovesTheButtonsDownKeepingTheirPlaceAcross) {
    resize({480, 340});
    resize({600, 400});
    EXPECT_TRUE(layout.resized());
    EXPECT_EQ(controls[ResultsList], (ClientRect{3, 11, 597, 356}));
    EXPECT_EQ(controls[ResultsOk], (ClientRect{3, 372, 78, 395}));
    EXPECT_EQ(controls[ResultsSaveAs], (ClientRect{98, 372, 173, 395}));
    EXPECT_EQ(controls[ResultsPrint], (ClientRect{188, 372, 263, 395}));
}

TEST_F(AnchoredWindow, MinimisingAndRestoringMovesNothing) {
    resize({480, 340});
    resize({600, 400});
    const auto before = controls;
    resize({0, 0}, true);
    EXPECT_EQ(layout.lastClientSize(), (ClientSize{600, 400})) << "the size before minimising stays the reference";
    resize({600, 400});
    EXPECT_EQ(controls, before);
}

TEST_F(AnchoredWindow, AMissingControlIsSkippedAndTheOthersStillMove) {
    controls.erase(ResultsSaveAs);
    resize({480, 340});
    resize({480, 360});
    EXPECT_EQ(controls.count(ResultsSaveAs), 0u);
    EXPECT_EQ(controls[ResultsPrint].top, 332);
}

TEST_F(AnchoredWindow, AfterAResetTheNextSizeOnlyRecordsAgain) {
    resize({480, 340});
    resize({500, 340});
    layout.reset();
    EXPECT_FALSE(layout.resized());
    const auto before = controls;
    resize({700, 500});
    EXPECT_EQ(controls, before);
}

struct RememberedCase {
    const char* name;
    int width, height;
    std::optional<ClientSize> expected;
};

TEST(RememberedWindowSize, BothKeysNonZeroAndWithinTheScreen) {
    const ClientSize screen{1024, 740};
    const ClientSize designed{480, 340};
    const RememberedCase cases[] = {
        {"both remembered: restored", 600, 420, ClientSize{600, 420}},
        {"width only: ignored", 600, 0, std::nullopt},
        {"height only: ignored", 0, 420, std::nullopt},
        {"nothing remembered", 0, 0, std::nullopt},
        {"a negative size is no size", -600, 420, std::nullopt},
        {"larger than the screen: limited to it", 3000, 2000, ClientSize{1024, 740}},
        {"wider than the screen only", 1500, 500, ClientSize{1024, 500}},
        {"smaller than designed: the designed size", 100, 100, ClientSize{480, 340}},
    };
    for (const RememberedCase& c : cases)
        EXPECT_EQ(rememberedWindowSize(c.width, c.height, screen, designed), c.expected) << c.name;
}

TEST(WindowSizeSection, TheResourceIdentifierInLowercaseHex) {
    EXPECT_EQ(windowSizeSection(resultsWindowDesign(ProgramId::Tabrell).resourceId), "86");
    EXPECT_EQ(windowSizeSection(resultsWindowDesign(ProgramId::Verrick).resourceId), "87");
    EXPECT_EQ(windowSizeSection(resultsWindowDesign(ProgramId::Ombrel).resourceId), "85");
    EXPECT_EQ(windowSizeSection(0xab), "ab");
}

TEST(DialogUnits, AQuarterCharacterAcrossAndAnEighthDownRoundedHalfAway) {
    const DialogBaseUnits courier{7, 13};
    EXPECT_EQ(averageCharWidth(52 * 7), 7);
    EXPECT_EQ(averageCharWidth(52 * 7 + 25), 7) << "rounded, not truncated upward";
    EXPECT_EQ(averageCharWidth(52 * 7 + 26), 8);
    EXPECT_EQ(horizontalPixels(4, courier), 7);
    EXPECT_EQ(horizontalPixels(2, courier), 4) << "3.5 rounds up";
    EXPECT_EQ(verticalPixels(8, courier), 13);
    EXPECT_EQ(verticalPixels(7, courier), 11) << "11.375";
    EXPECT_EQ(toPixels(DialogSize{320, 209}, courier), (ClientSize{560, 340}));
}

TEST(DialogUnits, RectanglesConvertEachEdgeSoNeighboursStayFlush) {
    const DialogBaseUnits base{6, 13};
    const ClientRect left = toPixels(DialogRect{1, 1, 1, 1}, base);
    const ClientRect right = toPixels(DialogRect{2, 2, 1, 1}, base);
    EXPECT_EQ(left.right, right.left);
    EXPECT_EQ(left.bottom, right.top);
    EXPECT_EQ(toPixels(DialogRect{2, 7, 316, 182}, base), (ClientRect{3, 11, 477, 307}));
}

}  // namespace
}  // namespace csp
