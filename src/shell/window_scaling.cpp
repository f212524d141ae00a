#include "shell/window_scaling.h"

#include <algorithm>

namespace {

// Rounds numerator / denominator to the nearest whole number (halves up);
// both are positive.
long long roundedQuotient(long long numerator, long long denominator)
{
    return (2 * numerator + denominator) / (2 * denominator);
}

// Rounds down, also for a negative numerator; the denominator is positive.
long long flooredQuotient(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

// Window pixel p, on an axis where the screen's `screenSize` pixels take
// `size` window pixels from `start` on: the screen pixel under p's centre,
// floor((p - start + 1/2) * screenSize / size).
int toScreen(int p, int start, int size, int screenSize)
{
    return static_cast<int>(
        flooredQuotient((2LL * (p - start) + 1) * screenSize, 2LL * size));
}

}  // namespace

WindowFit fitScreenInWindow(int windowWidth, int windowHeight)
{
    WindowFit fit;
    fit.windowWidth = std::max(windowWidth, 1);
    fit.windowHeight = std::max(windowHeight, 1);
    // Compare the proportions exactly: W / H against 1024 / 710.
    long long wide = 1LL * fit.windowWidth * screenHeight;
    long long tall = 1LL * fit.windowHeight * screenWidth;
    if (wide <= tall) {
        // The width fills the window; bars above and below.
        fit.width = fit.windowWidth;
        fit.height = static_cast<int>(roundedQuotient(1LL * fit.windowWidth * screenHeight, screenWidth));
    } else {
        // The height fills the window; bars left and right.
        fit.height = fit.windowHeight;
        fit.width = static_cast<int>(roundedQuotient(1LL * fit.windowHeight * screenWidth, screenHeight));
    }
    fit.width = std::clamp(fit.width, 1, fit.windowWidth);
    fit.height = std::clamp(fit.height, 1, fit.windowHeight);
    fit.left = (fit.windowWidth - fit.width) / 2;
    fit.top = (fit.windowHeight - fit.height) / 2;
    return fit;
}

int windowToScreenX(const WindowFit& fit, int x)
{
    return toScreen(x, fit.left, fit.width, screenWidth);
}

int windowToScreenY(const WindowFit& fit, int y)
{
    return toScreen(y, fit.top, fit.height, screenHeight);
}

MouseState windowMouseToScreen(const WindowFit& fit, const MouseState& windowMouse)
{
    MouseState mouse = windowMouse;
    mouse.x = windowToScreenX(fit, windowMouse.x);
    mouse.y = windowToScreenY(fit, windowMouse.y);
    return mouse;
}

int largestWholeScale(int areaWidth, int areaHeight)
{
    return std::max(1, std::min(areaWidth / screenWidth, areaHeight / screenHeight));
}
