#include "screens/final_screen.h"
#include "screens_fixture.h"

#include <allegro5/allegro_primitives.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr char sheetPath[] = "media/miniaturki.png";
constexpr char savePath[] = "media/data.txt";

constexpr int boardFadeFrames = 44;
constexpr int rowFrames = 3 * (1 + 6);
constexpr int buttonFadeFrames = 44;
constexpr int allFrames = boardFadeFrames + rowFrames + buttonFadeFrames;

// Thumbnail k (1..6) of level L (0..2): a colour of its own, framed by 2
// pixels of red at the left and right and 4 at the bottom, which the screen
// must cut away.
struct Colour {
    int r, g, b;
};
Colour thumbnailColour(int level, int k)
{
    return {40 + 60 * level, 30 + 30 * k, 200 - 10 * k};
}

// A sheet as the levels write it, holding the first `levels` bands.
void writeKnownSheet(int levels, int height = 2160)
{
    OwnedBitmap sheet(al_create_bitmap(150, height));
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    al_set_target_bitmap(sheet.get());
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    for (int level = 0; level < levels; ++level)
        for (int k = 1; k <= 6; ++k) {
            int top = 710 * level + 50 + 110 * (k - 1);
            Colour c = thumbnailColour(level, k);
            al_draw_filled_rectangle(0, top, 140, top + 100, al_map_rgb(255, 0, 0));
            al_draw_filled_rectangle(2, top, 138, top + 96, al_map_rgb(c.r, c.g, c.b));
        }
    al_restore_state(&state);
    ASSERT_TRUE(al_save_bitmap(sheetPath, sheet.get()));
}

Area thumbnailPlace(int level, int slot)
{
    return {333 + 102 * slot, 170 + 140 * level + 30, 98, 68};
}

class FinalScreenTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        level = levelGameOver;
        levelMoves[0] = 7;
        levelMoves[1] = 123;
        levelMoves[2] = 4567;
        // The thumbnails of the game just finished.
        for (ALLEGRO_BITMAP* bitmap : {thumbColumn, thumbSheet}) {
            al_set_target_bitmap(bitmap);
            al_clear_to_color(al_map_rgb(200, 100, 50));
        }
        // A bright screen, so that what darkens shows.
        targetScreen();
        al_clear_to_color(al_map_rgb(255, 255, 255));
        oldColumn = thumbColumn;
        oldSheet = thumbSheet;
    }

    // Every pixel of a thumbnail's place has its colour.
    bool showsThumbnail(int levelIndex, int slot)
    {
        Colour c = thumbnailColour(levelIndex, slot + 1);
        Area a = thumbnailPlace(levelIndex, slot);
        for (int y = a.y; y < a.y + a.height; ++y)
            for (int x = a.x; x < a.x + a.width; ++x)
                if (!hasColour(scripted.screen(), x, y, c.r, c.g, c.b))
                    return false;
        return true;
    }
    // Only the darkened board where a thumbnail would be.
    bool placeIsDark(int levelIndex, int slot)
    {
        Area a = thumbnailPlace(levelIndex, slot);
        for (int y = a.y; y < a.y + a.height; ++y)
            for (int x = a.x; x < a.x + a.width; ++x) {
                int rgb[3];
                screenPixel(x, y, rgb);
                if (rgb[0] > 12 || rgb[1] > 12 || rgb[2] > 12)
                    return false;
            }
        return true;
    }

    // New bitmaps, not the old ones, empty through and through.
    void expectFreshThumbBitmaps()
    {
        EXPECT_NE(thumbColumn, oldColumn);
        EXPECT_NE(thumbSheet, oldSheet);
        EXPECT_NE(thumbColumn, thumbSheet);
        for (ALLEGRO_BITMAP* bitmap : {thumbColumn, thumbSheet}) {
            ASSERT_NE(bitmap, nullptr);
            EXPECT_EQ(al_get_bitmap_width(bitmap), 150);
            EXPECT_EQ(al_get_bitmap_height(bitmap), 2160);
            int painted = 0;
            for (int y = 0; y < 2160; ++y)
                for (int x = 0; x < 150; ++x) {
                    unsigned char p[4];
                    al_unmap_rgba(al_get_pixel(bitmap, x, y), &p[0], &p[1], &p[2], &p[3]);
                    painted += p[0] || p[1] || p[2] || p[3];
                }
            EXPECT_EQ(painted, 0);
        }
    }

    // Only compared, never used: the screen frees them.
    ALLEGRO_BITMAP* oldColumn = nullptr;
    ALLEGRO_BITMAP* oldSheet = nullptr;
};

