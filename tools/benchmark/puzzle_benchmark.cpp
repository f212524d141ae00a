// Measures a whole game frame of a roll (drawBoard, the roll step, the flip)
// the quick way (composed backdrop) against the step-by-step drawing, first
// on a memory screen and then, when a display can be opened, on the real
// window (run it under xvfb-run for software rendering). Before timing, each
// screen is checked to come out pixel for pixel the same both ways.
//
//   xvfb-run -s "-screen 0 1280x800x24" ./puzzle_benchmark
//
// Google Benchmark's own flags work as usual; the default reports the median
// of 10 repetitions.

#include "puzzle/board_drawing.h"
#include "puzzle/cube_nets.h"
#include "puzzle/swipe_and_roll.h"
#include "shell/allegro_platform.h"
#include "shell/game_state.h"
#include "shell/main_loop.h"
#include "shell/scripted_platform.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Media of our own, drawn here: an opaque background with detail everywhere,
// a sprite sheet with the roll's solid pixel, six pictures.
ALLEGRO_BITMAP* makeBitmap(int width, int height, int seed)
{
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    al_set_target_bitmap(bitmap);
    al_clear_to_color(al_map_rgb(40 + 20 * seed % 200, 60, 90));
    for (int y = 0; y < height; y += 9)
        for (int x = 0; x < width; x += 13)
            al_draw_filled_rectangle(x, y, x + 13, y + 9,
                                     al_map_rgb((x * 7 + seed * 31) % 256, (y * 5 + x) % 256,
                                                (x + y * 3 + seed * 50) % 256));
    al_restore_state(&state);
    return bitmap;
}

void makeMedia()
{
    background = makeBitmap(screenWidth, screenHeight, 0);
    uiAtlas = makeBitmap(680, 810, 9);
    for (int k = 1; k <= pictureCount; ++k)
        pictures[k] = makeBitmap(600, 450, k);
    pieceBuffer = al_create_bitmap(cellSize, cellSize);
    rollFromBuffer = al_create_bitmap(cellSize, cellSize);
    rollToBuffer = al_create_bitmap(cellSize, cellSize);
}

void releaseMedia()
{
    forgetBoardBackdrop();
    for (ALLEGRO_BITMAP** bitmap : {&background, &uiAtlas, &pieceBuffer, &rollFromBuffer, &rollToBuffer})
        if (*bitmap)
            al_destroy_bitmap(*bitmap);
    for (ALLEGRO_BITMAP*& picture : pictures)
        if (picture)
            al_destroy_bitmap(picture);
    resetGameState();
}

// Deals the cubes, turns some faces and puts cube 6 in mid-roll to the right.
void prepareBoard()
{
    beginMainLoop();
    std::srand(5);
    generateCubes();
    for (int c = 1; c <= cubeCount; c += 3)
        cubeTurn[c][1][1] = c % 4;
    activeCell = 6;
    pressActive = 1;
    swipeRight = 1;
}

// One game frame of a roll at step s, as runGameFrame draws it.
void drawRollFrame(int s, bool quick)
{
    rollStep = s;
    int grown = s <= rollHalfStep ? s / 2 : 75 - s / 2;   // frames of bulge so far
    rollShade = grown;
    rollBulge = float(grown * rollBulgePerFrame);
    pressActive = 1;
    computeRollTints();
    if (quick)
        drawBoard();
    else
        drawBoardStepByStep();
    runRollStep();
}

void runFrames(benchmark::State& state, bool quick)
{
    int s = 0;
    for (auto _ : state) {
        drawRollFrame(s, quick);
        flipDisplay();
        s = (s + rollStepSize) % rollLastStep;   // never the last frame: the net stays
    }
}

// Counts the pixels of the screen that differ between the two ways.
std::vector<uint32_t> readScreen()
{
    ALLEGRO_BITMAP* screen = platform().screen();
    std::vector<uint32_t> pixels(screenWidth * screenHeight);
    ALLEGRO_LOCKED_REGION* locked = al_lock_bitmap(screen, ALLEGRO_PIXEL_FORMAT_ABGR_8888,
                                                   ALLEGRO_LOCK_READONLY);
    for (int y = 0; y < screenHeight; ++y)
        std::memcpy(&pixels[y * screenWidth],
                    static_cast<const char*>(locked->data) + y * locked->pitch, screenWidth * 4);
    al_unlock_bitmap(screen);
    return pixels;
}

long compareWays()
{
    long differing = 0;
    for (int s : {0, 40, 74, 76, 120, 148}) {
        targetScreen();
        al_clear_to_color(al_map_rgb(255, 0, 255));
        drawRollFrame(s, false);
        std::vector<uint32_t> stepByStep = readScreen();
        al_clear_to_color(al_map_rgb(255, 0, 255));
        drawRollFrame(s, true);
        std::vector<uint32_t> quick = readScreen();
        for (size_t i = 0; i < quick.size(); ++i)
            differing += quick[i] != stepByStep[i];
    }
    return differing;
}

// The screen of one kind, with our media on it, for as long as it lives.
class Screen {
public:
    explicit Screen(bool memory)
    {
        if (memory)
            chosen = std::make_unique<ScriptedPlatform>();
        else {
            al_set_new_bitmap_flags(0);   // video bitmaps, as the game has them
            chosen = std::make_unique<AllegroPlatform>();
        }
        usePlatform(*chosen);
        open = chosen->openScreen();
        if (!open)
            return;
        makeMedia();
        prepareBoard();
    }
    ~Screen()
    {
        if (open)
            releaseMedia();
        chosen->closeScreen();
    }
    bool open = false;

private:
    std::unique_ptr<Platform> chosen;
};

void timeFrames(benchmark::State& state, bool memory, bool quick)
{
    Screen screen(memory);
    if (!screen.open) {
        state.SkipWithError("no screen of this kind here");
        return;
    }
    drawRollFrame(0, quick);   // composes the backdrop outside the timing
    runFrames(state, quick);
}

bool checkIdentical(bool memory, const char* name)
{
    Screen screen(memory);
    if (!screen.open) {
        std::printf("%s: no screen, skipped\n", name);
        return true;
    }
    long differing = compareWays();
    std::printf("%s: quick and step-by-step frames %s (%ld differing pixels over 6 roll frames)\n",
                name, differing == 0 ? "identical" : "DIFFER", differing);
    std::fflush(stdout);
    return differing == 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Median of ten runs unless told otherwise.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=10";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, aggregates.data());
    args.insert(args.begin() + 1, repetitions.data());
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());

    if (!al_init() || !al_init_image_addon() || !al_init_primitives_addon() || !al_init_font_addon()) {
        std::fprintf(stderr, "puzzle_benchmark: Allegro would not start\n");
        return 1;
    }
    bool identical = checkIdentical(true, "memory_screen");
    identical = checkIdentical(false, "display") && identical;

    for (bool memory : {true, false})
        for (bool quick : {true, false}) {
            std::string name = std::string(memory ? "memory_screen" : "display") +
                               (quick ? "/quick" : "/step_by_step");
            benchmark::RegisterBenchmark(name.c_str(), [memory, quick](benchmark::State& state) {
                timeFrames(state, memory, quick);
            })->Unit(benchmark::kMillisecond)->UseRealTime();
        }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return identical ? 0 : 2;
}
