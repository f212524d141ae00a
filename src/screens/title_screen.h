// The title screen: the title picture fades in, waits for a click or about
// ten seconds, and fades to black.
#pragma once

// Runs the title screen. Leaves `background` the bare picture again. When
// the player closes the window meanwhile, it returns at once with
// keyboardState.closeClicked set, so that the caller leaves too.
void runTitleScreen();
