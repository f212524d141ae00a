// The media folder the game reads, and the generator that makes it.
//
// The first group checks the repository's media/ as the build leaves it; the
// second runs build/make_media into a scratch folder.
#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_ttf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "../tools/media/atlas_regions.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

const fs::path kMedia = fs::path(ZOR_SOURCE_DIR) / "media";

Bytes readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void startAllegro() {
    // Other tests may have shut Allegro down; starting it again is harmless.
    ASSERT_TRUE(al_init() && al_init_image_addon() && al_init_font_addon() && al_init_ttf_addon());
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
}

struct Loaded {
    ALLEGRO_BITMAP* bmp;
    explicit Loaded(const fs::path& p) : bmp(al_load_bitmap_flags(p.string().c_str(), ALLEGRO_NO_PREMULTIPLIED_ALPHA)) {}
    ~Loaded() {
        if (bmp) al_destroy_bitmap(bmp);
    }
};

std::vector<std::string> textLines() {
    std::ifstream in(kMedia / "teksty.txt", std::ios::binary);
    std::vector<std::string> lines;
    std::string l;
    while (std::getline(in, l)) lines.push_back(l);
    return lines;
}

// ---- the files -----------------------------------------------------------------

struct ImageCase {
    std::string name;
    int w, h;
    bool exact;
};

std::vector<ImageCase> imageCases() {
    std::vector<ImageCase> c;
    for (const char* set : {"b", "p", "w"})
        for (int n = 1; n <= 12; n++) c.push_back({std::string(set) + std::to_string(n) + ".jpg", 600, 450, true});
    c.push_back({"t2.jpg", 1024, 710, true});
    c.push_back({"ele.png", 672, 807, false});  // at least this large
    return c;
}

TEST(MediaFolder, EveryPictureHasItsFormatAndSize) {
    startAllegro();
    for (const ImageCase& c : imageCases()) {
        SCOPED_TRACE(c.name);
        Bytes b = readAll(kMedia / c.name);
        ASSERT_GT(b.size(), 8u) << "missing: run build/make_media from the repository root";
        if (c.name.size() > 4 && c.name.substr(c.name.size() - 4) == ".jpg") {
            EXPECT_TRUE(b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) << "not a JPEG";
        } else {
            EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 4), "PNG") << "not a PNG";
        }
        Loaded img(kMedia / c.name);
        ASSERT_NE(img.bmp, nullptr);
        if (c.exact) {
            EXPECT_EQ(al_get_bitmap_width(img.bmp), c.w);
            EXPECT_EQ(al_get_bitmap_height(img.bmp), c.h);
        } else {
            EXPECT_GE(al_get_bitmap_width(img.bmp), c.w);
            EXPECT_GE(al_get_bitmap_height(img.bmp), c.h);
        }
    }
}

// Codepoints of UTF-8 text.
std::vector<int> codepoints(const std::string& s) {
    std::vector<int> out;
    ALLEGRO_USTR_INFO info;
    const ALLEGRO_USTR* u = al_ref_cstr(&info, s.c_str());
    int pos = 0, c;
    while ((c = al_ustr_get_next(u, &pos)) >= 0) out.push_back(c);
    return out;
}

TEST(MediaFolder, BothFontsHaveEveryPolishLetter) {
    startAllegro();
    const std::string polish = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    for (const char* name : {"arial.ttf", "arialbd.ttf"}) {
        SCOPED_TRACE(name);
        ALLEGRO_FONT* f = al_load_ttf_font((kMedia / name).string().c_str(), 18, 0);
        ASSERT_NE(f, nullptr);
        int n = al_get_font_ranges(f, 0, nullptr);
        std::vector<int> ranges(2 * n);
        al_get_font_ranges(f, n, ranges.data());
        for (int cp : codepoints(polish)) {
            bool found = false;
            for (int i = 0; i < n && !found; i++) found = cp >= ranges[2 * i] && cp <= ranges[2 * i + 1];
            EXPECT_TRUE(found) << "no glyph for U+" << std::hex << cp;
        }
        al_destroy_font(f);
    }
    EXPECT_NE(readAll(kMedia / "arial.ttf"), readAll(kMedia / "arialbd.ttf")) << "the two faces must differ";
    EXPECT_TRUE(fs::exists(kMedia / "LICENSE-fonts.txt"));
}

