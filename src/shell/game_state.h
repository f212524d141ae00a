// The game's program-wide state: every screen and every step of play is a
// free function that reads and writes these variables directly.
//
// Index conventions used throughout:
//   board cell / cube   1..12  cell = 4 * row + column + 1 (rows 0..2, columns 0..3)
//   picture index       1..6   slot of the level's pictures, the value held in cubeNet
//   file number         1..12  the N of media/bN.jpg, media/pN.jpg, media/wN.jpg
//   level               0..2   level in play; 3 and 4 mark the end of a game
// Arrays counted from 1 keep an entry 0 that is never drawn, saved or counted.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <string>

// ---- Screen geometry -------------------------------------------------------

constexpr int screenWidth = 1024;
constexpr int screenHeight = 710;

constexpr int cellSize = 150;       // a board cell and a picture piece
constexpr int cellPitch = 153;      // cells stand 3 pixels apart
constexpr int boardLeft = 330;      // top-left corner of cell 1 once laid out
constexpr int boardTop = 120;
constexpr int boardColumns = 4;
constexpr int boardRows = 3;
constexpr int cubeCount = 12;
constexpr int pictureCount = 6;     // pictures per level
constexpr int levelCount = 3;
constexpr int textCount = 25;       // lines of media/teksty.txt

// Values of hoverTarget besides the board cells 1..12.
constexpr int targetNothing = 0;
constexpr int targetExitButton = 20;
constexpr int targetNewGameButton = 21;
constexpr int targetMenuContinue = 101;
constexpr int targetMenuNewGame = 102;

// Values of gameMode.
constexpr int gameModeNone = 0;        // before the start menu, and after Escape in it
constexpr int gameModeContinue = 1;    // set the level up from the saved game
constexpr int gameModeNew = 2;         // a new game, or the next level

// Values of level past the three levels in play.
constexpr int levelAllFinished = 3;    // only until the end of the pass that finished them
constexpr int levelGameOver = 4;       // the final screen has run

// ---- Library handles (made at start-up unless said otherwise) -------------

extern ALLEGRO_BITMAP* background;      // media/t2.jpg, then the clean play screen
extern ALLEGRO_BITMAP* uiAtlas;         // media/ele.png, the sprite sheet
extern ALLEGRO_BITMAP* pieceBuffer;     // 150 x 150 scratch images of the roll
extern ALLEGRO_BITMAP* rollFromBuffer;
extern ALLEGRO_BITMAP* rollToBuffer;
extern ALLEGRO_BITMAP* thumbColumn;     // 150 x 2160 thumbnail column
extern ALLEGRO_BITMAP* thumbSheet;      // 150 x 2160 thumbnail sheet (media/miniaturki.png)
extern ALLEGRO_BITMAP* pictures[pictureCount + 1];  // the level's pictures, 600 x 450

extern ALLEGRO_FONT* fontSmallBold;     // media/arialbd.ttf, 14
extern ALLEGRO_FONT* fontText;          // media/arial.ttf, 18
extern ALLEGRO_FONT* fontLarge;         // media/arial.ttf, 28

struct Sound;                           // see shell/platform.h
extern Sound* sampleS1;                 // level intro
extern Sound* sampleS3;                 // final screen
extern Sound* sampleS5;                 // a picture solved

// ---- Input -------------------------------------------------------------------

// Only Escape is ever read from the keyboard. A click on the window's close
// box travels with it and means the same: leave (and keep the game).
struct KeyboardState {
    bool escapeDown = false;
    bool closeClicked = false;
    bool asksToLeave() const { return escapeDown || closeClicked; }
};

// Position in screen pixels and the button bits (bit 0 the primary button).
struct MouseState {
    int x = 0;
    int y = 0;
    int buttons = 0;
};

extern KeyboardState keyboardState;     // keyboard as of the last poll
extern MouseState mouseState;           // mouse as of the last poll
// The mouse as of the poll before the last: what all game logic sees.
extern int mouseX;
extern int mouseY;
extern int mouseButtons;
extern int hoverTarget;

// ---- Board -------------------------------------------------------------------

// Top-left corner of each cell; 0 until the main loop lays out the grid.
extern int cellX[cubeCount + 1];
extern int cellY[cubeCount + 1];

// ---- Puzzle ------------------------------------------------------------------

// Per cube, the 4 x 4 net of its faces: [i][j] with i left to right and j top
// to bottom around the front face [1][1]. 0 = no face, 1..6 = picture index.
extern int cubeNet[cubeCount + 1][4][4];
// Clockwise quarter turns 0..3 of the piece on each face of the net.
extern int cubeTurn[cubeCount + 1][4][4];

// ---- Progress ----------------------------------------------------------------

extern int level;                       // 0..2 in play, 3 just finished, 4 game over
extern int gameMode;                    // 0 none, 1 continue saved game, 2 new game / next level
extern int moveCount;                   // rolls made in the current level
extern int levelMoves[levelCount];      // moves with which each level was finished
extern int pictureNumber[pictureCount + 1];  // file number of each picture index
extern int pictureSolved[pictureCount + 1];  // 1 once marked solved in this level

// ---- Texts -------------------------------------------------------------------

extern std::string texts[textCount];    // media/teksty.txt, one line per entry

// ---- Main loop ---------------------------------------------------------------

// These belong to the main loop; the steps of play work on them.
extern double lastFrameTime;            // when the last game frame ended
extern int levelStarted;                // startLevel has run for the current level
extern int activeCell;                  // cell of the cube under the press or roll
extern int pressActive;                 // a press is held, or its roll still runs
extern int pressX;                      // where the current press began
extern int pressY;
extern int swipeRight;
extern int swipeLeft;
extern int swipeUp;
extern int swipeDown;
extern int rollStep;                    // 0 when no roll runs, otherwise 2..150
extern float rollBulge;                 // how far the rolling cube reaches past its cell
extern int rollShade;                   // drives the edge shading of the roll
extern int pendingPicture;              // solved sequence played, not yet marked; 0 none
// Why the level cannot be played (one of its pictures will not load); empty
// when it can. The game then stops without touching the saved game.
extern std::string levelFault;

// Sets the main loop's variables to their values before the first pass.
void resetLoopVariables();

// Returns every program-wide variable to its value at program start. Handles
// are forgotten, not destroyed: the caller owns their lifetime.
void resetGameState();
