// The start menu: continue the saved game, or start a new one.
#pragma once

// Runs the menu and leaves the choice in gameMode: 1 continue, 2 new game,
// 0 when the player left with Escape or the close box (keyboardState then
// says so, and the main loop ends the game). Leaves `background` the bare
// picture again.
void runStartMenu();
