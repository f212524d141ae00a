#include "puzzle/cube_nets.h"
#include "puzzle/solver.h"
#include "shell/game_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

class Solver : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGameState();
        std::srand(7);
        generateCubes();
        for (int c = 1; c <= cubeCount; ++c)
            for (int r = 0; r < 15; ++r)
                rollCube(c, static_cast<RollDirection>(std::rand() % rollDirectionCount));
    }
};

bool upright(const int net[4][4], const int turn[4][4], int picture)
{
    return net[1][1] == picture && turn[1][1] == 0;
}

// Whether any sequence of exactly `length` rolls brings the picture up.
bool anySequenceWorks(const int net[4][4], const int turn[4][4], int picture, int length)
{
    if (length == 0)
        return upright(net, turn, picture);
    for (int d = 0; d < rollDirectionCount; ++d) {
        int n[4][4], t[4][4];
        std::memcpy(n, net, sizeof n);
        std::memcpy(t, turn, sizeof t);
        rollNet(n, t, static_cast<RollDirection>(d));
        if (anySequenceWorks(n, t, picture, length - 1))
            return true;
    }
    return false;
}

TEST_F(Solver, FindsTheShortestRollsToEveryPictureUpright)
{
    for (int c = 1; c <= cubeCount; ++c) {
        for (int k = 1; k <= pictureCount; ++k) {
            auto rolls = findRollsToFront(c, k);
            ASSERT_TRUE(rolls) << "cube " << c << " picture " << k;

            int net[4][4], turn[4][4];
            std::memcpy(net, cubeNet[c], sizeof net);
            std::memcpy(turn, cubeTurn[c], sizeof turn);
            for (int length = 0; length < int(rolls->size()); ++length)
                EXPECT_FALSE(anySequenceWorks(net, turn, k, length))
                    << "a shorter way exists, cube " << c << " picture " << k;

            for (RollDirection direction : *rolls)
                rollNet(net, turn, direction);
            EXPECT_TRUE(upright(net, turn, k)) << "cube " << c << " picture " << k;
        }
    }
}

TEST_F(Solver, NeedsNoRollForAPictureAlreadyUprightAndFailsForOneNotCarried)
{
    cubeTurn[3][1][1] = 0;
    auto none = findRollsToFront(3, cubeNet[3][1][1]);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());

    EXPECT_FALSE(findRollsToFront(3, 0));
    EXPECT_FALSE(findRollsToFront(3, 9));
    EXPECT_FALSE(findRollsToFront(0, 1));
}

} // namespace
