#include "shell/fades.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

namespace {

class FadeTest : public ScriptedGameTest {
protected:
    void SetUp() override
    {
        ScriptedGameTest::SetUp();
        startGame();
        targetScreen();
        al_clear_to_color(al_map_rgb(255, 255, 255));
    }
};

TEST_F(FadeTest, DarkensAllButTheRightAndBottomLines)
{
    fadeToBlack();
    // What 44 frames of black at alpha 0..43 leave of white.
    double kept = 1.0;
    for (int i = 0; i <= 43; ++i)
        kept *= 1.0 - i / 255.0;
    const struct {
        int x, y;
        bool darkened;
    } cases[] = {
        {0, 0, true},        {1019, 0, true},   {0, 704, true},    {1019, 704, true},
        {500, 350, true},    {1020, 0, false},  {1023, 300, false}, {0, 705, false},
        {500, 709, false},   {1023, 709, false},
    };
    for (const auto& c : cases) {
        int rgb[3];
        screenPixel(c.x, c.y, rgb);
        if (c.darkened)
            EXPECT_NEAR(rgb[0], 255 * kept, 4) << c.x << ", " << c.y;
        else
            EXPECT_EQ(rgb[0], 255) << c.x << ", " << c.y;
    }
}

TEST_F(FadeTest, FadeToBlackTakes44FramesAndClearsTheLevelMoves)
{
    levelMoves[0] = 12;
    levelMoves[1] = 34;
    levelMoves[2] = 56;
    double before = scripted.now();
    fadeToBlack();
    EXPECT_EQ(scripted.flips, 44);
    EXPECT_NEAR(scripted.now() - before, 44 * (0.02 + scripted.flipSeconds), 1e-9);
    for (int moves : levelMoves)
        EXPECT_EQ(moves, 0);
}

TEST_F(FadeTest, ShutdownFadesQuicklyThenClosesAndReleases)
{
    double before = scripted.now();
    shutdownGame();
    EXPECT_EQ(scripted.flips, 44);
    EXPECT_NEAR(scripted.now() - before, 44 * (0.001 + scripted.flipSeconds), 1e-9);
    EXPECT_EQ(scripted.screen(), nullptr);
    EXPECT_EQ(background, nullptr);
    EXPECT_EQ(uiAtlas, nullptr);
    EXPECT_EQ(fontText, nullptr);
    EXPECT_EQ(sampleS1, nullptr);
}

}  // namespace
