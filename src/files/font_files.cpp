#include "files/font_files.h"

#include "files/safe_files.h"

#include <allegro5/allegro_ttf.h>

#include <cstdint>
#include <iterator>

namespace {

// Ours are about 140 KB; a face with every script of the world is some MB.
constexpr size_t largestFontFile = 32 * 1024 * 1024;

// What FreeType needs to map characters to glyphs and lay them out.
constexpr const char* neededTables[] = {"cmap", "head", "hhea", "hmtx", "maxp"};

uint32_t read32(const std::string& bytes, size_t at)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | uint32_t(b[3]);
}

// The table directory of one face starting at `face`.
std::string checkFace(const std::string& bytes, size_t face)
{
    if (face > bytes.size() || bytes.size() - face < 12)
        return "plik jest ucięty";
    uint32_t version = read32(bytes, face);
    if (version != 0x00010000u && bytes.compare(face, 4, "true") != 0 && bytes.compare(face, 4, "OTTO") != 0)
        return "to nie jest plik czcionki TrueType ani OpenType";
    size_t tables = (uint32_t(uint8_t(bytes[face + 4])) << 8) | uint8_t(bytes[face + 5]);
    if (tables == 0)
        return "uszkodzona czcionka (bez tabel)";
    if ((bytes.size() - face - 12) / 16 < tables)
        return "plik jest ucięty";
    bool found[std::size(neededTables)] = {};
    for (size_t t = 0; t < tables; ++t) {
        size_t entry = face + 12 + 16 * t;
        uint64_t offset = read32(bytes, entry + 8);
        uint64_t length = read32(bytes, entry + 12);
        if (offset + length > bytes.size())
            return "plik jest ucięty";
        for (size_t n = 0; n < std::size(neededTables); ++n)
            found[n] = found[n] || bytes.compare(entry, 4, neededTables[n]) == 0;
    }
    for (size_t n = 0; n < std::size(neededTables); ++n)
        if (!found[n])
            return std::string("uszkodzona czcionka (brak tabeli ") + neededTables[n] + ")";
    return "";
}

// The digits of the move counter must each leave a mark.
bool drawsDigits(const ALLEGRO_FONT* font)
{
    for (int digit = '0'; digit <= '9'; ++digit) {
        int x, y, width, height;
        if (!al_get_glyph_dimensions(font, digit, &x, &y, &width, &height) || width <= 0 || height <= 0)
            return false;
    }
    return true;
}

}  // namespace

std::string checkFontBytes(const std::string& bytes)
{
    if (bytes.size() >= 12 && bytes.compare(0, 4, "ttcf") == 0) {
        // A collection: the library loads its first face.
        if (bytes.size() < 16)
            return "plik jest ucięty";
        if (read32(bytes, 8) == 0)
            return "uszkodzona czcionka (pusta kolekcja)";
        return checkFace(bytes, read32(bytes, 12));
    }
    return checkFace(bytes, 0);
}

ALLEGRO_FONT* loadFontFile(const std::string& path, int size, std::string& why)
{
    std::string bytes;
    if (!readRegularFile(path, bytes, largestFontFile, why))
        return nullptr;
    why = checkFontBytes(bytes);
    if (!why.empty())
        return nullptr;
    ALLEGRO_FONT* font = al_load_ttf_font(path.c_str(), size, 0);
    if (!font) {
        why = "czcionki nie da się wczytać";
        return nullptr;
    }
    if (!drawsDigits(font)) {
        al_destroy_font(font);
        why = "czcionka nie rysuje cyfr";
        return nullptr;
    }
    return font;
}
