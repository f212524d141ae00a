#include "files/save_file.h"
#include "level_fixture.h"
#include "play_through.h"
#include "screens/play_frame.h"
#include "screens/start_menu.h"
#include "screens/title_screen.h"
#include "shell/init_game.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class WholeGame : public LevelTest {};

TEST_F(WholeGame, ThreeLevelsPlayThroughToTheEnd)
{
    PlayThrough player(scripted);
    int moves[levelCount];
    std::vector<int> numbers[levelCount];
    for (int l = 0; l < levelCount; ++l) {
        ASSERT_EQ(level, l);
        moves[l] = player.playLevel();
        numbers[l].assign(pictureNumber + 1, pictureNumber + 7);
        if (l < 2) {
            // The marking press's release already set the next level up:
            // killed now, the game would continue there, not at the old one.
            SavedGame saved;
            std::string why;
            ASSERT_TRUE(parseSavedGame(readFile(saveFilePath), saved, why)) << why;
            EXPECT_EQ(saved.level, l + 1);
            EXPECT_EQ(saved.levelMoves[l], moves[l]);
        }
    }
    EXPECT_EQ(level, levelGameOver);
    for (int l = 0; l < levelCount; ++l)
        EXPECT_EQ(levelMoves[l], moves[l]) << "level " << l;
    EXPECT_GE(levelMoves[0], 1);
    // Each level took its pictures from its own set, in its own band.
    EXPECT_NE(numbers[1], numbers[0]);
}

// Killed with a level in play, the next run continues it from the save made
// when that level was set up.
TEST_F(WholeGame, AKilledGameContinuesFromTheLevelInPlay)
{
    PlayThrough player(scripted);
    player.playLevel();
    player.passes(2);   // level 1 set up and saved
    std::vector<int> numbers(pictureNumber + 1, pictureNumber + 7);
    SavedGame atSetUp = captureProgress();
    player.rollOnce();  // lost with the kill

    // The next run.
    releaseGameResources();
    scripted.closeScreen();
    resetGameState();
    startGame();
    beginMainLoop();
    gameMode = gameModeContinue;
    player.passes(2);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(std::vector<int>(pictureNumber + 1, pictureNumber + 7), numbers);
    EXPECT_EQ(formatSavedGame(captureProgress()), formatSavedGame(atSetUp));
    EXPECT_EQ(levelMoves[0], atSetUp.levelMoves[0]);
}

}  // namespace

namespace {

// The whole game as a player meets it: the title, the menu's new game, three
// levels, the final screen, and a new game from its button.
class WholeGameFromTheTitle : public ScriptedGameTest {};

TEST_F(WholeGameFromTheTitle, TitleMenuThreeLevelsFinalScreenAndANewGame)
{
    startGame();
    PlayThrough player(scripted);

    player.mouse(515, 385, 1);   // held through the title: ends its wait
    runTitleScreen();
    double menuStart = scripted.now();
    scripted.atTime(menuStart + 3.0, [&] { player.mouse(515, 385, 0); });
    scripted.atTime(menuStart + 3.2, [&] { player.mouse(515, 385, 1); });
    runStartMenu();
    ASSERT_EQ(gameMode, gameModeNew);
    drawPlayFrame();
    beginMainLoop();
    player.mouse(515, 385, 0);

    for (int l = 0; l < levelCount; ++l)
        player.playLevel();
    ASSERT_EQ(level, levelGameOver);
    EXPECT_FALSE(fs::exists("media/data.txt")) << "the final screen deletes the save";
    EXPECT_FALSE(fs::exists("media/miniaturki.png"));
    for (int l = 0; l < levelCount; ++l)
        EXPECT_GE(levelMoves[l], 1);

    // The new-game button.
    player.mouse(600, 620, 1);
    player.passes(3);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(moveCount, 0);
    for (int moves : levelMoves)
        EXPECT_EQ(moves, 0);
    player.mouse(600, 620, 0);
    player.passes(3);
    ASSERT_EQ(levelStarted, 1);
    // A fresh sheet: only the new game's first band.
    ALLEGRO_BITMAP* sheet = al_load_bitmap("media/miniaturki.png");
    ASSERT_NE(sheet, nullptr);
    unsigned char r, g, b, first, second;
    al_unmap_rgba(al_get_pixel(sheet, 75, 100), &r, &g, &b, &first);
    al_unmap_rgba(al_get_pixel(sheet, 75, 810), &r, &g, &b, &second);
    al_destroy_bitmap(sheet);
    EXPECT_EQ(first, 255);
    EXPECT_EQ(second, 0) << "nothing of the finished game's second level";
    EXPECT_EQ(runPasses(1), 0);
}

}  // namespace
