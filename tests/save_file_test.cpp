#include "files/save_file.h"
#include "puzzle/cube_nets.h"
#include "shell/game_state.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The example game: second level, pictures 3 7 1 12 5 9, the first and the
// fourth solved, 14 moves so far, 52 for the first level; cubes freshly
// dealt and then rolled a little, so that turns are not all 0.
SavedGame exampleGame()
{
    SavedGame before = captureProgress();
    std::srand(77);
    generateCubes();
    rollCube(3, rollUp);
    rollCube(3, rollRight);
    rollCube(11, rollDown);
    level = 1;
    int numbers[] = {0, 3, 7, 1, 12, 5, 9};
    std::memcpy(pictureNumber, numbers, sizeof numbers);
    pictureSolved[1] = pictureSolved[4] = 1;
    moveCount = 14;
    levelMoves[0] = 52;
    SavedGame saved = captureProgress();
    takeOverProgress(before);
    return saved;
}

bool sameGame(const SavedGame& a, const SavedGame& b)
{
    return formatSavedGame(a) == formatSavedGame(b);
}

TEST(SaveFormat, ExactLayout)
{
    std::string text = formatSavedGame(exampleGame());
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line))
        all.push_back(line);
    ASSERT_EQ(all.size(), 25u);
    EXPECT_EQ(all[0], "1 3 7 1 12 5 9 1 0 0 1 0 0 14 52 0 0 ");
    for (size_t n = 1; n < all.size(); ++n) {
        std::istringstream values(all[n]);
        int count = 0, value;
        while (values >> value)
            ++count;
        EXPECT_EQ(count, 16) << "line " << n + 1;
        EXPECT_EQ(all[n].back(), ' ') << "line " << n + 1;
        EXPECT_EQ(all[n].find("  "), std::string::npos);
    }
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text[text.size() - 2], ' ') << "nothing after the last line end";
}

TEST(SaveFormat, ReadsBackWhatWasWrittenWhateverTheWhiteSpace)
{
    SavedGame original = exampleGame();
    std::string text = formatSavedGame(original);
    std::string feeds = text, tabs = text;
    for (char& c : feeds)
        if (c == ' ')
            c = '\n';
    for (char& c : tabs)
        if (c == ' ')
            c = '\t';
    for (const std::string& form : {text, feeds, tabs, "  \r\n" + text + "\n\n99 trailing words"}) {
        SavedGame read;
        std::string why;
        ASSERT_TRUE(parseSavedGame(form, read, why)) << why;
        EXPECT_TRUE(sameGame(read, original));
    }
}

// Puts `value` at position `n` (counting from 1) of the example file.
std::string withNumber(int n, const std::string& value)
{
    std::istringstream in(formatSavedGame(exampleGame()));
    std::vector<std::string> tokens;
    std::string token;
    while (in >> token)
        tokens.push_back(token);
    tokens[n - 1] = value;
    std::string text;
    for (const std::string& t : tokens)
        text += t + " ";
    return text;
}

// Position of cube c's net cell [i][j], or of its turn.
int netPosition(int c, int i, int j) { return 17 + 16 * (c - 1) + 4 * i + j + 1; }
int turnPosition(int c, int i, int j) { return netPosition(c, i, j) + 16 * cubeCount; }

struct BadSave {
    std::string name;
    std::string text;
    std::string named;   // what the refusal must say
};

std::string swappedFaces()
{
    // Cube 2's top face made equal to its bottom: one picture missing.
    SavedGame game = exampleGame();
    game.cubeNet[2][1][0] = game.cubeNet[2][1][2];
    return formatSavedGame(game);
}

std::string disagreeingBacks()
{
    SavedGame game = exampleGame();
    std::swap(game.cubeNet[5][1][3], game.cubeNet[5][1][1]);
    return formatSavedGame(game);
}

std::string allSolved()
{
    SavedGame game = exampleGame();
    for (int k = 1; k <= pictureCount; ++k)
        game.pictureSolved[k] = 1;
    return formatSavedGame(game);
}

std::string firstNumbers(int count)
{
    std::istringstream in(formatSavedGame(exampleGame()));
    std::string token, text;
    for (int n = 0; n < count && in >> token; ++n)
        text += token + " ";
    return text;
}

