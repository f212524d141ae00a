#include "screens/play_frame.h"
#include "screens_fixture.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A sprite sheet whose every pixel tells where in the sheet it lies: red and
// green the low bits of x and y, blue their high bits.
OwnedBitmap makeCoordinateAtlas()
{
    OwnedBitmap atlas(al_create_bitmap(680, 810));
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    al_set_target_bitmap(atlas.get());
    al_lock_bitmap(atlas.get(), ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < 810; ++y)
        for (int x = 0; x < 680; ++x)
            al_put_pixel(x, y, al_map_rgb(x & 255, y & 255, (x >> 8) * 16 + (y >> 8)));
    al_unlock_bitmap(atlas.get());
    al_restore_state(&state);
    return atlas;
}

struct SheetPoint {
    int x, y;
    bool operator==(const SheetPoint& other) const { return x == other.x && y == other.y; }
};

SheetPoint sheetPointAt(ALLEGRO_BITMAP* bitmap, int x, int y)
{
    int rgb[3];
    bitmapPixel(bitmap, x, y, rgb);
    return {rgb[0] + 256 * (rgb[2] >> 4), rgb[1] + 256 * (rgb[2] & 15)};
}

class PlayFrameTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        al_destroy_bitmap(uiAtlas);
        uiAtlas = makeCoordinateAtlas().release();
        atlasBefore = copyOf(uiAtlas);
    }

    // Whether the sprite (sx, sy, w, h) stands copied at its own size at
    // (x, y) of `background`, over the columns [fromColumn, toColumn).
    bool spriteAt(int x, int y, int sx, int sy, int w, int h, int fromColumn, int toColumn)
    {
        for (int dy = 0; dy < h; ++dy)
            for (int dx = fromColumn; dx < toColumn && dx < w; ++dx)
                if (!(sheetPointAt(background, x + dx, y + dy) == SheetPoint{sx + dx, sy + dy}))
                    return false;
        return true;
    }
    // Every x in [from, to) where the sprite stands.
    std::vector<int> placesOf(int y, int sx, int sy, int w, int h, int from, int to,
                              int fromColumn = 0, int toColumn = 1 << 20)
    {
        std::vector<int> places;
        for (int x = from; x < to; ++x)
            if (spriteAt(x, y, sx, sy, w, h, fromColumn, toColumn))
                places.push_back(x);
        return places;
    }

    OwnedBitmap atlasBefore;
};

TEST_F(PlayFrameTest, TwelveProgressSlotsAndThreeLevelTabs)
{
    drawPlayFrame();
    EXPECT_EQ(placesOf(666, 206, 454, 34, 15, 200, 1000),
              (std::vector<int>{320, 360, 400, 440, 480, 520, 560, 600, 640, 680, 720, 760}));
    // Left of the captions, which stand in the middle of each tab.
    EXPECT_EQ(placesOf(20, 355, 395, 154, 54, 300, 1000, 0, 30),
              (std::vector<int>{485, 640, 795}));
}

TEST_F(PlayFrameTest, RightEdgeStripIsTheSheetsEdgeMirroredAndSqueezed)
{
    drawPlayFrame();
    // Column 220 lies under the side-panel shade; 221..269 show the strip.
    for (int y : {0, 300, 709}) {
        int previous = 55;
        for (int x = 221; x < 270; ++x) {
            SheetPoint from = sheetPointAt(background, x, y);
            EXPECT_EQ(from.y, y) << x;
            // 55 sheet columns over 50, right to left.
            double unmirrored = (x - 220 + 0.5) * 55 / 50;
            EXPECT_NEAR(from.x, 54 - int(unmirrored), 1) << x << ", " << y;
            EXPECT_LT(from.x, previous) << x << ", " << y;
            previous = from.x;
        }
    }
}

