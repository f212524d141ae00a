#include "puzzle/solved_check.h"

#include "puzzle/swipe_and_roll.h"
#include "shell/game_state.h"
#include "shell/platform.h"

#include <allegro5/allegro_font.h>

const char* const alreadySolvedMessage = "TEN OBRAZEK JUŻ UŁOŻONY - WYBIERZ INNY";

namespace {

void showAlreadySolvedMessage()
{
    clearMessageLine();
    if (fontText)
        al_draw_text(fontText, al_map_rgb(222, 222, 0), 630, 620, ALLEGRO_ALIGN_CENTRE,
                     alreadySolvedMessage);
}

void drawProgressStrip(int marks)
{
    if (background)
        al_draw_scaled_bitmap(background, 240, 660, 600, 25, 240, 660, 600, 25, 0);
    if (!uiAtlas)
        return;
    for (int i = 1; i <= marks; ++i)
        al_draw_scaled_bitmap(uiAtlas, 530, 406, 40, 26, 320 + 40 * (i - 1), 666, 32, 13,
                              ALLEGRO_FLIP_HORIZONTAL | ALLEGRO_FLIP_VERTICAL);
}

} // namespace

int countCubesShowing(int k)
{
    int showing = 0;
    for (int c = 1; c <= cubeCount; ++c)
        if (cubeNet[c][1][1] == k && cubeTurn[c][1][1] == 0)
            ++showing;
    return showing;
}

void checkSolvedPictures()
{
    int best = 0;
    for (int k = 1; k <= pictureCount; ++k) {
        int showing = countCubesShowing(k);
        if (showing > best)
            best = showing;
        if (showing != cubeCount)
            continue;
        if (pictureSolved[k] == 0 && pendingPicture == 0) {
            playSolvedSequence(k);
            pendingPicture = k;
        }
        if (pictureSolved[k] == 1)
            showAlreadySolvedMessage();
    }
    drawProgressStrip(best);
    pressActive = 0;
}

void commitSolvedPicture()
{
    if (pendingPicture >= 1 && pendingPicture <= pictureCount)
        pictureSolved[pendingPicture] = 1;
    pressActive = 1;
    pendingPicture = 0;
}

void playSolvedSequence(int k)
{
    ALLEGRO_BITMAP* picture = k >= 1 && k <= pictureCount ? pictures[k] : nullptr;
    float slotY = 25 + 110 * (k - 1);

    playSampleOnce(sampleS5, 1.0f, 1.0f);

    // The thumbnail lights up...
    for (int i = 0; i <= 14; ++i) {
        if (picture)
            al_draw_tinted_scaled_bitmap(picture, al_map_rgba(i, i, i, 0), 0, 0, 600, 450,
                                         70, slotY, 140, 102, 0);
        flipDisplay();
        restFor(0.003);
    }
    // ...then dims to a dark copy while the banner opens from the middle.
    for (int j = 0; j <= 279; ++j) {
        int a = j / 20 + 1;
        if (picture)
            al_draw_tinted_scaled_bitmap(picture, al_map_rgba(4, 4, 4, a), 0, 0, 600, 450,
                                         70, slotY, 140, 102, 0);
        clearMessageLine();
        if (uiAtlas)
            al_draw_scaled_bitmap(uiAtlas, 65, 400, 285, 46, 630 - j, 610, 2 * j, 46, 0);
        flipDisplay();
        restFor(0.003);
    }
}
