#include "screens/start_menu.h"
#include "screens_fixture.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int fadeInSteps = 55;
constexpr int fadeOutSteps = 128;
constexpr char sheetPath[] = "media/miniaturki.png";

// When the fade-in is over on the virtual clock.
double fadeInEnd(const ScriptedPlatform& scripted)
{
    return fadeInSteps * (0.02 + scripted.flipSeconds);
}

// Ends a menu that nobody chooses from: Escape after the fifth pass's flip.
void escapeSoon(ScriptedPlatform& scripted)
{
    scripted.escapeAtFlip(fadeInSteps + 5);
}

// A highlighted entry's point; it lies inside both the zone and the light.
constexpr int continueX = 517, continueY = 306;
constexpr int newGameX = 517, newGameY = 386;

// ---- The menu picture, with and without a saved game -----------------------------------

struct PictureCase : NamedCase {
    bool sheet;
    int heading;
};

class MenuPictureTest : public ScreenTest, public ::testing::WithParamInterface<PictureCase> {
protected:
    // The menu picture as the fade-in shows it, and `background` afterwards.
    OwnedBitmap runAndKeepPicture()
    {
        if (GetParam().sheet)
            writeFile(sheetPath, "");   // its content does not matter
        OwnedBitmap painted;
        scripted.afterFlip = [&](int flip) {
            if (flip == 1)
                painted = copyOf(background);
        };
        escapeSoon(scripted);
        runStartMenu();
        return painted;
    }
};

const PictureCase pictureCases[] = {
    {{"WithASavedGame"}, true, 10},
    {{"WithoutASavedGame"}, false, 9},
};

TEST_P(MenuPictureTest, HeadingAndCoverSayWhetherThereIsAGameToContinue)
{
    OwnedBitmap painted = runAndKeepPicture();
    ASSERT_TRUE(painted);
    std::string heading = "tekst " + std::to_string(GetParam().heading);
    expectInkOf(inkExtent(painted.get(), {0, 204, screenWidth, 40}, 111, 122, 122),
                expectedInk(fontLarge, heading, 510, ALLEGRO_ALIGN_CENTRE), heading);

    // Both plates are the same sprite: a point on the continue plate matches
    // the point 80 pixels lower on the new-game plate, unless covered.
    for (auto [x, y] : {std::pair{440, 300}, {600, 310}}) {
        int continuePlate[3], newGamePlate[3];
        bitmapPixel(painted.get(), x, y, continuePlate);
        bitmapPixel(painted.get(), x, y + 80, newGamePlate);
        const int cover[3] = {11, 30, 11};
        for (int c = 0; c < 3; ++c) {
            int expected = GetParam().sheet ? newGamePlate[c]
                                            : int(newGamePlate[c] * (1 - 190 / 255.0) + cover[c]);
            EXPECT_NEAR(continuePlate[c], expected, 1) << x << ", " << y << " channel " << c;
        }
    }
}

