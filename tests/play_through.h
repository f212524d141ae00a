// A player who plays whole levels on the scripted platform: one real roll by
// a swipe, then every picture put together (its rolls made straight on the
// nets, which the roll tests cover frame by frame), celebrated, and marked
// by a press on a cube.
#pragma once

#include "puzzle/cube_nets.h"
#include "puzzle/solver.h"
#include "shell/game_state.h"
#include "shell/main_loop.h"
#include "shell/scripted_platform.h"

#include <gtest/gtest.h>

class PlayThrough {
public:
    explicit PlayThrough(ScriptedPlatform& scripted) : scripted(scripted) {}

    // Passes of the main loop; false once the game has ended.
    bool passes(int count)
    {
        for (int n = 0; n < count; ++n)
            if (!runLoopPass())
                return false;
        return true;
    }

    // The mouse as the game will see it two passes later.
    void mouse(int x, int y, int buttons) { scripted.mouse = {x, y, buttons}; }

    // Presses on cube 6, drags right and lets go once the roll ran.
    void rollOnce()
    {
        int x = cellX[6] + 75, y = cellY[6] + 75;
        mouse(x, y, 1);
        passes(2);
        mouse(x + 40, y, 1);
        passes(2);
        mouse(x + 40, y, 0);
        for (int n = 0; n < 200 && rollStep != 0; ++n)
            passes(1);
        passes(2);
    }

    // Plays the level in play to its end. Returns the moves it took.
    int playLevel()
    {
        int playing = level;
        passes(2);   // sets the level up, if it is not yet
        EXPECT_EQ(levelStarted, 1);
        rollOnce();
        int moves = moveCount;
        for (int k = 1; k <= pictureCount; ++k) {
            if (pictureSolved[k])
                continue;
            for (int c = 1; c <= cubeCount; ++c) {
                auto plan = findRollsToFront(c, k);
                EXPECT_TRUE(plan) << "cube " << c << " lacks picture " << k;
                if (plan)
                    for (RollDirection direction : *plan)
                        rollCube(c, direction);
            }
            passes(1);   // the solved check celebrates it
            EXPECT_EQ(pendingPicture, k);
            mouse(cellX[1] + 75, cellY[1] + 75, 1);
            passes(2);   // the press marks it
            mouse(cellX[1] + 75, cellY[1] + 75, 0);
            passes(2);
        }
        // The third level's end is the game's, in the same pass.
        EXPECT_EQ(level, playing + 1 == levelAllFinished ? levelGameOver : playing + 1);
        return moves;
    }

private:
    ScriptedPlatform& scripted;
};
