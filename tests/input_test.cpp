#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

namespace {

struct HoverCase {
    const char* what;
    int x, y;
    int expected;
};

// The board as the main loop lays it out: columns at 330, 483, 636, 789 and
// rows at 120, 273, 426, 150 pixels wide with 3-pixel gaps.
const HoverCase laidOutCases[] = {
    {"cell 1 first column is outside", 330, 200, 0},
    {"cell 1 first row is outside", 400, 120, 0},
    {"cell 1 second column and row", 331, 121, 1},
    {"cell 1 last column and row", 479, 269, 1},
    {"gap right of cell 1", 481, 200, 0},
    {"gap column at cell 2's edge", 483, 200, 0},
    {"cell 2 just inside", 484, 200, 2},
    {"gap below cell 1", 400, 271, 0},
    {"cell 6, middle of the board", 560, 350, 6},
    {"cell 12 last pixel", 938, 575, 12},
    {"past cell 12", 940, 575, 0},
    {"exit button top-left", 867, 664, targetExitButton},
    {"above the exit button", 867, 663, 0},
    {"exit button bottom-right", 963, 680, targetExitButton},
    {"right of the exit button", 964, 680, 0},
    {"below the exit button", 963, 681, 0},
    {"left of the exit button", 866, 670, 0},
    {"new-game button top-left", 566, 611, targetNewGameButton},
    {"above the new-game button", 566, 610, 0},
    {"new-game button bottom-right", 687, 635, targetNewGameButton},
    {"right of the new-game button", 688, 635, 0},
    {"left of the new-game button", 565, 620, 0},
    {"below the new-game button", 687, 636, 0},
    {"screen corner", 0, 0, 0},
};

// Before the grid is laid out every cell corner is 0, 0, so the last cell
// takes the square 1..149.
const HoverCase zeroGridCases[] = {
    {"origin", 0, 0, 0},
    {"first inner pixel", 1, 1, 12},
    {"last inner pixel", 149, 149, 12},
    {"one past", 150, 149, 0},
    {"exit button still answers", 900, 670, targetExitButton},
};

class HoverTargetTest : public ::testing::Test {
protected:
    void SetUp() override { resetGameState(); }
    void TearDown() override { resetGameState(); }
};

TEST_F(HoverTargetTest, LaidOutBoardAndButtons)
{
    layOutBoard();
    for (const HoverCase& c : laidOutCases)
        EXPECT_EQ(findHoverTarget(c.x, c.y), c.expected) << c.what << " at " << c.x << ", " << c.y;
}

TEST_F(HoverTargetTest, ZeroGridBeforeLayout)
{
    for (const HoverCase& c : zeroGridCases)
        EXPECT_EQ(findHoverTarget(c.x, c.y), c.expected) << c.what << " at " << c.x << ", " << c.y;
}

class PollTest : public ScriptedGameTest {};

TEST_F(PollTest, LogicSeesThePreviousPoll)
{
    beginMainLoop();
    scripted.mouse = {560, 350, 1};
    pollMouse();
    // The very first poll reports the state held before any poll: nothing.
    EXPECT_EQ(mouseX, 0);
    EXPECT_EQ(mouseButtons, 0);
    EXPECT_EQ(hoverTarget, 0);

    scripted.mouse = {900, 670, 0};
    pollMouse();
    EXPECT_EQ(mouseX, 560);
    EXPECT_EQ(mouseY, 350);
    EXPECT_EQ(mouseButtons, 1);
    EXPECT_EQ(hoverTarget, 6);   // the target of the old position, not the live one

    pollMouse();
    EXPECT_EQ(hoverTarget, targetExitButton);
    EXPECT_EQ(mouseButtons, 0);
}

TEST_F(PollTest, ClickBetweenTwoPollsIsNotSeen)
{
    beginMainLoop();
    scripted.mouse = {560, 350, 0};
    pollMouse();
    scripted.mouse.buttons = 1;   // pressed ...
    scripted.mouse.buttons = 0;   // ... and released before the next poll
    pollMouse();
    pollMouse();
    EXPECT_EQ(mouseButtons, 0);
}
}  // namespace
