#include "puzzle/cube_nets.h"
#include "shell/game_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr NetCell faceCells[6] = {netLeft, netFront, netRight, netBackAcross, netTop, netBottom};

bool isCrossCell(int i, int j)
{
    return (j == 1) || (i == 1);
}

// Replays a fixed list of raw random numbers into generateCubes.
std::vector<int> script;
size_t scriptPosition = 0;
int nextScripted()
{
    if (scriptPosition >= script.size())
        throw std::runtime_error("generateCubes drew more numbers than scripted");
    return script[scriptPosition++];
}

class CubeNets : public ::testing::Test {
protected:
    void SetUp() override { resetGameState(); }
    void TearDown() override { drawRandomNumber = std::rand; }
};

TEST_F(CubeNets, EveryDealKeepsTheNetInvariants)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::srand(seed);
        // Leftovers of an earlier level must not matter.
        for (int c = 0; c <= cubeCount; ++c)
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j)
                    cubeNet[c][i][j] = cubeTurn[c][i][j] = 7;

        generateCubes();

        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                ASSERT_TRUE(cubeNet[0][i][j] == 0 && cubeTurn[0][i][j] == 0) << "seed " << seed;
        for (int c = 1; c <= cubeCount; ++c) {
            std::vector<int> faces;
            for (NetCell cell : faceCells)
                faces.push_back(cubeNet[c][cell.i][cell.j]);
            std::sort(faces.begin(), faces.end());
            ASSERT_EQ(faces, (std::vector<int>{1, 2, 3, 4, 5, 6})) << "seed " << seed << " cube " << c;
            ASSERT_EQ(cubeNet[c][1][3], cubeNet[c][3][1]) << "seed " << seed << " cube " << c;
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) {
                    ASSERT_EQ(cubeTurn[c][i][j], 0) << "seed " << seed;
                    if (!isCrossCell(i, j)) {
                        ASSERT_EQ(cubeNet[c][i][j], 0) << "seed " << seed << " cell " << i << j;
                    }
                }
        }
    }
}

TEST_F(CubeNets, ScriptedDrawsGiveTheExactNets)
{
    // Raw numbers become pictures as (n % 6) + 1; a few are large or repeat a
    // picture the ring already holds, so they must be drawn again.
    script = {
        1, 7, 4, 13, 10, 0, 2,      // cube 1: left 2, front 5 (2 again refused), right 1, back 3
    };
    for (int c = 2; c <= cubeCount; ++c)
        script.insert(script.end(), {0, 1, 2, 3});          // 1, 2, 3, 4
    script.insert(script.end(), {2, 5, 5, 3});              // cube 1: 3 refused, top 6, 6 refused, bottom 4
    for (int c = 2; c <= cubeCount; ++c)
        script.insert(script.end(), {0, 11, 4});            // 1 refused, top 6, bottom 5
    scriptPosition = 0;
    drawRandomNumber = nextScripted;

    generateCubes();

    EXPECT_EQ(scriptPosition, script.size());
    struct Expected {
        int cube, left, front, right, back, top, bottom;
    };
    for (Expected e : {Expected{1, 2, 5, 1, 3, 6, 4}, Expected{2, 1, 2, 3, 4, 6, 5},
                       Expected{12, 1, 2, 3, 4, 6, 5}}) {
        const auto& net = cubeNet[e.cube];
        EXPECT_EQ(net[0][1], e.left) << "cube " << e.cube;
        EXPECT_EQ(net[1][1], e.front) << "cube " << e.cube;
        EXPECT_EQ(net[2][1], e.right) << "cube " << e.cube;
        EXPECT_EQ(net[3][1], e.back) << "cube " << e.cube;
        EXPECT_EQ(net[1][3], e.back) << "cube " << e.cube;
        EXPECT_EQ(net[1][0], e.top) << "cube " << e.cube;
        EXPECT_EQ(net[1][2], e.bottom) << "cube " << e.cube;
    }
}

// One hand-worked net with a distinct turn on every face, rolled each way.
struct RollCase {
    RollDirection direction;
    // left, front, right, back across, top, bottom, back down: picture, turn
    int net[7];
    int turn[7];
};

constexpr NetCell listedCells[7] = {netLeft, netFront, netRight, netBackAcross,
                                    netTop, netBottom, netBackDown};

