#include "screens/background_picture.h"

#include "files/image_files.h"
#include "puzzle/board_drawing.h"
#include "shell/game_state.h"
#include "shell/platform.h"

#include <cstdio>
#include <string>

namespace {

constexpr char backgroundPath[] = "media/t2.jpg";
constexpr int fadeOutSteps = 128;

// The colour start-up clears the screen to.
ALLEGRO_BITMAP* createPlainBackground()
{
    ALLEGRO_BITMAP* plain = al_create_bitmap(screenWidth, screenHeight);
    if (!plain)
        return nullptr;
    ALLEGRO_STATE saved;
    al_store_state(&saved, ALLEGRO_STATE_TARGET_BITMAP);
    al_set_target_bitmap(plain);
    al_clear_to_color(al_map_rgb(0, 22, 22));
    al_restore_state(&saved);
    return plain;
}

}  // namespace

bool fadeInBackground(int steps, double pause, void (*overlay)(int step))
{
    targetScreen();
    for (int i = 0; i < steps; ++i) {
        al_draw_tinted_bitmap(background, al_map_rgba(i, i, i, i), 0, 0, 0);
        restFor(pause);
        if (overlay)
            overlay(i);
        flipDisplay();
        if (platform().leaveRequested())
            return false;
    }
    return true;
}

bool fadeOutBackground(double pause, bool stopWhenLeaving)
{
    targetScreen();
    for (int k = fadeOutSteps; k >= 1; --k) {
        al_draw_tinted_bitmap(background, al_map_rgba(k, k, k, 256 - k), 0, 0, 0);
        restFor(pause);
        flipDisplay();
        if (stopWhenLeaving && platform().leaveRequested())
            return false;
    }
    return true;
}

void reloadBackground()
{
    // Through the game's own checked decoder, as at start-up.
    std::string why;
    ALLEGRO_BITMAP* fresh = loadImageFile(backgroundPath, backgroundBounds, why);
    if (!fresh) {
        std::fprintf(stderr, "zor: nie da się ponownie wczytać %s (%s), tło będzie jednolite\n",
                     backgroundPath, why.c_str());
        fresh = createPlainBackground();
    }
    // Without even a plain picture the painted one is better than none.
    if (fresh) {
        al_destroy_bitmap(background);
        background = fresh;
    }
    forgetBoardBackdrop();
}
