// Second level: landscapes. Skies darken upwards, haze thickens towards the
// horizon and every ridge is lit on its upper rim, so even a piece of plain
// sky or meadow shows which way is up. Each picture keeps its own palette.
#include "art.h"
#include "scene.h"

namespace media {

namespace {

const int W = kPictureW, H = kPictureH;

enum class Kind { Mountains, Hills, Forest, Mesa, Water, Rows };

struct Layer {
    Kind kind;
    float base, amp, freq;
    Col top, bottom;
    uint32_t seed;
    float snowLine = -1;  // rows above this (smaller y) get snow; -1 none
    float haze = 0;       // how much sky colour is mixed in
};

struct Land {
    std::vector<Col> sky;  // top to horizon
    float horizon;
    V2 sun;
    float sunR;
    Col sunCol;
    bool moon = false;
    int stars = 0;
    bool aurora = false;
    int clouds = 0;
    Col cloudCol;
    float cloudTop = 30, cloudBottom = 150;
    int birds = 0;
    std::vector<Layer> layers;
    uint32_t seed;
};

float ridgeNoise(float x, uint32_t seed) {
    float sum = 0, amp = 1, norm = 0, f = 1;
    for (int i = 0; i < 4; i++) {
        float n = valueNoise(x * f, 0.5f + i * 7.3f, seed + i);
        n = 1 - std::fabs(2 * n - 1);  // sharp crests
        sum += amp * n * n;
        norm += amp;
        amp *= 0.42f;
        f *= 2.0f;
    }
    return sum / norm;
}

std::vector<float> ridgeLine(const Layer& L) {
    std::vector<float> r(W);
    Rng rng(L.seed);
    switch (L.kind) {
        case Kind::Mountains:
            for (int x = 0; x < W; x++) r[x] = L.base - L.amp * ridgeNoise(x * L.freq, L.seed);
            break;
        case Kind::Hills:
        case Kind::Water:
        case Kind::Rows:
            for (int x = 0; x < W; x++) r[x] = L.base - L.amp * fbm(x * L.freq, 3.7f, 3, L.seed);
            break;
        case Kind::Mesa:
            for (int x = 0; x < W; x++) {
                float n = fbm(x * L.freq, 1.3f, 4, L.seed);
                float q = smooth(0.45f, 0.52f, n);  // flat tops, steep walls
                r[x] = L.base - L.amp * (0.15f + 0.85f * q) - 6 * fbm(x * 0.08f, 2, 2, L.seed + 9);
            }
            break;
        case Kind::Forest: {
            for (int x = 0; x < W; x++) r[x] = L.base - L.amp * 0.25f * fbm(x * L.freq, 2.1f, 3, L.seed);
            float x = -10;
            while (x < W + 10) {
                float h = L.amp * rng.range(0.55f, 1.0f), w = h * rng.range(0.22f, 0.3f);
                for (int i = std::max(0, (int)(x - w)); i < std::min(W, (int)(x + w) + 1); i++) {
                    float t = std::fabs(i + 0.5f - x) / w;
                    // Tiered edge: a fir's outline, not a smooth cone.
                    float tier = 0.08f * std::fabs(std::sin((1 - t) * 9.0f));
                    r[i] = std::min(r[i], L.base - h * (1 - t) + h * tier);
                }
                x += w * rng.range(0.8f, 1.4f);
            }
            break;
        }
    }
    return r;
}

void drawLayer(Image& img, const Land& land, const Layer& L) {
    std::vector<float> r = ridgeLine(L);
    Col hazeCol = land.sky.back();
    for (int x = 0; x < W; x++) {
        float slope = (x + 1 < W ? r[x + 1] : r[x]) - (x > 0 ? r[x - 1] : r[x]);
        int y0 = std::max(0, (int)std::floor(r[x]) - 1);
        for (int y = y0; y < H; y++) {
            float cov = clamp01(y + 1 - r[x]);
            if (cov <= 0) continue;
            float d = y + 0.5f - r[x];
            float depth = clamp01(d / std::max(40.0f, (float)(H - L.base) * 0.9f + L.amp * 0.5f));
            Col c = mix(L.top, L.bottom, depth);
            if (L.kind == Kind::Mountains || L.kind == Kind::Mesa) {
                // Sun from the upper left. Near the crest the ridge's own slope
                // decides the light; lower down, a rocky relief of gullies.
                float face = clampf(-slope * 0.5f, -1, 1) * std::exp(-d / 45);
                auto rock = [&](float px, float py) { return fbm(px * 0.018f, py * 0.03f, 4, L.seed + 3); };
                float relief = (rock(x - 2.0f, y - 1.5f) - rock(x + 2.0f, y + 1.5f)) * 9;
                float light = clampf(face + relief, -1, 1);
                c = light > 0 ? lighten(c, 0.28f * light) : darken(c, -0.32f * light);
                if (L.kind == Kind::Mesa) {
                    float band = std::sin((y + 3 * fbm(x * 0.05f, 0, 2, L.seed)) * 0.25f);
                    c = darken(c, 0.08f + 0.08f * band);
                }
                if (L.snowLine > 0) {
                    float s = L.snowLine + 30 * (fbm(x * 0.04f, y * 0.04f, 3, L.seed + 5) - 0.5f);
                    if (y < s) c = mix(c, light > -0.1f ? hex(0xffffff) : hex(0xb8c6e4), smooth(s, s - 8, (float)y));
                }
            } else if (L.kind == Kind::Water) {
                float wave = std::sin(y * 0.9f + 3 * fbm(x * 0.03f, y * 0.2f, 2, L.seed)) * 0.5f + 0.5f;
                c = lighten(c, 0.12f * wave * (1 - depth));
                // Sun glitter straight below the sun, narrowing with depth.
                float gx = std::fabs(x - land.sun.x) / (30 + 60 * (1 - depth));
                if (gx < 1) c = lighten(c, 0.5f * (1 - gx) * (1 - depth * 0.7f) * wave);
            } else if (L.kind == Kind::Rows) {
                // Furrows converge to a point on the horizon.
                float u = (x - W * 0.5f) / (d + 30) * 6;
                float row = 0.5f + 0.5f * std::cos(u * 6.2832f);
                c = mix(c, darken(L.bottom, 0.35f), row * 0.55f * smooth(0, 30, d));
            } else {
                float n = fbm(x * 0.05f, y * 0.05f, 3, L.seed + 7) - 0.5f;
                c = n > 0 ? lighten(c, n * 0.2f) : darken(c, -n * 0.25f);
            }
            c = lighten(c, 0.22f * (1 - smooth(0, 6, d)));  // lit rim
            c = mix(c, hazeCol, L.haze * (1 - 0.6f * depth));
            img.blend(x, y, c, cov);
        }
    }
}

Image paintLand(const Land& land) {
    Image img(W, H);
    vGradient(img, 0, land.horizon, land.sky);
    Rng rng(land.seed);
    for (int i = 0; i < land.stars; i++) {
        V2 p{rng.range(0, W), rng.range(0, land.horizon * 0.8f)};
        circle(img, p, rng.range(0.5f, 1.6f), withAlpha(hex(0xffffff), rng.range(0.3f, 1) * (1 - p.y / land.horizon)));
    }
    if (land.aurora) {
        for (int y = 0; y < (int)land.horizon; y++)
            for (int x = 0; x < W; x++) {
                float cx = 120 + 60 * std::sin(x * 0.012f) + 25 * std::sin(x * 0.031f + 1) - x * 0.05f;
                float d = (y - cx) / 70;
                if (d < -1.5f || d > 1) continue;
                float curtain = std::exp(-d * d * 3) * (0.6f + 0.4f * std::sin(x * 0.15f + 2 * std::sin(x * 0.02f)));
                float fall = d < 0 ? smooth(-1.5f, 0, d) : 1;  // rays hang down from a bright lower hem
                img.blend(x, y, mix(hex(0x40ff9a), hex(0xb060ff), smooth(-0.2f, -1.4f, d)), 0.55f * curtain * fall);
            }
    }
    glow(img, land.sun, land.sunR * 5, land.sunCol, land.moon ? 0.3f : 0.55f);
    if (land.moon) {
        V2 bite = land.sun + V2{land.sunR * 0.45f, -land.sunR * 0.25f};
        paintFlat(img, boxAround(land.sun, land.sunR, land.sunR),
                  [&](V2 p) { return std::max(sdCircle(p, land.sun, land.sunR), -sdCircle(p, bite, land.sunR * 0.9f)); },
                  lighten(land.sunCol, 0.5f));
    } else {
        circle(img, land.sun, land.sunR, lighten(land.sunCol, 0.5f));
    }
    for (int i = 0; i < land.clouds; i++) {
        V2 c{rng.range(-20, W + 20), rng.range(land.cloudTop, land.cloudBottom)};
        cloud(img, c, rng.range(28, 60) * (0.6f + c.y / land.cloudBottom * 0.4f), land.cloudCol, land.seed + 10 + i);
    }
    for (int i = 0; i < land.birds; i++) bird(img, {rng.range(40, W - 40), rng.range(40, land.horizon * 0.6f)}, rng.range(5, 9), hex(0x202020, 0.8f));
    for (const Layer& L : land.layers) drawLayer(img, land, L);
    return img;
}

Land landFor(int n) {
    Land l;
    l.seed = 1000 + n * 17;
    switch (n) {
        case 1:  // golden evening over rolling hills
            l.sky = {hex(0x3a2a6a), hex(0xc85a5a), hex(0xffa040), hex(0xffe08a)};
            l.horizon = 230, l.sun = {420, 200}, l.sunR = 28, l.sunCol = hex(0xffd070);
            l.clouds = 6, l.cloudCol = hex(0xff9a7a), l.cloudTop = 40, l.cloudBottom = 130, l.birds = 4;
            l.layers = {{Kind::Hills, 230, 50, 0.006f, hex(0xb05a6a), hex(0x8a4a6a), 1, -1, 0.3f},
                        {Kind::Hills, 290, 60, 0.008f, hex(0x8a4a4a), hex(0x5a2a3a), 2, -1, 0.15f},
                        {Kind::Forest, 350, 55, 0.01f, hex(0x4a2a2a), hex(0x3a1a20), 3},
                        {Kind::Hills, 420, 40, 0.01f, hex(0x2a1418), hex(0x180a10), 4}};
            break;
        case 2:  // alpine noon
            l.sky = {hex(0x1a5ad0), hex(0x5aa0f0), hex(0xc8e4ff)};
            l.horizon = 250, l.sun = {90, 60}, l.sunR = 22, l.sunCol = hex(0xfffbe0);
            l.clouds = 5, l.cloudCol = hex(0xffffff), l.cloudTop = 30, l.cloudBottom = 110;
            l.layers = {{Kind::Mountains, 250, 170, 0.008f, hex(0x7a8ab0), hex(0x5a6a90), 5, 140, 0.35f},
                        {Kind::Mountains, 290, 140, 0.011f, hex(0x5a6a7a), hex(0x3a4a5a), 6, 200, 0.1f},
                        {Kind::Hills, 330, 40, 0.01f, hex(0x6ac04a), hex(0x4a9a3a), 7},
                        {Kind::Forest, 390, 90, 0.02f, hex(0x1f5a30), hex(0x143a20), 8},
                        {Kind::Hills, 440, 20, 0.02f, hex(0x5ab03a), hex(0x3a8a2a), 9}};
            break;
        case 3:  // moonlit lake at dusk
            l.sky = {hex(0x140c3a), hex(0x4a2a7a), hex(0xb07ac0), hex(0xf0c0d0)};
            l.horizon = 260, l.sun = {150, 80}, l.sunR = 26, l.sunCol = hex(0xfff4e0), l.moon = true, l.stars = 90;
            l.layers = {{Kind::Mountains, 255, 150, 0.009f, hex(0x6a4a90), hex(0x4a3a70), 11, 160, 0.3f},
                        {Kind::Mountains, 275, 80, 0.014f, hex(0x3a2a5a), hex(0x2a1a40), 12},
                        {Kind::Water, 290, 2, 0.01f, hex(0xa070b0), hex(0x2a1a4a), 13},
                        {Kind::Forest, 420, 110, 0.02f, hex(0x120a20), hex(0x0a0610), 14}};
            break;
        case 4:  // green hills with cypresses
            l.sky = {hex(0x4a9ae0), hex(0x9ad0f4), hex(0xf0f8e0)};
            l.horizon = 200, l.sun = {520, 50}, l.sunR = 20, l.sunCol = hex(0xffffe0);
            l.clouds = 8, l.cloudCol = hex(0xffffff), l.cloudTop = 30, l.cloudBottom = 150;
            l.layers = {{Kind::Hills, 200, 40, 0.005f, hex(0x9ac07a), hex(0x7aa060), 21, -1, 0.4f},
                        {Kind::Hills, 250, 70, 0.006f, hex(0xb8d05a), hex(0x8ab040), 22, -1, 0.1f},
                        {Kind::Rows, 330, 60, 0.006f, hex(0xd8c050), hex(0xa09030), 23},
                        {Kind::Hills, 400, 40, 0.01f, hex(0x6aa03a), hex(0x3a7020), 24}};
            break;
        case 5:  // red mesas
            l.sky = {hex(0x0a3a9a), hex(0x3a8ae0), hex(0xa8d8f8)};
            l.horizon = 240, l.sun = {470, 60}, l.sunR = 20, l.sunCol = hex(0xffffe8);
            l.clouds = 3, l.cloudCol = hex(0xffffff), l.cloudTop = 40, l.cloudBottom = 100, l.birds = 2;
            l.layers = {{Kind::Mesa, 240, 110, 0.007f, hex(0xc86a4a), hex(0xa04a3a), 31, -1, 0.3f},
                        {Kind::Mesa, 300, 150, 0.009f, hex(0xd0502a), hex(0x8a2a1a), 32},
                        {Kind::Hills, 380, 30, 0.01f, hex(0xe0904a), hex(0xb06a30), 33},
                        {Kind::Hills, 430, 20, 0.03f, hex(0xc07a3a), hex(0x8a4a20), 34}};
            break;
        case 6:  // northern lights
            l.sky = {hex(0x020818), hex(0x0a2a3a), hex(0x1a5a5a)};
            l.horizon = 300, l.sun = {500, 70}, l.sunR = 10, l.sunCol = hex(0xe0f0ff), l.stars = 160, l.aurora = true;
            l.layers = {{Kind::Mountains, 300, 90, 0.01f, hex(0x5a7a8a), hex(0x2a4050), 41, 260, 0.2f},
                        {Kind::Hills, 340, 30, 0.01f, hex(0xc0d8e8), hex(0x7a98b0), 42},
                        {Kind::Forest, 420, 140, 0.02f, hex(0x041418), hex(0x020a0c), 43}};
            break;
        case 7:  // misty pines
            l.sky = {hex(0x6a7a8a), hex(0xa8b8c0), hex(0xe0e8e8)};
            l.horizon = 220, l.sun = {150, 90}, l.sunR = 30, l.sunCol = hex(0xfff8e8), l.birds = 5;
            l.layers = {{Kind::Forest, 200, 80, 0.01f, hex(0xa0b0b8), hex(0x98a8b0), 51, -1, 0.5f},
                        {Kind::Forest, 260, 100, 0.01f, hex(0x7a8e98), hex(0x70848e), 52, -1, 0.35f},
                        {Kind::Forest, 330, 120, 0.01f, hex(0x4a6068), hex(0x40545c), 53, -1, 0.15f},
                        {Kind::Forest, 420, 160, 0.01f, hex(0x1e2c30), hex(0x142024), 54}};
            break;
        case 8:  // autumn valley
            l.sky = {hex(0x5a90c8), hex(0xa8cce0), hex(0xf0e8d0)};
            l.horizon = 200, l.sun = {80, 60}, l.sunR = 24, l.sunCol = hex(0xfff0c0);
            l.clouds = 4, l.cloudCol = hex(0xfff4e8), l.cloudTop = 30, l.cloudBottom = 100;
            l.layers = {{Kind::Mountains, 200, 90, 0.008f, hex(0x9a7a8a), hex(0x8a6a78), 61, -1, 0.3f},
                        {Kind::Forest, 260, 70, 0.025f, hex(0xd8702a), hex(0xa04a1a), 62},
                        {Kind::Forest, 320, 80, 0.03f, hex(0xe0a030), hex(0xb06a1a), 63},
                        {Kind::Water, 360, 3, 0.01f, hex(0x7aa0c0), hex(0x3a5a7a), 64},
                        {Kind::Forest, 440, 90, 0.03f, hex(0x9a2a1a), hex(0x6a1a10), 65}};
            break;
        case 9:  // winter peaks at a pink dawn
            l.sky = {hex(0x6a88c8), hex(0xd0b8d8), hex(0xffd8c8)};
            l.horizon = 230, l.sun = {300, 215}, l.sunR = 26, l.sunCol = hex(0xffe0c0);
            l.clouds = 4, l.cloudCol = hex(0xffc8d0), l.cloudTop = 40, l.cloudBottom = 120;
            l.layers = {{Kind::Mountains, 240, 140, 0.009f, hex(0xb0b8d8), hex(0x8a90b8), 71, 160, 0.2f},
                        {Kind::Mountains, 310, 100, 0.013f, hex(0x7a88b0), hex(0x5a6898), 72, 240, 0.05f},
                        {Kind::Hills, 370, 40, 0.01f, hex(0xf4f8ff), hex(0xc8d4f0), 73},
                        {Kind::Forest, 440, 80, 0.03f, hex(0x2a3a4a), hex(0x1a2a38), 74}};
            break;
        case 10:  // tropical coast
            l.sky = {hex(0x0a90d8), hex(0x50c8f0), hex(0xd0f4ff)};
            l.horizon = 200, l.sun = {540, 40}, l.sunR = 18, l.sunCol = hex(0xffffff);
            l.clouds = 7, l.cloudCol = hex(0xffffff), l.cloudTop = 50, l.cloudBottom = 160, l.birds = 3;
            l.layers = {{Kind::Water, 200, 2, 0.01f, hex(0x40d8e0), hex(0x0a70a8), 81},
                        {Kind::Mountains, 300, 160, 0.006f, hex(0x3a9a4a), hex(0x2a6a30), 82},
                        {Kind::Hills, 400, 30, 0.01f, hex(0xf8e0a0), hex(0xe0c078), 83},
                        {Kind::Forest, 450, 40, 0.05f, hex(0x2a7a30), hex(0x1a5020), 84}};
            break;
        case 11:  // volcanic night
            l.sky = {hex(0x080408), hex(0x3a0a0a), hex(0xc0401a)};
            l.horizon = 260, l.sun = {300, 130}, l.sunR = 6, l.sunCol = hex(0xff8040), l.stars = 40;
            l.clouds = 6, l.cloudCol = hex(0x5a2a2a), l.cloudTop = 30, l.cloudBottom = 110;
            l.layers = {{Kind::Mountains, 260, 140, 0.006f, hex(0x3a1a1a), hex(0x2a1010), 91, -1, 0.2f},
                        {Kind::Mesa, 330, 90, 0.01f, hex(0x1a0a0a), hex(0x100505), 92},
                        {Kind::Water, 380, 3, 0.01f, hex(0xff7020), hex(0x801a08), 93},
                        {Kind::Hills, 430, 40, 0.02f, hex(0x0c0606), hex(0x050303), 94}};
            break;
        default:  // lavender rows at sunset
            l.sky = {hex(0x5a3a9a), hex(0xd070b0), hex(0xffb0a0), hex(0xfff0c0)};
            l.horizon = 210, l.sun = {160, 190}, l.sunR = 30, l.sunCol = hex(0xffe0a0);
            l.clouds = 5, l.cloudCol = hex(0xffa0c0), l.cloudTop = 30, l.cloudBottom = 120, l.birds = 3;
            l.layers = {{Kind::Hills, 210, 25, 0.006f, hex(0x8a6aa0), hex(0x7a5a90), 101, -1, 0.3f},
                        {Kind::Rows, 240, 10, 0.005f, hex(0xa070d0), hex(0x6a30a0), 102},
                        {Kind::Forest, 450, 40, 0.06f, hex(0x3a1a50), hex(0x2a1040), 103}};
            break;
    }
    return l;
}

}  // namespace

Image paintLandscape(int n) {
    Image img = paintLand(landFor(n));
    if (n == 12) {
        // A lone tree on the lavender rows.
        tree(img, 440, 300, 150, hex(0x3a5a2a), hex(0x3a2418), 777);
    }
    if (n == 4) {
        for (float x : {90.0f, 120.0f, 470.0f, 505.0f, 535.0f}) {
            float gy = x < 300 ? 300.0f : 285.0f;
            paintFlat(img, boxAround({x, gy - 50}, 12, 60), [&](V2 p) { return sdEllipse(p, {x, gy - 45}, 10, 48); },
                      hex(0x1f4a20));
        }
        house(img, 250, 260, 60, 40, hex(0xf0d8a8), hex(0xc0582a), hex(0x5a3a2a), false);
    }
    return img;
}

}  // namespace media
