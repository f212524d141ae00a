// The real platform's window at any size, on a virtual desktop (run it under
// Xvfb with a 2400 x 1600 screen; scaled_window.sh does):
//   - it opens at the largest whole multiple of 1024 x 710 that fits, 2048 x 1420;
//   - resized to 1024 x 710 it shows the screen pixel for pixel;
//   - at 1024 x 1000 pixel for pixel too, between black bars;
//   - at twice the size and at fractional sizes it shows the screen scaled,
//     smoothly filtered, centred between black bars;
//   - the mouse, put at a window pixel, reaches the game as the screen pixel
//     shown there, also at the edges of the bars.
// The window is resized and the mouse moved from outside, through X, as a
// desktop would; what the window shows is read back from the X server.
//   scaled_window_check EXPECTED-WIDTH EXPECTED-HEIGHT
#include "shell/allegro_platform.h"
#include "shell/window_scaling.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_x.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

int failures = 0;

void check(bool ok, const std::string& what)
{
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok)
        ++failures;
}

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

unsigned mix(unsigned x)
{
    x ^= x >> 16;
    x *= 0x7feb352d;
    x ^= x >> 15;
    x *= 0x846ca68b;
    x ^= x >> 16;
    return x;
}

// Every pixel of its own colour: any shift, blend or scaling shows.
Rgb noiseAt(int x, int y)
{
    unsigned h = mix(static_cast<unsigned>(y * screenWidth + x) + 12345u);
    return {int(h & 255), int((h >> 8) & 255), int((h >> 16) & 255)};
}

// Flat 16 x 16 blocks of bright colours, none near black.
constexpr int block = 16;
Rgb blockAt(int x, int y)
{
    unsigned h = mix(static_cast<unsigned>((y / block) * 1000 + x / block) + 777u);
    return {64 + int(h & 127), 64 + int((h >> 8) & 127), 64 + int((h >> 16) & 127)};
}

void paintScreen(Rgb (*colour)(int, int))
{
    ALLEGRO_BITMAP* screen = platform().screen();
    al_set_target_bitmap(screen);
    al_lock_bitmap(screen, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < screenHeight; ++y)
        for (int x = 0; x < screenWidth; ++x) {
            Rgb c = colour(x, y);
            al_put_pixel(x, y, al_map_rgb(c.r, c.g, c.b));
        }
    al_unlock_bitmap(screen);
}

// What the window shows, read from the X server.
class WindowImage {
public:
    WindowImage(Display* x, Window window, int width, int height)
        : image(XGetImage(x, window, 0, 0, width, height, AllPlanes, ZPixmap)),
          width(width),
          height(height)
    {
    }
    ~WindowImage()
    {
        if (image)
            XDestroyImage(image);
    }
    bool ok() const { return image != nullptr; }
    Rgb at(int x, int y) const
    {
        unsigned long p = XGetPixel(image, x, y);
        return {int((p & image->red_mask) >> shift(image->red_mask)),
                int((p & image->green_mask) >> shift(image->green_mask)),
                int((p & image->blue_mask) >> shift(image->blue_mask))};
    }

    XImage* image;
    int width, height;

private:
    static int shift(unsigned long mask)
    {
        int s = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++s;
        }
        return s;
    }
};

class Desktop {
public:
    Desktop(ALLEGRO_DISPLAY* display)
        : display(display), x(XOpenDisplay(nullptr)), window(al_get_x_window_id(display))
    {
    }
    ~Desktop()
    {
        if (x)
            XCloseDisplay(x);
    }

    // Resizes the window from outside, as a desktop does, and lets the game
    // take the news at its next input poll; then shows the screen.
    bool resize(int width, int height)
    {
        XResizeWindow(x, window, width, height);
        XSync(x, False);
        for (int i = 0; i < 200; ++i) {
            MouseState ignored;
            platform().readMouse(ignored);
            if (al_get_display_width(display) == width && al_get_display_height(display) == height)
                break;
            al_rest(0.01);
        }
        platform().flip();
        settle();
        return al_get_display_width(display) == width && al_get_display_height(display) == height;
    }

    // Puts the pointer on window pixel (x, y) and returns the mouse as the
    // game reads it once the move has arrived.
    MouseState mouseAt(int wx, int wy)
    {
        XWarpPointer(x, None, window, 0, 0, 0, 0, wx, wy);
        XSync(x, False);
        MouseState seen;
        for (int i = 0; i < 200; ++i) {
            al_rest(0.01);
            ALLEGRO_MOUSE_STATE raw;
            al_get_mouse_state(&raw);
            if (raw.x == wx && raw.y == wy)
                break;
        }
        platform().readMouse(seen);
        return seen;
    }

