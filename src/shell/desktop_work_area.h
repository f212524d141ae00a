// The desktop's work area, as the window manager announces it: the screen less
// its panels. Kept apart from the platform because X11's headers define
// macros (None, True, Status, ...) that no other file should see.
#pragma once

// x, y, width and height of the work area of the first virtual desktop, in
// desktop pixels. False where no window manager says (no X server, no
// _NET_WORKAREA on the root window, or libX11 not loaded).
bool desktopWorkArea(int area[4]);
