// The screen in a window of any size: where it stands, which screen pixel
// each window pixel shows, and the game played through a scaled window on
// the scripted platform (hit zones and swipes in screen pixels).
#include "shell/window_scaling.h"

#include "puzzle/swipe_and_roll.h"
#include "puzzle_game_fixture.h"
#include "shell/game_state.h"
#include "shell/input.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void expectFit(const WindowFit& fit, int left, int top, int width, int height)
{
    EXPECT_EQ(fit.left, left);
    EXPECT_EQ(fit.top, top);
    EXPECT_EQ(fit.width, width);
    EXPECT_EQ(fit.height, height);
}

// How many window pixels of the row or column show each screen pixel, over
// the whole window; entry screenSize collects those that show none.
std::vector<int> coverage(const WindowFit& fit, bool across)
{
    int screenSize = across ? screenWidth : screenHeight;
    int windowSize = across ? fit.windowWidth : fit.windowHeight;
    std::vector<int> count(screenSize + 1, 0);
    for (int p = 0; p < windowSize; ++p) {
        int s = across ? windowToScreenX(fit, p) : windowToScreenY(fit, p);
        ++count[(s >= 0 && s < screenSize) ? s : screenSize];
    }
    return count;
}

}  // namespace

TEST(WindowFit, At1024By710TheScreenIsTheWindowPixelForPixel)
{
    WindowFit fit = fitScreenInWindow(1024, 710);
    expectFit(fit, 0, 0, 1024, 710);
    EXPECT_TRUE(fit.unscaled());
    EXPECT_TRUE(fit.fillsWindow());
    for (int x = 0; x < 1024; ++x)
        ASSERT_EQ(windowToScreenX(fit, x), x);
    for (int y = 0; y < 710; ++y)
        ASSERT_EQ(windowToScreenY(fit, y), y);
    MouseState mouse = windowMouseToScreen(fit, {867, 664, 1});
    EXPECT_EQ(mouse.x, 867);
    EXPECT_EQ(mouse.y, 664);
    EXPECT_EQ(mouse.buttons, 1);
}

TEST(WindowFit, AtWholeMultiplesEveryScreenPixelTakesAnEqualSquareOfWindowPixels)
{
    for (int k : {2, 3, 4}) {
        WindowFit fit = fitScreenInWindow(1024 * k, 710 * k);
        expectFit(fit, 0, 0, 1024 * k, 710 * k);
        EXPECT_FALSE(fit.unscaled());
        EXPECT_TRUE(fit.fillsWindow());
        for (int x = 0; x < fit.windowWidth; ++x)
            ASSERT_EQ(windowToScreenX(fit, x), x / k) << "scale " << k << ", x " << x;
        for (int y = 0; y < fit.windowHeight; ++y)
            ASSERT_EQ(windowToScreenY(fit, y), y / k) << "scale " << k << ", y " << y;
    }
    // The hit zones' corners at twice the size: the exit button's first and
    // last pixels, and just outside them.
    WindowFit twice = fitScreenInWindow(2048, 1420);
    EXPECT_EQ(windowToScreenX(twice, 2 * 867), 867);
    EXPECT_EQ(windowToScreenX(twice, 2 * 867 - 1), 866);
    EXPECT_EQ(windowToScreenY(twice, 2 * 680 + 1), 680);
    EXPECT_EQ(windowToScreenY(twice, 2 * 681), 681);
}

TEST(WindowFit, AtFractionalScalesEveryScreenPixelIsShownAndTheMappingKeepsOrder)
{
    struct Case {
        int windowWidth, windowHeight;
        int left, top, width, height;
    };
    const Case cases[] = {
        {1536, 1065, 0, 0, 1536, 1065},     // one and a half, exactly
        {1920, 1080, 181, 0, 1558, 1080},   // a full-HD desktop: bars left and right
        {1280, 1024, 0, 68, 1280, 888},     // 5:4: bars above and below; 887.5 rounds up
        {1300, 800, 73, 0, 1154, 800},      // 1153.8 rounds up
        {3840, 2160, 362, 0, 3115, 2160},   // 4K, maximised: the odd pixel to the right
    };
    for (const Case& c : cases) {
        WindowFit fit = fitScreenInWindow(c.windowWidth, c.windowHeight);
        SCOPED_TRACE(testing::Message() << c.windowWidth << " x " << c.windowHeight);
        expectFit(fit, c.left, c.top, c.width, c.height);
        EXPECT_FALSE(fit.unscaled());
        // Enlarged by a scale between k and k + 1: each screen pixel shows in
        // k or k + 1 window pixels per axis, none is lost, and the bars show none.
        for (bool across : {true, false}) {
            std::vector<int> count = coverage(fit, across);
            int screenSize = across ? screenWidth : screenHeight;
            int size = across ? fit.width : fit.height;
            int fewest = size / screenSize, most = (size + screenSize - 1) / screenSize;
            for (int s = 0; s < screenSize; ++s)
                ASSERT_TRUE(fewest <= count[s] && count[s] <= most) << "pixel " << s << ": " << count[s];
            int bars = across ? fit.windowWidth - fit.width : fit.windowHeight - fit.height;
            EXPECT_EQ(count[screenSize], bars);
        }
        for (int x = 1; x < fit.windowWidth; ++x)
            ASSERT_LE(windowToScreenX(fit, x - 1), windowToScreenX(fit, x));
        for (int y = 1; y < fit.windowHeight; ++y)
            ASSERT_LE(windowToScreenY(fit, y - 1), windowToScreenY(fit, y));
    }
}

