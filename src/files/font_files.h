// The two TrueType faces. The graphics library reads a font lazily, glyph by
// glyph, so a file cut short loads without complaint and then draws nothing;
// the file is checked whole before it is loaded, and the loaded face must
// draw the digits of the move counter.
#pragma once

#include <allegro5/allegro_font.h>

#include <string>

// Why the bytes are no whole TrueType or OpenType font (another kind of
// file, a table reaching past the end of the file, a table the library needs
// missing), or "".
std::string checkFontBytes(const std::string& bytes);

// The font at `path` in `size` pixels, or null with the reason in `why`.
ALLEGRO_FONT* loadFontFile(const std::string& path, int size, std::string& why);
