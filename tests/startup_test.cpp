#include "shell/game_state.h"
#include "shell/init_game.h"
#include "shell/main_loop.h"
#include "shell/platform.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class StartupTest : public ScriptedGameTest {};

TEST_F(StartupTest, EverythingIsLoadedAndTheScreenHoldsTheClearColour)
{
    startGame();
    for (const void* handle : {(const void*)background, (const void*)uiAtlas, (const void*)fontSmallBold,
                               (const void*)fontText, (const void*)fontLarge, (const void*)sampleS1,
                               (const void*)sampleS3, (const void*)sampleS5, (const void*)pieceBuffer,
                               (const void*)rollFromBuffer, (const void*)rollToBuffer,
                               (const void*)thumbColumn, (const void*)thumbSheet})
        EXPECT_NE(handle, nullptr);
    EXPECT_NE(fontText, fontLarge) << "two loads of the same face";
    EXPECT_EQ(texts[13], "Poziom %d");
    EXPECT_EQ(scripted.flips, 0) << "nothing is shown yet";
    int rgb[3];
    screenPixel(512, 355, rgb);
    EXPECT_EQ(rgb[0], 0);
    EXPECT_EQ(rgb[1], 22);
    EXPECT_EQ(rgb[2], 22);
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(thumbSheet, 75, 1000), &r, &g, &b, &a);
    EXPECT_EQ(a, 0) << "the thumbnail sheet starts transparent";
}

TEST_F(StartupTest, DiceAreSeededFromTheCalendarInWholeSeconds)
{
    scripted.calendar = 1234567;
    startGame();
    int first = std::rand();
    std::srand(1234567);
    EXPECT_EQ(first, std::rand());
}

struct MissingCase {
    MissingMedia missing;
    bool fatal;
    std::string named;   // what stderr (and the message) must name
};

class MissingMediumTest : public ScriptedGameTest, public ::testing::WithParamInterface<MissingCase> {
protected:
    void SetUp() override
    {
        missingMedia = GetParam().missing;
        ScriptedGameTest::SetUp();
    }
};

TEST_P(MissingMediumTest, ReportsClearlyAndStopsOnlyForWhatTheGameDrawsWith)
{
    const MissingCase& c = GetParam();
    scripted.escapeDown = true;   // a game that does start ends at its second pass
    testing::internal::CaptureStderr();
    int status = gameMain();
    std::string errors = testing::internal::GetCapturedStderr();

    for (const std::string& file : c.missing)
        EXPECT_NE(errors.find("media/" + file), std::string::npos) << errors;
    if (c.fatal) {
        EXPECT_NE(status, 0);
        ASSERT_EQ(scripted.messages.size(), 1u);
        for (const std::string& file : c.missing)
            EXPECT_NE(scripted.messages[0].text.find("media/" + file), std::string::npos);
        EXPECT_EQ(scripted.flips, 0) << "no screen is shown";
    } else {
        EXPECT_EQ(status, 0);
        EXPECT_TRUE(scripted.messages.empty());
    }
    EXPECT_EQ(scripted.screen(), nullptr) << "the window is closed either way";
}

INSTANTIATE_TEST_SUITE_P(
    Media, MissingMediumTest,
    ::testing::Values(MissingCase{{"ele.png"}, true, "ele.png"},
                      MissingCase{{"t2.jpg", "arialbd.ttf", "arial.ttf"}, true, "t2.jpg"},
                      MissingCase{{"w7.jpg"}, true, "w7.jpg"},
                      MissingCase{{"s1.wav", "s5.wav"}, false, "s1.wav"},
                      MissingCase{{"teksty.txt"}, false, "teksty.txt"}));

TEST_F(StartupTest, UnreadableImageIsNamedAsSuch)
{
    {
        std::ofstream broken("media/ele.png", std::ios::binary | std::ios::trunc);
        broken << "not a picture";
    }
    testing::internal::CaptureStderr();
    EXPECT_NE(gameMain(), 0);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("media/ele.png (to nie jest plik PNG)"), std::string::npos) << errors;
}

TEST_F(StartupTest, APictureOfTheWrongSizeOrNoPictureAtAllIsNamed)
{
    ALLEGRO_BITMAP* small = al_create_bitmap(300, 200);
    ASSERT_TRUE(al_save_bitmap("media/b2.jpg", small));
    al_destroy_bitmap(small);
    std::ofstream("media/p9.jpg", std::ios::binary | std::ios::trunc) << "GIF89a";
    testing::internal::CaptureStderr();
    EXPECT_NE(gameMain(), 0);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("media/b2.jpg (ma 300 × 200 pikseli zamiast 600 × 450)"), std::string::npos)
        << errors;
    EXPECT_NE(errors.find("media/p9.jpg (to nie jest poprawny plik JPEG"), std::string::npos) << errors;
    EXPECT_EQ(scripted.flips, 0);
}

TEST_F(StartupTest, WithoutAudioTheGameRunsSilently)
{
    scripted.audioAvailable = false;
    testing::internal::CaptureStderr();
    initGame();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(startupFault, "");
    playSampleOnce(sampleS5, 1.0f, 1.0f);
    EXPECT_TRUE(scripted.sounds.empty());
}

TEST_F(StartupTest, NoWindowStopsWithAMessage)
{
    scripted.screenAvailable = false;
    testing::internal::CaptureStderr();
    EXPECT_NE(gameMain(), 0);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("okna"), std::string::npos) << errors;
}

TEST_F(StartupTest, ThreeVoicesAtMost)
{
    startGame();
    for (int i = 0; i < 4; ++i)
        playSampleOnce(sampleS1, 0.7f, 1.0f);
    ASSERT_EQ(scripted.sounds.size(), 4u);
    EXPECT_TRUE(scripted.sounds[2].started);
    EXPECT_FALSE(scripted.sounds[3].started) << "every voice busy";
    scripted.rest(1.0);   // the fixture's s1.wav lasts one second
    playSampleOnce(sampleS1, 0.7f, 1.0f);
    EXPECT_TRUE(scripted.sounds[4].started);
    EXPECT_EQ(scripted.sounds[4].pan, 0.0f);
}

}  // namespace
