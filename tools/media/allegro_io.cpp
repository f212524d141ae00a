#include "allegro_io.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_ttf.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace media {

const char* systemFontRegular() { return "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"; }
const char* systemFontBold() { return "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"; }

bool initAllegro() {
    static bool done = false, ok = false;
    if (done) return ok;
    done = true;
    ok = al_init() && al_init_image_addon() && al_init_font_addon() && al_init_ttf_addon();
    if (ok) {
        // Pictures are the whole game: spend the bytes on a clean JPEG.
        al_set_config_value(al_get_system_config(), "image", "jpeg_quality_level", "93");
        al_set_config_value(al_get_system_config(), "image", "png_compression_level", "9");
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    }
    return ok;
}

static uint8_t to8(float v) {
    int i = (int)std::floor(clamp01(v) * 255.0f + 0.5f);
    return (uint8_t)std::clamp(i, 0, 255);
}

Bytes encodeImage(const Image& img, const std::string& ext, const std::string& scratchPath) {
    const bool jpeg = ext == ".jpg";
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);
    ALLEGRO_BITMAP* bmp = al_create_bitmap(img.w, img.h);
    if (!bmp) return {};
    ALLEGRO_LOCKED_REGION* lr = al_lock_bitmap(bmp, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < img.h; y++) {
        uint8_t* row = (uint8_t*)lr->data + (ptrdiff_t)y * lr->pitch;
        for (int x = 0; x < img.w; x++) {
            const Col& p = img.at(x, y);
            uint8_t* o = row + 4 * x;
            if (jpeg) {
                // Opaque over black; a whisper of fixed noise keeps skies from banding.
                float n = (hashf(x, y, 77) - 0.5f) / 255.0f;
                o[0] = to8(p.r + n), o[1] = to8(p.g + n), o[2] = to8(p.b + n), o[3] = 255;
            } else if (p.a <= 0) {
                o[0] = o[1] = o[2] = o[3] = 0;
            } else {
                o[0] = to8(p.r / p.a), o[1] = to8(p.g / p.a), o[2] = to8(p.b / p.a), o[3] = to8(p.a);
            }
        }
    }
    al_unlock_bitmap(bmp);
    std::string tmp = scratchPath + ext;
    bool saved = al_save_bitmap(tmp.c_str(), bmp);
    al_destroy_bitmap(bmp);
    if (!saved) return {};
    std::ifstream in(tmp, std::ios::binary);
    Bytes out((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::remove(tmp.c_str());
    return out;
}

Image loadImage(const std::string& path) {
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    // Straight alpha as stored in the file, like our own images before premultiplying.
    ALLEGRO_BITMAP* bmp = al_load_bitmap_flags(path.c_str(), ALLEGRO_NO_PREMULTIPLIED_ALPHA);
    if (!bmp) return {};
    int w = al_get_bitmap_width(bmp), h = al_get_bitmap_height(bmp);
    Image img(w, h);
    ALLEGRO_LOCKED_REGION* lr = al_lock_bitmap(bmp, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    for (int y = 0; y < h; y++) {
        const uint8_t* row = (const uint8_t*)lr->data + (ptrdiff_t)y * lr->pitch;
        for (int x = 0; x < w; x++) {
            const uint8_t* p = row + 4 * x;
            img.set(x, y, rgb8(p[0], p[1], p[2], p[3]));
        }
    }
    al_unlock_bitmap(bmp);
    al_destroy_bitmap(bmp);
    return img;
}

Image textMask(const std::string& fontPath, int pixelSize, const std::string& utf8) {
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_FONT* font = al_load_ttf_font(fontPath.c_str(), pixelSize, 0);
    if (!font) return {};
    int w = std::max(1, al_get_text_width(font, utf8.c_str()) + 4);
    int h = al_get_font_line_height(font) + 2;
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);
    ALLEGRO_BITMAP* bmp = al_create_bitmap(w, h);
    ALLEGRO_BITMAP* old = al_get_target_bitmap();
    al_set_target_bitmap(bmp);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    al_draw_text(font, al_map_rgb(255, 255, 255), 2, 1, 0, utf8.c_str());
    if (old) al_set_target_bitmap(old);
    Image img(w, h);
    ALLEGRO_LOCKED_REGION* lr = al_lock_bitmap(bmp, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    for (int y = 0; y < h; y++) {
        const uint8_t* row = (const uint8_t*)lr->data + (ptrdiff_t)y * lr->pitch;
        for (int x = 0; x < w; x++) img.set(x, y, rgb8(255, 255, 255, row[4 * x + 3]));
    }
    al_unlock_bitmap(bmp);
    al_destroy_bitmap(bmp);
    al_destroy_font(font);
    return img;
}

}  // namespace media
