#include "screens/title_screen.h"

#include "puzzle/board_drawing.h"
#include "screens/background_picture.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/platform.h"

#include <allegro5/allegro_font.h>

namespace {

// ---- What it shows and for how long -----------------------------------------

constexpr char authorLine[] = "Gra i grafika: Pracownia Sześcian";
constexpr char placeAndVersionLine[] = "Toruń 2026, wersja 1.2";
constexpr char productLabel[] = "ZOR v1.2";

ALLEGRO_COLOR titleColour() { return al_map_rgb(99, 133, 122); }

// The title artwork in the sprite sheet and where it stands.
constexpr int artX = 60, artY = 530, artWidth = 610, artHeight = 277;
constexpr int artLeft = 210, artTop = 100;

constexpr int linesCentreX = 510;
constexpr int labelX = 700, labelY = 300;

// Every line of the title picture, top to bottom, centred: an entry of the
// text table, or one of our own fixed lines.
struct TitleLine {
    ALLEGRO_FONT* const* font;
    int entry;               // -1 for a fixed line
    const char* fixedText;
    int y;
};
const TitleLine titleLines[] = {
    {&fontLarge, 16, nullptr, 350},                 // heading
    {&fontText, 17, nullptr, 392},                  // introduction, 22 apart
    {&fontText, 18, nullptr, 414},
    {&fontText, 19, nullptr, 436},
    {&fontText, 20, nullptr, 458},
    {&fontText, 21, nullptr, 498},                  // further lines
    {&fontText, 22, nullptr, 518},
    {&fontSmallBold, -1, authorLine, 548},
    {&fontSmallBold, -1, placeAndVersionLine, 570},
};

constexpr int fadeInSteps = 33;
constexpr double fadeInPause = 0.05;
constexpr int labelFirstStep = 31;     // the label joins the last two steps
constexpr int waitSteps = 1000;        // about ten seconds
constexpr double waitPause = 0.01;
constexpr double fadeOutPause = 0.003;

// ---- Drawing ------------------------------------------------------------------

// Nothing of the background picture shows through: the title stands on black.
void paintTitlePicture()
{
    al_set_target_bitmap(background);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_draw_bitmap_region(uiAtlas, artX, artY, artWidth, artHeight, artLeft, artTop, 0);
    for (const TitleLine& line : titleLines) {
        const char* text = line.fixedText ? line.fixedText : texts[line.entry].c_str();
        al_draw_text(*line.font, titleColour(), linesCentreX, line.y, ALLEGRO_ALIGN_CENTRE, text);
    }
    forgetBoardBackdrop();
    targetScreen();
}

// On the screen only, never in `background`: the fade-out blends it away
// with the rest.
void drawProductLabel(int step)
{
    if (step >= labelFirstStep)
        al_draw_text(fontLarge, titleColour(), labelX, labelY, ALLEGRO_ALIGN_LEFT, productLabel);
}

// ---- Steps --------------------------------------------------------------------

// A click (the primary button alone) ends the wait at the poll that sees it.
// Escape is not read: it means nothing here, and one still held when the
// menu starts must not end the menu. False when the player asked to leave.
bool waitForClick()
{
    for (int step = 0; step < waitSteps; ++step) {
        pollMouse();
        if (mouseButtons == 1)
            return true;
        restFor(waitPause);
        if (platform().leaveRequested())
            return false;
    }
    return true;
}

}  // namespace

void runTitleScreen()
{
    paintTitlePicture();
    bool stayed = fadeInBackground(fadeInSteps, fadeInPause, drawProductLabel) && waitForClick() &&
                  fadeOutBackground(fadeOutPause, true);
    reloadBackground();
    if (!stayed)
        keyboardState.closeClicked = true;
}