TEST(MediaFolder, SoundsAreShort16BitPcmWaves) {
    for (const char* name : {"s1.wav", "s3.wav", "s5.wav"}) {
        SCOPED_TRACE(name);
        Bytes b = readAll(kMedia / name);
        ASSERT_GE(b.size(), 44u);
        auto u16 = [&](size_t i) { return b[i] | b[i + 1] << 8; };
        auto u32 = [&](size_t i) { return (uint32_t)u16(i) | (uint32_t)u16(i + 2) << 16; };
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(u16(20), 1) << "PCM";
        EXPECT_EQ(u16(34), 16) << "bits per sample";
        const int channels = u16(22);
        const uint32_t rate = u32(24);
        ASSERT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        const uint32_t dataBytes = u32(40);
        EXPECT_EQ(dataBytes + 44, b.size());
        double seconds = dataBytes / (2.0 * channels * rate);
        EXPECT_GT(seconds, 0.3);
        EXPECT_LT(seconds, 5.0);
        // Not silent.
        int peak = 0;
        for (size_t i = 44; i + 1 < b.size(); i += 2) peak = std::max(peak, std::abs((int)(int16_t)u16(i)));
        EXPECT_GT(peak, 8000);
    }
}

// ---- the text table ------------------------------------------------------------------

TEST(MediaTexts, HasTwentyFiveLinesAndOnlyTheAllowedConversions) {
    Bytes raw = readAll(kMedia / "teksty.txt");
    ASSERT_FALSE(raw.empty());
    EXPECT_EQ(std::count(raw.begin(), raw.end(), '\n'), 25);
    EXPECT_EQ(std::count(raw.begin(), raw.end(), '\r'), 0);
    std::vector<std::string> t = textLines();
    ASSERT_EQ(t.size(), 25u);
    for (int i = 0; i < 25; i++) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const size_t percents = std::count(t[i].begin(), t[i].end(), '%');
        if (i == 13 || i == 14) {
            EXPECT_EQ(percents, 1u);
            EXPECT_NE(t[i].find("%d"), std::string::npos);
        } else {
            EXPECT_EQ(percents, 0u);
        }
        const bool unused = i == 0 || i == 8 || i == 11 || i == 15 || i == 23 || i == 24;
        EXPECT_EQ(t[i].empty(), unused);
    }
}

TEST(MediaTexts, EveryEntryFitsWhereTheGameDrawsIt) {
    startAllegro();
    struct Fit {
        int index, size;
        bool bold;
        int maxWidth;
        int formatValue;  // -1: drawn as it is
    };
    // Widths of the plates, tabs and screen areas each entry is centred in.
    const Fit fits[] = {
        {1, 18, false, 108, -1},  {2, 18, false, 108, -1},  {3, 18, false, 108, -1},   // inside the tab marker
        {4, 18, false, 180, -1},  {5, 18, false, 112, -1},                             // menu plate, new-game button
        {6, 18, false, 78, -1},   {7, 14, true, 100, -1},                              // label plate, exit button
        {9, 28, false, 1000, -1}, {10, 28, false, 1000, -1}, {12, 28, false, 620, -1},
        {13, 18, false, 95, 3},   {14, 18, false, 150, 9999},                          // final-screen columns
        {16, 28, false, 1000, -1},
    };
    std::vector<std::string> t = textLines();
    ASSERT_EQ(t.size(), 25u);
    ALLEGRO_FONT* regular[40] = {};
    ALLEGRO_FONT* bold[40] = {};
    auto font = [&](int size, bool b) {
        ALLEGRO_FONT*& f = (b ? bold : regular)[size];
        if (!f) f = al_load_ttf_font((kMedia / (b ? "arialbd.ttf" : "arial.ttf")).string().c_str(), size, 0);
        return f;
    };
    std::vector<Fit> all(std::begin(fits), std::end(fits));
    for (int i = 17; i <= 22; i++) all.push_back({i, 18, false, 1000, -1});
    for (const Fit& f : all) {
        SCOPED_TRACE("entry " + std::to_string(f.index) + ": " + t[f.index]);
        ALLEGRO_FONT* fn = font(f.size, f.bold);
        ASSERT_NE(fn, nullptr);
        std::string s = t[f.index];
        if (f.formatValue >= 0) {
            char buf[256];
            std::snprintf(buf, sizeof buf, s.c_str(), f.formatValue);
            s = buf;
        }
        EXPECT_LE(al_get_text_width(fn, s.c_str()), f.maxWidth);
    }
    for (ALLEGRO_FONT* f : regular)
        if (f) al_destroy_font(f);
    for (ALLEGRO_FONT* f : bold)
        if (f) al_destroy_font(f);
}

