#include "puzzle_game_fixture.h"

#include "puzzle/cube_nets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

class RollOnTheBoard : public PuzzleGameTest {
protected:
    void SetUp() override
    {
        PuzzleGameTest::SetUp();
        std::srand(11);
        generateCubes();
        std::memcpy(dealtNet, cubeNet, sizeof dealtNet);
        std::memcpy(dealtTurn, cubeTurn, sizeof dealtTurn);
    }

    bool cubeAsDealt(int c) const
    {
        return std::memcmp(cubeNet[c], dealtNet[c], sizeof dealtNet[c]) == 0 &&
               std::memcmp(cubeTurn[c], dealtTurn[c], sizeof dealtTurn[c]) == 0;
    }
    bool cubeRolledOnce(int c, RollDirection direction) const
    {
        int net[4][4], turn[4][4];
        std::memcpy(net, dealtNet[c], sizeof net);
        std::memcpy(turn, dealtTurn[c], sizeof turn);
        rollNet(net, turn, direction);
        return std::memcmp(cubeNet[c], net, sizeof net) == 0 &&
               std::memcmp(cubeTurn[c], turn, sizeof turn) == 0;
    }

    // Presses on the cube's middle and holds the button dragged by (dx, dy);
    // returns once the press has begun in the game.
    void pressAndDrag(int cube, int dx, int dy)
    {
        setMouse(centreX(cube), centreY(cube), 1);
        runPasses(1);
        setMouse(centreX(cube) + dx, centreY(cube) + dy, 1);
        runPasses(1);
        ASSERT_EQ(pressActive, 1);
        ASSERT_EQ(activeCell, cube);
        ASSERT_EQ(rollStep, 0);
    }

    int dealtNet[cubeCount + 1][4][4];
    int dealtTurn[cubeCount + 1][4][4];
};

TEST_F(RollOnTheBoard, ARollTakesSeventySixFramesAndChangesTheNetAndCountsOnlyOnTheLast)
{
    pressAndDrag(6, 40, 0);
    for (int frame = 1; frame <= 75; ++frame) {
        runPasses(1);
        ASSERT_EQ(rollStep, 2 * frame) << "frame " << frame;
        ASSERT_EQ(moveCount, 0) << "frame " << frame;
        ASSERT_TRUE(cubeAsDealt(6)) << "frame " << frame;
        ASSERT_EQ(rollShade, frame <= 38 ? frame : 76 - frame) << "frame " << frame;
    }
    runPasses(1);
    EXPECT_EQ(rollStep, 0);
    EXPECT_EQ(moveCount, 1);
    EXPECT_TRUE(cubeRolledOnce(6, rollRight));
    EXPECT_EQ(rollShade, 0);
    EXPECT_EQ(rollBulge, 0.0f);
    EXPECT_EQ(pressActive, 0);
    for (int c = 1; c <= cubeCount; ++c)
        if (c != 6) {
            EXPECT_TRUE(cubeAsDealt(c)) << "cube " << c;
        }
}

TEST_F(RollOnTheBoard, LeavingInMidRollKeepsTheOldNetAndCountsNoMove)
{
    pressAndDrag(3, 0, 40);
    runPasses(30);
    ASSERT_GT(rollStep, 0);
    scripted.escapeDown = true;
    EXPECT_NE(runPasses(3), 0) << "the exit sequence ran";
    EXPECT_EQ(moveCount, 0);
    EXPECT_TRUE(cubeAsDealt(3));
}

TEST_F(RollOnTheBoard, PressesThatRollAndPressesThatDoNot)
{
    struct Case {
        const char* what;
        int cube, dx, dy;
        int releaseAfterFrames;   // let go after this many game frames of the press
        RollDirection rolled;
        bool rolls;
    };
    const Case cases[] = {
        {"press and let go without a drag", 5, 0, 0, 3, rollRight, false},
        {"a drag of 15 pixels", 5, 15, 0, 3, rollRight, false},
        {"a diagonal drag", 5, 30, 30, 3, rollRight, false},
        {"let go in the first frame of the roll", 5, -30, 0, 1, rollLeft, true},
        {"let go in mid-roll", 7, 0, -30, 20, rollUp, true},
        {"a drag down off the board", 12, 0, 200, 10, rollDown, true},
        {"a drag right off the board", 8, 300, 0, 10, rollRight, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::memcpy(cubeNet, dealtNet, sizeof dealtNet);
        std::memcpy(cubeTurn, dealtTurn, sizeof dealtTurn);
        moveCount = 0;

        pressAndDrag(c.cube, c.dx, c.dy);
        runPasses(c.releaseAfterFrames - 1);
        setMouse(centreX(c.cube) + c.dx, centreY(c.cube) + c.dy, 0);
        for (int pass = 0; pass < 100 && (pressActive || rollStep); ++pass)
            runPasses(1);

        EXPECT_EQ(pressActive, 0);
        EXPECT_EQ(rollStep, 0);
        EXPECT_EQ(moveCount, c.rolls ? 1 : 0);
        EXPECT_TRUE(c.rolls ? cubeRolledOnce(c.cube, c.rolled) : cubeAsDealt(c.cube));
    }
}

TEST_F(RollOnTheBoard, AHeldButtonRollsOneCubeAfterAnother)
{
    pressAndDrag(6, 30, 0);
    runPasses(1);
    ASSERT_GT(rollStep, 0);
    // Still held, the mouse moves on to the middle of cube 7 while 6 rolls...
    setMouse(centreX(7), centreY(7), 1);
    runPasses(76);
    EXPECT_EQ(moveCount, 1);
    EXPECT_TRUE(cubeRolledOnce(6, rollRight));
    // ...where a new press began when the roll ended; a drag down rolls 7.
    EXPECT_EQ(activeCell, 7);
    EXPECT_EQ(pressActive, 1);
    setMouse(centreX(7), centreY(7) + 30, 1);
    runPasses(78);
    EXPECT_EQ(moveCount, 2);
    EXPECT_TRUE(cubeRolledOnce(7, rollDown));
    EXPECT_TRUE(cubeAsDealt(8));
}

} // namespace
