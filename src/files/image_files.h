// Images from files the game did not write (or that may have been changed
// since): read whole, decoded here with libjpeg and libpng under their own
// error handling, and checked against the size the game draws from before
// any memory is taken for their pixels. A damaged or cut-short file is
// refused with a reason, never handed to a loader that trusts what it says
// of itself.
#pragma once

#include "shell/game_state.h"

#include <allegro5/allegro.h>

#include <string>
#include <vector>

enum class ImageKind { jpeg, png };

// The sizes an image may have, in pixels, bounds included.
struct ImageBounds {
    int minWidth;
    int minHeight;
    int maxWidth;
    int maxHeight;
};

constexpr ImageBounds exactSize(int width, int height)
{
    return {width, height, width, height};
}

struct DecodedImage {
    int width = 0;
    int height = 0;
    // Rows of red, green, blue and alpha bytes, top row first; colours are
    // premultiplied by alpha, as the graphics library's loader gives them.
    std::vector<unsigned char> pixels;
};

// Decodes `bytes` as an image of `kind` within `bounds`. False, with the
// reason in `why`, for anything else: another format, a damaged or cut-short
// file, an image of another size. `image` is then left empty.
bool decodeImage(const std::string& bytes, ImageKind kind, const ImageBounds& bounds,
                 DecodedImage& image, std::string& why);

// A new bitmap (of the kind al_create_bitmap makes now) holding the pixels,
// or null.
ALLEGRO_BITMAP* createBitmapFrom(const DecodedImage& image);

// The image file at `path` (JPEG or PNG by its name) as a bitmap, or null
// with the reason in `why`.
ALLEGRO_BITMAP* loadImageFile(const std::string& path, const ImageBounds& bounds,
                              std::string& why);

// Why the image file at `path` cannot serve, or "" when it decodes whole
// within `bounds`. Makes no bitmap.
std::string checkImageFile(const std::string& path, const ImageBounds& bounds);

// The media of the screens: the background must cover the window exactly;
// the sprite sheet must hold every region the game draws from it.
constexpr const char* backgroundFilePath = "media/t2.jpg";
constexpr const char* spriteSheetFilePath = "media/ele.png";
constexpr ImageBounds backgroundBounds = exactSize(screenWidth, screenHeight);
constexpr ImageBounds spriteSheetBounds = {672, 807, 4096, 4096};