// ---- the sprite sheet ----------------------------------------------------------------------

struct Pixel {
    int r, g, b, a;
};
Pixel pixelAt(ALLEGRO_BITMAP* bmp, int x, int y) {
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(bmp, x, y), &r, &g, &b, &a);
    return {r, g, b, a};
}

TEST(MediaSpriteSheet, EveryRegionLiesInsideTheSheetAndHoldsArt) {
    startAllegro();
    Loaded sheet(kMedia / "ele.png");
    ASSERT_NE(sheet.bmp, nullptr);
    const int w = al_get_bitmap_width(sheet.bmp), h = al_get_bitmap_height(sheet.bmp);
    for (const media::AtlasRegion& r : media::kAtlasRegions) {
        SCOPED_TRACE(r.name);
        EXPECT_GT(r.w, 0);
        EXPECT_GT(r.h, 0);
        EXPECT_GE(r.x, 0);
        EXPECT_GE(r.y, 0);
        EXPECT_LE(r.x + r.w, w);
        EXPECT_LE(r.y + r.h, h);
        int visible = 0;
        for (int y = r.y; y < r.y + r.h; y++)
            for (int x = r.x; x < r.x + r.w; x++) visible += pixelAt(sheet.bmp, x, y).a > 128;
        EXPECT_GT(visible, 0) << "region is empty";
    }
}

TEST(MediaSpriteSheet, ThumbnailFrameLeavesThePictureVisible) {
    startAllegro();
    Loaded sheet(kMedia / "ele.png");
    ASSERT_NE(sheet.bmp, nullptr);
    // Drawn over a 140 x 100 thumbnail at its top-left: only a thin border may cover it.
    for (int y = 204; y < 296; y++)
        for (int x = 464; x < 596; x++) ASSERT_EQ(pixelAt(sheet.bmp, x, y).a, 0) << x << "," << y;
}

TEST(MediaSpriteSheet, SharedPixelsHoldWhatBothUsesNeed) {
    startAllegro();
    Loaded sheet(kMedia / "ele.png");
    ASSERT_NE(sheet.bmp, nullptr);
    // The roll's light edge and haze are drawn from one pixel: light and opaque.
    Pixel p = pixelAt(sheet.bmp, 320, 700);
    EXPECT_EQ(p.a, 255);
    EXPECT_GT(p.r + p.g + p.b, 600);
    // The fade from black stretches this square over the screen: fully opaque.
    for (int y = 470; y < 510; y++)
        for (int x = 350; x < 390; x++) ASSERT_EQ(pixelAt(sheet.bmp, x, y).a, 255) << x << "," << y;
    // The new-game caption is written over the button's middle: keep it plain.
    int lo = 255, hi = 0;
    for (int y = 480; y < 496; y++)
        for (int x = 495; x < 575; x++) {
            Pixel q = pixelAt(sheet.bmp, x, y);
            EXPECT_EQ(q.a, 255);
            lo = std::min(lo, q.g), hi = std::max(hi, q.g);
        }
    EXPECT_LT(hi - lo, 40) << "the caption area of the new-game button is busy";
}

// ---- the generator --------------------------------------------------------------------------

fs::path findGenerator() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    for (fs::path d = self.parent_path(); !d.empty() && d != d.root_path(); d = d.parent_path())
        if (fs::exists(d / "make_media")) return d / "make_media";
    if (fs::exists(fs::path(ZOR_SOURCE_DIR) / "build" / "make_media")) return fs::path(ZOR_SOURCE_DIR) / "build" / "make_media";
    return {};
}

