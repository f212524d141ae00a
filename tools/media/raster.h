// A small software rasteriser for the media generator: float RGBA images,
// signed-distance shapes with one-pixel anti-aliasing, gradients and noise.
// Everything is plain arithmetic, so the same binary always draws the same
// pixels.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace media {

struct V2 {
    float x = 0, y = 0;
};
inline V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
inline V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
inline V2 operator*(V2 a, float s) { return {a.x * s, a.y * s}; }
inline float dot(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }
inline float len(V2 a) { return std::sqrt(dot(a, a)); }

inline float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline float clampf(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }
inline float mixf(float a, float b, float t) { return a + (b - a) * t; }
inline float smooth(float e0, float e1, float x) {
    float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// Straight (not premultiplied) colour, components 0..1.
struct Col {
    float r = 0, g = 0, b = 0, a = 1;
};
inline Col hex(uint32_t rgb, float a = 1) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f, a};
}
inline Col rgb8(int r, int g, int b, int a = 255) { return {r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f}; }
inline Col mix(Col a, Col b, float t) {
    return {mixf(a.r, b.r, t), mixf(a.g, b.g, t), mixf(a.b, b.b, t), mixf(a.a, b.a, t)};
}
inline Col scale(Col c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }
inline Col withAlpha(Col c, float a) { return {c.r, c.g, c.b, a}; }
inline Col lighten(Col c, float t) { return mix(c, {1, 1, 1, c.a}, t); }
inline Col darken(Col c, float t) { return mix(c, {0, 0, 0, c.a}, t); }

// Colour ramp through evenly spaced stops, t in 0..1.
inline Col ramp(const std::vector<Col>& stops, float t) {
    t = clamp01(t) * (stops.size() - 1);
    int i = std::min<int>((int)t, (int)stops.size() - 2);
    return mix(stops[i], stops[i + 1], t - i);
}

// Premultiplied-alpha float image.
struct Image {
    int w = 0, h = 0;
    std::vector<Col> px;
    Image() = default;
    Image(int w_, int h_, Col fill = {0, 0, 0, 0}) : w(w_), h(h_), px((size_t)w_ * h_) {
        Col p{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a};
        std::fill(px.begin(), px.end(), p);
    }
    Col& at(int x, int y) { return px[(size_t)y * w + x]; }
    const Col& at(int x, int y) const { return px[(size_t)y * w + x]; }
    // Composite a straight colour over pixel (x, y) with the given coverage.
    void blend(int x, int y, Col c, float cover) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        float a = c.a * cover;
        if (a <= 0) return;
        Col& d = at(x, y);
        float k = 1 - a;
        d.r = c.r * a + d.r * k;
        d.g = c.g * a + d.g * k;
        d.b = c.b * a + d.b * k;
        d.a = a + d.a * k;
    }
    // Straight colour of a pixel.
    Col get(int x, int y) const {
        x = std::clamp(x, 0, w - 1);
        y = std::clamp(y, 0, h - 1);
        const Col& p = at(x, y);
        if (p.a <= 1e-6f) return {0, 0, 0, 0};
        return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
    }
    void set(int x, int y, Col c) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        at(x, y) = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
    }
};

// ---- signed distances: negative inside, in pixels -------------------------

inline float sdCircle(V2 p, V2 c, float r) { return len(p - c) - r; }
inline float sdEllipse(V2 p, V2 c, float rx, float ry) {
    V2 q{(p.x - c.x) / rx, (p.y - c.y) / ry};
    float l = len(q);
    // First-order distance: exact enough for anti-aliasing the rim.
    float k = l * std::min(rx, ry);
    return (l - 1) * (k > 1e-4f ? std::min(rx, ry) : 1);
}
inline float sdBox(V2 p, V2 c, V2 half) {
    float dx = std::fabs(p.x - c.x) - half.x, dy = std::fabs(p.y - c.y) - half.y;
    float ox = std::max(dx, 0.0f), oy = std::max(dy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(dx, dy), 0.0f);
}
inline float sdRoundBox(V2 p, V2 c, V2 half, float r) {
    return sdBox(p, c, {half.x - r, half.y - r}) - r;
}
// Axis-aligned rectangle by corners.
inline float sdRect(V2 p, float x0, float y0, float x1, float y1, float r = 0) {
    return sdRoundBox(p, {(x0 + x1) / 2, (y0 + y1) / 2}, {(x1 - x0) / 2, (y1 - y0) / 2}, r);
}
inline float sdSegment(V2 p, V2 a, V2 b) {
    V2 pa = p - a, ba = b - a;
    float h = clamp01(dot(pa, ba) / std::max(dot(ba, ba), 1e-6f));
    return len(pa - ba * h);
}
inline float sdPolygon(V2 p, const std::vector<V2>& v) {
    float d = dot(p - v[0], p - v[0]);
    float s = 1;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, i++) {
        V2 e = v[j] - v[i], w = p - v[i];
        V2 b = w - e * clamp01(dot(w, e) / std::max(dot(e, e), 1e-9f));
        d = std::min(d, dot(b, b));
        bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = e.x * w.y > e.y * w.x;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}
