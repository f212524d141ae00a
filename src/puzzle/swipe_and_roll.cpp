#include "puzzle/swipe_and_roll.h"

#include "puzzle/cube_nets.h"
#include "puzzle/solved_check.h"
#include "shell/game_state.h"
#include "shell/platform.h"

#include <cstdlib>

ALLEGRO_COLOR rollTints[7];

namespace {

int* const swipeFlags[rollDirectionCount] = {&swipeRight, &swipeLeft, &swipeUp, &swipeDown};

ALLEGRO_COLOR grey(int v)
{
    return al_map_rgb(v, v, v);
}

ALLEGRO_COLOR greyWithAlpha(int v)
{
    return al_map_rgba(v, v, v, v);
}

// A length along the roll's axis: base + perStep * s + perBulge * o.
struct AxisSpan {
    float base;
    int perStep;
    int perBulge;

    float at(int s, float o) const { return base + perStep * s + perBulge * o; }
};

enum LayerSource { fromFace, toFace, solidPixel };
// Tints 1..6 are the roll tints; these two come from rollShade.
constexpr int lightTint = 7;
constexpr int darkTint = 8;

// One of the five layers of a rolling cube. Along the roll's axis it starts at
// the cell's corner + `start` and is `length` long; across it covers the cell.
struct RollLayer {
    LayerSource source;
    int tint;
    AxisSpan start;
    AxisSpan length;
};

// Right and down: the incoming face is pushed in from the leading edge, under
// a shade that fades.
constexpr RollLayer pushInLayers[5] = {
    {fromFace, 1, {0, 1, 0}, {150, -1, 1}},
    {toFace, 2, {0, 0, -1}, {0, 1, 1}},
    {solidPixel, 5, {0, 0, -1}, {0, 1, 1}},
    {solidPixel, lightTint, {0, 0, -1}, {3, 0, 0}},
    {fromFace, darkTint, {147, 0, 1}, {3, 0, 0}},
};
// Left and up: the outgoing face is squeezed towards the far edge under a
// growing shade.
constexpr RollLayer squeezeOutLayers[5] = {
    {fromFace, 3, {0, 0, -1}, {150, -1, 2}},
    {toFace, 4, {150, -1, 1}, {0, 1, 0}},
    {solidPixel, 6, {0, 0, -1}, {150, -1, 2}},
    {solidPixel, lightTint, {0, 0, -1}, {3, 0, 0}},
    {fromFace, darkTint, {147, 0, 1}, {3, 0, 0}},
};

struct RollLook {
    const RollLayer* layers;
    bool vertical;
};

const RollLook rollLooks[rollDirectionCount] = {
    {pushInLayers, false},      // right
    {squeezeOutLayers, false},  // left
    {squeezeOutLayers, true},   // up
    {pushInLayers, true},       // down
};

// The recognised direction of this press, or -1 before any swipe.
int swipedDirection()
{
    for (int d = 0; d < rollDirectionCount; ++d)
        if (*swipeFlags[d])
            return d;
    return -1;
}

// Renders one face of the cube in `cube`, turned, into `buffer`. A face we
// cannot show (no such picture, cell off the grid) leaves the buffer empty.
void renderFace(ALLEGRO_BITMAP* buffer, int cube, NetCell face)
{
    if (!buffer || !pieceBuffer)
        return;
    int picture = cubeNet[cube][face.i][face.j];
    ALLEGRO_BITMAP* source = picture >= 1 && picture <= pictureCount ? pictures[picture] : nullptr;
    int column = (cellX[cube] - boardLeft) / cellSize;
    int row = (cellY[cube] - boardTop) / cellSize;
    bool onGrid = column >= 0 && column < boardColumns && row >= 0 && row < boardRows;

    if (!source || !onGrid) {
        al_set_target_bitmap(buffer);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        targetScreen();
        return;
    }
    al_set_target_bitmap(pieceBuffer);
    al_draw_scaled_bitmap(source, cellSize * column, cellSize * row, cellSize, cellSize,
                          0, 0, cellSize, cellSize, 0);
    al_set_target_bitmap(buffer);
    float angle = static_cast<float>(cubeTurn[cube][face.i][face.j] * 1.57);
    al_draw_rotated_bitmap(pieceBuffer, 75, 75, 75, 75, angle, 0);
    targetScreen();
}

void drawRollLayers(int direction, int s, float o, int h)
{
    const RollLook& look = rollLooks[direction];
    float x = cellX[activeCell];
    float y = cellY[activeCell];
    ALLEGRO_COLOR light = al_map_rgba(2 * h, 2 * h, 2 * h, 15);
    ALLEGRO_COLOR dark = al_map_rgba(5, 5, 5, 2 * h + 50);

    for (int l = 0; l < 5; ++l) {
        const RollLayer& layer = look.layers[l];
        ALLEGRO_BITMAP* bitmap = layer.source == fromFace ? rollFromBuffer
                               : layer.source == toFace   ? rollToBuffer
                                                          : uiAtlas;
        if (!bitmap)
            continue;
        float sourceSize = layer.source == solidPixel ? 1 : cellSize;
        float sourceX = layer.source == solidPixel ? 320 : 0;
        float sourceY = layer.source == solidPixel ? 700 : 0;
        ALLEGRO_COLOR tint = layer.tint == lightTint ? light
                           : layer.tint == darkTint  ? dark
                                                     : rollTints[layer.tint];
        float start = layer.start.at(s, o);
        float length = layer.length.at(s, o);
        if (look.vertical)
            al_draw_tinted_scaled_bitmap(bitmap, tint, sourceX, sourceY, sourceSize, sourceSize,
                                         x, y + start, cellSize, length, 0);
        else
            al_draw_tinted_scaled_bitmap(bitmap, tint, sourceX, sourceY, sourceSize, sourceSize,
                                         x + start, y, length, cellSize, 0);
    }
}

} // namespace