class RefusedSave : public ::testing::TestWithParam<BadSave> {};

TEST_P(RefusedSave, IsRefusedWholeWithItsReason)
{
    SavedGame untouched;
    untouched.level = 2;
    untouched.moveCount = 99;
    SavedGame read = untouched;
    std::string why;
    EXPECT_FALSE(parseSavedGame(GetParam().text, read, why));
    EXPECT_NE(why.find(GetParam().named), std::string::npos) << why;
    EXPECT_TRUE(sameGame(read, untouched)) << "nothing taken over";
}

INSTANTIATE_TEST_SUITE_P(
    SaveFormat, RefusedSave,
    ::testing::Values(
        BadSave{"Empty", "", "po 0 liczbach"},
        BadSave{"Short", firstNumbers(20), "po 20 liczbach"},
        BadSave{"LevelTooHigh", withNumber(1, "3"), "poziom = 3"},
        BadSave{"LevelNegative", withNumber(1, "-1"), "poziom = -1"},
        BadSave{"PictureZero", withNumber(2, "0"), "numer obrazka 1 = 0"},
        BadSave{"PictureThirteen", withNumber(7, "13"), "numer obrazka 6 = 13"},
        BadSave{"PictureTwice", withNumber(3, "3"), "ten sam numer pliku 3"},
        BadSave{"SolvedFlagTwo", withNumber(9, "2"), "znacznik ułożenia obrazka 2 = 2"},
        BadSave{"NegativeMoves", withNumber(14, "-5"), "licznik ruchów = -5"},
        BadSave{"NegativeLevelMoves", withNumber(16, "-1"), "ruchy poziomu 2 = -1"},
        BadSave{"FaceSeven", withNumber(netPosition(4, 1, 1), "7"), "ściana kostki 4 [1][1] = 7"},
        BadSave{"FaceZeroOnTheNet", withNumber(netPosition(4, 0, 1), "0"), "ściana kostki 4 [0][1] = 0"},
        BadSave{"FaceOffTheNet", withNumber(netPosition(9, 0, 0), "2"), "ściana kostki 9 [0][0] = 2"},
        BadSave{"TurnFour", withNumber(turnPosition(12, 1, 1), "4"), "obrót kostki 12 [1][1] = 4"},
        BadSave{"TurnOffTheNet", withNumber(turnPosition(1, 3, 3), "1"), "obrót kostki 1 [3][3] = 1"},
        BadSave{"NotANumber", withNumber(5, "x12"), "„x12” w miejscu liczby 5"},
        BadSave{"NumberWithTail", withNumber(5, "12,"), "„12,”"},
        BadSave{"BeyondThirtyTwoBits", withNumber(14, "4294967296"), "„4294967296”"},
        BadSave{"PictureMissingFromACube", swappedFaces(), "kostka 2 nie ma obrazka"},
        BadSave{"TwoDifferentBacks", disagreeingBacks(), "kostka 5 ma dwie różne ściany tylne"},
        BadSave{"WholeLevelAlreadySolved", allSolved(), "wszystkie obrazki"}),
    [](const auto& info) { return info.param.name; });

class SaveFileTest : public ScriptedGameTest {};

TEST_F(SaveFileTest, SaveAndLoadGiveBackTheSameGame)
{
    SavedGame original = exampleGame();
    takeOverProgress(original);
    ASSERT_TRUE(saveProgress());
    EXPECT_EQ(readFile(saveFilePath), formatSavedGame(original));
    resetGameState();
    ASSERT_TRUE(loadProgress());
    EXPECT_TRUE(sameGame(captureProgress(), original));
}

TEST_F(SaveFileTest, ReplacesTheOldFileWholeAndLeavesNoScratchFiles)
{
    writeFile(saveFilePath, std::string(5000, '7'));
    takeOverProgress(exampleGame());
    ASSERT_TRUE(saveProgress());
    EXPECT_EQ(readFile(saveFilePath), formatSavedGame(exampleGame()));
    int entries = 0;
    for (const auto& entry : fs::directory_iterator("media"))
        entries += entry.path().filename().string().rfind(".data.txt", 0) == 0;
    EXPECT_EQ(entries, 0);
}

