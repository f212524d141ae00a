// A player's photo made into one of the game's pictures: turned upright by its
// orientation tag, cropped to 4:3 around its centre, scaled with a Lanczos
// filter to 600 × 450 and written as a baseline JPEG the game reads.
#pragma once

#include <string>

// A photo must give at least this much once upright, or the picture would be
// a blur of a few enlarged pixels.
constexpr int smallestPhotoWidth = 300;
constexpr int smallestPhotoHeight = 225;

// Transparent parts of a photo come out on this colour, as on a sheet of paper.
constexpr const char* photoBackdropColour = "white";

// Files beyond this are not photos; it keeps a stray disk image out of memory.
constexpr size_t largestPhotoFile = 256u * 1024 * 1024;

// Magick++ wants starting once before any image is made; convertPhoto does.
void startImageLibrary();

// The 600 × 450 JPEG made of the photo at `path`, in `jpeg`. False, with the
// reason in Polish in `why`, for a file that cannot be read, is no image of
// the kinds taken, is damaged, or is smaller than the smallest photo.
bool convertPhoto(const std::string& path, std::string& jpeg, std::string& why);
