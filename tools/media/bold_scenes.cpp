// First level: bold, simple, colourful scenes. Each has its own palette so
// that a single piece tells which picture it belongs to, and every piece has
// sky above and ground below, or something standing upright.
#include "art.h"
#include "scene.h"

namespace media {

namespace {

const int W = kPictureW, H = kPictureH;

Image farm() {
    Image img(W, H);
    vGradient(img, 0, 300, {hex(0x2f7fe0), hex(0x78b8f4), hex(0xd8f0ff)});
    glow(img, {92, 78}, 120, hex(0xfff6c0), 0.7f);
    circle(img, {92, 78}, 44, hex(0xffd23a));
    circle(img, {84, 70}, 30, hex(0xffe680));
    cloud(img, {300, 70}, 70, hex(0xffffff), 3);
    cloud(img, {500, 110}, 52, hex(0xffffff), 4);
    bird(img, {220, 120}, 10, hex(0x24406a));
    bird(img, {250, 105}, 8, hex(0x24406a));
    hill(img, 250, 24, 0.012f, 0.5f, hex(0x8fd16a));
    hill(img, 300, 18, 0.017f, 2.0f, hex(0x5cb84a));
    // Barn.
    rect(img, 330, 200, 470, 320, hex(0xc8322c));
    poly(img, {{318, 202}, {400, 140}, {482, 202}}, hex(0x8a2420));
    poly(img, {{400, 140}, {482, 202}, {440, 202}}, withAlpha(hex(0), 0.2f));
    rect(img, 375, 250, 425, 320, hex(0xf7efe0));
    rect(img, 380, 255, 420, 320, hex(0x6b1c18));
    line(img, {380, 255}, {420, 320}, 4, hex(0xf7efe0));
    line(img, {420, 255}, {380, 320}, 4, hex(0xf7efe0));
    rect(img, 388, 170, 412, 192, hex(0xf7efe0), 3);
    tree(img, 540, 320, 170, hex(0x3c9a3a), hex(0x6b4426), 7);
    tree(img, 250, 310, 120, hex(0x4caa40), hex(0x6b4426), 8);
    hillBy(img, [](float x) { return 330 + 6 * std::sin(x * 0.02f); }, hex(0x4fae3e), hex(0x2f7d2a), 0.12f, 120);
    // Fence.
    for (float x = 10; x < 600; x += 34) rect(img, x, 318, x + 8, 362, hex(0xf2e3c4), 2);
    rect(img, 0, 326, 600, 333, hex(0xe8d6b0));
    rect(img, 0, 345, 600, 352, hex(0xe8d6b0));
    // Path.
    poly(img, {{250, 450}, {350, 450}, {310, 362}, {285, 362}}, hex(0xd9b77a));
    grass(img, 0, 600, 452, 30, hex(0x2f8a2c), 9, 160);
    Rng r(5);
    Col petals[] = {hex(0xffe23a), hex(0xff5a8a), hex(0xffffff), hex(0xff8c2a)};
    for (int i = 0; i < 22; i++) {
        float x = r.range(10, 590);
        if (x > 240 && x < 360) continue;
        flower(img, x, r.range(400, 448), r.range(22, 40), petals[i % 4], hex(0xffb000));
    }
    return img;
}

Image seaside() {
    Image img(W, H);
    vGradient(img, 0, 220, {hex(0x1fa2d6), hex(0x8fdcf2), hex(0xf2fbff)});
    glow(img, {505, 62}, 110, hex(0xffffe0), 0.8f);
    circle(img, {505, 62}, 36, hex(0xfff3a0));
    cloud(img, {150, 60}, 55, hex(0xffffff), 11);
    cloud(img, {330, 105}, 40, hex(0xffffff), 12);
    for (int i = 0; i < 4; i++) bird(img, {200.0f + i * 55, 150.0f - (i % 2) * 22}, 9, hex(0x2b4a60));
    // Sea.
    for (int y = 215; y < H; y++) {
        Col c = mix(hex(0x2fb8c8), hex(0x0a6a9a), (y - 215) / 140.0f);
        for (int x = 0; x < W; x++) img.blend(x, y, c, 1);
    }
    Rng r(13);
    for (int i = 0; i < 70; i++) {
        float y = r.range(222, 360), x = r.range(0, 600), w = 6 + (y - 215) * 0.12f;
        line(img, {x - w, y}, {x + w, y}, 2, withAlpha(hex(0xe8ffff), 0.55f));
    }
    // Lighthouse on rocks.
    ellipse(img, {500, 300}, 110, 45, hex(0x6a6258));
    ellipse(img, {480, 290}, 70, 28, hex(0x857c70));
    poly(img, {{470, 290}, {530, 290}, {520, 120}, {480, 120}}, hex(0xffffff));
    for (int i = 0; i < 3; i++) {
        float y0 = 140 + i * 52, y1 = y0 + 24;
        float t0 = (y0 - 120) / 170, t1 = (y1 - 120) / 170;
        poly(img, {{480 - 10 * t0, y0}, {520 + 10 * t0, y0}, {520 + 10 * t1, y1}, {480 - 10 * t1, y1}}, hex(0xe03030));
    }
    rect(img, 486, 95, 514, 122, hex(0xffe070));
    poly(img, {{480, 96}, {500, 72}, {520, 96}}, hex(0xc02828));
    rect(img, 474, 118, 526, 124, hex(0x333333));
    // Sailboats.
    auto boat = [&](float x, float y, float s, Col sail, Col hull) {
        poly(img, {{x - 40 * s, y}, {x + 44 * s, y}, {x + 30 * s, y + 16 * s}, {x - 28 * s, y + 16 * s}}, hull);
        line(img, {x, y}, {x, y - 100 * s}, 3 * s, hex(0x5a3a20));
        poly(img, {{x + 3 * s, y - 98 * s}, {x + 3 * s, y - 8 * s}, {x + 46 * s, y - 8 * s}}, sail);
        poly(img, {{x - 3 * s, y - 80 * s}, {x - 3 * s, y - 8 * s}, {x - 34 * s, y - 8 * s}}, lighten(sail, 0.3f));
        poly(img, {{x, y - 100 * s}, {x + 16 * s, y - 94 * s}, {x, y - 88 * s}}, hex(0xff4040));
    };
    boat(120, 262, 0.8f, hex(0xffffff), hex(0xd83a2a));
    boat(300, 300, 1.1f, hex(0xfff0a0), hex(0x2a4ad8));
    // Beach.
    hillBy(img, [](float x) { return 375 - 14 * std::sin(x * 0.008f + 0.4f); }, hex(0xf7dc9a), hex(0xe8b86a), 0.2f, 80);
    for (int i = 0; i < 14; i++) {
        float x = r.range(10, 590), y = r.range(395, 440);
        ellipse(img, {x, y}, 6, 4, hex(0xfff0e0));
        ellipse(img, {x, y + 1}, 6, 2, withAlpha(hex(0xd89a70), 0.6f));
    }
    // Beach umbrella.
    line(img, {470, 440}, {470, 360}, 4, hex(0x7a5a3a));
    paint(img, Box{400, 320, 540, 372}, [](V2 p) { return std::max(sdEllipse(p, {470, 372}, 66, 44), p.y - 372); },
          [](V2 p) { return ((int)((p.x - 404) / 22) % 2) ? hex(0xffffff) : hex(0xff5a3a); });
    ellipse(img, {200, 430}, 60, 10, withAlpha(hex(0xb08040), 0.3f));
    rect(img, 150, 410, 250, 428, hex(0x3ab0ff), 6);
    return img;
}

Image balloons() {
    Image img(W, H);
    vGradient(img, 0, 360, {hex(0x7a5ec8), hex(0xe07aa8), hex(0xffb88a), hex(0xffe6b0)});
    glow(img, {300, 350}, 260, hex(0xfff0c0), 0.5f);
    for (int i = 0; i < 5; i++) cloud(img, {60.0f + i * 130, 220.0f + (i % 2) * 30}, 30, hex(0xffd8d0), 30 + i);
    hill(img, 340, 25, 0.01f, 1.0f, hex(0x7a62a8), 0.1f);
    hill(img, 370, 14, 0.02f, 3.0f, hex(0x5aa05a));
    // Field rows.
    for (int y = 380; y < H; y += 12) {
        Col c = (y / 12) % 2 ? hex(0x7cc060) : hex(0xa8d870);
        rect(img, 0, (float)y, 600, (float)y + 12, c);
    }
    grass(img, 0, 600, 452, 22, hex(0x3f8a30), 31, 120);
    auto balloon = [&](V2 c, float r, std::vector<Col> stripes) {
        float bottom = c.y + r * 1.25f;
        auto sdf = [&](V2 p) {
            float d = sdCircle(p, c, r);
            std::vector<V2> cone{{c.x - r * 0.86f, c.y + r * 0.5f}, {c.x + r * 0.86f, c.y + r * 0.5f},
                                 {c.x + r * 0.25f, bottom}, {c.x - r * 0.25f, bottom}};
            return std::min(d, sdPolygon(p, cone));
        };
        paint(img, boxAround({c.x, c.y + r * 0.2f}, r * 1.1f, r * 1.3f), sdf, [&](V2 p) {
            float u = (p.x - c.x) / r;
            float k = std::asin(clampf(u, -1, 1)) / 1.5708f;  // wrap the stripes round the envelope
            int s = std::clamp((int)((k + 1) * 0.5f * stripes.size()), 0, (int)stripes.size() - 1);
            Col col = stripes[s];
            float light = 0.3f * (1 - clamp01((p.y - (c.y - r)) / (2 * r))) - 0.25f * std::fabs(u);
            return light > 0 ? lighten(col, light) : darken(col, -light);
        });
        float by = bottom + r * 0.35f;
        line(img, {c.x - r * 0.25f, bottom}, {c.x - r * 0.16f, by}, 1.5f, hex(0x5a4030));
        line(img, {c.x + r * 0.25f, bottom}, {c.x + r * 0.16f, by}, 1.5f, hex(0x5a4030));
        rect(img, c.x - r * 0.18f, by, c.x + r * 0.18f, by + r * 0.22f, hex(0x9a6a3a), 2);
        rect(img, c.x - r * 0.18f, by, c.x + r * 0.18f, by + r * 0.06f, hex(0x6a4420));
    };
    balloon({120, 120}, 62, {hex(0xff3a3a), hex(0xffd02a), hex(0xff3a3a), hex(0xffd02a), hex(0xff3a3a)});
    balloon({330, 200}, 44, {hex(0x2a7aff), hex(0xffffff), hex(0x2a7aff), hex(0xffffff)});
    balloon({480, 90}, 52, {hex(0x2ac060), hex(0xff8a2a), hex(0xa040e0), hex(0xff8a2a), hex(0x2ac060)});
    balloon({540, 270}, 26, {hex(0xff5ab0), hex(0xffffff), hex(0xff5ab0)});
    balloon({240, 60}, 22, {hex(0x30c0c0), hex(0xffe040), hex(0x30c0c0)});
    return img;
}

Image nightTown() {
    Image img(W, H);
    vGradient(img, 0, 330, {hex(0x0a0f3a), hex(0x1f2a78), hex(0x5a4a9a)});
    Rng r(41);
    for (int i = 0; i < 90; i++) {
        V2 p{r.range(0, 600), r.range(0, 220)};
        float s = r.range(0.8f, 2.2f);
        circle(img, p, s, withAlpha(hex(0xffffff), r.range(0.5f, 1)));
    }
    for (int i = 0; i < 5; i++) star(img, {r.range(20, 580), r.range(10, 150)}, r.range(6, 10), hex(0xfff6c0));
    glow(img, {460, 85}, 130, hex(0xfff2c0), 0.35f);
    paintFlat(img, boxAround({460, 85}, 48, 48),
              [](V2 p) { return std::max(sdCircle(p, {460, 85}, 48), -sdCircle(p, {482, 72}, 42)); }, hex(0xfff0b0));
    // Houses.
    Col walls[] = {hex(0x3a3f7a), hex(0x52407a), hex(0x2f4a6a), hex(0x4a3a6a), hex(0x3a5070)};
    Col roofs[] = {hex(0x1a1a3a), hex(0x2a1a3a), hex(0x1a2a3a), hex(0x221a30), hex(0x15253a)};
    float xs[] = {0, 110, 230, 360, 480};
    float hs[] = {170, 210, 150, 230, 180};
    for (int i = 0; i < 5; i++) {
        float x = xs[i], w = 116, top = 360 - hs[i];
        rect(img, x + 4, top, x + w, 360, walls[i]);
        poly(img, {{x - 2, top + 2}, {x + w / 2 + 2, top - 50}, {x + w + 6, top + 2}}, roofs[i]);
        rect(img, x + w * 0.62f, top - 44, x + w * 0.76f, top - 10, roofs[i]);
        for (int k = 0; k < 4; k++) glow(img, {x + w * 0.69f + k * 6, top - 56 - k * 14}, 9.0f + k * 3, hex(0x9a9ac0), 0.5f);
        for (float wy = top + 20; wy < 320; wy += 46)
            for (float wx = x + 18; wx < x + w - 20; wx += 38) {
                bool lit = r.uni() < 0.7f;
                Col c = lit ? hex(0xffd860) : hex(0x1a1f40);
                if (lit) glow(img, {wx + 10, wy + 13}, 26, hex(0xffd860), 0.35f);
                rect(img, wx, wy, wx + 20, wy + 26, c, 2);
                rect(img, wx - 2, wy + 26, wx + 22, wy + 30, hex(0x20203a));
            }
    }
    // Street.
    rect(img, 0, 360, 600, 450, hex(0x2a2a40));
    for (int y = 372; y < 450; y += 16)
        for (int x = ((y / 16) % 2) * 12; x < 600; x += 24) rect(img, (float)x, (float)y, (float)x + 21, (float)y + 13, hex(0x3a3a58), 3);
    for (float lx : {90.0f, 330.0f, 560.0f}) {
        glow(img, {lx, 300}, 90, hex(0xffe890), 0.45f);
        rect(img, lx - 3, 300, lx + 3, 440, hex(0x101020));
        rect(img, lx - 8, 436, lx + 8, 444, hex(0x101020));
        poly(img, {{lx - 12, 300}, {lx + 12, 300}, {lx + 7, 284}, {lx - 7, 284}}, hex(0xffe890));
        poly(img, {{lx - 14, 286}, {lx + 14, 286}, {lx, 274}}, hex(0x101020));
    }
    return img;
}

Image winter() {
    Image img(W, H);
    vGradient(img, 0, 260, {hex(0x8ab8e8), hex(0xc8e0f8), hex(0xeef6ff)});
    glow(img, {120, 70}, 100, hex(0xffffff), 0.6f);
    circle(img, {120, 70}, 30, hex(0xfffbe8));
    hill(img, 200, 40, 0.009f, 0.8f, hex(0xd0def2), 0.25f);
    hill(img, 250, 22, 0.014f, 2.5f, hex(0xe4eefa), 0.3f);
    pine(img, 60, 260, 150, hex(0x2a6a4a), true);
    pine(img, 560, 250, 180, hex(0x235e42), true);
    pine(img, 470, 270, 120, hex(0x2f7552), true);
    pine(img, 150, 280, 100, hex(0x2f7552), true);
    hillBy(img, [](float x) { return 300 + 12 * std::sin(x * 0.011f + 1.0f); }, hex(0xffffff), hex(0xc8d8f0), 0.0f, 150);
    // Snowman, standing on the bottom row.
    ball(img, {300, 372}, 62, hex(0xf4f8ff));
    ball(img, {300, 272}, 46, hex(0xf4f8ff));
    ball(img, {300, 192}, 34, hex(0xf4f8ff));
    rect(img, 264, 152, 336, 160, hex(0x202028), 2);
    rect(img, 276, 108, 324, 156, hex(0x202028), 3);
    rect(img, 276, 142, 324, 150, hex(0xd02a2a));
    circle(img, {288, 184}, 4.5f, hex(0x202028));
    circle(img, {312, 184}, 4.5f, hex(0x202028));
    poly(img, {{300, 193}, {300, 203}, {338, 200}}, hex(0xff8a20));
    for (int i = 0; i < 5; i++) circle(img, {286.0f + i * 7, 210.0f + std::fabs(i - 2.0f) * -2 + 4}, 2.5f, hex(0x202028));
    rect(img, 262, 222, 338, 236, hex(0xd02a2a), 6);
    poly(img, {{318, 230}, {334, 230}, {340, 282}, {324, 282}}, hex(0xb82020));
    for (float y : {250.0f, 280.0f, 350.0f, 385.0f}) circle(img, {300, y}, 5, hex(0x202028));
    line(img, {255, 268}, {195, 228}, 5, hex(0x6a4426));
    line(img, {345, 268}, {405, 232}, 5, hex(0x6a4426));
    line(img, {205, 236}, {196, 218}, 3, hex(0x6a4426));
    line(img, {395, 238}, {410, 220}, 3, hex(0x6a4426));
    // Sled.
    rect(img, 430, 392, 540, 404, hex(0xc83a2a), 4);
    line(img, {425, 420}, {545, 420}, 4, hex(0x5a3a2a));
    line(img, {545, 420}, {555, 410}, 4, hex(0x5a3a2a));
    line(img, {445, 404}, {445, 420}, 4, hex(0x5a3a2a));
    line(img, {525, 404}, {525, 420}, 4, hex(0x5a3a2a));
    Rng r(61);
    for (int i = 0; i < 80; i++) circle(img, {r.range(0, 600), r.range(0, 300)}, r.range(1.5f, 3.5f), withAlpha(hex(0xffffff), 0.9f));
    for (int i = 0; i < 30; i++) ellipse(img, {r.range(0, 600), r.range(330, 445)}, r.range(10, 30), 2.5f, withAlpha(hex(0xa8bce0), 0.5f));
    return img;
}

Image desert() {
    Image img(W, H);
    vGradient(img, 0, 270, {hex(0xff6a2a), hex(0xffa040), hex(0xffe08a)});
    glow(img, {300, 200}, 200, hex(0xfff0b0), 0.6f);
    circle(img, {300, 190}, 70, hex(0xfff2a0));
    for (int i = 0; i < 3; i++) rect(img, 180 + i * 18.0f, 40.0f + i * 26, 420 - i * 18.0f, 46.0f + i * 26, withAlpha(hex(0xffd0a0), 0.5f), 3);
    bird(img, {90, 80}, 12, hex(0x6a2a1a));
    bird(img, {520, 60}, 10, hex(0x6a2a1a));
    // Pyramids.
    poly(img, {{380, 262}, {470, 160}, {560, 262}}, hex(0xe0a050));
    poly(img, {{470, 160}, {560, 262}, {490, 262}}, hex(0xb07030));
    poly(img, {{520, 262}, {570, 205}, {620, 262}}, hex(0xd89448));
    hillBy(img, [](float x) { return 262 + 10 * std::sin(x * 0.02f); }, hex(0xf0b060), hex(0xe09848), 0.15f, 60);
    hillBy(img, [](float x) { return 300 + 30 * std::sin(x * 0.009f + 2.0f); }, hex(0xf7c070), hex(0xd88a40), 0.25f, 120);
    hillBy(img, [](float x) { return 370 + 25 * std::sin(x * 0.012f + 4.0f); }, hex(0xffd088), hex(0xe09850), 0.25f, 80);
    // Saguaro cacti: arms always reach up.
    auto cactus = [&](float x, float gy, float h) {
        Col c = hex(0x2f8a3a), d = hex(0x1f6a2a);
        float w = h * 0.11f;
        rect(img, x - w, gy - h, x + w, gy, c, w);
        rect(img, x - w * 0.3f, gy - h + 4, x + w * 0.3f, gy - 4, d, w * 0.3f);
        rect(img, x - w * 3, gy - h * 0.55f, x - w * 0.5f, gy - h * 0.55f + w * 1.3f, c, w * 0.6f);
        rect(img, x - w * 3, gy - h * 0.85f, x - w * 1.8f, gy - h * 0.45f, c, w * 0.6f);
        rect(img, x + w * 0.5f, gy - h * 0.4f, x + w * 3, gy - h * 0.4f + w * 1.3f, c, w * 0.6f);
        rect(img, x + w * 1.8f, gy - h * 0.7f, x + w * 3, gy - h * 0.3f, c, w * 0.6f);
        circle(img, {x, gy - h + 3}, w * 0.5f, hex(0xff5a8a));
    };
    cactus(110, 350, 150);
    cactus(470, 400, 110);
    cactus(250, 330, 60);
    Rng r(71);
    for (int i = 0; i < 40; i++) ellipse(img, {r.range(0, 600), r.range(330, 445)}, r.range(6, 18), 1.5f, withAlpha(hex(0xb06a30), 0.4f));
    for (int i = 0; i < 6; i++) {
        float x = r.range(20, 580), y = r.range(400, 440);
        ellipse(img, {x, y}, 14, 8, hex(0x9a6a4a));
        ellipse(img, {x - 3, y - 3}, 7, 3, hex(0xc09070));
    }
    return img;
}

Image underwater() {
    Image img(W, H);
    vGradient(img, 0, 450, {hex(0x7ae8f0), hex(0x1aa0c8), hex(0x0a5a8a), hex(0x06305a)});
    // Bright surface ripples on the top rows.
    for (int i = 0; i < 26; i++) {
        float x = i * 24.0f + (i % 3) * 6;
        ellipse(img, {x, 10.0f + (i % 2) * 8}, 14, 3, withAlpha(hex(0xffffff), 0.6f));
    }
    // Light rays fan down from the surface.
    for (int i = 0; i < 6; i++) {
        float x = 40 + i * 105.0f;
        poly(img, {{x, 0}, {x + 40, 0}, {x + 100, 450}, {x - 10, 450}}, withAlpha(hex(0xe0ffff), 0.1f));
    }
    hillBy(img, [](float x) { return 395 + 15 * std::sin(x * 0.015f); }, hex(0xf0d8a0), hex(0xd0b070), 0.2f, 60);
    // Seaweed grows up and sways.
    auto weed = [&](float x, float h, Col c) {
        for (int i = 0; i < 24; i++) {
            float t0 = i / 24.0f, t1 = (i + 1) / 24.0f;
            V2 a{x + 10 * std::sin(t0 * 6), 410 - t0 * h}, b{x + 10 * std::sin(t1 * 6), 410 - t1 * h};
            line(img, a, b, 9 * (1 - t0 * 0.7f), c);
        }
    };
    weed(40, 190, hex(0x2a9a4a));
    weed(70, 130, hex(0x3ab05a));
    weed(560, 230, hex(0x2a9a4a));
    weed(520, 140, hex(0x46c060));
    // Coral.
    auto coral = [&](float x, float y, float s, Col c) {
        for (int i = -2; i <= 2; i++) {
            V2 b{x + i * 10 * s, y - (60 - std::abs(i) * 14) * s};
            line(img, {x, y}, b, 9 * s, c);
            circle(img, b, 6 * s, lighten(c, 0.2f));
        }
    };
    coral(200, 410, 1.3f, hex(0xff6a7a));
    coral(420, 420, 1.0f, hex(0xffa040));
    coral(300, 425, 0.8f, hex(0xc060e0));
    // Treasure chest.
    rect(img, 330, 378, 400, 420, hex(0x8a5a2a), 3);
    paint(img, Box{326, 350, 404, 380}, [](V2 p) { return std::max(sdEllipse(p, {365, 380}, 38, 24), p.y - 380); },
          [](V2) { return hex(0xa06a32); });
    rect(img, 358, 372, 372, 392, hex(0xffd040), 2);
    // Fish: dorsal fin up, belly light.
    auto fish = [&](V2 c, float s, Col body, Col fin, bool right) {
        float dir = right ? 1 : -1;
        poly(img, {{c.x - dir * 22 * s, c.y}, {c.x - dir * 40 * s, c.y - 16 * s}, {c.x - dir * 40 * s, c.y + 16 * s}}, fin);
        poly(img, {{c.x - dir * 8 * s, c.y - 12 * s}, {c.x + dir * 6 * s, c.y - 26 * s}, {c.x + dir * 12 * s, c.y - 12 * s}}, fin);
        paint(img, boxAround(c, 30 * s, 18 * s), [&](V2 p) { return sdEllipse(p, c, 28 * s, 15 * s); },
              [&](V2 p) { return mix(body, lighten(body, 0.55f), smooth(c.y - 6 * s, c.y + 14 * s, p.y)); });
        line(img, {c.x + dir * 4 * s, c.y - 12 * s}, {c.x + dir * 4 * s, c.y + 12 * s}, 4 * s, withAlpha(hex(0xffffff), 0.8f));
        circle(img, {c.x + dir * 16 * s, c.y - 4 * s}, 4 * s, hex(0xffffff));
        circle(img, {c.x + dir * 17 * s, c.y - 4 * s}, 2.2f * s, hex(0x101010));
    };
    fish({150, 120}, 1.4f, hex(0xff8a1a), hex(0xe05a10), true);
    fish({430, 90}, 1.0f, hex(0xffe02a), hex(0x2a6aff), false);
    fish({320, 250}, 1.2f, hex(0x3a8aff), hex(0xffd02a), true);
    fish({500, 300}, 0.9f, hex(0xff4a8a), hex(0xb02a6a), false);
    fish({100, 300}, 0.8f, hex(0x9a5aff), hex(0x6a2ad0), true);
    Rng r(81);
    for (int i = 0; i < 30; i++) {
        V2 p{r.range(0, 600), r.range(30, 380)};
        float s = r.range(2, 7);
        circle(img, p, s, withAlpha(hex(0xe8ffff), 0.35f));
        circle(img, {p.x - s * 0.3f, p.y - s * 0.3f}, s * 0.35f, withAlpha(hex(0xffffff), 0.8f));
    }
    return img;
}

Image space() {
    Image img(W, H);
    vGradient(img, 0, 380, {hex(0x0a0620), hex(0x2a1058), hex(0x7a2a8a), hex(0xd85a9a)});
    Rng r(91);
    for (int i = 0; i < 140; i++) {
        V2 p{r.range(0, 600), r.range(0, 360)};
        circle(img, p, r.range(0.6f, 1.8f), withAlpha(hex(0xffffff), r.range(0.4f, 1) * (1 - p.y / 450)));
    }
    // Ringed planet.
    ellipse(img, {470, 110}, 110, 24, withAlpha(hex(0xffd8a0), 0.8f));
    ball(img, {470, 110}, 58, hex(0xe0a040));
    paint(img, Box{355, 100, 585, 140}, [](V2 p) { return std::max(sdEllipse(p, {470, 110}, 110, 24), -(p.y - 110)); },
          [](V2 p) { return withAlpha(hex(0xffe0b0), 0.9f * smooth(108, 120, p.y)); });
    ball(img, {90, 60}, 18, hex(0x6ad0ff));
    // Rocket climbing, flame below.
    float rx = 230, ry = 120;
    poly(img, {{rx - 14, ry + 150}, {rx + 14, ry + 150}, {rx + 6, ry + 230}, {rx, ry + 250}, {rx - 6, ry + 230}}, hex(0xffb020));
    poly(img, {{rx - 8, ry + 150}, {rx + 8, ry + 150}, {rx, ry + 210}}, hex(0xfff2a0));
    paint(img, Box{(int)rx - 40, (int)ry - 10, (int)rx + 40, (int)ry + 155},
          [&](V2 p) { return std::max(sdEllipse(p, {rx, ry + 90}, 30, 100), p.y - (ry + 150)); },
          [&](V2 p) { return mix(hex(0xffffff), hex(0xb8c0d8), smooth(rx - 25, rx + 30, p.x)); });
    poly(img, {{rx - 28, ry + 100}, {rx - 54, ry + 156}, {rx - 24, ry + 146}}, hex(0xe02a3a));
    poly(img, {{rx + 28, ry + 100}, {rx + 54, ry + 156}, {rx + 24, ry + 146}}, hex(0xb81a2a));
    paint(img, Box{(int)rx - 40, (int)ry - 10, (int)rx + 40, (int)ry + 40},
          [&](V2 p) { return std::max(sdEllipse(p, {rx, ry + 90}, 30.5f, 100.5f), p.y - (ry + 30)); },
          [](V2) { return hex(0xe02a3a); });
    circle(img, {rx, ry + 70}, 14, hex(0x5a6a8a));
    circle(img, {rx, ry + 70}, 10, hex(0x6ad0ff));
    circle(img, {rx - 3, ry + 66}, 3.5f, hex(0xffffff));
    // Moon ground.
    hillBy(img, [](float x) { return 360 + 18 * std::sin(x * 0.01f + 1) + 6 * std::sin(x * 0.05f); }, hex(0xb8b0c8), hex(0x6a6280), 0.2f, 90);
    for (int i = 0; i < 9; i++) {
        float x = r.range(20, 580), y = r.range(385, 440), s = r.range(10, 26);
        ellipse(img, {x, y}, s, s * 0.35f, hex(0x7a7290));
        ellipse(img, {x, y + s * 0.08f}, s * 0.8f, s * 0.22f, hex(0x5a5270));
    }
    line(img, {520, 380}, {520, 300}, 3, hex(0xdddddd));
    rect(img, 521, 300, 561, 326, hex(0x30d080));
    rect(img, 521, 300, 561, 306, hex(0xffe040));
    return img;
}

Image tulips() {
    Image img(W, H);
    vGradient(img, 0, 250, {hex(0xf0703a), hex(0xffb050), hex(0xfff0b0)});
    glow(img, {140, 200}, 180, hex(0xffffd0), 0.6f);
    circle(img, {140, 205}, 46, hex(0xfff4c0));
    for (int i = 0; i < 4; i++) rect(img, 30.0f + i * 140, 60.0f + (i % 2) * 40, 150.0f + i * 140, 70.0f + (i % 2) * 40, withAlpha(hex(0xffe0c0), 0.6f), 5);
    bird(img, {330, 100}, 11, hex(0x5a2a1a));
    bird(img, {365, 85}, 9, hex(0x5a2a1a));
    hill(img, 240, 6, 0.02f, 0, hex(0x6a9a4a));
    // Windmill.
    poly(img, {{420, 245}, {500, 245}, {485, 110}, {435, 110}}, hex(0x8a5a3a));
    poly(img, {{460, 245}, {500, 245}, {485, 110}, {460, 110}}, withAlpha(hex(0), 0.2f));
    poly(img, {{425, 112}, {460, 70}, {495, 112}}, hex(0x5a3a2a));
    rect(img, 450, 205, 470, 245, hex(0x3a2418), 8);
    rect(img, 452, 150, 468, 170, hex(0xffe080), 3);
    V2 hub{460, 100};
    for (int k = 0; k < 4; k++) {
        float a = 0.5f + k * 1.5708f;
        V2 d{std::cos(a), std::sin(a)}, n{-d.y, d.x};
        V2 e = hub + d * 95;
        line(img, hub, e, 4, hex(0x4a3020));
        poly(img, {hub + d * 20 + n * 2, e + n * 2, e + n * 20, hub + d * 20 + n * 16}, withAlpha(hex(0xf8f0e0), 0.95f));
    }
    circle(img, hub, 7, hex(0x3a2418));
    // Tulip rows converging towards the horizon.
    Col rows[] = {hex(0xe8202a), hex(0xffd020), hex(0xff5aa8), hex(0xff8020), hex(0xffffff), hex(0xa040d0)};
    for (int y = 245; y < H; y++) {
        float depth = (y - 245) / 205.0f;
        for (int x = 0; x < W; x++) {
            float u = (x - 300) / (0.15f + depth * 1.2f) / 100 + 100;
            int idx = ((int)std::floor(u)) % 2 == 0 ? (((int)std::floor(u / 2)) % 6 + 6) % 6 : -1;
            Col c = idx < 0 ? hex(0x3a8a30) : rows[idx];
            c = mix(c, hex(0xf0c080), 0.45f * (1 - depth));
            img.blend(x, y, c, 1);
        }
    }
    // Front row: single tulips, flowers up.
    Rng r(101);
    for (int i = 0; i < 26; i++) {
        float x = 12 + i * 23.0f + r.range(-4, 4), gy = 452, h = r.range(40, 70);
        Col c = rows[i % 6];
        line(img, {x, gy}, {x, gy - h}, 3, hex(0x2f7a2a));
        poly(img, {{x, gy - 8}, {x - 10, gy - h * 0.5f}, {x - 2, gy - h * 0.45f}}, hex(0x3a9a30));
        paint(img, boxAround({x, gy - h - 6}, 12, 14), [&](V2 p) { return std::max(sdEllipse(p, {x, gy - h}, 10, 13), p.y - (gy - h + 8)); },
              [&](V2 p) { return mix(lighten(c, 0.2f), darken(c, 0.2f), clamp01((p.y - (gy - h - 13)) / 22)); });
        poly(img, {{x - 10, gy - h - 4}, {x - 6, gy - h - 16}, {x - 2, gy - h - 6}}, c);
        poly(img, {{x + 10, gy - h - 4}, {x + 6, gy - h - 16}, {x + 2, gy - h - 6}}, c);
        poly(img, {{x - 4, gy - h - 6}, {x, gy - h - 18}, {x + 4, gy - h - 6}}, lighten(c, 0.2f));
    }
    return img;
}

Image castle() {
    Image img(W, H);
    vGradient(img, 0, 300, {hex(0x6a8ae0), hex(0xb0c8f8), hex(0xe8eeff)});
    // Rainbow arc.
    Col bands[] = {hex(0xff3030), hex(0xff9a20), hex(0xffe830), hex(0x40c040), hex(0x3a7aff), hex(0x8a40e0)};
    for (int y = 0; y < 300; y++)
        for (int x = 0; x < W; x++) {
            float d = len(V2{x + 0.5f, y + 0.5f} - V2{300, 330});
            float t = (300 - d) / 10;
            if (t > 0 && t < 6) img.blend(x, y, bands[(int)t], 0.5f);
        }
    cloud(img, {90, 260}, 60, hex(0xffffff), 111);
    cloud(img, {520, 250}, 64, hex(0xffffff), 112);
    cloud(img, {450, 60}, 40, hex(0xffffff), 113);
    bird(img, {150, 70}, 10, hex(0x2a3a6a));
    hill(img, 330, 50, 0.008f, 1.2f, hex(0x6ac04a), 0.2f);
    // Castle.
    Col stone = hex(0xb8b0a8), dark = hex(0x8a8078);
    rect(img, 200, 200, 400, 330, stone);
    for (float x = 200; x < 400; x += 20) rect(img, x, 188, x + 12, 202, stone);
    for (float y = 210; y < 330; y += 16)
        for (float x = 200 + ((int)(y / 16) % 2) * 10; x < 400; x += 20) line(img, {x, y}, {x + 16, y}, 1, withAlpha(dark, 0.5f));
    rect(img, 270, 255, 330, 330, hex(0x4a3020), 30);
    for (float x = 278; x < 328; x += 10) line(img, {x, 262}, {x, 330}, 2, hex(0x2a1a10));
    auto tower = [&](float x, float w, float top, Col roof) {
        rect(img, x - w / 2, top, x + w / 2, 330, stone);
        rect(img, x + w / 6, top, x + w / 2, 330, withAlpha(dark, 0.35f));
        poly(img, {{x - w / 2 - 8, top + 2}, {x, top - w * 1.3f}, {x + w / 2 + 8, top + 2}}, roof);
        poly(img, {{x, top - w * 1.3f}, {x + w / 2 + 8, top + 2}, {x + w / 8, top + 2}}, withAlpha(hex(0), 0.2f));
        line(img, {x, top - w * 1.3f}, {x, top - w * 1.3f - 30}, 2, hex(0x4a4a4a));
        poly(img, {{x + 1, top - w * 1.3f - 30}, {x + 26, top - w * 1.3f - 24}, {x + 1, top - w * 1.3f - 17}}, hex(0xff3a3a));
        rect(img, x - 6, top + 30, x + 6, top + 50, hex(0x3a2a40), 6);
    };
    tower(190, 60, 150, hex(0x3a5ad8));
    tower(410, 60, 150, hex(0x3a5ad8));
    tower(300, 50, 110, hex(0xd83a7a));
    // Road and foreground.
    hillBy(img, [](float x) { return 340 + 4 * std::sin(x * 0.03f); }, hex(0x58b03a), hex(0x3a8a2a), 0.15f, 110);
    poly(img, {{270, 330}, {330, 330}, {420, 450}, {180, 450}}, hex(0xd8c090));
    grass(img, 0, 180, 452, 30, hex(0x2f8a2a), 121, 60);
    grass(img, 420, 600, 452, 30, hex(0x2f8a2a), 122, 60);
    tree(img, 80, 420, 130, hex(0x2f9a3a), hex(0x6a4426), 123);
    tree(img, 530, 430, 150, hex(0x3aaa40), hex(0x6a4426), 124);
    for (int i = 0; i < 8; i++) flower(img, 140 + i * 50.0f * (i < 4 ? 0.5f : 1.6f), 440, 20, hex(0xffe040), hex(0xff8020));
    return img;
}

Image autumn() {
    Image img(W, H);
    vGradient(img, 0, 260, {hex(0xf8c860), hex(0xffe8a8), hex(0xfff4d8)});
    glow(img, {470, 60}, 110, hex(0xffffff), 0.5f);
    circle(img, {470, 60}, 32, hex(0xfff8e0));
    bird(img, {120, 60}, 11, hex(0x6a3a1a));
    bird(img, {150, 48}, 9, hex(0x6a3a1a));
    bird(img, {180, 64}, 8, hex(0x6a3a1a));
    hill(img, 240, 20, 0.01f, 3.0f, hex(0xd8a060), 0.1f);
    Col crowns[] = {hex(0xe8501a), hex(0xffa020), hex(0xc8281a), hex(0xffc830), hex(0xd86a1a)};
    float tx[] = {40, 160, 290, 420, 550, 100, 360, 500};
    float th[] = {230, 200, 260, 210, 240, 150, 160, 140};
    for (int i = 0; i < 8; i++) tree(img, tx[i], i < 5 ? 330.0f : 360.0f, th[i], crowns[i % 5], hex(0x5a3420), 130 + i);
    hillBy(img, [](float x) { return 345 + 8 * std::sin(x * 0.02f); }, hex(0xb86a2a), hex(0x7a4a1a), 0.15f, 100);
    poly(img, {{240, 450}, {360, 450}, {320, 345}, {300, 345}}, hex(0xe0b070));
    Rng r(141);
    for (int i = 0; i < 90; i++) {
        V2 p{r.range(0, 600), r.range(350, 448)};
        ellipse(img, p, r.range(4, 8), r.range(2, 4), crowns[r.irange(0, 4)]);
    }
    // Falling leaves: each hangs tip down as it drifts.
    for (int i = 0; i < 16; i++) {
        V2 p{r.range(0, 600), r.range(20, 320)};
        Col c = crowns[r.irange(0, 4)];
        poly(img, {{p.x, p.y - 8}, {p.x + 6, p.y}, {p.x, p.y + 9}, {p.x - 6, p.y}}, c);
        line(img, {p.x, p.y - 8}, {p.x, p.y - 12}, 1.5f, hex(0x5a3420));
    }
    // Mushrooms.
    auto mushroom = [&](float x, float gy, float s) {
        rect(img, x - 7 * s, gy - 26 * s, x + 7 * s, gy, hex(0xf8f0e0), 4 * s);
        paint(img, boxAround({x, gy - 30 * s}, 26 * s, 20 * s),
              [&](V2 p) { return std::max(sdEllipse(p, {x, gy - 24 * s}, 24 * s, 20 * s), p.y - (gy - 24 * s)); },
              [&](V2 p) { return mix(hex(0xff3a2a), hex(0xb01a10), clamp01((p.y - (gy - 44 * s)) / (20 * s))); });
        for (int k = -1; k <= 1; k++) circle(img, {x + k * 10 * s, gy - 34 * s + std::abs(k) * 5 * s}, 3.5f * s, hex(0xffffff));
    };
    mushroom(120, 430, 1.5f);
    mushroom(160, 440, 1.0f);
    mushroom(470, 425, 1.3f);
    grass(img, 0, 600, 452, 18, hex(0x8a7a2a), 142, 80);
    return img;
}

Image island() {
    Image img(W, H);
    vGradient(img, 0, 230, {hex(0x30c0e8), hex(0x90e8f0), hex(0xe0fff8)});
    // Volcano with a plume of smoke rising.
    for (int i = 0; i < 9; i++) {
        V2 c{392.0f + i * 11 + (i % 2) * 8, 96.0f - i * 11};
        circle(img, c, 14.0f + i * 3, withAlpha(hex(0x9a9aa0), 0.85f));
        circle(img, c + V2{-3, -4}, 9.0f + i * 2, withAlpha(hex(0xc8c8cc), 0.6f));
    }
    poly(img, {{250, 240}, {370, 110}, {410, 110}, {540, 240}}, hex(0x6a4a3a));
    poly(img, {{390, 110}, {410, 110}, {540, 240}, {440, 240}}, withAlpha(hex(0), 0.25f));
    poly(img, {{370, 110}, {410, 110}, {404, 128}, {392, 150}, {382, 126}}, hex(0xff5020));
    poly(img, {{382, 112}, {400, 112}, {393, 140}}, hex(0xffd040));
    hillBy(img, [](float x) { return 230 - 30 * std::exp(-std::pow((x - 200) / 120, 2)); }, hex(0x3aa040), hex(0x2a7a30), 0.2f, 40);
    // Sea and surf.
    for (int y = 240; y < 340; y++) {
        Col c = mix(hex(0x20c8d0), hex(0x1080b0), (y - 240) / 100.0f);
        for (int x = 0; x < W; x++) img.blend(x, y, c, 1);
    }
    Rng r(161);
    for (int i = 0; i < 40; i++) {
        float y = r.range(245, 330), x = r.range(0, 600), w = 5 + (y - 240) * 0.15f;
        line(img, {x - w, y}, {x + w, y}, 2, withAlpha(hex(0xffffff), 0.5f));
    }
    hillBy(img, [](float x) { return 335 - 12 * std::sin(x * 0.01f); }, hex(0xfff0c0), hex(0xf0d090), 0.0f, 80);
    hillBy(img, [](float x) { return 340 - 12 * std::sin(x * 0.01f); }, hex(0xfae2a8), hex(0xe8c480), 0.2f, 100);
    // Palm trees: the fronds droop down from a crown at the top.
    auto palm = [&](float x, float gy, float h, float lean) {
        V2 top{x + lean, gy - h};
        for (int i = 0; i < 20; i++) {
            float t0 = i / 20.0f, t1 = (i + 1) / 20.0f;
            V2 a{x + lean * t0 * t0, gy - h * t0}, b{x + lean * t1 * t1, gy - h * t1};
            line(img, a, b, 14 - 6 * t0, i % 2 ? hex(0x9a6a3a) : hex(0x7a4a2a));
        }
        for (int k = 0; k < 7; k++) {
            float a0 = 3.1416f + k * 0.5236f;
            V2 d{std::cos(a0), std::sin(a0)};
            for (int j = 0; j < 12; j++) {
                float t = j / 12.0f;
                V2 p = top + V2{d.x * 70 * t, d.y * 40 * t + 45 * t * t};
                V2 q = top + V2{d.x * 70 * (t + 0.09f), d.y * 40 * (t + 0.09f) + 45 * (t + 0.09f) * (t + 0.09f)};
                line(img, p, q, 10 * (1 - t) + 2, k % 2 ? hex(0x2a9a3a) : hex(0x3ab84a));
            }
        }
        circle(img, top + V2{-6, 8}, 7, hex(0x6a4a20));
        circle(img, top + V2{6, 9}, 7, hex(0x5a3a18));
    };
    palm(100, 420, 210, 40);
    palm(520, 410, 170, -30);
    palm(180, 440, 120, 25);
    // Beach things.
    for (int i = 0; i < 10; i++) {
        float x = r.range(230, 460), y = r.range(380, 440);
        star(img, {x, y}, 9, hex(0xff7a5a));
    }
    ellipse(img, {330, 442}, 60, 8, withAlpha(hex(0xc09a60), 0.5f));
    paint(img, Box{280, 390, 380, 442}, [](V2 p) { return std::max(sdEllipse(p, {330, 440}, 48, 44), p.y - 440); },
          [](V2 p) { return mix(hex(0x4ad0ff), hex(0x2a80d8), smooth(396, 440, p.y)); });
    return img;
}

}  // namespace

Image paintBoldScene(int n) {
    switch (n) {
        case 1: return farm();
        case 2: return seaside();
        case 3: return balloons();
        case 4: return nightTown();
        case 5: return winter();
        case 6: return desert();
        case 7: return underwater();
        case 8: return space();
        case 9: return tulips();
        case 10: return castle();
        case 11: return autumn();
        default: return island();
    }
}

}  // namespace media
