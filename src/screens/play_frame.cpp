#include "screens/play_frame.h"

#include "puzzle/board_drawing.h"
#include "shell/game_state.h"
#include "shell/platform.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>

namespace {

// ---- The pieces of the frame -------------------------------------------------------

struct Box {
    int x, y, width, height;
};

constexpr int noCaption = -1;

// One piece: a sprite of the sheet copied or stretched into `place`, and the
// caption that stands on it, if any.
struct FramePiece {
    Box source;
    Box place;
    int flags;                    // 0, or ALLEGRO_FLIP_HORIZONTAL
    int caption = noCaption;      // text table entry, centred on (captionX, captionY)
    ALLEGRO_FONT* const* font = nullptr;
    unsigned char red = 0, green = 0, blue = 0;
    int captionX = 0, captionY = 0;
};

constexpr Box labelPlateSprite = {67, 325, 135, 66};
constexpr Box levelTabSprite = {355, 395, 154, 54};
constexpr Box slotSprite = {206, 454, 34, 15};

// Three tabs, 155 apart; their captions are the level names, in level order.
constexpr int firstTabX = 485, tabPitch = 155, tabsEndX = 950;
// Twelve empty slots of the progress strip, 40 apart.
constexpr int firstSlotX = 320, slotPitch = 40, slotsEndX = 800, slotY = 666;

const FramePiece labelPlate = {labelPlateSprite, {240, 20, 150, 54}, 0,
                               6, &fontText, 11, 11, 11, 320, 35};
const FramePiece topBand = {{80, 368, 200, 35}, {390, 40, 500, 35}, 0};
const FramePiece counterBadge = {{60, 450, 77, 77}, {360, 8, 77, 77}, 0};
// The same corner of the sheet as the label plate, larger.
const FramePiece bottomBar = {{67, 325, 605, 70}, {240, 650, 780, 54}, 0};
const FramePiece exitButton = {{166, 472, 138, 38}, {865, 661, 110, 27}, 0,
                               7, &fontSmallBold, 166, 166, 166, 920, 665};
const FramePiece leftEdgeStrip = {{30, 0, 30, 710}, {35, 0, 30, 710}, 0};
// Mirrored and squeezed from 55 to 50 pixels.
const FramePiece rightEdgeStrip = {{0, 0, 55, 710}, {220, 0, 50, 710}, ALLEGRO_FLIP_HORIZONTAL};

FramePiece levelTab(int x, int level)
{
    return {levelTabSprite, {x, 20, levelTabSprite.width, levelTabSprite.height}, 0,
            1 + level, &fontText, 66, 99, 66, x + 75, 35};
}

FramePiece progressSlot(int x)
{
    return {slotSprite, {x, slotY, slotSprite.width, slotSprite.height}, 0};
}

// The shade over the side panel lies over the inner edges of both strips.
struct Corners {
    int x1, y1, x2, y2;
};
constexpr Corners sidePanelShade = {59, 0, 221, 710};

// The new-game button's image in the sheet gets its caption once, here.
constexpr int newGameCaption = 5;
constexpr int newGameCaptionX = 535, newGameCaptionY = 478;

// ---- Drawing ---------------------------------------------------------------------------

void drawSprite(const FramePiece& piece)
{
    const Box& s = piece.source;
    const Box& p = piece.place;
    al_draw_scaled_bitmap(uiAtlas, s.x, s.y, s.width, s.height, p.x, p.y, p.width, p.height,
                          piece.flags);
}

void drawCaption(const FramePiece& piece)
{
    if (piece.caption != noCaption)
        al_draw_text(*piece.font, al_map_rgb(piece.red, piece.green, piece.blue), piece.captionX,
                     piece.captionY, ALLEGRO_ALIGN_CENTRE, texts[piece.caption].c_str());
}

void drawPiece(const FramePiece& piece)
{
    drawSprite(piece);
    drawCaption(piece);
}

void drawFrameIntoBackground()
{
    al_set_target_bitmap(background);
    drawPiece(labelPlate);
    drawPiece(topBand);
    drawPiece(counterBadge);
    // All tabs first: a long level name may reach over the next tab.
    for (int x = firstTabX, level = 0; x < tabsEndX; x += tabPitch, ++level)
        drawSprite(levelTab(x, level));
    for (int x = firstTabX, level = 0; x < tabsEndX; x += tabPitch, ++level)
        drawCaption(levelTab(x, level));
    drawPiece(bottomBar);
    for (int x = firstSlotX; x < slotsEndX; x += slotPitch)
        drawPiece(progressSlot(x));
    drawPiece(exitButton);
    drawPiece(leftEdgeStrip);
    drawPiece(rightEdgeStrip);
    al_draw_filled_rectangle(sidePanelShade.x1, sidePanelShade.y1, sidePanelShade.x2,
                             sidePanelShade.y2, al_map_rgba(55, 77, 77, 88));
}

void writeNewGameCaption()
{
    al_set_target_bitmap(uiAtlas);
    al_draw_text(fontText, al_map_rgb(199, 222, 199), newGameCaptionX, newGameCaptionY,
                 ALLEGRO_ALIGN_CENTRE, texts[newGameCaption].c_str());
}

}  // namespace

void drawPlayFrame()
{
    drawFrameIntoBackground();
    forgetBoardBackdrop();
    writeNewGameCaption();
    targetScreen();
}
