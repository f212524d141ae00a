#include "puzzle_game_fixture.h"

#include "puzzle/board_drawing.h"
#include "puzzle/swipe_and_roll.h"
#include "shell/platform.h"

#include <allegro5/allegro_primitives.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

class BoardDrawing : public PuzzleGameTest {
protected:
    void SetUp() override
    {
        PuzzleGameTest::SetUp();
        std::srand(3);
        generateCubes();
        targetScreen();
    }

    int shown(int x, int y, int channel)
    {
        int rgb[3];
        screenPixel(x, y, rgb);
        return rgb[channel];
    }
    int underneath(int x, int y, int channel)
    {
        int rgb[3];
        backgroundPixel(x, y, rgb);
        return rgb[channel];
    }
    static int dimmed(int v) { return v * 200 / 255; }
    // A channel under the first `rectangles` shadow rectangles, each keeping
    // 1 - i/255 of what lies under it, stored as 8 bits after every one.
    static int shadowed(int v, int rectangles)
    {
        for (int i = 0; i < rectangles; ++i)
            v = int(v * (1.0 - i / 255.0));
        return v;
    }
    static int rectanglesOver(int x, int y)
    {
        int count = 0;
        for (int i = 0; i <= 24; ++i)
            count += x >= 335 + i && x < 975 - 2 * i && y >= 125 + i && y < 610 - 2 * i;
        return count;
    }

    // Fills the board area with a colour no drawing makes, so that nothing
    // left from before can pass for the board.
    void scribbleOverBoard()
    {
        al_draw_filled_rectangle(290, 80, 990, 620, al_map_rgb(255, 0, 255));
    }

    // Whether the board area of the screen equals `copy`.
    int differingPixels(ALLEGRO_BITMAP* copy)
    {
        int differing = 0;
        for (int y = 80; y < 620; ++y)
            for (int x = 290; x < 990; ++x) {
                unsigned char a[4], b[4];
                al_unmap_rgba(al_get_pixel(scripted.screen(), x, y), &a[0], &a[1], &a[2], &a[3]);
                al_unmap_rgba(al_get_pixel(copy, x, y), &b[0], &b[1], &b[2], &b[3]);
                differing += a[0] != b[0] || a[1] != b[1] || a[2] != b[2] || a[3] != b[3];
            }
        return differing;
    }
};

TEST_F(BoardDrawing, ACellShowsItsPieceOfTheFrontPictureDimmedAndTurnTwoUpsideDown)
{
    cubeNet[6][1][1] = 4;     // cell 6: column 1, row 1
    cubeTurn[6][1][1] = 0;
    cubeNet[12][1][1] = 2;    // cell 12: column 3, row 2
    cubeTurn[12][1][1] = 2;
    drawBoard();

    for (int dy : {3, 40, 75, 110, 146}) {
        for (int dx : {3, 40, 75, 110, 146}) {
            int x = cellX[6] + dx, y = cellY[6] + dy;
            EXPECT_EQ(shown(x, y, 0), dimmed(pictureRed(4))) << dx << "," << dy;
            EXPECT_EQ(shown(x, y, 1), dimmed(pictureGreen(1, dx))) << dx << "," << dy;
            EXPECT_EQ(shown(x, y, 2), dimmed(pictureBlue(1, dy))) << dx << "," << dy;
        }
    }
    // Turned by 2 x 1.57 about the middle: a hair short of a half turn, so
    // allow a pixel's worth of colour away from the centre.
    for (int dy : {20, 75, 130}) {
        for (int dx : {20, 75, 130}) {
            int x = cellX[12] + dx, y = cellY[12] + dy;
            EXPECT_EQ(shown(x, y, 0), dimmed(pictureRed(2))) << dx << "," << dy;
            EXPECT_NEAR(shown(x, y, 1), dimmed(pictureGreen(3, 149 - dx)), 2) << dx << "," << dy;
            EXPECT_NEAR(shown(x, y, 2), dimmed(pictureBlue(2, 149 - dy)), 2) << dx << "," << dy;
        }
    }
}

