#include "support/game_fixture.h"

#include "shell/game_state.h"
#include "shell/init_game.h"
#include "shell/main_loop.h"

#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

void saveBitmap(ALLEGRO_BITMAP* bitmap, const std::string& path)
{
    ASSERT_TRUE(al_save_bitmap(path.c_str(), bitmap)) << path;
}

ALLEGRO_BITMAP* makeBitmap(int width, int height)
{
    int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    al_set_new_bitmap_flags(flags);
    return bitmap;
}

// A mono 16-bit PCM WAV of `seconds` of a soft tone.
void writeWav(const std::string& path, double seconds)
{
    const uint32_t rate = 22050;
    const uint32_t frames = uint32_t(rate * seconds);
    std::vector<int16_t> samples(frames);
    for (uint32_t i = 0; i < frames; ++i)
        samples[i] = int16_t(8000 * std::sin(i * 2 * M_PI * 440 / rate));
    std::ofstream out(path, std::ios::binary);
    auto put32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    put32(36 + frames * 2);
    out.write("WAVEfmt ", 8);
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    out.write("data", 4);
    put32(frames * 2);
    out.write(reinterpret_cast<const char*>(samples.data()), frames * 2);
}

void copyFont(const std::string& from, const std::string& to)
{
    fs::copy_file("/usr/share/fonts/truetype/liberation/" + from, to,
                  fs::copy_options::overwrite_existing);
}

// The 36 level pictures are encoded once per test run and copied from here.
const std::string& fixturePictureFolder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/zor-pictures-XXXXXX";
        std::string made = mkdtemp(pattern) ? pattern : "";
        for (int set = 0; set < 3; ++set)
            for (int number = 1; number <= 12; ++number)
                writePicture(made + "/" + fixturePictureName(set, number), 12 * set + number);
        // A copy of its own: the static string may be gone when this runs.
        static char removeAtExit[64];
        std::snprintf(removeAtExit, sizeof removeAtExit, "%s", made.c_str());
        std::atexit([] { fs::remove_all(removeAtExit); });
        return made;
    }();
    return folder;
}

}  // namespace

std::string fixturePictureName(int set, int number)
{
    return std::string(1, "bpw"[set]) + std::to_string(number) + ".jpg";
}

void writeFixtureMedia(const std::string& folder, const MissingMedia& missing)
{
    al_init_image_addon();
    al_init_primitives_addon();
    std::string media = folder + "/media/";
    fs::create_directories(media);
    auto wanted = [&](const std::string& name) { return missing.count(name) == 0; };

    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    if (wanted("t2.jpg")) {
        // Broad smooth bands, so JPEG keeps the colours close.
        ALLEGRO_BITMAP* background = makeBitmap(screenWidth, screenHeight);
        al_set_target_bitmap(background);
        for (int y = 0; y < screenHeight; y += 10)
            al_draw_filled_rectangle(0, y, screenWidth, y + 10,
                                     al_map_rgb(60 + y / 10, 90, 120 - y / 10));
        saveBitmap(background, media + "t2.jpg");
        al_destroy_bitmap(background);
    }
    if (wanted("ele.png")) {
        ALLEGRO_BITMAP* atlas = makeBitmap(680, 810);
        al_set_target_bitmap(atlas);
        for (int y = 0; y < 810; y += 30)
            for (int x = 0; x < 680; x += 40)
                al_draw_filled_rectangle(x, y, x + 40, y + 30,
                                         al_map_rgb(100 + (x / 40) * 8, 60 + (y / 30) * 6, 140));
        al_put_pixel(320, 700, al_map_rgb(230, 230, 220));
        saveBitmap(atlas, media + "ele.png");
        al_destroy_bitmap(atlas);
    }
    al_restore_state(&state);

    if (wanted("arial.ttf"))
        copyFont("LiberationSans-Regular.ttf", media + "arial.ttf");
    if (wanted("arialbd.ttf"))
        copyFont("LiberationSans-Bold.ttf", media + "arialbd.ttf");
    if (wanted("s1.wav"))
        writeWav(media + "s1.wav", 1.0);
    if (wanted("s3.wav"))
        writeWav(media + "s3.wav", 2.0);
    if (wanted("s5.wav"))
        writeWav(media + "s5.wav", 0.5);
    for (int set = 0; set < 3; ++set)
        for (int number = 1; number <= 12; ++number) {
            std::string name = fixturePictureName(set, number);
            if (wanted(name))
                fs::copy_file(fixturePictureFolder() + "/" + name, media + name,
                              fs::copy_options::overwrite_existing);
        }
    if (wanted("teksty.txt")) {
        std::ofstream texts(media + "teksty.txt");
        for (int i = 0; i < textCount; ++i) {
            if (i == 13)
                texts << "Poziom %d\n";
            else if (i == 14)
                texts << "%d ruchów\n";
            else
                texts << "tekst " << i << "\n";
        }
    }
}

void writePicture(const std::string& path, int seed)
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    ALLEGRO_BITMAP* picture = makeBitmap(600, 450);
    al_set_target_bitmap(picture);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            float x = 150 * column, y = 150 * row;
            al_draw_filled_rectangle(x, y, x + 150, y + 150,
                                     al_map_rgb(30 * seed % 256, 40 + 50 * column, 40 + 70 * row));
            al_draw_filled_rectangle(x, y, x + 150, y + 30, al_map_rgb(255, 255, 255));
        }
    saveBitmap(picture, path);
    al_destroy_bitmap(picture);
    al_restore_state(&state);
}

void ScriptedGameTest::SetUp()
{
    resetGameState();
    usePlatform(scripted);
    char pattern[] = "/tmp/zor-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    writeFixtureMedia(folder, missingMedia);
    previousFolder = fs::current_path();
    fs::current_path(folder);
}

void ScriptedGameTest::TearDown()
{
    releaseGameResources();
    scripted.closeScreen();
    resetGameState();
    fs::current_path(previousFolder);
    fs::remove_all(folder);
}

void ScriptedGameTest::startGame()
{
    initGame();
    ASSERT_EQ(startupFault, "");
}

void bitmapPixel(ALLEGRO_BITMAP* bitmap, int x, int y, int rgb[3])
{
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(bitmap, x, y), &r, &g, &b);
    rgb[0] = r;
    rgb[1] = g;
    rgb[2] = b;
}

void ScriptedGameTest::screenPixel(int x, int y, int rgb[3])
{
    bitmapPixel(scripted.screen(), x, y, rgb);
}

void ScriptedGameTest::backgroundPixel(int x, int y, int rgb[3])
{
    bitmapPixel(background, x, y, rgb);
}

int ScriptedGameTest::runPasses(int limit)
{
    for (int pass = 1; pass <= limit; ++pass)
        if (!runLoopPass())
            return pass;
    return 0;
}
