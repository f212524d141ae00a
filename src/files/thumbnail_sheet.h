// The thumbnail sheet: the six framed thumbnails of every level started in
// this game, one 710-pixel band per level, kept in thumbColumn and thumbSheet
// and in media/miniaturki.png, whose presence means a saved game exists.
#pragma once

#include <allegro5/allegro.h>

constexpr const char* thumbSheetPath = "media/miniaturki.png";
constexpr int thumbSheetWidth = 150;
constexpr int thumbSheetHeight = 2160;

// True when media/miniaturki.png can be opened for reading: the start menu's
// sign of a saved game.
bool thumbSheetFileExists();

// media/miniaturki.png as a bitmap, or null when it is missing, is no whole
// PNG image or is larger than 4096 × 4096.
ALLEGRO_BITMAP* loadThumbSheetFile();

// A fresh, fully transparent 150 x 2160 bitmap.
ALLEGRO_BITMAP* createEmptyThumbBitmap();

// Composes the current level's band in thumbColumn, lays the column over the
// sheet (reloaded from the file at level 1 and 2) and writes the file.
void writeLevelThumbnails();
