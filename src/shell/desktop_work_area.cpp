#include "shell/desktop_work_area.h"

#if __has_include(<X11/Xlib.h>) && __has_include(<dlfcn.h>)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#define ZOR_ASKS_X11_FOR_WORK_AREA 1
#endif

// Asked of the X server through the root window's _NET_WORKAREA property.
// Allegro has libX11 loaded already: its functions are looked up rather than
// linked, so the game needs no link to X of its own, and where libX11 is not
// loaded there is simply no answer.
bool desktopWorkArea(int area[4])
{
#ifdef ZOR_ASKS_X11_FOR_WORK_AREA
    void* x11 = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!x11)
        return false;
    auto openDisplay = reinterpret_cast<decltype(&XOpenDisplay)>(dlsym(x11, "XOpenDisplay"));
    auto internAtom = reinterpret_cast<decltype(&XInternAtom)>(dlsym(x11, "XInternAtom"));
    auto getProperty = reinterpret_cast<decltype(&XGetWindowProperty)>(dlsym(x11, "XGetWindowProperty"));
    auto freeData = reinterpret_cast<decltype(&XFree)>(dlsym(x11, "XFree"));
    auto closeDisplay = reinterpret_cast<decltype(&XCloseDisplay)>(dlsym(x11, "XCloseDisplay"));
    bool found = false;
    Display* x = (openDisplay && internAtom && getProperty && freeData && closeDisplay)
                     ? openDisplay(nullptr) : nullptr;
    if (x) {
        Atom workArea = internAtom(x, "_NET_WORKAREA", True);
        Atom type = None;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        if (workArea != None
            && getProperty(x, DefaultRootWindow(x), workArea, 0, 4, False, XA_CARDINAL, &type,
                           &format, &count, &left, &data) == Success
            && data) {
            if (type == XA_CARDINAL && format == 32 && count >= 4) {
                const long* values = reinterpret_cast<const long*>(data);   // 32-bit items come as long
                for (int i = 0; i < 4; ++i)
                    area[i] = static_cast<int>(values[i]);
                found = area[2] > 0 && area[3] > 0;
            }
            freeData(data);
        }
        closeDisplay(x);
    }
    dlclose(x11);
    return found;
#else
    (void)area;
    return false;
#endif
}
