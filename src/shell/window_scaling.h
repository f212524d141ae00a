// The game draws a 1024 x 710 screen; the player may size the window as they
// like. This is the arithmetic between the two, shared by both platforms: where
// the screen stands in a window of any size (as large as fits, proportions
// kept, centred between black bars) and which screen pixel a window pixel
// shows, so that the mouse reaches the game in screen pixels whatever the
// window's size. Plain arithmetic on whole numbers: no drawing, no state.
#pragma once

#include "shell/game_state.h"

// The screen's place in a window.
struct WindowFit {
    int windowWidth = screenWidth;   // the window's inside, in window pixels
    int windowHeight = screenHeight;
    int left = 0;                    // the screen's top-left corner in the window
    int top = 0;
    int width = screenWidth;         // the screen's size in the window
    int height = screenHeight;

    // The screen is shown pixel for pixel (perhaps between bars): no scaling,
    // no filtering.
    bool unscaled() const { return width == screenWidth && height == screenHeight; }
    // The screen fills the whole window: there are no bars to paint.
    bool fillsWindow() const { return width == windowWidth && height == windowHeight; }
};

// The largest picture of the screen's proportions that fits the window,
// centred: one side fills the window, the other is rounded to the nearest
// whole pixel and leaves equal bars (the odd pixel, if any, goes to the right or
// the bottom bar). A window of less than a pixel counts as one pixel.
WindowFit fitScreenInWindow(int windowWidth, int windowHeight);

// The screen pixel that window pixel (x, y) shows: the one under the window
// pixel's centre. Outside the picture, in the bars or beyond the window, it goes
// on in the same steps, so it lies off the screen (below 0, or at or past 1024 or
// 710) and hits nothing; a drag that runs into a bar keeps its true length in
// screen pixels.
int windowToScreenX(const WindowFit& fit, int x);
int windowToScreenY(const WindowFit& fit, int y);
// The mouse seen through the fit; the buttons pass unchanged.
MouseState windowMouseToScreen(const WindowFit& fit, const MouseState& windowMouse);

// The largest whole multiple of 1024 x 710 that fits an area of this size,
// at least 1: the size the game opens at, so that it is not a postage stamp
// on a large desktop.
int largestWholeScale(int areaWidth, int areaHeight);
