// The closing sequence of a finished game: the moves of each level and the
// thumbnails of all eighteen pictures, then the new-game button.
#pragma once

// Runs the final screen (about six seconds; it reads no input). Deletes the
// saved game and gives thumbColumn and thumbSheet fresh, empty bitmaps for a
// new game. When the player closes the window meanwhile, it stops after the
// current step, still deletes and replaces, and returns with
// keyboardState.closeClicked set.
void runFinalScreen();
