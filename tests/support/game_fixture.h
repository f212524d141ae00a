// A test fixture that runs the game on the scripted platform in a scratch
// folder holding small media of the test's own.
#pragma once

#include "shell/scripted_platform.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Which fixture media to leave out, by file name under media/.
using MissingMedia = std::set<std::string>;

// Writes small but complete media into `folder`/media: background, sprite
// sheet, fonts, three short sounds, the 36 level pictures (picture N of set
// s made by writePicture with seed 12 s + N) and a text table whose entry i
// reads "tekst i" (13 and 14 hold one "%d" each).
void writeFixtureMedia(const std::string& folder, const MissingMedia& missing = {});

// "b1.jpg" .. "w12.jpg": picture `number` of set 0, 1 or 2.
std::string fixturePictureName(int set, int number);

// A 600 x 450 picture, in the format its name asks for. Every 150 x 150 piece
// has a colour of its own (from `seed`, its column and its row) and a white
// bar along its top edge, so a turned piece shows. Tests that need exact
// colours read them back from the loaded bitmap (JPEG is lossy).
void writePicture(const std::string& path, int seed);

// A pixel of any bitmap as 8-bit red, green and blue.
void bitmapPixel(ALLEGRO_BITMAP* bitmap, int x, int y, int rgb[3]);

class ScriptedGameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs initGame on the fixture media and expects it to succeed.
    void startGame();
    // Reads a pixel of the screen, or of the clean background, as 8-bit values.
    void screenPixel(int x, int y, int rgb[3]);
    void backgroundPixel(int x, int y, int rgb[3]);
    // Runs passes of the main loop until the exit sequence ends it or `limit`
    // passes ran; returns the number of the pass that ended it, or 0.
    int runPasses(int limit);

    ScriptedPlatform scripted;
    std::string folder;        // the scratch folder, the working folder during the test
    MissingMedia missingMedia; // set before SetUp's media are written, via a subclass

private:
    std::string previousFolder;
};