struct Scratch {
    fs::path dir;
    Scratch() {
        dir = fs::temp_directory_path() / ("zor-media-test-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Scratch() { fs::remove_all(dir); }
};

// One file of each kind of work the generator does, to keep the test quick.
const char* kSample = "b1.jpg,w1.jpg,ele.png,s1.wav,teksty.txt";

int runGenerator(const fs::path& out, const char* only = kSample) {
    fs::path gen = findGenerator();
    if (gen.empty()) return -1;
    std::string cmd = "\"" + gen.string() + "\" \"" + out.string() + "\" --only " + only + " > /dev/null";
    return std::system(cmd.c_str());
}

std::string fnv(const Bytes& b) {
    unsigned long long h = 0xcbf29ce484222325ull;
    for (unsigned char c : b) h = (h ^ c) * 0x100000001b3ull;
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", h);
    return buf;
}

TEST(MediaGenerator, MakesTheSameBytesEveryRun) {
    ASSERT_FALSE(findGenerator().empty()) << "build make_media first";
    Scratch a, b;
    ASSERT_EQ(runGenerator(a.dir), 0);
    ASSERT_EQ(runGenerator(b.dir), 0);
    std::stringstream names(kSample);
    std::string n;
    while (std::getline(names, n, ',')) {
        SCOPED_TRACE(n);
        Bytes x = readAll(a.dir / n);
        EXPECT_FALSE(x.empty());
        EXPECT_EQ(x, readAll(b.dir / n));
    }
}

TEST(MediaGenerator, LeavesOthersFilesAloneAndRefreshesItsOwn) {
    ASSERT_FALSE(findGenerator().empty()) << "build make_media first";
    Scratch s;
    ASSERT_EQ(runGenerator(s.dir), 0);
    const Bytes ours = readAll(s.dir / "b1.jpg");
    const Bytes text = readAll(s.dir / "teksty.txt");

    // A player's own picture in place of ours.
    const std::string mine = "a player's own picture";
    { std::ofstream(s.dir / "w1.jpg", std::ios::binary) << mine; }
    // Our file as an older generator left it: the manifest vouches for its
    // bytes, recorded under another stamp.
    const std::string older = "older art";
    { std::ofstream(s.dir / "b1.jpg", std::ios::binary) << older; }
    std::ifstream in(s.dir / ".generated");
    std::stringstream rewritten;
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() > 7 && line.substr(line.size() - 7) == " b1.jpg")
            line = fnv(Bytes(older.begin(), older.end())) + " older-build b1.jpg";
        rewritten << line << '\n';
    }
    in.close();
    { std::ofstream(s.dir / ".generated") << rewritten.str(); }
    // And one of ours simply gone.
    fs::remove(s.dir / "teksty.txt");

    ASSERT_EQ(runGenerator(s.dir), 0);
    Bytes w1 = readAll(s.dir / "w1.jpg");
    EXPECT_EQ(std::string(w1.begin(), w1.end()), mine);
    EXPECT_EQ(readAll(s.dir / "b1.jpg"), ours);
    EXPECT_EQ(readAll(s.dir / "teksty.txt"), text);
    // It stays the player's on later runs too.
    ASSERT_EQ(runGenerator(s.dir), 0);
    w1 = readAll(s.dir / "w1.jpg");
    EXPECT_EQ(std::string(w1.begin(), w1.end()), mine);
}

TEST(MediaGenerator, NeverWritesTheSaveOrTheThumbnailSheet) {
    ASSERT_FALSE(findGenerator().empty()) << "build make_media first";
    Scratch s;
    { std::ofstream(s.dir / "data.txt") << "1 2 3\n"; }
    ASSERT_EQ(runGenerator(s.dir, "teksty.txt,data.txt,miniaturki.png"), 0);
    EXPECT_EQ(readAll(s.dir / "data.txt"), Bytes({'1', ' ', '2', ' ', '3', '\n'}));
    EXPECT_FALSE(fs::exists(s.dir / "miniaturki.png"));
}

}  // namespace
