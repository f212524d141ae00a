/* Reads what a window shows, from the X server:
 *   window_probe WINDOW-ID pixel X Y   prints the pixel's red, green and blue
 *   window_probe WINDOW-ID hash        prints a hash of the whole window's pixels
 *   window_probe WINDOW-ID size        prints the window's width and height */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int shiftOf(unsigned long mask)
{
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: window_probe WINDOW-ID pixel X Y | hash | size\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "window_probe: no display\n");
        return 1;
    }
    Window window = (Window)strtoul(argv[1], NULL, 0);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        fprintf(stderr, "window_probe: no such window\n");
        return 1;
    }
    int status = 0;
    if (strcmp(argv[2], "size") == 0) {
        printf("%d %d\n", attributes.width, attributes.height);
    } else if (strcmp(argv[2], "pixel") == 0 && argc == 5) {
        int x = atoi(argv[3]), y = atoi(argv[4]);
        XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) {
            fprintf(stderr, "window_probe: cannot read pixel %d, %d\n", x, y);
            status = 1;
        } else {
            unsigned long p = XGetPixel(image, 0, 0);
            printf("%lu %lu %lu\n", (p & image->red_mask) >> shiftOf(image->red_mask),
                   (p & image->green_mask) >> shiftOf(image->green_mask),
                   (p & image->blue_mask) >> shiftOf(image->blue_mask));
            XDestroyImage(image);
        }
    } else if (strcmp(argv[2], "hash") == 0) {
        XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height,
                                  AllPlanes, ZPixmap);
        if (!image) {
            fprintf(stderr, "window_probe: cannot read the window\n");
            status = 1;
        } else {
            unsigned long long h = 0xcbf29ce484222325ull;
            for (int y = 0; y < image->height; ++y)
                for (int x = 0; x < image->width; ++x) {
                    h ^= XGetPixel(image, x, y);
                    h *= 0x100000001b3ull;
                }
            printf("%016llx\n", h);
            XDestroyImage(image);
        }
    } else {
        fprintf(stderr, "window_probe: unknown request\n");
        status = 2;
    }
    XCloseDisplay(display);
    return status;
}
