#include "files/picture_files.h"
#include "level_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <allegro5/allegro_primitives.h>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST_F(LevelTest, NewPicturesAvoidTheNumbersStillHeldInTheSlotsAfterThem)
{
    int previous[] = {0, 5, 6, 7, 8, 9, 10};
    std::memcpy(pictureNumber, previous, sizeof previous);
    // Raw draws give c = draw % 12 + 1.
    scriptedDraws = {9, 4, 0, 0, 5, 1, 2, 3, 8, 9, 10, 9, 4};
    drawRandomNumber = drawScriptedFirst;
    choosePictures();
    // 10 and 5 are still held (slots 6 and 1), 1 then is slot 1's, 6 is
    // slot 2's old number, 9 and 10 are held until slots 5 and 6 take new ones.
    EXPECT_EQ(std::vector<int>(pictureNumber + 1, pictureNumber + 7),
              (std::vector<int>{1, 2, 3, 4, 11, 5}));
    EXPECT_TRUE(scriptedDraws.empty());
}

TEST_F(LevelTest, EveryChoiceIsSixDifferentNewPictures)
{
    std::srand(5);
    for (int round = 0; round < 200; ++round) {
        std::vector<int> before(pictureNumber + 1, pictureNumber + 7);
        choosePictures();
        std::vector<int> chosen(pictureNumber + 1, pictureNumber + 7);
        std::vector<int> sorted = chosen;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
        ASSERT_GE(sorted.front(), 1);
        ASSERT_LE(sorted.back(), 12);
        ASSERT_EQ(std::count(before.begin(), before.end(), chosen[0]), 0) << "round " << round;
    }
}

TEST_F(LevelTest, TheLevelsSetAndTheFileNumberNameThePicture)
{
    EXPECT_EQ(pictureFileName(2, 3), "media/w3.jpg");
    level = 2;
    scriptedDraws = {2};   // slot 1 takes file number 3
    drawRandomNumber = drawScriptedFirst;
    startLevel();
    ASSERT_EQ(pictureNumber[1], 3);
    int rgb[3];
    bitmapPixel(pictures[1], 75, 100, rgb);
    // The fixture's picture 3 of the third set is painted with seed 27.
    EXPECT_NEAR(rgb[0], 30 * 27 % 256, 8);
    EXPECT_NEAR(rgb[1], 40, 8);
    EXPECT_NEAR(rgb[2], 40, 8);
}

// The four ways a level begins, and which parts of the intro each runs.
struct IntroCase {
    std::string name;
    int mode;
    int level;
    bool fade;
    bool dimming;
    bool veils;
};

void PrintTo(const IntroCase& c, std::ostream* out)
{
    *out << c.name;
}

class LevelIntro : public LevelTest, public ::testing::WithParamInterface<IntroCase> {};

