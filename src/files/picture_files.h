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

// Why the picture file cannot serve ("brak pliku", "ma 800 × 600 pikseli
// zamiast 600 × 450", "plik jest ucięty", ...), or "" when it is a whole
// 600 × 450 JPEG. Decodes the file, but makes no bitmap.
std::string checkPictureFile(const std::string& path);

// The picture as a bitmap, or null with the reason in `why`. Players may put
// pictures of their own here, so the file is decoded by our own checked path.
ALLEGRO_BITMAP* loadPictureFile(const std::string& path, std::string& why);
