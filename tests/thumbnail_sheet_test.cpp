#include "files/thumbnail_sheet.h"
#include "level_fixture.h"

#include <gtest/gtest.h>

#include <allegro5/allegro_primitives.h>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ThumbnailSheetTest : public LevelTest {
protected:
    // The level's pictures, as startLevel would have loaded them.
    void loadPicturesOf(int forLevel)
    {
        level = forLevel;
        for (int k = 1; k <= pictureCount; ++k) {
            pictureNumber[k] = k + 2 * forLevel;
            if (pictures[k])
                al_destroy_bitmap(pictures[k]);
            pictures[k] = al_load_bitmap(("media/" + fixturePictureName(forLevel, k + 2 * forLevel)).c_str());
            ASSERT_NE(pictures[k], nullptr);
        }
    }

    // Which rows of the sheet file hold anything: one flag a row.
    std::vector<bool> rowsWithInk()
    {
        ALLEGRO_BITMAP* sheet = al_load_bitmap(thumbSheetPath);
        std::vector<bool> rows;
        if (!sheet)
            return rows;
        EXPECT_EQ(al_get_bitmap_width(sheet), 150);
        EXPECT_EQ(al_get_bitmap_height(sheet), 2160);
        for (int y = 0; y < al_get_bitmap_height(sheet); ++y) {
            bool ink = false;
            for (int x = 0; x < 150 && !ink; x += 7)
                ink = alphaAt(sheet, x, y) != 0;
            rows.push_back(ink);
        }
        al_destroy_bitmap(sheet);
        return rows;
    }

    // True when exactly the bands of `levels` are inked: rows 50 to 709 of
    // each level's band, the six entries end to end.
    static bool onlyBands(const std::vector<bool>& rows, std::initializer_list<int> levels)
    {
        if (rows.size() != 2160)
            return false;
        for (int y = 0; y < 2160; ++y) {
            bool expected = false;
            for (int l : levels)
                expected = expected || (y >= 710 * l + 50 && y <= 710 * l + 709);
            if (rows[y] != expected)
                return false;
        }
        return true;
    }

    // A sheet file with one opaque colour over the entries of `band`.
    static void writeSheetWithBand(int band, ALLEGRO_COLOR colour)
    {
        ALLEGRO_BITMAP* sheet = createEmptyThumbBitmap();
        ALLEGRO_STATE state;
        al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
        al_set_target_bitmap(sheet);
        al_draw_filled_rectangle(0, 710 * band + 50, 150, 710 * band + 710, colour);
        al_restore_state(&state);
        ASSERT_TRUE(al_save_bitmap(thumbSheetPath, sheet));
        al_destroy_bitmap(sheet);
    }

    static void sheetFilePixel(int x, int y, int rgb[3])
    {
        ALLEGRO_BITMAP* sheet = al_load_bitmap(thumbSheetPath);
        ASSERT_NE(sheet, nullptr);
        bitmapPixel(sheet, x, y, rgb);
        al_destroy_bitmap(sheet);
    }
};

TEST_F(ThumbnailSheetTest, TheFirstLevelWritesSixEntriesAndNothingElse)
{
    loadPicturesOf(0);
    writeLevelThumbnails();
    EXPECT_TRUE(onlyBands(rowsWithInk(), {0}));
    // The thumbnail is the picture shrunk: its top-left piece at the entry's
    // top-left, under a frame whose middle the fixture's atlas paints over.
    int frame[3], atlas[3];
    sheetFilePixel(75, 50 + 55, frame);
    bitmapPixel(uiAtlas, 460 + 75, 200 + 55, atlas);
    EXPECT_EQ(std::vector<int>(frame, frame + 3), std::vector<int>(atlas, atlas + 3));
}

TEST_F(ThumbnailSheetTest, LevelsOfOneRunGatherInTheirOwnBands)
{
    for (int l = 0; l < levelCount; ++l) {
        loadPicturesOf(l);
        writeLevelThumbnails();
    }
    EXPECT_TRUE(onlyBands(rowsWithInk(), {0, 1, 2}));
}

TEST_F(ThumbnailSheetTest, AContinuedLaterLevelKeepsTheEarlierBandsOfTheFile)
{
    writeSheetWithBand(0, al_map_rgb(200, 10, 10));
    loadPicturesOf(1);   // a fresh run: the column holds only this band
    writeLevelThumbnails();
    EXPECT_TRUE(onlyBands(rowsWithInk(), {0, 1}));
    int kept[3];
    sheetFilePixel(75, 300, kept);
    EXPECT_EQ(std::vector<int>(kept, kept + 3), (std::vector<int>{200, 10, 10}));
}

TEST_F(ThumbnailSheetTest, AContinuedFirstLevelStartsTheFileAfresh)
{
    writeSheetWithBand(1, al_map_rgb(10, 200, 10));
    loadPicturesOf(0);
    writeLevelThumbnails();
    EXPECT_TRUE(onlyBands(rowsWithInk(), {0}));
}

TEST_F(ThumbnailSheetTest, AnUnreadableSheetIsReplacedByAnEmptyOne)
{
    writeFile(thumbSheetPath, "PNG? no");
    loadPicturesOf(2);
    testing::internal::CaptureStderr();
    writeLevelThumbnails();
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("nie da się odczytać media/miniaturki.png"), std::string::npos) << errors;
    EXPECT_TRUE(onlyBands(rowsWithInk(), {2}));
}

TEST_F(ThumbnailSheetTest, ASheetThatCannotBeWrittenIsReportedAndPlayGoesOn)
{
    fs::create_directory(thumbSheetPath);
    loadPicturesOf(0);
    testing::internal::CaptureStderr();
    writeLevelThumbnails();
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("nie udało się zapisać miniatur w media/miniaturki.png"), std::string::npos)
        << errors;
    EXPECT_TRUE(fs::is_directory(thumbSheetPath));
    EXPECT_FALSE(thumbSheetFileExists()) << "a folder is no saved game";
}

}  // namespace
