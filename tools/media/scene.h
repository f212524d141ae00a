// Building blocks of the illustrated pictures. Everything stands the right
// way up and is lit from above, because that is how a player tells a turned
// piece from an upright one.
#pragma once

#include "raster.h"

namespace media {

// Vertical gradient over rows y0..y1 (whole width), through the given stops.
void vGradient(Image& img, float y0, float y1, const std::vector<Col>& stops);

// Soft round glow (additive-looking light), e.g. around a sun.
void glow(Image& img, V2 c, float r, Col col, float strength);

// Puffy cloud with a flat, shaded underside.
void cloud(Image& img, V2 c, float size, Col col, uint32_t seed);

// Area under a wavy ridge line y(x) = base + waves, filled to the bottom,
// lighter along its top edge.
void hill(Image& img, float base, float amp, float freq, float phase, Col col, float rimLight = 0.18f);
// Same, with the ridge line given by a function.
template <class F>
void hillBy(Image& img, F ridge, Col top, Col bottom, float rimLight = 0.15f, float fadeRows = 120) {
    for (int x = 0; x < img.w; x++) {
        float fx = x + 0.5f;
        float ry = ridge(fx);
        int y0 = std::max(0, (int)std::floor(ry) - 1);
        for (int y = y0; y < img.h; y++) {
            float cov = clamp01(y + 1 - ry);
            if (cov <= 0) continue;
            float d = (y + 0.5f - ry);
            Col c = mix(top, bottom, clamp01(d / fadeRows));
            c = lighten(c, rimLight * (1 - smooth(0, 10, d)));
            img.blend(x, y, c, cov);
        }
    }
}

// Round-crowned tree standing on groundY.
void tree(Image& img, float x, float groundY, float h, Col crown, Col trunk, uint32_t seed);
// Conifer with stacked tiers; snow adds white caps.
void pine(Image& img, float x, float groundY, float h, Col col, bool snow = false);
// Simple house: walls, pitched roof, door and windows.
void house(Image& img, float x, float groundY, float w, float h, Col wall, Col roof, Col window, bool chimney);
// Gull-like V.
void bird(Image& img, V2 c, float s, Col col);
// Grass blades standing up from the row groundY across x0..x1.
void grass(Image& img, float x0, float x1, float groundY, float h, Col col, uint32_t seed, int count);
// Flower on a stem.
void flower(Image& img, float x, float groundY, float h, Col petal, Col centre);
// Five-pointed star.
void star(Image& img, V2 c, float r, Col col);
// Shaded sphere lit from the upper left.
void ball(Image& img, V2 c, float r, Col col);

}  // namespace media
