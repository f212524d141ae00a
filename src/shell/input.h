// Input is polled once per pass of each interactive loop, never read from
// events. All logic works on a snapshot one poll old, so that position,
// buttons and target always describe one and the same moment.
#pragma once

// Moves the previous poll's mouse into mouseX, mouseY and mouseButtons, polls
// the mouse anew and sets hoverTarget for the snapshot's position.
void pollMouse();

// What lies under (x, y): a board cell 1..12, the exit button, the new-game
// button, or nothing. Reads the laid-out grid cellX and cellY.
int findHoverTarget(int x, int y);

// Escape (or the close box) as of the previous keyboard poll, then polls the
// keyboard anew.
bool leaveSeenThenPollKeyboard();