TEST_F(PlayFrameTest, SidePanelShadeLiesOverBothStripsInnerEdges)
{
    OwnedBitmap bare = loadBarePicture();
    drawPlayFrame();
    struct ShadeCase {
        int x, y;
        bool fromSheet;   // over a strip, else over the bare picture
        int sheetX;
    };
    const ShadeCase cases[] = {
        {60, 300, true, 55},     // the left strip's column 25
        {100, 300, false, 0},
        {220, 300, true, 54},    // the mirrored strip's first column
        {58, 300, true, 53},     // left strip, not shaded
    };
    for (const ShadeCase& c : cases) {
        int under[3], shown[3];
        if (c.fromSheet)
            bitmapPixel(atlasBefore.get(), c.sheetX, c.y, under);
        else
            bitmapPixel(bare.get(), c.x, c.y, under);
        bitmapPixel(background, c.x, c.y, shown);
        const int shade[3] = {55, 77, 77};
        bool shaded = c.x >= 59 && c.x <= 220;
        for (int k = 0; k < 3; ++k) {
            double expected = shaded ? under[k] * (1 - 88 / 255.0) + shade[k] : under[k];
            EXPECT_NEAR(shown[k], expected, 1) << c.x << ", " << c.y << " channel " << k;
        }
    }
}

TEST_F(PlayFrameTest, PixelsOutsideTheFrameKeepTheBackgroundPicture)
{
    OwnedBitmap bare = loadBarePicture();
    drawPlayFrame();
    const Area drawn[] = {
        {240, 20, 150, 54},  {390, 40, 500, 35}, {360, 8, 77, 77},   {485, 20, 464, 54},
        {240, 650, 780, 54}, {865, 661, 110, 27}, {35, 0, 30, 710},  {220, 0, 50, 710},
        {59, 0, 162, 710},
    };
    auto isDrawn = [&](int x, int y) {
        for (const Area& a : drawn)
            if (x >= a.x && x < a.x + a.width && y >= a.y && y < a.y + a.height)
                return true;
        return false;
    };
    int untouched = 0, changed = 0;
    for (int y = 0; y < screenHeight; ++y)
        for (int x = 0; x < screenWidth; ++x)
            if (!isDrawn(x, y)) {
                ++untouched;
                changed += !samePixel(background, x, y, bare.get(), x, y);
            }
    EXPECT_GT(untouched, screenWidth * screenHeight / 2);
    EXPECT_EQ(changed, 0);
}

struct CaptionCase {
    const char* name;
    ALLEGRO_FONT** font;
    int entry;
    int r, g, b;
    int x;
    Area area;
};

const CaptionCase captionCases[] = {
    {"label plate", &fontText, 6, 11, 11, 11, 320, {240, 20, 150, 54}},
    {"first level tab", &fontText, 1, 66, 99, 66, 560, {485, 20, 154, 54}},
    {"second level tab", &fontText, 2, 66, 99, 66, 715, {640, 20, 154, 54}},
    {"third level tab", &fontText, 3, 66, 99, 66, 870, {795, 20, 154, 54}},
    {"exit button", &fontSmallBold, 7, 166, 166, 166, 920, {865, 661, 110, 27}},
};

TEST_F(PlayFrameTest, CaptionsStandCentredOnTheirPlates)
{
    drawPlayFrame();
    for (const CaptionCase& c : captionCases)
        expectInkOf(inkExtent(background, c.area, c.r, c.g, c.b),
                    expectedInk(*c.font, texts[c.entry], c.x, ALLEGRO_ALIGN_CENTRE), c.name);
}

TEST_F(PlayFrameTest, AnEmptyCaptionLeavesItsPlateBare)
{
    texts[6].clear();
    drawPlayFrame();
    EXPECT_FALSE(inkExtent(background, {240, 20, 150, 54}, 11, 11, 11).found);
    EXPECT_TRUE(inkExtent(background, {485, 20, 154, 54}, 66, 99, 66).found) << "the rest as usual";
}

TEST_F(PlayFrameTest, NewGameCaptionIsWrittenIntoTheButtonsImageInTheSheet)
{
    drawPlayFrame();
    const Area button = {469, 473, 127, 31};
    int inside = differingPixels(uiAtlas, atlasBefore.get(), button);
    int everywhere = 0;
    for (int y = 0; y < 810; ++y)
        for (int x = 0; x < 680; ++x)
            everywhere += !samePixel(uiAtlas, x, y, atlasBefore.get(), x, y);
    EXPECT_GT(inside, 30);
    EXPECT_EQ(everywhere, inside) << "nothing outside the button's image";
    expectInkOf(inkExtent(uiAtlas, button, 199, 222, 199),
                expectedInk(fontText, "tekst 5", 535, ALLEGRO_ALIGN_CENTRE), "new-game caption");
    EXPECT_EQ(al_get_target_bitmap(), scripted.screen());
}

}  // namespace
