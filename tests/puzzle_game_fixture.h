// The game on the scripted platform with pictures and cubes of the test's own
// (no level set-up runs): a picture's pixel tells which picture, which piece
// and where in the piece it came from.
#pragma once

#include "puzzle/board_drawing.h"
#include "puzzle/cube_nets.h"
#include "shell/game_state.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"

#include <cstring>

class PuzzleGameTest : public ScriptedGameTest {
protected:
    void SetUp() override
    {
        ScriptedGameTest::SetUp();
        startGame();
        beginMainLoop();
        levelStarted = 1;
        for (int k = 1; k <= pictureCount; ++k)
            pictures[k] = makePicture(k);
        std::memset(cubeNet, 0, sizeof cubeNet);
        std::memset(cubeTurn, 0, sizeof cubeTurn);
    }

    // Piece (column, row) of picture k: red tells the picture, green and blue
    // grow by one per pixel across and down the piece and differ per piece.
    static int pictureRed(int k) { return 40 * k; }
    static int pictureGreen(int column, int dx) { return 30 + 20 * column + dx; }
    static int pictureBlue(int row, int dy) { return 30 + 30 * row + dy; }

    static ALLEGRO_BITMAP* makePicture(int k)
    {
        ALLEGRO_STATE state;
        al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
        ALLEGRO_BITMAP* picture = al_create_bitmap(600, 450);
        al_set_target_bitmap(picture);
        al_lock_bitmap(picture, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_WRITEONLY);
        for (int y = 0; y < 450; ++y)
            for (int x = 0; x < 600; ++x)
                al_put_pixel(x, y, al_map_rgb(pictureRed(k), pictureGreen(x / 150, x % 150),
                                              pictureBlue(y / 150, y % 150)));
        al_unlock_bitmap(picture);
        al_restore_state(&state);
        return picture;
    }

    // Gives every cube the same six faces, picture k at the front, upright.
    static void dealWithFront(int k)
    {
        for (int c = 1; c <= cubeCount; ++c)
            setCube(c, k);
    }
    static void setCube(int c, int front)
    {
        std::memset(cubeNet[c], 0, sizeof cubeNet[c]);
        std::memset(cubeTurn[c], 0, sizeof cubeTurn[c]);
        // Front, then around: left, right, back, top, bottom.
        int next = front;
        auto take = [&next] {
            int value = next;
            next = next % pictureCount + 1;
            return value;
        };
        cubeNet[c][1][1] = take();
        cubeNet[c][0][1] = take();
        cubeNet[c][2][1] = take();
        cubeNet[c][3][1] = cubeNet[c][1][3] = take();
        cubeNet[c][1][0] = take();
        cubeNet[c][1][2] = take();
    }

    static int centreX(int cell) { return cellX[cell] + 75; }
    static int centreY(int cell) { return cellY[cell] + 75; }

    // The live mouse; the game logic sees it two passes later (one poll late).
    void setMouse(int x, int y, int buttons) { scripted.mouse = {x, y, buttons}; }

    // One roll made as a player makes it: press on the cube's middle, drag 40
    // pixels, let go while it rolls. Returns the game frames the roll took.
    int rollBySwipe(int cube, RollDirection direction)
    {
        static const int dx[] = {40, -40, 0, 0};
        static const int dy[] = {0, 0, -40, 40};
        int x = centreX(cube), y = centreY(cube);
        setMouse(x, y, 1);
        runPasses(1);
        setMouse(x + dx[direction], y + dy[direction], 1);
        runPasses(1);                       // the press begins
        setMouse(x + dx[direction], y + dy[direction], 0);
        int frames = 0;
        do {
            runPasses(1);                   // the swipe, then the roll
            ++frames;
        } while (rollStep != 0 && frames < 200);
        runPasses(1);                       // the release reaches the game
        return frames;
    }

    int screenRed(int x, int y) { int rgb[3]; screenPixel(x, y, rgb); return rgb[0]; }
};
