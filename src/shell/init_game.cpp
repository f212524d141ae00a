#include "shell/init_game.h"

#include "files/font_files.h"
#include "files/image_files.h"
#include "files/picture_files.h"
#include "files/sound_files.h"
#include "files/text_table.h"
#include "puzzle/board_drawing.h"
#include "shell/game_state.h"
#include "shell/platform.h"

#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

std::string startupFault;

namespace {

// Missing or unreadable files, each named once with what is wrong with it.
std::vector<std::string> faultyDrawingMedia;
std::vector<std::string> faultyOtherMedia;

void noteFault(std::vector<std::string>& faults, const std::string& path, const std::string& why)
{
    // arial.ttf is loaded twice, at two sizes, for the same reason.
    std::string named = path + " (";
    for (const std::string& fault : faults)
        if (fault.compare(0, named.size(), named) == 0)
            return;
    faults.push_back(named + why + ")");
}

ALLEGRO_FONT* loadFont(const char* path, int size)
{
    std::string why;
    ALLEGRO_FONT* font = loadFontFile(path, size, why);
    if (!font)
        noteFault(faultyDrawingMedia, path, why);
    return font;
}

ALLEGRO_BITMAP* loadImage(const char* path, const ImageBounds& bounds)
{
    std::string why;
    ALLEGRO_BITMAP* image = loadImageFile(path, bounds, why);
    if (!image)
        noteFault(faultyDrawingMedia, path, why);
    return image;
}

Sound* loadSound(const char* path)
{
    Sound* sound = platform().loadSound(path);
    if (!sound) {
        std::string bytes, why;
        WavFormat format;
        if (readSoundFile(path, bytes, format, why))
            why = "dźwięku nie da się wczytać";
        noteFault(faultyOtherMedia, path, why);
    }
    return sound;
}

// Told now, before anything is shown, rather than when a level needs them.
void checkLevelPictures()
{
    for (int set = 0; set < levelCount; ++set)
        for (int number = 1; number <= picturesPerSet; ++number) {
            std::string path = pictureFileName(set, number);
            std::string why = checkPictureFile(path);
            if (!why.empty())
                noteFault(faultyDrawingMedia, path, why);
        }
}

void noteFaults()
{
    for (const std::string& file : faultyOtherMedia)
        std::fprintf(stderr, "zor: gra będzie bez tego pliku: %s\n", file.c_str());
    if (faultyDrawingMedia.empty())
        return;
    startupFault = "Brakuje plików, z których gra rysuje ekran, albo nie da się ich odczytać:\n";
    for (const std::string& file : faultyDrawingMedia)
        startupFault += "  " + file + "\n";
    startupFault += "Uruchom grę z folderu, w którym leży kompletny folder media.";
}

}  // namespace

void initGame()
{
    startupFault.clear();
    faultyDrawingMedia.clear();
    faultyOtherMedia.clear();

    al_init();
    platform().installInput();
    al_init_image_addon();
    al_init_primitives_addon();
    al_init_font_addon();
    al_init_ttf_addon();
    std::srand(static_cast<unsigned>(platform().calendarSeconds()));
    if (!platform().installAudio())
        std::fprintf(stderr, "zor: brak dźwięku, gra będzie cicha\n");

    if (!platform().openScreen()) {
        startupFault = "Nie da się otworzyć okna gry 1024 x 710.";
        return;
    }
    pieceBuffer = al_create_bitmap(cellSize, cellSize);
    rollFromBuffer = al_create_bitmap(cellSize, cellSize);
    rollToBuffer = al_create_bitmap(cellSize, cellSize);
    thumbColumn = al_create_bitmap(150, 2160);
    thumbSheet = al_create_bitmap(150, 2160);
    // New bitmaps start fully transparent; the thumbnail sheet relies on it.
    for (ALLEGRO_BITMAP* scratch : {pieceBuffer, rollFromBuffer, rollToBuffer, thumbColumn, thumbSheet}) {
        al_set_target_bitmap(scratch);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    }
    targetScreen();
    // The title screen's fade-in starts from this colour.
    al_clear_to_color(al_map_rgb(0, 22, 22));

    fontSmallBold = loadFont("media/arialbd.ttf", 14);
    fontText = loadFont("media/arial.ttf", 18);
    fontLarge = loadFont("media/arial.ttf", 28);
    background = loadImage(backgroundFilePath, backgroundBounds);
    uiAtlas = loadImage(spriteSheetFilePath, spriteSheetBounds);
    checkLevelPictures();
    sampleS5 = loadSound("media/s5.wav");
    sampleS3 = loadSound("media/s3.wav");
    sampleS1 = loadSound("media/s1.wav");
    std::string textsWhy = readTextTable();
    if (!textsWhy.empty())
        noteFault(faultyOtherMedia, textTablePath, textsWhy);
    noteFaults();
}

void releaseGameResources()
{
    forgetBoardBackdrop();
    auto destroyBitmap = [](ALLEGRO_BITMAP*& bitmap) {
        if (bitmap)
            al_destroy_bitmap(bitmap);
        bitmap = nullptr;
    };
    for (ALLEGRO_BITMAP** bitmap : {&background, &uiAtlas, &pieceBuffer, &rollFromBuffer,
                                    &rollToBuffer, &thumbColumn, &thumbSheet})
        destroyBitmap(*bitmap);
    for (ALLEGRO_BITMAP*& picture : pictures)
        destroyBitmap(picture);
    for (ALLEGRO_FONT** font : {&fontSmallBold, &fontText, &fontLarge}) {
        if (*font)
            al_destroy_font(*font);
        *font = nullptr;
    }
    for (Sound** sound : {&sampleS1, &sampleS3, &sampleS5})
        destroySound(*sound);
}
