// The painters and synthesisers behind each media file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

namespace media {

constexpr int kPictureW = 600, kPictureH = 450;

// One of the 36 puzzle pictures: set 'b' (bold scenes), 'p' (landscapes) or
// 'w' (fractals), number 1..12.
Image paintPicture(char set, int number);
Image paintBoldScene(int number);
Image paintLandscape(int number);
Image paintFractal(int number);

// The 1024 x 710 background of every screen.
Image paintBackground();

// The sprite sheet, kAtlasWidth x kAtlasHeight.
Image paintAtlas();
// The light colour the title art holds at the shading pixel.
Col shadePixelColour();

// One of the title's picture cubes, seen from above at an angle: its left
// face shows the 150 x 150 piece of leftPic at leftOrg, its right face (in
// shade) a piece of rightPic, its top is flat topCol. Edge lines are
// lineScale times their width in the title art.
struct Iso {
    V2 c;     // centre of the top face
    float a;  // edge length
};
void isoCube(Image& img, Iso cube, const Image& leftPic, V2 leftOrg, const Image& rightPic, V2 rightOrg, Col topCol,
             float lineScale = 1);

// The game's icon: the title's three cubes, two standing and one rolled on
// top, on a transparent square of `size` pixels.
Image paintIcon(int size);

// The three sounds as 16-bit PCM WAV files: 1 level intro, 3 final screen,
// 5 picture solved.
std::vector<uint8_t> synthSound(int which);

// media/teksty.txt, 25 lines of UTF-8.
std::string textTable();

}  // namespace media