TEST(WindowFit, AtTheEdgesOfTheBarsThePictureBeginsAndEndsOnTheScreensEdges)
{
    // Bars left and right.
    WindowFit wide = fitScreenInWindow(1920, 1080);
    EXPECT_EQ(windowToScreenX(wide, 0), -119);   // deep in the left bar
    EXPECT_EQ(windowToScreenX(wide, 180), -1);   // the bar's last column
    EXPECT_EQ(windowToScreenX(wide, 181), 0);    // the picture's first column
    EXPECT_EQ(windowToScreenX(wide, 181 + 1557), 1023);
    EXPECT_EQ(windowToScreenX(wide, 181 + 1558), 1024);   // the right bar
    EXPECT_EQ(windowToScreenY(wide, 0), 0);
    EXPECT_EQ(windowToScreenY(wide, 1079), 709);

    // Bars above and below, unscaled: 1024 x 1000 keeps the screen pixel for
    // pixel, 145 rows down.
    WindowFit tall = fitScreenInWindow(1024, 1000);
    expectFit(tall, 0, 145, 1024, 710);
    EXPECT_TRUE(tall.unscaled());
    EXPECT_FALSE(tall.fillsWindow());
    EXPECT_EQ(windowToScreenY(tall, 144), -1);
    EXPECT_EQ(windowToScreenY(tall, 145), 0);
    EXPECT_EQ(windowToScreenY(tall, 854), 709);
    EXPECT_EQ(windowToScreenY(tall, 855), 710);
    EXPECT_EQ(windowToScreenX(tall, 0), 0);
    EXPECT_EQ(windowToScreenX(tall, 1023), 1023);

    // An odd number of spare pixels: the extra one goes to the right bar.
    WindowFit odd = fitScreenInWindow(1025, 710);
    expectFit(odd, 0, 0, 1024, 710);
    EXPECT_EQ(windowToScreenX(odd, 1024), 1024);

    // Off the window altogether (a drag held past its edge) the steps go on.
    WindowFit twice = fitScreenInWindow(2048, 1420);
    EXPECT_EQ(windowToScreenX(twice, -1), -1);
    EXPECT_EQ(windowToScreenX(twice, -2), -1);
    EXPECT_EQ(windowToScreenX(twice, -3), -2);
    EXPECT_EQ(windowToScreenY(twice, 1420 + 5), 712);
}

TEST(WindowFit, SmallerWindowsShrinkTheScreenAndTinyOnesStillMap)
{
    WindowFit half = fitScreenInWindow(512, 355);
    expectFit(half, 0, 0, 512, 355);
    // A window pixel's centre falls on the border of two screen pixels: the
    // later one is taken.
    EXPECT_EQ(windowToScreenX(half, 0), 1);
    EXPECT_EQ(windowToScreenX(half, 511), 1023);
    EXPECT_EQ(windowToScreenY(half, 354), 709);

    for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {0, 0}, {-5, 20}, {3000, 1}}) {
        WindowFit fit = fitScreenInWindow(w, h);
        EXPECT_GE(fit.width, 1);
        EXPECT_GE(fit.height, 1);
        EXPECT_LE(fit.left + fit.width, fit.windowWidth);
        EXPECT_LE(fit.top + fit.height, fit.windowHeight);
        int x = windowToScreenX(fit, fit.left), y = windowToScreenY(fit, fit.top);
        EXPECT_TRUE(0 <= x && x < 1024 && 0 <= y && y < 710) << w << " x " << h;
    }
}

TEST(WindowFit, TheGameOpensAtTheLargestWholeMultipleThatFits)
{
    EXPECT_EQ(largestWholeScale(1280, 800), 1);
    EXPECT_EQ(largestWholeScale(1024, 710), 1);
    EXPECT_EQ(largestWholeScale(800, 600), 1);     // never smaller than the screen itself
    EXPECT_EQ(largestWholeScale(2047, 1420), 1);
    EXPECT_EQ(largestWholeScale(2048, 1420), 2);
    EXPECT_EQ(largestWholeScale(2560, 1440), 2);
    EXPECT_EQ(largestWholeScale(3840, 2100), 2);   // 4K less a panel and a title bar
    EXPECT_EQ(largestWholeScale(3840, 2130), 3);
    EXPECT_EQ(largestWholeScale(5120, 2800), 3);
    EXPECT_EQ(largestWholeScale(7680, 4300), 6);
}

// ---- The game in a window of the player's size, on the scripted platform ----

namespace {

class PlayInASizedWindow : public PuzzleGameTest {
protected:
    void SetUp() override
    {
        PuzzleGameTest::SetUp();
        dealWithFront(1);
        runPasses(2);
    }