void computeRollTints()
{
    int s = rollStep;
    rollTints[1] = grey(200 - s);
    rollTints[2] = grey(255 - s / 3);
    rollTints[3] = grey(200 + s / 3);
    rollTints[4] = grey(50 + s);
    rollTints[5] = greyWithAlpha(75 - s / 2);
    rollTints[6] = greyWithAlpha(s / 3);
}

void trackPress()
{
    bool overCube = hoverTarget >= 1 && hoverTarget <= cubeCount;
    if (overCube && mouseButtons == 1 && pressActive == 0) {
        activeCell = hoverTarget;
        pressX = mouseX;
        pressY = mouseY;
        for (int* flag : swipeFlags)
            *flag = 0;
        pressActive = 1;
    } else if (mouseButtons == 0 && pressActive == 1) {
        // A roll once begun always runs to its end.
        pressActive = rollStep != 0 ? 1 : 0;
    }
}

void recogniseSwipe()
{
    if (rollStep != 0)
        return;
    int dx = mouseX - pressX;
    int dy = mouseY - pressY;
    bool across = std::abs(dy) <= swipeDrift;
    bool along = std::abs(dx) <= swipeDrift;
    if (dx > swipeDistance && across)
        swipeRight = 1;
    else if (dx < -swipeDistance && across)
        swipeLeft = 1;
    else if (dy < -swipeDistance && along)
        swipeUp = 1;
    else if (dy > swipeDistance && along)
        swipeDown = 1;
}

void runRollStep()
{
    int a = activeCell;
    int s = rollStep;

    renderFace(rollFromBuffer, a, netFront);

    int direction = swipedDirection();
    if (direction >= 0) {
        renderFace(rollToBuffer, a, incomingFace(static_cast<RollDirection>(direction)));

        if (s <= rollHalfStep) {
            rollBulge += rollBulgePerFrame;
            rollShade += 1;
        } else {
            rollBulge -= rollBulgePerFrame;
            rollShade -= 1;
        }
        drawRollLayers(direction, s, rollBulge, rollShade);

        rollStep += rollStepSize;
        if (rollStep > rollLastStep) {
            moveCount += 1;
            rollCube(a, static_cast<RollDirection>(direction));
            rollBulge = 0.0f;
            rollStep = 0;
            checkSolvedPictures();
            return;
        }
    }

    if (rollStep != 0)
        clearMessageLine();
    commitSolvedPicture();
}

void clearMessageLine()
{
    if (background)
        al_draw_bitmap_region(background, 320, 610, 630, 48, 320, 610, 0);
}
