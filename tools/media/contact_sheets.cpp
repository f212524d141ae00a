// contact_sheets [media-folder] [output-folder]
//
// Lays the media out as PNG sheets for looking at: the three picture sets,
// mixed boards of turned pieces, the thumbnails at the sizes the game shows
// them, the sprite sheet with every region outlined and named, and mock-ups
// of the title, menu and play screens put together the way the game does.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "allegro_io.h"
#include "art.h"
#include "atlas_regions.h"

using namespace media;
namespace fs = std::filesystem;

namespace {

std::string gMedia = "media";

void save(const Image& img, const fs::path& path) {
    Bytes b = encodeImage(img, ".png", (path.parent_path() / ".scratch").string());
    std::ofstream out(path, std::ios::binary);
    out.write((const char*)b.data(), (std::streamsize)b.size());
    std::printf("wrote %s\n", path.string().c_str());
}

enum Align { Left, Centre };

void text(Image& img, const std::string& s, float x, float y, int size, Col col, Align al = Left, bool bold = false) {
    if (s.empty()) return;
    Image m = textMask((gMedia + (bold ? "/arialbd.ttf" : "/arial.ttf")), size, s);
    if (m.w == 0) m = textMask(bold ? systemFontBold() : systemFontRegular(), size, s);
    float x0 = al == Centre ? x - (m.w - 4) / 2.0f : x;
    for (int j = 0; j < m.h; j++)
        for (int i = 0; i < m.w; i++) {
            float a = m.at(i, j).a;
            if (a > 0) img.blend((int)x0 + i - 2, (int)y + j - 1, col, a);
        }
}

Col bilinear(const Image& src, float x, float y) {
    x -= 0.5f, y -= 0.5f;
    int x0 = (int)std::floor(x), y0 = (int)std::floor(y);
    float fx = x - x0, fy = y - y0;
    auto at = [&](int i, int j) {
        i = std::clamp(i, 0, src.w - 1), j = std::clamp(j, 0, src.h - 1);
        return src.at(i, j);
    };
    Col a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    auto lerp = [](Col p, Col q, float t) {
        return Col{p.r + (q.r - p.r) * t, p.g + (q.g - p.g) * t, p.b + (q.b - p.b) * t, p.a + (q.a - p.a) * t};
    };
    return lerp(lerp(a, b, fx), lerp(c, d, fx), fy);
}

// The game's scaled region draw: source rectangle to destination rectangle,
// optional mirroring, tint multiplying the premultiplied source.
void blit(Image& dst, const Image& src, float sx, float sy, float sw, float sh, float dx, float dy, float dw, float dh,
          bool flipH = false, bool flipV = false, Col tint = {1, 1, 1, 1}, int quarterTurns = 0) {
    for (int y = (int)std::floor(dy); y < (int)std::ceil(dy + dh); y++)
        for (int x = (int)std::floor(dx); x < (int)std::ceil(dx + dw); x++) {
            if (x < 0 || y < 0 || x >= dst.w || y >= dst.h) continue;
            float u = (x + 0.5f - dx) / dw, v = (y + 0.5f - dy) / dh;
            if (u < 0 || v < 0 || u >= 1 || v >= 1) continue;
            for (int q = 0; q < quarterTurns; q++) {
                float t = u;
                u = v, v = 1 - t;
            }
            if (flipH) u = 1 - u;
            if (flipV) v = 1 - v;
            // Clamp inside the source rectangle, as a region draw never reads beyond it.
            float px = std::clamp(sx + u * sw, sx + 0.5f, sx + sw - 0.5f);
            float py = std::clamp(sy + v * sh, sy + 0.5f, sy + sh - 0.5f);
            Col s = bilinear(src, px, py);
            s = {s.r * tint.r, s.g * tint.g, s.b * tint.b, s.a * tint.a};
            Col& d = dst.at(x, y);
            float k = 1 - s.a;
            d = {s.r + d.r * k, s.g + d.g * k, s.b + d.b * k, s.a + d.a * k};
        }
}
void blitAll(Image& dst, const Image& src, float dx, float dy, float dw, float dh) {
    blit(dst, src, 0, 0, (float)src.w, (float)src.h, dx, dy, dw, dh);
}
void fillRect(Image& img, float x0, float y0, float x1, float y1, Col c) {
    for (int y = std::max(0, (int)y0); y < std::min(img.h, (int)y1); y++)
        for (int x = std::max(0, (int)x0); x < std::min(img.w, (int)x1); x++) img.blend(x, y, c, 1);
}
void outline(Image& img, float x0, float y0, float x1, float y1, Col c) {
    fillRect(img, x0, y0, x1, y0 + 1, c);
    fillRect(img, x0, y1 - 1, x1, y1, c);
    fillRect(img, x0, y0, x0 + 1, y1, c);
    fillRect(img, x1 - 1, y0, x1, y1, c);
}

std::vector<std::string> readTexts() {
    std::vector<std::string> t(25);
    std::ifstream in(gMedia + "/teksty.txt");
    for (auto& s : t)
        if (!std::getline(in, s)) break;
    return t;
}

Image picture(char set, int n) { return loadImage(gMedia + "/" + std::string(1, set) + std::to_string(n) + ".jpg"); }

void pictureSheets(const fs::path& out) {
    for (char set : {'b', 'p', 'w'}) {
        Image sheet(4 * 310 + 10, 3 * 255 + 10, hex(0x202020));
        for (int n = 1; n <= 12; n++) {
            int cx = 10 + ((n - 1) % 4) * 310, cy = 10 + ((n - 1) / 4) * 255;
            Image p = picture(set, n);
            if (p.w) blitAll(sheet, p, (float)cx, (float)cy, 300, 225);
            text(sheet, std::string(1, set) + std::to_string(n) + ".jpg", cx + 2.0f, cy + 226.0f, 14, hex(0xdddddd));
        }
        save(sheet, out / (std::string("pictures-") + set + ".png"));
    }
}

// Two boards per set as a level would deal them: six pictures, every cell a
// piece of any of them at any quarter turn. Labels say which is upright.
void mixedBoards(const fs::path& out) {
    Rng rng(2026);
    for (char set : {'b', 'p', 'w'}) {
        std::vector<Image> pics;
        for (int n = 1; n <= 12; n++) pics.push_back(picture(set, n));
        Image sheet(2 * 620 + 10, 470 + 10, hex(0x0c1a18));
        for (int b = 0; b < 2; b++) {
            for (int cell = 0; cell < 12; cell++) {
                int c = cell % 4, r = cell / 4;
                int pic = rng.irange(0, 11), turn = rng.irange(0, 3);
                int pc = rng.irange(0, 3), pr = rng.irange(0, 2);
                float dx = 10 + b * 620 + c * 153.0f, dy = 10 + r * 153.0f;
                if (pics[pic].w) blit(sheet, pics[pic], pc * 150.0f, pr * 150.0f, 150, 150, dx, dy, 150, 150, false, false, {1, 1, 1, 1}, turn);
                text(sheet, std::string(1, set) + std::to_string(pic + 1) + (turn ? " turned " + std::to_string(turn * 90) : " upright"),
                     dx + 3, dy + 134, 12, hex(0xffffff));
            }
        }
        save(sheet, out / (std::string("boards-") + set + ".png"));
    }
}

void thumbSheet(const fs::path& out) {
    Image atlas = loadImage(gMedia + "/ele.png");
    Image sheet(12 * 150 + 20, 3 * (110 + 80) + 20, hex(0x0c1a18));
    int row = 0;
    for (char set : {'b', 'p', 'w'}) {
        for (int n = 1; n <= 12; n++) {
            Image p = picture(set, n);
            float x = 10 + (n - 1) * 150.0f, y = 10 + row * 190.0f;
            if (p.w) blitAll(sheet, p, x, y, 140, 100);
            if (atlas.w) {
                blit(sheet, atlas, 460, 200, 150, 110, x, y, 150, 110);
                blit(sheet, atlas, 460, 178, 12, 12, x + 70, y + 2, 12, 12);
            }
            if (p.w) blitAll(sheet, p, x + 20, y + 115, 98, 68);
        }
        row++;
    }
    save(sheet, out / "thumbnails.png");
}

void atlasSheet(const fs::path& out) {
    Image atlas = loadImage(gMedia + "/ele.png");
    if (!atlas.w) return;
    const int k = 2;
    Image sheet(atlas.w * k, atlas.h * k);
    for (int y = 0; y < sheet.h; y++)
        for (int x = 0; x < sheet.w; x++) sheet.set(x, y, ((x / 16 + y / 16) % 2) ? hex(0x9a9a9a) : hex(0x6a6a6a));
    blitAll(sheet, atlas, 0, 0, (float)sheet.w, (float)sheet.h);
    Col colours[] = {hex(0xff3030), hex(0x30ff30), hex(0x3080ff), hex(0xffff30), hex(0xff30ff), hex(0x30ffff)};
    int i = 0;
    for (const AtlasRegion& r : kAtlasRegions) {
        Col c = colours[i++ % 6];
        outline(sheet, (float)r.x * k, (float)r.y * k, (float)(r.x + r.w) * k, (float)(r.y + r.h) * k, c);
        text(sheet, r.name, r.x * k + 3.0f, r.y * k + 2.0f + (i % 2) * 12, 12, c);
    }
    save(sheet, out / "atlas.png");
}

// The screens, composed with the game's own draws.
void screens(const fs::path& out) {
    Image bg = loadImage(gMedia + "/t2.jpg");
    Image atlas = loadImage(gMedia + "/ele.png");
    if (!bg.w || !atlas.w) return;
    auto T = readTexts();
    save(bg, out / "background.png");

    // Title screen.
    {
        Image s(1024, 710, hex(0));
        blit(s, atlas, 60, 530, 610, 277, 210, 100, 610, 277);
        Col tc = rgb8(99, 133, 122);
        text(s, T[16], 510, 350, 28, tc, Centre);
        for (int n = 1; n <= 4; n++) text(s, T[16 + n], 510, 370 + 22.0f * n, 18, tc, Centre);
        text(s, T[21], 510, 498, 18, tc, Centre);
        text(s, T[22], 510, 518, 18, tc, Centre);
        text(s, "Pracownia Sześcian, Toruń", 510, 548, 14, tc, Centre, true);
        text(s, "Toruń 2026, wersja 1.2", 510, 570, 14, tc, Centre, true);
        text(s, "ZOR v1.2", 700, 300, 28, tc);
        save(s, out / "screen-title.png");
    }
    // Start menu, with a saved game and the new-game entry highlighted.
    {
        Image s = bg;
        fillRect(s, 0, 0, 1024, 710, rgb8(10, 10, 10, 150));
        fillRect(s, 0, 200, 1024, 244, rgb8(11, 14, 14, 6));
        for (int i = 0; i < 200; i++) {
            Col c = rgb8(0, 0, 0, i);
            fillRect(s, 0, 200 - i, 1024, 201 - i, c);
            fillRect(s, 200 - i, 0, 201 - i, 710, c);
            fillRect(s, 0, 510 + i, 1024, 511 + i, c);
            fillRect(s, 824 + i, 0, 825 + i, 710, c);
        }
        text(s, T[10], 510, 204, 28, rgb8(111, 122, 122), Centre);
        for (int j = 0; j < 2; j++) {
            blit(s, atlas, 355, 395, 154, 54, 420, 280 + 80.0f * j, 200, 60);
            text(s, T[4 + j], 515, 297 + 80.0f * j, 18, rgb8(150, 160, 150), Centre);
        }
        fillRect(s, 443, 373, 592, 400, rgb8(24, 28, 24, 1));
        save(s, out / "screen-menu.png");
    }
    // Play screen: the frame, a board mid-game, the thumbnails, marks, banner.
    Image s = bg;
    blit(s, atlas, 67, 325, 135, 66, 240, 20, 150, 54);
    text(s, T[6], 320, 35, 18, rgb8(11, 11, 11), Centre);
    blit(s, atlas, 80, 368, 200, 35, 390, 40, 500, 35);
    blit(s, atlas, 60, 450, 77, 77, 360, 8, 77, 77);
    for (int x = 485; x < 950; x += 155) blit(s, atlas, 355, 395, 154, 54, (float)x, 20, 154, 54);
    for (int i = 1; i <= 3; i++) text(s, T[i], 560 + 155.0f * (i - 1), 35, 18, rgb8(66, 99, 66), Centre);
    blit(s, atlas, 67, 325, 605, 70, 240, 650, 780, 54);
    for (int x = 320; x < 800; x += 40) blit(s, atlas, 206, 454, 34, 15, (float)x, 666, 34, 15);
    blit(s, atlas, 166, 472, 138, 38, 865, 661, 110, 27);
    text(s, T[7], 920, 665, 14, rgb8(166, 166, 166), Centre, true);
    blit(s, atlas, 30, 0, 30, 710, 35, 0, 30, 710);
    blit(s, atlas, 0, 0, 55, 710, 220, 0, 50, 710, true);
    fillRect(s, 59, 0, 221, 710, rgb8(55, 77, 77, 88));
    Image clean = s;
    // Level 2 in play.
    int level = 1;
    char set = "bpw"[level];
    std::vector<Image> pics;
    for (int k = 1; k <= 6; k++) pics.push_back(picture(set, k * 2 - (k % 2)));
    for (int k = 0; k < 6; k++) {
        float y = 26 + 110.0f * k;
        blitAll(s, pics[k], 68, y - 1, 140, 100);
        blit(s, atlas, 460, 200, 150, 110, 68, y - 1, 150, 110);
        blit(s, atlas, 460, 178, 12, 12, 68 + 70, y + 1, 12, 12);
    }
    blit(s, atlas, 527, 407, 115, 25, 502 + 155.0f * level, 32, 115, 25);
    text(s, T[level + 1], 560 + 155.0f * level, 35, 18, rgb8(199, 222, 199), Centre);
    text(s, "37", 396, 32, 28, rgb8(0, 22, 22), Centre);
    for (int i = 0; i < 25; i++) fillRect(s, 335.0f + i, 125.0f + i, 975.0f - 2 * i, 610.0f - 2 * i, rgb8(0, 0, 0, i));
    Rng rng(7);
    for (int cell = 0; cell < 12; cell++) {
        int c = cell % 4, r = cell / 4;
        bool solved = cell < 7;
        int pic = solved ? 0 : rng.irange(1, 5), turn = solved ? 0 : rng.irange(0, 3);
        blit(s, pics[pic], c * 150.0f, r * 150.0f, 150, 150, 330 + 153.0f * c, 120 + 153.0f * r, 150, 150, false, false,
             {1, 1, 1, 1}, turn);
    }
    for (int i = 1; i <= 7; i++) blit(s, atlas, 530, 406, 40, 26, 320 + 40.0f * (i - 1), 666, 32, 13, true, true);
    blit(s, atlas, 65, 400, 285, 46, 630 - 279, 610, 558, 46);
    // Lit exit button, as under the mouse.
    blit(s, s, 866, 662, 100, 20, 866, 662, 100, 20, false, false, {250 / 255.f, 250 / 255.f, 250 / 255.f, 188 / 255.f});
    save(s, out / "screen-play.png");

    // Final screen over the clean frame.
    Image f = clean;
    for (int i = 0; i < 44; i++) fillRect(f, 325, 115, 950, 585, rgb8(0, 1, 1, i));
    Col fc = rgb8(166, 199, 166);
    text(f, T[12], 630, 120, 28, fc, Centre);
    for (int r = 1; r <= 3; r++) {
        float y = 170 + 140.0f * (r - 1);
        std::string num = T[13], mv = T[14];
        char buf[128];
        std::snprintf(buf, sizeof buf, num.c_str(), r);
        text(f, buf, 350, y, 18, fc);
        text(f, T[r], 450, y, 18, fc);
        std::snprintf(buf, sizeof buf, mv.c_str(), 100 + 37 * r);
        text(f, buf, 780, y, 18, fc, Centre);
        for (int j = 0; j < 6; j++) {
            Image p = picture("bpw"[r - 1], j + 1 + 3 * (r % 2));
            // The sheet crops 2 px off the sides and 4 off the bottom of each framed thumbnail.
            Image framed(150, 110);
            blitAll(framed, p, 0, 0, 140, 100);
            blit(framed, atlas, 460, 200, 150, 110, 0, 0, 150, 110);
            blit(framed, atlas, 460, 178, 12, 12, 70, 2, 12, 12);
            blit(f, framed, 2, 0, 136, 96, 333 + 102.0f * j, y + 30, 98, 68);
        }
    }
    // Caption written into the atlas, then the button with its margin.
    Image a2 = atlas;
    text(a2, T[5], 535, 478, 18, rgb8(199, 222, 199), Centre);
    blit(f, a2, 466, 470, 138, 41, 560, 605, 138, 41);
    save(f, out / "screen-final.png");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) gMedia = argv[1];
    fs::path out = argc > 2 ? argv[2] : "build/contact";
    std::error_code ec;
    fs::create_directories(out, ec);
    if (!initAllegro()) {
        std::fprintf(stderr, "contact_sheets: cannot start Allegro\n");
        return 1;
    }
    pictureSheets(out);
    mixedBoards(out);
    thumbSheet(out);
    atlasSheet(out);
    screens(out);
    return 0;
}
