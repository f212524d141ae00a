#include "puzzle/level_setup.h"

#include "files/picture_files.h"
#include "files/save_file.h"
#include "files/thumbnail_sheet.h"
#include "puzzle/cube_nets.h"
#include "shell/game_state.h"

#include <cstdio>

namespace {

bool numberIsHeld(int number)
{
    for (int k = 1; k <= pictureCount; ++k)
        if (pictureNumber[k] == number)
            return true;
    return false;
}

// All six or none: a level never runs with a picture missing.
bool loadLevelPictures()
{
    ALLEGRO_BITMAP* loaded[pictureCount + 1] = {};
    for (int k = 1; k <= pictureCount; ++k) {
        std::string path = pictureFileName(level, pictureNumber[k]), why;
        loaded[k] = loadPictureFile(path, why);
        if (!loaded[k]) {
            levelFault = "Nie da się odczytać obrazka, którego potrzebuje ten poziom:\n  " + path +
                         " (" + why + ")\nGra kończy się bez zmiany zapisanej gry.";
            for (ALLEGRO_BITMAP* picture : loaded)
                if (picture)
                    al_destroy_bitmap(picture);
            return false;
        }
    }
    for (int k = 1; k <= pictureCount; ++k) {
        if (pictures[k])
            al_destroy_bitmap(pictures[k]);
        pictures[k] = loaded[k];
    }
    return true;
}

}  // namespace

void choosePictures()
{
    // The slots not yet filled still hold the previous level's numbers, so a
    // new level repeats none of the pictures the player has just seen there.
    for (int d = 1; d <= pictureCount; ++d) {
        int number;
        do
            number = drawRandomNumber() % picturesPerSet + 1;
        while (numberIsHeld(number));
        pictureNumber[d] = number;
    }
}

void startLevel()
{
    levelFault.clear();
    if (gameMode == gameModeContinue && !loadProgress()) {
        // The reason is on standard error; the player gets a fresh game.
        level = 0;
        gameMode = gameModeNew;
    }
    if (gameMode != gameModeContinue) {
        choosePictures();
        generateCubes();
    }
    if (!loadLevelPictures())
        return;
    writeLevelThumbnails();
    // Saved now, a game killed at any later moment loses at most the moves
    // of this level.
    saveProgress();
    playLevelIntro();
    gameMode = gameModeNew;
}