void setNet(int net[4][4], int turn[4][4], const int (&faces)[7], const int (&turns)[7])
{
    std::memset(net, 0, 16 * sizeof(int));
    std::memset(turn, 0, 16 * sizeof(int));
    for (int f = 0; f < 7; ++f) {
        net[listedCells[f].i][listedCells[f].j] = faces[f];
        turn[listedCells[f].i][listedCells[f].j] = turns[f];
    }
}

TEST(CubeRolls, EachDirectionMovesTheHandWorkedNet)
{
    const int startNet[7] = {1, 2, 3, 4, 5, 6, 4};
    const int startTurn[7] = {1, 2, 3, 0, 1, 2, 3};
    const RollCase cases[] = {
        {rollRight, {4, 1, 2, 3, 5, 6, 3}, {0, 1, 2, 3, 0, 3, 3}},
        {rollLeft, {2, 3, 4, 1, 5, 6, 1}, {2, 3, 0, 1, 2, 1, 3}},
        {rollUp, {1, 6, 3, 5, 2, 4, 5}, {0, 2, 0, 0, 2, 3, 1}},
        {rollDown, {1, 5, 3, 6, 4, 2, 6}, {2, 1, 2, 0, 3, 2, 2}},
    };
    for (const RollCase& rc : cases) {
        int net[4][4], turn[4][4], wantNet[4][4], wantTurn[4][4];
        setNet(net, turn, startNet, startTurn);
        setNet(wantNet, wantTurn, rc.net, rc.turn);

        rollNet(net, turn, rc.direction);

        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                EXPECT_EQ(net[i][j], wantNet[i][j]) << "direction " << rc.direction << " cell " << i << j;
                EXPECT_EQ(turn[i][j], wantTurn[i][j]) << "direction " << rc.direction << " cell " << i << j;
            }
    }
}

class CubeRollsOnDealtNets : public CubeNets {
protected:
    void SetUp() override
    {
        CubeNets::SetUp();
        std::srand(42);
        generateCubes();
        // Scramble every cube so that the turns are not all 0.
        for (int c = 1; c <= cubeCount; ++c)
            for (int r = 0; r < 20; ++r)
                rollCube(c, static_cast<RollDirection>(std::rand() % rollDirectionCount));
    }

    static bool sameCube(int c, const int net[4][4], const int turn[4][4])
    {
        return std::memcmp(cubeNet[c], net, 16 * sizeof(int)) == 0 &&
               std::memcmp(cubeTurn[c], turn, 16 * sizeof(int)) == 0;
    }
};

TEST_F(CubeRollsOnDealtNets, FourRollsOneWayAndARollWithItsOppositeRestoreTheNet)
{
    const RollDirection opposite[] = {rollLeft, rollRight, rollDown, rollUp};
    for (int c = 1; c <= cubeCount; ++c) {
        int net[4][4], turn[4][4];
        std::memcpy(net, cubeNet[c], sizeof net);
        std::memcpy(turn, cubeTurn[c], sizeof turn);
        for (int d = 0; d < rollDirectionCount; ++d) {
            auto direction = static_cast<RollDirection>(d);
            for (int r = 0; r < 4; ++r) {
                rollCube(c, direction);
                if (r < 3) {
                    EXPECT_FALSE(sameCube(c, net, turn)) << "cube " << c << " direction " << d;
                }
            }
            EXPECT_TRUE(sameCube(c, net, turn)) << "four rolls, cube " << c << " direction " << d;

            rollCube(c, direction);
            rollCube(c, opposite[d]);
            EXPECT_TRUE(sameCube(c, net, turn)) << "roll and back, cube " << c << " direction " << d;
        }
    }
}

TEST_F(CubeRollsOnDealtNets, EachRingKeepsItsOwnBackTurnAndBothBacksShowOneFace)
{
    for (int c = 1; c <= cubeCount; ++c) {
        for (int r = 0; r < 40; ++r) {
            auto direction = static_cast<RollDirection>(std::rand() % rollDirectionCount);
            bool horizontal = direction == rollRight || direction == rollLeft;
            int keptTurn = horizontal ? cubeTurn[c][1][3] : cubeTurn[c][3][1];
            rollCube(c, direction);
            EXPECT_EQ(horizontal ? cubeTurn[c][1][3] : cubeTurn[c][3][1], keptTurn);
            ASSERT_EQ(cubeNet[c][1][3], cubeNet[c][3][1]);
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) {
                    ASSERT_GE(cubeTurn[c][i][j], 0);
                    ASSERT_LE(cubeTurn[c][i][j], 3);
                }
        }
    }
}

} // namespace