TEST_F(FinalScreenTest, ShowsEveryLevelsThumbnailsInItsRowWithoutTheirEdges)
{
    writeKnownSheet(3);
    runFinalScreen();
    for (int levelIndex = 0; levelIndex < 3; ++levelIndex)
        for (int slot = 0; slot < 6; ++slot)
            EXPECT_TRUE(showsThumbnail(levelIndex, slot)) << "level " << levelIndex << " slot " << slot;
}

TEST_F(FinalScreenTest, RowsShowEachLevelsNumberNameAndMoves)
{
    writeKnownSheet(3);
    runFinalScreen();
    expectInkOf(inkExtent(scripted.screen(), {330, 118, 600, 40}, 166, 199, 166),
                expectedInk(fontLarge, "tekst 12", 630, ALLEGRO_ALIGN_CENTRE), "heading");
    const std::string moves[] = {"7 ruchów", "123 ruchów", "4567 ruchów"};
    for (int r = 1; r <= 3; ++r) {
        int y = 170 + 140 * (r - 1);
        std::string number = "Poziom " + std::to_string(r), name = "tekst " + std::to_string(r);
        expectInkOf(inkExtent(scripted.screen(), {340, y, 105, 26}, 166, 199, 166),
                    expectedInk(fontText, number, 350, ALLEGRO_ALIGN_LEFT), number);
        expectInkOf(inkExtent(scripted.screen(), {446, y, 200, 26}, 166, 199, 166),
                    expectedInk(fontText, name, 450, ALLEGRO_ALIGN_LEFT), name);
        expectInkOf(inkExtent(scripted.screen(), {660, y, 240, 26}, 166, 199, 166),
                    expectedInk(fontText, moves[r - 1], 780, ALLEGRO_ALIGN_CENTRE), moves[r - 1]);
    }
}

TEST_F(FinalScreenTest, TakesItsFramesAndRestsWhateverTheInputAndPlaysTheClosingSound)
{
    writeKnownSheet(3);
    scripted.escapeDown = true;
    scripted.mouse = {600, 620, 1};
    runFinalScreen();
    EXPECT_EQ(scripted.flips, allFrames);
    EXPECT_EQ(scripted.rests, allFrames);
    double rests = boardFadeFrames * 0.05 + 3 * (0.5 + 6 * 0.1) + buttonFadeFrames * 0.01;
    EXPECT_NEAR(scripted.now(), rests + allFrames * scripted.flipSeconds, 1e-9);
    ASSERT_EQ(scripted.sounds.size(), 1u);
    const auto& sound = scripted.sounds[0];
    EXPECT_EQ(sound.path, "media/s3.wav");
    EXPECT_FLOAT_EQ(sound.speed, 0.8f);
    EXPECT_FLOAT_EQ(sound.gain, 1.0f);
    EXPECT_FLOAT_EQ(sound.pan, soundPan);
    EXPECT_NEAR(sound.time, boardFadeFrames * (0.05 + scripted.flipSeconds), 1e-9);
    EXPECT_FALSE(keyboardState.asksToLeave()) << "reads no keys";

    // The board went dark; the new-game button faded in over its place.
    int board[3], button[3], sprite[3];
    screenPixel(640, 580, board);
    screenPixel(629, 625, button);
    bitmapPixel(uiAtlas, 535, 490, sprite);
    for (int c = 0; c < 3; ++c) {
        EXPECT_LE(board[c], 12) << "channel " << c;
        EXPECT_NEAR(button[c], sprite[c], 8) << "channel " << c;
    }
}

TEST_F(FinalScreenTest, GivesANewGameFreshEmptyThumbnailBitmaps)
{
    writeKnownSheet(3);
    runFinalScreen();
    expectFreshThumbBitmaps();
}

TEST_F(FinalScreenTest, FreesTheSheetItLoadsAndTheBitmapsItReplaces)
{
    writeKnownSheet(3);
    runFinalScreen();   // the glyphs drawn stay cached: count from the second run
    writeKnownSheet(3);
    LibraryMemoryCount count;
    runFinalScreen();
    EXPECT_LT(count.grownBy(), allowedGrowth);
}

