#include "screens/final_screen.h"

#include "files/save_file.h"
#include "files/text_table.h"
#include "files/thumbnail_sheet.h"
#include "shell/game_state.h"
#include "shell/platform.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>

#include <cstdio>

namespace {

// ---- Layout and pace -----------------------------------------------------------------

ALLEGRO_COLOR textColour() { return al_map_rgb(166, 199, 166); }

constexpr int fadeFrames = 44;
constexpr double boardFadePause = 0.05;
// The message line turns back into the plain background while the board
// goes dark under a black cover.
constexpr int messageX = 300, messageY = 610, messageWidth = 600, messageHeight = 48;
constexpr int coverX1 = 325, coverY1 = 115, coverX2 = 950, coverY2 = 585;

constexpr float finalSoundGain = 1.0f;
constexpr float finalSoundSpeed = 0.8f;

constexpr int headingEntry = 12;
constexpr int headingX = 630, headingY = 120;

// One row per level, 140 apart: its number, its name and its moves, with its
// six thumbnails 30 pixels below.
constexpr int firstRowY = 170, rowPitch = 140;
constexpr int levelNumberEntry = 13, levelNumberX = 350;
constexpr int levelNameX = 450;
constexpr int movesEntry = 14, movesX = 780;
constexpr double rowPause = 0.5;

// A thumbnail less 2 pixels at the left and right and 4 at the bottom, from
// the level's band of the sheet, shrunk into a 98 x 68 box.
constexpr int bandHeight = 710, firstThumbTop = 50, thumbPitchInSheet = 110;
constexpr int thumbSourceX = 2, thumbSourceWidth = 136, thumbSourceHeight = 96;
constexpr int firstThumbX = 333, thumbPitch = 102, thumbBelowText = 30;
constexpr int thumbWidth = 98, thumbHeight = 68;
constexpr double thumbPause = 0.1;

// The new-game button with its margin, over the button's place.
constexpr int buttonSourceX = 466, buttonSourceY = 470, buttonWidth = 138, buttonHeight = 41;
constexpr int buttonX = 560, buttonY = 605;
constexpr double buttonFadePause = 0.01;

// ---- Drawing ---------------------------------------------------------------------------

void drawBoardFadeStep(int i)
{
    ALLEGRO_COLOR weight = al_map_rgba(i, i, i, i);
    al_draw_tinted_bitmap_region(background, weight, messageX, messageY, messageWidth,
                                 messageHeight, messageX, messageY, 0);
    al_draw_filled_rectangle(coverX1, coverY1, coverX2, coverY2, al_map_rgba(0, 1, 1, i));
}

int rowY(int levelIndex)
{
    return firstRowY + rowPitch * levelIndex;
}

// Texts of the table go through the safe formatter: a stray conversion in
// the file shows as it stands.
void drawResultLine(int levelIndex)
{
    int y = rowY(levelIndex);
    al_draw_text(fontText, textColour(), levelNumberX, y, ALLEGRO_ALIGN_LEFT,
                 formatText(texts[levelNumberEntry], levelIndex + 1).c_str());
    al_draw_text(fontText, textColour(), levelNameX, y, ALLEGRO_ALIGN_LEFT,
                 formatText(texts[1 + levelIndex]).c_str());
    al_draw_text(fontText, textColour(), movesX, y, ALLEGRO_ALIGN_CENTRE,
                 formatText(texts[movesEntry], levelMoves[levelIndex]).c_str());
}

// A sheet of another size may lack the thumbnail; then it is left out.
void drawThumbnail(ALLEGRO_BITMAP* sheet, int levelIndex, int slot)
{
    int sourceY = bandHeight * levelIndex + firstThumbTop + thumbPitchInSheet * slot;
    if (thumbSourceX + thumbSourceWidth > al_get_bitmap_width(sheet) ||
        sourceY + thumbSourceHeight > al_get_bitmap_height(sheet))
        return;
    al_draw_scaled_bitmap(sheet, thumbSourceX, sourceY, thumbSourceWidth, thumbSourceHeight,
                          firstThumbX + thumbPitch * slot, rowY(levelIndex) + thumbBelowText,
                          thumbWidth, thumbHeight, 0);
}

// ---- Steps -----------------------------------------------------------------------------

// Every step ends with a flip and a rest. False when the player asked to
// leave meanwhile.
bool showStep(double pause)
{
    flipDisplay();
    restFor(pause);
    return !platform().leaveRequested();
}

bool darkenBoard()
{
    for (int i = 0; i < fadeFrames; ++i) {
        drawBoardFadeStep(i);
        if (!showStep(boardFadePause))
            return false;
    }
    return true;
}

// The rows one by one, each thumbnail a step of its own. Without a readable
// sheet the thumbnails are left out, but the screen keeps its pace.
bool listLevels(ALLEGRO_BITMAP*& sheet)
{
    for (int levelIndex = 0; levelIndex < levelCount; ++levelIndex) {
        drawResultLine(levelIndex);
        if (!showStep(rowPause))
            return false;
        if (levelIndex == 0) {
            sheet = loadThumbSheetFile();
            if (!sheet)
                std::fprintf(stderr, "zor: nie da się wczytać %s, wyniki będą bez miniatur\n",
                             thumbSheetPath);
        }
        for (int slot = 0; slot < pictureCount; ++slot) {
            if (sheet)
                drawThumbnail(sheet, levelIndex, slot);
            if (!showStep(thumbPause))
                return false;
        }
    }
    return true;
}

bool showResults()
{
    al_draw_text(fontLarge, textColour(), headingX, headingY, ALLEGRO_ALIGN_CENTRE,
                 texts[headingEntry].c_str());
    ALLEGRO_BITMAP* sheet = nullptr;
    bool stayed = listLevels(sheet);
    al_destroy_bitmap(sheet);
    return stayed;
}

// A new game composes its thumbnails from nothing. The fresh bitmap is made
// before the old one goes; should it fail, the old one is at least emptied.
void replaceWithEmpty(ALLEGRO_BITMAP*& bitmap)
{
    ALLEGRO_BITMAP* fresh = createEmptyThumbBitmap();
    if (!fresh) {
        if (!bitmap)
            return;
        ALLEGRO_STATE saved;
        al_store_state(&saved, ALLEGRO_STATE_TARGET_BITMAP);
        al_set_target_bitmap(bitmap);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        al_restore_state(&saved);
        return;
    }
    al_destroy_bitmap(bitmap);
    bitmap = fresh;
}

bool fadeInNewGameButton()
{
    for (int i = 0; i < fadeFrames; ++i) {
        al_draw_tinted_bitmap_region(uiAtlas, al_map_rgba(i, i, i, i), buttonSourceX, buttonSourceY,
                                     buttonWidth, buttonHeight, buttonX, buttonY, 0);
        if (!showStep(buttonFadePause))
            return false;
    }
    return true;
}

}  // namespace

void runFinalScreen()
{
    targetScreen();
    bool stayed = darkenBoard();
    if (stayed) {
        playSampleOnce(sampleS3, finalSoundGain, finalSoundSpeed);
        stayed = showResults();
    }
    // The game is over even for a player who does not stay to watch: a saved
    // game must not survive it.
    deleteSavedGame();
    replaceWithEmpty(thumbColumn);
    replaceWithEmpty(thumbSheet);
    if (stayed)
        stayed = fadeInNewGameButton();
    if (!stayed)
        keyboardState.closeClicked = true;
}
