/* Reads a rectangle of a window's pixels as a player sees them: prints a hash
 * of them, and writes them as a binary PPM picture when given a file name.
 *   grab_region WINDOW-ID X Y WIDTH HEIGHT [OUT.ppm] */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 6 && argc != 7) {
        fprintf(stderr, "usage: grab_region WINDOW-ID X Y WIDTH HEIGHT [OUT.ppm]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "grab_region: no display\n");
        return 1;
    }
    Window window = (Window)strtoul(argv[1], NULL, 0);
    int x = atoi(argv[2]), y = atoi(argv[3]);
    unsigned width = (unsigned)atoi(argv[4]), height = (unsigned)atoi(argv[5]);
    XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image) {
        fprintf(stderr, "grab_region: cannot read the window\n");
        return 1;
    }
    FILE* out = argc == 7 ? fopen(argv[6], "wb") : NULL;
    if (out)
        fprintf(out, "P6\n%u %u\n255\n", width, height);
    unsigned long long hash = 1469598103934665603ull;
    for (unsigned row = 0; row < height; ++row)
        for (unsigned column = 0; column < width; ++column) {
            unsigned long pixel = XGetPixel(image, (int)column, (int)row);
            unsigned char rgb[3] = {(unsigned char)((pixel & image->red_mask) >> 16),
                                    (unsigned char)((pixel & image->green_mask) >> 8),
                                    (unsigned char)(pixel & image->blue_mask)};
            for (int c = 0; c < 3; ++c)
                hash = (hash ^ rgb[c]) * 1099511628211ull;
            if (out)
                fwrite(rgb, 1, 3, out);
        }
    if (out)
        fclose(out);
    printf("%016llx\n", hash);
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}
