// The generator's only contact with Allegro: image encoding and decoding, and
// glyph masks for the few words painted into the art. All bitmaps are memory
// bitmaps, so no display is needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

namespace media {

using Bytes = std::vector<uint8_t>;

// Starts Allegro and its image and font add-ons once; false if that fails.
bool initAllegro();

// Encodes an image as PNG (straight alpha) or JPEG (over black). scratchPath
// is a file the encoder may use and removes afterwards.
Bytes encodeImage(const Image& img, const std::string& ext, const std::string& scratchPath);

// Loads an image file; an empty image if it cannot be read.
Image loadImage(const std::string& path);

// White text on transparent, tight to the font's line box. Empty on failure.
Image textMask(const std::string& fontPath, int pixelSize, const std::string& utf8);

// The two Liberation Sans faces the game ships as arial.ttf and arialbd.ttf.
const char* systemFontRegular();
const char* systemFontBold();

}  // namespace media