inline float coverage(float d) { return clamp01(0.5f - d); }

struct Box {
    int x0, y0, x1, y1;
};
inline Box boxOf(const std::vector<V2>& v, float pad = 2) {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (V2 p : v) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    return {(int)std::floor(x0 - pad), (int)std::floor(y0 - pad), (int)std::ceil(x1 + pad), (int)std::ceil(y1 + pad)};
}
inline Box boxAround(V2 c, float rx, float ry) {
    return {(int)std::floor(c.x - rx - 2), (int)std::floor(c.y - ry - 2), (int)std::ceil(c.x + rx + 2),
            (int)std::ceil(c.y + ry + 2)};
}

// Draw a shape: sdf(p) gives the distance, shade(p) the straight colour.
template <class Sdf, class Shade>
void paint(Image& img, Box b, Sdf sdf, Shade shade) {
    int x0 = std::max(b.x0, 0), y0 = std::max(b.y0, 0);
    int x1 = std::min(b.x1, img.w - 1), y1 = std::min(b.y1, img.h - 1);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            V2 p{x + 0.5f, y + 0.5f};
            float c = coverage(sdf(p));
            if (c > 0) img.blend(x, y, shade(p), c);
        }
}
template <class Sdf>
void paintFlat(Image& img, Box b, Sdf sdf, Col col) {
    paint(img, b, sdf, [&](V2) { return col; });
}
// Fill every pixel with shade(p) composited over what is there.
template <class Shade>
void fillAll(Image& img, Shade shade) {
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) img.blend(x, y, shade(V2{x + 0.5f, y + 0.5f}), 1);
}

inline void circle(Image& img, V2 c, float r, Col col) {
    paintFlat(img, boxAround(c, r, r), [&](V2 p) { return sdCircle(p, c, r); }, col);
}
inline void ellipse(Image& img, V2 c, float rx, float ry, Col col) {
    paintFlat(img, boxAround(c, rx, ry), [&](V2 p) { return sdEllipse(p, c, rx, ry); }, col);
}
inline void rect(Image& img, float x0, float y0, float x1, float y1, Col col, float r = 0) {
    paintFlat(img, Box{(int)x0 - 2, (int)y0 - 2, (int)x1 + 2, (int)y1 + 2},
              [&](V2 p) { return sdRect(p, x0, y0, x1, y1, r); }, col);
}
inline void poly(Image& img, const std::vector<V2>& v, Col col) {
    paintFlat(img, boxOf(v), [&](V2 p) { return sdPolygon(p, v); }, col);
}
inline void line(Image& img, V2 a, V2 b, float width, Col col) {
    float r = width / 2;
    Box bx{(int)std::min(a.x, b.x) - (int)r - 2, (int)std::min(a.y, b.y) - (int)r - 2,
           (int)std::max(a.x, b.x) + (int)r + 2, (int)std::max(a.y, b.y) + (int)r + 2};
    paintFlat(img, bx, [&](V2 p) { return sdSegment(p, a, b) - r; }, col);
}

// ---- deterministic noise -------------------------------------------------------

inline uint32_t hash3(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u ^ (uint32_t)x * 0x85EBCA6Bu ^ (uint32_t)y * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}
inline float hashf(int32_t x, int32_t y, uint32_t seed) { return (hash3(x, y, seed) & 0xFFFFFF) / 16777215.0f; }

inline float valueNoise(float x, float y, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = (int)fx, iy = (int)fy;
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = hashf(ix, iy, seed), b = hashf(ix + 1, iy, seed);
    float c = hashf(ix, iy + 1, seed), d = hashf(ix + 1, iy + 1, seed);
    return mixf(mixf(a, b, tx), mixf(c, d, tx), ty);
}
// Fractal noise in 0..1.
inline float fbm(float x, float y, int octaves, uint32_t seed, float gain = 0.5f) {
    float sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; i++) {
        sum += amp * valueNoise(x, y, seed + i * 101u);
        norm += amp;
        amp *= gain;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f + 5.3f;
    }
    return sum / norm;
}

