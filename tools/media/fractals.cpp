// Third level: fractals. Their shapes have no up or down of their own (a
// Julia set even looks the same turned half round), so every picture is
// embossed by a light from above and fades from a lighter top to a deeper
// bottom: subtle, but a turned piece has its highlights on the wrong side.
#include <complex>

#include "art.h"
#include "scene.h"

namespace media {

namespace {

const int W = kPictureW, H = kPictureH;
constexpr int SS = 2;  // supersampling per axis
constexpr float kDomeHeight = 160;  // in samples

enum class Kind { Mandel, Julia, Ship, Newton, Tricorn, Multi4 };

struct Fractal {
    Kind kind;
    double cx, cy, width;  // view centre and width in the complex plane
    double jr = 0, ji = 0; // Julia constant
    int maxIter = 250;
    // Cosine palette a + b cos(2 pi (c t + d)), per channel.
    float a[3], b[3], c[3], d[3];
    float freq = 0.05f, shift = 0;
    float bands = 0.9f;  // extra colour cycles far from the set, so no piece is a bare gradient
    float bump = 1.0f;
    Col inside = {0.02f, 0.02f, 0.04f, 1};
    Col topTint = {1, 1, 1, 1};
    Col bottomTint = {0, 0, 0, 1};
    double rotate = 0;     // view rotation, radians
    // Shade the inside as lit domes, one per bulb, from how strongly the
    // orbit is drawn to its cycle: a wide interior then still has a light
    // top and a dark bottom, and rings that tell one piece from another.
    bool domes = false;
    Col domeLight = {1, 1, 1, 1};
};

struct Sample {
    float mu;     // smooth escape count, < 0 inside
    float h;      // height for the emboss
    float extra;  // root index for Newton; orbit trap inside the set
    float pull = 0;  // inside with domes: 0 at a bulb's centre, 1 at its rim
};

Sample evaluate(const Fractal& f, double x, double y) {
    using C = std::complex<double>;
    const double bail = 256.0;
    if (f.kind == Kind::Newton) {
        C z(x, y);
        for (int i = 0; i < f.maxIter; i++) {
            C z2 = z * z, z3 = z2 * z;
            C dz = 3.0 * z2;
            if (std::abs(dz) < 1e-12) break;
            C nz = z - (z3 - 1.0) / dz;
            if (std::abs(nz - z) < 1e-6) {
                double ang = std::arg(nz);
                float root = ang > 1 ? 1.0f : (ang < -1 ? 2.0f : 0.0f);
                float mu = i + (float)std::log(std::abs(nz - z) / 1e-6) * -0.2f;
                return {mu, std::log(1 + std::max(0.0f, mu)), root};
            }
            z = nz;
        }
        return {-1, 0, 0};
    }
    double zx, zy, cx, cy;
    if (f.kind == Kind::Julia) {
        zx = x, zy = y, cx = f.jr, cy = f.ji;
    } else {
        zx = 0, zy = 0, cx = x, cy = y;
    }
    double trap = 1e9;
    const double power = f.kind == Kind::Multi4 ? 4.0 : 2.0;
    // Over the last stretch of the orbit, the mean log of the map's stretch.
    const int tail = 48, tailFrom = f.maxIter - tail;
    double stretch = 0;
    for (int i = 0; i < f.maxIter; i++) {
        double nx, ny;
        if (f.domes && i >= tailFrom) {
            double m0 = zx * zx + zy * zy;
            stretch += std::log(std::max(power * power * std::pow(m0, power - 1), 1e-300));
        }
        switch (f.kind) {
            case Kind::Ship:
                nx = zx * zx - zy * zy + cx;
                ny = 2 * std::fabs(zx * zy) + cy;
                break;
            case Kind::Tricorn:
                nx = zx * zx - zy * zy + cx;
                ny = -2 * zx * zy + cy;
                break;
            case Kind::Multi4: {
                double x2 = zx * zx, y2 = zy * zy;
                nx = x2 * x2 - 6 * x2 * y2 + y2 * y2 + cx;
                ny = 4 * zx * zy * (x2 - y2) + cy;
                break;
            }
            default:
                nx = zx * zx - zy * zy + cx;
                ny = 2 * zx * zy + cy;
        }
        zx = nx, zy = ny;
        double m = zx * zx + zy * zy;
        trap = std::min(trap, std::fabs(m - 0.25));
        if (m > bail) {
            float mu = (float)(i + 1 - std::log(std::log(m) * 0.5 / std::log(2.0)) / std::log(power));
            return {mu, (float)std::log(1.0 + std::max(0.0f, mu)), 0};
        }
    }

    // Inside: a relief from how close the orbit came to a small circle.
    float tr = (float)std::sqrt(trap);
    if (!f.domes) return {-1, tr * 1.5f, tr};
    // The cycle's |multiplier| ** (1 / period): 0 at a superattracting centre, 1 on the rim.
    float pull = (float)std::exp(std::min(0.0, stretch / tail * 0.5));
    return {-1, tr * 1.5f, tr, pull};
}

Col cosPalette(const Fractal& f, float t) {
    Col out{0, 0, 0, 1};
    float* o[3] = {&out.r, &out.g, &out.b};
    for (int k = 0; k < 3; k++) *o[k] = clamp01(f.a[k] + f.b[k] * std::cos(6.28318f * (f.c[k] * t + f.d[k])));
    return out;
}

Image render(const Fractal& f) {
    const int w = W * SS + 2, h = H * SS + 2;  // one extra sample each side for the slopes
    std::vector<Sample> s((size_t)w * h);
    const double step = f.width / (W * SS);
    const double cr = std::cos(f.rotate), sr = std::sin(f.rotate);
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            double u = (i - w * 0.5) * step, v = (j - h * 0.5) * step;
            // Complex y grows upwards; screen rows grow downwards.
            double x = f.cx + u * cr - (-v) * sr, y = f.cy + u * sr + (-v) * cr;
            s[(size_t)j * w + i] = evaluate(f, x, y);
        }
    Image big(W * SS, H * SS);
    // Light from above and a little to the left; screen y grows downwards.
    const float lx = -0.35f, ly = -0.75f, lz = 0.56f;
    // Raised contour ridges along the colour bands: detail in every piece, and
    // each ridge catches the light on its upper side.
    for (Sample& p : s)
        if (p.mu >= 0 && f.bands > 0) {
            float t = p.mu * f.freq + f.bands * std::log(1 + p.mu);
            float tri = std::fabs(2 * (t * 3 - std::floor(t * 3)) - 1);
            p.h += 0.05f * tri;
        }
    for (int j = 1; j < h - 1; j++)
        for (int i = 1; i < w - 1; i++) {
            const Sample& p = s[(size_t)j * w + i];
            float vy = (j - 1.0f) / (H * SS);
            Col c;
            auto hAt = [&](int ii, int jj) {
                const Sample& q = s[(size_t)jj * w + ii];
                if ((q.mu < 0) != (p.mu < 0)) return p.h + (p.mu < 0 ? 0.0f : 0.3f);  // the set stands a little proud
                return q.h;
            };
            if (p.mu < 0 && f.domes) {
                // Height in samples, so the slopes read as real shading at any zoom.
                auto dome = [&](int ii, int jj) {
                    const Sample& q = s[(size_t)jj * w + ii];
                    if (q.mu >= 0) return 0.0f;
                    float r = std::sqrt(q.pull);
                    float ring = std::fabs(2 * (r * 7 - std::floor(r * 7)) - 1);
                    return kDomeHeight * (1 - r) + kDomeHeight * 0.015f * ring + q.h * 6;
                };
                float dx = (dome(i + 1, j) - dome(i - 1, j)) * 0.5f, dy = (dome(i, j + 1) - dome(i, j - 1)) * 0.5f;
                // Small bulbs get the same height on a short base: soften
                // their steep sides so they do not turn black underneath.
                float g = std::sqrt(dx * dx + dy * dy), soft = 1 / std::sqrt(1 + g * g * 1.5f);
                dx *= soft, dy *= soft;
                float nl = std::sqrt(dx * dx + dy * dy + 1);
                float diff = std::max(0.0f, (-dx * lx - dy * ly + lz) / nl);
                float r = std::sqrt(p.pull);
                float ring = std::fabs(2 * (r * 7 - std::floor(r * 7)) - 1);
                c = mix(f.inside, f.domeLight, 0.12f + 0.3f * (1 - r) + 0.1f * smooth(0.55f, 0.95f, ring));
                c = mix(lighten(c, 0.2f), c, smooth(0.0f, 0.6f, p.extra));
                c = scale(c, 0.4f + 0.95f * diff);
            } else if (p.mu < 0) {
                c = mix(lighten(f.inside, 0.3f), f.inside, smooth(0.0f, 0.6f, p.extra));
                float dx = (hAt(i + 1, j) - hAt(i - 1, j)) * 4, dy = (hAt(i, j + 1) - hAt(i, j - 1)) * 4;
                float nl = std::sqrt(dx * dx + dy * dy + 1);
                float diff = std::max(0.0f, (-dx * lx - dy * ly + lz) / nl);
                c = scale(c, 0.5f + 0.8f * diff);
            } else {
                float t = p.mu * f.freq + f.bands * std::log(1 + p.mu) + f.shift + p.extra * 0.33f;
                c = cosPalette(f, t);
                float dx = (hAt(i + 1, j) - hAt(i - 1, j)) * f.bump * 6;
                float dy = (hAt(i, j + 1) - hAt(i, j - 1)) * f.bump * 6;
                float nl = std::sqrt(dx * dx + dy * dy + 1);
                float nx = -dx / nl, ny = -dy / nl, nz = 1 / nl;
                float diff = std::max(0.0f, nx * lx + ny * ly + nz * lz);
                float specular = std::pow(std::max(0.0f, nz * 0.8f + (nx * lx + ny * ly) * 0.6f), 24.0f);
                c = scale(c, 0.35f + 0.85f * diff);
                c = lighten(c, 0.25f * specular);
            }
            // The whole picture is lit from the top and sinks into shadow below.
            c = mix(c, withAlpha(f.topTint, 1), 0.16f * (1 - vy) * (1 - vy));
            c = mix(c, withAlpha(f.bottomTint, 1), 0.28f * vy * vy);
            big.set(i - 1, j - 1, c);
        }
    return shrink(big, SS);
}

Fractal view(Kind kind, double cx, double cy, double width, double jr = 0, double ji = 0) {
    Fractal f{};
    f.kind = kind, f.cx = cx, f.cy = cy, f.width = width, f.jr = jr, f.ji = ji;
    return f;
}

Fractal fractalFor(int n) {
    Fractal f{};
    auto pal = [&](std::initializer_list<float> v) {
        auto it = v.begin();
        for (float* arr : {f.a, f.b, f.c, f.d})
            for (int k = 0; k < 3; k++) arr[k] = *it++;
    };
    switch (n) {
        case 1:  // seahorse valley, blue and gold
            f = view(Kind::Mandel, -0.7468, 0.1102, 0.012);
            pal({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 1, 1, 0.0f, 0.1f, 0.2f});
            f.freq = 0.035f, f.maxIter = 400, f.topTint = hex(0xd8ecff), f.bottomTint = hex(0x0a0a30);
            break;
        case 2:  // Julia lace, violet and pink
            f = view(Kind::Julia, 0.1, 0.05, 2.1, -0.8, 0.156);
            pal({0.6f, 0.4f, 0.7f, 0.4f, 0.3f, 0.3f, 1, 1, 1, 0.9f, 0.95f, 0.1f});
            f.freq = 0.06f, f.topTint = hex(0xffe0ff), f.bottomTint = hex(0x200020), f.inside = hex(0x1a0a2a);
            break;
        case 3:  // green dendrites
            f = view(Kind::Julia, 0.2, 0.1, 2.4, 0.285, 0.01);
            pal({0.3f, 0.55f, 0.4f, 0.3f, 0.4f, 0.3f, 1, 1, 1, 0.3f, 0.2f, 0.2f});
            f.freq = 0.05f, f.topTint = hex(0xf0ffe0), f.bottomTint = hex(0x001a10), f.inside = hex(0x0a1a10);
            break;
        case 4:  // the burning ship, fire colours
            f = view(Kind::Ship, -1.762, -0.028, 0.09);
            pal({0.6f, 0.3f, 0.15f, 0.45f, 0.35f, 0.2f, 1, 1, 1, 0.0f, 0.15f, 0.2f});
            f.freq = 0.05f, f.maxIter = 300, f.topTint = hex(0xfff0c0), f.bottomTint = hex(0x200000), f.inside = hex(0x100404);
            break;
        case 5:  // Newton basins, pastel
            f = view(Kind::Newton, 0.15, 0.1, 2.6);
            pal({0.7f, 0.6f, 0.6f, 0.3f, 0.3f, 0.35f, 1, 1, 1, 0.0f, 0.33f, 0.67f});
            f.freq = 0.08f, f.maxIter = 60, f.bump = 0.6f, f.bands = 0, f.topTint = hex(0xffffff), f.bottomTint = hex(0x302040);
            break;
        case 6:  // spiral, cyan and magenta
            f = view(Kind::Mandel, -0.74364, 0.13182, 0.0032);
            pal({0.5f, 0.4f, 0.6f, 0.5f, 0.4f, 0.4f, 1, 1, 1, 0.5f, 0.0f, 0.3f});
            f.freq = 0.03f, f.maxIter = 500, f.topTint = hex(0xe0ffff), f.bottomTint = hex(0x10001a);
            break;
        case 7:  // gold and bronze Julia
            f = view(Kind::Julia, -0.15, 0.2, 2.2, -0.70176, -0.3842);
            pal({0.6f, 0.45f, 0.25f, 0.4f, 0.3f, 0.2f, 1, 1, 1, 0.0f, 0.05f, 0.1f});
            f.freq = 0.045f, f.topTint = hex(0xfff4d0), f.bottomTint = hex(0x1a0a00), f.inside = hex(0x1a1005);
            break;
        case 8:  // red and black tricorn
            f = view(Kind::Tricorn, -0.35, 0.25, 2.3);
            pal({0.55f, 0.2f, 0.2f, 0.45f, 0.2f, 0.2f, 1, 1, 1, 0.0f, 0.2f, 0.2f});
            f.freq = 0.07f, f.topTint = hex(0xffe0e0), f.bottomTint = hex(0x100000), f.inside = hex(0x140606);
            f.rotate = 0.35;
            break;
        case 9:  // ice-blue rabbit
            f = view(Kind::Julia, 0.1, 0.15, 2.5, -0.123, 0.745);
            pal({0.55f, 0.7f, 0.8f, 0.35f, 0.3f, 0.2f, 1, 1, 1, 0.6f, 0.6f, 0.6f});
            f.freq = 0.06f, f.topTint = hex(0xffffff), f.bottomTint = hex(0x001030), f.inside = hex(0x0a1a30);
            break;
        case 10:  // mint and violet fourth power
            f = view(Kind::Multi4, 0.1, 0.05, 2.3);
            pal({0.5f, 0.6f, 0.55f, 0.4f, 0.35f, 0.4f, 1, 1, 1, 0.7f, 0.9f, 0.35f});
            f.freq = 0.08f, f.topTint = hex(0xf0fff0), f.bottomTint = hex(0x100a20), f.inside = hex(0x140a24);
            f.rotate = 0.25;
            f.domes = true, f.domeLight = hex(0xb8a8e0);
            break;
        case 11:  // the three-fold bulb and its antennae, lime and olive
            f = view(Kind::Mandel, -0.16, 0.86, 0.5);
            pal({0.45f, 0.55f, 0.15f, 0.45f, 0.45f, 0.15f, 1, 1, 1, 0.02f, 0.0f, 0.1f});
            f.freq = 0.07f, f.maxIter = 300, f.topTint = hex(0xfbffe0), f.bottomTint = hex(0x0a1000), f.inside = hex(0x262e0c);
            f.domes = true, f.domeLight = hex(0xe0f0a0);
            break;
        default:  // dragon Julia in sunset colours
            f = view(Kind::Julia, 0.05, -0.05, 2.0, -0.4, 0.6);
            pal({0.7f, 0.45f, 0.4f, 0.3f, 0.35f, 0.35f, 1, 1, 1, 0.95f, 0.1f, 0.3f});
            f.freq = 0.05f, f.topTint = hex(0xfff0e0), f.bottomTint = hex(0x200a20), f.inside = hex(0x200a1a);
            f.rotate = -0.4;
            break;
    }
    return f;
}

}  // namespace

Image paintFractal(int n) { return render(fractalFor(n)); }

Image paintPicture(char set, int number) {
    if (set == 'b') return paintBoldScene(number);
    if (set == 'p') return paintLandscape(number);
    return paintFractal(number);
}

}  // namespace media
