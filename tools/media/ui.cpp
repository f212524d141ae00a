// The sprite sheet and the background: dark jade surfaces with antique brass
// trim, ivory plates where the game writes dark text.
#include "allegro_io.h"
#include "art.h"
#include "atlas_regions.h"
#include "scene.h"

namespace media {

namespace {

const Col kIvory = rgb8(242, 236, 218);
const Col kBrassLight = hex(0xf2d79a), kBrass = hex(0xc49a52), kBrassDark = hex(0x6e5224);
const Col kJadeFace = hex(0x10201e), kJadeDeep = hex(0x081412);

const AtlasRegion& region(const char* name) {
    for (const AtlasRegion& r : kAtlasRegions)
        if (std::string(r.name) == name) return r;
    return kAtlasRegions[0];
}

// Brass rim: light on the upper edge, dark on the lower one.
Col brassAt(float t) { return ramp({kBrassLight, kBrass, kBrassDark}, t); }

// A rounded plate with a brass border of the given width and a face colour function.
template <class Face>
void plate(Image& img, float x0, float y0, float x1, float y1, float r, float border, Face face) {
    paint(img, Box{(int)x0 - 1, (int)y0 - 1, (int)x1 + 1, (int)y1 + 1}, [&](V2 p) { return sdRect(p, x0, y0, x1, y1, r); },
          [&](V2 p) {
              float d = -sdRect(p, x0, y0, x1, y1, r);  // depth inside, pixels
              float t = (p.y - y0) / (y1 - y0);
              if (d < border) {
                  Col c = brassAt(t);
                  if (d < 1.0f) c = darken(c, 0.45f);  // crisp outer line
                  return c;
              }
              Col c = face(p, t);
              if (d < border + 2) c = darken(c, 0.35f * (1 - (d - border) / 2));  // inner bevel shadow
              return c;
          });
}

Col jadeFace(V2 p, float t) {
    float n = fbm(p.x * 0.08f, p.y * 0.08f, 3, 5) - 0.5f;
    Col c = mix(hex(0x1c3431), kJadeDeep, clamp01(t));
    return lighten(c, 0.06f * n + 0.04f);
}

Image shrinkText(const Image& mask, float sx) {
    return resize(mask, std::max(1, (int)(mask.w * sx)), mask.h);
}

// Stamps a white glyph mask onto img at (x, y) in the given colour.
void stamp(Image& img, const Image& mask, float x, float y, Col col) {
    for (int j = 0; j < mask.h; j++)
        for (int i = 0; i < mask.w; i++) {
            float a = mask.at(i, j).a;
            if (a > 0) img.blend((int)x + i, (int)y + j, col, a);
        }
}

// ---- edge strip: a brass moulding beside the thumbnail panel -----------------------

void paintEdgeStrip(Image& img) {
    for (int y = 0; y < 710; y++)
        for (int x = 0; x < 60; x++) {
            float fx = x + 0.5f;
            if (x < 30) {
                // Shadow the moulding casts outwards (seen on the mirrored strip only).
                float a = 0.55f * std::pow(fx / 30, 2.0f);
                img.blend(x, y, hex(0x000000), a);
                continue;
            }
            float u = (fx - 30) / 25;  // 0..1 across the rod
            Col c;
            if (x >= 55) {
                c = withAlpha(hex(0x050c0c), 0.85f - 0.15f * (x - 55));
            } else {
                // A half-round rod with a groove: lit on its outer shoulder.
                float profile = std::sin(u * 3.1416f);
                float groove = std::exp(-std::pow((u - 0.62f) / 0.06f, 2));
                c = ramp({kBrassDark, kBrass, kBrassLight, kBrass, kBrassDark}, clamp01(0.15f + 0.7f * profile * (1 - u * 0.35f)));
                c = darken(c, 0.55f * groove);
                float n = fbm(fx * 0.3f, y * 0.02f, 3, 21) - 0.5f;
                c = lighten(c, 0.12f * n);
                if (x == 30 || x == 54) c = darken(c, 0.5f);
            }
            img.blend(x, y, c, 1);
        }
    // Small studs between the thumbnail places, tying the strip to the panel rhythm.
    for (int k = 0; k <= 6; k++) {
        float y = 20 + 110 * k;
        ball(img, {42, y}, 5, kBrassLight);
    }
}

// ---- the bar under the board, which also gives the label plate and top band -----------

void paintBar(Image& img) {
    const AtlasRegion& b = region("bottom-bar");
    float x0 = b.x, x1 = b.x + b.w, y0 = b.y, y1 = b.y + 66;  // face ends where the label plate ends
    // Soft drop shadow below the bar, fading out before the banner's rows begin.
    for (int y = (int)y1; y < 400; y++)
        for (int x = (int)x0 + 4; x < (int)x1 - 2; x++) {
            float a = 0.5f * std::pow(1 - (y - y1) / (400 - y1), 2.0f);
            img.blend(x, y, hex(0x000000), a);
        }
    paint(img, Box{(int)x0, (int)y0, (int)x1, (int)y1}, [&](V2 p) { return sdRect(p, x0, y0, x1, y1, 12); }, [&](V2 p) {
        float d = -sdRect(p, x0, y0, x1, y1, 12);
        float t = (p.y - y0) / (y1 - y0);
        if (d < 1.2f) return hex(0x2a2418);
        if (d < 3.5f) return brassAt(t);
        Col c = mix(hex(0xf4eedc), hex(0xcfc4a4), smooth(0.1f, 1.0f, t));
        float n = fbm(p.x * 0.05f, p.y * 0.2f, 4, 31) - 0.5f;
        c = darken(lighten(c, 0.1f * std::max(0.0f, n)), 0.12f * std::max(0.0f, -n));
        // Engraved line running round the plate, 5 px in.
        float g = std::fabs(d - 6.5f);
        if (g < 0.9f) c = darken(c, 0.3f);
        else if (g < 1.8f && sdRect(p, x0, y0 + 1, x1, y1 + 1, 12) > sdRect(p, x0, y0, x1, y1, 12)) c = lighten(c, 0.4f);
        if (d < 5) c = darken(c, 0.15f * (1 - (d - 3.5f) / 1.5f));
        return c;
    });
}

void paintBadge(Image& img) {
    const AtlasRegion& r = region("counter-badge");
    V2 c{r.x + r.w / 2.0f, r.y + r.h / 2.0f};
    ellipse(img, c + V2{1.5f, 2.5f}, 37, 37, withAlpha(hex(0), 0.45f));
    paint(img, boxAround(c, 38, 38), [&](V2 p) { return sdCircle(p, c, 36.5f); }, [&](V2 p) {
        float d = -sdCircle(p, c, 36.5f);
        float t = (p.y - (c.y - 36)) / 72;
        if (d < 1.2f) return hex(0x2a2418);
        if (d < 7) {
            // Knurled brass ring.
            float ang = std::atan2(p.y - c.y, p.x - c.x);
            float knurl = 0.5f + 0.5f * std::sin(ang * 40);
            return darken(brassAt(t), 0.18f * knurl);
        }
        if (d < 8.5f) return hex(0x4a3a1a);
        Col face = mix(hex(0xfbf7ea), hex(0xd8ceb2), t);
        if (d < 12) face = darken(face, 0.2f * (1 - (d - 8.5f) / 3.5f) * (1 - t));  // rim shadow on the upper inside
        return face;
    });
}

void paintTab(Image& img) {
    const AtlasRegion& r = region("level-tab");
    float x0 = r.x, y0 = r.y, x1 = r.x + r.w, y1 = r.y + r.h;
    plate(img, x0 + 1, y0 + 1, x1 - 1, y1 - 2, 11, 3, jadeFace);
    // A faint light on the upper face, as if lit from above.
    paint(img, Box{(int)x0, (int)y0, (int)x1, (int)y0 + 20}, [&](V2 p) { return sdRect(p, x0 + 5, y0 + 5, x1 - 5, y0 + 14, 4); },
          [&](V2 p) { return withAlpha(hex(0xbfe8d8), 0.07f * (1 - (p.y - y0 - 5) / 9)); });
}

void paintMarker(Image& img) {
    const AtlasRegion& m = region("tab-marker");
    float x0 = m.x, y0 = m.y, x1 = m.x + m.w, y1 = m.y + m.h;
    float cy = (y0 + y1) / 2;
    float r = (y1 - y0) / 2;
    // Outer glow, kept inside the region.
    paint(img, Box{(int)x0, (int)y0 - 1, (int)x1, (int)y1}, [&](V2 p) { return sdRect(p, x0 + 0.5f, y0, x1 - 0.5f, y1, r); },
          [&](V2 p) {
              float d = -sdRect(p, x0 + 0.5f, y0, x1 - 0.5f, y1, r);
              if (d < 3) return withAlpha(hex(0x7affc0), 0.12f + 0.25f * d / 3);
              float t = (p.y - y0) / (y1 - y0);
              Col c = ramp({hex(0x3aa078), hex(0x1f6e52), hex(0x144a38)}, t);
              if (d < 4.5f) c = lighten(c, 0.45f);  // bright rim
              float core = 1 - std::fabs(p.y - cy) / r;
              return lighten(c, 0.08f * core);
          });
}

void paintSlot(Image& img) {
    const AtlasRegion& s = region("progress-slot");
    float x0 = s.x, y0 = s.y;
    // The mark covers the top-left 32 x 13, so the recess sits there and the
    // light lip shows along the right and bottom.
    paint(img, Box{(int)x0, (int)y0, (int)x0 + 34, (int)y0 + 15}, [&](V2 p) { return sdRect(p, x0, y0, x0 + 34, y0 + 15, 6.5f); },
          [&](V2 p) {
              float t = (p.y - y0) / 15;
              float inner = sdRect(p, x0 + 0.5f, y0 + 0.5f, x0 + 32, y0 + 13, 6);
              if (inner > 0) return mix(hex(0xbfae80), hex(0x8a7444), t);  // brass lip
              Col c = mix(hex(0x020606), hex(0x0e2220), t);                 // shadowed recess
              return c;
          });
}

void paintExit(Image& img) {
    const AtlasRegion& r = region("exit-button");
    plate(img, r.x + 1, r.y + 1, r.x + r.w - 1, r.y + r.h - 1, 12, 3.5f, [](V2 p, float t) {
        Col c = jadeFace(p, t);
        return mix(c, hex(0x3a1414), 0.35f);  // a hint of red: this one ends the game
    });
}

void paintNewGame(Image& img) {
    const AtlasRegion& f = region("newgame-fade");
    const AtlasRegion& b = region("newgame-button");
    // Soft shadow in the margin that fades in with the button.
    Image sh(f.w, f.h);
    rect(sh, b.x - f.x + 3, b.y - f.y + 4, b.x - f.x + b.w + 3, b.y - f.y + b.h + 4, withAlpha(hex(0), 0.6f), 12);
    boxBlur(sh, 2);
    boxBlur(sh, 1);
    drawImage(img, sh, f.x, f.y);
    plate(img, b.x, b.y, b.x + b.w, b.y + b.h, 12, 3, [](V2 p, float t) {
        // Plain in the middle for the caption written at run time.
        return mix(hex(0x23493f), hex(0x0e2420), t * 0.9f + 0.0f * p.x);
    });
}

void paintBanner(Image& img) {
    const AtlasRegion& r = region("banner");
    float x0 = r.x, y0 = r.y + 3, x1 = r.x + r.w, y1 = r.y + r.h;  // top rows stay clear for the band's shadow
    float sx = 1 / 1.96f;  // shown stretched to nearly twice its width
    plate(img, x0 + 1, y0 + 1, x1 - 1, y1 - 1, 10, 2.5f, [&](V2 p, float t) {
        Col c = ramp({hex(0xfff0b0), hex(0xf0c050), hex(0xb07a20)}, t);
        float sheen = 0.5f + 0.5f * std::sin((p.x - x0) * 0.08f - t * 3);
        return lighten(c, 0.12f * sheen);
    });
    Image mask = textMask(systemFontBold(), 30, "BRAWO!");
    if (mask.w > 0) {
        Image m = shrinkText(mask, sx);
        float tx = (x0 + x1) / 2 - m.w / 2.0f, ty = (y0 + y1) / 2 - m.h / 2.0f;
        stamp(img, m, tx + 1, ty + 1.5f, withAlpha(hex(0xfff8d0), 0.8f));
        stamp(img, m, tx, ty, hex(0x3a2408));
    }
    // Stars either side, drawn narrow so they look round once stretched.
    for (float cx : {x0 + 40, x1 - 40, x0 + 75, x1 - 75}) {
        float s = (cx == x0 + 40 || cx == x1 - 40) ? 12.0f : 8.0f;
        std::vector<V2> v;
        for (int i = 0; i < 10; i++) {
            float a = -1.5708f + i * 0.62832f;
            float rr = (i % 2) ? s * 0.45f : s;
            v.push_back({cx + std::cos(a) * rr * sx, (y0 + y1) / 2 + std::sin(a) * rr});
        }
        poly(img, v, hex(0xfffbe8));
    }
}

void paintThumbFrame(Image& img) {
    const AtlasRegion& r = region("thumb-frame");
    float x0 = r.x, y0 = r.y;
    // Shadow to the right of and below the picture.
    Image sh(150, 110);
    rect(sh, 4, 5, 143, 104, withAlpha(hex(0), 0.7f), 3);
    boxBlur(sh, 2);
    boxBlur(sh, 2);
    for (int y = 0; y < 110; y++)
        for (int x = 0; x < 150; x++)
            if (x < 140 && y < 100) sh.at(x, y) = {0, 0, 0, 0};  // the picture covers this part
    drawImage(img, sh, r.x, r.y);
    // A fine brass frame: 2 px at the sides and top, 4 px at the bottom.
    paint(img, Box{(int)x0, (int)y0, (int)x0 + 140, (int)y0 + 100},
          [&](V2 p) { return std::max(sdRect(p, x0, y0, x0 + 140, y0 + 100), -sdRect(p, x0 + 2, y0 + 2, x0 + 138, y0 + 96)); },
          [&](V2 p) {
              float t = (p.y - y0) / 100;
              Col c = brassAt(0.2f + 0.6f * t);
              if (p.x < x0 + 1 || p.y < y0 + 1 || p.x > x0 + 139 || p.y > y0 + 99) c = darken(c, 0.5f);
              return c;
          });
}

void paintThumbMark(Image& img) {
    const AtlasRegion& r = region("thumb-mark");
    V2 c{r.x + 6.0f, r.y + 6.0f};
    circle(img, c + V2{0.8f, 1.2f}, 5, withAlpha(hex(0), 0.5f));
    ball(img, c, 4.8f, hex(0xe8c070));
}

void paintFadeSquare(Image& img) {
    const AtlasRegion& r = region("fade-square");
    for (int y = r.y; y < r.y + r.h; y++)
        for (int x = r.x; x < r.x + r.w; x++) img.set(x, y, hex(0x001616));
}

}  // namespace

// ---- title artwork ------------------------------------------------------------------------

void isoCube(Image& img, Iso cube, const Image& leftPic, V2 leftOrg, const Image& rightPic, V2 rightOrg, Col topCol,
             float lineScale) {
    float hw = cube.a * 0.866f, hh = cube.a * 0.5f, a = cube.a;
    V2 c = cube.c;
    V2 L{c.x - hw, c.y}, R{c.x + hw, c.y}, T{c.x, c.y - hh}, B{c.x, c.y + hh};
    auto sample = [](const Image& pic, V2 org, float u, float v) {
        return pic.get((int)(org.x + clamp01(u) * 149), (int)(org.y + clamp01(v) * 149));
    };
    // Left face: a piece of one picture, in light.
    poly(img, {L, B, B + V2{0, a}, L + V2{0, a}}, hex(0));
    paint(img, boxOf({L, B, B + V2{0, a}, L + V2{0, a}}), [&](V2 p) { return sdPolygon(p, {L, B, B + V2{0, a}, L + V2{0, a}}); },
          [&](V2 p) {
              float u = (p.x - L.x) / hw, v = (p.y - L.y - u * hh) / a;
              return scale(sample(leftPic, leftOrg, u, v), 0.92f);
          });
    // Right face: a piece of another, in shade.
    paint(img, boxOf({B, R, R + V2{0, a}, B + V2{0, a}}), [&](V2 p) { return sdPolygon(p, {B, R, R + V2{0, a}, B + V2{0, a}}); },
          [&](V2 p) {
              float u = (p.x - c.x) / hw, v = (p.y - B.y + u * hh) / a;
              return scale(sample(rightPic, rightOrg, u, v), 0.62f);
          });
    // Top face: flat ivory, the light the roll animation borrows.
    poly(img, {T, R, B, L}, topCol);
    // Edges.
    Col edge = withAlpha(hex(0x1a1410), 0.9f);
    for (auto [p, q] : std::vector<std::pair<V2, V2>>{{T, R}, {R, B}, {B, L}, {L, T}, {B, B + V2{0, a}}, {L, L + V2{0, a}},
                                                      {R, R + V2{0, a}}, {L + V2{0, a}, B + V2{0, a}}, {B + V2{0, a}, R + V2{0, a}}})
        line(img, p, q, 1.6f * lineScale, edge);
    line(img, L + V2{1.5f * lineScale, 0}, T + V2{0, 1.5f * lineScale}, 1.2f * lineScale,
         withAlpha(hex(0xffffff), 0.8f));
}

namespace {

void paintTitle(Image& img, Col shade) {
    const AtlasRegion& r = region("title");
    Image art(r.w, r.h);
    // Deep teal glow behind everything, fading to black at the edges.
    for (int y = 0; y < r.h; y++)
        for (int x = 0; x < r.w; x++) {
            float dx = (x - 300) / 330.0f, dy = (y - 120) / 170.0f;
            float g = std::max(0.0f, 1 - (dx * dx + dy * dy));
            art.blend(x, y, hex(0x0c3a36), 0.9f * g * g);
        }
    Rng rng(404);
    for (int i = 0; i < 60; i++) {
        V2 p{rng.range(10, 600), rng.range(5, 235)};
        if (p.x > 480 && p.y > 190) continue;  // the product label goes there
        circle(art, p, rng.range(0.5f, 1.4f), withAlpha(hex(0xd8fff0), rng.range(0.2f, 0.7f)));
    }
    Image farm = paintBoldScene(1), sea = paintBoldScene(2), balloons = paintBoldScene(3), land = paintLandscape(2);
    // Floor shadow under the cubes.
    ellipse(art, {200, 236}, 170, 14, withAlpha(hex(0), 0.5f));
    // Three cubes: two standing, one rolled on top. The front one's top face
    // holds the shading pixel.
    isoCube(art, {{130, 118}, 70}, sea, {150, 150}, farm, {300, 150}, shade);
    isoCube(art, {{260, 145}, 70}, balloons, {150, 0}, land, {300, 150}, shade);
    isoCube(art, {{190, 48}, 62}, sea, {450, 0}, balloons, {0, 0}, shade);

    // Word mark.
    Image mask = textMask(systemFontBold(), 124, "ZOR");
    if (mask.w > 0) {
        float tx = 455 - mask.w / 2.0f, ty = 22;
        Image sh = mask;
        boxBlur(sh, 4);
        stamp(art, sh, tx + 6, ty + 8, withAlpha(hex(0), 0.8f));
        for (int j = 0; j < mask.h; j++)
            for (int i = 0; i < mask.w; i++) {
                float a = mask.at(i, j).a;
                if (a <= 0) continue;
                float t = (float)j / mask.h;
                // Ivory at the top, warming to brass at the foot of the letters.
                Col c = ramp({hex(0xfffaf0), kIvory, kBrassLight, kBrass}, smooth(0.25f, 0.85f, t));
                // Edge light: where the mask thins out above, brighten; below, darken.
                float above = j > 0 ? mask.at(i, j - 3 > 0 ? j - 3 : 0).a : 0;
                float below = j + 3 < mask.h ? mask.at(i, j + 3).a : 0;
                if (above < 0.5f) c = lighten(c, 0.5f);
                if (below < 0.5f) c = darken(c, 0.35f);
                art.blend((int)tx + i, (int)ty + j, c, a);
            }
        // A brass rule under the word, with a diamond in the middle.
        float ry = ty + mask.h - 8;
        line(art, {365, ry}, {545, ry}, 2, kBrass);
        poly(art, {{455, ry - 6}, {462, ry}, {455, ry + 6}, {448, ry}}, kBrassLight);
    }
    drawImage(img, art, r.x, r.y);
    // The shading pixel and its neighbours: exactly the cube-top colour.
    for (int y = 698; y <= 702; y++)
        for (int x = 318; x <= 322; x++) img.set(x, y, shade);
}

}  // namespace

Col shadePixelColour() { return kIvory; }

Image paintAtlas() {
    Image img(kAtlasWidth, kAtlasHeight);
    paintEdgeStrip(img);
    paintBar(img);
    paintBanner(img);
    paintBadge(img);
    paintTab(img);
    paintMarker(img);
    paintSlot(img);
    paintExit(img);
    paintNewGame(img);
    paintThumbFrame(img);
    paintThumbMark(img);
    paintFadeSquare(img);
    paintTitle(img, kIvory);
    return img;
}

// ---- background ------------------------------------------------------------------------------

Image paintBackground() {
    const int W = 1024, H = 710;
    Image img(W, H);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            V2 p{x + 0.5f, y + 0.5f};
            float dx = (p.x - 630) / 560, dy = (p.y - 340) / 420;
            float v = clamp01(1 - std::sqrt(dx * dx + dy * dy));
            // Dark jade stone: a cloudy grain and faint veins.
            float n = fbm(p.x * 0.006f, p.y * 0.006f, 5, 3);
            float vein = std::fabs(fbm(p.x * 0.003f + 4, p.y * 0.004f, 4, 9) - 0.5f);
            Col c = mix(hex(0x041210), hex(0x1d4a44), v * 0.9f);
            c = lighten(c, 0.06f * (n - 0.5f) * 2);
            c = lighten(c, 0.12f * std::max(0.0f, 1 - vein * 40) * v);
            // Light falls from above: the top of the screen is a shade brighter.
            c = lighten(c, 0.05f * (1 - p.y / H));
            img.blend(x, y, c, 1);
        }
    // Engraved lattice of little cubes, faint, over the board area's surroundings.
    const float s = 36;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            float u = x / (s * 1.732f), w = y / s;
            float a = std::fabs(std::fmod(u + w * 0.5f + 100, 1.0f) - 0.5f);
            float b = std::fabs(std::fmod(u - w * 0.5f + 100, 1.0f) - 0.5f);
            float line = std::max(smooth(0.47f, 0.5f, a), smooth(0.47f, 0.5f, b));
            img.blend(x, y, hex(0x8fd8c0), 0.035f * line);
        }
    // A soft pool of light where the board stands.
    glow(img, {635, 340}, 420, hex(0x6ab0a0), 0.12f);
    // Darker margin where the side panel runs.
    for (int y = 0; y < H; y++)
        for (int x = 0; x < 290; x++) img.blend(x, y, hex(0x000000), 0.25f * (1 - smooth(150, 290, (float)x)));
    // Vignette.
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            float dx = (x - 512) / 560.0f, dy = (y - 355) / 400.0f;
            float d = dx * dx + dy * dy;
            img.blend(x, y, hex(0), clamp01((d - 0.55f) * 0.6f));
        }
    return img;
}

}  // namespace media
