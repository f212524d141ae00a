#include "shell/input.h"

#include "shell/game_state.h"
#include "shell/platform.h"

int findHoverTarget(int x, int y)
{
    int target = targetNothing;
    // A cell's first pixel row and column belong to no cell.
    for (int cell = 1; cell <= cubeCount; ++cell)
        if (cellX[cell] < x && x <= cellX[cell] + 149 && cellY[cell] < y && y <= cellY[cell] + 149)
            target = cell;
    if (867 <= x && x <= 963 && 663 < y && y <= 680)
        target = targetExitButton;
    if (566 <= x && x <= 687 && 610 < y && y <= 635)
        target = targetNewGameButton;
    return target;
}

void pollMouse()
{
    hoverTarget = targetNothing;
    mouseX = mouseState.x;
    mouseY = mouseState.y;
    mouseButtons = mouseState.buttons;
    platform().readMouse(mouseState);
    hoverTarget = findHoverTarget(mouseX, mouseY);
}

bool leaveSeenThenPollKeyboard()
{
    bool seen = keyboardState.asksToLeave();
    platform().readKeyboard(keyboardState);
    return seen;
}
