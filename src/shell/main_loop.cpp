#include "shell/main_loop.h"

#include "files/save_file.h"
#include "puzzle/board_drawing.h"
#include "puzzle/level_setup.h"
#include "puzzle/solved_check.h"
#include "puzzle/swipe_and_roll.h"
#include "screens/final_screen.h"
#include "screens/play_frame.h"
#include "screens/start_menu.h"
#include "screens/title_screen.h"
#include "shell/fades.h"
#include "shell/game_state.h"
#include "shell/init_game.h"
#include "shell/input.h"
#include "shell/platform.h"

#include <allegro5/allegro_font.h>

#include <cstdio>
#include <string>

namespace {

// The move counter over its badge.
void drawMoveCounter()
{
    al_draw_bitmap_region(background, 365, 35, 60, 24, 365, 35, 0);
    al_draw_text(fontLarge, al_map_rgb(0, 22, 22), 396, 32, ALLEGRO_ALIGN_CENTRE,
                 std::to_string(moveCount).c_str());
}

// The sixth picture marked solved ends the level.
void completeLevel()
{
    int solved = 0;
    for (int k = 1; k <= pictureCount; ++k)
        solved += pictureSolved[k] == 1;
    if (solved != pictureCount)
        return;
    levelMoves[level] = moveCount;
    moveCount = 0;
    level = level + 1;
    for (int& flag : pictureSolved)
        flag = 0;
    levelStarted = 0;
}

// The exit button, and once the game is over the new-game button, lit while
// the mouse is over them and unlit otherwise. A tinted copy of a button over
// itself brightens it.
void drawButtons()
{
    bool gameOver = level > 2;
    bool exitLit = hoverTarget == targetExitButton;
    bool newGameLit = hoverTarget == targetNewGameButton && gameOver;
    ALLEGRO_COLOR litTint = al_map_rgba(250, 250, 250, 188);
    // A button the mouse is not over is drawn unlit, whatever else is under
    // the mouse: a fast move from a lit button straight onto a cube or onto
    // the other button must not leave it lit.
    if (exitLit)
        al_draw_tinted_bitmap_region(background, litTint, 866, 662, 100, 20, 866, 662, 0);
    else
        al_draw_scaled_bitmap(background, 860, 660, 110, 25, 860, 660, 110, 25, 0);
    if (newGameLit)
        al_draw_tinted_bitmap_region(uiAtlas, litTint, 469, 473, 127, 31, 563, 608, 0);
    else if (gameOver)
        al_draw_bitmap_region(uiAtlas, 469, 473, 127, 31, 563, 608, 0);
}

// A fault that makes the game unplayable: said on standard error and in a
// message box, then the game closes without saving.
void stopGame(const std::string& fault)
{
    std::fprintf(stderr, "zor: %s\n", fault.c_str());
    platform().showMessage("Gra nie może działać dalej", fault);
    shutdownGame();
}

}  // namespace

void layOutBoard()
{
    for (int row = 0; row < boardRows; ++row)
        for (int column = 0; column < boardColumns; ++column) {
            int cell = row * boardColumns + column + 1;
            cellX[cell] = boardLeft + cellPitch * column;
            cellY[cell] = boardTop + cellPitch * row;
        }
}

void beginMainLoop()
{
    layOutBoard();
    resetLoopVariables();
    lastFrameTime = currentTime();
}

void runGameFrame()
{
    drawMoveCounter();
    if (levelStarted == 0) {
        startLevel();
        levelStarted = 1;
        if (!levelFault.empty())
            return;
    }
    computeRollTints();
    trackPress();
    recogniseSwipe();
    drawBoard();
    if (pressActive == 1)
        runRollStep();   // ends with the commit step, or the solved check after a roll
    else
        checkSolvedPictures();
    completeLevel();
    lastFrameTime = currentTime();
}

bool runLoopPass()
{
    if (leaveSeenThenPollKeyboard()) {
        runExitSequence();
        return false;
    }
    pollMouse();
    if (level <= 2 && currentTime() > lastFrameTime + 0.001)
        runGameFrame();
    if (!levelFault.empty()) {
        stopGame(levelFault);
        return false;
    }
    if (level == levelAllFinished) {
        level = levelGameOver;
        runFinalScreen();
    }
    drawButtons();
    if (mouseButtons == 1) {
        if (hoverTarget == targetNewGameButton && level > 2) {
            fadeToBlack();
            level = 0;
            moveCount = 0;
            levelStarted = 0;
        } else if (hoverTarget == targetExitButton) {
            runExitSequence();
            return false;
        }
    }
    flipDisplay();
    restFor(0.001);
    return true;
}

void runExitSequence()
{
    if (level <= levelAllFinished && levelStarted == 1 && !saveProgress())
        platform().showMessage("Nie udało się zapisać gry",
                               std::string("Postępu gry nie udało się zapisać w ") + saveFilePath +
                                   ".\nSzczegóły są na standardowym wyjściu błędów.");
    shutdownGame();
}

int gameMain()
{
    initGame();
    if (!startupFault.empty()) {
        std::fprintf(stderr, "zor: %s\n", startupFault.c_str());
        platform().showMessage("Gra nie może wystartować", startupFault);
        // The bitmaps go before the window: destroying the window first would
        // convert every one of them.
        releaseGameResources();
        platform().closeScreen();
        return 1;
    }
    runTitleScreen();
    if (keyboardState.asksToLeave()) {
        // Closed on the title screen: no level is in play, nothing to keep.
        shutdownGame();
        return 0;
    }
    // Escape or the close box in the menu is seen by the loop's first pass.
    runStartMenu();
    drawPlayFrame();
    beginMainLoop();
    while (runLoopPass()) {
    }
    return levelFault.empty() ? 0 : 1;
}
