#include "shell/game_state.h"

#include <cstring>

ALLEGRO_BITMAP* background = nullptr;
ALLEGRO_BITMAP* uiAtlas = nullptr;
ALLEGRO_BITMAP* pieceBuffer = nullptr;
ALLEGRO_BITMAP* rollFromBuffer = nullptr;
ALLEGRO_BITMAP* rollToBuffer = nullptr;
ALLEGRO_BITMAP* thumbColumn = nullptr;
ALLEGRO_BITMAP* thumbSheet = nullptr;
ALLEGRO_BITMAP* pictures[pictureCount + 1] = {};

ALLEGRO_FONT* fontSmallBold = nullptr;
ALLEGRO_FONT* fontText = nullptr;
ALLEGRO_FONT* fontLarge = nullptr;

Sound* sampleS1 = nullptr;
Sound* sampleS3 = nullptr;
Sound* sampleS5 = nullptr;

KeyboardState keyboardState;
MouseState mouseState;
int mouseX = 0;
int mouseY = 0;
int mouseButtons = 0;
int hoverTarget = 0;

int cellX[cubeCount + 1] = {};
int cellY[cubeCount + 1] = {};

int cubeNet[cubeCount + 1][4][4] = {};
int cubeTurn[cubeCount + 1][4][4] = {};

int level = 0;
int gameMode = 0;
int moveCount = 0;
int levelMoves[levelCount] = {};
int pictureNumber[pictureCount + 1] = {};
int pictureSolved[pictureCount + 1] = {};

std::string texts[textCount];

double lastFrameTime = 0.0;
int levelStarted = 0;
int activeCell = 1;
int pressActive = 0;
int pressX = 0;
int pressY = 0;
int swipeRight = 0;
int swipeLeft = 0;
int swipeUp = 0;
int swipeDown = 0;
int rollStep = 0;
float rollBulge = 0.0f;
int rollShade = 0;
int pendingPicture = 0;
std::string levelFault;

void resetLoopVariables()
{
    lastFrameTime = 0.0;
    levelStarted = 0;
    activeCell = 1;
    pressActive = 0;
    pressX = 0;
    pressY = 0;
    swipeRight = swipeLeft = swipeUp = swipeDown = 0;
    rollStep = 0;
    rollBulge = 0.0f;
    rollShade = 0;
    pendingPicture = 0;
    levelFault.clear();
}

void resetGameState()
{
    background = uiAtlas = nullptr;
    pieceBuffer = rollFromBuffer = rollToBuffer = nullptr;
    thumbColumn = thumbSheet = nullptr;
    for (ALLEGRO_BITMAP*& picture : pictures)
        picture = nullptr;
    fontSmallBold = fontText = fontLarge = nullptr;
    sampleS1 = sampleS3 = sampleS5 = nullptr;

    keyboardState = KeyboardState();
    mouseState = MouseState();
    mouseX = mouseY = mouseButtons = hoverTarget = 0;

    std::memset(cellX, 0, sizeof cellX);
    std::memset(cellY, 0, sizeof cellY);
    std::memset(cubeNet, 0, sizeof cubeNet);
    std::memset(cubeTurn, 0, sizeof cubeTurn);

    level = gameMode = moveCount = 0;
    std::memset(levelMoves, 0, sizeof levelMoves);
    std::memset(pictureNumber, 0, sizeof pictureNumber);
    std::memset(pictureSolved, 0, sizeof pictureSolved);

    for (std::string& text : texts)
        text.clear();

    resetLoopVariables();
}
