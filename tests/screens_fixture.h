// Helpers for the tests of the title screen, the start menu, the play-screen
// frame and the final screen: the game started on the fixture media, and
// ways to compare and search bitmaps.
#pragma once

#include "shell/game_state.h"
#include "shell/platform.h"
#include "support/game_fixture.h"

#include <allegro5/allegro_font.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

struct BitmapDeleter {
    void operator()(ALLEGRO_BITMAP* bitmap) const { al_destroy_bitmap(bitmap); }
};
using OwnedBitmap = std::unique_ptr<ALLEGRO_BITMAP, BitmapDeleter>;

// A row of a table of cases: its name names the test and shows in failures.
struct NamedCase {
    const char* name;
};
inline std::ostream& operator<<(std::ostream& out, const NamedCase& c)
{
    return out << c.name;
}
// Names each instance of a parameterised test after its case.
inline constexpr auto caseName = [](const auto& info) { return std::string(info.param.name); };

struct Area {
    int x, y, width, height;
};

// The leftmost and rightmost column of some pixels; found false when none.
struct Extent {
    bool found = false;
    int left = 0, right = 0;
};

// A copy that frees itself.
inline OwnedBitmap copyOf(ALLEGRO_BITMAP* bitmap)
{
    return OwnedBitmap(al_clone_bitmap(bitmap));
}

// media/t2.jpg as loaded afresh.
inline OwnedBitmap loadBarePicture()
{
    return OwnedBitmap(al_load_bitmap("media/t2.jpg"));
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline bool fileExists(const std::string& path)
{
    return bool(std::ifstream(path));
}

inline bool samePixel(ALLEGRO_BITMAP* a, int ax, int ay, ALLEGRO_BITMAP* b, int bx, int by)
{
    unsigned char p[4], q[4];
    al_unmap_rgba(al_get_pixel(a, ax, ay), &p[0], &p[1], &p[2], &p[3]);
    al_unmap_rgba(al_get_pixel(b, bx, by), &q[0], &q[1], &q[2], &q[3]);
    return p[0] == q[0] && p[1] == q[1] && p[2] == q[2] && p[3] == q[3];
}

// Pixels of `area` that differ between two bitmaps at least that large.
inline int differingPixels(ALLEGRO_BITMAP* a, ALLEGRO_BITMAP* b,
                           Area area = {0, 0, screenWidth, screenHeight})
{
    int differing = 0;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            differing += !samePixel(a, x, y, b, x, y);
    return differing;
}

inline bool hasColour(ALLEGRO_BITMAP* bitmap, int x, int y, int r, int g, int b)
{
    int rgb[3];
    bitmapPixel(bitmap, x, y, rgb);
    return rgb[0] == r && rgb[1] == g && rgb[2] == b;
}

// Where pixels of exactly this colour lie across `area`: the full-ink pixels
// of a text drawn in it.
inline Extent inkExtent(ALLEGRO_BITMAP* bitmap, Area area, int r, int g, int b)
{
    Extent extent;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (hasColour(bitmap, x, y, r, g, b)) {
                extent.left = extent.found ? std::min(extent.left, x) : x;
                extent.right = extent.found ? std::max(extent.right, x) : x;
                extent.found = true;
            }
    return extent;
}

// Where the ink of `text` lies when drawn at `x` with this alignment.
inline Extent expectedInk(ALLEGRO_FONT* font, const std::string& text, int x, int alignment)
{
    int bx, by, bw, bh;
    al_get_text_dimensions(font, text.c_str(), &bx, &by, &bw, &bh);
    float start = x;
    if (alignment == ALLEGRO_ALIGN_CENTRE)
        start -= al_get_text_width(font, text.c_str()) / 2.0f;
    Extent extent;
    extent.found = true;
    extent.left = int(start) + bx;
    extent.right = int(start) + bx + bw - 1;
    return extent;
}

// A text's ink where it should be, give or take the soft edges of glyphs.
inline void expectInkOf(const Extent& found, const Extent& expected, const std::string& what)
{
    ASSERT_TRUE(found.found) << what << ": no ink";
    EXPECT_NEAR(found.left, expected.left, 2) << what;
    EXPECT_NEAR(found.right, expected.right, 2) << what;
}

// Counts how many bytes the graphics library holds more (or fewer) than
// when this was made. Bitmaps are its allocations; the library keeps every
// bitmap listed to the end of the program, so the leak checker cannot tell a
// screen that forgets to free one. This can.
class LibraryMemoryCount {
public:
    LibraryMemoryCount()
    {
        growth = 0;
        al_set_memory_interface(&counting);
    }
    ~LibraryMemoryCount() { al_set_memory_interface(nullptr); }
    long long grownBy() const { return growth; }

private:
    static long long sizeOf(void* block) { return block ? malloc_usable_size(block) : 0; }
    static void* allocate(size_t n, int, const char*, const char*)
    {
        void* block = std::malloc(n);
        growth += sizeOf(block);
        return block;
    }
    static void* allocateZeroed(size_t count, size_t n, int, const char*, const char*)
    {
        void* block = std::calloc(count, n);
        growth += sizeOf(block);
        return block;
    }
    // Also blocks from before the count began: what they free counts.
    static void release(void* block, int, const char*, const char*)
    {
        growth -= sizeOf(block);
        std::free(block);
    }
    static void* reallocate(void* block, size_t n, int, const char*, const char*)
    {
        growth -= sizeOf(block);
        void* moved = std::realloc(block, n);
        growth += moved ? sizeOf(moved) : sizeOf(block);
        return moved;
    }

    // The game draws on one thread; so does the library under it.
    static inline std::atomic<long long> growth{0};
    static inline ALLEGRO_MEMORY_INTERFACE counting = {allocate, release, reallocate, allocateZeroed};
};

// A screen that frees every bitmap it replaces holds no more afterwards than
// before, give or take the library's small change.
constexpr long long allowedGrowth = 64 * 1024;

// The game started on the fixture media.
class ScreenTest : public ScriptedGameTest {
protected:
    void SetUp() override
    {
        ScriptedGameTest::SetUp();
        startGame();
    }
};
