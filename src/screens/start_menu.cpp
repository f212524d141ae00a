#include "screens/start_menu.h"

#include "files/thumbnail_sheet.h"
#include "puzzle/board_drawing.h"
#include "screens/background_picture.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/platform.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>

namespace {

// ---- The menu's layout and pace ---------------------------------------------------

struct Box {
    int x, y, width, height;
};
// Inclusive bounds.
struct Zone {
    int left, top, right, bottom;
};
struct Corners {
    int x1, y1, x2, y2;
};

// The entry plate is the level tab's artwork, stretched.
constexpr Box plateSprite = {355, 395, 154, 54};

// One row per entry: what it looks like, where it answers the mouse and what
// choosing it means.
struct MenuEntry {
    int target;             // hoverTarget while the mouse is over it
    int chosenMode;         // gameMode a click sets
    bool needsSavedGame;    // covered and inert without one
    Box plate;
    int caption;            // text table entry, centred on (captionX, captionY)
    int captionX, captionY;
    Zone zone;
    Corners highlight;
};
const MenuEntry menuEntries[] = {
    {targetMenuContinue, gameModeContinue, true, {420, 280, 200, 60}, 4, 515, 297,
     {442, 292, 592, 320}, {443, 293, 592, 320}},
    {targetMenuNewGame, gameModeNew, false, {420, 360, 200, 60}, 5, 515, 377,
     {442, 372, 592, 400}, {443, 373, 592, 400}},
};
// Lies over the continue entry when there is nothing to continue.
constexpr Corners disabledCover = {427, 286, 605, 327};

constexpr int headingWithSave = 10;
constexpr int headingWithoutSave = 9;
constexpr int edgeShadeWidth = 200;

constexpr int fadeInSteps = 55;
constexpr double fadeInPause = 0.02;
constexpr double passPause = 0.01;     // also between looks in the release wait
constexpr double fadeOutPause = 0.005;

// ---- Drawing ------------------------------------------------------------------------

// Darkens the picture towards all four edges over 200 pixels; row 0 and
// column 0 stay as they are.
void shadeEdges()
{
    for (int i = 0; i < edgeShadeWidth; ++i) {
        ALLEGRO_COLOR shade = al_map_rgba(0, 0, 0, i);
        al_draw_filled_rectangle(0, 201 - i, screenWidth, 200 - i, shade);
        al_draw_filled_rectangle(201 - i, 0, 200 - i, screenHeight, shade);
        al_draw_filled_rectangle(0, 511 + i, screenWidth, 510 + i, shade);
        al_draw_filled_rectangle(825 + i, 0, 824 + i, screenHeight, shade);
    }
}

void drawEntry(const MenuEntry& entry)
{
    al_draw_scaled_bitmap(uiAtlas, plateSprite.x, plateSprite.y, plateSprite.width,
                          plateSprite.height, entry.plate.x, entry.plate.y, entry.plate.width,
                          entry.plate.height, 0);
    al_draw_text(fontText, al_map_rgb(150, 160, 150), entry.captionX, entry.captionY,
                 ALLEGRO_ALIGN_CENTRE, texts[entry.caption].c_str());
}

void paintMenuPicture(bool savedGameExists)
{
    al_set_target_bitmap(background);
    al_draw_filled_rectangle(0, 0, screenWidth, screenHeight, al_map_rgba(10, 10, 10, 150));
    al_draw_filled_rectangle(0, 200, screenWidth, 244, al_map_rgba(11, 14, 14, 6));
    al_draw_line(0, 200, screenWidth, 200, al_map_rgba(64, 64, 44, 22), 2);
    al_draw_line(0, 244, screenWidth, 244, al_map_rgba(4, 4, 4, 116), 3);
    int heading = savedGameExists ? headingWithSave : headingWithoutSave;
    al_draw_text(fontLarge, al_map_rgb(111, 122, 122), 510, 204, ALLEGRO_ALIGN_CENTRE,
                 texts[heading].c_str());
    shadeEdges();
    for (const MenuEntry& entry : menuEntries)
        drawEntry(entry);
    if (!savedGameExists)
        al_draw_filled_rounded_rectangle(disabledCover.x1, disabledCover.y1, disabledCover.x2,
                                         disabledCover.y2, 13, 10, al_map_rgba(11, 30, 11, 190));
    forgetBoardBackdrop();
    targetScreen();
}

// A faint light over the entry under the mouse.
void drawHighlight(const MenuEntry& entry)
{
    const Corners& h = entry.highlight;
    al_draw_filled_rectangle(h.x1, h.y1, h.x2, h.y2, al_map_rgba(24, 28, 24, 1));
}

// ---- Steps -----------------------------------------------------------------------------

// The entry under the snapshot's mouse, or null.
const MenuEntry* findEntryUnderMouse(bool savedGameExists)
{
    for (const MenuEntry& entry : menuEntries) {
        const Zone& z = entry.zone;
        bool offered = savedGameExists || !entry.needsSavedGame;
        if (offered && z.left <= mouseX && mouseX <= z.right && z.top <= mouseY && mouseY <= z.bottom)
            return &entry;
    }
    return nullptr;
}

// A button still held from the title screen must be let go before the menu
// reacts. False when the player asked to leave meanwhile.
bool waitForRelease()
{
    while (mouseState.buttons != 0) {
        if (platform().leaveRequested())
            return false;
        restFor(passPause);
        platform().readMouse(mouseState);
    }
    return true;
}

// Hover and click until an entry is chosen or the player leaves. Escape and
// the close box are seen one keyboard poll late, as in the main loop.
void chooseEntry(bool savedGameExists)
{
    while (!keyboardState.asksToLeave()) {
        platform().readKeyboard(keyboardState);
        pollMouse();
        al_draw_bitmap(background, 0, 0, 0);
        const MenuEntry* entry = findEntryUnderMouse(savedGameExists);
        if (entry) {
            hoverTarget = entry->target;
            drawHighlight(*entry);
            if (mouseButtons == 1)
                gameMode = entry->chosenMode;
        }
        // The fade-out starts over this pass's picture, highlight and all.
        if (gameMode != gameModeNone)
            return;
        restFor(passPause);
        flipDisplay();
    }
}

}  // namespace

void runStartMenu()
{
    gameMode = gameModeNone;
    bool savedGameExists = thumbSheetFileExists();
    paintMenuPicture(savedGameExists);
    if (fadeInBackground(fadeInSteps, fadeInPause) && waitForRelease())
        chooseEntry(savedGameExists);
    else
        keyboardState.closeClicked = true;
    fadeOutBackground(fadeOutPause, false);
    reloadBackground();
}
