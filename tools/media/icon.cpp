// The game's icon: the three picture cubes of the title art (two standing,
// one rolled on top, the same picture pieces on their faces), alone on a
// transparent square with a soft shadow under them. Painted four times as
// large and shrunk, so the edges are smooth at every size; below 128 pixels
// the edge lines keep a width of about one pixel so the cubes stay apart.
#include <algorithm>

#include "art.h"

namespace media {

namespace {

constexpr int kSupersample = 4;

// The three cubes in title-art coordinates and the box round them.
const Iso kCubes[3] = {{{130, 118}, 70}, {{260, 145}, 70}, {{190, 48}, 62}};
constexpr float kArtLeft = 69, kArtTop = 17, kArtRight = 321, kArtBottom = 252;

}  // namespace

Image paintIcon(int size) {
    const int n = size * kSupersample;
    Image canvas(n, n);
    // The art's box fills 92% of the square, centred.
    const float k = 0.92f * n / std::max(kArtRight - kArtLeft, kArtBottom - kArtTop);
    const V2 artCentre{(kArtLeft + kArtRight) / 2, (kArtTop + kArtBottom) / 2};
    auto place = [&](V2 p) { return (p - artCentre) * k + V2{n / 2.0f, n / 2.0f}; };

    // A soft shadow on the floor under the two standing cubes.
    Image shadow(n, n);
    V2 floor = place({195, 244});
    ellipse(shadow, floor, 118 * k, 9 * k, withAlpha(hex(0), 0.55f));
    boxBlur(shadow, std::max(1, (int)(3 * k)));
    drawImage(canvas, shadow, 0, 0);

    Image farm = paintBoldScene(1), sea = paintBoldScene(2), balloons = paintBoldScene(3), land = paintLandscape(2);
    // Edge lines: as in the title art, but never much under a pixel of the icon.
    const float lineScale = std::max(k, 0.9f * kSupersample / 1.6f);
    const Col top = shadePixelColour();
    auto cube = [&](int i) { return Iso{place(kCubes[i].c), kCubes[i].a * k}; };
    isoCube(canvas, cube(0), sea, {150, 150}, farm, {300, 150}, top, lineScale);
    isoCube(canvas, cube(1), balloons, {150, 0}, land, {300, 150}, top, lineScale);
    isoCube(canvas, cube(2), sea, {450, 0}, balloons, {0, 0}, top, lineScale);
    return shrink(canvas, kSupersample);
}

}  // namespace media
