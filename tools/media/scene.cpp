#include "scene.h"

namespace media {

void vGradient(Image& img, float y0, float y1, const std::vector<Col>& stops) {
    for (int y = 0; y < img.h; y++) {
        Col c = ramp(stops, (y + 0.5f - y0) / (y1 - y0));
        for (int x = 0; x < img.w; x++) img.blend(x, y, c, 1);
    }
}

void glow(Image& img, V2 c, float r, Col col, float strength) {
    Box b = boxAround(c, r, r);
    for (int y = std::max(0, b.y0); y <= std::min(img.h - 1, b.y1); y++)
        for (int x = std::max(0, b.x0); x <= std::min(img.w - 1, b.x1); x++) {
            float d = len(V2{x + 0.5f, y + 0.5f} - c) / r;
            if (d >= 1) continue;
            float k = (1 - d) * (1 - d) * strength;
            img.blend(x, y, col, k);
        }
}

void cloud(Image& img, V2 c, float size, Col col, uint32_t seed) {
    Rng rng(seed);
    struct Puff {
        V2 c;
        float r;
    };
    std::vector<Puff> puffs;
    int n = 5;
    for (int i = 0; i < n; i++) {
        float t = (i + 0.5f) / n - 0.5f;
        float r = size * (0.28f + 0.22f * (1 - std::fabs(t) * 1.6f)) * rng.range(0.85f, 1.15f);
        puffs.push_back({{c.x + t * size * 1.7f, c.y - r * 0.55f + size * 0.1f}, r});
    }
    const float flat = c.y + size * 0.18f;
    auto sdf = [&](V2 p) {
        float d = 1e9f;
        for (auto& pf : puffs) d = std::min(d, sdCircle(p, pf.c, pf.r));
        return std::max(d, p.y - flat);
    };
    Col shadow = mix(col, hex(0x8fa6c8), 0.45f);
    paint(img, Box{(int)(c.x - size * 1.5f), (int)(c.y - size * 1.2f), (int)(c.x + size * 1.5f), (int)(flat + 3)}, sdf,
          [&](V2 p) { return mix(col, shadow, smooth(c.y - size * 0.35f, flat, p.y)); });
}

void hill(Image& img, float base, float amp, float freq, float phase, Col col, float rimLight) {
    hillBy(
        img,
        [&](float x) {
            return base - amp * (0.65f * std::sin(x * freq + phase) + 0.35f * std::sin(x * freq * 2.3f + phase * 1.7f));
        },
        col, darken(col, 0.25f), rimLight);
}

void tree(Image& img, float x, float groundY, float h, Col crown, Col trunk, uint32_t seed) {
    float tw = h * 0.09f;
    poly(img, {{x - tw, groundY}, {x + tw, groundY}, {x + tw * 0.6f, groundY - h * 0.55f}, {x - tw * 0.6f, groundY - h * 0.55f}},
         trunk);
    Rng rng(seed);
    float cr = h * 0.33f;
    V2 cc{x, groundY - h + cr};
    std::vector<std::pair<V2, float>> blobs;
    for (int i = 0; i < 6; i++) {
        float a = i * 1.047f + rng.range(-0.3f, 0.3f);
        blobs.push_back({{cc.x + std::cos(a) * cr * 0.55f, cc.y + std::sin(a) * cr * 0.45f}, cr * rng.range(0.5f, 0.62f)});
    }
    blobs.push_back({cc, cr * 0.7f});
    auto sdf = [&](V2 p) {
        float d = 1e9f;
        for (auto& b : blobs) d = std::min(d, sdCircle(p, b.first, b.second));
        return d;
    };
    paint(img, boxAround(cc, cr * 1.3f, cr * 1.2f), sdf, [&](V2 p) {
        float t = (p.y - (cc.y - cr)) / (2 * cr);
        return mix(lighten(crown, 0.25f), darken(crown, 0.3f), clamp01(t));
    });
    // Sunlit clumps on the upper side.
    for (int i = 0; i < 3; i++) {
        V2 hc{cc.x + rng.range(-0.5f, 0.3f) * cr, cc.y - cr * rng.range(0.3f, 0.6f)};
        ellipse(img, hc, cr * 0.25f, cr * 0.16f, withAlpha(lighten(crown, 0.45f), 0.7f));
    }
}

void pine(Image& img, float x, float groundY, float h, Col col, bool snow) {
    rect(img, x - h * 0.04f, groundY - h * 0.15f, x + h * 0.04f, groundY, hex(0x5a3a22));
    int tiers = 4;
    for (int i = 0; i < tiers; i++) {
        float top = groundY - h + i * h * 0.2f;
        float bot = top + h * 0.38f;
        float hw = h * (0.16f + 0.07f * i);
        Col c = mix(lighten(col, 0.1f), darken(col, 0.2f), (float)i / tiers);
        poly(img, {{x, top}, {x + hw, bot}, {x - hw, bot}}, c);
        poly(img, {{x, top}, {x + hw, bot}, {x + hw * 0.2f, bot}}, withAlpha(darken(col, 0.4f), 0.35f));
        if (snow) poly(img, {{x, top}, {x + hw * 0.45f, top + h * 0.14f}, {x, top + h * 0.1f}, {x - hw * 0.45f, top + h * 0.14f}},
                       hex(0xf4f8ff));
    }
}

void house(Image& img, float x, float groundY, float w, float h, Col wall, Col roof, Col window, bool chimney) {
    float top = groundY - h;
    float roofH = h * 0.55f;
    if (chimney) rect(img, x + w * 0.55f, top - roofH * 0.9f, x + w * 0.7f, top - roofH * 0.2f, darken(roof, 0.25f));
    rect(img, x, top, x + w, groundY, wall);
    rect(img, x, top, x + w, top + h * 0.12f, withAlpha(hex(0), 0.15f));  // eave shadow
    poly(img, {{x - w * 0.08f, top + 1}, {x + w * 0.5f, top - roofH}, {x + w * 1.08f, top + 1}}, roof);
    poly(img, {{x + w * 0.5f, top - roofH}, {x + w * 1.08f, top + 1}, {x + w * 0.75f, top + 1}},
         withAlpha(hex(0), 0.18f));
    float dw = w * 0.2f;
    rect(img, x + w * 0.4f, groundY - h * 0.5f, x + w * 0.4f + dw, groundY, darken(roof, 0.35f), dw * 0.45f);
    float ws = w * 0.18f;
    for (float wx : {x + w * 0.12f, x + w * 0.7f}) {
        rect(img, wx, top + h * 0.25f, wx + ws, top + h * 0.25f + ws, window, 2);
        line(img, {wx + ws / 2, top + h * 0.25f}, {wx + ws / 2, top + h * 0.25f + ws}, 1.5f, withAlpha(wall, 0.9f));
        line(img, {wx, top + h * 0.25f + ws / 2}, {wx + ws, top + h * 0.25f + ws / 2}, 1.5f, withAlpha(wall, 0.9f));
    }
}

void bird(Image& img, V2 c, float s, Col col) {
    line(img, {c.x - s, c.y - s * 0.35f}, {c.x - s * 0.1f, c.y + s * 0.15f}, s * 0.22f, col);
    line(img, {c.x + s, c.y - s * 0.35f}, {c.x + s * 0.1f, c.y + s * 0.15f}, s * 0.22f, col);
    circle(img, {c.x, c.y + s * 0.15f}, s * 0.14f, col);
}

void grass(Image& img, float x0, float x1, float groundY, float h, Col col, uint32_t seed, int count) {
    Rng rng(seed);
    for (int i = 0; i < count; i++) {
        float x = rng.range(x0, x1);
        float gy = groundY + rng.range(-2, 4);
        float bh = h * rng.range(0.6f, 1.2f);
        float lean = rng.range(-0.3f, 0.3f) * bh;
        Col c = mix(col, lighten(col, 0.3f), rng.uni());
        poly(img, {{x - 2.2f, gy}, {x + 2.2f, gy}, {x + lean, gy - bh}}, c);
    }
}

void flower(Image& img, float x, float groundY, float h, Col petal, Col centre) {
    line(img, {x, groundY}, {x, groundY - h}, 2.2f, hex(0x3d8a3a));
    ellipse(img, {x + 5, groundY - h * 0.45f}, 5, 2.5f, hex(0x4aa046));
    V2 c{x, groundY - h};
    float r = h * 0.16f + 3;
    for (int i = 0; i < 5; i++) {
        float a = -1.5708f + i * 1.2566f;
        circle(img, {c.x + std::cos(a) * r * 0.8f, c.y + std::sin(a) * r * 0.8f}, r * 0.6f, petal);
    }
    circle(img, c, r * 0.45f, centre);
}

void star(Image& img, V2 c, float r, Col col) {
    std::vector<V2> v;
    for (int i = 0; i < 10; i++) {
        float a = -1.5708f + i * 0.62832f;
        float rr = (i % 2) ? r * 0.45f : r;
        v.push_back({c.x + std::cos(a) * rr, c.y + std::sin(a) * rr});
    }
    poly(img, v, col);
}

void ball(Image& img, V2 c, float r, Col col) {
    paint(img, boxAround(c, r, r), [&](V2 p) { return sdCircle(p, c, r); }, [&](V2 p) {
        V2 l{c.x - r * 0.4f, c.y - r * 0.45f};
        float d = len(p - l) / (r * 1.5f);
        return mix(lighten(col, 0.45f), darken(col, 0.35f), clamp01(d));
    });
}

}  // namespace media
