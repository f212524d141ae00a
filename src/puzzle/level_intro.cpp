// The intro of a level: a fade from black, the thumbnail column climbing into
// the side panel, and the new level's tab marked.
#include "puzzle/level_setup.h"

#include "shell/game_state.h"
#include "shell/platform.h"

#include <allegro5/allegro_primitives.h>

namespace {

constexpr int fadeFrames = 255;
constexpr int scrollFrames = 710;
constexpr int dimEvery = 15;
constexpr int tabPitch = 155;

void fadeFromBlack()
{
    for (int a = fadeFrames; a >= 1; --a) {
        al_draw_bitmap(background, 0, 0, 0);
        // The opaque atlas square, tinted black: a cover of alpha a. It stops
        // four pixels short of the right edge.
        al_draw_tinted_scaled_bitmap(uiAtlas, al_map_rgba(0, 0, 0, a), 350, 470, 40, 40, 0, 0, 1020,
                                     710, 0);
        restFor(0.003);
        flipDisplay();
    }
}

// The previous level's board sinks towards black, and the message line under
// it blends back into the clean background.
void dimPreviousBoard(int u)
{
    al_draw_filled_rectangle(325, 115, 950, 585, al_map_rgba(0, 0, 0, u));
    al_draw_tinted_bitmap_region(background, al_map_rgba(u, u, u, u), 300, 610, 600, 48, 300, 610,
                                 0);
}

// Near-black veils over the previous band's thumbnails as they leave.
void veilLeavingThumbnails(int t)
{
    for (int k = 1; k <= pictureCount; ++k)
        if (pictures[k])
            al_draw_tinted_scaled_bitmap(pictures[k], al_map_rgba(4, 4, 4, 141), 0, 0, 600, 450,
                                         70, 25 - t + 110 * (k - 1), 140, 102, 0);
}

void scrollThumbnailColumn(bool continued)
{
    int dimming = 0;
    for (int t = 0; t < scrollFrames; ++t) {
        // Restarted every frame: while all three voices are busy a start does
        // nothing, so the sound runs as overlapping copies.
        playSampleOnce(sampleS1, 0.7f, 1.0f);
        if (!continued && level >= 1 && t % dimEvery == 0)
            dimPreviousBoard(++dimming);
        al_draw_bitmap_region(background, 68, 0, 150, 710, 68, 0, 0);
        al_draw_bitmap(thumbColumn, 68, 710 * (1 - level) - t, 0);
        if (level >= 1)
            veilLeavingThumbnails(t);
        flipDisplay();
        restFor(0.002);
    }
}

void markLevelTab(bool continued)
{
    al_draw_bitmap_region(background, 300, 0, 600, 60, 300, 0, 0);
    al_draw_bitmap_region(uiAtlas, 527, 407, 115, 25, 502 + tabPitch * level, 32, 0);
    if (fontText)
        al_draw_text(fontText, al_map_rgb(199, 222, 199), 560 + tabPitch * level, 35,
                     ALLEGRO_ALIGN_CENTRE, texts[level + 1].c_str());
    al_draw_bitmap_region(background, 300, 610, 600, 80, 300, 610, 0);
    // A continued game shows the pictures solved before it was saved veiled.
    if (continued)
        for (int k = 1; k <= pictureCount; ++k)
            if (pictureSolved[k] > 0 && pictures[k])
                al_draw_tinted_scaled_bitmap(pictures[k], al_map_rgba(5, 5, 5, 180), 0, 0, 600,
                                             450, 69, 26 + 110 * (k - 1), 142, 100, 0);
    flipDisplay();
}

}  // namespace

void playLevelIntro()
{
    bool continued = gameMode == gameModeContinue;
    targetScreen();
    if (level == 0 || continued)
        fadeFromBlack();
    scrollThumbnailColumn(continued);
    markLevelTab(continued);
}
