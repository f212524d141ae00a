// The board as the player sees it between rolls.
#pragma once

// Repaints the board area: the background under it, the drop shadow and the
// front face of every cube. Draws on the current target and keeps it.
void drawBoard();

// The same picture drawn the long way: the background region and the 25
// shadow rectangles every time. Kept to check the quick way against.
void drawBoardStepByStep();

// The board area of the background with its shadow never changes during
// play, so drawBoard composes it once and copies it. Frees it: call this
// whenever `background` is drawn into or replaced, and before the display
// goes.
void forgetBoardBackdrop();