TEST_P(LevelIntro, RunsItsParts)
{
    const IntroCase& c = GetParam();
    if (c.level > 0 && c.mode == gameModeNew) {
        // The level before, played in this run: its band is in the column.
        level = c.level - 1;
        startLevel();
        level = c.level;
    }
    if (c.mode == gameModeContinue) {
        resetLoopVariables();
        std::srand(3);
        level = c.level;
        choosePictures();
        generateCubes();
        pictureSolved[2] = pictureSolved[5] = 1;
        ASSERT_TRUE(saveProgress());
        level = 0;
        std::memset(pictureSolved, 0, sizeof pictureSolved);
    }
    gameMode = c.mode;
    targetScreen();
    al_draw_filled_rectangle(300, 90, 980, 610, al_map_rgb(255, 255, 255));

    int firstScrollFlip = scripted.flips + (c.fade ? 255 : 0) + 1;
    int veiled[3] = {}, unveiled[3] = {};
    scripted.afterFlip = [&](int flip) {
        if (flip != firstScrollFlip)
            return;
        screenPixel(140, 75, veiled);
        // What the column, or the background where it is empty, shows there.
        int columnY = 75 - 710 * (1 - level);
        if (alphaAt(thumbColumn, 72, columnY) == 255)
            bitmapPixel(thumbColumn, 72, columnY, unveiled);
        else
            backgroundPixel(140, 75, unveiled);
    };
    int flipsBefore = scripted.flips;
    size_t soundsBefore = scripted.sounds.size();
    startLevel();
    scripted.afterFlip = nullptr;

    EXPECT_EQ(level, c.level);
    EXPECT_EQ(gameMode, gameModeNew);
    EXPECT_EQ(scripted.flips - flipsBefore, (c.fade ? 255 : 0) + 710 + 1);
    EXPECT_EQ(scripted.sounds.size() - soundsBefore, 710u);
    EXPECT_EQ(scripted.sounds.back().gain, 0.7f);

    int board[3], clean[3];
    screenPixel(600, 300, board);
    backgroundPixel(600, 300, clean);
    if (c.fade) {
        EXPECT_NEAR(brightness(board), brightness(clean), 6) << "the fade painted the background";
    } else if (c.dimming) {
        EXPECT_LT(brightness(board), 30) << "the old board sank to nearly black";
    }
    if (c.veils) {
        EXPECT_LT(brightness(veiled), brightness(unveiled) * 6 / 10);
    } else {
        EXPECT_EQ(brightness(veiled), brightness(unveiled));
    }

    // The tab marker of the new level, from the sprite sheet.
    int marker[3], atlas[3];
    screenPixel(502 + 155 * c.level + 50, 44, marker);
    bitmapPixel(uiAtlas, 527 + 50, 407 + 12, atlas);
    EXPECT_EQ(std::vector<int>(marker, marker + 3), std::vector<int>(atlas, atlas + 3));

    // Pictures solved before the save are veiled in the side panel.
    for (int k = 1; k <= pictureCount; ++k) {
        int shown[3], thumbnail[3];
        screenPixel(140, 76 + 110 * (k - 1), shown);
        bitmapPixel(thumbColumn, 72, 710 * c.level + 75 + 110 * (k - 1), thumbnail);
        bool veil = c.mode == gameModeContinue && (k == 2 || k == 5);
        if (veil) {
            EXPECT_LT(brightness(shown), brightness(thumbnail) / 2) << "slot " << k;
        } else {
            EXPECT_EQ(brightness(shown), brightness(thumbnail)) << "slot " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelIntro,
    ::testing::Values(IntroCase{"NewGame", gameModeNew, 0, true, false, false},
                      IntroCase{"NextLevel", gameModeNew, 1, false, true, true},
                      IntroCase{"ContinueFirstLevel", gameModeContinue, 0, true, false, false},
                      IntroCase{"ContinueLaterLevel", gameModeContinue, 2, true, false, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(LevelTest, ASetUpLevelIsSavedAtOnce)
{
    std::srand(11);
    startLevel();
    SavedGame saved;
    std::string why;
    ASSERT_TRUE(parseSavedGame(readFile(saveFilePath), saved, why)) << why;
    EXPECT_EQ(formatSavedGame(saved), formatSavedGame(captureProgress()));
    EXPECT_TRUE(fs::exists("media/miniaturki.png"));
}

TEST_F(LevelTest, ADamagedSaveStartsANewGameAndSaysWhy)
{
    writeFile(saveFilePath, "1 2 3");
    gameMode = gameModeContinue;
    testing::internal::CaptureStderr();
    startLevel();
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("media/data.txt"), std::string::npos) << errors;
    EXPECT_NE(errors.find("po 3 liczbach"), std::string::npos) << errors;
    EXPECT_EQ(level, 0);
    for (int k = 1; k <= pictureCount; ++k) {
        EXPECT_GE(pictureNumber[k], 1);
        EXPECT_NE(pictures[k], nullptr);
    }
    EXPECT_EQ(scripted.flips, 255 + 710 + 1) << "a new game fades in";
}

TEST_F(LevelTest, APictureThatWillNotLoadStopsTheGameAndKeepsTheSave)
{
    level = 1;
    levelStarted = 0;
    for (int number = 1; number <= 12; ++number)
        fs::remove("media/" + fixturePictureName(1, number));
    writeFile(saveFilePath, "the earlier save");
    testing::internal::CaptureStderr();
    EXPECT_EQ(runPasses(5), 2);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("media/p"), std::string::npos) << errors;
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_NE(scripted.messages[0].text.find("media/p"), std::string::npos);
    EXPECT_EQ(readFile(saveFilePath), "the earlier save");
    EXPECT_EQ(scripted.screen(), nullptr) << "the game closed";
}

// The whole program, start-up included: no game started beforehand.
class PicturesAtStartUp : public ScriptedGameTest {};

TEST_F(PicturesAtStartUp, MissingOnesAreNamedBeforeAnythingIsShown)
{
    fs::remove("media/" + fixturePictureName(0, 4));
    fs::remove("media/" + fixturePictureName(0, 5));
    testing::internal::CaptureStderr();
    EXPECT_EQ(gameMain(), 1);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("media/b4.jpg (brak pliku)"), std::string::npos) << errors;
    EXPECT_NE(errors.find("media/b5.jpg (brak pliku)"), std::string::npos) << errors;
    EXPECT_EQ(scripted.flips, 0) << "told before anything is shown";
}

}  // namespace