    void settle()
    {
        XSync(x, False);
        al_rest(0.3);
    }

    WindowImage capture() { return WindowImage(x, window, al_get_display_width(display), al_get_display_height(display)); }

    ALLEGRO_DISPLAY* display;
    Display* x;
    Window window;
};

int differences(const WindowImage& shot, const WindowFit& fit, Rgb (*colour)(int, int), int tolerance,
                int* barPixelsNotBlack)
{
    int wrong = 0, bars = 0;
    for (int wy = 0; wy < shot.height; ++wy)
        for (int wx = 0; wx < shot.width; ++wx) {
            Rgb seen = shot.at(wx, wy);
            bool inPicture = wx >= fit.left && wx < fit.left + fit.width && wy >= fit.top &&
                             wy < fit.top + fit.height;
            if (!inPicture) {
                bars += !(seen == Rgb{0, 0, 0});
                continue;
            }
            Rgb want = colour(windowToScreenX(fit, wx), windowToScreenY(fit, wy));
            if (std::abs(seen.r - want.r) > tolerance || std::abs(seen.g - want.g) > tolerance ||
                std::abs(seen.b - want.b) > tolerance)
                ++wrong;
        }
    if (barPixelsNotBlack)
        *barPixelsNotBlack = bars;
    return wrong;
}

// Window pixels well inside a block (their filter footprint within it) show
// the block's colour; those at a block's edge show a blend of both sides.
void checkSmoothScaling(Desktop& desktop, int width, int height)
{
    std::string size = std::to_string(width) + " x " + std::to_string(height);
    WindowImage shot = desktop.capture();
    if (!shot.ok()) {
        check(false, "window read back at " + size);
        return;
    }
    WindowFit fit = fitScreenInWindow(width, height);
    double scale = fit.width / double(screenWidth);
    int insideWrong = 0, inside = 0, blended = 0, edges = 0, bars = 0;
    for (int wy = 0; wy < height; ++wy)
        for (int wx = 0; wx < width; ++wx) {
            bool inPicture = wx >= fit.left && wx < fit.left + fit.width && wy >= fit.top &&
                             wy < fit.top + fit.height;
            Rgb seen = shot.at(wx, wy);
            if (!inPicture) {
                bars += !(seen == Rgb{0, 0, 0});
                continue;
            }
            // Where the pixel's centre falls on the screen, in screen pixels.
            double sx = (wx + 0.5 - fit.left) / scale, sy = (wy + 0.5 - fit.top) / scale;
            double fx = sx - int(sx / block) * block, fy = sy - int(sy / block) * block;
            bool deepInside = fx > 1.5 && fx < block - 1.5 && fy > 1.5 && fy < block - 1.5;
            if (deepInside) {
                Rgb want = blockAt(int(sx), int(sy));
                ++inside;
                insideWrong += std::abs(seen.r - want.r) > 1 || std::abs(seen.g - want.g) > 1 ||
                               std::abs(seen.b - want.b) > 1;
            }
            // Straddling a vertical block edge, away from horizontal ones: the
            // two texels either side are blended.
            // The right-hand texel's weight is how far the centre lies past
            // the middle of the left-hand one.
            int sxi = int(sx);
            double weight = sx - sxi - 0.5;
            if (fy > 2 && fy < block - 2 && sxi % block == block - 1 && weight > 0.1 &&
                sxi + 1 < screenWidth) {
                Rgb left = blockAt(sxi, int(sy)), right = blockAt(sxi + 1, int(sy));
                if (std::abs(left.r - right.r) * weight >= 4) {
                    ++edges;
                    int lo = std::min(left.r, right.r), hi = std::max(left.r, right.r);
                    blended += seen.r > lo + 1 && seen.r < hi - 1;
                }
            }
        }
    check(insideWrong == 0, size + ": " + std::to_string(inside - insideWrong) + " of " +
                                std::to_string(inside) + " pixels inside blocks show the block's colour");
    check(edges > 0 && blended * 10 >= edges * 9,
          size + ": " + std::to_string(blended) + " of " + std::to_string(edges) +
              " pixels on block edges are blends (linear filtering)");
    check(bars == 0, size + ": the bars are black (" + std::to_string(bars) + " pixels are not)");
}

