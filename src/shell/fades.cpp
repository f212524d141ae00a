#include "shell/fades.h"

#include "shell/game_state.h"
#include "shell/init_game.h"
#include "shell/platform.h"

#include <allegro5/allegro_primitives.h>

namespace {

// Each frame keeps 1 - i/255 of the screen, about 2 % after 44 frames. The
// cover stops 4 pixels short of the right edge and 5 of the bottom.
void fadeScreen(double pause)
{
    targetScreen();
    for (int i = 0; i <= 43; ++i) {
        al_draw_filled_rectangle(0, 0, 1020, 705, al_map_rgba(0, 0, 0, i));
        flipDisplay();
        restFor(pause);
    }
}

}  // namespace

void fadeToBlack()
{
    fadeScreen(0.02);
    for (int& moves : levelMoves)
        moves = 0;
}

void shutdownGame()
{
    fadeScreen(0.001);
    releaseGameResources();
    platform().closeScreen();
}
