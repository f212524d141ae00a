// The saved game: media/data.txt holds the progress and every cube's net,
// 401 numbers on 25 lines; the thumbnail sheet beside it holds the pictures.
#pragma once

#include "shell/game_state.h"

#include <string>

constexpr const char* saveFilePath = "media/data.txt";
constexpr int savedNumberCount = 401;

// Everything a save holds, in the order of the file.
struct SavedGame {
    int level = 0;
    int pictureNumber[pictureCount + 1] = {};
    int pictureSolved[pictureCount + 1] = {};
    int moveCount = 0;
    int levelMoves[levelCount] = {};
    int cubeNet[cubeCount + 1][4][4] = {};
    int cubeTurn[cubeCount + 1][4][4] = {};
};

// The progress of the game in play, and the reverse: takes a whole record
// over in one step.
SavedGame captureProgress();
void takeOverProgress(const SavedGame& saved);

// The file's text: every value followed by one space, a line end after the
// first 17 values and after each cube's 16.
std::string formatSavedGame(const SavedGame& saved);

// Reads the 401 numbers (any white space between them, anything after them
// ignored) and checks every one of them against what the game can play.
// False, with what was wrong in `why`, for anything else; `into` is then
// left as it was.
bool parseSavedGame(const std::string& text, SavedGame& into, std::string& why);

// Writes the progress of the level in play to media/data.txt, replacing the
// old file only once the new one is safely on disk. False (with the reason
// on standard error) when it could not be written.
bool saveProgress();

// Restores the progress from media/data.txt. Takes nothing over unless the
// whole file is sound; false (with the reason on standard error) otherwise.
bool loadProgress();

// Deletes the saved game at the end of a finished one: the thumbnail sheet,
// then the save file. Either may already be missing.
void deleteSavedGame();
