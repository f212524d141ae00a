#include "puzzle/board_drawing.h"

#include "shell/game_state.h"

#include <allegro5/allegro_primitives.h>

namespace {

// The region of the screen that drawBoard repaints.
constexpr int areaX = 300;
constexpr int areaY = 90;
constexpr int areaWidth = 680;
constexpr int areaHeight = 520;

ALLEGRO_BITMAP* backdrop = nullptr;
ALLEGRO_BITMAP* backdropSource = nullptr;   // the background it was made from
bool backdropComposed = false;
bool backdropUsable = false;                // false: draw step by step instead

void drawShadow()
{
    for (int i = 0; i <= 24; ++i)
        al_draw_filled_rectangle(335 + i, 125 + i, 975 - 2 * i, 610 - 2 * i, al_map_rgba(0, 0, 0, i));
}

void drawBackdropStepByStep()
{
    if (background)
        al_draw_bitmap_region(background, areaX, areaY, areaWidth, areaHeight, areaX, areaY, 0);
    drawShadow();
}

// Copying a composed backdrop gives the same pixels as drawing step by step
// only where the background is opaque; otherwise the old screen would show
// through the step-by-step drawing.
bool isOpaque(ALLEGRO_BITMAP* bitmap)
{
    ALLEGRO_LOCKED_REGION* locked = al_lock_bitmap_region(bitmap, 0, 0, areaWidth, areaHeight,
                                                          ALLEGRO_PIXEL_FORMAT_ABGR_8888,
                                                          ALLEGRO_LOCK_READONLY);
    if (!locked)
        return false;
    bool opaque = true;
    for (int y = 0; y < areaHeight && opaque; ++y) {
        const unsigned char* row = static_cast<const unsigned char*>(locked->data) + y * locked->pitch;
        for (int x = 0; x < areaWidth; ++x)
            if (row[4 * x + 3] != 255) {
                opaque = false;
                break;
            }
    }
    al_unlock_bitmap(bitmap);
    return opaque;
}

// Composes the board area of the background with its shadow, in a bitmap of
// the same kind as the target so that the copy is exact.
void composeBackdrop(ALLEGRO_BITMAP* target)
{
    forgetBoardBackdrop();
    backdropComposed = true;
    backdropSource = background;
    if (!background)
        return;

    ALLEGRO_STATE saved;
    al_store_state(&saved, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS | ALLEGRO_STATE_TARGET_BITMAP);
    al_set_new_bitmap_flags(al_get_bitmap_flags(target));
    al_set_new_bitmap_format(al_get_bitmap_format(target));
    backdrop = al_create_bitmap(areaWidth, areaHeight);
    if (backdrop) {
        al_set_target_bitmap(backdrop);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        ALLEGRO_TRANSFORM shift;
        al_identity_transform(&shift);
        al_translate_transform(&shift, -areaX, -areaY);
        al_use_transform(&shift);
        drawBackdropStepByStep();
    }
    al_restore_state(&saved);
    backdropUsable = backdrop && isOpaque(backdrop);
}

// The backdrop is opaque, so a plain copy gives exactly the pixels that
// blending it on would, and on a memory screen it is many times faster.
void copyBackdrop()
{
    int operation, source, destination;
    al_get_blender(&operation, &source, &destination);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_draw_bitmap(backdrop, areaX, areaY, 0);
    al_set_blender(operation, source, destination);
}

bool backdropOutdated(ALLEGRO_BITMAP* target)
{
    if (!backdropComposed || backdropSource != background)
        return true;
    return backdrop && (al_get_bitmap_flags(backdrop) != al_get_bitmap_flags(target) ||
                        al_get_bitmap_format(backdrop) != al_get_bitmap_format(target));
}

void drawCubeFaces()
{
    for (int r = 0; r < boardRows; ++r) {
        for (int c = 0; c < boardColumns; ++c) {
            int k = 4 * r + c + 1;
            int picture = cubeNet[k][1][1];
            if (picture < 1 || picture > pictureCount || !pictures[picture])
                continue;   // a face we cannot show stays empty
            float angle = static_cast<float>(cubeTurn[k][1][1] * 1.57);
            al_draw_tinted_scaled_rotated_bitmap_region(
                pictures[picture], cellSize * c, cellSize * r, cellSize, cellSize,
                al_map_rgba(200, 200, 200, 255), 75, 75, cellX[k] + 75, cellY[k] + 75,
                1, 1, angle, 0);
        }
    }
}

} // namespace

void drawBoard()
{
    ALLEGRO_BITMAP* target = al_get_target_bitmap();
    if (!target)
        return;
    if (backdropOutdated(target))
        composeBackdrop(target);

    if (backdropUsable)
        copyBackdrop();
    else
        drawBackdropStepByStep();
    drawCubeFaces();
}

void drawBoardStepByStep()
{
    drawBackdropStepByStep();
    drawCubeFaces();
}

void forgetBoardBackdrop()
{
    if (backdrop)
        al_destroy_bitmap(backdrop);
    backdrop = nullptr;
    backdropSource = nullptr;
    backdropComposed = false;
    backdropUsable = false;
}
