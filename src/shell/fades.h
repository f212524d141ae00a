// The two darkenings of the whole screen.
#pragma once

// Darkens the screen over 44 frames (0.02 s rest each) before a new game,
// and clears the per-level move records.
void fadeToBlack();

// The last thing the program does: darkens the screen over 44 quick frames,
// then closes the window and releases what start-up made.
void shutdownGame();
