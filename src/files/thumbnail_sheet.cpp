#include "files/thumbnail_sheet.h"

#include "files/image_files.h"
#include "files/safe_files.h"
#include "shell/game_state.h"

#include <cstdio>
#include <unistd.h>

namespace {

// The column's band of a level, and its six entries, 110 pixels apart.
constexpr int bandHeight = 710;
constexpr int firstEntryTop = 25;
constexpr int entryPitch = 110;
// The column lies 25 pixels down in the sheet.
constexpr int columnTopInSheet = 25;
// A sheet of another size still serves as the base; one far larger is no
// sheet of ours.
constexpr ImageBounds thumbSheetFileBounds = {1, 1, 4096, 4096};

int entryTop(int forLevel, int k)
{
    return bandHeight * forLevel + firstEntryTop + entryPitch * (k - 1);
}

// Thumbnail, frame and mark of each of the level's pictures.
void composeLevelBand()
{
    al_set_target_bitmap(thumbColumn);
    for (int k = 1; k <= pictureCount; ++k) {
        int top = entryTop(level, k);
        if (pictures[k])
            al_draw_scaled_bitmap(pictures[k], 0, 0, 600, 450, 0, top, 140, 100, 0);
        al_draw_bitmap_region(uiAtlas, 460, 200, 150, 110, 0, top, 0);
        al_draw_bitmap_region(uiAtlas, 460, 178, 12, 12, 70, top + 2, 0);
    }
}

// The bands of earlier levels come from the file, which may have been written
// by an earlier run; a file that is gone or damaged leaves them empty.
void reloadSheetForLaterLevel()
{
    ALLEGRO_BITMAP* loaded = loadThumbSheetFile();
    if (!loaded) {
        std::fprintf(stderr,
                     "zor: nie da się odczytać %s; miniatury wcześniejszych poziomów przepadły\n",
                     thumbSheetPath);
        loaded = createEmptyThumbBitmap();
    }
    al_destroy_bitmap(thumbSheet);
    thumbSheet = loaded;
}

bool saveSheet(int fd)
{
    // The descriptor's copy is closed with the stream; the caller syncs and
    // closes the original.
    int copy = dup(fd);
    if (copy < 0)
        return false;
    ALLEGRO_FILE* file = al_fopen_fd(copy, "wb");
    if (!file) {
        close(copy);
        return false;
    }
    bool saved = al_save_bitmap_f(file, ".png", thumbSheet);
    bool closed = al_fclose(file);
    return saved && closed;
}

}  // namespace

bool thumbSheetFileExists()
{
    return regularFileReadable(thumbSheetPath);
}

ALLEGRO_BITMAP* loadThumbSheetFile()
{
    std::string why;
    return loadImageFile(thumbSheetPath, thumbSheetFileBounds, why);
}

ALLEGRO_BITMAP* createEmptyThumbBitmap()
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(thumbSheetWidth, thumbSheetHeight);
    if (bitmap) {
        al_set_target_bitmap(bitmap);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    }
    al_restore_state(&state);
    return bitmap;
}

void writeLevelThumbnails()
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    composeLevelBand();
    if (level >= 1)
        reloadSheetForLaterLevel();
    // Where the column is still transparent the sheet keeps what it held.
    al_set_target_bitmap(thumbSheet);
    al_draw_bitmap(thumbColumn, 0, columnTopInSheet, 0);
    al_restore_state(&state);

    std::string why;
    if (!replaceFile(thumbSheetPath, saveSheet, why))
        std::fprintf(stderr, "zor: nie udało się zapisać miniatur w %s: %s\n", thumbSheetPath,
                     why.c_str());
}
