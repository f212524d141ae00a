// The program's road: start-up, the main loop with its game frames and level
// flow, and the exit sequence.
#pragma once

// The whole program, from start-up to the end of the exit sequence. Returns
// the process's exit status: 0 when the player leaves, non-zero when the game
// cannot start (a medium it draws with is missing, no window).
int gameMain();

// Sets cellX and cellY: the board's twelve cells, 3 pixels apart.
void layOutBoard();

// Lays out the board grid and sets the loop's variables for the first pass.
void beginMainLoop();

// One pass of the loop: Escape, input, a game frame when one is due, the
// buttons, the flip and the rest. False once the exit sequence has run.
bool runLoopPass();

// One game frame: the move counter, the steps of play and the level flow.
void runGameFrame();

// Saves a level in play, then shuts the game down.
void runExitSequence();