// Small seeded generator (xorshift*), used wherever art scatters things.
struct Rng {
    uint64_t s;
    explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) { next(); }
    uint64_t next() {
        s ^= s >> 12;
        s ^= s << 25;
        s ^= s >> 27;
        return s * 0x2545F4914F6CDD1Dull;
    }
    float uni() { return (next() >> 40) / 16777216.0f; }
    float range(float a, float b) { return a + (b - a) * uni(); }
    int irange(int a, int b) { return a + (int)(next() % (uint64_t)(b - a + 1)); }
};

// ---- whole-image helpers ------------------------------------------------------

// Box-filter shrink by an integer factor (supersampled renders).
inline Image shrink(const Image& src, int f) {
    Image out(src.w / f, src.h / f);
    float k = 1.0f / (f * f);
    for (int y = 0; y < out.h; y++)
        for (int x = 0; x < out.w; x++) {
            Col s{0, 0, 0, 0};
            for (int j = 0; j < f; j++)
                for (int i = 0; i < f; i++) {
                    const Col& p = src.at(x * f + i, y * f + j);
                    s.r += p.r, s.g += p.g, s.b += p.b, s.a += p.a;
                }
            out.at(x, y) = {s.r * k, s.g * k, s.b * k, s.a * k};
        }
    return out;
}

// Area-averaging resize to any size (thumbnails, contact sheets).
inline Image resize(const Image& src, int w, int h) {
    Image out(w, h);
    float sx = (float)src.w / w, sy = (float)src.h / h;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            float fx0 = x * sx, fx1 = (x + 1) * sx, fy0 = y * sy, fy1 = (y + 1) * sy;
            Col s{0, 0, 0, 0};
            float wsum = 0;
            for (int j = (int)fy0; j < (int)std::ceil(fy1) && j < src.h; j++) {
                float wy = std::min(fy1, (float)j + 1) - std::max(fy0, (float)j);
                for (int i = (int)fx0; i < (int)std::ceil(fx1) && i < src.w; i++) {
                    float wx = std::min(fx1, (float)i + 1) - std::max(fx0, (float)i);
                    const Col& p = src.at(i, j);
                    float wgt = wx * wy;
                    s.r += p.r * wgt, s.g += p.g * wgt, s.b += p.b * wgt, s.a += p.a * wgt;
                    wsum += wgt;
                }
            }
            if (wsum > 0) out.at(x, y) = {s.r / wsum, s.g / wsum, s.b / wsum, s.a / wsum};
        }
    return out;
}

// Copy src over dst at (dx, dy), compositing.
inline void drawImage(Image& dst, const Image& src, int dx, int dy) {
    for (int y = 0; y < src.h; y++)
        for (int x = 0; x < src.w; x++) {
            int tx = dx + x, ty = dy + y;
            if (tx < 0 || ty < 0 || tx >= dst.w || ty >= dst.h) continue;
            const Col& s = src.at(x, y);
            Col& d = dst.at(tx, ty);
            float k = 1 - s.a;
            d = {s.r + d.r * k, s.g + d.g * k, s.b + d.b * k, s.a + d.a * k};
        }
}

// Separable box blur of all channels, radius r (repeat for a softer look).
inline void boxBlur(Image& img, int r) {
    if (r <= 0) return;
    std::vector<Col> tmp(img.px.size());
    float k = 1.0f / (2 * r + 1);
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            Col s{0, 0, 0, 0};
            for (int i = -r; i <= r; i++) {
                const Col& p = img.at(std::clamp(x + i, 0, img.w - 1), y);
                s.r += p.r, s.g += p.g, s.b += p.b, s.a += p.a;
            }
            tmp[(size_t)y * img.w + x] = {s.r * k, s.g * k, s.b * k, s.a * k};
        }
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            Col s{0, 0, 0, 0};
            for (int i = -r; i <= r; i++) {
                const Col& p = tmp[(size_t)std::clamp(y + i, 0, img.h - 1) * img.w + x];
                s.r += p.r, s.g += p.g, s.b += p.b, s.a += p.a;
            }
            img.at(x, y) = {s.r * k, s.g * k, s.b * k, s.a * k};
        }
}

}  // namespace media