    void sizeWindow(int width, int height)
    {
        scripted.windowWidth = width;
        scripted.windowHeight = height;
        fit = fitScreenInWindow(width, height);
    }

    // The first window pixel (the left or top one) that shows screen pixel x
    // or y.
    int windowX(int x) const
    {
        int p = fit.left + x * fit.width / screenWidth - 2;
        while (windowToScreenX(fit, p) < x)
            ++p;
        return p;
    }
    int windowY(int y) const
    {
        int p = fit.top + y * fit.height / screenHeight - 2;
        while (windowToScreenY(fit, p) < y)
            ++p;
        return p;
    }

    // A press on the cube's middle, a drag of (dx, dy) window pixels, and the
    // button let go; runs on until a roll it may have started is over.
    // Returns the moves the drag made.
    int dragInWindow(int cube, int dx, int dy)
    {
        int before = moveCount;
        int x = windowX(centreX(cube)), y = windowY(centreY(cube));
        scripted.mouse = {x, y, 1};
        runPasses(1);
        scripted.mouse = {x + dx, y + dy, 1};
        runPasses(1);   // the press begins
        scripted.mouse = {x + dx, y + dy, 0};
        int frames = 0;
        do {
            runPasses(1);
            ++frames;
        } while (rollStep != 0 && frames < 200);
        runPasses(1);
        EXPECT_EQ(pressActive, 0);
        return moveCount - before;
    }

    // The smallest drag to the right, in window pixels from the cube's
    // middle, that comes to more than 15 screen pixels.
    int shortestSwipe(int cube) const
    {
        int x = windowX(centreX(cube));
        int dx = 1;
        while (windowToScreenX(fit, x + dx) - windowToScreenX(fit, x) <= 15)
            ++dx;
        return dx;
    }

    WindowFit fit;
};

TEST_F(PlayInASizedWindow, At1024By710TheMouseIsInScreenPixelsAsBefore)
{
    sizeWindow(1024, 710);
    EXPECT_EQ(windowX(centreX(6)), centreX(6));
    EXPECT_EQ(shortestSwipe(6), 16);
    EXPECT_EQ(dragInWindow(6, 15, 0), 0);
    EXPECT_EQ(dragInWindow(6, 16, 0), 1);
}

TEST_F(PlayInASizedWindow, AtTwiceTheSizeASwipeTakesThirtyTwoWindowPixels)
{
    sizeWindow(2048, 1420);
    EXPECT_EQ(shortestSwipe(6), 32);
    EXPECT_EQ(dragInWindow(6, 31, 0), 0);   // 15 screen pixels and a half
    EXPECT_EQ(dragInWindow(6, 32, 0), 1);
    EXPECT_EQ(dragInWindow(6, 0, -32), 1);
    // Fourteen screen pixels off the axis still count; fifteen do not.
    EXPECT_EQ(dragInWindow(7, 40, 29), 1);
    EXPECT_EQ(dragInWindow(7, 40, 30), 0);
}

TEST_F(PlayInASizedWindow, AtFractionalScalesASwipeIsFifteenScreenPixelsToo)
{
    for (auto [width, height] : std::vector<std::pair<int, int>>{{1536, 1065}, {1920, 1080}, {1366, 705}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        sizeWindow(width, height);
        double scale = fit.width / double(screenWidth);
        int shortest = shortestSwipe(2);
        EXPECT_NEAR(shortest, 16 * scale, 1.0 + scale);
        EXPECT_EQ(dragInWindow(2, shortest - 1, 0), 0);
        EXPECT_EQ(dragInWindow(2, shortest, 0), 1);
        EXPECT_EQ(dragInWindow(2, -shortest - 1, 0), 1);
    }
}

TEST_F(PlayInASizedWindow, TheHitZonesAreWhereTheScreenShowsThem)
{
    sizeWindow(1920, 1080);   // 1.52 times the size, bars left and right
    // The cube's first column is no part of it; the next is.
    for (int cell : {1, 12}) {
        EXPECT_EQ(findHoverTarget(windowToScreenX(fit, windowX(cellX[cell])),
                                  windowToScreenY(fit, windowY(cellY[cell] + 5))),
                  targetNothing);
        EXPECT_EQ(findHoverTarget(windowToScreenX(fit, windowX(cellX[cell] + 1)),
                                  windowToScreenY(fit, windowY(cellY[cell] + 5))),
                  cell);
    }
    // A click in the left bar, level with the exit button, hits nothing.
    scripted.mouse = {fit.left - 1, windowY(670), 1};
    EXPECT_EQ(runPasses(3), 0);
    EXPECT_EQ(hoverTarget, targetNothing);
    scripted.mouse = {windowX(870), windowY(670), 0};
    EXPECT_EQ(runPasses(3), 0);
    EXPECT_EQ(hoverTarget, targetExitButton);
    // Its last pixel, pressed, ends the game.
    scripted.mouse = {windowX(963), windowY(680), 1};
    EXPECT_GT(runPasses(5), 0);
}

}  // namespace