void checkMouse(Desktop& desktop, int wx, int wy, int sx, int sy, const std::string& where)
{
    MouseState seen = desktop.mouseAt(wx, wy);
    check(seen.x == sx && seen.y == sy,
          "window pixel " + std::to_string(wx) + ", " + std::to_string(wy) + " (" + where +
              ") reaches the game as " + std::to_string(seen.x) + ", " + std::to_string(seen.y) +
              " (wanted " + std::to_string(sx) + ", " + std::to_string(sy) + ")");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: scaled_window_check EXPECTED-WIDTH EXPECTED-HEIGHT\n");
        return 2;
    }
    int expectedWidth = std::atoi(argv[1]), expectedHeight = std::atoi(argv[2]);

    AllegroPlatform real;
    usePlatform(real);
    al_init();
    if (!real.installInput() || !real.openScreen()) {
        std::fprintf(stderr, "scaled_window_check: no window\n");
        return 1;
    }
    ALLEGRO_DISPLAY* display = al_get_current_display();
    Desktop desktop(display);
    if (!desktop.x) {
        std::fprintf(stderr, "scaled_window_check: no X display\n");
        return 1;
    }

    // The opening size.
    check(al_get_display_width(display) == expectedWidth && al_get_display_height(display) == expectedHeight,
          "the window opens at " + std::to_string(al_get_display_width(display)) + " x " +
              std::to_string(al_get_display_height(display)) + " (wanted " + argv[1] + " x " + argv[2] + ")");

    // Pixel for pixel at 1024 x 710, and between bars at 1024 x 1000.
    paintScreen(noiseAt);
    for (auto [width, height] : {std::pair{1024, 710}, std::pair{1024, 1000}}) {
        std::string size = std::to_string(width) + " x " + std::to_string(height);
        check(desktop.resize(width, height), "the window takes the size " + size);
        WindowImage shot = desktop.capture();
        int bars = 0;
        int wrong = shot.ok() ? differences(shot, fitScreenInWindow(width, height), noiseAt, 0, &bars) : -1;
        check(wrong == 0, size + ": the screen shows pixel for pixel (" + std::to_string(wrong) +
                              " pixels differ)");
        check(bars == 0, size + ": the bars are black (" + std::to_string(bars) + " pixels are not)");
    }

    // Scaled, whole and fractional, with and without bars.
    paintScreen(blockAt);
    for (auto [width, height] : {std::pair{2048, 1420}, std::pair{1600, 800}, std::pair{1300, 1100},
                                 std::pair{1536, 1065}}) {
        check(desktop.resize(width, height),
              "the window takes the size " + std::to_string(width) + " x " + std::to_string(height));
        checkSmoothScaling(desktop, width, height);
    }

    // Back to pixel for pixel: the smoothing is gone again.
    paintScreen(noiseAt);
    desktop.resize(1024, 710);
    {
        WindowImage shot = desktop.capture();
        int wrong = shot.ok() ? differences(shot, fitScreenInWindow(1024, 710), noiseAt, 0, nullptr) : -1;
        check(wrong == 0, "1024 x 710 again: pixel for pixel (" + std::to_string(wrong) + " pixels differ)");
    }

    // The mouse.
    desktop.resize(1024, 710);
    checkMouse(desktop, 867, 664, 867, 664, "1024 x 710, the exit button's corner");
    checkMouse(desktop, 1023, 709, 1023, 709, "1024 x 710, the last pixel");
    desktop.resize(2048, 1420);
    checkMouse(desktop, 1734, 1328, 867, 664, "2048 x 1420, the exit button's corner");
    checkMouse(desktop, 1733, 1327, 866, 663, "2048 x 1420, just outside it");
    checkMouse(desktop, 2047, 1419, 1023, 709, "2048 x 1420, the last pixel");
    desktop.resize(1600, 800);   // the picture is 1154 wide, from column 223
    checkMouse(desktop, 222, 400, -1, 355, "1600 x 800, the left bar's last column");
    checkMouse(desktop, 223, 400, 0, 355, "1600 x 800, the picture's first column");
    checkMouse(desktop, 223 + 1153, 799, 1023, 709, "1600 x 800, the picture's last pixel");
    checkMouse(desktop, 223 + 1154, 0, 1024, 0, "1600 x 800, the right bar's first column");
    desktop.resize(1300, 1100);   // the picture is 901 high, from row 99
    checkMouse(desktop, 650, 98, 512, -1, "1300 x 1100, the top bar's last row");
    checkMouse(desktop, 650, 99, 512, 0, "1300 x 1100, the picture's first row");
    checkMouse(desktop, 650, 99 + 900, 512, 709, "1300 x 1100, the picture's last row");
    checkMouse(desktop, 650, 99 + 901, 512, 710, "1300 x 1100, the bottom bar's first row");

    real.closeScreen();
    std::printf("%s\n", failures ? "some checks failed" : "all checks passed");
    return failures ? 1 : 0;
}
