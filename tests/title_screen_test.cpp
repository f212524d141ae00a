#include "screens/start_menu.h"
#include "screens/title_screen.h"
#include "screens_fixture.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int fadeInSteps = 33;
constexpr int waitSteps = 1000;
constexpr int fadeOutSteps = 128;

// When the wait begins on the virtual clock: after the fade-in's flips and
// rests.
double waitStart(const ScriptedPlatform& scripted)
{
    return fadeInSteps * (0.05 + scripted.flipSeconds);
}

using TitleScreenTest = ScreenTest;

struct WaitCase : NamedCase {
    std::function<void(ScriptedPlatform&)> script;
    int waitRests;
};

class TitleWaitTest : public ScreenTest, public ::testing::WithParamInterface<WaitCase> {};

const WaitCase waitCases[] = {
    {{"NoInput"}, [](ScriptedPlatform&) {}, waitSteps},
    // Read by the poll after the 100th rest, seen by the next one.
    {{"ClickDuringTheWait"},
     [](ScriptedPlatform& s) { s.mouseAt(waitStart(s) + 0.995, 500, 400, 1); }, 101},
    {{"PressLetGoDuringTheFadeIn"},
     [](ScriptedPlatform& s) {
         s.mouseAt(0.3, 500, 400, 1);
         s.mouseAt(0.6, 500, 400, 0);
     },
     waitSteps},
    // Seen by the wait's second poll.
    {{"ButtonHeldWhenTheWaitBegins"},
     [](ScriptedPlatform& s) { s.mouseAt(1.0, 500, 400, 1); }, 1},
    {{"BothButtons"}, [](ScriptedPlatform& s) { s.mouse = {500, 400, 3}; }, waitSteps},
    {{"EscapeDoesNothing"}, [](ScriptedPlatform& s) { s.escapeDown = true; }, waitSteps},
};

TEST_P(TitleWaitTest, EndsOnlyByAClickOrAfterItsThousandSteps)
{
    GetParam().script(scripted);
    runTitleScreen();
    EXPECT_EQ(scripted.rests, fadeInSteps + GetParam().waitRests + fadeOutSteps);
    EXPECT_EQ(scripted.flips, fadeInSteps + fadeOutSteps);
    EXPECT_FALSE(keyboardState.escapeDown) << "the title reads no keys";
    EXPECT_FALSE(keyboardState.closeClicked);
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleWaitTest, ::testing::ValuesIn(waitCases),
                         caseName);

// Drawn independently of the game: black, the artwork, then every line
// centred on x 510 in the title colour.
OwnedBitmap composeTitlePicture()
{
    struct Line {
        ALLEGRO_FONT* font;
        std::string text;
        int y;
    };
    const Line lines[] = {
        {fontLarge, "tekst 16", 350},
        {fontText, "tekst 17", 392},
        {fontText, "tekst 18", 414},
        {fontText, "tekst 19", 436},
        {fontText, "tekst 20", 458},
        {fontText, "tekst 21", 498},
        {fontText, "tekst 22", 518},
        {fontSmallBold, "Gra i grafika: Pracownia Sześcian", 548},
        {fontSmallBold, "Toruń 2026, wersja 1.2", 570},
    };
    OwnedBitmap picture(al_create_bitmap(screenWidth, screenHeight));
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    al_set_target_bitmap(picture.get());
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_draw_bitmap_region(uiAtlas, 60, 530, 610, 277, 210, 100, 0);
    for (const Line& line : lines)
        al_draw_text(line.font, al_map_rgb(99, 133, 122), 510, line.y, ALLEGRO_ALIGN_CENTRE,
                     line.text.c_str());
    al_restore_state(&state);
    return picture;
}

TEST_F(TitleScreenTest, PaintsArtworkAndLinesOnBlackThenLeavesTheBarePicture)
{
    OwnedBitmap painted;
    scripted.afterFlip = [&](int flip) {
        if (flip == 1)
            painted = copyOf(background);
    };
    runTitleScreen();
    ASSERT_TRUE(painted);
    OwnedBitmap expected = composeTitlePicture();
    EXPECT_EQ(differingPixels(painted.get(), expected.get()), 0);

    OwnedBitmap bare = loadBarePicture();
    EXPECT_EQ(differingPixels(background, bare.get()), 0) << "nothing of the title is left";
    EXPECT_EQ(al_get_target_bitmap(), scripted.screen());
}

// The title colour's full-ink pixels where the product label stands.
int labelInk(ALLEGRO_BITMAP* bitmap)
{
    int ink = 0;
    for (int y = 295; y < 345; ++y)
        for (int x = 690; x < 950; ++x)
            ink += hasColour(bitmap, x, y, 99, 133, 122);
    return ink;
}

