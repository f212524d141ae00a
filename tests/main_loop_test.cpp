#include "shell/game_state.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"

#include <allegro5/allegro_primitives.h>
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

class MainLoopTest : public ScriptedGameTest {
protected:
    void SetUp() override
    {
        ScriptedGameTest::SetUp();
        startGame();
        beginMainLoop();
        // The loop's own mechanics, without a level being set up first.
        levelStarted = 1;
    }
};

TEST_F(MainLoopTest, EscapeIsSeenOnePollLate)
{
    scripted.escapeAtFlip(2);   // pressed after the second pass's flip
    EXPECT_EQ(runPasses(10), 4);   // read by pass 3, acted on by pass 4
    EXPECT_EQ(scripted.screen(), nullptr) << "the exit sequence closes the window";
}

TEST_F(MainLoopTest, EscapeHeldFromBeforeTheLoopEndsTheFirstPass)
{
    keyboardState.escapeDown = true;   // as a menu left with Escape leaves it
    EXPECT_EQ(runPasses(10), 1);
}

TEST_F(MainLoopTest, ExitButtonEndsThePassWhoseSnapshotShowsItPressed)
{
    scripted.mouseAtFlip(3, 900, 670, 1);   // live from pass 4's poll on
    EXPECT_EQ(runPasses(10), 5);   // pass 5's snapshot is the first to hold it
}

TEST_F(MainLoopTest, ButtonBitsOtherThanThePrimaryAloneDoNotClick)
{
    scripted.mouse = {900, 670, 3};
    EXPECT_EQ(runPasses(5), 0);
    scripted.mouse.buttons = 2;
    EXPECT_EQ(runPasses(5), 0);
}

TEST_F(MainLoopTest, HoverLightsTheExitButtonAndLeavingRestoresIt)
{
    int clean[3], shown[3];
    backgroundPixel(900, 670, clean);

    scripted.mouse = {900, 670, 0};
    runPasses(2);   // the second pass's snapshot is over the button
    screenPixel(900, 670, shown);
    for (int c = 0; c < 3; ++c)
        EXPECT_GT(shown[c], clean[c] + 5) << "channel " << c << " lit";

    // Straight onto a cube, with no pass over empty ground in between.
    scripted.mouse = {560, 350, 0};
    runPasses(2);
    screenPixel(900, 670, shown);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(shown[c], clean[c]) << "channel " << c << " restored";
}

TEST_F(MainLoopTest, NewGameButtonActsOnlyOnceTheGameIsOver)
{
    scripted.mouse = {600, 620, 1};
    runPasses(3);
    EXPECT_EQ(level, 0) << "not shown during play, so not clickable";

    level = 4;
    levelMoves[0] = 30;
    levelMoves[1] = 40;
    levelMoves[2] = 50;
    moveCount = 7;
    int flipsBefore = scripted.flips;
    runPasses(1);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(moveCount, 0);
    EXPECT_EQ(levelStarted, 0);
    for (int moves : levelMoves)
        EXPECT_EQ(moves, 0);
    EXPECT_EQ(scripted.flips - flipsBefore, 44 + 1) << "the fade, then the pass's own flip";
}

TEST_F(MainLoopTest, MoveCounterShowsTheCount)
{
    moveCount = 0;
    runPasses(2);
    int zero[3];
    screenPixel(396, 45, zero);
    moveCount = 88;   // a wide number, ink where "0" has none
    runPasses(2);
    bool changed = false;
    for (int x = 370; x < 420 && !changed; ++x)
        for (int y = 36; y < 58 && !changed; ++y) {
            int before[3], now[3];
            backgroundPixel(x, y, before);
            screenPixel(x, y, now);
            changed = now[0] != before[0] || now[1] != before[1] || now[2] != before[2];
        }
    EXPECT_TRUE(changed) << "the digits are drawn over the restored box";
}

TEST_F(MainLoopTest, LevelEndsWhenTheSixthPictureIsMarked)
{
    runPasses(1);
    moveCount = 23;
    for (int k = 1; k <= 5; ++k)
        pictureSolved[k] = 1;
    runPasses(1);
    EXPECT_EQ(level, 0);
    pictureSolved[6] = 1;
    runPasses(1);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(levelMoves[0], 23);
    EXPECT_EQ(moveCount, 0);
    for (int k = 0; k <= 6; ++k)
        EXPECT_EQ(pictureSolved[k], 0);
}

TEST_F(MainLoopTest, ThirdLevelDoneMeansGameOverInTheSamePass)
{
    level = 2;
    for (int k = 1; k <= 6; ++k)
        pictureSolved[k] = 1;
    runPasses(2);   // the first pass comes too soon for a game frame
    EXPECT_EQ(level, 4);
}

TEST_F(MainLoopTest, HundredsOfPassesRunOnTheVirtualClock)
{
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(runPasses(500), 0);
    double realSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    RecordProperty("real_ms", int(realSeconds * 1000));
    EXPECT_EQ(scripted.flips, 500);
    // Every pass flips and rests 1 ms; all of it on the virtual clock.
    EXPECT_NEAR(scripted.now(), 500 * (scripted.flipSeconds + 0.001), 1e-6);
}

}  // namespace

namespace {

// Without this the desktop would offer to kill a window that ignores its
// close box, and a level in play would be lost.
TEST_F(MainLoopTest, CloseBoxEndsTheGameLikeEscape)
{
    scripted.atFlip(2, [this] { scripted.closeClicked = true; });
    EXPECT_EQ(runPasses(10), 4);
    EXPECT_EQ(scripted.screen(), nullptr);
}

}  // namespace

namespace {

// Once the game is over both buttons show; going straight from one lit
// button onto the other must leave the first unlit.
TEST_F(MainLoopTest, StraightFromOneLitButtonOntoTheOtherUnlightsTheFirst)
{
    level = levelGameOver;
    int exitClean[3], exitShown[3], newGameUnlit[3], newGameShown[3];
    backgroundPixel(900, 670, exitClean);
    runPasses(2);
    screenPixel(600, 620, newGameUnlit);

    scripted.mouse = {900, 670, 0};
    runPasses(2);
    screenPixel(900, 670, exitShown);
    EXPECT_GT(exitShown[0] + exitShown[1] + exitShown[2], exitClean[0] + exitClean[1] + exitClean[2] + 15);

    scripted.mouse = {600, 620, 0};
    runPasses(2);
    screenPixel(900, 670, exitShown);
    screenPixel(600, 620, newGameShown);
    EXPECT_EQ(std::vector<int>(exitShown, exitShown + 3), std::vector<int>(exitClean, exitClean + 3))
        << "the exit button is unlit again";
    EXPECT_GT(newGameShown[0] + newGameShown[1] + newGameShown[2],
              newGameUnlit[0] + newGameUnlit[1] + newGameUnlit[2] + 15)
        << "the new-game button is lit";

    scripted.mouse = {900, 670, 0};
    runPasses(2);
    screenPixel(600, 620, newGameShown);
    EXPECT_EQ(std::vector<int>(newGameShown, newGameShown + 3),
              std::vector<int>(newGameUnlit, newGameUnlit + 3))
        << "and back: the new-game button is unlit again";
}

}  // namespace