struct DeletionCase : NamedCase {
    bool sheet, save;
};

class FinalScreenDeletionTest : public FinalScreenTest,
                                public ::testing::WithParamInterface<DeletionCase> {};

const DeletionCase deletionCases[] = {
    {{"Both"}, true, true},
    {{"SheetAlreadyMissing"}, false, true},
    {{"SaveAlreadyMissing"}, true, false},
    {{"Neither"}, false, false},
};

TEST_P(FinalScreenDeletionTest, NoSavedGameSurvives)
{
    if (GetParam().sheet)
        writeKnownSheet(3);
    if (GetParam().save)
        writeFile(savePath, "1 2 3\n");
    testing::internal::CaptureStderr();
    runFinalScreen();
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fileExists(sheetPath));
    EXPECT_FALSE(fileExists(savePath));
    EXPECT_EQ(scripted.flips, allFrames);
}

INSTANTIATE_TEST_SUITE_P(Cases, FinalScreenDeletionTest, ::testing::ValuesIn(deletionCases),
                         caseName);

struct UnusableSheetCase : NamedCase {
    std::function<void()> write;
    int levelsShown;
};

class FinalScreenSheetTest : public FinalScreenTest,
                             public ::testing::WithParamInterface<UnusableSheetCase> {};

const UnusableSheetCase unusableSheetCases[] = {
    {{"Missing"}, [] {}, 0},
    {{"NoImage"}, [] { writeFile(sheetPath, "\x89PNG\r\n\x1a\n but nothing after"); }, 0},
    {{"Empty"}, [] { writeFile(sheetPath, ""); }, 0},
    // Holds the first band only: the others are left out.
    {{"Short"}, [] { writeKnownSheet(1, 700); }, 1},
};

TEST_P(FinalScreenSheetTest, WhatCannotBeShownIsLeftOutAtTheSamePace)
{
    GetParam().write();
    testing::internal::CaptureStderr();
    runFinalScreen();
    std::string errors = testing::internal::GetCapturedStderr();
    for (int levelIndex = 0; levelIndex < 3; ++levelIndex)
        for (int slot = 0; slot < 6; ++slot) {
            if (levelIndex < GetParam().levelsShown) {
                EXPECT_TRUE(showsThumbnail(levelIndex, slot)) << levelIndex << ", " << slot;
            } else {
                EXPECT_TRUE(placeIsDark(levelIndex, slot)) << levelIndex << ", " << slot;
            }
        }
    if (GetParam().levelsShown == 0) {
        EXPECT_NE(errors.find("zor: "), std::string::npos) << errors;
    }
    EXPECT_EQ(scripted.flips, allFrames);
    EXPECT_FALSE(fileExists(sheetPath));
    expectFreshThumbBitmaps();
}

INSTANTIATE_TEST_SUITE_P(Cases, FinalScreenSheetTest, ::testing::ValuesIn(unusableSheetCases),
                         caseName);

struct CloseCase : NamedCase {
    int flip;
    bool soundPlayed;
};

class FinalScreenCloseTest : public FinalScreenTest,
                             public ::testing::WithParamInterface<CloseCase> {};

const CloseCase closeCases[] = {
    {{"DuringTheBoardFade"}, 10, false},
    {{"DuringTheThumbnails"}, boardFadeFrames + 1 + 3, true},
    {{"DuringTheButtonFade"}, boardFadeFrames + rowFrames + 5, true},
};

TEST_P(FinalScreenCloseTest, LeavesAfterTheStepButStillEndsTheGame)
{
    writeKnownSheet(3);
    writeFile(savePath, "1 2 3\n");
    scripted.atFlip(GetParam().flip, [this] { scripted.closeClicked = true; });
    runFinalScreen();
    EXPECT_EQ(scripted.flips, GetParam().flip);
    EXPECT_EQ(scripted.sounds.size(), GetParam().soundPlayed ? 1u : 0u);
    EXPECT_TRUE(keyboardState.closeClicked);
    EXPECT_FALSE(fileExists(sheetPath));
    EXPECT_FALSE(fileExists(savePath));
    expectFreshThumbBitmaps();
}

INSTANTIATE_TEST_SUITE_P(Cases, FinalScreenCloseTest, ::testing::ValuesIn(closeCases),
                         caseName);

}  // namespace