TEST_F(TitleScreenTest, ProductLabelShowsFromTheLastTwoFadeInStepsOnTheScreenOnly)
{
    std::vector<int> shownInk(1), backgroundInk(1);   // indexed by flip
    Extent lastFadeInInk;
    scripted.afterFlip = [&](int flip) {
        shownInk.push_back(labelInk(scripted.screen()));
        backgroundInk.push_back(labelInk(background));
        if (flip == fadeInSteps)
            lastFadeInInk = inkExtent(scripted.screen(), {690, 295, 260, 50}, 99, 133, 122);
    };
    scripted.mouseAt(1.0, 500, 400, 1);   // no need to wait it out
    runTitleScreen();
    ASSERT_EQ(shownInk.size(), size_t(1 + fadeInSteps + fadeOutSteps));
    for (int flip = 1; flip < int(shownInk.size()); ++flip) {
        bool labelled = flip == fadeInSteps - 1 || flip == fadeInSteps;
        if (labelled)
            EXPECT_GT(shownInk[flip], 30) << "flip " << flip;
        else
            EXPECT_EQ(shownInk[flip], 0) << "flip " << flip;
        EXPECT_EQ(backgroundInk[flip], 0) << "flip " << flip;
    }
    expectInkOf(lastFadeInInk, expectedInk(fontLarge, "ZOR v1.2", 700, ALLEGRO_ALIGN_LEFT),
                "the label, left-aligned at x 700");
}

struct CloseCase : NamedCase {
    std::function<void(ScriptedPlatform&)> script;
    int flips, rests;
};

class TitleCloseTest : public ScreenTest, public ::testing::WithParamInterface<CloseCase> {};

const CloseCase closeCases[] = {
    {{"DuringTheFadeIn"}, [](ScriptedPlatform& s) { s.atFlip(5, [&s] { s.closeClicked = true; }); },
     5, 5},
    // Seen after the rest that reaches the time.
    {{"DuringTheWait"},
     [](ScriptedPlatform& s) { s.atTime(waitStart(s) + 0.105, [&s] { s.closeClicked = true; }); },
     fadeInSteps, fadeInSteps + 11},
    {{"DuringTheFadeOut"},
     [](ScriptedPlatform& s) {
         s.mouseAt(1.0, 500, 400, 1);   // held through the fade-in: one wait step
         s.atFlip(fadeInSteps + 7, [&s] { s.closeClicked = true; });
     },
     fadeInSteps + 7, fadeInSteps + 1 + 7},
};

TEST_P(TitleCloseTest, LeavesAtTheEndOfTheStepAndTellsTheCaller)
{
    GetParam().script(scripted);
    runTitleScreen();
    EXPECT_EQ(scripted.flips, GetParam().flips);
    EXPECT_EQ(scripted.rests, GetParam().rests);
    EXPECT_TRUE(keyboardState.closeClicked);
    OwnedBitmap bare = loadBarePicture();
    EXPECT_EQ(differingPixels(background, bare.get()), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleCloseTest, ::testing::ValuesIn(closeCases),
                         caseName);

}  // namespace

namespace {

// The title screen and the start menu both load the bare picture back at
// their end; should the file have gone meanwhile, the game goes on over a
// plain picture and says why.
struct ReloadCase : NamedCase {
    void (*run)(ScriptedPlatform&);
};

class BackgroundReloadTest : public ScreenTest, public ::testing::WithParamInterface<ReloadCase> {};

const ReloadCase reloadCases[] = {
    {{"TitleScreen"}, [](ScriptedPlatform&) { runTitleScreen(); }},
    {{"StartMenu"},
     [](ScriptedPlatform& s) {
         s.escapeAtFlip(60);
         runStartMenu();
     }},
};

TEST_P(BackgroundReloadTest, WithoutThePictureFileBackgroundBecomesThePlainClearColour)
{
    std::remove("media/t2.jpg");
    testing::internal::CaptureStderr();
    GetParam().run(scripted);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("zor: "), std::string::npos) << errors;
    EXPECT_NE(errors.find("media/t2.jpg"), std::string::npos) << errors;
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(al_get_bitmap_width(background), screenWidth);
    EXPECT_EQ(al_get_bitmap_height(background), screenHeight);
    for (auto [x, y] : {std::pair{0, 0}, {512, 355}, {1023, 709}})
        EXPECT_TRUE(hasColour(background, x, y, 0, 22, 22)) << x << ", " << y;
}

TEST_P(BackgroundReloadTest, FreesThePaintedPictureItReplaces)
{
    GetParam().run(scripted);   // the glyphs drawn stay cached: count from the second run
    LibraryMemoryCount count;
    GetParam().run(scripted);
    EXPECT_LT(count.grownBy(), allowedGrowth);
}

INSTANTIATE_TEST_SUITE_P(Screens, BackgroundReloadTest, ::testing::ValuesIn(reloadCases),
                         caseName);

}  // namespace
