// Start-up: the library and its add-ons, input, the dice, audio, the window,
// the scratch bitmaps, fonts, images, sounds and the text table.
#pragma once

#include <string>

// Prepares everything the game draws with, plays and reads. Never stops
// half-way: what cannot be had is noted in startupFault (fatal) or reported
// on standard error (sounds and texts, which the game can do without).
void initGame();

// Why the game cannot start (a medium it draws with is missing or
// unreadable, no window), for the player; empty when it can.
extern std::string startupFault;

// Destroys every handle start-up made that is still held. Safe to call twice.
void releaseGameResources();
