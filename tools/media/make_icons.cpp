// make_icons FOLDER NAME
//
// Paints the game's icon (tools/media/icon.cpp) at the sizes a desktop asks
// for and writes them as FOLDER/<size>x<size>/apps/NAME.png, the layout of
// the hicolor icon theme. A file whose bytes would not change is left as it is.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "allegro_io.h"
#include "art.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons FOLDER NAME\n");
        return 2;
    }
    if (!media::initAllegro()) {
        std::fprintf(stderr, "make_icons: cannot start Allegro\n");
        return 1;
    }
    const fs::path folder = argv[1];
    const std::string name = std::string(argv[2]) + ".png";
    int failed = 0;
    for (int size : {32, 48, 64, 128, 256}) {
        const std::string sized = std::to_string(size) + "x" + std::to_string(size);
        const fs::path dir = folder / sized / "apps";
        std::error_code ec;
        fs::create_directories(dir, ec);
        const fs::path path = dir / name;
        media::Bytes bytes = media::encodeImage(media::paintIcon(size), ".png", (dir / (".scratch-" + name)).string());
        std::ifstream old(path, std::ios::binary);
        media::Bytes current((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
        if (bytes.empty()) {
            std::fprintf(stderr, "make_icons: could not paint the %s icon\n", sized.c_str());
            ++failed;
            continue;
        }
        if (bytes == current) continue;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", path.string().c_str());
            ++failed;
        }
    }
    return failed ? 1 : 0;
}
