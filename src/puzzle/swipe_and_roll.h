// Turning a swipe over a cube into an animated quarter roll: the steps of the
// game frame that run before and after the board is drawn.
#pragma once

#include <allegro5/allegro.h>

// The six roll tints of this frame, [1..6]; entry 0 is unused.
extern ALLEGRO_COLOR rollTints[7];

// How long a roll lasts: rollStep runs 0, 2, ..., 150, one value per frame.
constexpr int rollStepSize = 2;
constexpr int rollLastStep = 150;
constexpr int rollHalfStep = 74;       // the bulge grows up to here, then shrinks
constexpr double rollBulgePerFrame = 0.78;
constexpr int swipeDistance = 15;      // a swipe must go further than this
constexpr int swipeDrift = 14;         // and stray no further than this off its axis

// Tints from rollStep as it stands at the start of the frame.
void computeRollTints();
// A press may begin on the cell under the mouse, or a held press may end.
void trackPress();
// May set one swipe flag.
void recogniseSwipe();
// While pressActive: draws the rolling cube and ends with the commit step, or
// on a roll's last frame moves the net, counts the move and runs the solved
// check.
void runRollStep();

// Copies the message line back from the background.
void clearMessageLine();