TEST_F(BoardDrawing, TheShadowDarkensTheGapsAndBeyondTheBoard)
{
    scribbleOverBoard();
    drawBoard();
    struct Case {
        int x, y;
        int rectangles;   // how many of the 25 shadow rectangles lie over it
    };
    const Case cases[] = {
        {481, 200, 25},   // gap between columns 0 and 1
        {700, 424, 25},   // gap between rows 1 and 2
        {950, 300, 13},   // right of the board: x < 975 - 2i for i <= 12
        {600, 590, 10},   // below the board: y < 610 - 2i for i <= 9
        {320, 300, 0},    // left of the shadow
    };
    for (const Case& c : cases)
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(shown(c.x, c.y, channel), shadowed(underneath(c.x, c.y, channel), c.rectangles), 2)
                << c.x << "," << c.y << " channel " << channel;
}

TEST_F(BoardDrawing, TheComposedBackdropGivesTheSamePixelsAsTheStepByStepDrawing)
{
    cubeTurn[2][1][1] = 1;
    cubeTurn[5][1][1] = 2;
    cubeTurn[11][1][1] = 3;
    ALLEGRO_BITMAP* stepByStep = al_create_bitmap(screenWidth, screenHeight);

    for (int frame = 0; frame < 2; ++frame) {   // composing, then reusing
        scribbleOverBoard();
        drawBoardStepByStep();
        al_set_target_bitmap(stepByStep);
        al_draw_bitmap(scripted.screen(), 0, 0, 0);
        targetScreen();

        scribbleOverBoard();
        drawBoard();
        EXPECT_EQ(differingPixels(stepByStep), 0) << "frame " << frame;
    }
    al_destroy_bitmap(stepByStep);
}

TEST_F(BoardDrawing, AChangedBackgroundIsComposedAnew)
{
    drawBoard();
    al_set_target_bitmap(background);
    al_draw_filled_rectangle(300, 90, 330, 120, al_map_rgb(10, 200, 10));
    targetScreen();
    forgetBoardBackdrop();
    drawBoard();
    EXPECT_EQ(shown(310, 100, 1), 200);

    // A background replaced by another bitmap is noticed without being told.
    ALLEGRO_BITMAP* replaced = al_clone_bitmap(background);
    al_set_target_bitmap(replaced);
    al_draw_filled_rectangle(300, 90, 330, 120, al_map_rgb(10, 10, 200));
    targetScreen();
    std::swap(background, replaced);
    drawBoard();
    EXPECT_EQ(shown(310, 100, 2), 200);
    std::swap(background, replaced);
    al_destroy_bitmap(replaced);
    forgetBoardBackdrop();
}

TEST_F(BoardDrawing, AFaceWithNoPictureToShowLeavesTheCellEmpty)
{
    ALLEGRO_BITMAP* missing = pictures[3];
    pictures[3] = nullptr;
    const int broken[][2] = {{1, 0}, {2, 7}, {3, -1}, {4, 3}, {5, 1000000}};
    for (auto [cell, value] : broken)
        cubeNet[cell][1][1] = value;

    scribbleOverBoard();
    drawBoard();
    for (auto [cell, value] : broken)
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(shown(cellX[cell] + 75, cellY[cell] + 75, channel),
                        shadowed(underneath(cellX[cell] + 75, cellY[cell] + 75, channel),
                                 rectanglesOver(cellX[cell] + 75, cellY[cell] + 75)), 2)
                << "cell " << cell << " holding " << value;

    // A roll between such faces draws nothing of them either.
    cubeNet[1][0][1] = 9;
    activeCell = 1;
    pressActive = 1;
    swipeRight = 1;
    computeRollTints();
    runRollStep();
    EXPECT_EQ(rollStep, 2);
    pictures[3] = missing;
}

} // namespace
