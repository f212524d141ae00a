#include "files/save_file.h"
#include "level_fixture.h"
#include "play_through.h"
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