TEST_F(SaveFileTest, ASaveThatCannotBeWrittenIsReportedAndTheOldOneKept)
{
    // A folder in the file's place cannot be replaced by a file.
    fs::create_directory(saveFilePath);
    writeFile(std::string(saveFilePath) + "/keep", "old");
    takeOverProgress(exampleGame());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveProgress());
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("nie udało się zapisać gry w media/data.txt"), std::string::npos) << errors;
    EXPECT_EQ(readFile(std::string(saveFilePath) + "/keep"), "old");
}

TEST_F(SaveFileTest, UnusableFilesAreRefusedWithoutBlockingAndChangeNothing)
{
    struct Case {
        std::function<void()> make;
        std::string named;
    };
    std::vector<Case> cases = {
        {[] {}, "brak pliku"},
        {[] { fs::create_directory(saveFilePath); }, "to folder"},
        {[] { ASSERT_EQ(mkfifo(saveFilePath, 0644), 0); }, "to nie jest zwykły plik"},
        {[] { writeFile(saveFilePath, std::string(100000, ' ')); }, "za duży"},
        {[] { writeFile(saveFilePath, withNumber(1, "7")); }, "poziom = 7"},
    };
    for (const Case& c : cases) {
        fs::remove_all(saveFilePath);
        c.make();
        resetGameState();
        level = 1;
        moveCount = 5;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loadProgress());
        std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find(c.named), std::string::npos) << errors;
        EXPECT_NE(errors.find("zaczynam nową grę"), std::string::npos) << errors;
        EXPECT_EQ(level, 1);
        EXPECT_EQ(moveCount, 5);
    }
}

TEST_F(SaveFileTest, DeletingTheSavedGameTakesBothFilesEvenWhenOneIsMissing)
{
    for (int present = 0; present < 4; ++present) {
        if (present & 1)
            writeFile(saveFilePath, "x");
        if (present & 2)
            writeFile("media/miniaturki.png", "x");
        testing::internal::CaptureStderr();
        deleteSavedGame();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_FALSE(fs::exists(saveFilePath));
        EXPECT_FALSE(fs::exists("media/miniaturki.png"));
    }
}

// Leaving in the middle of a level keeps it: through Escape, the exit button
// or the desktop ending the game.
class LeavingMidLevel : public ScriptedGameTest, public ::testing::WithParamInterface<int> {};

TEST_P(LeavingMidLevel, SavesTheLevelInPlay)
{
    startGame();
    beginMainLoop();
    levelStarted = 1;
    takeOverProgress(exampleGame());
    switch (GetParam()) {
    case 0: scripted.escapeAtFlip(2); break;
    case 1: scripted.closeClicked = true; break;
    case 2: scripted.mouseAtFlip(1, 900, 670, 1); break;
    }
    EXPECT_GT(runPasses(10), 0);
    EXPECT_EQ(readFile(saveFilePath), formatSavedGame(exampleGame()));
}

INSTANTIATE_TEST_SUITE_P(SaveFile, LeavingMidLevel, ::testing::Values(0, 1, 2));

TEST_F(SaveFileTest, NothingIsSavedBeforeALevelStartsOrAfterTheGameIsOver)
{
    startGame();
    beginMainLoop();
    keyboardState.escapeDown = true;
    EXPECT_EQ(runPasses(3), 1);
    EXPECT_FALSE(fs::exists(saveFilePath));

    resetGameState();
    startGame();
    beginMainLoop();
    levelStarted = 1;
    level = levelGameOver;
    keyboardState.escapeDown = true;
    EXPECT_EQ(runPasses(3), 1);
    EXPECT_FALSE(fs::exists(saveFilePath));
}

TEST_F(SaveFileTest, ASaveLostOnLeavingIsToldInAMessageAndTheGameStillCloses)
{
    startGame();
    beginMainLoop();
    levelStarted = 1;
    takeOverProgress(exampleGame());
    fs::create_directory(saveFilePath);
    keyboardState.escapeDown = true;
    testing::internal::CaptureStderr();
    EXPECT_EQ(runPasses(3), 1);
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_NE(scripted.messages[0].text.find("media/data.txt"), std::string::npos);
    EXPECT_EQ(scripted.screen(), nullptr);
}

}  // namespace
