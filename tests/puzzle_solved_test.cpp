#include "puzzle_game_fixture.h"

#include "puzzle/solved_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

class SolvedPictures : public PuzzleGameTest {
protected:
    int sequencesPlayed() const
    {
        return int(std::count_if(scripted.sounds.begin(), scripted.sounds.end(),
                                 [](const auto& play) { return play.path == "media/s5.wav"; }));
    }

    // Slots of the progress strip that show a mark over the empty strip.
    int marksShown()
    {
        int marks = 0;
        for (int i = 1; i <= 12; ++i) {
            int x = 320 + 40 * (i - 1) + 16, y = 672;
            int shown[3], clean[3];
            screenPixel(x, y, shown);
            backgroundPixel(x, y, clean);
            marks += std::abs(shown[0] - clean[0]) + std::abs(shown[1] - clean[1]) +
                     std::abs(shown[2] - clean[2]) > 30;
        }
        return marks;
    }

    // The already-solved message is the only yellow on the message line.
    bool messageShown()
    {
        for (int y = 610; y < 658; ++y)
            for (int x = 320; x < 950; ++x) {
                int rgb[3];
                screenPixel(x, y, rgb);
                if (rgb[0] > 180 && rgb[1] > 180 && rgb[2] < 80)
                    return true;
            }
        return false;
    }

    void pressWithoutSwipe(int cube)
    {
        setMouse(centreX(cube), centreY(cube), 1);
        runPasses(2);
        setMouse(centreX(cube), centreY(cube), 0);
        runPasses(2);
    }
};

TEST_F(SolvedPictures, OneFrontFaceTurnedLeavesThePictureIncompleteWithElevenMarks)
{
    for (int turn : {1, 2, 3}) {
        dealWithFront(2);
        cubeTurn[5][1][1] = turn;
        int flipsBefore = scripted.flips;
        runPasses(2);
        EXPECT_EQ(marksShown(), 11) << "turn " << turn;
        EXPECT_EQ(sequencesPlayed(), 0) << "turn " << turn;
        EXPECT_EQ(pendingPicture, 0) << "turn " << turn;
        EXPECT_EQ(scripted.flips, flipsBefore + 2) << "turn " << turn;
    }
}

TEST_F(SolvedPictures, AStripShowsTheBestPictureNoMarkForNone)
{
    struct Case {
        int cubesShowingTwo;    // the rest show 3, 4 or 5 in turn, or nothing
        bool restEmpty;
        int marks;
    };
    for (Case c : {Case{7, false, 7}, Case{2, false, 4}, Case{0, true, 0}, Case{12, false, 12}}) {
        for (int cube = 1; cube <= cubeCount; ++cube) {
            setCube(cube, cube <= c.cubesShowingTwo ? 2 : 3 + cube % 3);
            if (c.restEmpty && cube > c.cubesShowingTwo)
                cubeNet[cube][1][1] = 0;
        }
        pendingPicture = 6;   // keeps a complete picture from playing its sequence
        runPasses(2);
        EXPECT_EQ(marksShown(), c.marks) << c.cubesShowingTwo << " cubes show picture 2";
    }
}

TEST_F(SolvedPictures, ACompletedPicturePlaysOnceIsMarkedAtTheNextPressAndThenOnlyBringsTheMessage)
{
    dealWithFront(2);
    setCube(6, 1);   // picture 2 waits on cube 6's left face, upright
    runPasses(2);
    ASSERT_EQ(marksShown(), 11);
    ASSERT_EQ(sequencesPlayed(), 0);

    int flipsBefore = scripted.flips;
    rollBySwipe(6, rollRight);
    EXPECT_EQ(sequencesPlayed(), 1);
    EXPECT_GE(scripted.flips - flipsBefore, 295 + 76);
    EXPECT_EQ(pendingPicture, 2);
    EXPECT_EQ(pictureSolved[2], 0);
    EXPECT_EQ(marksShown(), 12);

    runPasses(5);
    EXPECT_EQ(sequencesPlayed(), 1) << "the sequence plays once";
    EXPECT_FALSE(messageShown());

    // The next press, wherever on the board, marks it; the release brings the message.
    setMouse(centreX(11), centreY(11), 1);
    runPasses(2);
    EXPECT_EQ(pictureSolved[2], 1);
    EXPECT_EQ(pendingPicture, 0);
    setMouse(centreX(11), centreY(11), 0);
    runPasses(2);
    EXPECT_TRUE(messageShown());
    EXPECT_EQ(sequencesPlayed(), 1);

    // Rolling the cube away clears the message; rolling it back brings only the message.
    rollBySwipe(6, rollLeft);
    EXPECT_FALSE(messageShown());
    rollBySwipe(6, rollRight);
    EXPECT_TRUE(messageShown());
    EXPECT_EQ(sequencesPlayed(), 1);
    EXPECT_EQ(pendingPicture, 0);
}

TEST_F(SolvedPictures, TheSequenceOfTheLastPictureDoesNotEndTheLevelThePressAfterItDoes)
{
    for (int k = 1; k <= 5; ++k)
        pictureSolved[k] = 1;
    dealWithFront(6);
    setCube(4, 5);   // picture 6 on cube 4's left face
    runPasses(2);
    rollBySwipe(4, rollRight);
    ASSERT_EQ(sequencesPlayed(), 1);
    runPasses(3);
    EXPECT_EQ(level, 0);
    int moves = moveCount;

    pressWithoutSwipe(9);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(levelMoves[0], moves);
    EXPECT_EQ(moveCount, 0);
}

} // namespace
