// The level pictures: three sets of twelve 600 x 450 JPEG files, one set a
// level, media/b1.jpg to media/w12.jpg.
#pragma once

#include <allegro5/allegro.h>

#include <string>

constexpr int pictureWidth = 600;
constexpr int pictureHeight = 450;
constexpr int picturesPerSet = 12;

// media/<set letter><number>.jpg for a level 0..2 and a file number 1..12.
std::string pictureFileName(int forLevel, int number);

// Why the picture file cannot serve ("brak pliku", "ma 800 x 600 pikseli
// zamiast 600 x 450", ...), or "" when it is a 600 x 450 JPEG. Reads only
// the file's header.
std::string checkPictureFile(const std::string& path);

// The picture as a bitmap, or null with the reason in `why`.
ALLEGRO_BITMAP* loadPictureFile(const std::string& path, std::string& why);