TEST_P(MenuPictureTest, DarkensTowardsTheEdgesAndLeavesTheBarePictureAfterwards)
{
    OwnedBitmap painted = runAndKeepPicture();
    ASSERT_TRUE(painted);
    OwnedBitmap bare = loadBarePicture();
    EXPECT_EQ(differingPixels(background, bare.get()), 0) << "nothing of the menu is left";

    struct Shade {
        int x, y;
        std::vector<int> alphas;   // the edge strips over the point
    };
    const Shade shades[] = {
        {500, 0, {}},        {500, 1, {199}}, {500, 150, {50}},   {500, 470, {}},
        {0, 400, {}},        {1, 400, {199}}, {1023, 400, {199}}, {500, 709, {199}},
        {500, 511, {1}},     {100, 100, {100, 100}},
    };
    for (const Shade& s : shades) {
        int picture[3], shown[3];
        bitmapPixel(bare.get(), s.x, s.y, picture);
        bitmapPixel(painted.get(), s.x, s.y, shown);
        for (int c = 0; c < 3; ++c) {
            double expected = picture[c] * (1 - 150 / 255.0) + 10;   // the dimming
            for (int alpha : s.alphas)
                expected *= 1 - alpha / 255.0;
            EXPECT_NEAR(shown[c], expected, 2) << s.x << ", " << s.y << " channel " << c;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuPictureTest, ::testing::ValuesIn(pictureCases),
                         caseName);

// ---- Where the entries answer the mouse ------------------------------------------------

struct ZoneCase {
    int x, y;
    int withSheet, withoutSheet;   // the entry under the mouse, 0 for none
};

const ZoneCase zoneCases[] = {
    {441, 306, 0, 0},
    {442, 306, targetMenuContinue, 0},
    {592, 306, targetMenuContinue, 0},
    {593, 306, 0, 0},
    {517, 291, 0, 0},
    {517, 292, targetMenuContinue, 0},
    {517, 320, targetMenuContinue, 0},
    {517, 321, 0, 0},
    {517, 350, 0, 0},
    {517, 371, 0, 0},
    {517, 372, targetMenuNewGame, targetMenuNewGame},
    {517, 400, targetMenuNewGame, targetMenuNewGame},
    {517, 401, 0, 0},
    {441, 386, 0, 0},
    {442, 386, targetMenuNewGame, targetMenuNewGame},
    {592, 386, targetMenuNewGame, targetMenuNewGame},
    {593, 386, 0, 0},
};

class MenuZoneTest : public ScreenTest, public ::testing::WithParamInterface<bool> {};

// The mouse visits every case for two passes (the logic sees it one poll
// late); after the second, the target and the light must match the case.
TEST_P(MenuZoneTest, ZoneEdgesAndTheLightOverTheEntryUnderTheMouse)
{
    bool sheet = GetParam();
    if (sheet)
        writeFile(sheetPath, "");
    const int cases = int(std::size(zoneCases));
    for (int i = 0; i < cases; ++i)
        scripted.mouseAtFlip(fadeInSteps + 2 * i, zoneCases[i].x, zoneCases[i].y, 0);
    scripted.escapeAtFlip(fadeInSteps + 2 * cases);

    auto lit = [this](int x, int y) { return !samePixel(scripted.screen(), x, y, background, x, y); };
    int checked = 0;
    scripted.afterFlip = [&](int flip) {
        int i = (flip - fadeInSteps - 2) / 2;
        if (flip < fadeInSteps + 2 || (flip - fadeInSteps) % 2 != 0 || i >= cases)
            return;
        const ZoneCase& c = zoneCases[i];
        int expected = sheet ? c.withSheet : c.withoutSheet;
        SCOPED_TRACE(testing::Message() << "mouse at " << c.x << ", " << c.y);
        EXPECT_EQ(mouseX, c.x);
        EXPECT_EQ(hoverTarget == targetMenuContinue || hoverTarget == targetMenuNewGame
                      ? hoverTarget : 0,
                  expected);
        EXPECT_EQ(lit(continueX, continueY), expected == targetMenuContinue);
        EXPECT_EQ(lit(newGameX, newGameY), expected == targetMenuNewGame);
        ++checked;
    };
    runStartMenu();
    EXPECT_EQ(checked, cases);
    EXPECT_EQ(gameMode, gameModeNone) << "hovering chooses nothing";
}

INSTANTIATE_TEST_SUITE_P(SavedGame, MenuZoneTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Present" : "Absent"; });

// ---- Clicks ---------------------------------------------------------------------------------

struct ClickCase : NamedCase {
    bool sheet;
    MouseState mouse;
    int gameMode;
};

class MenuClickTest : public ScreenTest, public ::testing::WithParamInterface<ClickCase> {};

const ClickCase clickCases[] = {
    {{"ContinueWithASavedGame"}, true, {continueX, continueY, 1}, gameModeContinue},
    {{"NewGameWithASavedGame"}, true, {newGameX, newGameY, 1}, gameModeNew},
    {{"NewGameWithoutASavedGame"}, false, {newGameX, newGameY, 1}, gameModeNew},
    {{"ContinueWithoutASavedGame"}, false, {continueX, continueY, 1}, gameModeNone},
    {{"BetweenTheEntries"}, true, {517, 350, 1}, gameModeNone},
    {{"BothButtonsOnNewGame"}, true, {newGameX, newGameY, 3}, gameModeNone},
    {{"SecondaryButtonOnContinue"}, true, {continueX, continueY, 2}, gameModeNone},
};

TEST_P(MenuClickTest, APrimaryClickOnAnOfferedEntryChoosesIt)
{
    const ClickCase& c = GetParam();
    if (c.sheet)
        writeFile(sheetPath, "");
    scripted.mouse = c.mouse;
    escapeSoon(scripted);
    runStartMenu();
    EXPECT_EQ(gameMode, c.gameMode);
    // The choice is made by the second pass, which ends the menu at once.
    bool chosen = c.gameMode != gameModeNone;
    EXPECT_EQ(scripted.flips, fadeInSteps + (chosen ? 1 : 6) + fadeOutSteps);
    EXPECT_EQ(keyboardState.asksToLeave(), !chosen);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuClickTest, ::testing::ValuesIn(clickCases),
                         caseName);

// ---- A button held from the title screen --------------------------------------------------

using StartMenuTest = ScreenTest;

TEST_F(StartMenuTest, AButtonHeldFromTheTitleIsWaitedOutRestingAndChoosesNothing)
{
    writeFile(sheetPath, "");
    // As the title left it: held, over the new-game entry.
    mouseState = {newGameX, newGameY, 1};
    scripted.mouse = mouseState;
    double letGo = fadeInEnd(scripted) + 0.5;
    // Let go at that time; or, should the menu read the mouse over and over
    // without resting, after many reads, so that the test fails, not hangs.
    int reads = 0;
    std::function<void()> watchButton = [&] {
        if (scripted.now() >= letGo || ++reads > 100000)
            scripted.mouse.buttons = 0;
        else
            scripted.atTime(0, watchButton);   // again at the next read
    };
    scripted.atTime(0, watchButton);
    escapeSoon(scripted);
    int restsBeforeFirstPass = 0;
    double firstPassFlip = 0;
    scripted.afterFlip = [&](int flip) {
        if (flip == fadeInSteps)
            restsBeforeFirstPass = scripted.rests;
        if (flip == fadeInSteps + 1) {
            restsBeforeFirstPass = scripted.rests - restsBeforeFirstPass;
            firstPassFlip = scripted.now();
        }
    };
    runStartMenu();
    EXPECT_EQ(gameMode, gameModeNone);
    // 0.01 s rests until the button is seen let go, then the pass's own.
    EXPECT_NEAR(restsBeforeFirstPass, 50 + 1, 1);
    EXPECT_GE(firstPassFlip, letGo);
}

// ---- Leaving ----------------------------------------------------------------------------------

struct LeaveCase : NamedCase {
    std::function<void(ScriptedPlatform&)> script;
    int flips;
};

class MenuLeaveTest : public ScreenTest, public ::testing::WithParamInterface<LeaveCase> {};

void closeAtFlip(ScriptedPlatform& s, int flip)
{
    s.atFlip(flip, [&s] { s.closeClicked = true; });
}

// Read by the sixth pass, acted on by the seventh.
const LeaveCase leaveCases[] = {
    {{"EscapeInTheMenu"}, [](ScriptedPlatform& s) { s.escapeAtFlip(fadeInSteps + 5); },
     fadeInSteps + 6 + fadeOutSteps},
    {{"CloseBoxInTheMenu"}, [](ScriptedPlatform& s) { closeAtFlip(s, fadeInSteps + 5); },
     fadeInSteps + 6 + fadeOutSteps},
    {{"CloseBoxDuringTheFadeIn"}, [](ScriptedPlatform& s) { closeAtFlip(s, 10); },
     10 + fadeOutSteps},
    {{"CloseBoxWhileAButtonIsHeld"},
     [](ScriptedPlatform& s) {
         s.mouse = mouseState = {newGameX, newGameY, 1};
         s.atTime(fadeInEnd(s) + 0.3, [&s] { s.closeClicked = true; });
     },
     fadeInSteps + fadeOutSteps},
};

TEST_P(MenuLeaveTest, FadesOutWithoutAChoiceAndTellsTheMainLoop)
{
    GetParam().script(scripted);
    runStartMenu();
    EXPECT_EQ(gameMode, gameModeNone);
    EXPECT_TRUE(keyboardState.asksToLeave());
    EXPECT_EQ(scripted.flips, GetParam().flips);
    OwnedBitmap bare = loadBarePicture();
    EXPECT_EQ(differingPixels(background, bare.get()), 0);
    EXPECT_EQ(al_get_target_bitmap(), scripted.screen());
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuLeaveTest, ::testing::ValuesIn(leaveCases),
                         caseName);

}  // namespace
