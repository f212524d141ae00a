#include "puzzle/swipe_and_roll.h"
#include "shell/game_state.h"

#include <gtest/gtest.h>

namespace {

// The input of one game frame, as the snapshot of pollMouse gives it.
void seeMouse(int x, int y, int buttons, int target)
{
    mouseX = x;
    mouseY = y;
    mouseButtons = buttons;
    hoverTarget = target;
}

void runPressSteps()
{
    trackPress();
    recogniseSwipe();
}

int flagsSet()
{
    return swipeRight * 1 + swipeLeft * 2 + swipeUp * 4 + swipeDown * 8;
}

constexpr int none = 0, right = 1, left = 2, up = 4, down = 8;

class Swipes : public ::testing::Test {
protected:
    void SetUp() override { resetGameState(); }
};

TEST_F(Swipes, ADragIsASwipeOnlyPastFifteenPixelsAndWithinFourteenOffItsAxis)
{
    struct Case {
        int dx, dy;
        int flags;
    };
    const Case cases[] = {
        {15, 0, none},   {16, 0, right},  {16, 14, right}, {16, -14, right}, {16, 15, none},
        {-15, 0, none},  {-16, 0, left},  {-16, 14, left}, {-16, -15, none},
        {0, -15, none},  {0, -16, up},    {14, -16, up},   {-15, -16, none},
        {0, 15, none},   {0, 16, down},   {-14, 16, down}, {15, 16, none},
        {30, 30, none},  {-30, 30, none}, {30, -30, none}, {-30, -30, none},
        {0, 0, none},
    };
    for (const Case& c : cases) {
        resetGameState();
        seeMouse(400, 200, 1, 1);
        runPressSteps();
        ASSERT_EQ(pressActive, 1);
        ASSERT_EQ(flagsSet(), none);

        seeMouse(400 + c.dx, 200 + c.dy, 1, 0);
        runPressSteps();
        EXPECT_EQ(flagsSet(), c.flags) << "drag " << c.dx << ", " << c.dy;
        EXPECT_EQ(pressActive, 1) << "drag " << c.dx << ", " << c.dy;
        EXPECT_EQ(activeCell, 1);
    }
}

TEST_F(Swipes, APressBeginsOnlyWithThePrimaryButtonAloneOverACube)
{
    struct Case {
        int buttons, target;
        int pressActive;
    };
    const Case cases[] = {
        {1, 1, 1}, {1, 12, 1}, {1, 0, 0}, {1, 20, 0}, {1, 21, 0}, {2, 5, 0}, {3, 5, 0}, {0, 5, 0},
    };
    for (const Case& c : cases) {
        resetGameState();
        seeMouse(500, 300, c.buttons, c.target);
        runPressSteps();
        EXPECT_EQ(pressActive, c.pressActive) << "buttons " << c.buttons << " target " << c.target;
        EXPECT_EQ(activeCell, c.pressActive ? c.target : 1);
    }
}

TEST_F(Swipes, AReleaseEndsAPressButNotARoll)
{
    struct Case {
        int rollStep;
        int buttons;
        int pressActive;
    };
    const Case cases[] = {
        {0, 0, 0},     // released before any swipe
        {0, 2, 1},     // another button is neither press nor release
        {0, 1, 1},
        {40, 0, 1},    // a roll once begun runs to its end
        {150, 0, 1},
    };
    for (const Case& c : cases) {
        resetGameState();
        seeMouse(500, 300, 1, 6);
        runPressSteps();
        rollStep = c.rollStep;
        seeMouse(700, 300, c.buttons, 0);
        trackPress();
        EXPECT_EQ(pressActive, c.pressActive) << "rollStep " << c.rollStep << " buttons " << c.buttons;
    }
}

TEST_F(Swipes, NoSecondDirectionDuringARollAndANewPressClearsOldFlags)
{
    seeMouse(500, 300, 1, 6);
    runPressSteps();
    seeMouse(530, 300, 1, 6);
    runPressSteps();
    ASSERT_EQ(flagsSet(), right);

    rollStep = 2;
    seeMouse(500, 260, 1, 6);   // now a drag up, mid-roll
    runPressSteps();
    EXPECT_EQ(flagsSet(), right);

    // The roll is over and the button was let go; the next press starts afresh.
    rollStep = 0;
    pressActive = 0;
    seeMouse(650, 300, 1, 7);
    runPressSteps();
    EXPECT_EQ(flagsSet(), none);
    EXPECT_EQ(activeCell, 7);
    EXPECT_EQ(pressX, 650);
    EXPECT_EQ(pressY, 300);
}

TEST(RollTints, FollowTheRollStep)
{
    struct Case {
        int step;
        float t1, t2, t3, t4, t5, t6;   // the grey (or grey and alpha) of each tint
    };
    const Case cases[] = {
        {0, 200, 255, 200, 50, 75, 0},
        {2, 198, 255, 200, 52, 74, 0},
        {74, 126, 231, 224, 124, 38, 24},
        {150, 50, 205, 250, 200, 0, 50},
    };
    for (const Case& c : cases) {
        rollStep = c.step;
        computeRollTints();
        const float greys[] = {c.t1, c.t2, c.t3, c.t4, c.t5, c.t6};
        for (int t = 1; t <= 6; ++t) {
            unsigned char r, g, b, a;
            al_unmap_rgba(rollTints[t], &r, &g, &b, &a);
            EXPECT_EQ(r, greys[t - 1]) << "step " << c.step << " tint " << t;
            EXPECT_EQ(b, greys[t - 1]) << "step " << c.step << " tint " << t;
            EXPECT_EQ(a, t >= 5 ? greys[t - 1] : 255) << "step " << c.step << " tint " << t;
        }
    }
    rollStep = 0;
}

} // namespace
