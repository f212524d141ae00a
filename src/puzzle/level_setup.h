// Setting up a level: its six pictures, its cubes, its thumbnails and its
// intro.
#pragma once

// Chooses six new pictures and deals the cubes (a new game or the next
// level), or restores the saved game (continue; a save that cannot be used
// starts a new game instead). Loads the pictures, writes the thumbnail sheet,
// saves the game and plays the intro. Leaves gameMode at gameModeNew.
void startLevel();

// Fills pictureNumber[1..6] with six different file numbers, each also
// different from the numbers the slots after it still hold.
void choosePictures();

// The intro: a fade from black (level 0 or a continued game), the thumbnail
// column scrolling into the side panel, and the new level's tab marked.
void playLevelIntro();
