#include "puzzle_game_fixture.h"

#include "puzzle/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

class SolvingByHand : public PuzzleGameTest {};

// The solver's rolls, made through swipes alone, put a picture together on a
// freshly dealt board; the game celebrates it and the next press marks it.
// The picture that takes the fewest rolls keeps the test quick.
TEST_F(SolvingByHand, SwipesFromTheSolverPutTogetherADealtPicture)
{
    std::srand(2024);
    generateCubes();
    runPasses(2);

    int target = 0;
    size_t fewest = 1000;
    for (int k = 1; k <= pictureCount; ++k) {
        size_t needed = 0;
        for (int c = 1; c <= cubeCount; ++c)
            needed += findRollsToFront(c, k)->size();
        if (needed < fewest) {
            fewest = needed;
            target = k;
        }
    }

    int rolls = 0;
    for (int c = 1; c <= cubeCount; ++c) {
        auto plan = findRollsToFront(c, target);
        ASSERT_TRUE(plan) << "cube " << c;
        for (RollDirection direction : *plan) {
            EXPECT_EQ(rollBySwipe(c, direction), 76);
            ++rolls;
        }
        EXPECT_EQ(cubeNet[c][1][1], target);
        EXPECT_EQ(cubeTurn[c][1][1], 0);
    }
    ASSERT_GE(rolls, 6) << "a deal that needs hardly any rolls proves little";

    EXPECT_EQ(moveCount, rolls);
    EXPECT_EQ(pendingPicture, target);
    EXPECT_EQ(std::count_if(scripted.sounds.begin(), scripted.sounds.end(),
                            [](const auto& play) { return play.path == "media/s5.wav"; }),
              1);

    // The board now shows the picture whole, each cell its own piece.
    for (int c : {1, 6, 12}) {
        int rgb[3];
        screenPixel(cellX[c] + 20, cellY[c] + 30, rgb);
        int column = (c - 1) % 4, row = (c - 1) / 4;
        EXPECT_EQ(rgb[0], pictureRed(target) * 200 / 255) << "cube " << c;
        EXPECT_EQ(rgb[1], pictureGreen(column, 20) * 200 / 255) << "cube " << c;
        EXPECT_EQ(rgb[2], pictureBlue(row, 30) * 200 / 255) << "cube " << c;
    }

    setMouse(centreX(2), centreY(2), 1);
    runPasses(2);
    EXPECT_EQ(pictureSolved[target], 1);
}

} // namespace
