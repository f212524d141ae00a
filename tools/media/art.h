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

// The three sounds as 16-bit PCM WAV files: 1 level intro, 3 final screen,
// 5 picture solved.
std::vector<uint8_t> synthSound(int which);

// media/teksty.txt, 25 lines of UTF-8.
std::string textTable();

}  // namespace media
